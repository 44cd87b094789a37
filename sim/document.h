// The stand-in host's document: symbols, layers in paint order, and the art
// in each layer.
//
// Art lives in one pool of small plain records, addressed by index; each
// layer keeps the indices of its art back to front. A run of the filter can
// make millions of instances, so nothing here allocates per art.
//
// Undo works on uses of the filter: BeginUse marks the document, and
// UndoChanges takes it back to that mark (new art, new layers, disposals and
// the receiving layer), leaving everything older alone.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "plugin/host/api/types.h"

namespace sim {

// Statuses of the document's operations.
constexpr Status kBadHandle = MakeCode("!hdl");     // a handle the document never gave, or disposed
constexpr Status kBadIndex = MakeCode("!idx");      // an index out of range
constexpr Status kNoSymbol = MakeCode("!sym");      // no symbol is selected in the palette
constexpr Status kBadParameter = MakeCode("parm");  // a null result pointer, an unsupported placement
constexpr Status kNoLayer = MakeCode("!lyr");       // the document has no layer to receive new art

// A rectangle in points, y growing upwards.
struct Bounds {
  Real left, bottom, right, top;
};

struct Symbol {
  std::string name;
  // The symbol's artwork: SVG markup, kept as given. Its coordinates are
  // ordinary SVG ones (y grows downwards): a point (x, y) of the markup is
  // the point (x, -y) of the symbol with y up.
  std::string artwork;
  Bounds bounds;  // of the artwork, in the symbol's y-up coordinates

  // The centre of the bounds: the point an instance's matrix treats as the
  // origin of the symbol, so that the matrix's translation is where it lands.
  Real centerX() const { return (bounds.left + bounds.right) * 0.5f; }
  Real centerY() const { return (bounds.bottom + bounds.top) * 0.5f; }
};

enum class ArtKind : uint8_t {
  kInstance = 0,  // a live instance of a symbol
  kGroup = 1,     // plain artwork: a copy of the symbol's artwork, made by breaking an instance
};

// One piece of art. The matrix maps the symbol's artwork, centred on the
// origin (the centre of its bounds at (0, 0)), onto the page.
struct Art {
  RealMatrix matrix;
  uint32_t symbol;
  uint16_t layer;
  ArtKind kind;
  bool alive;
};
static_assert(sizeof(Art) == 32, "art records stay small: a run can make millions");

// The art of a document, addressed by index. Records live in fixed-size
// blocks, so that growing never moves or copies them, and blocks emptied by
// an undo are kept for the next run.
class ArtPool {
 public:
  static constexpr uint32_t kBlockBits = 12;
  static constexpr uint32_t kBlockSize = 1u << kBlockBits;

  size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  const Art& operator[](size_t index) const { return blocks_[index >> kBlockBits][index & (kBlockSize - 1)]; }
  Art& operator[](size_t index) { return blocks_[index >> kBlockBits][index & (kBlockSize - 1)]; }
  void push_back(const Art& art) {
    if ((size_ >> kBlockBits) == blocks_.size()) AddBlock();
    (*this)[size_++] = art;
  }
  // Drops the records from index size on; their blocks stay allocated.
  void Truncate(size_t size) {
    if (size < size_) size_ = size;
  }
  // Bytes allocated for records and for the block list.
  size_t CapacityBytes() const {
    return blocks_.size() * kBlockSize * sizeof(Art) + blocks_.capacity() * sizeof(blocks_[0]);
  }

 private:
  void AddBlock();

  std::vector<std::unique_ptr<Art[]>> blocks_;
  size_t size_ = 0;
};

struct Layer {
  std::string name;
  // Indices into the art pool, back to front. May hold disposed art, which
  // is skipped: use Document::ForEachArt or test Art::alive.
  std::vector<uint32_t> paintOrder;
};

class Document {
 public:
  Document();

  // --- building a document (the user's own content) ---
  // Empties the document: no symbols, layers, art or selection, and no undo mark.
  void Clear();
  // Adds a symbol at the end of the document's list; returns its index.
  uint32_t AddSymbol(std::string name, std::string artwork, Bounds bounds);
  // Adds a layer above all others; returns its index, or -1 when the
  // document has as many layers as it can hold (65536).
  int32_t AddLayer(std::string name);
  // Sets the layer that receives new art; false when there is no such layer.
  bool SetReceivingLayer(uint32_t layer);
  // Selects a symbol in the palette (-1: none); false when there is no such symbol.
  bool SelectSymbol(int32_t symbol);

