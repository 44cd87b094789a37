// The real plug-in module run against the stand-in host's document: what a
// go message leaves in the built-in document.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plugin/params/param_block.h"
#include "sim/default_document.h"
#include "sim/real_math.h"
#include "tests/support/session.h"

namespace {

class DocumentGoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sim::LoadDefaultDocument(doc());
    ASSERT_EQ(host().Startup(), kNoError);
  }
  sim::Host& host() { return session.host(); }
  sim::Document& doc() { return host().document(); }
  ParamBlock& params() { return host().StoredParameters(); }

  // The live art of one layer, back to front.
  std::vector<sim::Art> LayerArt(uint32_t layer) {
    std::vector<sim::Art> result;
    doc().ForEachArt([&](uint32_t l, uint32_t, const sim::Art& art) {
      if (l == layer) result.push_back(art);
    });
    return result;
  }

  test::Session session;
};

TEST_F(DocumentGoTest, DefaultsMakeOneRowOfTenInstancesInOrder) {
  params();
  ASSERT_EQ(host().Go(), kNoError);
  const std::vector<sim::Art> art = LayerArt(0);
  ASSERT_EQ(art.size(), 10u);
  for (uint32_t k = 0; k < art.size(); ++k) {
    EXPECT_EQ(art[k].kind, sim::ArtKind::kInstance);
    EXPECT_EQ(art[k].symbol, k % 6) << k;
    // Scale 1, angle 0, centred at (100 + 20 k, 100).
    EXPECT_EQ(sim::MatrixText(art[k].matrix),
              sim::MatrixText(sim::TranslationMatrix(100.0f + 20.0f * static_cast<float>(k), 100))) << k;
  }
  EXPECT_EQ(doc().layers().size(), 1u);
  EXPECT_EQ(doc().redrawCount(), 0) << "a go run does not redraw";
}

TEST_F(DocumentGoTest, PassesGoIntoInsertedLayersAndBreakingLeavesOnlyPlainArt) {
  params().slot[kSlotLayers].i = 2;
  params().slot[kSlotBreakLink].i = 1;
  ASSERT_EQ(host().Go(), kNoError);
  ASSERT_EQ(doc().layers().size(), 3u);
  EXPECT_EQ(doc().layers()[1].name, "Layer 2");
  EXPECT_EQ(doc().layers()[2].name, "Layer 3");
  EXPECT_EQ(doc().receivingLayer(), 2u);
  for (uint32_t layer = 0; layer < 3; ++layer) {
    const std::vector<sim::Art> art = LayerArt(layer);
    EXPECT_FALSE(art.empty()) << layer;
    for (const sim::Art& piece : art) EXPECT_EQ(piece.kind, sim::ArtKind::kGroup);
  }
  EXPECT_EQ(doc().liveCount(sim::ArtKind::kInstance), 0u);
}

TEST_F(DocumentGoTest, EachGoIsItsOwnUseAndKeepsTheOneBefore) {
  params();
  ASSERT_EQ(host().Go(), kNoError);
  const size_t first = doc().liveArtCount();
  ASSERT_EQ(host().Go(), kNoError);
  EXPECT_EQ(doc().liveArtCount(), 2 * first);
  // Undoing the second use takes away its art only.
  doc().UndoChanges();
  EXPECT_EQ(doc().liveArtCount(), first);
}

// The default instances are centred at (100 + 20 k, 100) with scale 1 and
// angle 0: a host that cannot give an instance's matrix changes none of them.
TEST_F(DocumentGoTest, AFailingMatrixReadPlacesTheInstancesAsUsual) {
  host().faults().FailOperation(sim::Op::GetSoftTransform, sim::FaultRule{0, -1, MakeCode("FAIL")});
  params();
  ASSERT_EQ(host().Go(), kNoError);
  const std::vector<sim::Art> art = LayerArt(0);
  ASSERT_EQ(art.size(), 10u);
  EXPECT_EQ(host().CallCount(sim::Op::GetSoftTransform), 10);
  for (uint32_t k = 0; k < art.size(); ++k) {
    EXPECT_EQ(sim::MatrixText(art[k].matrix),
              sim::MatrixText(sim::TranslationMatrix(100.0f + 20.0f * static_cast<float>(k), 100))) << k;
  }
}

TEST_F(DocumentGoTest, NoSymbolSelectedMakesNothing) {
  doc().SelectSymbol(-1);
  params();
  EXPECT_EQ(host().Go(), kNoError);
  EXPECT_EQ(doc().liveArtCount(), 0u);
  EXPECT_EQ(host().CallCount(sim::Op::GetCurrentSymbol), 1);
  EXPECT_EQ(host().CallCount(sim::Op::NewInstanceCenteredInArt), 0);
}

}  // namespace
