// "AI Symbol Palette Suite", version 1.
#pragma once

#include <cstdint>

#include "plugin/host/api/types.h"

#define kAISymbolPaletteSuite "AI Symbol Palette Suite"
constexpr int32_t kAISymbolPaletteSuiteVersion = 1;

struct AISymbolPaletteSuite {
  // Stores the symbol selected in the palette in *symbol. Returns a
  // non-zero status when none is selected.
  Status (*GetCurrentSymbol)(SymbolHandle* symbol);
};
