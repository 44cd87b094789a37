// "AI Random Suite", version 3: the host's random source.
#pragma once

#include <cstdint>

#include "plugin/host/api/types.h"

#define kAIRandomSuite "AI Random Suite"
constexpr int32_t kAIRandomSuiteVersion = 3;

struct AIRandomSuite {
  // Returns the next value of the host's random sequence, uniform in [0, 1).
  // The plug-in never seeds it.
  Real (*FloatRnd)(void);
};
