// A stand-in host session for tests: the real plug-in module, loaded as the
// quillane command loads it, with the journal on.
#pragma once

#include <sstream>
#include <string>

#include "sim/host.h"

namespace test {

class Session {
 public:
  Session();

  sim::Host& host() { return host_; }

  // Plays a session script; fails the test on a bad script. Returns the
  // output the script printed.
  std::string Run(const std::string& script);

  // Everything printed so far.
  std::string output() const { return out_.str(); }

  // The journal lines from the last line equal to marker (a "> ..." line)
  // up to the matching "< ..." line of that message, both included.
  std::vector<std::string> MessageJournal(const std::string& marker) const;

 private:
  std::ostringstream out_;
  sim::Host host_;
};

// Number of lines in lines that start with prefix.
int CountPrefix(const std::vector<std::string>& lines, const std::string& prefix);

}  // namespace test
