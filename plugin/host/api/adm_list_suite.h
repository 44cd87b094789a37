// "ADM List Suite", version 1: the entry list of a popup.
#pragma once

#include <cstdint>

#include "plugin/host/api/types.h"

#define kADMListSuite "ADM List Suite"
constexpr int32_t kADMListSuiteVersion = 1;

struct ADMListSuite {
  // Inserts a new entry at index (the end when index is the entry count) and returns it.
  EntryRef (*InsertEntry)(ListRef list, int32_t index);

  // The entry at index, or null.
  EntryRef (*IndexEntry)(ListRef list, int32_t index);

  // The selected entry, or null.
  EntryRef (*GetActiveEntry)(ListRef list);
};
