// The module file as the host sees it.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstdio>
#include <set>
#include <string>

#include "sim/module.h"

namespace {

std::set<std::string> DefinedFunctions(const std::string& path) {
  std::set<std::string> names;
  const std::string command = "nm -D --defined-only '" + path + "'";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return names;
  char line[512];
  while (std::fgets(line, sizeof line, pipe)) {
    char address[64], type[8], name[400];
    if (std::sscanf(line, "%63s %7s %399s", address, type, name) == 3) names.insert(name);
  }
  pclose(pipe);
  return names;
}

TEST(ModuleFile, ExportsOnlyPluginMain) {
  EXPECT_EQ(DefinedFunctions(QUILLANE_MODULE_PATH), std::set<std::string>{"PluginMain"});
}

TEST(ModuleFile, UnloadReallyUnloads) {
  sim::Module module;
  std::string error;
  ASSERT_TRUE(module.Load(QUILLANE_MODULE_PATH, &error)) << error;
  ASSERT_NE(module.entry(), nullptr);
  module.Unload();
  EXPECT_EQ(dlopen(QUILLANE_MODULE_PATH, RTLD_NOW | RTLD_NOLOAD), nullptr);
}

TEST(ModuleFile, MissingFileIsAnError) {
  sim::Module module;
  std::string error;
  EXPECT_FALSE(module.Load("/nonexistent/Quillane.so", &error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(module.loaded());
}

}  // namespace
