#include "app/svg_symbols.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#if QUILLANE_HAVE_PUGIXML
#include <pugixml.hpp>
#endif

namespace app {

namespace {
constexpr const char* kCannotRead = "this build of quillane cannot read SVG files (it was built without pugixml)";
}  // namespace

void LoadSymbols(sim::Document& document, const std::vector<SymbolFile>& symbols) {
  document.Clear();
  for (const SymbolFile& symbol : symbols) document.AddSymbol(symbol.name, symbol.artwork, symbol.bounds);
  document.SetReceivingLayer(static_cast<uint32_t>(document.AddLayer("Layer 1")));
  if (!symbols.empty()) document.SelectSymbol(0);
  document.BeginUse();
}

std::optional<SymbolFile> ReadSymbolFile(const std::string& path, std::string* error) {
  namespace fs = std::filesystem;
  std::error_code code;
  if (fs::is_directory(path, code)) {
    *error = path + ": is a folder, not an SVG file";
    return std::nullopt;
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    *error = path + ": cannot read it: " + std::strerror(errno);
    return std::nullopt;
  }
  std::string text((std::istreambuf_iterator<char>(file)), {});
  if (file.bad()) {
    *error = path + ": cannot read it";
    return std::nullopt;
  }
  std::string why;
  auto symbol = ParseSymbol(fs::path(path).stem().string(), text, &why);
  if (!symbol) *error = path + ": " + why;
  return symbol;
}

#if !QUILLANE_HAVE_PUGIXML

const bool kCanReadSvg = false;

std::optional<SymbolFile> ParseSymbol(const std::string&, const std::string&, std::string* error) {
  *error = kCannotRead;
  return std::nullopt;
}

#else

const bool kCanReadSvg = true;

namespace {

constexpr std::string_view kSvgNamespace = "http://www.w3.org/2000/svg";
constexpr std::string_view kXlinkNamespace = "http://www.w3.org/1999/xlink";

bool IsSeparator(char c) { return c == ' ' || c == ',' || c == '\t' || c == '\n' || c == '\r'; }

std::optional<double> ParseNumber(std::string_view text, std::string_view* rest) {
  double value = 0;
  const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (failure != std::errc() || !std::isfinite(value)) return std::nullopt;
  *rest = text.substr(static_cast<size_t>(end - text.data()));
  return value;
}

// viewBox="x y width height", separated by blanks or commas.
std::optional<std::array<double, 4>> ParseViewBox(std::string_view text) {
  std::array<double, 4> numbers{};
  for (double& number : numbers) {
    while (!text.empty() && IsSeparator(text.front())) text.remove_prefix(1);
    const auto value = ParseNumber(text, &text);
    if (!value) return std::nullopt;
    number = *value;
  }
  while (!text.empty() && IsSeparator(text.front())) text.remove_prefix(1);
  if (!text.empty()) return std::nullopt;
  return numbers;
}

// A length in px: a number with no unit or an absolute one.
std::optional<double> ParseLength(std::string_view text) {
  while (!text.empty() && IsSeparator(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsSeparator(text.back())) text.remove_suffix(1);
  std::string_view unit;
  const auto value = ParseNumber(text, &unit);
  if (!value) return std::nullopt;
  struct Unit {
    std::string_view name;
    double px;
  };
  static constexpr Unit kUnits[] = {{"", 1},  {"px", 1},          {"pt", 96.0 / 72},  {"pc", 16},
                                    {"in", 96}, {"mm", 96.0 / 25.4}, {"cm", 96.0 / 2.54}};
  for (const Unit& known : kUnits)
    if (unit == known.name) return *value * known.px;
  return std::nullopt;
}

// Attributes of the root that belong to the viewport, not to the drawing.
bool IsViewportAttribute(std::string_view name) {
  static constexpr std::string_view kNames[] = {
      "width", "height", "viewBox", "x", "y", "version", "baseProfile", "preserveAspectRatio", "id",
      "zoomAndPan", "contentScriptType", "contentStyleType", "enable-background"};
  for (std::string_view known : kNames)
    if (name == known) return true;
  return false;
}

void Escaped(std::string& out, std::string_view text) {
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
}

// The markup between the root's start and end tags, byte for byte; nothing
// when it cannot be located in the text (the serialized children are used then).
std::optional<std::string> RawContent(const pugi::xml_node& root, const std::string& text) {
  const ptrdiff_t offset = root.offset_debug();
  const std::string_view name = root.name();
  if (offset < 0 || static_cast<size_t>(offset) + name.size() > text.size() ||
      text.compare(static_cast<size_t>(offset), name.size(), name) != 0)
    return std::nullopt;
  char quote = 0;
  size_t i = static_cast<size_t>(offset);
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (quote != 0) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == '>') {
      break;
    }
  }
  if (i >= text.size()) return std::nullopt;
  if (text[i - 1] == '/') return std::string();  // <svg .../>
  const size_t begin = i + 1;
  const size_t end = text.rfind("</");
  if (end == std::string::npos || end < begin || text.compare(end + 2, name.size(), name) != 0)
    return std::nullopt;
  return text.substr(begin, end - begin);
}

}  // namespace

