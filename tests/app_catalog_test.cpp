// "quillane presets", "quillane params", "quillane about", and every
// subcommand's help: what they print comes from the plug-in's own dialogs.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "plugin/params/dialog_behaviour.h"
#include "plugin/params/param_block.h"
#include "plugin/params/params_dialog.h"
#include "tests/support/command_line.h"

namespace {

using test::RunQuillane;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> words;
  std::istringstream in(line);
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

std::string Trim(std::string text) {
  text.erase(0, text.find_first_not_of(' '));
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

TEST(PresetsCommand, ListsEveryPresetWithItsIdAndText) {
  const auto result = RunQuillane("presets");
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const auto lines = Lines(result.out);
  ASSERT_EQ(lines.size(), static_cast<size_t>(kPresetCount));
  for (int32_t id = 0; id < kPresetCount; ++id) {
    char expected[128];
    std::snprintf(expected, sizeof expected, "%2d  %s", id, Trim(kPresetTexts[id]).c_str());
    EXPECT_EQ(lines[static_cast<size_t>(id)], expected);
  }
}

// The name each value item goes by on the command line.
const std::map<int32_t, std::string> kItemNames = {
    {kItemSymbols, "symbols"},         {kItemPulse, "pulse"},
    {kItemStartX, "start.x"},          {kItemStartY, "start.y"},
    {kItemGapX, "gap.x"},              {kItemGapY, "gap.y"},
    {kItemSetupScale, "setup.scale"},  {kItemSetupAngle, "setup.angle"},
    {kItemJitterX, "jitter.x"},        {kItemJitterY, "jitter.y"},
    {kItemJitterScaleX, "jitter-scale.x"}, {kItemJitterScaleY, "jitter-scale.y"},
    {kItemJitterAngle, "jitter-angle"}, {kItemSymbolToSymbolScale, "step.scale"},
    {kItemSymbolToSymbolAngle, "step.angle"},
};
const char* const kPrefixes[] = {"", "layer:", "row:"};
const char* const kPages[] = {"headline", "layer", "row"};

std::string Number(double value) {
  std::ostringstream out;
  out << value;
  return out.str();
}

// The params table's rows by name: the words after the name (PAGE KIND
// RANGE DEFAULT ..., where the range is "MIN to MAX" or "on/off" and the
// kind "check box" is two words).
std::map<std::string, std::vector<std::string>> ParamsRows() {
  const auto result = RunQuillane("params");
  EXPECT_EQ(result.exitCode, 0) << result.err;
  std::map<std::string, std::vector<std::string>> rows;
  for (const std::string& line : Lines(result.out)) {
    if (line.empty()) break;  // the table ends; the lists of pages and fill modes follow
    const auto words = Words(line);
    rows[words[0]] = std::vector<std::string>(words.begin() + 1, words.end());
  }
  return rows;
}

TEST(ParamsCommand, RangesAndDefaultsAreThoseOfTheDialogOnEachPage) {
  const auto rows = ParamsRows();
  for (const RangedItem& ranged : kRangedItems) {
    const ParamInfo* info = FindParamOfSlot(ranged.baseSlot);
    ASSERT_NE(info, nullptr);
    for (int page = 0; page < 3; ++page) {
      const std::string name = kPrefixes[page] + kItemNames.at(ranged.itemId);
      const auto row = rows.find(name);
      ASSERT_NE(row, rows.end()) << name;
      const auto& w = row->second;
      ASSERT_GE(w.size(), 6u) << name;
      EXPECT_EQ(w[0], kPages[page]) << name;
      EXPECT_EQ(w[1], ranged.isFloat ? "number" : "integer") << name;
      EXPECT_EQ(w[2] + " " + w[3] + " " + w[4],
                std::to_string(ranged.min[page]) + " to " + std::to_string(ranged.max[page]))
          << name;
      const ParamSlot value = info->defaults[page];
      EXPECT_EQ(w[5], ranged.isFloat ? Number(value.f) : std::to_string(value.i)) << name;
    }
  }
  const auto layers = rows.find("layers");
  ASSERT_NE(layers, rows.end());
  EXPECT_EQ(layers->second, (std::vector<std::string>{"all", "integer", "0", "to", "25", "0", "\"Layers\"", "extra",
                                                     "layer", "passes,", "each", "in", "a", "new", "layer"}));
}

TEST(ParamsCommand, CheckBoxesShowTheirDefaultPerPage) {
  const auto rows = ParamsRows();
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"preview", "on"},          {"random-symbols", "off"}, {"layer:random-symbols", "off"},
      {"row:random-symbols", "off"}, {"ordered", "on"},      {"layer:ordered", "off"},
      {"row:ordered", "off"},     {"link-proportional", "on"}, {"random-count", "off"},
      {"break-link", "off"},
  };
  for (const auto& [name, value] : expected) {
    const auto row = rows.find(name);
    ASSERT_NE(row, rows.end()) << name;
    ASSERT_GE(row->second.size(), 5u);
    EXPECT_EQ(row->second[1] + " " + row->second[2], "check box") << name;
    EXPECT_EQ(row->second[4], value) << name;
  }
}

