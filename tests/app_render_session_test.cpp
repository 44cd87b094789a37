// "quillane render" is the session a user of the host plays: the same seed
// gives the same files, and a preset gives what the same steps give in a
// session script.
#include <gtest/gtest.h>

#include <regex>

#include "tests/support/command_line.h"

namespace {

using test::RunQuillane;

// Settings that draw from the random source at every slot.
const std::string kRandomSettings = "--preset 9 --fill 1 --set jitter.x=30 --set jitter-angle=60 --layers 2";

TEST(RenderSeed, SameSeedGivesByteIdenticalFilesAndAnotherSeedOthers) {
  const std::string folder = test::TestFolder();
  const auto render = [&](const std::string& name, int seed) {
    const auto result = RunQuillane("render " + kRandomSettings + " --seed " + std::to_string(seed) + " -o " +
                                    folder + "/" + name + ".svg --json " + folder + "/" + name + ".json");
    EXPECT_EQ(result.exitCode, 0) << result.err;
  };
  render("a", 21);
  render("b", 21);
  render("c", 22);
  for (const char* kind : {".svg", ".json"}) {
    const std::string a = test::ReadFile(folder + "/a" + kind);
    ASSERT_FALSE(a.empty());
    EXPECT_EQ(a, test::ReadFile(folder + "/b" + kind)) << kind;
    EXPECT_NE(a, test::ReadFile(folder + "/c" + kind)) << kind;
  }
}

TEST(RenderSeed, WithoutASeedThePrintedOneMakesTheSameFilesAgain) {
  const std::string folder = test::TestFolder();
  const auto first = RunQuillane("render " + kRandomSettings + " -o " + folder + "/a.svg --json " + folder + "/a.json");
  ASSERT_EQ(first.exitCode, 0) << first.err;
  std::smatch match;
  ASSERT_TRUE(std::regex_search(first.err, match, std::regex("seed ([0-9]+)"))) << first.err;
  const auto again = RunQuillane("render " + kRandomSettings + " --seed " + match[1].str() + " -o " + folder +
                                 "/b.svg --json " + folder + "/b.json");
  ASSERT_EQ(again.exitCode, 0) << again.err;
  EXPECT_EQ(test::ReadFile(folder + "/a.json"), test::ReadFile(folder + "/b.json"));
  EXPECT_EQ(test::ReadFile(folder + "/a.svg"), test::ReadFile(folder + "/b.svg"));
}

// Rendering a preset plays the same steps as the session script that
// starts up, picks the preset in the dialog, presses OK and exports.
class RenderPreset : public ::testing::TestWithParam<int> {};

TEST_P(RenderPreset, EqualsTheSessionScriptThatPicksIt) {
  const int preset = GetParam();
  const std::string folder = test::TestFolder();
  const std::string script = folder + "/session.txt";
  test::WriteFile(script, "startup\nuser select 52 " + std::to_string(preset) + "\nuser click 1\nfilter\nexport json " +
                              folder + "/run.json\nexport svg " + folder + "/run.svg\nshutdown\n");
  const auto run = RunQuillane("run --seed 5 " + script);
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  const auto render = RunQuillane("render --preset " + std::to_string(preset) + " --seed 5 -o " + folder +
                                  "/render.svg --json " + folder + "/render.json");
  ASSERT_EQ(render.exitCode, 0) << render.err;
  const std::string json = test::ReadFile(folder + "/render.json");
  ASSERT_NE(json.find("\"art\":[\n{"), std::string::npos) << "the preset made art";
  EXPECT_EQ(json, test::ReadFile(folder + "/run.json"));
  EXPECT_EQ(test::ReadFile(folder + "/render.svg"), test::ReadFile(folder + "/run.svg"));
}

INSTANTIATE_TEST_SUITE_P(EveryPreset, RenderPreset, ::testing::Range(0, 18));

// Values typed into the dialog: the same as the script's user actions
// (the page popup first, then the item).
TEST(RenderSteps, ValuesGoInThroughTheDialogItemsOfTheirPage) {
  const std::string folder = test::TestFolder();
  test::WriteFile(folder + "/session.txt",
                  "startup\nuser select 52 3\nuser select 51 2\nuser select 50 2\nuser set 4 3\n"
                  "user select 50 0\nuser set 7 25\nuser check 34 1\nuser click 1\nfilter\n"
                  "export json " + folder + "/run.json\nshutdown\n");
  const auto run = RunQuillane("run --seed 9 " + folder + "/session.txt");
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  const auto render = RunQuillane("render --preset 3 --fill 2 --set row:symbols=3 --set gap.x=25 --set break-link=on "
                                  "--seed 9 -o " + folder + "/render.svg --json " + folder + "/render.json");
  ASSERT_EQ(render.exitCode, 0) << render.err;
  EXPECT_EQ(test::ReadFile(folder + "/render.json"), test::ReadFile(folder + "/run.json"));
}

TEST(RenderPng, DrawsThePictureAtTheWidthAsked) {
  const std::string folder = test::TestFolder();
  const auto result = RunQuillane("render --preset 12 --seed 1 -o " + folder + "/g.svg --png " + folder +
                                  "/g.png --png-width 300");
  if (result.exitCode == 1 && result.err.find("cannot write PNG") != std::string::npos)
    GTEST_SKIP() << "this build writes no PNG images";
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const std::string png = test::ReadFile(folder + "/g.png");
  ASSERT_GT(png.size(), 24u);
  EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
  const auto be32 = [&](size_t at) {
    return (static_cast<uint32_t>(static_cast<uint8_t>(png[at])) << 24) |
           (static_cast<uint32_t>(static_cast<uint8_t>(png[at + 1])) << 16) |
           (static_cast<uint32_t>(static_cast<uint8_t>(png[at + 2])) << 8) | static_cast<uint8_t>(png[at + 3]);
  };
  EXPECT_EQ(be32(16), 300u);  // IHDR width
  EXPECT_EQ(be32(20), 300u);  // the grid's picture is square
}

}  // namespace
