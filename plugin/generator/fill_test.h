// Whether a slot of a row receives an instance, by the fill mode.
#pragma once

#include <cstdint>

// Decides slot k of the current row. pass is the layer pass index i,
// slotCount the pass's n, rowCounter and fillCount the run's counters.
// The random modes take one draw from the host (mode 10 none once three
// slots of the row are chosen). A mode outside 0 to 10, negative ones
// included, fills every slot.
bool IsSlotFilled(int32_t fillMode, int32_t pass, int32_t slot, int32_t slotCount,
                  int32_t rowCounter, int32_t fillCount);
