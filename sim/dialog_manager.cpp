#include "sim/dialog_manager.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "sim/host.h"
#include "sim/status_text.h"

namespace sim {
namespace {

// Where a dialog opens when nothing says otherwise, in dialog units.
constexpr int32_t kDefaultLeft = 100;
constexpr int32_t kDefaultTop = 100;

ItemKind KindOfTemplate(const std::string& kind) {
  if (kind == "default button" || kind == "button") return ItemKind::kPushButton;
  if (kind == "check box") return ItemKind::kCheckBox;
  if (kind == "edit") return ItemKind::kSpinEdit;
  if (kind == "black frame") return ItemKind::kFrame;
  return ItemKind::kStaticText;
}

}  // namespace

double KeepWithinBounds(const DialogItem& item, double number) {
  if (!item.isFloat) {
    number = std::round(number);
  } else if (item.precision >= 0) {
    const double scale = std::pow(10.0, item.precision);
    number = std::round(number * scale) / scale;
  }
  if (item.hasMin && number < item.minValue) number = item.minValue;
  if (item.hasMax && number > item.maxValue) number = item.maxValue;
  return item.isFloat ? static_cast<double>(static_cast<float>(number)) : number;
}

DialogManager::DialogManager(Host& host) : host_(host) {}

std::unique_ptr<DialogModel> DialogManager::Build(const char* name, int32_t resourceId,
                                                  std::string* error) {
  const DialogTemplate* source = host_.resources().Dialog(resourceId);
  if (source == nullptr) {
    *error = "the module has no dialog resource " + std::to_string(resourceId);
    return nullptr;
  }
  auto dialog = std::make_unique<DialogModel>();
  dialog->name = name ? name : "";
  dialog->resourceId = resourceId;
  dialog->caption = source->caption;
  dialog->bounds = {kDefaultLeft, kDefaultTop, kDefaultLeft + source->width,
                    kDefaultTop + source->height};
  for (const DialogItemTemplate& from : source->items) {
    auto item = std::make_unique<DialogItem>();
    item->dialog = dialog.get();
    item->id = from.id;
    item->kind = KindOfTemplate(from.kind);
    item->isDefault = from.kind == "default button";
    item->bounds = {from.x, from.y, from.x + from.width, from.y + from.height};
    item->text = from.text;
    dialog->items.push_back(std::move(item));
  }
  return dialog;
}

int32_t DialogManager::Modal(const char* name, int32_t resourceId, DialogInitProc init,
                             void* userData) {
  std::string error;
  std::unique_ptr<DialogModel> dialog = Build(name, resourceId, &error);
  const std::string quoted = Quote(name ? name : "");
  if (!dialog) {
    host_.Print("! dialog " + quoted + " cannot open: " + error);
    return kNotAvailable;
  }
  dialog->userData = userData;
  open_.push_back(dialog.get());
  host_.Print("! dialog " + quoted + " opened");
  if (init != nullptr) init(reinterpret_cast<DialogRef>(dialog.get()));

  std::string texts;
  for (const auto& item : dialog->items)
    if (item->kind == ItemKind::kStaticText) texts += " " + Quote(item->text);
  if (!texts.empty()) host_.Print("! dialog " + quoted + ":" + texts);

  Play(*dialog);
  open_.pop_back();
  host_.Print("! dialog " + quoted + " closed with " + std::to_string(dialog->result));
  return dialog->result;
}

void DialogManager::Play(DialogModel& dialog) {
  const std::string quoted = Quote(dialog.name);
  while (!dialog.ended) {
    std::optional<UserAction> action;
    if (driver_ != nullptr) {
      action = driver_->Next(dialog, host_);
    } else if (!queued_.empty()) {
      action = queued_.front();
      queued_.pop_front();
    }
    if (!action) break;
    host_.Print("! user " + action->Describe());
    std::string error;
    if (!Apply(dialog, *action, &error)) host_.Print("! user: " + error);
  }
  if (dialog.ended) return;

  // The user is done: press the default button, as the Enter key would.
  DialogItem* button = nullptr;
  for (const auto& item : dialog.items)
    if (item->isDefault) button = item.get();
  if (button == nullptr) button = dialog.Item(1);
  host_.Print("! dialog " + quoted + ": no more user actions, pressing " +
              (button ? "item " + std::to_string(button->id) : std::string("nothing")));
  if (button != nullptr) Notify(*button, kADMUserChangedNotifier);
  if (!dialog.ended) {
    // A dialog whose default button does not close it cannot be left
    // open for ever: end it as that button would.
    dialog.ended = true;
    dialog.result = button ? button->id : 0;
  }
}

bool DialogManager::Apply(DialogModel& dialog, const UserAction& action, std::string* error) {
  if (action.kind == UserAction::Kind::kBounds) {
    dialog.bounds = action.bounds;
    return true;
  }
  DialogItem* item = dialog.Item(action.item);
  if (item == nullptr) {
    *error = "the dialog has no item " + std::to_string(action.item);
    return false;
  }
  const auto wrongKind = [&](const char* wanted) {
    *error = "item " + std::to_string(action.item) + " is a " + ItemKindName(item->kind) +
             ", not a " + wanted;
    return false;
  };
  switch (action.kind) {
    case UserAction::Kind::kSet:
      if (item->kind != ItemKind::kSpinEdit) return wrongKind("spin edit");
      item->value = KeepWithinBounds(*item, action.value);
      break;
    case UserAction::Kind::kSelect: {
      if (item->kind != ItemKind::kPopupList) return wrongKind("popup");
      const int32_t index = static_cast<int32_t>(action.value);
      if (index < 0 || index >= static_cast<int32_t>(item->entries.size())) {
        *error = "popup " + std::to_string(action.item) + " has no entry " + std::to_string(index) +
                 " (it has " + std::to_string(item->entries.size()) + ")";
        return false;
      }
      item->activeEntry = index;
      break;
    }
    case UserAction::Kind::kCheck:
      if (item->kind != ItemKind::kCheckBox) return wrongKind("check box");
      item->booleanValue = action.value != 0 ? 1 : 0;
      break;
    case UserAction::Kind::kClick:
      if (item->kind != ItemKind::kPushButton) return wrongKind("button");
      break;
    case UserAction::Kind::kBounds:
      break;
  }
  Notify(*item, kADMUserChangedNotifier);
  return true;
}

DialogItem* DialogManager::CreateItem(DialogModel& dialog, int32_t id, const char* type,
                                      const DialogRect& bounds) {
  ItemKind kind;
  if (type == nullptr) return nullptr;
  if (std::strcmp(type, kADMPopupListType) == 0) kind = ItemKind::kPopupList;
  else if (std::strcmp(type, kADMSpinEditType) == 0) kind = ItemKind::kSpinEdit;
  else if (std::strcmp(type, kADMTextStaticType) == 0) kind = ItemKind::kStaticText;
  else if (std::strcmp(type, kADMTextCheckBoxType) == 0) kind = ItemKind::kCheckBox;
  else if (std::strcmp(type, kADMTextPushButtonType) == 0) kind = ItemKind::kPushButton;
  else return nullptr;
  auto item = std::make_unique<DialogItem>();
  item->dialog = &dialog;
  item->id = id;
  item->kind = kind;
  item->bounds = bounds;
  dialog.items.push_back(std::move(item));
  return dialog.items.back().get();
}

void DialogManager::Notify(DialogItem& item, const char* type) {
  if (item.notify == nullptr) {
    DefaultNotify(item);
    return;
  }
  Notification notification{&item, type ? type : ""};
  item.notify(reinterpret_cast<ItemRef>(&item), reinterpret_cast<NotifierRef>(&notification));
}

void DialogManager::DefaultNotify(DialogItem& item) {
  if (item.kind == ItemKind::kPushButton && (item.id == 1 || item.id == 2) && !item.dialog->ended) {
    item.dialog->ended = true;
    item.dialog->result = item.id;
  }
}

void DialogManager::Select(ListEntry& entry) {
  if (entry.owner != nullptr) entry.owner->activeEntry = entry.owner->IndexOf(&entry);
}

std::string UserAction::Describe() const {
  auto number = [](double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", v);
    return std::string(text);
  };
  switch (kind) {
    case Kind::kSet: return "set " + std::to_string(item) + " " + number(value);
    case Kind::kSelect: return "select " + std::to_string(item) + " " + number(value);
    case Kind::kCheck: return "check " + std::to_string(item) + " " + number(value);
    case Kind::kClick: return "click " + std::to_string(item);
    case Kind::kBounds:
      return "bounds " + std::to_string(bounds.left) + " " + std::to_string(bounds.top) + " " +
             std::to_string(bounds.right) + " " + std::to_string(bounds.bottom);
  }
  return "";
}

}  // namespace sim
