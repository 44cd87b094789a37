// The SVG picture of a document: read back with an XML parser, its
// structure and its transforms are checked against the document.
#include <gtest/gtest.h>

#include <pugixml.hpp>
#include <unistd.h>

#include <algorithm>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "sim/default_document.h"
#include "sim/document.h"
#include "sim/export_svg.h"
#include "sim/real_math.h"

namespace {

// An affine map as SVG writes it: (x, y) -> (a x + c y + e, b x + d y + f).
struct Affine {
  double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;
  Affine Then(const Affine& o) const {  // this first, then o
    return {o.a * a + o.c * b, o.b * a + o.d * b, o.a * c + o.c * d, o.b * c + o.d * d,
            o.a * e + o.c * f + o.e, o.b * e + o.d * f + o.f};
  }
  sim::PointD operator()(double x, double y) const { return {a * x + c * y + e, b * x + d * y + f}; }
};

// Reads the transform lists this exporter writes: matrix(...) and scale(...).
Affine ParseTransform(const std::string& text) {
  Affine result;
  std::istringstream in(text);
  std::string word;
  while (std::getline(in, word, '(')) {
    std::string args;
    std::getline(in, args, ')');
    std::istringstream numbers(args);
    std::vector<double> v;
    double x;
    while (numbers >> x) v.push_back(x);
    Affine step;
    if (word.find("matrix") != std::string::npos && v.size() == 6) {
      step = {v[0], v[1], v[2], v[3], v[4], v[5]};
    } else if (word.find("scale") != std::string::npos && v.size() == 2) {
      step = {v[0], 0, 0, v[1], 0, 0};
    } else {
      ADD_FAILURE() << "unexpected transform " << word << "(" << args << ")";
    }
    // In a list, the rightmost transform applies first.
    result = step.Then(result);
  }
  return result;
}

class SvgExportTest : public ::testing::Test {
 protected:
  void SetUp() override { sim::LoadDefaultDocument(doc); }

  uint32_t Place(uint32_t symbol, float x, float y, float sx = 1, float sy = 1, float degrees = 0) {
    uint32_t art = 0;
    EXPECT_EQ(doc.NewInstance(symbol, {0, 0}, &art), kNoError);
    RealMatrix m;
    doc.GetMatrix(art, &m);
    sim::ConcatScale(m, sx, sy);
    sim::ConcatRotate(m, sim::DegreeToRadian(degrees));
    sim::ConcatTranslate(m, x, y);
    doc.SetMatrix(art, m);
    return art;
  }

  pugi::xml_node Parse() {
    std::ostringstream out;
    sim::WriteSvg(doc, out);
    text = out.str();
    const pugi::xml_parse_result result = xml.load_string(text.c_str());
    EXPECT_TRUE(result) << result.description() << " at " << result.offset;
    return xml.child("svg");
  }

  // The whole map from a symbol's artwork to the screen for the art that
  // node draws: the page flip, the art's own matrix, the centring flip.
  Affine ScreenMap(pugi::xml_node svg, pugi::xml_node art) {
    Affine map = ParseTransform(art.attribute("transform").value());
    pugi::xml_node inner;
    if (std::string(art.name()) == "use") {
      const std::string id = std::string(art.attribute("xlink:href").value()).substr(1);
      inner = svg.child("defs").find_child_by_attribute("symbol", "id", id.c_str()).first_child();
    } else {
      inner = art.first_child();
    }
    EXPECT_STREQ(inner.name(), "g");
    const Affine page = ParseTransform(art.parent().parent().attribute("transform").value());
    return ParseTransform(inner.attribute("transform").value()).Then(map).Then(page);
  }

