#include "sim/default_document.h"

namespace sim {
namespace {

struct BuiltInSymbol {
  const char* name;
  const char* artwork;  // drawn in the box 0..20 (SVG, y down)
  Bounds bounds;        // the same box with y up: y runs from -top to -bottom of the drawing
};

// Distinct hues, far enough apart to tell the symbols apart at a glance.
constexpr BuiltInSymbol kSymbols[] = {
    {"Circle", R"(<circle cx="10" cy="10" r="10" fill="#e6194b"/>)", {0, -20, 20, 0}},
    {"Square", R"(<rect x="0" y="0" width="20" height="20" fill="#4363d8"/>)", {0, -20, 20, 0}},
    {"Triangle", R"(<polygon points="10,0 20,20 0,20" fill="#3cb44b"/>)", {0, -20, 20, 0}},
    {"Star",
     R"(<polygon points="10,0 12.35,6.76 19.51,6.91 13.8,11.24 15.88,18.09 10,14 4.12,18.09 6.2,11.24 0.49,6.91 7.65,6.76" fill="#f58231"/>)",
     {0.49f, -18.09f, 19.51f, 0}},
    {"Diamond", R"(<polygon points="10,0 20,10 10,20 0,10" fill="#911eb4"/>)", {0, -20, 20, 0}},
    {"Hexagon", R"(<polygon points="20,10 15,1.34 5,1.34 0,10 5,18.66 15,18.66" fill="#42d4f4"/>)",
     {0, -18.66f, 20, -1.34f}},
};

}  // namespace

void LoadDefaultDocument(Document& document) {
  document.Clear();
  for (const BuiltInSymbol& symbol : kSymbols) document.AddSymbol(symbol.name, symbol.artwork, symbol.bounds);
  document.SetReceivingLayer(static_cast<uint32_t>(document.AddLayer("Layer 1")));
  document.SelectSymbol(0);
  document.BeginUse();
}

}  // namespace sim
