#include "app/output_files.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>

#if defined(_WIN32)
#include <process.h>
#define QUILLANE_PID _getpid()
#else
#include <unistd.h>
#define QUILLANE_PID getpid()
#endif

namespace app {

bool WriteAllOrNothing(const std::vector<OutputFile>& files, std::string* error) {
  namespace fs = std::filesystem;
  std::set<fs::path> seen;
  for (const OutputFile& file : files) {
    if (file.path.empty()) {
      *error = "an output file has no name";
      return false;
    }
    if (!seen.insert(fs::absolute(file.path).lexically_normal()).second) {
      *error = file.path + ": given as two outputs";
      return false;
    }
  }

  std::vector<std::string> staged;
  const auto removeStaged = [&] {
    std::error_code ignored;
    for (const std::string& path : staged) fs::remove(path, ignored);
  };
  for (const OutputFile& file : files) {
    const std::string temporary = file.path + ".partial-" + std::to_string(QUILLANE_PID);
    std::error_code code;
    if (fs::is_directory(file.path, code)) {
      removeStaged();
      *error = "cannot write " + file.path + ": it is a folder";
      return false;
    }
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) {
      const int reason = errno;
      removeStaged();
      *error = "cannot write " + file.path + ": " + std::strerror(reason);
      return false;
    }
    staged.push_back(temporary);
    file.write(out);
    out.close();
    if (out.fail()) {
      const int reason = errno;
      removeStaged();
      *error = "cannot write " + file.path + ": " + (reason ? std::strerror(reason) : "write failed");
      return false;
    }
  }
  for (size_t i = 0; i < files.size(); ++i) {
    std::error_code code;
    fs::rename(staged[i], files[i].path, code);
    if (code) {
      std::error_code ignored;
      for (size_t j = i; j < staged.size(); ++j) fs::remove(staged[j], ignored);
      *error = "cannot write " + files[i].path + ": " + code.message();
      return false;
    }
  }
  return true;
}

}  // namespace app