  sim::Document doc;
  pugi::xml_document xml;
  std::string text;
};

TEST_F(SvgExportTest, SymbolsLayersInstancesAndGroupsInPaintOrder) {
  Place(0, 100, 100);
  const uint32_t broken = Place(2, 120, 100, 2, 1, 45);
  uint32_t group, layer;
  ASSERT_EQ(doc.BreakLink(broken, &group), kNoError);
  ASSERT_EQ(doc.Dispose(broken), kNoError);
  ASSERT_EQ(doc.InsertLayerOnTop(&layer), kNoError);
  Place(4, 140, 100);
  Place(5, 160, 100);

  pugi::xml_node svg = Parse();
  ASSERT_TRUE(svg);
  EXPECT_STREQ(svg.attribute("xmlns").value(), "http://www.w3.org/2000/svg");
  std::vector<std::string> symbols;
  for (pugi::xml_node symbol : svg.child("defs").children("symbol"))
    symbols.push_back(symbol.attribute("data-name").value());
  EXPECT_EQ(symbols, (std::vector<std::string>{"Circle", "Square", "Triangle", "Star", "Diamond", "Hexagon"}));
  EXPECT_EQ(svg.select_nodes("//use").size(), 3u);

  pugi::xml_node page = svg.child("g");
  std::vector<std::string> layers, content;
  for (pugi::xml_node g : page.children("g")) {
    layers.push_back(g.attribute("data-name").value());
    for (pugi::xml_node art : g.children())
      content.push_back(std::string(art.name()) + (std::string(art.name()) == "use"
                                                       ? std::string(art.attribute("xlink:href").value())
                                                       : ""));
  }
  EXPECT_EQ(layers, (std::vector<std::string>{"Layer 1", "Layer 2"}));
  EXPECT_EQ(content, (std::vector<std::string>{"use#symbol-0", "g", "use#symbol-4", "use#symbol-5"}));
  // The group holds a copy of the triangle's artwork.
  EXPECT_TRUE(page.first_child().child("g").child("g").child("polygon"));
}

TEST_F(SvgExportTest, ArtShowsWhereTheHostPutsItTheRightWayUp) {
  // A triangle (apex up in its own drawing) centred at (50, 200), and a
  // second one turned a quarter turn counterclockwise at (300, 20).
  Place(2, 50, 200);
  Place(2, 300, 20, 1, 1, 90);
  pugi::xml_node svg = Parse();
  pugi::xml_node layer = svg.child("g").child("g");
  std::vector<pugi::xml_node> uses;
  for (pugi::xml_node use : layer.children("use")) uses.push_back(use);
  ASSERT_EQ(uses.size(), 2u);

  // The triangle's drawing: apex (10, 0), base corners (0, 20) and (20, 20), centre (10, 10).
  const Affine upright = ScreenMap(svg, uses[0]);
  const sim::PointD centre = upright(10, 10), apex = upright(10, 0), base = upright(10, 20);
  EXPECT_NEAR(centre.x, 50, 1e-9);
  EXPECT_NEAR(centre.y, -200, 1e-9);  // y up on the page is y down on the screen, flipped once
  EXPECT_LT(apex.y, base.y) << "the apex is above the base on the screen";
  EXPECT_NEAR(apex.x, base.x, 1e-9);

  const Affine turned = ScreenMap(svg, uses[1]);
  const sim::PointD apex2 = turned(10, 0), base2 = turned(10, 20);
  EXPECT_LT(apex2.x, base2.x) << "turned counterclockwise, the apex points left";
  EXPECT_NEAR(apex2.y, base2.y, 1e-4);
}

TEST_F(SvgExportTest, ViewBoxFramesAllArtWithAMargin) {
  Place(1, -40, 10);
  Place(0, 200, 300, 3, 3);
  pugi::xml_node svg = Parse();
  std::istringstream box(svg.attribute("viewBox").value());
  double x, y, w, h;
  ASSERT_TRUE(box >> x >> y >> w >> h);
  // Square 20 x 20 centred at (-40, 10); circle 60 across centred at (200, 300).
  EXPECT_NEAR(x, -50 - sim::kSvgMargin, 1e-4);
  EXPECT_NEAR(x + w, 230 + sim::kSvgMargin, 1e-4);
  EXPECT_NEAR(y, -330 - sim::kSvgMargin, 1e-4);
  EXPECT_NEAR(y + h, 0 + sim::kSvgMargin, 1e-4);
  EXPECT_EQ(std::stod(svg.attribute("width").value()), w);
}

TEST_F(SvgExportTest, EmptyDocumentsAndOddNamesStayWellFormed) {
  doc.AddLayer("Trees & <Bushes> \"old\"");
  doc.AddSymbol("R&D <logo>", "<rect width=\"4\" height=\"4\"/>", {0, -4, 4, 0});
  pugi::xml_node svg = Parse();
  ASSERT_TRUE(svg);
  EXPECT_STREQ(svg.child("g").last_child().attribute("data-name").value(), "Trees & <Bushes> \"old\"");
  EXPECT_STREQ(svg.child("defs").last_child().attribute("data-name").value(), "R&D <logo>");
  EXPECT_TRUE(svg.select_nodes("//use").empty());
}

TEST_F(SvgExportTest, DisposedAndUndrawableArtIsLeftOut) {
  const uint32_t gone = Place(0, 0, 0);
  ASSERT_EQ(doc.Dispose(gone), kNoError);
  const uint32_t infinite = Place(0, 0, 0);
  doc.SetMatrix(infinite, {1, 0, 0, 1, INFINITY, 0});
  Place(3, 5, 5);
  pugi::xml_node svg = Parse();
  EXPECT_EQ(svg.select_nodes("//use").size(), 1u);
  EXPECT_EQ(text.find("inf"), std::string::npos);
}

TEST_F(SvgExportTest, FileIsWrittenWholeOrNotAtAll) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::temp_directory_path() / ("quillane_svg_" + std::to_string(::getpid()));
  fs::create_directories(folder);
  const fs::path path = folder / "picture.svg";
  std::ofstream(path) << "old";
  Place(0, 1, 1);
  std::string error;
  ASSERT_TRUE(sim::WriteSvgFile(doc, path.string(), &error)) << error;
  std::ifstream in(path);
  std::stringstream content;
  content << in.rdbuf();
  EXPECT_EQ(content.str().rfind("<?xml", 0), 0u);
  EXPECT_NE(content.str().find("</svg>"), std::string::npos);

  // A folder that does not exist, and a target that is a folder: a reason, no leftovers.
  EXPECT_FALSE(sim::WriteSvgFile(doc, (folder / "missing" / "x.svg").string(), &error));
  EXPECT_FALSE(error.empty());
  const fs::path sub = folder / "sub";
  fs::create_directories(sub / "inside");
  error.clear();
  EXPECT_FALSE(sim::WriteSvgFile(doc, sub.string(), &error));
  EXPECT_FALSE(error.empty());
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"picture.svg", "sub"}));
  fs::remove_all(folder);
}

}  // namespace
