// The document the stand-in host opens with when no other is given: six
// small coloured symbols and one layer, the first symbol selected.
#pragma once

#include "sim/document.h"

namespace sim {

// Replaces everything in document with the built-in one: the symbols
// "Circle", "Square", "Triangle", "Star", "Diamond" and "Hexagon" (each about
// 20 points across, each its own colour), one layer "Layer 1" that receives
// new art, "Circle" selected in the palette, no art. Then marks the start
// of a use, so that nothing of it can be undone.
void LoadDefaultDocument(Document& document);

}  // namespace sim
