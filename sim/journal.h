// The call journal: every host call in order, one line each, starting with
// the operation's name, then its arguments and its result. Messages are
// marked with the same "> CALLER SELECTOR" line as the session output.
//
// Recording costs nothing while the journal is off; the host checks
// enabled() before it formats a line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sim {

class Journal {
 public:
  bool enabled() const { return enabled_; }
  void Enable(bool on) { enabled_ = on; }

  void Add(std::string line) { lines_.push_back(std::move(line)); }
  const std::vector<std::string>& lines() const { return lines_; }
  void Clear() { lines_.clear(); }

  // Number of lines that start with the operation name followed by a blank.
  int Count(std::string_view operation) const;

 private:
  bool enabled_ = false;
  std::vector<std::string> lines_;
};

}  // namespace sim
