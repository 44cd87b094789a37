// A user for the stand-in dialog manager that plays a list of steps: user
// actions, and checks that look at the dialog and the host between them.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "sim/host.h"
#include "sim/user_actions.h"

namespace test {

class StepDriver : public sim::DialogDriver {
 public:
  using Check = std::function<void(const sim::DialogModel&, sim::Host&)>;

  StepDriver& Do(sim::UserAction action) {
    steps_.push_back({action, nullptr});
    return *this;
  }
  StepDriver& Set(int32_t item, double value) { return Do({sim::UserAction::Kind::kSet, item, value}); }
  StepDriver& Select(int32_t item, int32_t index) {
    return Do({sim::UserAction::Kind::kSelect, item, static_cast<double>(index)});
  }
  StepDriver& Tick(int32_t item, bool on) { return Do({sim::UserAction::Kind::kCheck, item, on ? 1.0 : 0.0}); }
  StepDriver& Click(int32_t item) { return Do({sim::UserAction::Kind::kClick, item, 0}); }
  StepDriver& Inspect(Check check) {
    steps_.push_back({std::nullopt, std::move(check)});
    return *this;
  }

  std::optional<sim::UserAction> Next(const sim::DialogModel& dialog, sim::Host& host) override {
    while (next_ < steps_.size()) {
      Step& step = steps_[next_++];
      if (step.check) {
        step.check(dialog, host);
        continue;
      }
      return step.action;
    }
    return std::nullopt;
  }

 private:
  struct Step {
    std::optional<sim::UserAction> action;
    Check check;
  };
  std::vector<Step> steps_;
  size_t next_ = 0;
};

}  // namespace test
