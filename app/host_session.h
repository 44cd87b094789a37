// The stand-in host as the quillane command opens it: the plug-in module
// loaded, the session's output going where the command wants it.
#pragma once

#include <memory>
#include <ostream>
#include <string>

#include "sim/host.h"

namespace app {

// A stream that drops everything written to it.
class NullStream : public std::ostream {
 public:
  NullStream() : std::ostream(nullptr) {}
};

// A host with the module at modulePath (empty: the one beside the command)
// loaded; the session's lines go to log. Nothing, with the reason in *error,
// when the module cannot be loaded.
std::unique_ptr<sim::Host> OpenHost(const std::string& modulePath, std::ostream& log, std::string* error);

// What the plug-in left behind at the end of a session, as warnings on
// standard error ("quillane COMMAND: warning: ...").
void WarnAboutLeftovers(const sim::Host& host, const char* command);

}  // namespace app
