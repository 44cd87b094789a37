#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "app/commands.h"
#include "sim/host.h"
#include "sim/script.h"

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace app {

std::string DefaultModulePath() {
#if defined(_WIN32)
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string self = path;
  const char* name = "Quillane.aip";
#else
  char path[4096] = "";
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  std::string self = length > 0 ? std::string(path, static_cast<size_t>(length)) : "";
  const char* name = "Quillane.so";
#endif
  const size_t slash = self.find_last_of("/\\");
  return (slash == std::string::npos ? std::string() : self.substr(0, slash + 1)) + name;
}

namespace {

struct RunOptions {
  std::string script;
  std::string module;
  std::string trace;
  int64_t seed = 1;
};

bool ReadText(const std::string& path, std::string* text) {
  if (path == "-") {
    text->assign(std::istreambuf_iterator<char>(std::cin), {});
    return true;
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  text->assign(std::istreambuf_iterator<char>(file), {});
  return true;
}

int Run(const RunOptions& options) {
#if defined(_WIN32)
  // The session output is the same stream of lines on every system: ends
  // of lines stay "\n", as in the trace and export files.
  std::cout.flush();
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  std::string text;
  if (!ReadText(options.script, &text)) {
    std::cerr << "quillane run: cannot read script " << options.script << "\n";
    return 1;
  }
  std::string error;
  const auto script = sim::Script::Parse(text, &error);
  if (!script) {
    std::cerr << "quillane run: " << (options.script == "-" ? "<stdin>" : options.script) << ": "
              << error << "\n";
    return 1;
  }

  sim::Host host(std::cout);
  const std::string module = options.module.empty() ? DefaultModulePath() : options.module;
  if (!host.LoadModule(module, &error)) {
    std::cerr << "quillane run: " << error << "\n";
    return 1;
  }
  host.random().Seed(static_cast<uint64_t>(options.seed));
  host.journal().Enable(!options.trace.empty());

  const bool completed = script->Run(host, &error);
  if (!completed) std::cerr << "quillane run: " << error << "\n";

  for (const std::string& left : host.Leftovers()) std::cout << "! leftover: " << left << "\n";
  if (!options.trace.empty()) {
    std::ofstream file;
    std::ostream* out = &std::cout;
    if (options.trace != "-") {
      file.open(options.trace, std::ios::binary);
      if (!file) {
        std::cerr << "quillane run: cannot write trace " << options.trace << "\n";
        return 1;
      }
      out = &file;
    }
    for (const std::string& line : host.journal().lines()) *out << line << "\n";
  }
  return completed ? 0 : 1;
}

}  // namespace

void AddRunCommand(CLI::App& parent, int& exitCode) {
  auto options = std::make_shared<RunOptions>();
  CLI::App* run = parent.add_subcommand("run", "Play a session script against the plug-in module");
  run->footer(
      "Script lines, one action each ('#' starts a comment, double quotes hold blanks):\n"
      "  startup | shutdown | about | unload | reload\n"
      "  send \"CALLER\" \"SELECTOR\"\n"
      "  fail OPERATION [after N] [times M] [status CODE]\n"
      "  fail acquire \"SUITE NAME\" [after N] [times M] [status CODE]\n"
      "  during OPERATION send \"CALLER\" \"SELECTOR\"\n"
      "\nExamples:\n"
      "  printf 'startup\\nsend \"AI Menu\" \"AI Go\"\\nshutdown\\n' | quillane run -\n"
      "  quillane run session.txt --trace calls.txt");
  run->add_option("script", options->script, "Session script file, or - for standard input")
      ->required();
  run->add_option("--module", options->module, "Plug-in module to load (default: beside the command)");
  run->add_option("--trace", options->trace, "Write the call journal to FILE (- for standard output)");
  run->add_option("--seed", options->seed, "Seed of the host's random source")->capture_default_str();
  run->callback([options, &exitCode] { exitCode = Run(*options); });
}

}  // namespace app
