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

  // Loads the file and finds its entry point. On failure returns false and
  // says why in *error; nothing stays loaded.
  bool Load(const std::string& path, std::string* error);
  void Unload();

  bool loaded() const { return handle_ != nullptr; }
  const std::string& path() const { return path_; }
  PluginMainProc entry() const { return entry_; }

 private:
  void* handle_ = nullptr;
  PluginMainProc entry_ = nullptr;
  std::string path_;
};

}  // namespace sim
