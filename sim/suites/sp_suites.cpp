// The basic suite, the "SP Blocks Suite", the "AI MdMemory Suite" and the
// "SP Access Suite".
#include <cstring>

#include "sim/host.h"
#include "sim/status_text.h"
#include "sim/suites/registry.h"

namespace sim {
namespace {

Status AcquireSuite(const char* name, int32_t version, const void** suite) {
  return Host::Current().AcquireSuite(name, version, suite);
}
Status ReleaseSuite(const char* name, int32_t version) {
  return Host::Current().ReleaseSuite(name, version);
}
int32_t IsEqual(const char* a, const char* b) {
  Host& host = Host::Current();
  host.Enter(Op::IsEqual);
  const int32_t equal = std::strcmp(a, b) == 0 ? 1 : 0;
  if (host.tracing()) host.Trace("IsEqual " + Quote(a) + " " + Quote(b) + " = " + std::to_string(equal));
  return equal;
}

Status AllocateBlock(uint32_t size, const char* name, void** block) {
  return Host::Current().AllocateBlock(size, name, block);
}
Status FreeBlock(void* block) { return Host::Current().FreeBlock(block); }
Status NewHandle(uint32_t size, MemoryHandle* handle) {
  return Host::Current().NewHandle(size, handle);
}

const BasicSuite kBasicSuiteTable = {AcquireSuite, ReleaseSuite, IsEqual};

}  // namespace

const BasicSuite* BasicSuiteTable() { return &kBasicSuiteTable; }

const SPBlocksSuite kSPBlocksSuiteTable = {AllocateBlock, FreeBlock};
const AIMdMemorySuite kMdMemorySuiteTable = {NewHandle};
const SPAccessSuite kSPAccessSuiteTable = {nullptr};
const AIPathSuite kPathSuiteTable = {nullptr};
const ADMIconSuite kADMIconSuiteTable = {nullptr};
const ADMNotifierSuite kADMNotifierSuiteTable = {nullptr};

}  // namespace sim
