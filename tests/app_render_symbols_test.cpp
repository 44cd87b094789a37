// "quillane render --symbols": the user's SVG files become the document's
// symbols, with their size and their content as they are.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <pugixml.hpp>

#include "tests/support/command_line.h"

namespace {

using nlohmann::json;
using test::RunQuillane;

// A build without an SVG reader says so; its tests of symbol files are skipped.
bool ReadsNoSvg(const test::CommandResult& result) {
  return result.exitCode == 1 && result.err.find("cannot read SVG files") != std::string::npos;
}

struct SizeCase {
  const char* name;
  std::string svg;
  std::vector<double> bounds;  // left, bottom, right, top, with y up
};
void PrintTo(const SizeCase& c, std::ostream* out) { *out << c.name; }

const SizeCase kSizes[] = {
    {"ViewBox", R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 40 30"><rect width="40" height="30"/></svg>)",
     {0, -30, 40, 0}},
    {"ViewBoxAwayFromTheOrigin",
     R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="-10,-5, 20,10" width="999" height="1"><circle r="5"/></svg>)",
     {-10, -5, 10, 5}},
    {"WidthAndHeight", R"(<svg xmlns="http://www.w3.org/2000/svg" width="24" height="12"><rect width="24" height="12"/></svg>)",
     {0, -12, 24, 0}},
    {"WidthAndHeightInPixels", R"(<svg width="24px" height=" 12px "><rect width="24" height="12"/></svg>)",
     {0, -12, 24, 0}},
    {"WidthAndHeightInInches", R"(<svg width="0.5in" height="0.25in"><rect width="48" height="24"/></svg>)",
     {0, -24, 48, 0}},
    {"PrefixedRoot",
     R"(<s:svg xmlns:s="http://www.w3.org/2000/svg" viewBox="0 0 8 8"><s:rect width="8" height="8"/></s:svg>)",
     {0, -8, 8, 0}},
};

class SymbolSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(SymbolSize, ComesFromTheViewBoxOrTheWidthAndHeight) {
  const SizeCase& c = GetParam();
  const std::string folder = test::TestFolder();
  test::WriteFile(folder + "/shape.svg", c.svg);
  const auto result = RunQuillane("render --symbols " + folder + "/shape.svg --set symbols=2 --seed 1 -o " + folder +
                                  "/out.svg --json " + folder + "/out.json");
  if (ReadsNoSvg(result)) GTEST_SKIP() << "this build reads no SVG files";
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const json document = json::parse(test::ReadFile(folder + "/out.json"));
  ASSERT_EQ(document["symbols"].size(), 1u);
  EXPECT_EQ(document["symbols"][0]["name"], "shape");
  EXPECT_EQ(document["symbols"][0]["bounds"].get<std::vector<double>>(), c.bounds);
  // Each instance is placed with the centre of those bounds on its slot.
  EXPECT_EQ(document["layers"][0]["art"][1]["center"].get<std::vector<double>>(), (std::vector<double>{120, 100}));
}

INSTANTIATE_TEST_SUITE_P(Table, SymbolSize, ::testing::ValuesIn(kSizes),
                         [](const ::testing::TestParamInfo<SizeCase>& info) { return info.param.name; });

// The content of <symbol id="symbol-N"> in the written picture.
std::string SymbolMarkup(const std::string& svg, int index) {
  const std::string start = "<symbol id=\"symbol-" + std::to_string(index) + "\"";
  const size_t from = svg.find(start);
  if (from == std::string::npos) return "";
  const size_t to = svg.find("</symbol>", from);
  return svg.substr(from, to - from);
}

TEST(UserSymbols, KeepTheirContentByteForByteAndTheirOrder) {
  const std::string folder = test::TestFolder();
  const std::string leafContent =
      "\n  <!-- vein -->\n  <path d='M0 -20 C 10 -10, 10 10, 0 20 Z' fill=\"#2a7\" />\n"
      "  <text x=\"0\" y=\"0\">A &amp; B</text>\n";
  test::WriteFile(folder + "/leaf.svg",
                  "<?xml version=\"1.0\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"-10 -20 20 40\">" +
                      leafContent + "</svg>\n<!-- trailing comment -->\n");
  const std::string dropContent = R"(<ellipse cx="16" cy="8" rx="16" ry="8" fill="#39f"/>)";
  test::WriteFile(folder + "/drop.svg", "<svg width=\"32\" height=\"16\">" + dropContent + "</svg>");

  const auto result = RunQuillane("render --symbols " + folder + "/drop.svg " + folder +
                                  "/leaf.svg --no-ordered --seed 1 -o " + folder + "/out.svg --json " + folder +
                                  "/out.json");
  if (ReadsNoSvg(result)) GTEST_SKIP() << "this build reads no SVG files";
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const json document = json::parse(test::ReadFile(folder + "/out.json"));
  ASSERT_EQ(document["symbols"].size(), 2u);
  EXPECT_EQ(document["symbols"][0]["name"], "drop");
  EXPECT_EQ(document["symbols"][1]["name"], "leaf");
  // The first file's symbol is the one selected in the palette.
  for (const json& art : document["layers"][0]["art"]) EXPECT_EQ(art["symbol"].get<int>(), 0);

  const std::string svg = test::ReadFile(folder + "/out.svg");
  EXPECT_NE(SymbolMarkup(svg, 0).find(">" + dropContent + "</g>"), std::string::npos) << SymbolMarkup(svg, 0);
  EXPECT_NE(SymbolMarkup(svg, 1).find(">" + leafContent + "</g>"), std::string::npos) << SymbolMarkup(svg, 1);
  pugi::xml_document parsed;
  EXPECT_TRUE(parsed.load_string(svg.c_str())) << "the picture is well-formed XML";
}

