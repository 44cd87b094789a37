// Writing a command's output files: all of them whole, or none.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace app {

struct OutputFile {
  std::string path;
  std::function<void(std::ostream&)> write;
};

// Each file is written first into a temporary file beside it; only when all
// of them are written do they replace their paths. On failure no temporary
// file is left, no path is touched, and *error names the file and the reason.
bool WriteAllOrNothing(const std::vector<OutputFile>& files, std::string* error);

}  // namespace app
