// The working state of one generator run: the step values read from the
// parameter record once at the start, and the running values that change
// from slot to slot, row to row and pass to pass.
//
// Every running value is single precision and every update is stored back
// as a float, so a run gives the same art for the same random draws as the
// 32-bit original. Counts and counters are 32-bit signed integers.
#pragma once

#include <cstdint>

#include "plugin/host/api/types.h"

struct RunState {
  // Read once at the start of the run; percents are factors and angles are
  // radians.
  float slotScaleStep;         // slot scale is multiplied by it after every slot
  float slotAngleStep;         // added to slot angle after every slot
  float rowScaleStep;          // row scale is multiplied by it after every row
  float rowAngleStep;          // added to row angle after every row
  float rowShiftH, rowShiftV;  // row j starts at the start point plus j times these
  float passOffsetH, passOffsetV;  // pass i adds i times these to every translation
  float startStepH, startStepV;    // per-pass changes of the running values below
  float slotStepStepH, slotStepStepV;
  float baseScaleStep;
  float baseAngleStep;
  float positionJitterStepH, positionJitterStepV;
  float scaleJitterStepH, scaleJitterStepV;
  float angleJitterStep;
  float passScaleStep;
  float passAngleStep;
  int32_t baseSlotCountStep;
  int32_t pulseStep;
  int32_t fillMode;
  bool randomSymbolPerSlot;
  bool orderedSymbolPerSlot;
  bool randomSymbolPerPass;
  bool orderedSymbolPerPass;
  bool linkProportional;
  bool randomSlotCount;
  bool breakLink;

  // Running values.
  float startH, startV;        // start point of the pass
  float slotStepH, slotStepV;  // move from one slot to the next
  float positionH, positionV;  // position of the current slot
  float baseScale, baseAngle;
  float passScale, passAngle;
  float rowScale, rowAngle;
  float slotScale, slotAngle;
  float positionJitterH, positionJitterV;
  float scaleJitterH, scaleJitterV;
  float angleJitter;
  int32_t pulse;         // the pulse counter's restart value; negative never restarts
  int32_t pulseCounter;
  int32_t baseSlotCount;
  int32_t slotCount;     // n, slots per row of the current pass
  int32_t rowCounter;    // advances once per row, wraps at n, carries across passes
  int32_t orderCounter;  // next symbol index of an ordered choice
  int32_t fillCount;     // slots of the current row chosen for filling
  int32_t pass;          // i
  int32_t slot;          // k

  DocumentHandle document;
  SymbolHandle symbol;  // the symbol the next instance is made of
};

// 32-bit signed addition that wraps like the host's integers instead of
// overflowing: a block written by a script may hold any values.
inline int32_t WrappingAdd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

// Float to integer by truncation toward zero. Values outside the 32-bit
// range saturate and NaN gives 0, where a plain conversion is undefined.
inline int32_t TruncateToInt32(float value) {
  if (value != value) return 0;
  if (value >= 2147483648.0f) return INT32_MAX;
  if (value <= -2147483648.0f) return INT32_MIN;
  return static_cast<int32_t>(value);
}

// The sign that a random draw gives a jitter: -1 above one half, else +1.
// The comparison is made in double precision.
inline float RandomSign(float draw) { return static_cast<double>(draw) > 0.5 ? -1.0f : 1.0f; }
