#include "sim/export_json.h"

#include <cmath>
#include <cstdio>

#include "sim/export_file.h"

namespace sim {
namespace {

void String(TextSink& out, const std::string& text) {
  out << '"';
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c != '"' && c != '\\' && c >= 0x20) continue;
    out << std::string_view(text).substr(start, i - start);
    start = i + 1;
    if (c == '"') {
      out << "\\\"";
    } else if (c == '\\') {
      out << "\\\\";
    } else {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", c);
      out << std::string_view(escape);
    }
  }
  out << std::string_view(text).substr(start) << '"';
}

void Number(TextSink& out, Real value) {
  if (!std::isfinite(value))
    out << "null";
  else if (value == 0 && std::signbit(value))
    out << "-0.0";  // "-0" reads back as the integer 0 in many readers
  else
    out.Real(value);
}

}  // namespace

void WriteJson(const Document& document, std::ostream& stream) {
  TextSink out(stream);
  out << "{\"symbols\":[";
  const auto& symbols = document.symbols();
  for (size_t i = 0; i < symbols.size(); ++i) {
    const Symbol& symbol = symbols[i];
    out << (i ? ",\n" : "\n") << "{\"name\":";
    String(out, symbol.name);
    out << ",\"bounds\":[";
    Number(out, symbol.bounds.left);
    out << ',';
    Number(out, symbol.bounds.bottom);
    out << ',';
    Number(out, symbol.bounds.right);
    out << ',';
    Number(out, symbol.bounds.top);
    out << "]}";
  }
  out << "],\n\"layers\":[";
  const auto& layers = document.layers();
  const auto& pool = document.art();
  for (size_t l = 0; l < layers.size(); ++l) {
    out << (l ? ",\n" : "\n") << "{\"name\":";
    String(out, layers[l].name);
    out << ",\"art\":[";
    bool first = true;
    for (uint32_t index : layers[l].paintOrder) {
      const Art& art = pool[index];
      if (!art.alive) continue;
      out << (first ? "\n" : ",\n");
      first = false;
      out << (art.kind == ArtKind::kInstance ? "{\"kind\":\"instance\",\"symbol\":" : "{\"kind\":\"group\",\"symbol\":");
      out.Integer(art.symbol);
      const RealMatrix& m = art.matrix;
      out << ",\"matrix\":[";
      const Real values[] = {m.a, m.b, m.c, m.d, m.tx, m.ty};
      for (int i = 0; i < 6; ++i) {
        if (i > 0) out << ',';
        Number(out, values[i]);
      }
      // The matrix takes the symbol's centre to the origin's image.
      out << "],\"center\":[";
      Number(out, m.tx);
      out << ',';
      Number(out, m.ty);
      out << "]}";
    }
    out << "]}";
  }
  out << "]}\n";
}

bool WriteJsonFile(const Document& document, const std::string& path, std::string* error) {
  return WriteFileWhole(path, [&](std::ostream& out) { WriteJson(document, out); }, error);
}

}  // namespace sim