  // --- what is in it ---
  const std::vector<Symbol>& symbols() const { return symbols_; }
  const std::vector<Layer>& layers() const { return layers_; }
  const ArtPool& art() const { return art_; }  // the whole pool, disposed art included
  uint32_t receivingLayer() const { return receivingLayer_; }
  int32_t currentSymbol() const { return currentSymbol_; }  // -1: none
  size_t liveArtCount() const { return liveArt_; }
  size_t liveCount(ArtKind kind) const;
  int64_t redrawCount() const { return redraws_; }
  // Bytes held by the containers that grow with the art (capacities).
  size_t ArtMemoryBytes() const;

  // Calls f(layerIndex, artIndex, art) for every live art, bottom layer
  // first, back to front within a layer.
  template <typename F>
  void ForEachArt(F&& f) const {
    for (uint32_t l = 0; l < layers_.size(); ++l)
      for (uint32_t index : layers_[l].paintOrder)
        if (art_[index].alive) f(l, index, art_[index]);
  }

  // --- handles: opaque to the plug-in, checked when they come back ---
  DocumentHandle documentHandle() const;
  bool IsDocument(DocumentHandle document) const { return document == documentHandle(); }
  static ArtHandle ArtHandleOf(uint32_t art);
  static LayerHandle LayerHandleOf(uint32_t layer);
  static SymbolHandle SymbolHandleOf(uint32_t symbol);
  // The index behind a handle; false for a null, unknown or disposed one.
  bool ArtOf(ArtHandle handle, uint32_t* art) const;
  bool LayerOf(LayerHandle handle, uint32_t* layer) const;
  bool SymbolOf(SymbolHandle handle, uint32_t* symbol) const;

  // --- the host's operations ---
  // Marks the start of one use of the filter: UndoChanges takes the
  // document back to this point.
  void BeginUse();
  // Removes every change made since the last BeginUse: new art and layers
  // go, disposed older art comes back, the receiving layer is restored.
  void UndoChanges();
  void Redraw() { ++redraws_; }
  // A new instance of symbol centred on center, on top of the receiving layer.
  Status NewInstance(uint32_t symbol, RealPoint center, uint32_t* art);
  // Plain artwork made from an instance, just behind it in its layer; the
  // instance stays until it is disposed of.
  Status BreakLink(uint32_t instance, uint32_t* group);
  Status Dispose(uint32_t art);
  // A new layer above all others, which receives the art made after it.
  Status InsertLayerOnTop(uint32_t* layer);
  // An instance's matrix (the soft transform); plain artwork has none.
  Status GetMatrix(uint32_t art, RealMatrix* matrix) const;
  Status SetMatrix(uint32_t art, const RealMatrix& matrix);

 private:
  static constexpr uint32_t kClean = UINT32_MAX;

  void MarkDirty(uint32_t layer, uint32_t position);

  std::vector<Symbol> symbols_;
  std::vector<Layer> layers_;
  ArtPool art_;
  uint32_t receivingLayer_ = 0;
  int32_t currentSymbol_ = -1;
  size_t liveArt_ = 0;
  int64_t redraws_ = 0;

  // The undo mark: the state at BeginUse. Art at index artMark or above and
  // layers at layerMark or above are new in this use.
  struct Mark {
    uint32_t art = 0;
    uint32_t layers = 0;
    uint32_t receivingLayer = 0;
    size_t liveArt = 0;
  } mark_;
  // Older art disposed of in this use, to bring back, and older art whose
  // matrix this use changed, with the matrix it had before (in order).
  std::vector<uint32_t> disposedOlder_;
  struct MatrixChange {
    uint32_t art;
    RealMatrix before;
  };
  std::vector<MatrixChange> movedOlder_;
  // Per older layer, the lowest paint-order position where this use put art
  // (kClean: none), and the list of such layers.
  std::vector<uint32_t> dirtyFrom_;
  std::vector<uint32_t> dirtyLayers_;
  // Paint orders of layers removed by an undo, emptied, kept for the layers
  // of the next run.
  std::vector<std::vector<uint32_t>> spareOrders_;
};

}  // namespace sim
