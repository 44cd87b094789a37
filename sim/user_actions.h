// What the user does inside a modal dialog, and who decides it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "sim/dialog_model.h"

namespace sim {

class Host;

struct UserAction {
  enum class Kind { kSet, kSelect, kCheck, kClick, kBounds };
  Kind kind = Kind::kClick;
  int32_t item = 0;      // the item's id (all but kBounds)
  double value = 0;      // kSet: the number entered; kSelect: the entry index; kCheck: 0 or 1
  DialogRect bounds{};   // kBounds

  std::string Describe() const;
};

// Plays the user of a modal dialog. The dialog manager asks it for the next
// action until the dialog ends; the dialog and the host (its document, the
// redraws made so far) can be read at every step.
class DialogDriver {
 public:
  virtual ~DialogDriver() = default;
  // The next action, or nothing when the user is done: the dialog manager
  // then presses the dialog's default button.
  virtual std::optional<UserAction> Next(const DialogModel& dialog, Host& host) = 0;
};

}  // namespace sim
