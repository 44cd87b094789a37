// The 64-bit Windows command and module, run under Wine, against the Linux
// build: every session script gives the same output and the same exported
// document, byte for byte.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

struct Outcome {
  int exitCode = -1;
  std::string out;
  std::string err;
};

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

// Runs a command line in folder, standard output and error to files there.
Outcome RunIn(const fs::path& folder, const std::string& command) {
  const std::string line = "cd " + Quoted(folder.string()) + " && " + command + " > stdout.txt 2> stderr.txt";
  const int status = std::system(line.c_str());
  Outcome run;
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = ReadFile(folder / "stdout.txt");
  run.err = ReadFile(folder / "stderr.txt");
  return run;
}

std::string Wine(const std::string& arguments) {
  return "WINEPREFIX=" + Quoted(QUILLANE_WINE_PREFIX) + " WINEDEBUG=-all " + Quoted(QUILLANE_WINE64) + " " +
         Quoted(std::string(QUILLANE_WIN64_DIR) + "/quillane.exe") + " " + arguments;
}

// A fresh folder for one side of one session, holding a copy of the script.
fs::path SessionFolder(const std::string& session, const std::string& side) {
  const fs::path folder = fs::path(::testing::TempDir()) / "quillane_windows_sessions" / session / side;
  fs::remove_all(folder);
  fs::create_directories(folder);
  fs::copy_file(fs::path(QUILLANE_SOURCE_DIR) / "tests/windows/sessions" / (session + ".txt"),
                folder / "session.txt");
  return folder;
}

class WineSessionTest : public ::testing::TestWithParam<const char*> {};

TEST_P(WineSessionTest, GivesTheLinuxOutputAndDocument) {
  const std::string session = GetParam();
  const fs::path linuxFolder = SessionFolder(session, "linux");
  const fs::path wineFolder = SessionFolder(session, "wine");
  const std::string arguments = "run --trace trace.txt session.txt";

  const Outcome linuxRun = RunIn(linuxFolder, Quoted(QUILLANE_COMMAND_PATH) + " " + arguments);
  ASSERT_EQ(linuxRun.exitCode, 0) << linuxRun.err;
  ASSERT_FALSE(linuxRun.out.empty());
  const std::string linuxDocument = ReadFile(linuxFolder / "document.json");
  ASSERT_FALSE(linuxDocument.empty()) << "the Linux run exported no document";
  const std::string linuxTrace = ReadFile(linuxFolder / "trace.txt");
  ASSERT_FALSE(linuxTrace.empty()) << "the Linux run wrote no trace";

  const Outcome wineRun = RunIn(wineFolder, Wine(arguments));
  EXPECT_EQ(wineRun.exitCode, 0) << wineRun.err;
  EXPECT_EQ(wineRun.out, linuxRun.out);
  EXPECT_EQ(ReadFile(wineFolder / "document.json"), linuxDocument);
  EXPECT_EQ(ReadFile(wineFolder / "trace.txt"), linuxTrace);
}

INSTANTIATE_TEST_SUITE_P(Sessions, WineSessionTest,
                         ::testing::Values("default_go", "dialog_preset", "jitter_seed", "break_link", "failure"),
                         [](const auto& info) { return std::string(info.param); });

// The Windows host reads the property list from the file before it runs any
// of its code: a file without one is refused.
TEST(WineCommand, RefusesAModuleWithoutAPropertyList) {
  const fs::path folder = SessionFolder("default_go", "no_property_list");
  const Outcome run = RunIn(folder, Wine("run --module " + Quoted(std::string(QUILLANE_WIN64_DIR) + "/quillane.exe") +
                                     " session.txt"));
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("has no valid property list"), std::string::npos) << run.err;
  EXPECT_EQ(run.out, "");
}

}  // namespace
