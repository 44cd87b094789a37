// The document's SVG picture drawn into a PNG image, on white.
#pragma once

#include <string>

namespace app {

// Whether this build writes PNG images (it needs librsvg).
extern const bool kCanWritePng;

// The widest or tallest image written unless a width is given, in pixels.
constexpr int kLargestPngSide = 4096;

// Draws the SVG text into a PNG image held in *png. The image is `width`
// pixels wide, its height in proportion; with width 0 it has the picture's
// own size (one pixel per point), scaled down to at most kLargestPngSide
// pixels on its longer side. False with the reason in *error when the text
// cannot be drawn.
bool DrawPng(const std::string& svg, int width, std::string* png, std::string* error);

}  // namespace app
