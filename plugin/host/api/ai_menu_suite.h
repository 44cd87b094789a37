// "AI Menu Suite", version 7: menu items.
#pragma once

#include <cstdint>

#include "plugin/host/api/types.h"

#define kAIMenuSuite "AI Menu Suite"
constexpr int32_t kAIMenuSuiteVersion = 7;

struct AIMenuSuite {
  // Asks the host to keep the item enabled, checked and so on by itself,
  // following a rule given by the seven values. Their meaning is the host's;
  // the plug-in passes 1, 0, 0, 0, 0, 1, 0 and relies only on the status.
  Status (*UpdateMenuItemAutomatically)(MenuItemHandle item, int32_t action, int32_t ifMissing1,
                                        int32_t ifMissing2, int32_t ifPresent1, int32_t ifPresent2,
                                        int32_t ifNeeded, int32_t reserved);
};
