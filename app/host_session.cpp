#include "app/host_session.h"

#include <iostream>

#include "app/commands.h"

namespace app {

std::unique_ptr<sim::Host> OpenHost(const std::string& modulePath, std::ostream& log, std::string* error) {
  auto host = std::make_unique<sim::Host>(log);
  if (!host->LoadModule(modulePath.empty() ? DefaultModulePath() : modulePath, error)) return nullptr;
  return host;
}

void WarnAboutLeftovers(const sim::Host& host, const char* command) {
  for (const std::string& left : host.Leftovers())
    std::cerr << "quillane " << command << ": warning: the plug-in left behind " << left << "\n";
}

}  // namespace app
