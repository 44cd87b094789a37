// "quillane render": every option end to end, from the command line to the
// document it writes. The built-in document has six symbols; the defaults
// make one row of ten instances from (100, 100), 20 points apart.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>

#include <nlohmann/json.hpp>

#include "tests/support/command_line.h"

namespace {

using nlohmann::json;
using test::RunQuillane;

struct OptionCase {
  const char* name;
  std::string arguments;
  std::function<void(const json& document)> check;
};
void PrintTo(const OptionCase& c, std::ostream* out) { *out << c.name; }

// Every art of the document, bottom layer first, back to front.
std::vector<json> AllArt(const json& document) {
  std::vector<json> art;
  for (const json& layer : document["layers"])
    for (const json& a : layer["art"]) art.push_back(a);
  return art;
}

std::vector<double> Column(const std::vector<json>& art, const char* field, int index) {
  std::vector<double> values;
  for (const json& a : art) values.push_back(a[field][index].get<double>());
  return values;
}

std::vector<double> Steps(double from, double step, int count) {
  std::vector<double> values;
  for (int k = 0; k < count; ++k) values.push_back(from + step * k);
  return values;
}

void ExpectOneRowOf(const json& document, int count, double step) {
  const auto art = AllArt(document);
  ASSERT_EQ(art.size(), static_cast<size_t>(count));
  EXPECT_EQ(Column(art, "center", 0), Steps(100, step, count));
  EXPECT_EQ(Column(art, "center", 1), std::vector<double>(static_cast<size_t>(count), 100.0));
}

// The rotation of an art's matrix, in degrees.
double Degrees(const json& art) {
  return std::atan2(art["matrix"][1].get<double>(), art["matrix"][0].get<double>()) * 180.0 / M_PI;
}

const OptionCase kCases[] = {
    {"Defaults", "",
     [](const json& d) {
       ExpectOneRowOf(d, 10, 20);
       const auto art = AllArt(d);
       for (size_t k = 0; k < art.size(); ++k) {
         EXPECT_EQ(art[k]["kind"], "instance");
         EXPECT_EQ(art[k]["symbol"].get<size_t>(), k % 6) << k;  // "Ordered" is on
       }
     }},
    {"SymbolsPerRow", "--set symbols=5", [](const json& d) { ExpectOneRowOf(d, 5, 20); }},
    {"HeadlinePrefixIsTheFirstPage", "--set headline:symbols=3", [](const json& d) { ExpectOneRowOf(d, 3, 20); }},
    {"RowsOnTheRowPage", "--set row:symbols=3 --set symbols=4",
     [](const json& d) {
       const auto art = AllArt(d);
       ASSERT_EQ(art.size(), 12u);
       const auto ys = Column(art, "center", 1);
       EXPECT_EQ(std::set<double>(ys.begin(), ys.end()), (std::set<double>{100, 120, 140}));
     }},
    {"StartAndGap", "--set start.x=-50 --set start.y=7.5 --set gap.x=35 --set symbols=3",
     [](const json& d) {
       const auto art = AllArt(d);
       ASSERT_EQ(art.size(), 3u);
       EXPECT_EQ(Column(art, "center", 0), (std::vector<double>{-50, -15, 20}));
       EXPECT_EQ(Column(art, "center", 1), (std::vector<double>{7.5, 7.5, 7.5}));
     }},
    {"VerticalGap", "--set gap.y=-10 --set symbols=3",
     [](const json& d) { EXPECT_EQ(Column(AllArt(d), "center", 1), (std::vector<double>{100, 90, 80})); }},
    {"LayersOption", "--layers 2",
     [](const json& d) {
       ASSERT_EQ(d["layers"].size(), 3u);
       for (const json& layer : d["layers"]) EXPECT_EQ(layer["art"].size(), 10u);
     }},
    {"LayersBySet", "--set layers=1", [](const json& d) { EXPECT_EQ(d["layers"].size(), 2u); }},
    {"GapGrowsFromLayerToLayer", "--layers 1 --set layer:gap.x=5 --set symbols=3",
     [](const json& d) {
       ASSERT_EQ(d["layers"].size(), 2u);
       EXPECT_EQ(Column(d["layers"][0]["art"].get<std::vector<json>>(), "center", 0), Steps(100, 20, 3));
       EXPECT_EQ(Column(d["layers"][1]["art"].get<std::vector<json>>(), "center", 0), Steps(100, 25, 3));
     }},
    {"SetupScale", "--set setup.scale=50",
     [](const json& d) {
       for (const json& a : AllArt(d)) {
         EXPECT_EQ(a["matrix"][0].get<double>(), 0.5);
         EXPECT_EQ(a["matrix"][3].get<double>(), 0.5);
       }
     }},
    {"SetupAngle", "--set setup.angle=90 --set symbols=2",
     [](const json& d) {
       for (const json& a : AllArt(d)) EXPECT_NEAR(Degrees(a), 90, 1e-4);
     }},
    {"StepScaleShrinksFromSymbolToSymbol", "--set step.scale=90 --set symbols=4",
     [](const json& d) {
       const auto scales = Column(AllArt(d), "matrix", 0);
       ASSERT_EQ(scales.size(), 4u);
       for (size_t k = 0; k < scales.size(); ++k) EXPECT_NEAR(scales[k], std::pow(0.9, k), 1e-6) << k;
     }},
    {"PulseStartsTheStepAgain", "--set step.angle=10 --set pulse=1 --set symbols=4",
     [](const json& d) {
       const auto art = AllArt(d);
       ASSERT_EQ(art.size(), 4u);
       const double expected[] = {0, 10, 0, 10};
       for (size_t k = 0; k < art.size(); ++k) EXPECT_NEAR(Degrees(art[k]), expected[k], 1e-4) << k;
     }},
    {"JitterAngleStaysWithinItsAmplitude", "--set jitter-angle=45",
     [](const json& d) {
       std::set<double> angles;
       for (const json& a : AllArt(d)) {
         EXPECT_LE(std::abs(Degrees(a)), 45 + 1e-4);
         angles.insert(Degrees(a));
       }
       EXPECT_GT(angles.size(), 1u);
     }},
    {"FillById", "--fill 4", [](const json& d) {
       EXPECT_EQ(Column(AllArt(d), "center", 0), (std::vector<double>{100, 140, 180, 220, 260}));
     }},
    {"FillByTextIgnoresCaseAndBlanks", "--fill '  FILL alternate SLOTS '", [](const json& d) {
       EXPECT_EQ(Column(AllArt(d), "center", 0), (std::vector<double>{100, 140, 180, 220, 260}));
     }},
    {"FillThirdSlot", "--fill 'Fill third slot'", [](const json& d) {
       EXPECT_EQ(Column(AllArt(d), "center", 0), (std::vector<double>{100, 160, 220, 280}));
     }},
    {"BreakLink", "--break-link",
     [](const json& d) {
       const auto art = AllArt(d);
       ASSERT_EQ(art.size(), 10u);
       for (const json& a : art) EXPECT_EQ(a["kind"], "group");
     }},
    {"BreakLinkBySet", "--set break-link=on", [](const json& d) {
       for (const json& a : AllArt(d)) EXPECT_EQ(a["kind"], "group");
     }},
    {"NotOrderedTakesTheSelectedSymbol", "--no-ordered",
     [](const json& d) {
       for (const json& a : AllArt(d)) EXPECT_EQ(a["symbol"].get<int>(), 0);
     }},
    {"OrderedAgainAfterAPresetThatKeepsIt", "--preset 6 --ordered",
     [](const json& d) {
       const auto art = AllArt(d);
       for (size_t k = 0; k < art.size(); ++k) EXPECT_EQ(art[k]["symbol"].get<size_t>(), k % 6);
     }},
    {"EveryPassStartsWithTheNextSymbol", "--layers 2 --no-ordered --set layer:ordered=on --set symbols=3",
     [](const json& d) {
       ASSERT_EQ(d["layers"].size(), 3u);
       std::set<int> perLayer;
       for (const json& layer : d["layers"]) {
         std::set<int> symbols;
         for (const json& a : layer["art"]) symbols.insert(a["symbol"].get<int>());
         ASSERT_EQ(symbols.size(), 1u);
         perLayer.insert(*symbols.begin());
       }
       EXPECT_EQ(perLayer.size(), 3u);
     }},
    {"RandomSymbols", "--random-symbols",
     [](const json& d) {
       std::vector<int> symbols, ordered;
       const auto art = AllArt(d);
       for (size_t k = 0; k < art.size(); ++k) {
         symbols.push_back(art[k]["symbol"].get<int>());
         ordered.push_back(static_cast<int>(k % 6));
       }
       EXPECT_NE(symbols, ordered);
       EXPECT_GT(std::set<int>(symbols.begin(), symbols.end()).size(), 1u);
     }},
    {"RandomCountStaysBelowTheCount", "--random-count",
     [](const json& d) {
       const size_t count = AllArt(d).size();
       EXPECT_GE(count, 1u);
       EXPECT_LE(count, 9u);
     }},
    {"ProportionalScaleUnlinked", "--no-link-proportional --set jitter-scale.y=50",
     [](const json& d) {
       bool differs = false;
       for (const json& a : AllArt(d)) differs |= a["matrix"][0] != a["matrix"][3];
       EXPECT_TRUE(differs);
     }},
    {"ProportionalScaleLinked", "--link-proportional --set jitter-scale.x=50",
     [](const json& d) {
       for (const json& a : AllArt(d)) EXPECT_EQ(a["matrix"][0], a["matrix"][3]);
     }},
    {"PreviewOffStillMakesTheResult", "--set preview=off --set symbols=4", [](const json& d) { ExpectOneRowOf(d, 4, 20); }},
    {"PresetById", "--preset 12",
     [](const json& d) {
       const auto art = AllArt(d);
       ASSERT_EQ(art.size(), 100u);
       const auto ys = Column(art, "center", 1);
       EXPECT_EQ(std::set<double>(ys.begin(), ys.end()).size(), 10u);
     }},
    {"PresetByTextIgnoresCaseAndBlanks", "--preset '  EQUAL ROW column GRID '", [](const json& d) {
       EXPECT_EQ(AllArt(d).size(), 100u);
     }},
    {"PresetTwoRowsReflected", "--preset 'two rows/reflected'",
     [](const json& d) {
       const auto art = AllArt(d);
       ASSERT_EQ(art.size(), 20u);
       for (size_t k = 0; k < art.size(); ++k) EXPECT_NEAR(std::abs(Degrees(art[k])), k < 10 ? 0 : 180, 1e-4) << k;
     }},
    {"ValuesAfterThePreset", "--preset 12 --set row:symbols=3 --set symbols=2", [](const json& d) {
       EXPECT_EQ(AllArt(d).size(), 6u);
     }},
    {"RowAngleOnTheRowPage", "--preset 15 --set row:setup.angle=90 --set symbols=2",
     [](const json& d) {
       const auto art = AllArt(d);
       ASSERT_EQ(art.size(), 4u);
       const double expected[] = {0, 0, 90, 90};
       for (size_t k = 0; k < art.size(); ++k) EXPECT_NEAR(Degrees(art[k]), expected[k], 1e-4) << k;
     }},
    {"ValueAtTheTopOfItsRange", "--set symbols=200 --set gap.x=-200", [](const json& d) {
       const auto art = AllArt(d);
       ASSERT_EQ(art.size(), 200u);
       EXPECT_EQ(art.back()["center"][0].get<double>(), 100 - 200.0 * 199);
     }},
};

class RenderOption : public ::testing::TestWithParam<OptionCase> {};

TEST_P(RenderOption, WritesTheDocumentItAsksFor) {
  const OptionCase& c = GetParam();
  const std::string folder = test::TestFolder();
  const std::string svg = folder + "/out.svg", jsonPath = folder + "/out.json";
  const auto result = RunQuillane("render " + c.arguments + " --seed 11 -o " + svg + " --json " + jsonPath);
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_NE(result.err.find("seed 11"), std::string::npos) << result.err;
  EXPECT_NE(result.err.find(svg), std::string::npos) << result.err;
  const json document = json::parse(test::ReadFile(jsonPath));
  c.check(document);
  EXPECT_NE(test::ReadFile(svg).find("<svg "), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Table, RenderOption, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<OptionCase>& info) { return info.param.name; });

TEST(RenderSummary, CountsInstancesLayersAndNamesTheSeedAndFiles) {
  const std::string folder = test::TestFolder();
  const auto result = RunQuillane("render --layers 1 --set symbols=3 --seed 4 -o " + folder + "/a.svg --json " +
                                  folder + "/a.json");
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.err, "quillane render: 6 instances in 2 layers, seed 4 -> " + folder + "/a.svg, " + folder +
                            "/a.json\n");
  EXPECT_EQ(result.out, "");
}

TEST(RenderSummary, BrokenLinksAreCountedAsGroups) {
  const std::string folder = test::TestFolder();
  const auto result = RunQuillane("render --break-link --seed 4 -o " + folder + "/a.svg");
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_NE(result.err.find("10 groups of plain artwork in 1 layer"), std::string::npos) << result.err;
}

}  // namespace
