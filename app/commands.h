// The subcommands of the quillane command.
#pragma once

#include <CLI/CLI.hpp>

namespace app {

// "quillane run SCRIPT": plays a session script against the plug-in module.
void AddRunCommand(CLI::App& parent, int& exitCode);

// The plug-in module installed beside the command.
std::string DefaultModulePath();

}  // namespace app
