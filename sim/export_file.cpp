#include "sim/export_file.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "sim/real_math.h"

namespace sim {

void TextSink::Real(::Real value) {
  char text[kRealTextMax];
  buffer_.append(text, WriteReal(text, value));
  if (buffer_.size() >= kChunk) Flush();
}

void TextSink::Double(double value) {
  char text[32];
  buffer_.append(text, std::to_chars(text, text + sizeof text, value).ptr);
  if (buffer_.size() >= kChunk) Flush();
}

void TextSink::Integer(long long value) {
  char text[24];
  buffer_.append(text, std::to_chars(text, text + sizeof text, value).ptr);
  if (buffer_.size() >= kChunk) Flush();
}

bool WriteFileWhole(const std::string& path, const std::function<void(std::ostream&)>& write,
                    std::string* error) {
  namespace fs = std::filesystem;
  const auto fail = [&](const std::string& reason) {
    if (error) *error = reason;
    return false;
  };
  if (path.empty()) return fail("no file name");
  const fs::path target(path);
  fs::path temporary = target;
  temporary += ".partial";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return fail("cannot create " + temporary.string());
    write(out);
    out.close();
    if (out.fail()) {
      std::error_code ignored;
      fs::remove(temporary, ignored);
      return fail("cannot write " + temporary.string());
    }
  }
  std::error_code code;
  fs::rename(temporary, target, code);
  if (code) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return fail("cannot replace " + path + ": " + code.message());
  }
  return true;
}

}  // namespace sim
