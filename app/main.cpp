// quillane: the stand-in host on the command line.
#include <CLI/CLI.hpp>

#include "app/commands.h"

int main(int argc, char** argv) {
  CLI::App cli{"Quillane: symbol arrangements from the Quillane plug-in, run in a stand-in host.", "quillane"};
  cli.require_subcommand(1);
  int exitCode = 0;
  app::AddRunCommand(cli, exitCode);
  app::AddRenderCommand(cli, exitCode);
  app::AddCatalogCommands(cli, exitCode);
  try {
    cli.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    return cli.exit(error) == 0 ? 0 : 1;
  }
  return exitCode;
}
