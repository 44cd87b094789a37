// The user's own symbols: SVG files read into symbols of the document.
//
// Each file becomes one symbol, named after the file (without folder and
// extension). Its size is the file's viewBox or, without one, its width and
// height (in px, pt, pc, mm, cm or in; a number alone is px). Its artwork is
// the markup inside the root <svg> element, byte for byte; when the root
// carries presentation attributes (fill, stroke, style, ...) or namespace
// declarations that the markup needs, they move to a <g> around it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sim/document.h"

namespace app {

// Whether this build reads SVG files (it needs pugixml).
extern const bool kCanReadSvg;

struct SymbolFile {
  std::string name;
  std::string artwork;
  sim::Bounds bounds;  // y up: a viewBox (x, y, w, h) gives left x, bottom -(y + h), right x + w, top -y
};

// Reads one file. Nothing, with "FILE: reason" in *error, for a file that is
// missing, unreadable, not well-formed XML, not SVG, or without a size.
std::optional<SymbolFile> ReadSymbolFile(const std::string& path, std::string* error);

// The same for a text already in memory; name is the symbol's name and
// what the messages call the file.
std::optional<SymbolFile> ParseSymbol(const std::string& name, const std::string& text, std::string* error);

// Replaces everything in the document with these symbols, in order, and one
// layer "Layer 1" that receives new art; the first symbol is selected in
// the palette. Marks the start of a use, so none of it can be undone.
void LoadSymbols(sim::Document& document, const std::vector<SymbolFile>& symbols);

}  // namespace app
