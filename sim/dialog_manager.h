// The stand-in dialog manager: builds modal dialogs from the module's
// templates, runs their init procedures, hands control to a driver that
// plays the user, and carries out the item operations of the dialog suites.
//
// Changes the program makes to an item never run its notify procedure; a
// user's change and SendNotify do. An item without a notify procedure gets
// its default handling, which for the OK (id 1) and Cancel (id 2) buttons
// ends the dialog with that id.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "plugin/host/api/suites.h"
#include "sim/dialog_model.h"
#include "sim/user_actions.h"

namespace sim {

class Host;

class DialogManager {
 public:
  explicit DialogManager(Host& host);

  // Runs a dialog modally (see ADMDialogSuite::Modal). Returns the id of the
  // item that ended it.
  int32_t Modal(const char* name, int32_t resourceId, DialogInitProc init, void* userData);

  // The user of the next modal dialogs: null for the queued actions below.
  void SetDriver(DialogDriver* driver) { driver_ = driver; }
  // Actions the scripted user plays, in order, in the next modal dialogs.
  void Queue(UserAction action) { queued_.push_back(action); }
  size_t queuedCount() const { return queued_.size(); }

  // The dialogs now open, outermost first.
  const std::vector<DialogModel*>& openDialogs() const { return open_; }

  // Item operations.
  DialogItem* CreateItem(DialogModel& dialog, int32_t id, const char* type, const DialogRect& bounds);
  // Runs the item's notify procedure, or its default handling.
  void Notify(DialogItem& item, const char* type);
  void DefaultNotify(DialogItem& item);
  void Select(ListEntry& entry);

  // Carries out a user's action: false with the reason when the dialog has
  // no such item or the item takes no such action.
  bool Apply(DialogModel& dialog, const UserAction& action, std::string* error);

 private:
  std::unique_ptr<DialogModel> Build(const char* name, int32_t resourceId, std::string* error);
  void Play(DialogModel& dialog);

  Host& host_;
  DialogDriver* driver_ = nullptr;
  std::deque<UserAction> queued_;
  std::vector<DialogModel*> open_;
};

// The value a spin edit keeps when the user enters number: rounded to a
// whole number (integer items) or to the item's decimal places (float
// items), then brought to the nearest bound when it lies outside them.
double KeepWithinBounds(const DialogItem& item, double number);

}  // namespace sim
