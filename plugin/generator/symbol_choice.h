// Which symbol the next instances are made of: a random or the next ordered
// symbol of the document, chosen at the start of every pass and for every
// slot.
#pragma once

#include "plugin/generator/run_state.h"

// Replaces the current symbol when either option is on: random takes
// precedence over ordered. A random choice takes one draw; an ordered choice
// takes the order counter's symbol and advances the counter, wrapping at the
// symbol count. With no symbols in the document, or when the host cannot
// give the symbol, the current symbol stays.
void ChooseSymbol(RunState& state, bool random, bool ordered);

// The choice at the start of a layer pass ("Symbols [R]" and "Ordered" of
// the layer factor page).
inline void ChoosePassSymbol(RunState& state) {
  ChooseSymbol(state, state.randomSymbolPerPass, state.orderedSymbolPerPass);
}

// The choice of every slot, filled or not (the headline page's options).
inline void ChooseSlotSymbol(RunState& state) {
  ChooseSymbol(state, state.randomSymbolPerSlot, state.orderedSymbolPerSlot);
}
