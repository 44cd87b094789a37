// The quillane command, run as a user runs it.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include <nlohmann/json.hpp>

#include "tests/support/command_line.h"

namespace {

using test::ReadFile;

struct Result {
  int exitCode;
  std::string output;  // standard output and standard error together
};

// Runs "quillane ARGUMENTS SCRIPT-FILE" with the script written into the
// test's own folder.
Result RunCommand(const std::string& arguments, const std::string& script) {
  const std::string path = test::TestFolder() + "/session.txt";
  test::WriteFile(path, script);
  const test::CommandResult result = test::RunQuillane(arguments + " " + test::ShellQuoted(path));
  return {result.exitCode, result.out + result.err};
}

TEST(RunCommand, MenuGoIsRefusedAndEveryOtherMessageAnswersZero) {
  const std::string trace = ::testing::TempDir() + "/quillane_trace.txt";
  const Result result = RunCommand("run --trace " + trace,
                                   "startup\nsend \"AI Menu\" \"AI Go\"\nsend \"Nobody\" \"Nothing\"\nshutdown\n");
  EXPECT_EQ(result.exitCode, 0);
  const size_t menu = result.output.find("> \"AI Menu\" \"AI Go\"\n");
  ASSERT_NE(menu, std::string::npos) << result.output;
  EXPECT_NE(result.output.find("! dialog \"Error Dialog\": \"The selection is not valid for this filter.\" \"!sel\"\n", menu),
            std::string::npos) << result.output;
  EXPECT_NE(result.output.find("< \"!sel\"\n", menu), std::string::npos) << result.output;
  EXPECT_NE(result.output.find("> \"Nobody\" \"Nothing\"\n< 0\n"), std::string::npos);
  EXPECT_NE(result.output.find("> \"SP Interface\" \"Shutdown\"\n< 0\n"), std::string::npos);
  EXPECT_EQ(result.output.find("leftover"), std::string::npos) << result.output;

  // The journal holds 22 acquisitions and 22 releases for the "Nobody" message.
  std::ifstream journal(trace);
  std::string line;
  bool inside = false;
  int acquired = 0, released = 0;
  while (std::getline(journal, line)) {
    if (line == "> \"Nobody\" \"Nothing\"") inside = true;
    else if (inside && line.rfind("< ", 0) == 0) break;
    else if (inside && line.rfind("AcquireSuite ", 0) == 0) ++acquired;
    else if (inside && line.rfind("ReleaseSuite ", 0) == 0) ++released;
  }
  EXPECT_EQ(acquired, 22);
  EXPECT_EQ(released, 22);
}

TEST(RunCommand, ReadsTheScriptFromStandardInput) {
  const std::string path = test::TestFolder() + "/session.txt";
  test::WriteFile(path, "startup\nshutdown\n");
  // RunQuillane gives the command no standard input; a pipe does.
  const std::string command = "cat " + test::ShellQuoted(path) + " | " + QUILLANE_COMMAND_PATH + " run -";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string output;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
  EXPECT_EQ(pclose(pipe), 0);
  EXPECT_NE(output.find("> \"SP Interface\" \"Shutdown\"\n< 0\n"), std::string::npos) << output;
}

TEST(RunCommand, BadScriptLineRunsNothingAndExitsNonZero) {
  const Result result = RunCommand("run", "startup\nsend \"AI Menu\"\nshutdown\n");
  EXPECT_NE(result.exitCode, 0);
  EXPECT_NE(result.output.find("line 2"), std::string::npos) << result.output;
  EXPECT_EQ(result.output.find("> "), std::string::npos) << result.output;
}

TEST(RunCommand, MissingModuleIsAnError) {
  const Result result = RunCommand("run --module /nonexistent/Quillane.so", "startup\n");
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.output.find("/nonexistent/Quillane.so"), std::string::npos) << result.output;
}

TEST(RunCommand, DefaultGoMakesOneRowOfTenInstances) {
  const std::string json = ::testing::TempDir() + "/quillane_default.json";
  const Result result =
      RunCommand("run", "startup\nparam symbols 10\ngo\nexport json " + json + "\nshutdown\n");
  ASSERT_EQ(result.exitCode, 0) << result.output;
  const auto document = nlohmann::json::parse(ReadFile(json));
  const auto& art = document["layers"][0]["art"];
  ASSERT_EQ(art.size(), 10u);
  const size_t symbols = document["symbols"].size();
  for (size_t k = 0; k < art.size(); ++k) {
    EXPECT_EQ(art[k]["kind"], "instance");
    EXPECT_EQ(art[k]["center"][0].get<double>(), 100.0 + 20.0 * k);
    EXPECT_EQ(art[k]["center"][1].get<double>(), 100.0);
    EXPECT_EQ(art[k]["matrix"][0].get<double>(), 1.0);
    EXPECT_EQ(art[k]["matrix"][1].get<double>(), 0.0);
    EXPECT_EQ(art[k]["matrix"][2].get<double>(), 0.0);
    EXPECT_EQ(art[k]["matrix"][3].get<double>(), 1.0);
    EXPECT_EQ(art[k]["symbol"].get<size_t>(), k % symbols);
  }
}

TEST(RunCommand, AlternateFillLeavesEveryOtherSlot) {
  const std::string json = ::testing::TempDir() + "/quillane_alternate.json";
  const Result result = RunCommand(
      "run", "startup\nparam fillMode 4\nparam symbols 5\ngo\nexport json " + json + "\nshutdown\n");
  ASSERT_EQ(result.exitCode, 0) << result.output;
  const auto art = nlohmann::json::parse(ReadFile(json))["layers"][0]["art"];
  std::vector<double> xs;
  for (const auto& a : art) xs.push_back(a["center"][0].get<double>());
  EXPECT_EQ(xs, (std::vector<double>{100, 140, 180}));
}

TEST(RunCommand, SameSeedGivesTheSameDocument) {
  const std::string a = ::testing::TempDir() + "/quillane_seed_a.json";
  const std::string b = ::testing::TempDir() + "/quillane_seed_b.json";
  const std::string c = ::testing::TempDir() + "/quillane_seed_c.json";
  const std::string script = "startup\nparam jitterAngle 90\nparam fillMode 1\nparam layers 2\ngo\n";
  ASSERT_EQ(RunCommand("run --seed 7", script + "export json " + a + "\n").exitCode, 0);
  ASSERT_EQ(RunCommand("run --seed 7", script + "export json " + b + "\n").exitCode, 0);
  ASSERT_EQ(RunCommand("run --seed 8", script + "export json " + c + "\n").exitCode, 0);
  EXPECT_EQ(ReadFile(a), ReadFile(b));
  EXPECT_NE(ReadFile(a), ReadFile(c));
}

TEST(RunCommand, UnwritableExportStopsWithAnError) {
  const Result result = RunCommand("run", "export svg /nonexistent-folder/x.svg\nstartup\n");
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.output.find("line 1"), std::string::npos) << result.output;
  EXPECT_EQ(result.output.find("> "), std::string::npos) << result.output;
}

}  // namespace
