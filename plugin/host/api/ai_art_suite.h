// "AI Art Suite", version 9.
#pragma once

#include <cstdint>

#include "plugin/host/api/types.h"

#define kAIArtSuite "AI Art Suite"
constexpr int32_t kAIArtSuiteVersion = 9;

struct AIArtSuite {
  // Removes the art from the document. The handle is invalid afterwards.
  Status (*DisposeArt)(ArtHandle art);
};
