// The plug-in's one long-lived block, allocated from the host at start-up
// and handed to the host while the module is unloaded.
#pragma once

#include <cstdint>

#include "plugin/host/api/types.h"

// Six fields of pointer width: 24 bytes on the 32-bit Windows target. On a
// 64-bit host the handles stored here need 8 bytes each, so the block grows
// to 48 bytes there instead of cutting them short. The plug-in never clears
// the block: a field holds whatever the allocator left until it is written.
struct PluginGlobals {
  uintptr_t unused0;
  FilterHandle filter;        // the registered filter (written by AddFilters)
  uintptr_t filterCount;      // filters registered, 0 or 1 (written by AddFilters)
  const void* startupBasic;   // the basic suite of the Startup message; never read
  uintptr_t unused4;
  uintptr_t unused5;
};
static_assert(sizeof(PluginGlobals) == 6 * sizeof(void*), "six fields, no padding");

#define kGlobalsBlockName "globals"

// The module-wide pointer to the block; null until Startup and after Shutdown.
extern PluginGlobals* gGlobals;
