// "AI Layer Suite", version 9.
#pragma once

#include <cstdint>

#include "plugin/host/api/types.h"

#define kAILayerSuite "AI Layer Suite"
constexpr int32_t kAILayerSuiteVersion = 9;

struct AILayerSuite {
  // Makes a new layer. With no reference layer and paintOrder
  // kPlaceAboveAll it goes above all others and becomes the layer that
  // receives new art. Stores it in *layer when layer is not null.
  Status (*InsertLayer)(LayerHandle reference, int16_t paintOrder, LayerHandle* layer);
};
