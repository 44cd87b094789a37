// The subcommands of the quillane command.
#pragma once

#include <CLI/CLI.hpp>

namespace app {

// "quillane run SCRIPT": plays a session script against the plug-in module.
void AddRunCommand(CLI::App& parent, int& exitCode);

// "quillane render -o OUT.svg": one arrangement, made through the dialog as
// a user would, written as SVG (and JSON, PNG).
void AddRenderCommand(CLI::App& parent, int& exitCode);

// "quillane presets", "quillane params", "quillane about": what the plug-in
// offers, read from its dialogs.
void AddCatalogCommands(CLI::App& parent, int& exitCode);

// The plug-in module installed beside the command.
std::string DefaultModulePath();

}  // namespace app