TEST(UserSymbols, WhatTheContentInheritsFromTheRootGoesAlong) {
  const std::string folder = test::TestFolder();
  test::WriteFile(folder + "/mark.svg",
                  R"(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" )"
                  R"(xmlns:ed="http://editor.example/ns" ed:version="3" viewBox="0 0 10 10" width="1cm" )"
                  R"(fill="none" stroke="#000" style="stroke-width:2">)"
                  R"(<path ed:label="tick" d="M1 5 L4 8 L9 1"/></svg>)");
  const auto result = RunQuillane("render --symbols " + folder + "/mark.svg --seed 1 -o " + folder + "/out.svg");
  if (ReadsNoSvg(result)) GTEST_SKIP() << "this build reads no SVG files";
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const std::string markup = SymbolMarkup(test::ReadFile(folder + "/out.svg"), 0);
  EXPECT_NE(markup.find(R"(<g xmlns:ed="http://editor.example/ns" fill="none" stroke="#000" style="stroke-width:2">)"
                        R"(<path ed:label="tick" d="M1 5 L4 8 L9 1"/></g>)"),
            std::string::npos)
      << markup;
  // The viewport's own attributes and the editor's data stay behind.
  EXPECT_EQ(markup.find("viewBox"), std::string::npos) << markup;
  EXPECT_EQ(markup.find("ed:version"), std::string::npos) << markup;
}

struct BadFileCase {
  const char* name;
  std::string svg;  // written to bad.svg; empty: the file is not there
  std::string reason;
};
void PrintTo(const BadFileCase& c, std::ostream* out) { *out << c.name; }

const BadFileCase kBadFiles[] = {
    {"Missing", "", "cannot read it: No such file or directory"},
    {"NotWellFormed", "<svg viewBox=\"0 0 1 1\"><rect></svg>", "not well-formed XML"},
    {"Empty", " ", "not well-formed XML"},
    {"NotSvg", "<html><body/></html>", "its root element is <html>, not <svg>"},
    {"OtherNamespace", "<svg xmlns=\"urn:other\" viewBox=\"0 0 1 1\"/>", "in the namespace \"urn:other\""},
    {"NoSize", "<svg xmlns=\"http://www.w3.org/2000/svg\"><rect/></svg>", "no viewBox, and no width and height"},
    {"RelativeWidth", "<svg width=\"100%\" height=\"20\"/>", "width \"100%\""},
    {"BadViewBox", "<svg viewBox=\"0 0 10\"/>", "viewBox \"0 0 10\""},
    {"EmptyViewBox", "<svg viewBox=\"0 0 0 10\"/>", "above 0"},
};

class BadSymbolFile : public ::testing::TestWithParam<BadFileCase> {};

TEST_P(BadSymbolFile, IsNamedWithTheReasonAndNothingIsWritten) {
  const BadFileCase& c = GetParam();
  const std::string folder = test::TestFolder();
  const std::string inputs = folder + "/in";
  std::filesystem::create_directories(inputs);
  test::WriteFile(inputs + "/good.svg", "<svg viewBox=\"0 0 4 4\"><rect width=\"4\" height=\"4\"/></svg>");
  if (!c.svg.empty()) test::WriteFile(inputs + "/bad.svg", c.svg);
  const std::string out = folder + "/out";
  std::filesystem::create_directories(out);
  const auto result = RunQuillane("render --symbols " + inputs + "/good.svg " + inputs + "/bad.svg -o " + out +
                                  "/out.svg --json " + out + "/out.json");
  if (ReadsNoSvg(result)) GTEST_SKIP() << "this build reads no SVG files";
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find(inputs + "/bad.svg: "), std::string::npos) << result.err;
  EXPECT_NE(result.err.find(c.reason), std::string::npos) << result.err;
  EXPECT_EQ(test::FilesIn(out), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Table, BadSymbolFile, ::testing::ValuesIn(kBadFiles),
                         [](const ::testing::TestParamInfo<BadFileCase>& info) { return info.param.name; });

TEST(UserSymbols, AFolderIsNotASymbolFile) {
  const std::string folder = test::TestFolder();
  const auto result = RunQuillane("render --symbols " + folder + " -o " + folder + "/out.svg");
  if (ReadsNoSvg(result)) GTEST_SKIP() << "this build reads no SVG files";
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find(folder + ": is a folder"), std::string::npos) << result.err;
  EXPECT_EQ(test::FilesIn(folder), std::vector<std::string>{});
}

}  // namespace
