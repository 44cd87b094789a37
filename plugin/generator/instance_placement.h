// The scale pair and angle of a slot, and the making and placing of the
// slot's symbol instance.
#pragma once

#include "plugin/generator/run_state.h"

struct SlotTransform {
  float sx, sy;  // 1 is 100 %
  float angle;   // radians
};

// Computes the slot's scale pair and angle from the running values with
// their random jitter. Runs for every slot, filled or not, and always takes
// six draws: a sign and an amount for each of horizontal scale, vertical
// scale and angle.
SlotTransform ComputeSlotTransform(const RunState& state);

// Makes an instance of the current symbol centred on the origin, scales it,
// turns it and moves it to the slot's position plus the pass offset and the
// position jitter (four draws, only once the host has made the instance).
// With break link on, the instance is replaced by plain artwork. A failure
// to make the instance leaves the slot empty; no other status matters.
void PlaceInstance(const RunState& state, const SlotTransform& transform);
