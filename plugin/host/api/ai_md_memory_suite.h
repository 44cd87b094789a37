// "AI MdMemory Suite", version 1: relocatable memory handles.
#pragma once

#include <cstdint>

#include "plugin/host/api/types.h"

#define kAIMdMemorySuite "AI MdMemory Suite"
constexpr int32_t kAIMdMemorySuiteVersion = 1;

struct AIMdMemorySuite {
  // Makes a handle to a new block of size bytes (contents not cleared) and
  // stores it in *handle. The host owns the block; a handle stored as a
  // filter's parameters lives as long as the filter.
  Status (*NewHandle)(uint32_t size, MemoryHandle* handle);
};
