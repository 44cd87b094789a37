// Statuses as people read and write them: a four-character code in double
// quotes when all four bytes are printable, a signed decimal number otherwise.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "plugin/host/api/types.h"

namespace sim {

std::string FormatStatus(Status status);

// Reads a decimal number ("-108") or a four-character code, with or without
// its double quotes ("STOP", "\"STOP\""). Nothing when the text is neither.
std::optional<Status> ParseStatus(std::string_view text);

// Puts a text in double quotes, escaping backslashes and quotes.
std::string Quote(std::string_view text);

}  // namespace sim
