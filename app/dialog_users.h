// The users that the quillane command plays in the plug-in's dialogs: one
// that works the parameter dialog as a person would (a preset, a fill mode,
// values typed into the items of their page, then OK), one that reads the
// parameter dialog page by page and cancels it, and a reader of any other
// dialog that shows (the About box, the plug-in's error dialog).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/parameter_names.h"
#include "sim/host.h"
#include "sim/user_actions.h"

namespace app {

// The texts of a dialog the user saw: caption and static texts, in item order.
struct ShownDialog {
  std::string name;
  std::string caption;
  std::vector<std::string> texts;
};

ShownDialog ReadDialog(const sim::DialogModel& dialog);

// A value the user enters in the parameter dialog.
struct Setting {
  NamedValue target;
  double number = 0;  // spin edits
  bool on = false;    // check boxes
  std::string typed;  // the value as the user wrote it, for messages
};

// What the user does in the parameter dialog, in this order: choose the
// preset, choose the fill mode, enter each setting (switching the page popup
// to its page first), press OK.
struct DialogPlan {
  std::optional<std::string> preset;  // an entry id or entry text of the presets popup
  std::optional<std::string> fill;    // the same for the fill-mode popup
  std::vector<Setting> settings;
};

// Plays a DialogPlan. A choice the dialog does not offer or a value outside
// the range of its item makes the user press Cancel instead, with the reason
// in error(). Every other dialog is read and closed with its default button.
class PlanUser : public sim::DialogDriver {
 public:
  explicit PlanUser(DialogPlan plan) : plan_(std::move(plan)) {}

  std::optional<sim::UserAction> Next(const sim::DialogModel& dialog, sim::Host& host) override;

  bool sawParameterDialog() const { return sawParameterDialog_; }
  // Why the user cancelled the parameter dialog; empty when it pressed OK.
  const std::string& error() const { return error_; }
  // The other dialogs that showed, in order.
  const std::vector<ShownDialog>& otherDialogs() const { return others_; }

 private:
  enum class Stage { kPreset, kFill, kSettings, kDone };
  std::optional<sim::UserAction> Cancel(std::string why);
  std::optional<sim::UserAction> Enter(const sim::DialogModel& dialog, const Setting& setting);

  DialogPlan plan_;
  Stage stage_ = Stage::kPreset;
  size_t nextSetting_ = 0;
  int32_t pageAsked_ = -1;  // the page the last page switch asked for
  bool sawParameterDialog_ = false;
  std::string error_;
  std::vector<ShownDialog> others_;
};

// An item of the parameter dialog as it stood.
struct ItemState {
  int32_t id = 0;
  sim::ItemKind kind = sim::ItemKind::kStaticText;
  DialogRect bounds{};
  std::string text;
  bool isFloat = false;
  bool hasMin = false, hasMax = false;
  double minValue = 0, maxValue = 0;
  double value = 0;
  int32_t booleanValue = 0;
  std::vector<std::string> entries;  // popups
  int32_t activeEntry = -1;

  // The static text left of the item on its row, and whether it is the first
  // or the second value of a row that has two: "\"Gap\", first field".
  std::string label;
};

// The parameter dialog as it opens, once per settings page.
struct DialogSurvey {
  std::string caption;
  std::vector<std::vector<ItemState>> pages;  // [page][item], items in creation order

  const ItemState* Find(int32_t page, int32_t item) const;
};

// Reads the parameter dialog on each page (switching the page popup), then
// cancels it. Other dialogs are read and closed with their default button.
class SurveyUser : public sim::DialogDriver {
 public:
  std::optional<sim::UserAction> Next(const sim::DialogModel& dialog, sim::Host& host) override;

  const DialogSurvey& survey() const { return survey_; }
  bool complete() const { return survey_.pages.size() == kPageCount; }
  const std::vector<ShownDialog>& otherDialogs() const { return others_; }

 private:
  DialogSurvey survey_;
  int32_t asked_ = -1;  // the page the last page switch asked for
  std::vector<ShownDialog> others_;
};

// Reads every dialog that shows and closes it with its default button.
class ReaderUser : public sim::DialogDriver {
 public:
  std::optional<sim::UserAction> Next(const sim::DialogModel& dialog, sim::Host& host) override;
  const std::vector<ShownDialog>& dialogs() const { return dialogs_; }

 private:
  std::vector<ShownDialog> dialogs_;
};

// A number as the messages show it: no more digits than it needs.
std::string FormatNumber(double value);

// The entry of a popup that the user means: an entry id (its index), or its
// text without the surrounding blanks, case-insensitive. Nothing, with the
// reason and the list of entries in *error, for none; `what` names the popup
// in messages ("preset", "fill mode").
std::optional<int32_t> FindEntry(const std::vector<std::string>& entries, const std::string& wanted,
                                 const char* what, std::string* error);

}  // namespace app
