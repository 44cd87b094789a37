// The document as an SVG picture that any browser opens, looking as the
// host shows it (y up):
//   - each symbol is a <symbol id="symbol-N"> in <defs>, its artwork drawn
//     centred on the origin and turned the right way up for a y-up frame;
//   - each layer is a <g id="layer-N" data-name="NAME">, bottom layer first;
//   - an instance is a <use> of its symbol with the instance's matrix;
//   - plain artwork is a <g> with the matrix, holding a copy of the
//     symbol's artwork;
//   - one outer group flips the page, and the viewBox frames all the art
//     with a margin.
// Art whose matrix is not finite cannot be drawn and is left out.
#pragma once

#include <ostream>
#include <string>

#include "sim/document.h"

namespace sim {

// Space kept around the art, in points.
constexpr double kSvgMargin = 10;

void WriteSvg(const Document& document, std::ostream& out);

// Writes the file whole or not at all; false with the reason in *error.
bool WriteSvgFile(const Document& document, const std::string& path, std::string* error);

}  // namespace sim
