// The Windows files as the system and the host see them: the 32-bit and
// 64-bit modules and the 64-bit quillane command, read from the build
// machine with our own PE reader.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "sim/resources.h"
#include "tests/windows/pe_image.h"

namespace {

using wincheck::PeImage;
using wincheck::PeResource;

struct WindowsModule {
  const char* name;
  std::string path;
  uint16_t machine;
  uint16_t optionalHeaderMagic;
};

void PrintTo(const WindowsModule& module, std::ostream* out) { *out << module.path; }

std::vector<WindowsModule> Modules() {
  return {
      {"win32", std::string(QUILLANE_WIN32_DIR) + "/Quillane.aip", wincheck::kMachineI386,
       wincheck::kOptionalHeaderPe32},
      {"win64", std::string(QUILLANE_WIN64_DIR) + "/Quillane.aip", wincheck::kMachineAmd64,
       wincheck::kOptionalHeaderPe32Plus},
  };
}

PeImage ReadImage(const std::string& path) {
  std::string error;
  const auto image = wincheck::ReadPeImage(path, &error);
  EXPECT_TRUE(image) << error;
  return image.value_or(PeImage{});
}

// The resources of a compiled resource file, keyed by type and id.
using ResourceKey = std::pair<std::string, int32_t>;  // type ("#5" for type 5, or a name), id
std::string TypeKey(const std::string& name, int32_t id) {
  return name.empty() ? "#" + std::to_string(id) : name;
}

std::map<ResourceKey, std::vector<uint8_t>> ReadResFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  const std::vector<uint8_t> image((std::istreambuf_iterator<char>(file)), {});
  EXPECT_FALSE(image.empty()) << "cannot read " << path;
  const auto u16 = [&](size_t at) { return static_cast<uint16_t>(image[at] | image[at + 1] << 8); };
  const auto u32 = [&](size_t at) { return static_cast<uint32_t>(u16(at) | u16(at + 2) << 16); };
  // A name or a number at *at: 0xFFFF and a number, or a UTF-16 text.
  const auto nameOrId = [&](size_t* at, std::string* name, int32_t* id) {
    name->clear();
    *id = -1;
    if (u16(*at) == 0xFFFF) {
      *id = u16(*at + 2);
      *at += 4;
      return;
    }
    for (; u16(*at) != 0; *at += 2) *name += static_cast<char>(u16(*at));
    *at += 2;
  };
  std::map<ResourceKey, std::vector<uint8_t>> resources;
  size_t at = 0;
  while (at + 8 <= image.size()) {
    const uint32_t dataSize = u32(at);
    const uint32_t headerSize = u32(at + 4);
    size_t field = at + 8;
    std::string typeName, name;
    int32_t typeId, id;
    nameOrId(&field, &typeName, &typeId);
    nameOrId(&field, &name, &id);
    const size_t data = at + headerSize;
    if (data + dataSize > image.size()) {
      ADD_FAILURE() << path << " is cut short";
      break;
    }
    if (dataSize > 0)
      resources[{TypeKey(typeName, typeId), id}].assign(image.begin() + static_cast<std::ptrdiff_t>(data),
                                                         image.begin() + static_cast<std::ptrdiff_t>(data + dataSize));
    at = (data + dataSize + 3) / 4 * 4;
  }
  return resources;
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

// Whether a DLL belongs to the MinGW runtime, which a plain Windows does not have.
bool IsMinGwRuntimeDll(const std::string& dll) {
  const std::string name = Lower(dll);
  return name.rfind("libgcc", 0) == 0 || name.rfind("libstdc++", 0) == 0 ||
         name.rfind("libwinpthread", 0) == 0 || name.rfind("libssp", 0) == 0;
}

class WindowsModuleTest : public ::testing::TestWithParam<WindowsModule> {};

TEST_P(WindowsModuleTest, IsADllForItsMachine) {
  const PeImage image = ReadImage(GetParam().path);
  EXPECT_EQ(image.machine, GetParam().machine);
  EXPECT_EQ(image.optionalHeaderMagic, GetParam().optionalHeaderMagic);
  EXPECT_TRUE(image.characteristics & wincheck::kCharacteristicDll);
}

TEST_P(WindowsModuleTest, ExportsPluginMainAndNothingElse) {
  const PeImage image = ReadImage(GetParam().path);
  EXPECT_EQ(image.exportNames, std::vector<std::string>{"PluginMain"});
  EXPECT_EQ(image.exportedFunctions, 1u);
}

TEST_P(WindowsModuleTest, NeedsNoMinGwRuntimeDll) {
  const PeImage image = ReadImage(GetParam().path);
  EXPECT_FALSE(image.importedDlls.empty());
  for (const std::string& dll : image.importedDlls) EXPECT_FALSE(IsMinGwRuntimeDll(dll)) << dll;
}

TEST_P(WindowsModuleTest, PropertyListIsTheSeventyNineBytes) {
  std::vector<uint8_t> expected;
  const auto put = [&](uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) expected.push_back(static_cast<uint8_t>(value >> (8 * i)));
  };
  const auto code = [](const char* c) {
    return uint32_t(uint8_t(c[0])) << 24 | uint32_t(uint8_t(c[1])) << 16 | uint32_t(uint8_t(c[2])) << 8 |
           uint32_t(uint8_t(c[3]));
  };
  put(1, 2);
  put(0, 4);  // list version
  put(3, 4);  // properties
  const struct {
    const char* key;
    std::vector<uint8_t> data;
  } properties[] = {
      {"kind", {'A', 'E', 'P', 'S'}},  // the code "SPEA", first character most significant
      {"ivrs", {2, 0, 0, 0}},
      {"wx86", {'P', 'l', 'u', 'g', 'i', 'n', 'M', 'a', 'i', 'n', 0, 0}},
  };
  for (const auto& property : properties) {
    put(code("ADBE"), 4);
    put(code(property.key), 4);
    put(0, 4);
    put(static_cast<uint32_t>(property.data.size()), 4);
    expected.insert(expected.end(), property.data.begin(), property.data.end());
  }
  expected.push_back(0);
  ASSERT_EQ(expected.size(), 79u);

