#include "sim/faults.h"

namespace sim {

void Faults::FailOperation(Op op, FaultRule rule) {
  operations_[static_cast<int>(op)] = Counter{rule, 0, true};
  any_ = true;
}

void Faults::FailAcquisition(std::string suite, FaultRule rule) {
  for (SuiteCounter& entry : suites_)
    if (entry.suite == suite) {
      entry.counter = Counter{rule, 0, true};
      return;
    }
  suites_.push_back({std::move(suite), Counter{rule, 0, true}});
  any_ = true;
}

void Faults::Clear() {
  operations_ = {};
  suites_.clear();
  any_ = false;
}

Status Faults::Count(Counter& counter) {
  if (!counter.active) return 0;
  const int call = counter.calls++;
  if (call < counter.rule.after) return 0;
  if (counter.rule.times >= 0 && call >= counter.rule.after + counter.rule.times) return 0;
  return counter.rule.status;
}

Status Faults::CheckSlow(Op op) { return Count(operations_[static_cast<int>(op)]); }

Status Faults::CheckAcquisition(const char* suite) {
  if (!any_) return 0;
  for (SuiteCounter& entry : suites_)
    if (entry.suite == suite) return Count(entry.counter);
  return 0;
}

}  // namespace sim
