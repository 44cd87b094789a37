// The document side of the host: the "AI Undo Suite", "AI Document Suite",
// "AI Symbol Palette Suite", "AI Symbol Suite", "AI Art Suite" and
// "AI Layer Suite", all working on the host's one document.
//
// Each operation is counted and may be made to fail first (Host::Enter); a
// failed call changes nothing. Handles that come back from the plug-in are
// checked, never trusted.
#include <string>

#include "sim/document.h"
#include "sim/host.h"
#include "sim/real_math.h"
#include "sim/status_text.h"
#include "sim/suites/registry.h"

namespace sim {
namespace {

// Journal texts for the values the operations pass around.
std::string ArtText(const Document& document, ArtHandle art) {
  uint32_t index;
  return document.ArtOf(art, &index) ? "art " + std::to_string(index) : "art (bad)";
}
std::string SymbolText(const Document& document, SymbolHandle symbol) {
  uint32_t index;
  return document.SymbolOf(symbol, &index) ? "symbol " + std::to_string(index) : "symbol (bad)";
}
std::string PointText(RealPoint point) { return "(" + RealText(point.h) + ", " + RealText(point.v) + ")"; }
std::string ReferenceText(const void* reference) { return reference ? "reference" : "null"; }

Status UndoChanges() {
  Host& host = Host::Current();
  const Status status = host.Enter(Op::UndoChanges);
  if (status == kNoError) host.document().UndoChanges();
  if (host.tracing()) host.Trace("UndoChanges -> " + FormatStatus(status));
  return status;
}

Status QueryDocument(DocumentInfo* info) {
  Host& host = Host::Current();
  Status status = host.Enter(Op::QueryDocument);
  if (status == kNoError && info == nullptr) status = kBadParameter;
  if (status == kNoError) {
    const Document& document = host.document();
    info->layerCount = static_cast<int32_t>(document.layers().size());
    info->symbolCount = static_cast<int32_t>(document.symbols().size());
    info->artCount = static_cast<int32_t>(document.liveArtCount());
  }
  if (host.tracing()) host.Trace("QueryDocument -> " + FormatStatus(status));
  return status;
}

Status GetDocument(DocumentHandle* document) {
  Host& host = Host::Current();
  Status status = host.Enter(Op::GetDocument);
  if (status == kNoError && document == nullptr) status = kBadParameter;
  if (status == kNoError) *document = host.document().documentHandle();
  if (host.tracing()) host.Trace("GetDocument -> " + FormatStatus(status));
  return status;
}

Status RedrawDocument() {
  Host& host = Host::Current();
  const Status status = host.Enter(Op::RedrawDocument);
  if (status == kNoError) host.document().Redraw();
  if (host.tracing()) host.Trace("RedrawDocument -> " + FormatStatus(status));
  return status;
}

Status GetCurrentSymbol(SymbolHandle* symbol) {
  Host& host = Host::Current();
  Status status = host.Enter(Op::GetCurrentSymbol);
  const int32_t current = host.document().currentSymbol();
  if (status == kNoError && symbol == nullptr) status = kBadParameter;
  if (status == kNoError && current < 0) status = kNoSymbol;
  if (status == kNoError) *symbol = Document::SymbolHandleOf(static_cast<uint32_t>(current));
  if (host.tracing())
    host.Trace("GetCurrentSymbol" + (status == kNoError ? " symbol " + std::to_string(current) : "") +
               " -> " + FormatStatus(status));
  return status;
}

Status CountSymbolPatterns(DocumentHandle document, int32_t* count) {
  Host& host = Host::Current();
  Status status = host.Enter(Op::CountSymbolPatterns);
  const Document& doc = host.document();
  if (status == kNoError && !doc.IsDocument(document)) status = kBadHandle;
  if (status == kNoError && count == nullptr) status = kBadParameter;
  if (status == kNoError) *count = static_cast<int32_t>(doc.symbols().size());
  if (host.tracing())
    host.Trace("CountSymbolPatterns" + (status == kNoError ? " = " + std::to_string(*count) : "") +
               " -> " + FormatStatus(status));
  return status;
}

Status GetNthSymbolPattern(DocumentHandle document, int32_t index, SymbolHandle* symbol) {
  Host& host = Host::Current();
  Status status = host.Enter(Op::GetNthSymbolPattern);
  const Document& doc = host.document();
  if (status == kNoError && !doc.IsDocument(document)) status = kBadHandle;
  if (status == kNoError && symbol == nullptr) status = kBadParameter;
  if (status == kNoError && (index < 0 || static_cast<size_t>(index) >= doc.symbols().size()))
    status = kBadIndex;
  if (status == kNoError) *symbol = Document::SymbolHandleOf(static_cast<uint32_t>(index));
  if (host.tracing())
    host.Trace("GetNthSymbolPattern " + std::to_string(index) + " -> " + FormatStatus(status));
  return status;
}

Status NewInstanceCenteredInArt(SymbolHandle symbol, RealPoint center, int16_t paintOrder,
                                ArtHandle reference, ArtHandle* instance) {
  Host& host = Host::Current();
  Status status = host.Enter(Op::NewInstanceCenteredInArt);
  Document& document = host.document();
  uint32_t symbolIndex = 0, art = 0;
  if (status == kNoError && !document.SymbolOf(symbol, &symbolIndex)) status = kBadHandle;
  // New art goes on top of the receiving layer; other placements are not offered.
  if (status == kNoError && (paintOrder != kPlaceAboveAll || reference != nullptr || instance == nullptr))
    status = kBadParameter;
  if (status == kNoError) status = document.NewInstance(symbolIndex, center, &art);
  if (status == kNoError) *instance = Document::ArtHandleOf(art);
  if (host.tracing())
    host.Trace("NewInstanceCenteredInArt " + SymbolText(document, symbol) + " " + PointText(center) + " " +
               std::to_string(paintOrder) + " " + ReferenceText(reference) +
               (status == kNoError ? " = art " + std::to_string(art) : "") + " -> " + FormatStatus(status));
  return status;
}

Status GetSoftTransform(ArtHandle instance, RealMatrix* matrix) {
  Host& host = Host::Current();
  Status status = host.Enter(Op::GetSoftTransform);
  const Document& document = host.document();
  uint32_t art = 0;
  if (status == kNoError && !document.ArtOf(instance, &art)) status = kBadHandle;
  if (status == kNoError && matrix == nullptr) status = kBadParameter;
  if (status == kNoError) status = document.GetMatrix(art, matrix);
  if (host.tracing())
    host.Trace("GetSoftTransform " + ArtText(document, instance) +
               (status == kNoError ? " = " + MatrixText(*matrix) : "") + " -> " + FormatStatus(status));
  return status;
}

Status SetSoftTransform(ArtHandle instance, const RealMatrix* matrix) {
  Host& host = Host::Current();
  Status status = host.Enter(Op::SetSoftTransform);
  Document& document = host.document();
  uint32_t art = 0;
  if (status == kNoError && !document.ArtOf(instance, &art)) status = kBadHandle;
  if (status == kNoError && matrix == nullptr) status = kBadParameter;
  if (status == kNoError) status = document.SetMatrix(art, *matrix);
  if (host.tracing())
    host.Trace("SetSoftTransform " + ArtText(document, instance) +
               (matrix ? " " + MatrixText(*matrix) : " null") + " -> " + FormatStatus(status));
  return status;
}

Status BreakLinkToSymbol(ArtHandle instance, int32_t options, ArtHandle reference, ArtHandle* art) {
  Host& host = Host::Current();
  Status status = host.Enter(Op::BreakLinkToSymbol);
  Document& document = host.document();
  const std::string instanceText = host.tracing() ? ArtText(document, instance) : std::string();
  uint32_t index = 0, group = 0;
  if (status == kNoError && !document.ArtOf(instance, &index)) status = kBadHandle;
  if (status == kNoError && reference != nullptr) status = kBadParameter;
  if (status == kNoError) status = document.BreakLink(index, &group);
  if (status == kNoError && art != nullptr) *art = Document::ArtHandleOf(group);
  if (host.tracing())
    host.Trace("BreakLinkToSymbol " + instanceText + " " + std::to_string(options) + " " +
               ReferenceText(reference) + (status == kNoError ? " = art " + std::to_string(group) : "") +
               " -> " + FormatStatus(status));
  return status;
}

Status DisposeArt(ArtHandle art) {
  Host& host = Host::Current();
  Status status = host.Enter(Op::DisposeArt);
  Document& document = host.document();
  const std::string artText = host.tracing() ? ArtText(document, art) : std::string();
  uint32_t index = 0;
  if (status == kNoError && !document.ArtOf(art, &index)) status = kBadHandle;
  if (status == kNoError) status = document.Dispose(index);
  if (host.tracing()) host.Trace("DisposeArt " + artText + " -> " + FormatStatus(status));
  return status;
}

Status InsertLayer(LayerHandle reference, int16_t paintOrder, LayerHandle* layer) {
  Host& host = Host::Current();
  Status status = host.Enter(Op::InsertLayer);
  Document& document = host.document();
  uint32_t index = 0;
  // Only a new top layer is offered: no reference layer, above all.
  if (status == kNoError && (reference != nullptr || paintOrder != kPlaceAboveAll)) status = kBadParameter;
  if (status == kNoError) status = document.InsertLayerOnTop(&index);
  if (status == kNoError && layer != nullptr) *layer = Document::LayerHandleOf(index);
  if (host.tracing())
    host.Trace("InsertLayer " + ReferenceText(reference) + " " + std::to_string(paintOrder) +
               (status == kNoError ? " = " + Quote(document.layers()[index].name) : "") + " -> " +
               FormatStatus(status));
  return status;
}

}  // namespace

const AIUndoSuite kUndoSuiteTable = {UndoChanges};
const AIDocumentSuite kDocumentSuiteTable = {QueryDocument, GetDocument, RedrawDocument};
const AISymbolPaletteSuite kSymbolPaletteSuiteTable = {GetCurrentSymbol};
const AISymbolSuite kSymbolSuiteTable = {CountSymbolPatterns, GetNthSymbolPattern,
                                         NewInstanceCenteredInArt, GetSoftTransform,
                                         SetSoftTransform, BreakLinkToSymbol};
const AIArtSuite kArtSuiteTable = {DisposeArt};
const AILayerSuite kLayerSuiteTable = {InsertLayer};

}  // namespace sim
