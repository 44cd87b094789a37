#include "sim/operations.h"

namespace sim {
namespace {

struct OpInfo {
  std::string_view name;
  bool canFail;
};

constexpr OpInfo kOps[] = {
#define QUILLANE_OP_INFO(id, name, fails) {name, fails},
    QUILLANE_HOST_OPERATIONS(QUILLANE_OP_INFO)
#undef QUILLANE_OP_INFO
};

}  // namespace

std::string_view OpName(Op op) { return kOps[static_cast<int>(op)].name; }
bool OpCanFail(Op op) { return kOps[static_cast<int>(op)].canFail; }

std::optional<Op> FailableOpByName(std::string_view name) {
  for (int i = 0; i < kOpCount; ++i)
    if (kOps[i].canFail && kOps[i].name == name) return static_cast<Op>(i);
  return std::nullopt;
}

}  // namespace sim
