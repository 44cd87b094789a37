#include "plugin/generator/symbol_choice.h"

#include "plugin/host/suite_table.h"

namespace {

// Makes the symbol at index the current one, if the document has it.
void TakeSymbol(RunState& state, int32_t index, int32_t count) {
  if (index < 0 || index >= count) return;
  SymbolHandle symbol = nullptr;
  if (sSymbol()->GetNthSymbolPattern(state.document, index, &symbol) == kNoError) {
    state.symbol = symbol;
  }
}

}  // namespace

void ChooseSymbol(RunState& state, bool random, bool ordered) {
  if (!random && !ordered) return;

  int32_t count = 0;
  sSymbol()->CountSymbolPatterns(state.document, &count);

  if (random) {
    const float draw = sRandom()->FloatRnd();
    int32_t index = TruncateToInt32(draw * static_cast<float>(count));
    // A draw of 1, which the host should never give, would name the symbol
    // after the last one: keep the index in range.
    if (index >= count) index = count - 1;
    TakeSymbol(state, index, count);
    return;
  }

  TakeSymbol(state, state.orderCounter, count);
  state.orderCounter = WrappingAdd(state.orderCounter, 1);
  if (state.orderCounter >= count) state.orderCounter = 0;
}
