// "SP Blocks Suite", version 2: plain blocks of host memory.
#pragma once

#include <cstdint>

#include "plugin/host/api/types.h"

#define kSPBlocksSuite "SP Blocks Suite"
constexpr int32_t kSPBlocksSuiteVersion = 2;

struct SPBlocksSuite {
  // Allocates size bytes under a debugging name and stores the block in
  // *block. The contents are not cleared. The caller owns the block until it
  // hands it to FreeBlock.
  Status (*AllocateBlock)(uint32_t size, const char* name, void** block);

  // Frees a block that AllocateBlock gave out.
  Status (*FreeBlock)(void* block);
};
