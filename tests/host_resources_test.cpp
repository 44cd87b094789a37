// The module's compiled resources, read as the host reads them.
#include <gtest/gtest.h>

#include <cstring>

#include "sim/resources.h"

namespace {

sim::ModuleResources LoadModuleResources() {
  sim::ModuleResources resources;
  std::string error;
  EXPECT_TRUE(resources.LoadFromModule(QUILLANE_MODULE_PATH, &error)) << error;
  return resources;
}

void PutU32(std::vector<uint8_t>& bytes, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

TEST(Resources, PropertyListIsTheSeventyNineBytes) {
  std::vector<uint8_t> expected = {1, 0};
  PutU32(expected, 0);  // list version
  PutU32(expected, 3);  // properties
  const auto property = [&](const char* key, uint32_t length) {
    PutU32(expected, 0x41444245);  // ADBE
    PutU32(expected, (uint32_t(key[0]) << 24) | (uint32_t(key[1]) << 16) | (uint32_t(key[2]) << 8) | uint32_t(key[3]));
    PutU32(expected, 0);
    PutU32(expected, length);
  };
  property("kind", 4);
  PutU32(expected, 0x53504541);  // SPEA
  property("ivrs", 4);
  PutU32(expected, 2);
  property("wx86", 12);
  for (char c : std::string("PluginMain")) expected.push_back(static_cast<uint8_t>(c));
  expected.insert(expected.end(), {0, 0, 0});
  ASSERT_EQ(expected.size(), 79u);

  const auto resources = LoadModuleResources();
  const std::vector<uint8_t>* pipl = resources.Raw("PIPL", 16000);
  ASSERT_NE(pipl, nullptr);
  EXPECT_EQ(*pipl, expected);

  const auto properties = sim::ParsePropertyList(*pipl);
  ASSERT_TRUE(properties);
  EXPECT_EQ(properties->kind, sim::kPluginModuleKind);
  EXPECT_EQ(properties->interfaceVersion, 2);
  EXPECT_EQ(properties->entryPoint, "PluginMain");
}

TEST(Resources, MalformedPropertyListsAreRefused) {
  EXPECT_FALSE(sim::ParsePropertyList({}));
  EXPECT_FALSE(sim::ParsePropertyList({2, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  // Claims three properties but holds none.
  EXPECT_FALSE(sim::ParsePropertyList({1, 0, 0, 0, 0, 0, 3, 0, 0, 0}));
}

TEST(Resources, StringListsHoldTheirTexts) {
  const auto resources = LoadModuleResources();
  const std::pair<int32_t, const char*> cases[] = {
      {16001, "Nerith <Create>"},
      {16002, "Quillane..."},
      {16051, "-108"},
      {16059, "!sel"},
      {16060, "The selection is not valid for this filter."},
      {16061, "<Others>"},
      {16062, "The filter cannot complete because of an unknown error."},
  };
  for (const auto& [id, text] : cases) EXPECT_EQ(resources.String(id).value_or("(none)"), text) << id;
  EXPECT_FALSE(resources.String(16003));
  EXPECT_FALSE(resources.String(16063));
}

TEST(Resources, DialogTemplatesCarryCaptionSizeAndItems) {
  const auto resources = LoadModuleResources();
  const sim::DialogTemplate* error = resources.Dialog(16051);
  ASSERT_NE(error, nullptr);
  EXPECT_EQ(error->caption, "Plug-in Error");
  EXPECT_EQ(error->width, 185);
  EXPECT_EQ(error->height, 92);
  EXPECT_EQ(error->font, "MS Sans Serif");
  EXPECT_EQ(error->fontSize, 8);
  ASSERT_EQ(error->items.size(), 4u);
  EXPECT_EQ(error->items[0].id, 1);
  EXPECT_EQ(error->items[0].kind, "default button");
  EXPECT_EQ(error->items[0].text, "OK");
  EXPECT_EQ(error->items[1].id, 2);
  EXPECT_EQ(error->items[1].kind, "static text");
  EXPECT_EQ(error->items[1].text, "Message");
  EXPECT_EQ((std::vector<int>{error->items[1].x, error->items[1].y, error->items[1].width,
                              error->items[1].height}),
            (std::vector<int>{43, 12, 126, 28}));
  EXPECT_EQ(error->items[3].kind, "black frame");

  const sim::DialogTemplate* about = resources.Dialog(16050);
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(about->caption, "Quillane (11) Plugin About");
  EXPECT_EQ(about->width, 282);
  EXPECT_EQ(about->height, 154);
  ASSERT_EQ(about->items.size(), 9u);
  EXPECT_EQ(about->items[1].text.rfind("Plugin For Illustrator(r) 10/CS/CS2", 0), 0u);
  EXPECT_EQ(about->items[5].text, "Release Date: September 2005");

  const sim::DialogTemplate* params = resources.Dialog(16100);
  ASSERT_NE(params, nullptr);
  EXPECT_EQ(params->caption, "Quillane (11) Plug-in");
  EXPECT_EQ(params->style, 0x90C800C0u);
  EXPECT_EQ(params->width, 210);
  EXPECT_EQ(params->height, 182);
  EXPECT_TRUE(params->items.empty());
}

TEST(Resources, TruncatedResourceFileIsAnError) {
  std::vector<uint8_t> image = {32, 0, 0, 0, 32, 0, 0, 0};
  sim::ModuleResources resources;
  std::string error;
  EXPECT_FALSE(resources.Parse(image, &error));
  EXPECT_FALSE(error.empty());
}

TEST(Resources, FileWithoutResourcesIsAnError) {
  sim::ModuleResources resources;
  std::string error;
  EXPECT_FALSE(resources.LoadFromModule("/bin/sh", &error));
  EXPECT_NE(error.find("no .quillane_resources"), std::string::npos) << error;
}

}  // namespace
