// The document side of the host: undo, document, symbols, art and layers.
// Not offered yet: every operation answers kNotAvailable.
#include "sim/host.h"
#include "sim/suites/registry.h"

namespace sim {
namespace {
Status Fail(Op op) {
  Status status = Host::Current().Enter(op);
  return status ? status : kNotAvailable;
}
Status UndoChanges() { return Fail(Op::UndoChanges); }
Status QueryDocument(DocumentInfo*) { return Fail(Op::QueryDocument); }
Status GetDocument(DocumentHandle*) { return Fail(Op::GetDocument); }
Status RedrawDocument() { return Fail(Op::RedrawDocument); }
Status GetCurrentSymbol(SymbolHandle*) { return Fail(Op::GetCurrentSymbol); }
Status CountSymbolPatterns(DocumentHandle, int32_t*) { return Fail(Op::CountSymbolPatterns); }
Status GetNthSymbolPattern(DocumentHandle, int32_t, SymbolHandle*) { return Fail(Op::GetNthSymbolPattern); }
Status NewInstanceCenteredInArt(SymbolHandle, RealPoint, int16_t, ArtHandle, ArtHandle*) {
  return Fail(Op::NewInstanceCenteredInArt);
}
Status GetSoftTransform(ArtHandle, RealMatrix*) { return Fail(Op::GetSoftTransform); }
Status SetSoftTransform(ArtHandle, const RealMatrix*) { return Fail(Op::SetSoftTransform); }
Status BreakLinkToSymbol(ArtHandle, int32_t, ArtHandle, ArtHandle*) { return Fail(Op::BreakLinkToSymbol); }
Status DisposeArt(ArtHandle) { return Fail(Op::DisposeArt); }
Status InsertLayer(LayerHandle, int16_t, LayerHandle*) { return Fail(Op::InsertLayer); }
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
