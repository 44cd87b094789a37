// The frame of a generator run: the preview shortcut, the host calls before
// the passes, failures, the pass and row loops, the redraw and the go
// message.
#include <cstring>
#include <vector>
#include <ostream>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "plugin/generator/generate_symbols.h"
#include "plugin/generator/go_filter.h"
#include "tests/support/fake_host.h"
#include "tests/support/case_name.h"

namespace {

using fake_host::FakeHostTest;
using fake_host::Instance;
using fake_host::Op;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

class GeneratorFrameTest : public FakeHostTest {};

TEST_F(GeneratorFrameTest, GoAfterPreviewOnlyClearsThePreviewFlag) {
  block.slot[kSlotRunFromGo].i = 1;
  block.slot[kSlotPreviewPresent].i = 1;
  ParamBlock expected = block;
  expected.slot[kSlotPreviewPresent].i = 0;

  EXPECT_EQ(GenerateSymbols(block), kNoError);

  EXPECT_THAT(host.calls, IsEmpty());
  EXPECT_EQ(std::memcmp(&block, &expected, sizeof block), 0);
}

TEST_F(GeneratorFrameTest, EitherFlagAloneMakesAFullRun) {
  for (const auto& [runFromGo, previewPresent] : {std::pair{1, 0}, std::pair{0, 1}}) {
    SCOPED_TRACE(testing::Message() << "runFromGo " << runFromGo << " previewPresent "
                                    << previewPresent);
    host.calls.clear();
    block.slot[kSlotRunFromGo].i = runFromGo;
    block.slot[kSlotPreviewPresent].i = previewPresent;
    const ParamBlock before = block;

    EXPECT_EQ(GenerateSymbols(block), kNoError);

    EXPECT_EQ(host.LiveInstances().size(), 10u);
    EXPECT_EQ(host.Count(Op::UndoChanges), 1);
    // A full run changes no slot, slot 61 included.
    EXPECT_EQ(std::memcmp(&block, &before, sizeof block), 0);
  }
}

TEST_F(GeneratorFrameTest, FailedUndoIsReturnedBeforeAnythingElse) {
  host.undoStatus = MakeCode("UNDO");
  EXPECT_EQ(GenerateSymbols(block), MakeCode("UNDO"));
  EXPECT_THAT(host.Ops(), ElementsAre(Op::UndoChanges));
}

TEST_F(GeneratorFrameTest, FailedDocumentQueryIsReturnedAfterTheUndo) {
  host.queryStatus = MakeCode("NDOC");
  EXPECT_EQ(GenerateSymbols(block), MakeCode("NDOC"));
  EXPECT_THAT(host.Ops(), ElementsAre(Op::UndoChanges, Op::QueryDocument));
}

TEST_F(GeneratorFrameTest, NoSelectedSymbolEndsTheRunWithoutErrorOrRedraw) {
  host.currentSymbolStatus = MakeCode("NSYM");
  EXPECT_EQ(GenerateSymbols(block), kNoError);
  EXPECT_THAT(host.Ops(), ElementsAre(Op::UndoChanges, Op::QueryDocument, Op::GetDocument,
                                      Op::GetCurrentSymbol));
  EXPECT_THAT(host.instances, IsEmpty());
}

TEST_F(GeneratorFrameTest, DefaultsMakeOneRowOfTenOrderedInstances) {
  host.symbolCount = 3;
  block.slot[kSlotRunFromGo].i = 1;

  ASSERT_EQ(GenerateSymbols(block), kNoError);

  const std::vector<Instance> made = host.LiveInstances();
  ASSERT_EQ(made.size(), 10u);
  for (int k = 0; k < 10; ++k) {
    SCOPED_TRACE(k);
    const RealMatrix& m = made[k].matrix;
    EXPECT_FLOAT_EQ(m.a, 1.0f);
    EXPECT_FLOAT_EQ(m.d, 1.0f);
    EXPECT_EQ(m.b, 0.0f);
    EXPECT_EQ(m.c, 0.0f);
    EXPECT_FLOAT_EQ(m.tx, 100.0f + 20.0f * k);
    EXPECT_FLOAT_EQ(m.ty, 100.0f);
    EXPECT_EQ(made[k].symbol, k % 3);
    EXPECT_EQ(made[k].layer, 0);
    EXPECT_TRUE(made[k].transformSet);
  }
  // A go run leaves the redraw to the host.
  EXPECT_EQ(host.Count(Op::RedrawDocument), 0);
  EXPECT_EQ(host.Count(Op::InsertLayer), 0);
}

TEST_F(GeneratorFrameTest, PreviewRunRedrawsOnceAtTheEnd) {
  block.slot[kSlotRunFromGo].i = 0;
  ASSERT_EQ(GenerateSymbols(block), kNoError);
  EXPECT_EQ(host.Count(Op::RedrawDocument), 1);
  EXPECT_EQ(host.calls.back().op, Op::RedrawDocument);
}

// The frame's calls before the first pass: the seven angles go through the
// host in a fixed order, before any draw.
TEST_F(GeneratorFrameTest, AnglesAreConvertedOnceInOrderBeforeAnyDraw) {
  const std::pair<int32_t, float> angleSlots[] = {{31, 1.0f}, {10, 2.0f}, {46, 3.0f}, {32, 4.0f},
                                                  {11, 5.0f}, {47, 6.0f}, {33, 7.0f}};
  for (const auto& [slot, degrees] : angleSlots) block.slot[slot].f = degrees;
  block.slot[kSlotLayers].i = 2;

  ASSERT_EQ(GenerateSymbols(block), kNoError);

  EXPECT_THAT(host.Values(Op::DegreeToRadian), ElementsAre(1, 2, 3, 4, 5, 6, 7));
  const std::vector<Op> ops = host.Ops();
  ASSERT_GE(ops.size(), 11u);
  EXPECT_THAT(std::vector<Op>(ops.begin(), ops.begin() + 4),
              ElementsAre(Op::UndoChanges, Op::QueryDocument, Op::GetDocument,
                          Op::GetCurrentSymbol));
  for (size_t index = 4; index < 11; ++index) EXPECT_EQ(ops[index], Op::DegreeToRadian);
}

// The whole call sequence of a small run: what every slot does, in which
// order, and which draws it takes.
TEST_F(GeneratorFrameTest, CallSequenceOfAFilledAndAnEmptySlot) {
  block.slot[kSlotSymbols].i = 2;
  block.slot[kSlotFillMode].i = static_cast<int32_t>(FillMode::Random50);
  block.slot[kSlotBreakLink].i = 1;
  block.slot[kSlotRunFromGo].i = 1;
  host.ScriptDraws({0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f,  // slot 0: scale and angle
                    0.9f,                                // slot 0: fill test, filled
                    0.1f, 0.1f, 0.1f, 0.1f,              // slot 0: placement
                    0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f,  // slot 1: scale and angle
                    0.3f});                              // slot 1: fill test, empty

  ASSERT_EQ(GenerateSymbols(block), kNoError);

  std::vector<Op> expected = {Op::UndoChanges, Op::QueryDocument, Op::GetDocument,
                              Op::GetCurrentSymbol};
  expected.insert(expected.end(), 7, Op::DegreeToRadian);
  // Slot 0.
  expected.insert(expected.end(), 6, Op::FloatRnd);
  expected.insert(expected.end(), {Op::CountSymbolPatterns, Op::GetNthSymbolPattern,
                                   Op::FloatRnd, Op::NewInstanceCenteredInArt,
                                   Op::GetSoftTransform, Op::ConcatScale, Op::ConcatRotate});
  expected.insert(expected.end(), 4, Op::FloatRnd);
  expected.insert(expected.end(), {Op::ConcatTranslate, Op::SetSoftTransform,
                                   Op::BreakLinkToSymbol, Op::DisposeArt});
  // Slot 1.
  expected.insert(expected.end(), 6, Op::FloatRnd);
  expected.insert(expected.end(),
                  {Op::CountSymbolPatterns, Op::GetNthSymbolPattern, Op::FloatRnd});

  EXPECT_THAT(host.Ops(), ElementsAreArray(expected));
}

// Every pass starts with its symbol choice and its slot count, then inserts
// its layer; a pass without rows still does all three.
TEST_F(GeneratorFrameTest, PassStartsWithSymbolAndCountThenInsertsItsLayer) {
  block.slot[kSlotLayers].i = 1;
  block.slot[PageSlot(kSlotSymbols, 2)].i = 0;
  block.slot[PageSlot(kSlotRandomSymbols, 1)].i = 1;
  block.slot[kSlotRandomSymbolCount].i = 1;

  ASSERT_EQ(GenerateSymbols(block), kNoError);

  const std::vector<Op> ops = host.Ops();
  ASSERT_EQ(ops.size(), 4u + 7u + 4u + 5u + 1u);
  EXPECT_THAT(std::vector<Op>(ops.begin() + 11, ops.end()),
              ElementsAre(Op::CountSymbolPatterns, Op::FloatRnd, Op::GetNthSymbolPattern,
                          Op::FloatRnd,  // pass 0
                          Op::CountSymbolPatterns, Op::FloatRnd, Op::GetNthSymbolPattern,
                          Op::FloatRnd, Op::InsertLayer,  // pass 1
                          Op::RedrawDocument));
}

struct PassCase {
  int32_t layers;
  int32_t expectedPasses;
};
void PrintTo(const PassCase& c, std::ostream* out) { *out << "layers " << c.layers; }

class GeneratorPassCountTest : public GeneratorFrameTest,
                               public ::testing::WithParamInterface<PassCase> {};

TEST_P(GeneratorPassCountTest, MakesLayersPlusOnePassesWithALayerBeforeEachLaterPass) {
  const PassCase& c = GetParam();
  block.slot[kSlotLayers].i = c.layers;
  block.slot[kSlotSymbols].i = 3;

  EXPECT_EQ(GenerateSymbols(block), kNoError);

  const int32_t passes = c.expectedPasses;
  EXPECT_EQ(host.Count(Op::InsertLayer), passes > 0 ? passes - 1 : 0);
  ASSERT_EQ(host.instances.size(), static_cast<size_t>(3 * passes));
  // Every pass after the first lands in its own new layer.
  for (size_t index = 0; index < host.instances.size(); ++index) {
    EXPECT_EQ(host.instances[index].layer, static_cast<int32_t>(index / 3));
  }
  EXPECT_EQ(host.Count(Op::RedrawDocument), 1);
}

INSTANTIATE_TEST_SUITE_P(LayerCounts, GeneratorPassCountTest,
                         ::testing::Values(PassCase{0, 1}, PassCase{1, 2}, PassCase{2, 3},
                                           PassCase{-1, 0}, PassCase{-7, 0}),
    test::PrintedName());

TEST_F(GeneratorFrameTest, RowCountOfZeroOrBelowMakesNoInstancesButStillInsertsLayers) {
  for (const int32_t rows : {0, -1, -1000}) {
    SCOPED_TRACE(rows);
    host.calls.clear();
    block.slot[PageSlot(kSlotSymbols, 2)].i = rows;
    block.slot[kSlotLayers].i = 2;

    EXPECT_EQ(GenerateSymbols(block), kNoError);

    EXPECT_THAT(host.instances, IsEmpty());
    EXPECT_EQ(host.Count(Op::InsertLayer), 2);
    EXPECT_EQ(host.Count(Op::FloatRnd), 0);
  }
}

TEST_F(GeneratorFrameTest, EveryRowOfAPassHasTheSameSlots) {
  block.slot[PageSlot(kSlotSymbols, 2)].i = 4;
  block.slot[kSlotSymbols].i = 3;
  ASSERT_EQ(GenerateSymbols(block), kNoError);
  EXPECT_EQ(host.instances.size(), 12u);
}

TEST_F(GeneratorFrameTest, FailedLayerInsertionStopsTheRunAtOnce) {
  block.slot[kSlotLayers].i = 3;
  block.slot[kSlotSymbols].i = 2;
  host.insertLayerFailAt = 1;  // before pass 2

  EXPECT_EQ(GenerateSymbols(block), host.insertLayerStatus);

  // Passes 0 and 1 stay in the document; nothing follows the failure.
  ASSERT_EQ(host.instances.size(), 4u);
  EXPECT_EQ(host.instances[3].layer, 1);
  EXPECT_EQ(host.calls.back().op, Op::InsertLayer);
  EXPECT_EQ(host.Count(Op::RedrawDocument), 0);
}

TEST_F(GeneratorFrameTest, FailedInstanceLeavesOnlyThatSlotEmpty) {
  block.slot[kSlotSymbols].i = 4;
  host.failingInstanceCalls = {1};

  EXPECT_EQ(GenerateSymbols(block), kNoError);

  ASSERT_EQ(host.instances.size(), 3u);
  EXPECT_FLOAT_EQ(host.instances[0].matrix.tx, 100.0f);
  EXPECT_FLOAT_EQ(host.instances[1].matrix.tx, 140.0f);
  EXPECT_FLOAT_EQ(host.instances[2].matrix.tx, 160.0f);
  // Six draws for each of the four slots and four placement draws for each
  // of the three instances made.
  EXPECT_EQ(host.Count(Op::FloatRnd), 4 * 6 + 3 * 4);
  EXPECT_EQ(host.Count(Op::GetSoftTransform), 3);
}

struct SlotCountCase {
  int32_t base;
  float draw;
  int32_t expected;
};
void PrintTo(const SlotCountCase& c, std::ostream* out) {
  *out << "base " << c.base << ", draw " << c.draw;
}

class GeneratorRandomSlotCountTest : public GeneratorFrameTest,
                                     public ::testing::WithParamInterface<SlotCountCase> {};

TEST_P(GeneratorRandomSlotCountTest, TakesARandomPartOfTheBaseCountNeverBelowOne) {
  const SlotCountCase& c = GetParam();
  block.slot[kSlotSymbols].i = c.base;
  block.slot[kSlotRandomSymbolCount].i = 1;
  block.slot[PageSlot(kSlotOrderedSymbols, 0)].i = 0;
  host.ScriptDraws({c.draw});

  ASSERT_EQ(GenerateSymbols(block), kNoError);

  EXPECT_EQ(host.instances.size(), static_cast<size_t>(c.expected));
  // The count's draw is the first of the run.
  EXPECT_EQ(host.Values(Op::FloatRnd).front(), c.draw);
}

INSTANTIATE_TEST_SUITE_P(
    Draws, GeneratorRandomSlotCountTest,
    ::testing::Values(SlotCountCase{10, 0.0f, 1}, SlotCountCase{10, 0.05f, 1},
                      SlotCountCase{10, 0.1f, 1}, SlotCountCase{10, 0.5f, 5},
                      SlotCountCase{10, 0.99999994f, 9}, SlotCountCase{2, 0.99999994f, 1},
                      // A host whose draws reach 1 still gets fewer than the base.
                      SlotCountCase{10, 1.0f, 9},
                      SlotCountCase{1, 0.9f, 1}, SlotCountCase{0, 0.5f, 1},
                      SlotCountCase{-5, 0.5f, 1}),
    test::PrintedName());

TEST_F(GeneratorFrameTest, SlotCountBelowOneGivesOneSlot) {
  for (const int32_t base : {0, -3}) {
    SCOPED_TRACE(base);
    block.slot[kSlotSymbols].i = base;
    ASSERT_EQ(GenerateSymbols(block), kNoError);
    EXPECT_EQ(host.instances.size(), 1u);
  }
}

TEST_F(GeneratorFrameTest, SlotCountChangesFromPassToPass) {
  block.slot[kSlotSymbols].i = 2;
  block.slot[PageSlot(kSlotSymbols, 1)].i = 3;
  block.slot[kSlotLayers].i = 2;
  ASSERT_EQ(GenerateSymbols(block), kNoError);
  std::vector<int> perLayer(3, 0);
  for (const Instance& instance : host.instances) ++perLayer[instance.layer];
  EXPECT_THAT(perLayer, ElementsAre(2, 5, 8));
}

// ---- The go message ----

TEST_F(GeneratorFrameTest, GoMessageWithoutStoredParametersMakesNothing) {
  FilterMessage message{};
  EXPECT_EQ(GoFilter(&message), kNoError);

  void* empty = nullptr;
  message.parameters = &empty;
  EXPECT_EQ(GoFilter(&message), kNoError);

  EXPECT_EQ(GoFilter(nullptr), kNoError);
  EXPECT_THAT(host.calls, IsEmpty());
}

TEST_F(GeneratorFrameTest, GoMessageMarksTheRunAndGeneratesWithoutRedraw) {
  void* stored = &block;
  FilterMessage message{};
  message.parameters = &stored;

  EXPECT_EQ(GoFilter(&message), kNoError);

  EXPECT_EQ(block.slot[kSlotRunFromGo].i, 1);
  EXPECT_EQ(host.LiveInstances().size(), 10u);
  EXPECT_EQ(host.Count(Op::RedrawDocument), 0);
}

TEST_F(GeneratorFrameTest, GoMessagePassesTheGeneratorsStatusOn) {
  void* stored = &block;
  FilterMessage message{};
  message.parameters = &stored;
  host.undoStatus = MakeCode("UNDO");
  EXPECT_EQ(GoFilter(&message), MakeCode("UNDO"));
}

// The preview cycle: a preview's art is kept by the go message that
// follows, and a later go message generates anew.
TEST_F(GeneratorFrameTest, GoKeepsThePreviewThenALaterGoGeneratesAgain) {
  void* stored = &block;
  FilterMessage message{};
  message.parameters = &stored;
  block.slot[kSlotFillMode].i = static_cast<int32_t>(FillMode::Random50);

  // The dialog's read-back: slot 60 cleared, slot 61 set, then a preview.
  block.slot[kSlotRunFromGo].i = 0;
  block.slot[kSlotPreviewPresent].i = 1;
  host.defaultDraw = 0.75f;  // every fill test passes
  ASSERT_EQ(GenerateSymbols(block), kNoError);
  ASSERT_EQ(host.instances.size(), 10u);

  host.calls.clear();
  host.defaultDraw = 0.25f;  // a new run would fill nothing
  EXPECT_EQ(GoFilter(&message), kNoError);
  EXPECT_THAT(host.calls, IsEmpty());
  EXPECT_EQ(host.instances.size(), 10u);
  EXPECT_EQ(block.slot[kSlotPreviewPresent].i, 0);

  EXPECT_EQ(GoFilter(&message), kNoError);
  EXPECT_EQ(host.Count(Op::UndoChanges), 1);
  EXPECT_THAT(host.instances, IsEmpty());
}

}  // namespace
