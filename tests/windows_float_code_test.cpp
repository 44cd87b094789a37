// How the 32-bit Windows build computes in single precision. On 32-bit x86
// a float expression may be evaluated by the x87 unit in 80-bit registers,
// which keeps excess precision and gives other results than the 64-bit
// builds; the build asks for SSE arithmetic instead. There is no 32-bit
// Windows to run code on here, so these tests read the compiled code:
// x87 arithmetic instructions must not appear in the plug-in's own code.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace {

// Mnemonic lists per function, from objdump's disassembly of a file.
using Disassembly = std::map<std::string, std::vector<std::string>>;

Disassembly Disassemble(const std::string& path) {
  const std::string command = std::string(QUILLANE_MINGW32_OBJDUMP) + " -d -C --no-show-raw-insn '" + path + "' 2>&1";
  Disassembly functions;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) {
    ADD_FAILURE() << "cannot run " << command;
    return functions;
  }
  static const std::regex label(R"(^[0-9a-f]+ <(.+)>:$)");
  static const std::regex instruction(R"(^\s+[0-9a-f]+:\t([a-z0-9]+))");
  std::string output, line, function;
  char buffer[4096];
  while (fgets(buffer, sizeof buffer, pipe) != nullptr) {
    line = buffer;
    output += line;
    if (!line.empty() && line.back() == '\n') line.pop_back();
    std::smatch match;
    if (std::regex_search(line, match, label)) function = match[1];
    else if (!function.empty() && std::regex_search(line, match, instruction)) functions[function].push_back(match[1]);
  }
  EXPECT_EQ(pclose(pipe), 0) << output;
  return functions;
}

// x87 instructions that compute (loads, stores, exchanges and control-word
// moves only carry values and are exact).
bool IsX87Arithmetic(const std::string& mnemonic) {
  static const std::regex arithmetic(
      "fi?(add|sub|subr|mul|div|divr)p?[sl]?|fsqrt|fprem1?|fscale|frndint|fsin|fcos|fsincos|fptan|fpatan|"
      "f2xm1|fyl2x|fyl2xp1");
  return std::regex_match(mnemonic, arithmetic);
}

bool IsSseSingleArithmetic(const std::string& mnemonic) {
  static const std::regex arithmetic("(add|sub|mul|div|sqrt|min|max)ss");
  return std::regex_match(mnemonic, arithmetic);
}

std::vector<std::string> X87ArithmeticIn(const std::vector<std::string>& code) {
  std::vector<std::string> found;
  for (const std::string& mnemonic : code)
    if (IsX87Arithmetic(mnemonic)) found.push_back(mnemonic);
  return found;
}

std::string Library(const char* name) { return std::string(QUILLANE_WIN32_DIR) + "/lib/" + name; }

TEST(WindowsFloatCode, TheMnemonicTestsTellX87FromSse) {
  const std::pair<const char*, bool> x87[] = {
      {"fadd", true}, {"faddp", true}, {"fadds", true}, {"fiaddl", true}, {"fsubrp", true},
      {"fmuls", true}, {"fdivrl", true}, {"fsqrt", true}, {"fsin", true},
      {"flds", false}, {"fstps", false}, {"fistpll", false}, {"fldcw", false}, {"fxch", false},
      {"addss", false}, {"fild", false},
  };
  for (const auto& [mnemonic, arithmetic] : x87) EXPECT_EQ(IsX87Arithmetic(mnemonic), arithmetic) << mnemonic;
  EXPECT_TRUE(IsSseSingleArithmetic("mulss"));
  EXPECT_FALSE(IsSseSingleArithmetic("mulsd"));
  EXPECT_FALSE(IsSseSingleArithmetic("movss"));
}

// 2^24 + 1 - 2^24: 0 in single precision, 1 with x87 excess precision.
TEST(WindowsFloatCode, TheProbeSumIsComputedWithSseSingles) {
  const Disassembly code = Disassemble(Library("libexcess_precision_probe.a"));
  ASSERT_EQ(code.count("ProbeSum"), 1u);
  const std::vector<std::string>& sum = code.at("ProbeSum");
  EXPECT_EQ(X87ArithmeticIn(sum), std::vector<std::string>{});
  EXPECT_EQ(std::count(sum.begin(), sum.end(), "addss"), 1);
  EXPECT_EQ(std::count(sum.begin(), sum.end(), "subss"), 1);
}

// The same source with x87 arithmetic forced: the check above would see it.
TEST(WindowsFloatCode, ForcedX87ArithmeticIsSeen) {
  const Disassembly code = Disassemble(Library("libexcess_precision_probe_x87.a"));
  ASSERT_EQ(code.count("ProbeSum"), 1u);
  EXPECT_EQ(X87ArithmeticIn(code.at("ProbeSum")).size(), 2u);
}

TEST(WindowsFloatCode, ThePluginComputesNoFloatOnTheX87) {
  size_t sseArithmetic = 0;
  bool generatorRead = false;
  for (const char* library : {"libquillane_plugin_core.a", "libquillane_param_block.a"}) {
    for (const auto& [function, code] : Disassemble(Library(library))) {
      generatorRead = generatorRead || function.rfind("GenerateSymbols(", 0) == 0;
      EXPECT_EQ(X87ArithmeticIn(code), std::vector<std::string>{}) << library << ": " << function;
      sseArithmetic += std::count_if(code.begin(), code.end(), IsSseSingleArithmetic);
    }
  }
  // The code read is the plug-in's, float arithmetic included.
  EXPECT_TRUE(generatorRead);
  EXPECT_GT(sseArithmetic, 0u);
}

}  // namespace
