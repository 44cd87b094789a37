#include "app/dialog_users.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "plugin/params/params_dialog.h"
#include "sim/status_text.h"

namespace app {
namespace {

using sim::ItemKind;
using sim::UserAction;

UserAction Select(int32_t item, int32_t index) {
  return {UserAction::Kind::kSelect, item, static_cast<double>(index)};
}
UserAction Click(int32_t item) { return {UserAction::Kind::kClick, item, 0}; }

bool IsParameterDialog(const sim::DialogModel& dialog) { return dialog.name == kParamsDialogName; }

int32_t ShownPage(const sim::DialogModel& dialog) {
  const sim::DialogItem* popup = dialog.Item(kItemPagePopup);
  return popup ? popup->activeEntry : -1;
}

std::vector<std::string> EntryTexts(const sim::DialogItem& item) {
  std::vector<std::string> texts;
  for (const auto& entry : item.entries) texts.push_back(entry->text);
  return texts;
}

// The page's entry text, trimmed, for messages: "Basic row settings".
std::string PageTitle(const sim::DialogModel& dialog, int32_t page) {
  const sim::DialogItem* popup = dialog.Item(kItemPagePopup);
  if (popup && page >= 0 && page < static_cast<int32_t>(popup->entries.size()))
    return Trimmed(popup->entries[static_cast<size_t>(page)]->text);
  return std::string("page ") + std::to_string(page);
}

std::string RangeText(const sim::DialogItem& item) {
  if (item.hasMin && item.hasMax) return FormatNumber(item.minValue) + " to " + FormatNumber(item.maxValue);
  if (item.hasMin) return FormatNumber(item.minValue) + " or more";
  if (item.hasMax) return FormatNumber(item.maxValue) + " or less";
  return "any number";
}

// The label of a value item: the static text that ends left of it on its
// row, with "first field" or "second field" when the row has two values.
std::string LabelOf(const sim::DialogModel& dialog, const sim::DialogItem& item) {
  const sim::DialogItem* label = nullptr;
  int32_t valuesLeft = 0, valuesRight = 0;
  for (const auto& other : dialog.items) {
    if (other->bounds.top != item.bounds.top || other.get() == &item) continue;
    if (other->kind == ItemKind::kStaticText && other->bounds.right <= item.bounds.left) {
      if (label == nullptr || other->bounds.right > label->bounds.right) label = other.get();
    } else if (other->kind == ItemKind::kSpinEdit) {
      (other->bounds.left < item.bounds.left ? valuesLeft : valuesRight)++;
    }
  }
  if (item.kind == ItemKind::kCheckBox || item.kind == ItemKind::kPushButton) return sim::Quote(item.text);
  if (label == nullptr) return "";
  std::string text = sim::Quote(label->text);
  if (valuesLeft > 0) text += ", second field";
  else if (valuesRight > 0) text += ", first field";
  return text;
}

}  // namespace

std::string FormatNumber(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.9g", value);
  return text;
}

ShownDialog ReadDialog(const sim::DialogModel& dialog) {
  ShownDialog shown{dialog.name, dialog.caption, {}};
  for (const auto& item : dialog.items)
    if (item->kind == ItemKind::kStaticText) shown.texts.push_back(item->text);
  return shown;
}

std::optional<int32_t> FindEntry(const std::vector<std::string>& entries, const std::string& wanted,
                                 const char* what, std::string* error) {
  const std::string folded = Folded(wanted);
  int32_t id = -1;
  const auto [end, failure] = std::from_chars(folded.data(), folded.data() + folded.size(), id);
  const bool isNumber = !folded.empty() && failure == std::errc() && end == folded.data() + folded.size();
  for (size_t i = 0; i < entries.size(); ++i)
    if (isNumber ? id == static_cast<int32_t>(i) : Folded(entries[i]) == folded) return static_cast<int32_t>(i);

  std::string list;
  for (size_t i = 0; i < entries.size(); ++i) {
    char number[32];
    std::snprintf(number, sizeof number, "%4zu  ", i);
    list += "\n" + std::string(number) + Trimmed(entries[i]);
  }
  if (isNumber)
    *error = "there is no " + std::string(what) + " " + folded + " (ids 0 to " +
             std::to_string(static_cast<int64_t>(entries.size()) - 1) + "); they are:" + list;
  else
    *error = "unknown " + std::string(what) + " '" + Trimmed(wanted) + "'; give an id or a text:" + list;
  return std::nullopt;
}

// --- PlanUser ---

std::optional<UserAction> PlanUser::Cancel(std::string why) {
  error_ = std::move(why);
  stage_ = Stage::kDone;
  return Click(kItemCancel);
}

std::optional<UserAction> PlanUser::Enter(const sim::DialogModel& dialog, const Setting& setting) {
  const DialogValue& value = *setting.target.value;
  const std::string name = setting.target.FullName();
  const sim::DialogItem* item = dialog.Item(value.item);
  const ItemKind wanted = value.kind == ValueKind::kCheckBox ? ItemKind::kCheckBox : ItemKind::kSpinEdit;
  if (item == nullptr || item->kind != wanted)
    return Cancel("the dialog has no " + std::string(sim::ItemKindName(wanted)) + " for " + name +
                  " (item " + std::to_string(value.item) + ")");
  if (wanted == ItemKind::kCheckBox)
    return UserAction{UserAction::Kind::kCheck, value.item, setting.on ? 1.0 : 0.0};

  const double number = setting.number;
  const bool outside = (item->hasMin && number < item->minValue) || (item->hasMax && number > item->maxValue);
  const bool fraction = !item->isFloat && number != std::floor(number);
  if (outside || fraction) {
    std::string where;
    if (setting.target.page != kEveryPage) where = " on the " + PageTitle(dialog, setting.target.page) + " page";
    return Cancel(name + "=" + setting.typed + " is not allowed: " + name + " takes " +
                  (item->isFloat ? "a number" : "a whole number") + " from " + RangeText(*item) + where);
  }
  return UserAction{UserAction::Kind::kSet, value.item, number};
}

std::optional<UserAction> PlanUser::Next(const sim::DialogModel& dialog, sim::Host&) {
  if (!IsParameterDialog(dialog)) {
    others_.push_back(ReadDialog(dialog));
    return std::nullopt;
  }
  sawParameterDialog_ = true;
  for (;;) {
    switch (stage_) {
      case Stage::kPreset:
        stage_ = Stage::kFill;
        if (plan_.preset) {
          const sim::DialogItem* popup = dialog.Item(kItemPresetPopup);
          if (popup == nullptr) return Cancel("the dialog has no presets popup");
          std::string why;
          const auto index = FindEntry(EntryTexts(*popup), *plan_.preset, "preset", &why);
          if (!index) return Cancel(why);
          return Select(kItemPresetPopup, *index);
        }
        break;
      case Stage::kFill:
        stage_ = Stage::kSettings;
        if (plan_.fill) {
          const sim::DialogItem* popup = dialog.Item(kItemFillModePopup);
          if (popup == nullptr) return Cancel("the dialog has no fill-mode popup");
          std::string why;
          const auto index = FindEntry(EntryTexts(*popup), *plan_.fill, "fill mode", &why);
          if (!index) return Cancel(why);
          return Select(kItemFillModePopup, *index);
        }
        break;
      case Stage::kSettings: {
        if (nextSetting_ == plan_.settings.size()) {
          stage_ = Stage::kDone;
          return Click(kItemOk);
        }
        const Setting& setting = plan_.settings[nextSetting_];
        const int32_t page = setting.target.page;
        if (page != kEveryPage && ShownPage(dialog) != page) {
          if (pageAsked_ == page)
            return Cancel("the page popup did not switch to page " + std::to_string(page));
          pageAsked_ = page;
          return Select(kItemPagePopup, page);
        }
        pageAsked_ = -1;
        ++nextSetting_;
        return Enter(dialog, setting);
      }
      case Stage::kDone:
        return std::nullopt;
    }
  }
}

// --- SurveyUser ---

const ItemState* DialogSurvey::Find(int32_t page, int32_t item) const {
  if (page < 0 || page >= static_cast<int32_t>(pages.size())) return nullptr;
  for (const ItemState& state : pages[static_cast<size_t>(page)])
    if (state.id == item) return &state;
  return nullptr;
}

std::optional<UserAction> SurveyUser::Next(const sim::DialogModel& dialog, sim::Host&) {
  if (!IsParameterDialog(dialog)) {
    others_.push_back(ReadDialog(dialog));
    return std::nullopt;
  }
  const int32_t page = static_cast<int32_t>(survey_.pages.size());
  if (page >= kPageCount) return Click(kItemCancel);
  if (ShownPage(dialog) != page) {
    if (asked_ == page) return Click(kItemCancel);  // the page popup did not switch: stop here
    asked_ = page;
    return Select(kItemPagePopup, page);
  }
  survey_.caption = dialog.caption;
  std::vector<ItemState> items;
  for (const auto& item : dialog.items) {
    ItemState state;
    state.id = item->id;
    state.kind = item->kind;
    state.bounds = item->bounds;
    state.text = item->text;
    state.isFloat = item->isFloat;
    state.hasMin = item->hasMin;
    state.hasMax = item->hasMax;
    state.minValue = item->minValue;
    state.maxValue = item->maxValue;
    state.value = item->value;
    state.booleanValue = item->booleanValue;
    state.entries = EntryTexts(*item);
    state.activeEntry = item->activeEntry;
    state.label = LabelOf(dialog, *item);
    items.push_back(std::move(state));
  }
  survey_.pages.push_back(std::move(items));
  if (page + 1 < kPageCount) {
    asked_ = page + 1;
    return Select(kItemPagePopup, page + 1);
  }
  return Click(kItemCancel);
}

// --- ReaderUser ---

std::optional<UserAction> ReaderUser::Next(const sim::DialogModel& dialog, sim::Host&) {
  dialogs_.push_back(ReadDialog(dialog));
  return std::nullopt;
}

}  // namespace app