std::optional<SymbolFile> ParseSymbol(const std::string& name, const std::string& text, std::string* error) {
  pugi::xml_document document;
  const pugi::xml_parse_result parsed = document.load_buffer(text.data(), text.size(), pugi::parse_default);
  if (!parsed) {
    *error = "not well-formed XML (at byte " + std::to_string(parsed.offset) + "): " + parsed.description();
    return std::nullopt;
  }
  const pugi::xml_node root = document.document_element();
  const std::string rootName = root.name();
  const size_t colon = rootName.find(':');
  const std::string prefix = colon == std::string::npos ? "" : rootName.substr(0, colon);
  const std::string local = colon == std::string::npos ? rootName : rootName.substr(colon + 1);
  if (local != "svg") {
    *error = "not an SVG file: its root element is <" + rootName + ">, not <svg>";
    return std::nullopt;
  }
  const pugi::xml_attribute space = root.attribute(prefix.empty() ? "xmlns" : ("xmlns:" + prefix).c_str());
  if (space && space.value() != kSvgNamespace) {
    *error = "not an SVG file: its <svg> element is in the namespace \"" + std::string(space.value()) +
             "\", not in " + std::string(kSvgNamespace);
    return std::nullopt;
  }

  SymbolFile symbol;
  symbol.name = name;
  if (const pugi::xml_attribute viewBox = root.attribute("viewBox")) {
    const auto box = ParseViewBox(viewBox.value());
    if (!box || !((*box)[2] > 0) || !((*box)[3] > 0)) {
      *error = "its viewBox \"" + std::string(viewBox.value()) +
               "\" is not four numbers x y width height with a width and height above 0";
      return std::nullopt;
    }
    const auto [x, y, width, height] = *box;
    symbol.bounds = {static_cast<Real>(x), static_cast<Real>(-(y + height)), static_cast<Real>(x + width),
                     static_cast<Real>(-y)};
  } else {
    const pugi::xml_attribute widthText = root.attribute("width");
    const pugi::xml_attribute heightText = root.attribute("height");
    if (!widthText || !heightText) {
      *error = "it has no viewBox, and no width and height to take its size from";
      return std::nullopt;
    }
    const auto width = ParseLength(widthText.value());
    const auto height = ParseLength(heightText.value());
    if (!width || !height || !(*width > 0) || !(*height > 0)) {
      *error = "its width \"" + std::string(widthText.value()) + "\" and height \"" + heightText.value() +
               "\" are not both lengths above 0 (a number, with px, pt, pc, in, mm or cm); "
               "give it a viewBox";
      return std::nullopt;
    }
    symbol.bounds = {0, static_cast<Real>(-*height), static_cast<Real>(*width), 0};
  }

  std::optional<std::string> content = RawContent(root, text);
  if (!content) {
    std::ostringstream children;
    for (const pugi::xml_node& child : root.children()) child.print(children, "", pugi::format_raw);
    content = children.str();
  }

  // What the content inherits from the root: presentation attributes and
  // the namespaces it may use.
  std::string carried;
  for (const pugi::xml_attribute& attribute : root.attributes()) {
    const std::string_view key = attribute.name();
    const std::string_view value = attribute.value();
    if (key == "xmlns" || (key == "xmlns:xlink" && value == kXlinkNamespace) || IsViewportAttribute(key))
      continue;
    const size_t keyColon = key.find(':');
    const std::string_view keyPrefix = keyColon == std::string_view::npos ? "" : key.substr(0, keyColon);
    if (!keyPrefix.empty() && keyPrefix != "xmlns" && keyPrefix != "xml") continue;  // editors' own data
    carried += ' ';
    carried += key;
    carried += "=\"";
    Escaped(carried, value);
    carried += '"';
  }
  symbol.artwork = carried.empty() ? *content : "<g" + carried + ">" + *content + "</g>";
  return symbol;
}

#endif

}  // namespace app
