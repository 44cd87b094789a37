#include "sim/module.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace sim {

bool Module::Load(const std::string& path, std::string* error, const std::string& entryName) {
  Unload();
#if defined(_WIN32)
  HMODULE handle = LoadLibraryA(path.c_str());
  if (handle == nullptr) {
    *error = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
    return false;
  }
  // Through the generic function type: the entry's true type is known from
  // the module's property list, not from the system's declaration.
  auto entry = reinterpret_cast<PluginMainProc>(
      reinterpret_cast<void (*)()>(GetProcAddress(handle, entryName.c_str())));
  if (entry == nullptr) {
    FreeLibrary(handle);
    *error = path + " has no entry point " + entryName;
    return false;
  }
#else
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* why = dlerror();
    *error = why ? why : ("cannot load " + path);
    return false;
  }
  auto entry = reinterpret_cast<PluginMainProc>(dlsym(handle, entryName.c_str()));
  if (entry == nullptr) {
    dlclose(handle);
    *error = path + " has no entry point " + entryName;
    return false;
  }
#endif
  handle_ = handle;
  entry_ = entry;
  path_ = path;
  entryName_ = entryName;
  return true;
}

void Module::Unload() {
  if (handle_ == nullptr) return;
#if defined(_WIN32)
  FreeLibrary(static_cast<HMODULE>(handle_));
#else
  dlclose(handle_);
#endif
  handle_ = nullptr;
  entry_ = nullptr;
}

}  // namespace sim