  const PeImage image = ReadImage(GetParam().path);
  const auto pipl = std::find_if(image.resources.begin(), image.resources.end(), [](const PeResource& r) {
    return r.typeName == "PIPL" && r.id == 16000;
  });
  ASSERT_NE(pipl, image.resources.end());
  EXPECT_EQ(pipl->bytes, expected);
}

// Every resource of the compiled resource file, byte for byte, and nothing more.
TEST_P(WindowsModuleTest, CarriesTheCompiledResourcesUnchanged) {
  const auto expected = ReadResFile(QUILLANE_RES_PATH);
  ASSERT_FALSE(expected.empty());
  std::map<ResourceKey, std::vector<uint8_t>> carried;
  for (const PeResource& resource : ReadImage(GetParam().path).resources) {
    const ResourceKey key{TypeKey(resource.typeName, resource.typeId), resource.id};
    EXPECT_EQ(carried.count(key), 0u) << "resource " << key.first << " " << key.second << " twice";
    carried[key] = resource.bytes;
  }
  EXPECT_EQ(carried, expected);
}

// The string lists and dialogs, read by the host's own resource parsers.
TEST_P(WindowsModuleTest, HoldsTheStringListsAndDialogs) {
  sim::ModuleResources resources;
  for (const PeResource& resource : ReadImage(GetParam().path).resources) {
    std::string error;
    EXPECT_TRUE(resources.Add(resource.typeName, resource.typeId, resource.id, resource.bytes, &error)) << error;
  }
  for (int32_t id = 16000; id <= 16002; ++id) EXPECT_TRUE(resources.String(id)) << id;
  for (int32_t id = 16050; id <= 16062; ++id) EXPECT_TRUE(resources.String(id)) << id;
  EXPECT_FALSE(resources.String(16003));
  EXPECT_FALSE(resources.String(16063));
  EXPECT_EQ(resources.String(16002).value_or(""), "Quillane...");
  EXPECT_EQ(resources.String(16059).value_or(""), "!sel");

  const std::pair<int32_t, const char*> dialogs[] = {
      {16050, "Quillane (11) Plugin About"},
      {16051, "Plug-in Error"},
      {16100, "Quillane (11) Plug-in"},
  };
  for (const auto& [id, caption] : dialogs) {
    const sim::DialogTemplate* dialog = resources.Dialog(id);
    ASSERT_NE(dialog, nullptr) << id;
    EXPECT_EQ(dialog->caption, caption);
  }
  EXPECT_EQ(resources.Dialog(16051)->items.size(), 4u);
}

INSTANTIATE_TEST_SUITE_P(Modules, WindowsModuleTest, ::testing::ValuesIn(Modules()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WindowsCommand, IsAConsoleProgramWithoutMinGwRuntimeDlls) {
  const PeImage image = ReadImage(std::string(QUILLANE_WIN64_DIR) + "/quillane.exe");
  EXPECT_EQ(image.machine, wincheck::kMachineAmd64);
  EXPECT_FALSE(image.characteristics & wincheck::kCharacteristicDll);
  EXPECT_EQ(image.subsystem, wincheck::kSubsystemConsole);
  EXPECT_FALSE(image.importedDlls.empty());
  for (const std::string& dll : image.importedDlls) EXPECT_FALSE(IsMinGwRuntimeDll(dll)) << dll;
}

}  // namespace
