// The document suites of the stand-in host, called as the plug-in calls
// them: through the suite tables, with the call journal on and faults
// injected where it matters.
#include <gtest/gtest.h>

#include <climits>
#include <sstream>
#include <string>

#include "sim/default_document.h"
#include "sim/host.h"
#include "sim/real_math.h"
#include "sim/suites/registry.h"

namespace {

using sim::Op;

class DocumentSuitesTest : public ::testing::Test {
 protected:
  DocumentSuitesTest() : host(out) {
    sim::LoadDefaultDocument(host.document());
    host.journal().Enable(true);
  }

  const std::string& LastLine() const { return host.journal().lines().back(); }

  ArtHandle NewInstance(SymbolHandle symbol, RealPoint center = {0, 0}) {
    ArtHandle art = nullptr;
    EXPECT_EQ(sim::kSymbolSuiteTable.NewInstanceCenteredInArt(symbol, center, kPlaceAboveAll, nullptr, &art),
              kNoError);
    return art;
  }
  SymbolHandle CurrentSymbol() {
    SymbolHandle symbol = nullptr;
    EXPECT_EQ(sim::kSymbolPaletteSuiteTable.GetCurrentSymbol(&symbol), kNoError);
    return symbol;
  }

  std::ostringstream out;
  sim::Host host;
  const AISymbolSuite& symbols = sim::kSymbolSuiteTable;
  const AIRealMathSuite& math = sim::kRealMathSuiteTable;
};

TEST_F(DocumentSuitesTest, TheSuitesAreFoundByNameAndVersion) {
  EXPECT_EQ(sim::FindSuite(kAIUndoSuite, kAIUndoSuiteVersion), &sim::kUndoSuiteTable);
  EXPECT_EQ(sim::FindSuite(kAIDocumentSuite, kAIDocumentSuiteVersion), &sim::kDocumentSuiteTable);
  EXPECT_EQ(sim::FindSuite(kAISymbolSuite, kAISymbolSuiteVersion), &sim::kSymbolSuiteTable);
  EXPECT_EQ(sim::FindSuite(kAISymbolPaletteSuite, kAISymbolPaletteSuiteVersion), &sim::kSymbolPaletteSuiteTable);
  EXPECT_EQ(sim::FindSuite(kAIArtSuite, kAIArtSuiteVersion), &sim::kArtSuiteTable);
  EXPECT_EQ(sim::FindSuite(kAILayerSuite, kAILayerSuiteVersion), &sim::kLayerSuiteTable);
  EXPECT_EQ(sim::FindSuite(kAIRealMathSuite, kAIRealMathSuiteVersion), &sim::kRealMathSuiteTable);
  EXPECT_EQ(sim::FindSuite(kAIRandomSuite, kAIRandomSuiteVersion), &sim::kRandomSuiteTable);
}

TEST_F(DocumentSuitesTest, PlacingAnInstanceAsTheGeneratorDoes) {
  // Make at the origin, read the matrix, scale, turn, move, write it back.
  ArtHandle art = NewInstance(CurrentSymbol());
  EXPECT_EQ(LastLine(), "NewInstanceCenteredInArt symbol 0 (0, 0) 5 null = art 0 -> 0");
  RealMatrix m{};
  ASSERT_EQ(symbols.GetSoftTransform(art, &m), kNoError);
  EXPECT_EQ(LastLine(), "GetSoftTransform art 0 = [1 0 0 1 0 0] -> 0");
  math.ConcatScale(&m, 2, 0.5f);
  math.ConcatRotate(&m, math.DegreeToRadian(90));
  math.ConcatTranslate(&m, 120, 100);
  EXPECT_EQ(LastLine().rfind("ConcatTranslate 120 100 = [", 0), 0u) << LastLine();
  ASSERT_EQ(symbols.SetSoftTransform(art, &m), kNoError);

  const sim::Art& placed = host.document().art()[0];
  EXPECT_EQ(sim::MatrixText(placed.matrix), sim::MatrixText(m));
  const sim::PointD centre = sim::Apply(placed.matrix, 0, 0);
  EXPECT_EQ(centre.x, 120);
  EXPECT_EQ(centre.y, 100);
  const sim::PointD ownX = sim::Apply(placed.matrix, 1, 0);
  EXPECT_NEAR(ownX.x, 120, 1e-6);
  EXPECT_NEAR(ownX.y, 102, 1e-6);
  for (Op op : {Op::NewInstanceCenteredInArt, Op::GetSoftTransform, Op::SetSoftTransform, Op::ConcatScale,
                Op::ConcatRotate, Op::ConcatTranslate, Op::DegreeToRadian})
    EXPECT_EQ(host.CallCount(op), 1) << sim::OpName(op);
}

TEST_F(DocumentSuitesTest, NoSymbolSelected) {
  host.document().SelectSymbol(-1);
  SymbolHandle symbol = reinterpret_cast<SymbolHandle>(0x40);
  EXPECT_EQ(sim::kSymbolPaletteSuiteTable.GetCurrentSymbol(&symbol), sim::kNoSymbol);
  EXPECT_EQ(symbol, reinterpret_cast<SymbolHandle>(0x40));
  EXPECT_EQ(LastLine(), "GetCurrentSymbol -> \"!sym\"");
  host.document().SelectSymbol(4);
  ASSERT_EQ(sim::kSymbolPaletteSuiteTable.GetCurrentSymbol(&symbol), kNoError);
  int32_t count = 0;
  DocumentHandle document = nullptr;
  sim::kDocumentSuiteTable.GetDocument(&document);
  SymbolHandle fifth = nullptr;
  ASSERT_EQ(symbols.GetNthSymbolPattern(document, 4, &fifth), kNoError);
  EXPECT_EQ(symbol, fifth);
  ASSERT_EQ(symbols.CountSymbolPatterns(document, &count), kNoError);
  EXPECT_EQ(count, 6);
}

TEST_F(DocumentSuitesTest, SymbolLookupsRefuseBadIndicesAndDocuments) {
  DocumentHandle document = nullptr;
  ASSERT_EQ(sim::kDocumentSuiteTable.GetDocument(&document), kNoError);
  const SymbolHandle untouched = reinterpret_cast<SymbolHandle>(0x1234);
  for (int32_t index : {-1, 6, 7, INT_MAX, INT_MIN}) {
    SymbolHandle symbol = untouched;
    EXPECT_NE(symbols.GetNthSymbolPattern(document, index, &symbol), kNoError) << index;
    EXPECT_EQ(symbol, untouched) << index;
  }
  for (DocumentHandle bad : {DocumentHandle{}, reinterpret_cast<DocumentHandle>(0x10)}) {
    SymbolHandle symbol = untouched;
    int32_t count = -5;
    EXPECT_EQ(symbols.GetNthSymbolPattern(bad, 0, &symbol), sim::kBadHandle);
    EXPECT_EQ(symbols.CountSymbolPatterns(bad, &count), sim::kBadHandle);
    EXPECT_EQ(symbol, untouched);
    EXPECT_EQ(count, -5);
  }
}

TEST_F(DocumentSuitesTest, ArtOperationsRefuseBadHandlesWithoutTouchingTheDocument) {
  ArtHandle live = NewInstance(CurrentSymbol());
  ArtHandle disposed = NewInstance(CurrentSymbol());
  ASSERT_EQ(sim::kArtSuiteTable.DisposeArt(disposed), kNoError);
  ArtHandle group = nullptr;
  ASSERT_EQ(symbols.BreakLinkToSymbol(live, 0, nullptr, &group), kNoError);
  const size_t pool = host.document().art().size();
  const size_t liveCount = host.document().liveArtCount();

  const ArtHandle bad[] = {nullptr, disposed, reinterpret_cast<ArtHandle>(CurrentSymbol()),
                           sim::Document::ArtHandleOf(1000), reinterpret_cast<ArtHandle>(&host)};
  for (ArtHandle art : bad) {
    RealMatrix m = {9, 9, 9, 9, 9, 9};
    ArtHandle made = nullptr;
    EXPECT_EQ(symbols.GetSoftTransform(art, &m), sim::kBadHandle);
    EXPECT_EQ(m.a, 9);
    EXPECT_EQ(symbols.SetSoftTransform(art, &m), sim::kBadHandle);
    EXPECT_EQ(symbols.BreakLinkToSymbol(art, 0, nullptr, &made), sim::kBadHandle);
    EXPECT_EQ(made, nullptr);
    EXPECT_EQ(sim::kArtSuiteTable.DisposeArt(art), sim::kBadHandle);
  }
  EXPECT_EQ(LastLine(), "DisposeArt art (bad) -> \"!hdl\"");
  // A group is art but not an instance: it has no soft transform.
  RealMatrix m{};
  EXPECT_EQ(symbols.GetSoftTransform(group, &m), sim::kBadParameter);
  ArtHandle none = nullptr;
  EXPECT_EQ(symbols.NewInstanceCenteredInArt(reinterpret_cast<SymbolHandle>(live), {0, 0}, kPlaceAboveAll,
                                             nullptr, &none),
            sim::kBadHandle);
  EXPECT_EQ(host.document().art().size(), pool);
  EXPECT_EQ(host.document().liveArtCount(), liveCount);
}

TEST_F(DocumentSuitesTest, BreakLinkThenDisposeLeavesPlainArtInThePlace) {
  ArtHandle below = NewInstance(CurrentSymbol());
  ArtHandle instance = NewInstance(CurrentSymbol(), {50, 60});
  ArtHandle group = nullptr;
  ASSERT_EQ(symbols.BreakLinkToSymbol(instance, 0, nullptr, &group), kNoError);
  EXPECT_EQ(LastLine(), "BreakLinkToSymbol art 1 0 null = art 2 -> 0");
  ASSERT_EQ(sim::kArtSuiteTable.DisposeArt(instance), kNoError);
  EXPECT_EQ(LastLine(), "DisposeArt art 1 -> 0");
  // The plug-in ignores the new art's handle: it may pass null.
  ArtHandle another = NewInstance(CurrentSymbol());
  EXPECT_EQ(symbols.BreakLinkToSymbol(another, 0, nullptr, nullptr), kNoError);

  const sim::Document& doc = host.document();
  uint32_t belowIndex, groupIndex;
  ASSERT_TRUE(doc.ArtOf(below, &belowIndex));
  ASSERT_TRUE(doc.ArtOf(group, &groupIndex));
  EXPECT_EQ(doc.layers()[0].paintOrder, (std::vector<uint32_t>{belowIndex, groupIndex, 4, 3}));
  EXPECT_EQ(doc.art()[groupIndex].kind, sim::ArtKind::kGroup);
  EXPECT_EQ(sim::MatrixText(doc.art()[groupIndex].matrix), "[1 0 0 1 50 60]");
}

TEST_F(DocumentSuitesTest, InsertLayerAddsATopLayerThatReceivesNewArt) {
  LayerHandle layer = nullptr;
  ASSERT_EQ(sim::kLayerSuiteTable.InsertLayer(nullptr, kPlaceAboveAll, &layer), kNoError);
  EXPECT_EQ(LastLine(), "InsertLayer null 5 = \"Layer 2\" -> 0");
  EXPECT_EQ(layer, sim::Document::LayerHandleOf(1));
  ASSERT_EQ(sim::kLayerSuiteTable.InsertLayer(nullptr, kPlaceAboveAll, nullptr), kNoError);
  NewInstance(CurrentSymbol());
  const sim::Document& doc = host.document();
  ASSERT_EQ(doc.layers().size(), 3u);
  EXPECT_EQ(doc.layers()[2].name, "Layer 3");
  EXPECT_EQ(doc.layers()[2].paintOrder.size(), 1u);
  EXPECT_TRUE(doc.layers()[0].paintOrder.empty());
  // Other placements are not offered.
  EXPECT_EQ(sim::kLayerSuiteTable.InsertLayer(layer, kPlaceAboveAll, nullptr), sim::kBadParameter);
  EXPECT_EQ(sim::kLayerSuiteTable.InsertLayer(nullptr, 1, nullptr), sim::kBadParameter);
  EXPECT_EQ(doc.layers().size(), 3u);
}

TEST_F(DocumentSuitesTest, UndoChangesThroughTheSuiteKeepsEarlierWork) {
  NewInstance(CurrentSymbol(), {1, 1});  // the user's art
  host.document().BeginUse();
  NewInstance(CurrentSymbol(), {2, 2});
  ASSERT_EQ(sim::kLayerSuiteTable.InsertLayer(nullptr, kPlaceAboveAll, nullptr), kNoError);
  NewInstance(CurrentSymbol(), {3, 3});
  ASSERT_EQ(sim::kUndoSuiteTable.UndoChanges(), kNoError);
  EXPECT_EQ(LastLine(), "UndoChanges -> 0");
  DocumentInfo info{};
  ASSERT_EQ(sim::kDocumentSuiteTable.QueryDocument(&info), kNoError);
  EXPECT_EQ(info.layerCount, 1);
  EXPECT_EQ(info.symbolCount, 6);
  EXPECT_EQ(info.artCount, 1);
  EXPECT_EQ(sim::MatrixText(host.document().art()[0].matrix), "[1 0 0 1 1 1]");
}

// An injected failure is answered before any work is done.
TEST_F(DocumentSuitesTest, InjectedFailuresChangeNothing) {
  const Status failure = MakeCode("FAIL");
  const SymbolHandle symbol = CurrentSymbol();
  ArtHandle art = NewInstance(symbol);
  const auto fail = [&](Op op) { host.faults().FailOperation(op, {0, 1, failure}); };

  fail(Op::NewInstanceCenteredInArt);
  ArtHandle made = nullptr;
  EXPECT_EQ(symbols.NewInstanceCenteredInArt(symbol, {0, 0}, kPlaceAboveAll, nullptr, &made), failure);
  EXPECT_EQ(made, nullptr);
  EXPECT_EQ(LastLine(), "NewInstanceCenteredInArt symbol 0 (0, 0) 5 null -> \"FAIL\"");

  fail(Op::SetSoftTransform);
  const RealMatrix moved = sim::TranslationMatrix(5, 5);
  EXPECT_EQ(symbols.SetSoftTransform(art, &moved), failure);
  fail(Op::BreakLinkToSymbol);
  EXPECT_EQ(symbols.BreakLinkToSymbol(art, 0, nullptr, &made), failure);
  fail(Op::DisposeArt);
  EXPECT_EQ(sim::kArtSuiteTable.DisposeArt(art), failure);
  fail(Op::InsertLayer);
  EXPECT_EQ(sim::kLayerSuiteTable.InsertLayer(nullptr, kPlaceAboveAll, nullptr), failure);
  fail(Op::UndoChanges);
  EXPECT_EQ(sim::kUndoSuiteTable.UndoChanges(), failure);
  fail(Op::GetCurrentSymbol);
  SymbolHandle current = nullptr;
  EXPECT_EQ(sim::kSymbolPaletteSuiteTable.GetCurrentSymbol(&current), failure);
  EXPECT_EQ(current, nullptr);
  fail(Op::RedrawDocument);
  EXPECT_EQ(sim::kDocumentSuiteTable.RedrawDocument(), failure);

  const sim::Document& doc = host.document();
  EXPECT_EQ(doc.art().size(), 1u);
  EXPECT_EQ(doc.layers().size(), 1u);
  EXPECT_EQ(doc.liveArtCount(), 1u);
  EXPECT_EQ(sim::MatrixText(doc.art()[0].matrix), "[1 0 0 1 0 0]");
  EXPECT_EQ(doc.redrawCount(), 0);
  EXPECT_EQ(host.CallCount(Op::RedrawDocument), 1);

  // The rules were for one call each: the next calls go through.
  EXPECT_EQ(sim::kDocumentSuiteTable.RedrawDocument(), kNoError);
  EXPECT_EQ(doc.redrawCount(), 1);
  EXPECT_EQ(sim::kUndoSuiteTable.UndoChanges(), kNoError);
  EXPECT_EQ(doc.liveArtCount(), 0u);
}

TEST_F(DocumentSuitesTest, NullResultPointersAreRefused) {
  EXPECT_EQ(sim::kDocumentSuiteTable.QueryDocument(nullptr), sim::kBadParameter);
  EXPECT_EQ(sim::kDocumentSuiteTable.GetDocument(nullptr), sim::kBadParameter);
  EXPECT_EQ(sim::kSymbolPaletteSuiteTable.GetCurrentSymbol(nullptr), sim::kBadParameter);
  DocumentHandle document = nullptr;
  sim::kDocumentSuiteTable.GetDocument(&document);
  EXPECT_EQ(symbols.CountSymbolPatterns(document, nullptr), sim::kBadParameter);
  EXPECT_EQ(symbols.GetNthSymbolPattern(document, 0, nullptr), sim::kBadParameter);
  EXPECT_EQ(symbols.NewInstanceCenteredInArt(CurrentSymbol(), {0, 0}, kPlaceAboveAll, nullptr, nullptr),
            sim::kBadParameter);
  ArtHandle art = NewInstance(CurrentSymbol());
  EXPECT_EQ(symbols.GetSoftTransform(art, nullptr), sim::kBadParameter);
  EXPECT_EQ(symbols.SetSoftTransform(art, nullptr), sim::kBadParameter);
  math.ConcatScale(nullptr, 1, 1);  // answers no status: must simply not crash
  EXPECT_EQ(host.document().liveArtCount(), 1u);
}

TEST_F(DocumentSuitesTest, RandomAndDegreesComeFromTheHost) {
  host.random().Script({0.25f, 0.75f});
  EXPECT_EQ(sim::kRandomSuiteTable.FloatRnd(), 0.25f);
  EXPECT_EQ(LastLine(), "FloatRnd = 0.25");
  EXPECT_EQ(sim::kRandomSuiteTable.FloatRnd(), 0.75f);
  const float next = sim::kRandomSuiteTable.FloatRnd();
  EXPECT_GE(next, 0.0f);
  EXPECT_LT(next, 1.0f);
  EXPECT_EQ(host.CallCount(Op::FloatRnd), 3);
  EXPECT_EQ(math.DegreeToRadian(180), 0x1.921fb6p+1f);
  EXPECT_EQ(LastLine(), "DegreeToRadian 180 = 3.1415927");
}

}  // namespace
