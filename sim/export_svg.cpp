#include "sim/export_svg.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <vector>

#include "sim/export_file.h"
#include "sim/real_math.h"

namespace sim {
namespace {

void Attribute(TextSink& out, const std::string& text) {
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const char* escape = nullptr;
    switch (text[i]) {
      case '&': escape = "&amp;"; break;
      case '<': escape = "&lt;"; break;
      case '>': escape = "&gt;"; break;
      case '"': escape = "&quot;"; break;
      default: continue;
    }
    out << std::string_view(text).substr(start, i - start) << std::string_view(escape);
    start = i + 1;
  }
  out << std::string_view(text).substr(start);
}

bool Finite(const RealMatrix& m) {
  return std::isfinite(m.a) && std::isfinite(m.b) && std::isfinite(m.c) && std::isfinite(m.d) &&
         std::isfinite(m.tx) && std::isfinite(m.ty);
}

void Matrix(TextSink& out, const RealMatrix& m) {
  const Real values[] = {m.a, m.b, m.c, m.d, m.tx, m.ty};
  out << "matrix(";
  for (size_t i = 0; i < std::size(values); ++i) {
    if (i > 0) out << ' ';
    out.Real(values[i]);
  }
  out << ')';
}

// The symbol's artwork (y down) in the symbol's frame with y up, centred
// on the origin: (x, y) -> (x - cx, -y - cy).
void CenteredArtwork(TextSink& out, const Symbol& symbol) {
  out << "<g transform=\"matrix(1 0 0 -1 ";
  out.Real(0.0f - symbol.centerX());
  out << ' ';
  out.Real(0.0f - symbol.centerY());
  out << ")\">" << std::string_view(symbol.artwork) << "</g>";
}

struct Frame {
  double left = std::numeric_limits<double>::infinity();
  double bottom = std::numeric_limits<double>::infinity();
  double right = -std::numeric_limits<double>::infinity();
  double top = -std::numeric_limits<double>::infinity();
  void Add(PointD p) {
    left = std::min(left, p.x);
    right = std::max(right, p.x);
    bottom = std::min(bottom, p.y);
    top = std::max(top, p.y);
  }
  bool empty() const { return !(left <= right); }
};

// The page rectangle that holds every drawable art.
Frame ArtFrame(const Document& document) {
  // Each symbol's bounds, relative to its centre.
  std::vector<Bounds> local;
  local.reserve(document.symbols().size());
  for (const Symbol& symbol : document.symbols())
    local.push_back({symbol.bounds.left - symbol.centerX(), symbol.bounds.bottom - symbol.centerY(),
                     symbol.bounds.right - symbol.centerX(), symbol.bounds.top - symbol.centerY()});
  Frame frame;
  document.ForEachArt([&](uint32_t, uint32_t, const Art& art) {
    if (!Finite(art.matrix)) return;
    const Bounds& b = local[art.symbol];
    frame.Add(Apply(art.matrix, b.left, b.bottom));
    frame.Add(Apply(art.matrix, b.right, b.bottom));
    frame.Add(Apply(art.matrix, b.left, b.top));
    frame.Add(Apply(art.matrix, b.right, b.top));
  });
  return frame;
}

}  // namespace

void WriteSvg(const Document& document, std::ostream& stream) {
  Frame frame = ArtFrame(document);
  if (frame.empty()) frame = {0, 0, 0, 0};
  const double width = frame.right - frame.left + 2 * kSvgMargin;
  const double height = frame.top - frame.bottom + 2 * kSvgMargin;

  TextSink out(stream);
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
         "version=\"1.1\" viewBox=\"";
  // The page is flipped (y up becomes y down), so its top edge is at -top.
  out.Double(frame.left - kSvgMargin);
  out << ' ';
  out.Double(-frame.top - kSvgMargin);
  out << ' ';
  out.Double(width);
  out << ' ';
  out.Double(height);
  out << "\" width=\"";
  out.Double(width);
  out << "\" height=\"";
  out.Double(height);
  out << "\">\n<defs>\n";
  const auto& symbols = document.symbols();
  for (size_t i = 0; i < symbols.size(); ++i) {
    out << "<symbol id=\"symbol-";
    out.Integer(static_cast<long long>(i));
    out << "\" data-name=\"";
    Attribute(out, symbols[i].name);
    out << "\" overflow=\"visible\">";
    CenteredArtwork(out, symbols[i]);
    out << "</symbol>\n";
  }
  out << "</defs>\n<g transform=\"scale(1 -1)\">\n";
  const auto& layers = document.layers();
  const auto& pool = document.art();
  for (size_t l = 0; l < layers.size(); ++l) {
    out << "<g id=\"layer-";
    out.Integer(static_cast<long long>(l + 1));
    out << "\" data-name=\"";
    Attribute(out, layers[l].name);
    out << "\">\n";
    for (uint32_t index : layers[l].paintOrder) {
      const Art& art = pool[index];
      if (!art.alive || !Finite(art.matrix)) continue;
      if (art.kind == ArtKind::kInstance) {
        out << "<use xlink:href=\"#symbol-";
        out.Integer(art.symbol);
        out << "\" transform=\"";
        Matrix(out, art.matrix);
        out << "\"/>\n";
      } else {
        out << "<g transform=\"";
        Matrix(out, art.matrix);
        out << "\">";
        CenteredArtwork(out, symbols[art.symbol]);
        out << "</g>\n";
      }
    }
    out << "</g>\n";
  }
  out << "</g>\n</svg>\n";
}

bool WriteSvgFile(const Document& document, const std::string& path, std::string* error) {
  return WriteFileWhole(path, [&](std::ostream& out) { WriteSvg(document, out); }, error);
}

}  // namespace sim
