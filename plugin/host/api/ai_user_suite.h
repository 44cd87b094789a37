// "AI User Suite", version 5: number and text conversions.
#pragma once

#include <cstdint>

#include "plugin/host/api/types.h"

#define kAIUserSuite "AI User Suite"
constexpr int32_t kAIUserSuiteVersion = 5;

struct AIUserSuite {
  // Writes value with the given number of decimal places into text as a
  // counted string (length byte first). text must hold 256 bytes.
  Status (*NumberToString)(Real value, int16_t decimalPlaces, unsigned char* text);

  // Reads the number in a counted string into *value.
  Status (*StringToNumber)(const unsigned char* text, Real* value);
};
