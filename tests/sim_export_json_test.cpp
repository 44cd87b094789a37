// The JSON form of a document, read back with a JSON parser: the schema
// other tools rely on, and floats that come back bit for bit.
#include <gtest/gtest.h>
#include <unistd.h>

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <set>
#include <sstream>
#include <string>

#include "sim/default_document.h"
#include "sim/document.h"
#include "sim/export_json.h"
#include "sim/real_math.h"

namespace {

using nlohmann::json;

std::set<std::string> Keys(const json& object) {
  std::set<std::string> keys;
  for (auto it = object.begin(); it != object.end(); ++it) keys.insert(it.key());
  return keys;
}

bool SameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

class JsonExportTest : public ::testing::Test {
 protected:
  void SetUp() override { sim::LoadDefaultDocument(doc); }

  uint32_t Place(uint32_t symbol, const RealMatrix& m) {
    uint32_t art = 0;
    EXPECT_EQ(doc.NewInstance(symbol, {0, 0}, &art), kNoError);
    EXPECT_EQ(doc.SetMatrix(art, m), kNoError);
    return art;
  }

  json Parse() {
    std::ostringstream out;
    sim::WriteJson(doc, out);
    text = out.str();
    return json::parse(text);  // throws, failing the test, on bad JSON
  }

  sim::Document doc;
  std::string text;
};

TEST_F(JsonExportTest, FollowsTheSchema) {
  Place(1, sim::TranslationMatrix(100, 100));
  const uint32_t broken = Place(3, {0, 1, -1, 0, 120, 100});
  uint32_t group, layer;
  ASSERT_EQ(doc.BreakLink(broken, &group), kNoError);
  ASSERT_EQ(doc.Dispose(broken), kNoError);
  ASSERT_EQ(doc.InsertLayerOnTop(&layer), kNoError);
  Place(5, {2, 0, 0, 0.5f, -3, 4});

  const json root = Parse();
  EXPECT_EQ(Keys(root), (std::set<std::string>{"symbols", "layers"}));
  ASSERT_EQ(root["symbols"].size(), 6u);
  for (const json& symbol : root["symbols"]) {
    EXPECT_EQ(Keys(symbol), (std::set<std::string>{"name", "bounds"}));
    EXPECT_TRUE(symbol["name"].is_string());
    EXPECT_EQ(symbol["bounds"].size(), 4u);
  }
  EXPECT_EQ(root["symbols"][3]["name"], "Star");
  EXPECT_EQ(root["symbols"][3]["bounds"], json::parse("[0.49,-18.09,19.51,0]"));

  ASSERT_EQ(root["layers"].size(), 2u);
  EXPECT_EQ(root["layers"][0]["name"], "Layer 1");
  EXPECT_EQ(root["layers"][1]["name"], "Layer 2");
  const json& first = root["layers"][0]["art"];
  ASSERT_EQ(first.size(), 2u);
  for (const json& art : first)
    EXPECT_EQ(Keys(art), (std::set<std::string>{"kind", "symbol", "matrix", "center"}));
  EXPECT_EQ(first[0], json::parse(R"({"kind":"instance","symbol":1,"matrix":[1,0,0,1,100,100],"center":[100,100]})"));
  EXPECT_EQ(first[1], json::parse(R"({"kind":"group","symbol":3,"matrix":[0,1,-1,0,120,100],"center":[120,100]})"));
  EXPECT_EQ(root["layers"][1]["art"][0],
            json::parse(R"({"kind":"instance","symbol":5,"matrix":[2,0,0,0.5,-3,4],"center":[-3,4]})"));
}

TEST_F(JsonExportTest, FloatsReadBackBitForBit) {
  const float hard[] = {0.1f, 1.0f / 3.0f, -1e-7f, 16777216.0f, 3.4028235e38f, 1.17549435e-38f,
                        1e-45f, -0.0f, 123456.79f, 0.3f, 2.7182817f, -98.76543f};
  const size_t n = sizeof hard / sizeof hard[0];
  for (size_t i = 0; i + 6 <= n; i += 3)
    Place(0, {hard[i], hard[i + 1], hard[i + 2], hard[i + 3], hard[i + 4], hard[i + 5]});
  RealMatrix turned = sim::TranslationMatrix(12.3f, 45.6f);
  sim::ConcatRotate(turned, 0.7f);
  Place(2, turned);

  const json root = Parse();
  const json& art = root["layers"][0]["art"];
  ASSERT_EQ(art.size(), doc.liveArtCount());
  for (size_t k = 0; k < art.size(); ++k) {
    const RealMatrix& m = doc.art()[doc.layers()[0].paintOrder[k]].matrix;
    const float expected[] = {m.a, m.b, m.c, m.d, m.tx, m.ty};
    for (int j = 0; j < 6; ++j) {
      const float back = static_cast<float>(art[k]["matrix"][j].get<double>());
      EXPECT_TRUE(SameBits(back, expected[j])) << "art " << k << " entry " << j << ": " << art[k]["matrix"][j];
    }
    EXPECT_TRUE(SameBits(static_cast<float>(art[k]["center"][0].get<double>()), m.tx));
    EXPECT_TRUE(SameBits(static_cast<float>(art[k]["center"][1].get<double>()), m.ty));
  }
  // Shortest text: 0.1f is written "0.1", not 0.100000001490116.
  EXPECT_NE(text.find("[0.1,0.33333334,-1e-07,16777216,"), std::string::npos) << text;
  EXPECT_NE(text.find(",-0.0,"), std::string::npos) << "minus zero stays a float";
}

TEST_F(JsonExportTest, NamesAreEscapedAndNonFiniteNumbersAreNull) {
  doc.AddLayer("say \"hi\"\\\n\ttab");
  doc.AddSymbol("\x01odd", "<g/>", {0, 0, 1, 1});
  uint32_t layer = static_cast<uint32_t>(doc.layers().size() - 1);
  doc.SetReceivingLayer(layer);
  Place(6, {std::numeric_limits<float>::quiet_NaN(), 0, 0, 1, std::numeric_limits<float>::infinity(), 0});
  const json root = Parse();
  EXPECT_EQ(root["layers"][1]["name"], "say \"hi\"\\\n\ttab");
  EXPECT_EQ(root["symbols"][6]["name"], "\x01odd");
  const json& art = root["layers"][1]["art"][0];
  EXPECT_TRUE(art["matrix"][0].is_null());
  EXPECT_TRUE(art["matrix"][4].is_null());
  EXPECT_TRUE(art["center"][0].is_null());
  EXPECT_EQ(art["matrix"][3], 1);
}

TEST_F(JsonExportTest, EmptyLayersAndDisposedArt) {
  const uint32_t gone = Place(0, sim::kIdentityMatrix);
  ASSERT_EQ(doc.Dispose(gone), kNoError);
  const json root = Parse();
  EXPECT_TRUE(root["layers"][0]["art"].is_array());
  EXPECT_TRUE(root["layers"][0]["art"].empty());
}

TEST_F(JsonExportTest, FileIsWrittenWholeOrNotAtAll) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::temp_directory_path() / ("quillane_json_" + std::to_string(::getpid()));
  fs::create_directories(folder);
  const fs::path path = folder / "doc.json";
  std::ofstream(path) << "old";
  Place(0, sim::TranslationMatrix(1, 2));
  std::string error;
  ASSERT_TRUE(sim::WriteJsonFile(doc, path.string(), &error)) << error;
  std::ifstream in(path);
  const json back = json::parse(in);
  EXPECT_EQ(back["layers"][0]["art"][0]["center"], json::parse("[1,2]"));
  EXPECT_FALSE(sim::WriteJsonFile(doc, (folder / "no" / "such.json").string(), &error));
  EXPECT_NE(error.find("cannot"), std::string::npos) << error;
  EXPECT_FALSE(fs::exists(folder / "doc.json.partial"));
  fs::remove_all(folder);
}

}  // namespace
