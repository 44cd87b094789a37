// "AI Symbol Suite", version 1: the document's symbols and their instances.
#pragma once

#include <cstdint>

#include "plugin/host/api/types.h"

#define kAISymbolSuite "AI Symbol Suite"
constexpr int32_t kAISymbolSuiteVersion = 1;

struct AISymbolSuite {
  // Stores the number of symbols of the document in *count.
  Status (*CountSymbolPatterns)(DocumentHandle document, int32_t* count);

  // Stores the symbol at index (from 0, in the document's order) in *symbol.
  Status (*GetNthSymbolPattern)(DocumentHandle document, int32_t index, SymbolHandle* symbol);

  // Makes an instance of symbol whose centre lies on center, places it in
  // the layer that receives new art (paintOrder kPlaceAboveAll, reference
  // null: on top of that layer) and stores it in *instance.
  Status (*NewInstanceCenteredInArt)(SymbolHandle symbol, RealPoint center, int16_t paintOrder,
                                     ArtHandle reference, ArtHandle* instance);

  // Reads the instance's transform: the matrix that maps the symbol's
  // artwork, centred on the origin, onto the page.
  Status (*GetSoftTransform)(ArtHandle instance, RealMatrix* matrix);

  // Replaces the instance's transform.
  Status (*SetSoftTransform)(ArtHandle instance, const RealMatrix* matrix);

  // Makes plain artwork (a group holding a copy of the symbol's artwork
  // under the instance's transform) in the instance's place and stores it
  // in *art when art is not null. options: 0. The instance itself stays
  // until it is disposed of.
  Status (*BreakLinkToSymbol)(ArtHandle instance, int32_t options, ArtHandle reference,
                              ArtHandle* art);
};
