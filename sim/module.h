// A plug-in module file, loaded with the system's loader. The host finds
// the one entry point by name and can unload and load the file again.
#pragma once

#include <string>

#include "plugin/host/api/message.h"

namespace sim {

class Module {
 public:
  Module() = default;
  Module(const Module&) = delete;
  Module& operator=(const Module&) = delete;
  ~Module() { Unload(); }

  // Loads the file and finds the entry point of that name. On failure
  // returns false and says why in *error; nothing stays loaded.
  bool Load(const std::string& path, std::string* error,
            const std::string& entryName = kPluginEntryName);
  void Unload();

  bool loaded() const { return handle_ != nullptr; }
  const std::string& path() const { return path_; }
  const std::string& entryName() const { return entryName_; }
  PluginMainProc entry() const { return entry_; }

 private:
  void* handle_ = nullptr;
  PluginMainProc entry_ = nullptr;
  std::string path_;
  std::string entryName_ = kPluginEntryName;
};

}  // namespace sim
