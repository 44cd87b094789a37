// The document as JSON, for other tools to read:
//
// {"symbols":[{"name":S,"bounds":[left,bottom,right,top]}, ...],
//  "layers":[{"name":S,"art":[{"kind":"instance"|"group","symbol":INDEX,
//             "matrix":[a,b,c,d,tx,ty],"center":[x,y]}, ...]}, ...]}
//
// Layers bottom to top, art back to front, disposed art left out. "symbol"
// is the index in "symbols"; "center" is where the centre of the symbol's
// bounds lands on the page. Every float is written as the shortest text
// that reads back as the same float (the same on every platform); minus
// zero is written -0.0 so that it is read as a float, and a value that is
// not finite is written as null.
#pragma once

#include <ostream>
#include <string>

#include "sim/document.h"

namespace sim {

void WriteJson(const Document& document, std::ostream& out);

// Writes the file whole or not at all; false with the reason in *error.
bool WriteJsonFile(const Document& document, const std::string& path, std::string* error);

}  // namespace sim
