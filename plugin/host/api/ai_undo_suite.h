// "AI Undo Suite", version 4.
#pragma once

#include <cstdint>

#include "plugin/host/api/types.h"

#define kAIUndoSuite "AI Undo Suite"
constexpr int32_t kAIUndoSuiteVersion = 4;

struct AIUndoSuite {
  // Removes every change made to the document (art and layers) in the
  // current use of the filter: the get-parameters message and the go
  // message that follows it, or a go message that comes alone. Older
  // changes are never touched.
  Status (*UndoChanges)(void);
};
