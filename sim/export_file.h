// What the document exports share: a fast buffered text writer, and writing
// a file whole or not at all.
#pragma once

#include <cstddef>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>

#include "plugin/host/api/types.h"

namespace sim {

// Collects text in a buffer and hands it to the stream in large pieces.
// Numbers are formatted with std::to_chars, never through the stream.
class TextSink {
 public:
  explicit TextSink(std::ostream& out) : out_(out) { buffer_.reserve(kChunk + 256); }
  TextSink(const TextSink&) = delete;
  TextSink& operator=(const TextSink&) = delete;
  ~TextSink() { Flush(); }

  TextSink& operator<<(std::string_view text) {
    buffer_.append(text);
    if (buffer_.size() >= kChunk) Flush();
    return *this;
  }
  TextSink& operator<<(char c) {
    buffer_.push_back(c);
    return *this;
  }
  // The shortest text that reads back as the same float.
  void Real(::Real value);
  // The same for a double.
  void Double(double value);
  void Integer(long long value);
  void Flush() {
    out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    buffer_.clear();
  }

 private:
  static constexpr size_t kChunk = 1 << 16;
  std::ostream& out_;
  std::string buffer_;
};

// Writes the file at path through write, into a temporary file in the same
// folder that then replaces path, so that path holds either the whole new
// text or what it held before. On failure returns false with the reason
// in *error (when error is not null), and no temporary file is left.
bool WriteFileWhole(const std::string& path, const std::function<void(std::ostream&)>& write,
                    std::string* error);

}  // namespace sim
