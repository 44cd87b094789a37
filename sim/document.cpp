#include "sim/document.h"

#include <algorithm>
#include <cstddef>

#include "sim/real_math.h"

namespace sim {
namespace {

// Handles carry their kind in the two low bits, so that one kind of handle
// passed for another is caught, and index + 1 above them, so that null is
// never a valid handle.
enum HandleTag : uintptr_t { kArtTag = 1, kLayerTag = 2, kSymbolTag = 3 };
constexpr uint32_t kMaxIndex = (UINT32_MAX >> 2) - 1;
constexpr uint32_t kMaxLayer = UINT16_MAX;  // Art::layer is 16 bits

uintptr_t Encode(uint32_t index, HandleTag tag) {
  return ((static_cast<uintptr_t>(index) + 1) << 2) | tag;
}
bool Decode(const void* handle, HandleTag tag, uint32_t* index) {
  const uintptr_t bits = reinterpret_cast<uintptr_t>(handle);
  if ((bits & 3) != tag || (bits >> 2) == 0 || (bits >> 2) > uintptr_t{kMaxIndex} + 1) return false;
  *index = static_cast<uint32_t>((bits >> 2) - 1);
  return true;
}

}  // namespace

void ArtPool::AddBlock() {
  // Left uninitialised: every record is written before it is read.
  blocks_.emplace_back(new Art[kBlockSize]);
}

Document::Document() = default;

void Document::Clear() { *this = Document(); }

uint32_t Document::AddSymbol(std::string name, std::string artwork, Bounds bounds) {
  symbols_.push_back({std::move(name), std::move(artwork), bounds});
  return static_cast<uint32_t>(symbols_.size() - 1);
}

int32_t Document::AddLayer(std::string name) {
  if (layers_.size() > kMaxLayer) return -1;
  layers_.push_back({std::move(name), {}});
  if (!spareOrders_.empty()) {
    layers_.back().paintOrder = std::move(spareOrders_.back());
    spareOrders_.pop_back();
  }
  return static_cast<int32_t>(layers_.size() - 1);
}

bool Document::SetReceivingLayer(uint32_t layer) {
  if (layer >= layers_.size()) return false;
  receivingLayer_ = layer;
  return true;
}

bool Document::SelectSymbol(int32_t symbol) {
  if (symbol < -1 || (symbol >= 0 && static_cast<size_t>(symbol) >= symbols_.size())) return false;
  currentSymbol_ = symbol;
  return true;
}

size_t Document::liveCount(ArtKind kind) const {
  size_t count = 0;
  for (size_t i = 0; i < art_.size(); ++i) count += art_[i].alive && art_[i].kind == kind;
  return count;
}

size_t Document::ArtMemoryBytes() const {
  size_t bytes = art_.CapacityBytes() + layers_.capacity() * sizeof(Layer) +
                 spareOrders_.capacity() * sizeof(spareOrders_[0]);
  for (const Layer& layer : layers_) bytes += layer.paintOrder.capacity() * sizeof(uint32_t);
  for (const auto& order : spareOrders_) bytes += order.capacity() * sizeof(uint32_t);
  bytes += disposedOlder_.capacity() * sizeof(uint32_t) +
           movedOlder_.capacity() * sizeof(MatrixChange) +
           (dirtyFrom_.capacity() + dirtyLayers_.capacity()) * sizeof(uint32_t);
  return bytes;
}

DocumentHandle Document::documentHandle() const {
  return reinterpret_cast<DocumentHandle>(const_cast<Document*>(this));
}
ArtHandle Document::ArtHandleOf(uint32_t art) { return reinterpret_cast<ArtHandle>(Encode(art, kArtTag)); }
LayerHandle Document::LayerHandleOf(uint32_t layer) {
  return reinterpret_cast<LayerHandle>(Encode(layer, kLayerTag));
}
SymbolHandle Document::SymbolHandleOf(uint32_t symbol) {
  return reinterpret_cast<SymbolHandle>(Encode(symbol, kSymbolTag));
}

bool Document::ArtOf(ArtHandle handle, uint32_t* art) const {
  uint32_t index;
  if (!Decode(handle, kArtTag, &index) || index >= art_.size() || !art_[index].alive) return false;
  *art = index;
  return true;
}
bool Document::LayerOf(LayerHandle handle, uint32_t* layer) const {
  uint32_t index;
  if (!Decode(handle, kLayerTag, &index) || index >= layers_.size()) return false;
  *layer = index;
  return true;
}
bool Document::SymbolOf(SymbolHandle handle, uint32_t* symbol) const {
  uint32_t index;
  if (!Decode(handle, kSymbolTag, &index) || index >= symbols_.size()) return false;
  *symbol = index;
  return true;
}

void Document::BeginUse() {
  for (uint32_t layer : dirtyLayers_) dirtyFrom_[layer] = kClean;
  dirtyLayers_.clear();
  disposedOlder_.clear();
  movedOlder_.clear();
  mark_.art = static_cast<uint32_t>(art_.size());
  mark_.layers = static_cast<uint32_t>(layers_.size());
  mark_.receivingLayer = receivingLayer_;
  mark_.liveArt = liveArt_;
  dirtyFrom_.assign(layers_.size(), kClean);
}

void Document::MarkDirty(uint32_t layer, uint32_t position) {
  if (layer >= mark_.layers) return;  // a new layer goes as a whole
  if (dirtyFrom_[layer] == kClean) dirtyLayers_.push_back(layer);
  if (position < dirtyFrom_[layer]) dirtyFrom_[layer] = position;
}

void Document::UndoChanges() {
  const uint32_t firstNew = mark_.art;
  for (uint32_t layer : dirtyLayers_) {
    std::vector<uint32_t>& order = layers_[layer].paintOrder;
    const auto from = order.begin() + dirtyFrom_[layer];
    order.erase(std::remove_if(from, order.end(), [firstNew](uint32_t art) { return art >= firstNew; }),
                order.end());
    dirtyFrom_[layer] = kClean;
  }
  dirtyLayers_.clear();
  while (layers_.size() > mark_.layers) {
    spareOrders_.push_back(std::move(layers_.back().paintOrder));
    spareOrders_.back().clear();
    layers_.pop_back();
  }
  art_.Truncate(mark_.art);
  for (uint32_t art : disposedOlder_) art_[art].alive = true;
  disposedOlder_.clear();
  for (auto change = movedOlder_.rbegin(); change != movedOlder_.rend(); ++change)
    art_[change->art].matrix = change->before;
  movedOlder_.clear();
  receivingLayer_ = mark_.receivingLayer;
  liveArt_ = mark_.liveArt;
}

Status Document::NewInstance(uint32_t symbol, RealPoint center, uint32_t* art) {
  if (symbol >= symbols_.size()) return kBadHandle;
  if (receivingLayer_ >= layers_.size()) return kNoLayer;
  if (art_.size() > kMaxIndex) return kOutOfMemory;
  const uint32_t index = static_cast<uint32_t>(art_.size());
  art_.push_back({TranslationMatrix(center.h, center.v), symbol, static_cast<uint16_t>(receivingLayer_),
                  ArtKind::kInstance, true});
  std::vector<uint32_t>& order = layers_[receivingLayer_].paintOrder;
  MarkDirty(receivingLayer_, static_cast<uint32_t>(order.size()));
  order.push_back(index);
  ++liveArt_;
  *art = index;
  return kNoError;
}

Status Document::BreakLink(uint32_t instance, uint32_t* group) {
  if (instance >= art_.size() || !art_[instance].alive) return kBadHandle;
  if (art_[instance].kind != ArtKind::kInstance) return kBadParameter;
  if (art_.size() > kMaxIndex) return kOutOfMemory;
  const Art source = art_[instance];
  std::vector<uint32_t>& order = layers_[source.layer].paintOrder;
  // Usually the instance was just made, on top: look from the top down.
  auto place = std::find(order.rbegin(), order.rend(), instance);
  const size_t position = static_cast<size_t>(order.rend() - place) - 1;
  const uint32_t index = static_cast<uint32_t>(art_.size());
  art_.push_back({source.matrix, source.symbol, source.layer, ArtKind::kGroup, true});
  order.insert(order.begin() + static_cast<std::ptrdiff_t>(position), index);
  MarkDirty(source.layer, static_cast<uint32_t>(position));
  ++liveArt_;
  *group = index;
  return kNoError;
}

Status Document::Dispose(uint32_t art) {
  if (art >= art_.size() || !art_[art].alive) return kBadHandle;
  Art& record = art_[art];
  record.alive = false;
  --liveArt_;
  if (art < mark_.art) {
    // Older art keeps its place in the paint order, to come back on undo.
    disposedOlder_.push_back(art);
  } else {
    // New art on top of its layer (the common case: an instance just
    // broken into plain art) leaves the order at once; elsewhere it stays
    // as a disposed entry, skipped when drawn.
    std::vector<uint32_t>& order = layers_[record.layer].paintOrder;
    if (!order.empty() && order.back() == art) order.pop_back();
  }
  return kNoError;
}

Status Document::InsertLayerOnTop(uint32_t* layer) {
  const int32_t index = AddLayer("Layer " + std::to_string(layers_.size() + 1));
  if (index < 0) return kOutOfMemory;
  receivingLayer_ = static_cast<uint32_t>(index);
  *layer = receivingLayer_;
  return kNoError;
}

Status Document::GetMatrix(uint32_t art, RealMatrix* matrix) const {
  if (art >= art_.size() || !art_[art].alive) return kBadHandle;
  if (art_[art].kind != ArtKind::kInstance) return kBadParameter;
  *matrix = art_[art].matrix;
  return kNoError;
}

Status Document::SetMatrix(uint32_t art, const RealMatrix& matrix) {
  if (art >= art_.size() || !art_[art].alive) return kBadHandle;
  if (art_[art].kind != ArtKind::kInstance) return kBadParameter;
  if (art < mark_.art) movedOlder_.push_back({art, art_[art].matrix});
  art_[art].matrix = matrix;
  return kNoError;
}

}  // namespace sim
