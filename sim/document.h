// The stand-in host's document: symbols, layers in paint order, and the art
// in each layer.
#pragma once

namespace sim {

class Document {
 public:
  // Marks the start of one use of the filter: UndoChanges takes the
  // document back to this point.
  void BeginUse() {}
};

}  // namespace sim