TEST(ParamsCommand, ListsTheFillModes) {
  const auto result = RunQuillane("params");
  ASSERT_EQ(result.exitCode, 0);
  for (int32_t mode = 0; mode < kFillModeCount; ++mode) {
    char line[128];
    std::snprintf(line, sizeof line, "\n%2d  %s\n", mode, Trim(kFillModeTexts[mode]).c_str());
    EXPECT_NE(result.out.find(line), std::string::npos) << line;
  }
}

// Every name that params lists is one that render takes: all of them at
// their listed defaults make the same document as no setting at all.
TEST(ParamsCommand, EveryListedNameIsTakenByRenderAtItsDefault) {
  const auto rows = ParamsRows();
  std::string sets;
  int count = 0;
  for (const auto& [name, words] : rows) {
    if (name == "NAME" || name == "--fill") continue;
    const bool checkBox = words[1] == "check";
    sets += " --set " + name + "=" + (checkBox ? words[4] : words[5]);
    ++count;
  }
  EXPECT_EQ(count, 15 * 3 + 2 * 3 + 5);
  const std::string folder = test::TestFolder();
  const auto all = RunQuillane("render" + sets + " --seed 3 -o " + folder + "/all.svg --json " + folder + "/all.json");
  ASSERT_EQ(all.exitCode, 0) << all.err;
  const auto none = RunQuillane("render --seed 3 -o " + folder + "/none.svg --json " + folder + "/none.json");
  ASSERT_EQ(none.exitCode, 0) << none.err;
  EXPECT_EQ(test::ReadFile(folder + "/all.json"), test::ReadFile(folder + "/none.json"));
}

TEST(AboutCommand, PrintsTheAboutBoxTexts) {
  const auto result = RunQuillane("about");
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const auto lines = Lines(result.out);
  ASSERT_EQ(lines.size(), 10u) << result.out;
  EXPECT_EQ(lines[0], "Quillane (11) Plugin About");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2].rfind("Plugin For Illustrator(r) 10/CS/CS2", 0), 0u) << lines[2];
  EXPECT_EQ(lines[4].rfind("Plugin Name:", 0), 0u);
  EXPECT_EQ(lines[5].rfind("Version Number:  ", 0), 0u);
  EXPECT_EQ(lines[6], "Release Date: September 2005");
  EXPECT_EQ(lines[9].rfind("Technical e-mails:", 0), 0u);
}

TEST(CatalogCommands, MissingModuleIsAnError) {
  for (const char* command : {"presets", "params", "about"}) {
    const auto result = RunQuillane(std::string(command) + " --module /nonexistent/Quillane.so");
    EXPECT_EQ(result.exitCode, 1) << command;
    EXPECT_NE(result.err.find("/nonexistent/Quillane.so"), std::string::npos) << result.err;
    EXPECT_EQ(result.out, "") << command;
  }
}

TEST(Help, EverySubcommandExplainsItselfWithExamples) {
  for (const char* command : {"run", "render", "presets", "params", "about"}) {
    const auto result = RunQuillane(std::string(command) + " --help");
    EXPECT_EQ(result.exitCode, 0) << command;
    EXPECT_NE(result.out.find("Example"), std::string::npos) << command << "\n" << result.out;
    EXPECT_NE(result.out.find("quillane " + std::string(command)), std::string::npos) << command;
  }
  const auto render = RunQuillane("render --help");
  for (const char* name : {"jitter-scale.y", "step.angle", "layer:", "row:", "break-link", "--preset", "--fill",
                           "--symbols", "--seed", "--json"})
    EXPECT_NE(render.out.find(name), std::string::npos) << name;
}

}  // namespace
