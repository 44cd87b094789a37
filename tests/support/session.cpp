#include "tests/support/session.h"

#include <gtest/gtest.h>

#include "sim/script.h"

namespace test {

Session::Session() : host_(out_) {
  std::string error;
  if (!host_.LoadModule(QUILLANE_MODULE_PATH, &error)) ADD_FAILURE() << error;
  host_.journal().Enable(true);
}

std::string Session::Run(const std::string& script) {
  std::string error;
  const auto parsed = sim::Script::Parse(script, &error);
  if (!parsed) {
    ADD_FAILURE() << "bad script: " << error;
    return "";
  }
  const size_t before = out_.str().size();
  if (!parsed->Run(host_, &error)) ADD_FAILURE() << "script stopped: " << error;
  return out_.str().substr(before);
}

std::vector<std::string> Session::MessageJournal(const std::string& marker) const {
  const auto& lines = host_.journal().lines();
  size_t start = lines.size();
  for (size_t i = lines.size(); i-- > 0;)
    if (lines[i] == marker) {
      start = i;
      break;
    }
  std::vector<std::string> result;
  int depth = 0;
  for (size_t i = start; i < lines.size(); ++i) {
    result.push_back(lines[i]);
    if (lines[i].rfind("> ", 0) == 0) ++depth;
    if (lines[i].rfind("< ", 0) == 0 && --depth == 0) break;
  }
  return result;
}

int CountPrefix(const std::vector<std::string>& lines, const std::string& prefix) {
  int count = 0;
  for (const std::string& line : lines)
    if (line.rfind(prefix, 0) == 0) ++count;
  return count;
}

}  // namespace test
