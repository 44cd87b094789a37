#include "plugin/generator/go_filter.h"

#include "plugin/generator/generate_symbols.h"
#include "plugin/params/param_block.h"

Status GoFilter(FilterMessage* message) {
  // A go message for a filter that never had its parameters is answered
  // without generating: there are no values to generate from.
  if (message == nullptr || message->parameters == nullptr || *message->parameters == nullptr) {
    return kNoError;
  }
  ParamBlock* block = static_cast<ParamBlock*>(*message->parameters);
  block->slot[kSlotRunFromGo].i = 1;
  return GenerateSymbols(*block);
}
