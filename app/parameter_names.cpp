#include "app/parameter_names.h"

#include "plugin/params/params_dialog.h"

namespace app {
namespace {

constexpr const char* kUnused = "kept, not used";

const std::vector<DialogValue> kValues = {
    {"symbols", kItemSymbols, ValueKind::kInteger, true,
     {"symbols per row", "added to the symbols per row from one layer pass to the next",
      "number of rows"}},
    {"start.x", kItemStartX, ValueKind::kNumber, true,
     {"horizontal position of the first symbol, points", "added to it from pass to pass",
      "horizontal shift of pass n, times n"}},
    {"start.y", kItemStartY, ValueKind::kNumber, true,
     {"vertical position of the first symbol, points", "added to it from pass to pass",
      "vertical shift of pass n, times n"}},
    {"gap.x", kItemGapX, ValueKind::kNumber, true,
     {"horizontal step from symbol to symbol, points", "added to the step from pass to pass",
      "horizontal shift from row to row"}},
    {"gap.y", kItemGapY, ValueKind::kNumber, true,
     {"vertical step from symbol to symbol, points", "added to the step from pass to pass",
      "vertical shift from row to row"}},
    {"setup.scale", kItemSetupScale, ValueKind::kNumber, true,
     {"base scale, percent", "base scale multiplied by it from pass to pass, percent",
      "scale multiplied by it from row to row, percent"}},
    {"setup.angle", kItemSetupAngle, ValueKind::kNumber, true,
     {"base rotation, degrees", "added to the base rotation from pass to pass",
      "rotation added from row to row, degrees"}},
    {"jitter.x", kItemJitterX, ValueKind::kNumber, true,
     {"random horizontal shift of up to this many points", "added to it from pass to pass", kUnused}},
    {"jitter.y", kItemJitterY, ValueKind::kNumber, true,
     {"random vertical shift of up to this many points", "added to it from pass to pass", kUnused}},
    {"jitter-scale.x", kItemJitterScaleX, ValueKind::kNumber, true,
     {"random horizontal scale change of up to this percent", "added to it from pass to pass", kUnused}},
    {"jitter-scale.y", kItemJitterScaleY, ValueKind::kNumber, true,
     {"random vertical scale change of up to this percent", "added to it from pass to pass", kUnused}},
    {"jitter-angle", kItemJitterAngle, ValueKind::kNumber, true,
     {"random rotation of up to this many degrees", "added to it from pass to pass", kUnused}},
    {"layers", kItemLayers, ValueKind::kInteger, false,
     {"extra layer passes, each in a new layer", nullptr, nullptr}},
    {"step.scale", kItemSymbolToSymbolScale, ValueKind::kNumber, true,
     {"scale multiplied by it from symbol to symbol, percent",
      "a pass scale multiplied by it from pass to pass, percent", kUnused}},
    {"step.angle", kItemSymbolToSymbolAngle, ValueKind::kNumber, true,
     {"rotation added from symbol to symbol, degrees", "a pass rotation added from pass to pass",
      kUnused}},
    {"pulse", kItemPulse, ValueKind::kInteger, true,
     {"step scale and angle start again every pulse + 1 symbols (-1: never)",
      "added to the pulse from pass to pass", kUnused}},
    {"preview", kItemPreview, ValueKind::kCheckBox, false,
     {"live preview in the dialog; the last preview is the result", nullptr, nullptr}},
    {"random-symbols", kItemRandomSymbols, ValueKind::kCheckBox, true,
     {"every symbol is a random one of the document's", "every pass starts with a random symbol",
      kUnused}},
    {"ordered", kItemOrderedSymbols, ValueKind::kCheckBox, true,
     {"symbols in document order, from the first in every pass",
      "every pass starts with the next symbol in order", kUnused}},
    {"link-proportional", kItemLinkProportional, ValueKind::kCheckBox, false,
     {"vertical scale follows the horizontal one, jitter included", nullptr, nullptr}},
    {"random-count", kItemRandomSymbolCount, ValueKind::kCheckBox, false,
     {"a random number of symbols per row in every pass, up to symbols", nullptr, nullptr}},
    {"break-link", kItemBreakLink, ValueKind::kCheckBox, false,
     {"every instance becomes plain artwork", nullptr, nullptr}},
};

constexpr const char* kPrefixes[kPageCount] = {"", "layer:", "row:"};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

const char* ValueKindName(ValueKind kind) {
  switch (kind) {
    case ValueKind::kInteger: return "integer";
    case ValueKind::kNumber: return "number";
    case ValueKind::kCheckBox: return "check box";
  }
  return "";
}

const std::vector<DialogValue>& DialogValues() { return kValues; }

const char* PagePrefix(int32_t page) { return page >= 0 && page < kPageCount ? kPrefixes[page] : ""; }

const char* PageName(int32_t page) {
  switch (page) {
    case 0: return "headline";
    case 1: return "layer";
    case 2: return "row";
    default: return "all";
  }
}

std::string NamedValue::FullName() const { return std::string(PagePrefix(page)) + value->name; }

std::vector<NamedValue> AllNamedValues() {
  std::vector<NamedValue> all;
  for (int32_t page = 0; page < kPageCount; ++page)
    for (const DialogValue& value : kValues)
      if (value.perPage) all.push_back({&value, page});
  for (const DialogValue& value : kValues)
    if (!value.perPage) all.push_back({&value, kEveryPage});
  return all;
}

std::string NamesHelp() {
  // The names after a heading, wrapped below 100 columns.
  const auto wrapped = [](const std::string& heading, bool perPage) {
    const std::string indent(heading.size(), ' ');
    std::string text = heading, line;
    for (const DialogValue& value : kValues) {
      if (value.perPage != perPage) continue;
      const std::string word = std::string(line.empty() ? "" : ", ") + value.name;
      if (!line.empty() && heading.size() + line.size() + word.size() > 98) {
        text += line + ",\n" + indent;
        line = value.name;
      } else {
        line += word;
      }
    }
    return text + line;
  };
  return wrapped("  Headline page:     ", true) +
         "\n  Layer factor page: the same names after layer:, e.g. layer:gap.x"
         "\n  Basic row page:    the same names after row:, e.g. row:symbols (the number of rows)\n" +
         wrapped("  Every page:        ", false);
}

std::optional<NamedValue> FindValue(std::string_view name, std::string* error) {
  int32_t page = 0;
  bool prefixed = false;
  std::string_view bare = name;
  constexpr std::string_view kHeadline = "headline:";
  for (int32_t p = 0; p < kPageCount && !prefixed; ++p) {
    const std::string_view prefix = p == 0 ? kHeadline : std::string_view(kPrefixes[p]);
    if (bare.substr(0, prefix.size()) == prefix) {
      page = p;
      prefixed = true;
      bare.remove_prefix(prefix.size());
    }
  }
  for (const DialogValue& value : kValues) {
    if (bare != value.name) continue;
    if (value.perPage) return NamedValue{&value, page};
    if (prefixed) {
      *error = "'" + std::string(value.name) + "' has one value for every page: write it without " +
               std::string(name.substr(0, name.size() - bare.size()));
      return std::nullopt;
    }
    return NamedValue{&value, kEveryPage};
  }
  *error = "unknown parameter '" + std::string(name) + "'; the parameters are\n" + NamesHelp() +
           "\n  (quillane params lists them with their ranges)";
  return std::nullopt;
}

std::optional<bool> ParseOnOff(std::string_view text) {
  const std::string folded = Folded(text);
  if (folded == "on" || folded == "1" || folded == "true" || folded == "yes") return true;
  if (folded == "off" || folded == "0" || folded == "false" || folded == "no") return false;
  return std::nullopt;
}

std::string Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return std::string(text);
}

std::string Folded(std::string_view text) {
  std::string folded = Trimmed(text);
  for (char& c : folded)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return folded;
}

}  // namespace app
