#include "sim/status_text.h"

#include <charconv>
#include <cstdint>

namespace sim {

std::string FormatStatus(Status status) {
  const uint32_t bits = static_cast<uint32_t>(status);
  char chars[4];
  bool printable = true;
  for (int i = 0; i < 4; ++i) {
    chars[i] = static_cast<char>((bits >> (24 - 8 * i)) & 0xFF);
    if (chars[i] < 0x20 || chars[i] > 0x7E) printable = false;
  }
  if (printable) return "\"" + std::string(chars, 4) + "\"";
  return std::to_string(status);
}

std::optional<Status> ParseStatus(std::string_view text) {
  if (text.size() == 6 && text.front() == '"' && text.back() == '"') text = text.substr(1, 4);
  if (text.empty()) return std::nullopt;
  int64_t number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error == std::errc() && end == text.data() + text.size()) {
    if (number < INT32_MIN || number > INT32_MAX) return std::nullopt;
    return static_cast<Status>(number);
  }
  if (text.size() != 4) return std::nullopt;
  uint32_t bits = 0;
  for (char c : text) bits = (bits << 8) | static_cast<uint8_t>(c);
  return static_cast<Status>(bits);
}

std::string Quote(std::string_view text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  quoted += '"';
  return quoted;
}

}  // namespace sim
