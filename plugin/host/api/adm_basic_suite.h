// "ADM Basic Suite", version 2: string lists and alerts.
#pragma once

#include <cstdint>

#include "plugin/host/api/types.h"

#define kADMBasicSuite "ADM Basic Suite"
constexpr int32_t kADMBasicSuiteVersion = 2;

struct ADMBasicSuite {
  // Reads index of the plug-in's string list listId (the string resource
  // listId + index) into buffer as a zero-terminated text of at most
  // maxLength - 1 characters. Past the end of the list the text is empty.
  Status (*GetIndexString)(PluginRef self, int32_t listId, int32_t index, char* buffer,
                           int32_t maxLength);

  // Shows a modal alert with the zero-terminated text.
  void (*MessageAlert)(const char* text);
};
