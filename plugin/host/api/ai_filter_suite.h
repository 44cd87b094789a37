// "AI Filter Suite", version 2: registration of filters in the host's filter menu.
#pragma once

#include <cstdint>

#include "plugin/host/api/types.h"

#define kAIFilterSuite "AI Filter Suite"
constexpr int32_t kAIFilterSuiteVersion = 2;

// Where the filter appears in the menu. Both texts are counted strings (a
// length byte, then that many characters, no terminating zero), owned by
// the caller; the host copies them.
struct FilterMenuTitles {
  const unsigned char* category;
  const unsigned char* title;
};

struct AIFilterSuite {
  // Registers a filter of this plug-in under a unique name and stores its
  // handle in *filter. options: 0 for none. The host then sends the filter's
  // "AI Filter" messages with that handle.
  Status (*AddFilter)(PluginRef self, const char* name, const FilterMenuTitles* titles,
                      int32_t options, FilterHandle* filter);

  // Stores the menu item of a registered filter in *item.
  Status (*GetFilterMenuItem)(FilterHandle filter, MenuItemHandle* item);
};
