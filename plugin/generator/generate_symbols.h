// The generator: turns a parameter record into symbol instances in the
// host's current document.
#pragma once

#include "plugin/host/api/types.h"
#include "plugin/params/param_block.h"

// Runs the generator on the block: takes back the previous run's changes,
// makes the layer passes, rows and slots of instances, and redraws the
// document when the run is a preview (slot 60 is 0).
//
// When slots 60 and 61 are both set, a preview made from these values is
// already in the document: slot 61 is cleared and nothing else is done.
//
// Returns 0 on success, in that early exit and when no symbol is selected
// in the palette; otherwise the status of the failed undo, document query
// or layer insertion. Changes no slot of the block but slot 61.
Status GenerateSymbols(ParamBlock& block);
