// Names for the cases of value-parameterized tests.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace test {

// Names a case after its printed value (its PrintTo), reduced to the letters,
// digits and underscores a test name may hold and led by the case's index so
// that two cases that print alike stay apart: "3_layers_minus1". CTest then
// lists every case under a readable name that is the same in every build.
struct PrintedName {
  template <class Param>
  std::string operator()(const ::testing::TestParamInfo<Param>& info) const {
    std::string name = std::to_string(info.index);
    const std::string printed = ::testing::PrintToString(info.param);
    bool gap = true;
    for (size_t i = 0; i < printed.size(); ++i) {
      const auto c = static_cast<unsigned char>(printed[i]);
      const bool minus = c == '-' && i + 1 < printed.size() &&
                         std::isdigit(static_cast<unsigned char>(printed[i + 1]));
      if (std::isalnum(c) || minus) {
        if (gap) name += '_';
        name += minus ? std::string("minus") : std::string(1, static_cast<char>(c));
        gap = false;
      } else {
        gap = true;
      }
    }
    return name;
  }
};

}  // namespace test
