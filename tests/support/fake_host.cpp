#include "tests/support/fake_host.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <numbers>

#include "plugin/host/suite_table.h"

namespace fake_host {
namespace {

FakeHost* gActive = nullptr;

// Handles are small numbers above these bases; never dereferenced.
constexpr uintptr_t kSymbolBase = 0x10000;
constexpr uintptr_t kArtBase = 0x20000000;
constexpr uintptr_t kPaletteOnlyHandle = 0x7fff;
int gDocumentObject;  // its address is the document handle

void Record(Op op, double value = 0.0) { FakeHost::Active().calls.push_back(Call{op, value}); }

// ---- AI Undo Suite ----
Status UndoChanges() {
  FakeHost& host = FakeHost::Active();
  Record(Op::UndoChanges);
  if (host.undoStatus != kNoError) return host.undoStatus;
  host.instances.clear();
  host.currentLayer = 0;
  host.plainArt = 0;
  return kNoError;
}

// ---- AI Document Suite ----
Status QueryDocument(DocumentInfo* info) {
  FakeHost& host = FakeHost::Active();
  Record(Op::QueryDocument);
  if (info == nullptr) ADD_FAILURE() << "QueryDocument without a record";
  if (host.queryStatus != kNoError) return host.queryStatus;
  *info = DocumentInfo{host.currentLayer + 1, host.symbolCount,
                       static_cast<int32_t>(host.instances.size())};
  return kNoError;
}

Status GetDocument(DocumentHandle* document) {
  Record(Op::GetDocument);
  *document = FakeHost::Active().document();
  return kNoError;
}

Status RedrawDocument() {
  Record(Op::RedrawDocument);
  return kNoError;
}

// ---- AI Symbol Palette Suite ----
Status GetCurrentSymbol(SymbolHandle* symbol) {
  FakeHost& host = FakeHost::Active();
  Record(Op::GetCurrentSymbol);
  if (host.currentSymbolStatus != kNoError) return host.currentSymbolStatus;
  *symbol = host.SymbolFor(host.paletteSymbol);
  return kNoError;
}

// ---- AI Symbol Suite ----
Status CountSymbolPatterns(DocumentHandle document, int32_t* count) {
  FakeHost& host = FakeHost::Active();
  Record(Op::CountSymbolPatterns);
  EXPECT_EQ(document, host.document()) << "CountSymbolPatterns of another document";
  *count = host.symbolCount;
  return kNoError;
}

Status GetNthSymbolPattern(DocumentHandle document, int32_t index, SymbolHandle* symbol) {
  FakeHost& host = FakeHost::Active();
  Record(Op::GetNthSymbolPattern, index);
  EXPECT_EQ(document, host.document()) << "GetNthSymbolPattern of another document";
  if (index < 0 || index >= host.symbolCount) {
    ADD_FAILURE() << "GetNthSymbolPattern index " << index << " of " << host.symbolCount;
    return MakeCode("RANG");
  }
  if (host.nthSymbolStatus != kNoError) return host.nthSymbolStatus;
  *symbol = host.SymbolFor(index);
  return kNoError;
}

Status NewInstanceCenteredInArt(SymbolHandle symbol, RealPoint center, int16_t paintOrder,
                                ArtHandle reference, ArtHandle* instance) {
  FakeHost& host = FakeHost::Active();
  Record(Op::NewInstanceCenteredInArt);
  EXPECT_EQ(center.h, 0.0f);
  EXPECT_EQ(center.v, 0.0f);
  EXPECT_EQ(paintOrder, kPlaceAboveAll);
  EXPECT_EQ(reference, nullptr);
  const int32_t call = host.newInstanceCalls++;
  if (host.failingInstanceCalls.count(call) != 0) return host.newInstanceStatus;
  host.instances.push_back(Instance{host.SymbolIndex(symbol), host.currentLayer,
                                    RealMatrix{1.0f, 0.0f, 0.0f, 1.0f, center.h, center.v},
                                    false, false, false});
  *instance = reinterpret_cast<ArtHandle>(kArtBase + host.instances.size() - 1);
  return kNoError;
}

Status GetSoftTransform(ArtHandle art, RealMatrix* matrix) {
  Record(Op::GetSoftTransform);
  if (Instance* instance = FakeHost::Active().InstanceFor(art)) *matrix = instance->matrix;
  return kNoError;
}

Status SetSoftTransform(ArtHandle art, const RealMatrix* matrix) {
  Record(Op::SetSoftTransform);
  if (Instance* instance = FakeHost::Active().InstanceFor(art)) {
    instance->matrix = *matrix;
    instance->transformSet = true;
  }
  return kNoError;
}

Status BreakLinkToSymbol(ArtHandle art, int32_t options, ArtHandle reference, ArtHandle* result) {
  FakeHost& host = FakeHost::Active();
  Record(Op::BreakLinkToSymbol);
  EXPECT_EQ(options, 0);
  EXPECT_EQ(reference, nullptr);
  Instance* instance = host.InstanceFor(art);
  if (host.breakLinkStatus != kNoError) return host.breakLinkStatus;
  if (instance != nullptr) instance->broken = true;
  ++host.plainArt;
  if (result != nullptr) *result = nullptr;
  return kNoError;
}

// ---- AI Art Suite ----
Status DisposeArt(ArtHandle art) {
  Record(Op::DisposeArt);
  if (Instance* instance = FakeHost::Active().InstanceFor(art)) instance->disposed = true;
  return kNoError;
}

// ---- AI Layer Suite ----
Status InsertLayer(LayerHandle reference, int16_t paintOrder, LayerHandle* layer) {
  FakeHost& host = FakeHost::Active();
  Record(Op::InsertLayer);
  EXPECT_EQ(reference, nullptr);
  EXPECT_EQ(paintOrder, kPlaceAboveAll);
  const int32_t call = host.insertLayerCalls++;
  if (call == host.insertLayerFailAt) return host.insertLayerStatus;
  ++host.currentLayer;
  if (layer != nullptr) *layer = nullptr;
  return kNoError;
}

// ---- AI Random Suite ----
Real FloatRnd() {
  FakeHost& host = FakeHost::Active();
  float draw = host.defaultDraw;
  if (!host.scriptedDraws.empty()) {
    draw = host.scriptedDraws.front();
    host.scriptedDraws.pop_front();
  }
  Record(Op::FloatRnd, draw);
  return draw;
}

// ---- AI Real Math Suite: row-vector matrices, computed in double ----
Real DegreeToRadian(Real degrees) {
  Record(Op::DegreeToRadian, degrees);
  return static_cast<Real>(static_cast<double>(degrees) * std::numbers::pi / 180.0);
}

void ConcatScale(RealMatrix* m, Real sx, Real sy) {
  Record(Op::ConcatScale);
  m->a = static_cast<Real>(double{m->a} * sx);
  m->c = static_cast<Real>(double{m->c} * sx);
  m->tx = static_cast<Real>(double{m->tx} * sx);
  m->b = static_cast<Real>(double{m->b} * sy);
  m->d = static_cast<Real>(double{m->d} * sy);
  m->ty = static_cast<Real>(double{m->ty} * sy);
}

void ConcatRotate(RealMatrix* m, Real angle) {
  Record(Op::ConcatRotate);
  const double cosine = std::cos(double{angle});
  const double sine = std::sin(double{angle});
  const RealMatrix old = *m;
  m->a = static_cast<Real>(old.a * cosine - old.b * sine);
  m->b = static_cast<Real>(old.a * sine + old.b * cosine);
  m->c = static_cast<Real>(old.c * cosine - old.d * sine);
  m->d = static_cast<Real>(old.c * sine + old.d * cosine);
  m->tx = static_cast<Real>(old.tx * cosine - old.ty * sine);
  m->ty = static_cast<Real>(old.tx * sine + old.ty * cosine);
}

void ConcatTranslate(RealMatrix* m, Real tx, Real ty) {
  Record(Op::ConcatTranslate);
  m->tx = static_cast<Real>(double{m->tx} + tx);
  m->ty = static_cast<Real>(double{m->ty} + ty);
}

const AIUndoSuite kUndo = {UndoChanges};
const AIDocumentSuite kDocument = {QueryDocument, GetDocument, RedrawDocument};
const AISymbolPaletteSuite kSymbolPalette = {GetCurrentSymbol};
const AISymbolSuite kSymbol = {CountSymbolPatterns, GetNthSymbolPattern,
                               NewInstanceCenteredInArt, GetSoftTransform,
                               SetSoftTransform, BreakLinkToSymbol};
const AIArtSuite kArt = {DisposeArt};
const AILayerSuite kLayer = {InsertLayer};
const AIRandomSuite kRandom = {FloatRnd};
const AIRealMathSuite kRealMath = {DegreeToRadian, ConcatScale, ConcatRotate, ConcatTranslate};

}  // namespace

const char* OpName(Op op) {
  switch (op) {
    case Op::UndoChanges: return "UndoChanges";
    case Op::QueryDocument: return "QueryDocument";
    case Op::GetDocument: return "GetDocument";
    case Op::RedrawDocument: return "RedrawDocument";
    case Op::GetCurrentSymbol: return "GetCurrentSymbol";
    case Op::CountSymbolPatterns: return "CountSymbolPatterns";
    case Op::GetNthSymbolPattern: return "GetNthSymbolPattern";
    case Op::NewInstanceCenteredInArt: return "NewInstanceCenteredInArt";
    case Op::GetSoftTransform: return "GetSoftTransform";
    case Op::SetSoftTransform: return "SetSoftTransform";
    case Op::BreakLinkToSymbol: return "BreakLinkToSymbol";
    case Op::DisposeArt: return "DisposeArt";
    case Op::InsertLayer: return "InsertLayer";
    case Op::FloatRnd: return "FloatRnd";
    case Op::DegreeToRadian: return "DegreeToRadian";
    case Op::ConcatScale: return "ConcatScale";
    case Op::ConcatRotate: return "ConcatRotate";
    case Op::ConcatTranslate: return "ConcatTranslate";
  }
  return "?";
}

void PrintTo(Op op, std::ostream* out) { *out << OpName(op); }

FakeHost::FakeHost() = default;

FakeHost::~FakeHost() { Uninstall(); }

void FakeHost::Install() {
  gActive = this;
  gSuites[kSuiteUndo] = &kUndo;
  gSuites[kSuiteDocument] = &kDocument;
  gSuites[kSuiteSymbolPalette] = &kSymbolPalette;
  gSuites[kSuiteSymbol] = &kSymbol;
  gSuites[kSuiteArt] = &kArt;
  gSuites[kSuiteLayer] = &kLayer;
  gSuites[kSuiteRandom] = &kRandom;
  gSuites[kSuiteRealMath] = &kRealMath;
}

void FakeHost::Uninstall() {
  if (gActive != this) return;
  for (const void*& suite : gSuites) suite = nullptr;
  gActive = nullptr;
}

FakeHost& FakeHost::Active() {
  if (gActive == nullptr) {
    // A suite function was called through a stale pointer: nothing sensible
    // can be returned.
    std::fprintf(stderr, "fake host called while not installed\n");
    std::abort();
  }
  return *gActive;
}

void FakeHost::ScriptDraws(const std::vector<float>& draws) {
  scriptedDraws.assign(draws.begin(), draws.end());
}

int FakeHost::Count(Op op) const {
  int count = 0;
  for (const Call& call : calls) count += call.op == op ? 1 : 0;
  return count;
}

std::vector<Op> FakeHost::Ops() const {
  std::vector<Op> ops;
  ops.reserve(calls.size());
  for (const Call& call : calls) ops.push_back(call.op);
  return ops;
}

std::vector<double> FakeHost::Values(Op op) const {
  std::vector<double> values;
  for (const Call& call : calls) {
    if (call.op == op) values.push_back(call.value);
  }
  return values;
}

std::vector<Instance> FakeHost::LiveInstances() const {
  std::vector<Instance> live;
  for (const Instance& instance : instances) {
    if (!instance.disposed) live.push_back(instance);
  }
  return live;
}

SymbolHandle FakeHost::SymbolFor(int32_t index) const {
  if (index == kPaletteOnlySymbol) return reinterpret_cast<SymbolHandle>(kPaletteOnlyHandle);
  return reinterpret_cast<SymbolHandle>(kSymbolBase + static_cast<uintptr_t>(index));
}

int32_t FakeHost::SymbolIndex(SymbolHandle symbol) const {
  const uintptr_t value = reinterpret_cast<uintptr_t>(symbol);
  if (value == kPaletteOnlyHandle) return kPaletteOnlySymbol;
  if (value < kSymbolBase || value >= kSymbolBase + static_cast<uintptr_t>(symbolCount)) {
    ADD_FAILURE() << "unknown symbol handle " << value;
    return kPaletteOnlySymbol;
  }
  return static_cast<int32_t>(value - kSymbolBase);
}

Instance* FakeHost::InstanceFor(ArtHandle art) {
  const uintptr_t value = reinterpret_cast<uintptr_t>(art);
  if (value < kArtBase || value - kArtBase >= instances.size()) {
    ADD_FAILURE() << "unknown art handle " << value;
    return nullptr;
  }
  Instance& instance = instances[value - kArtBase];
  if (instance.disposed) {
    ADD_FAILURE() << "art used after DisposeArt";
    return nullptr;
  }
  return &instance;
}

DocumentHandle FakeHost::document() const {
  return reinterpret_cast<DocumentHandle>(&gDocumentObject);
}

ParamBlock DefaultParams() {
  ParamBlock block;
  std::memset(&block, 0xA5, sizeof block);
  WriteParamDefaults(block, reinterpret_cast<PluginRef>(uintptr_t{0x1234}));
  block.slot[kSlotRunFromGo].i = 0;
  return block;
}

Placement Decompose(const RealMatrix& m) {
  const double angle = std::atan2(double{m.b}, double{m.a});
  const double sx = std::hypot(double{m.a}, double{m.b});
  const double sy = -double{m.c} * std::sin(angle) + double{m.d} * std::cos(angle);
  return Placement{sx, sy, angle, m.tx, m.ty};
}

}  // namespace fake_host
