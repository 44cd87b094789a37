// Fault injection: an operation, or the acquisition of a named suite, answers
// with a chosen status after a chosen number of successful calls, for a
// chosen number of calls ("N successes, then M failures").
#pragma once

#include <array>
#include <string>
#include <vector>

#include "plugin/host/api/types.h"
#include "sim/operations.h"

namespace sim {

struct FaultRule {
  int after = 0;   // calls that succeed first
  int times = -1;  // calls that then fail; -1: every later call
  Status status = 0;
};

class Faults {
 public:
  void FailOperation(Op op, FaultRule rule);
  void FailAcquisition(std::string suite, FaultRule rule);
  void Clear();

  // Counts one call of the operation. Returns the status it must fail with,
  // or 0 when it goes through.
  Status Check(Op op) {
    if (!any_) return 0;
    return CheckSlow(op);
  }
  // Counts one acquisition of the named suite, as Check does.
  Status CheckAcquisition(const char* suite);

 private:
  struct Counter {
    FaultRule rule;
    int calls = 0;
    bool active = false;
  };
  Status CheckSlow(Op op);
  static Status Count(Counter& counter);

  bool any_ = false;
  std::array<Counter, kOpCount> operations_{};
  struct SuiteCounter {
    std::string suite;
    Counter counter;
  };
  std::vector<SuiteCounter> suites_;
};

}  // namespace sim
