// "quillane render" refuses what it cannot do: it names the problem, exits
// with 1 (bad usage or input) or 2 (the plug-in reported a failure), and
// writes no file at all.
#include <gtest/gtest.h>

#include "tests/support/command_line.h"

namespace {

using test::RunQuillane;

struct ErrorCase {
  const char* name;
  std::string arguments;
  int exitCode;
  std::vector<std::string> said;  // each must be in the message
};
void PrintTo(const ErrorCase& c, std::ostream* out) { *out << c.name; }

const ErrorCase kCases[] = {
    {"UnknownPreset", "--preset 'no such preset'", 1,
     {"unknown preset 'no such preset'", "12  Equal row column grid", "17  Break link with symbols"}},
    {"PresetIdPastTheLast", "--preset 18", 1, {"no preset 18", "0 to 17"}},
    {"UnknownFillMode", "--fill diagonal", 1, {"unknown fill mode 'diagonal'", "10  Fill slots random 50-50 (up to max 3 symbols)"}},
    {"FillIdPastTheLast", "--fill 11", 1, {"no fill mode 11", "0 to 10"}},
    {"UnknownParameter", "--set bogus=1", 1,
     {"unknown parameter 'bogus'", "symbols", "jitter-scale.y", "step.angle", "layer:", "row:", "break-link"}},
    {"UnknownPagePrefix", "--set page3:symbols=1", 1, {"unknown parameter 'page3:symbols'"}},
    {"PagePrefixOnAValueOfEveryPage", "--set row:layers=2", 1, {"'layers' has one value for every page"}},
    {"SetWithoutValue", "--set symbols", 1, {"NAME=VALUE", "'symbols'"}},
    {"NotANumber", "--set gap.x=wide", 1, {"gap.x takes a number, not 'wide'"}},
    {"CheckBoxNeedsOnOrOff", "--set ordered=2", 1, {"ordered is a check box", "on or off"}},
    {"AboveTheRange", "--set symbols=201", 1, {"symbols=201", "1 to 200", "Headline settings"}},
    {"BelowTheRangeOnTheLayerPage", "--set layer:symbols=-51", 1, {"layer:symbols=-51", "-50 to 50", "Layer factor settings"}},
    {"RangeOfTheRowPage", "--set row:jitter.x=1000.5", 1, {"row:jitter.x=1000.5", "0 to 1000", "Basic row settings"}},
    {"FloatRangeOnTheHeadlinePage", "--set jitter.x=-1", 1, {"jitter.x=-1", "0 to 100"}},
    {"FractionForAWholeNumber", "--set pulse=1.5", 1, {"pulse=1.5", "whole number", "-1 to 60"}},
    {"LayersAboveTheRange", "--layers 26", 1, {"layers=26", "0 to 25"}},
    {"RangeAfterAPreset", "--preset 12 --set row:symbols=0", 1, {"row:symbols=0", "1 to 200"}},
    {"BadSeed", "--seed -1", 1, {"seed"}},
    {"OrderedBothWays", "--ordered --no-ordered", 1, {"--no-ordered"}},
    {"UnknownFailingOperation", "--fail Nothing", 1, {"--fail", "Nothing"}},
    {"PluginFailure", "--fail NewHandle", 2,
     {"the plug-in reported a failure", "\"FAIL\"", "The filter cannot complete because of an unknown error."}},
    {"DialogThatCannotOpen", "--fail Modal", 2, {"the plug-in reported a failure", "did not open"}},
    // The dialog went through; the third pass cannot get its layer.
    {"GenerationFailure", "--layers 2 --fail 'InsertLayer after 1 status -108'", 2,
     {"the plug-in reported a failure (status -108", "isn't enough memory"}},
};

class RenderError : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(RenderError, NamesTheProblemAndWritesNothing) {
  const ErrorCase& c = GetParam();
  const std::string folder = test::TestFolder();
  const auto result =
      RunQuillane("render " + c.arguments + " -o " + folder + "/out.svg --json " + folder + "/out.json");
  EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
  for (const std::string& text : c.said) EXPECT_NE(result.err.find(text), std::string::npos) << text << "\n" << result.err;
  EXPECT_EQ(test::FilesIn(folder), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Table, RenderError, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<ErrorCase>& info) { return info.param.name; });

TEST(RenderError, AFileThatExistsIsLeftAsItWasWhenTheRenderFails) {
  const std::string folder = test::TestFolder();
  test::WriteFile(folder + "/out.svg", "earlier picture");
  const auto result = RunQuillane("render --set symbols=0 -o " + folder + "/out.svg");
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(test::ReadFile(folder + "/out.svg"), "earlier picture");
  EXPECT_EQ(test::FilesIn(folder), std::vector<std::string>{"out.svg"});
}

TEST(RenderError, UnwritableOutputLeavesNoOtherOutput) {
  // Each output in turn lies in a folder that does not exist; the others
  // must not be written either.
  const std::string folder = test::TestFolder();
  const std::string missing = folder + "/no-such-folder";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"-o " + missing + "/out.svg --json " + folder + "/out.json", missing + "/out.svg"},
      {"-o " + folder + "/out.svg --json " + missing + "/out.json", missing + "/out.json"},
      {"-o " + folder + "/out.svg --json " + folder + "/out.svg", folder + "/out.svg: given as two outputs"},
      {"-o " + folder + " --json " + folder + "/out.json", folder + ": it is a folder"},
  };
  for (const auto& [arguments, named] : cases) {
    const auto result = RunQuillane("render --seed 1 " + arguments);
    EXPECT_EQ(result.exitCode, 1) << arguments;
    EXPECT_NE(result.err.find(named), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("nothing written"), std::string::npos) << result.err;
    EXPECT_EQ(test::FilesIn(folder), std::vector<std::string>{}) << arguments;
  }
}

TEST(RenderError, MissingOutputIsAUsageError) {
  const auto result = RunQuillane("render --preset 1");
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("--output is required"), std::string::npos) << result.err;
}

TEST(RenderError, MissingModuleIsNamed) {
  const std::string folder = test::TestFolder();
  const auto result = RunQuillane("render --module /nonexistent/Quillane.so -o " + folder + "/out.svg");
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("/nonexistent/Quillane.so"), std::string::npos) << result.err;
  EXPECT_EQ(test::FilesIn(folder), std::vector<std::string>{});
}

}  // namespace
