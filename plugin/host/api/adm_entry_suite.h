// "ADM Entry Suite", version 2: one entry of a popup's list.
#pragma once

#include <cstdint>

#include "plugin/host/api/types.h"

#define kADMEntrySuite "ADM Entry Suite"
constexpr int32_t kADMEntrySuiteVersion = 2;

struct ADMEntrySuite {
  void (*SetText)(EntryRef entry, const char* text);
  void (*SetID)(EntryRef entry, int32_t id);
  int32_t (*GetID)(EntryRef entry);

  // With select non-zero, makes the entry the list's active one. Runs no
  // notify procedure.
  void (*Select)(EntryRef entry, int32_t select);
};
