#include "plugin/generator/fill_test.h"

#include "plugin/host/suite_table.h"

namespace {

// A draw strictly above a double-precision threshold.
bool DrawAbove(double threshold) {
  return static_cast<double>(sRandom()->FloatRnd()) > threshold;
}

bool IsEven(int32_t value) { return (value & 1) == 0; }

}  // namespace

bool IsSlotFilled(int32_t fillMode, int32_t pass, int32_t slot, int32_t slotCount,
                  int32_t rowCounter, int32_t fillCount) {
  // Compared as unsigned, so that negative modes fall to the default too.
  switch (static_cast<uint32_t>(fillMode)) {
    case 0:
      return true;
    case 1:
      return DrawAbove(0.5);
    case 2:
      return DrawAbove(0.7);
    case 3:
      return DrawAbove(0.2);
    case 4:
      return IsEven(slot);
    case 5:
      return IsEven(pass) || IsEven(slot);
    case 6:
      // i + k is even exactly when i and k have the same parity; this form
      // cannot overflow.
      return IsEven(pass ^ slot);
    case 7:
      return slot == rowCounter;
    case 8:
      return slot == slotCount - 1 - rowCounter || slot == rowCounter;
    case 9:
      return slot % 3 == 0;
    case 10:
      return fillCount < 3 && DrawAbove(0.5);
    default:
      return true;
  }
}
