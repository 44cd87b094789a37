// The "AI User Suite": numbers to counted strings and back.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "sim/host.h"
#include "sim/status_text.h"
#include "sim/suites/registry.h"

namespace sim {
namespace {

Status NumberToString(Real value, int16_t decimalPlaces, unsigned char* text) {
  Host& host = Host::Current();
  const Status status = host.Enter(Op::NumberToString);
  char digits[64] = "";
  if (status == kNoError) {
    const int places = decimalPlaces < 0 ? 0 : (decimalPlaces > 20 ? 20 : decimalPlaces);
    std::snprintf(digits, sizeof digits, "%.*f", places, static_cast<double>(value));
    const size_t length = std::strlen(digits);
    text[0] = static_cast<unsigned char>(length);
    std::memcpy(text + 1, digits, length);
  }
  if (host.tracing())
    host.Trace("NumberToString " + std::to_string(value) + " " + std::to_string(decimalPlaces) +
               " = " + Quote(digits) + " -> " + FormatStatus(status));
  return status;
}

Status StringToNumber(const unsigned char* text, Real* value) {
  Host& host = Host::Current();
  Status status = host.Enter(Op::StringToNumber);
  const std::string input(reinterpret_cast<const char*>(text + 1), text[0]);
  if (status == kNoError) {
    char* end = nullptr;
    const double number = std::strtod(input.c_str(), &end);
    if (end == input.c_str()) status = MakeCode("!num");
    else *value = static_cast<Real>(number);
  }
  if (host.tracing()) host.Trace("StringToNumber " + Quote(input) + " -> " + FormatStatus(status));
  return status;
}

}  // namespace

const AIUserSuite kUserSuiteTable = {NumberToString, StringToNumber};

}  // namespace sim
