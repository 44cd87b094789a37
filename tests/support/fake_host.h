// A fake host for unit tests of the generator: it puts its own suite tables
// into gSuites, records every call, returns scripted results and keeps a
// small document of instances with their matrices.
//
// The suites are plain function tables without user data, so one FakeHost
// at a time is the active one. Protocol errors that the generator must
// never make (an unknown or disposed instance, a symbol index out of range,
// a wrong paint order) are reported as test failures.
#pragma once

#include <cstdint>
#include <deque>
#include <ostream>
#include <set>
#include <vector>

#include <gtest/gtest.h>

#include "plugin/host/api/types.h"
#include "plugin/params/param_block.h"

namespace fake_host {

enum class Op {
  UndoChanges,
  QueryDocument,
  GetDocument,
  RedrawDocument,
  GetCurrentSymbol,
  CountSymbolPatterns,
  GetNthSymbolPattern,
  NewInstanceCenteredInArt,
  GetSoftTransform,
  SetSoftTransform,
  BreakLinkToSymbol,
  DisposeArt,
  InsertLayer,
  FloatRnd,
  DegreeToRadian,
  ConcatScale,
  ConcatRotate,
  ConcatTranslate,
};

const char* OpName(Op op);
void PrintTo(Op op, std::ostream* out);  // op names in test messages

struct Call {
  Op op;
  double value;  // FloatRnd: the draw; DegreeToRadian: the degrees;
                 // GetNthSymbolPattern: the index; otherwise 0
};

// The symbol index of the palette's symbol when it is not one of the
// document's (the default, so that a run that never chooses is visible).
constexpr int32_t kPaletteOnlySymbol = -1;

struct Instance {
  int32_t symbol;     // document index, or kPaletteOnlySymbol
  int32_t layer;      // 0 = the layer current when the run began, then one per inserted layer
  RealMatrix matrix;  // the instance's transform
  bool transformSet;  // SetSoftTransform was called
  bool broken;        // BreakLinkToSymbol was called
  bool disposed;      // DisposeArt was called
};

class FakeHost {
 public:
  FakeHost();
  ~FakeHost();
  FakeHost(const FakeHost&) = delete;
  FakeHost& operator=(const FakeHost&) = delete;

  // Fills gSuites with this host's suites; Uninstall sets every entry of
  // gSuites back to null.
  void Install();
  void Uninstall();

  // ---- Script ----
  // FloatRnd returns these values in order, then defaultDraw.
  void ScriptDraws(const std::vector<float>& draws);
  float defaultDraw = 0.25f;

  int32_t symbolCount = 5;                      // symbols in the document
  int32_t paletteSymbol = kPaletteOnlySymbol;   // what GetCurrentSymbol gives

  Status undoStatus = kNoError;
  Status queryStatus = kNoError;
  Status currentSymbolStatus = kNoError;
  Status nthSymbolStatus = kNoError;
  Status breakLinkStatus = kNoError;
  // InsertLayer call number (from 0) that fails with insertLayerStatus.
  int32_t insertLayerFailAt = -1;
  Status insertLayerStatus = MakeCode("LAYR");
  // NewInstanceCenteredInArt call numbers (from 0) that fail.
  std::set<int32_t> failingInstanceCalls;
  Status newInstanceStatus = MakeCode("INST");

  // ---- Record ----
  std::vector<Call> calls;
  std::vector<Instance> instances;  // in order of creation; UndoChanges clears them
  int32_t currentLayer = 0;
  int32_t plainArt = 0;             // successful BreakLinkToSymbol calls
  int32_t newInstanceCalls = 0;
  int32_t insertLayerCalls = 0;

  int Count(Op op) const;
  std::vector<Op> Ops() const;
  std::vector<double> Values(Op op) const;
  // Instances still in the document (not disposed).
  std::vector<Instance> LiveInstances() const;

  // ---- Used by the suite functions ----
  static FakeHost& Active();
  std::deque<float> scriptedDraws;
  SymbolHandle SymbolFor(int32_t index) const;
  int32_t SymbolIndex(SymbolHandle symbol) const;
  Instance* InstanceFor(ArtHandle art);
  DocumentHandle document() const;
};

// The defaults of a new parameter record, written over memory that holds
// a garbage pattern, with slot 60 cleared as the dialog's read-back does.
ParamBlock DefaultParams();

// Scale pair and angle of a matrix made by ConcatScale(sx, sy) then
// ConcatRotate(angle) (positive sx), with its translation.
struct Placement {
  double sx, sy, angle, tx, ty;
};
Placement Decompose(const RealMatrix& matrix);

// A test fixture with an installed fake host and a default parameter
// record; gSuites is null again after every test.
class FakeHostTest : public ::testing::Test {
 protected:
  void SetUp() override { host.Install(); }
  void TearDown() override { host.Uninstall(); }

  FakeHost host;
  ParamBlock block = DefaultParams();
};

}  // namespace fake_host
