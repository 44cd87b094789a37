// Session scripts: one action a line, played against a Host.
//
//   startup | shutdown | about | unload | reload
//   send "CALLER" "SELECTOR"
//   fail OPERATION [after N] [times M] [status CODE]
//   fail acquire "SUITE NAME" [after N] [times M] [status CODE]
//   during OPERATION send "CALLER" "SELECTOR"
//   go                                   the host repeats the filter
//   param NAME[@PAGE] VALUE | param SLOT VALUE
//   seed N | random V1 V2 ...            the host's random source
//   select-symbol INDEX | select-symbol none
//   export svg FILE | export json FILE
//   filter                               the user chooses the filter
//   user set ITEM VALUE | user select ITEM INDEX | user check ITEM 0|1
//   user click ITEM | user bounds L T R B
//                                        queued for the next modal dialogs
//
// '#' starts a comment; double quotes hold texts with blanks. A script is
// read whole before anything runs, so a bad line stops it before the first
// message.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/host.h"

namespace sim {

// Splits a line into words; a double-quoted text is one word, inside which a
// backslash escapes the next character. Returns nothing and sets *error for
// an unclosed quote.
std::optional<std::vector<std::string>> SplitWords(std::string_view line, std::string* error);

class Script {
 public:
  // Reads a whole script. On the first bad line returns nothing and sets
  // *error to "line N: what is wrong".
  static std::optional<Script> Parse(std::string_view text, std::string* error);

  // Plays every action in order. An action that cannot be done (a symbol
  // the document lacks, a file that cannot be written) stops the script:
  // returns false with "line N: why" in *error.
  bool Run(Host& host, std::string* error) const;

  size_t size() const { return actions_.size(); }

  // Does one action; false with the reason in *error when it cannot.
  using Action = std::function<bool(Host&, std::string* error)>;

 private:
  std::vector<std::pair<int, Action>> actions_;
};

}  // namespace sim
