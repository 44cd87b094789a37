// The document model: art and layers, paint order, handles, and undo of one
// use of the filter, which must never reach the user's own art or the
// results of earlier uses.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/default_document.h"
#include "sim/document.h"
#include "sim/real_math.h"

namespace {

using sim::ArtKind;
using sim::Document;

// Everything a user could see of a document, for comparing states.
std::string Picture(const Document& document) {
  std::string text;
  for (size_t l = 0; l < document.layers().size(); ++l) {
    const sim::Layer& layer = document.layers()[l];
    text += layer.name + (l == document.receivingLayer() ? " (receives):" : ":");
    for (uint32_t index : layer.paintOrder) {
      const sim::Art& art = document.art()[index];
      if (!art.alive) continue;
      text += art.kind == ArtKind::kInstance ? " i" : " g";
      text += std::to_string(art.symbol) + sim::MatrixText(art.matrix);
    }
    text += "\n";
  }
  return text + "live " + std::to_string(document.liveArtCount());
}

uint32_t MakeInstance(Document& document, uint32_t symbol, float x, float y) {
  uint32_t art = 0;
  EXPECT_EQ(document.NewInstance(symbol, {x, y}, &art), kNoError);
  return art;
}

// A document with the user's own art and the result of an earlier use of
// the filter, and a use in progress.
class UndoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sim::LoadDefaultDocument(doc);
    userArt = MakeInstance(doc, 0, 1, 1);
    userArt2 = MakeInstance(doc, 1, 2, 2);
    doc.BeginUse();  // an earlier use: an instance, a layer, an instance in it
    earlierArt = MakeInstance(doc, 2, 3, 3);
    uint32_t layer;
    ASSERT_EQ(doc.InsertLayerOnTop(&layer), kNoError);
    earlierInNewLayer = MakeInstance(doc, 3, 4, 4);
    doc.BeginUse();  // the use in progress
    before = Picture(doc);
  }

  // What a preview might do: new art in the old layers and in new ones,
  // disposals and changes of older art, a break of an older instance.
  void MakeChanges() {
    MakeInstance(doc, 4, 5, 5);
    uint32_t layer, group, art;
    ASSERT_EQ(doc.InsertLayerOnTop(&layer), kNoError);
    art = MakeInstance(doc, 5, 6, 6);
    ASSERT_EQ(doc.BreakLink(art, &group), kNoError);
    ASSERT_EQ(doc.Dispose(art), kNoError);
    ASSERT_EQ(doc.Dispose(userArt), kNoError);
    ASSERT_EQ(doc.SetMatrix(earlierArt, sim::TranslationMatrix(-7, -7)), kNoError);
    ASSERT_EQ(doc.SetMatrix(earlierArt, sim::TranslationMatrix(-8, -8)), kNoError);
    ASSERT_EQ(doc.BreakLink(userArt2, &group), kNoError);  // the group lands in layer 1
    ASSERT_EQ(doc.SetReceivingLayer(0), true);
    MakeInstance(doc, 0, 9, 9);
    ASSERT_NE(Picture(doc), before);
  }

  Document doc;
  uint32_t userArt = 0, userArt2 = 0, earlierArt = 0, earlierInNewLayer = 0;
  std::string before;
};

TEST_F(UndoTest, RemovesEveryChangeOfTheUseAndNothingOlder) {
  MakeChanges();
  doc.UndoChanges();
  EXPECT_EQ(Picture(doc), before);
  EXPECT_EQ(doc.layers().size(), 2u);
  EXPECT_EQ(doc.receivingLayer(), 1u);
  // The older art is all there and usable again.
  for (uint32_t art : {userArt, userArt2, earlierArt, earlierInNewLayer}) {
    uint32_t back;
    EXPECT_TRUE(doc.ArtOf(Document::ArtHandleOf(art), &back)) << art;
  }
}

TEST_F(UndoTest, RepeatsWithinOneUse) {
  // Every preview of a dialog undoes the one before.
  for (int preview = 0; preview < 3; ++preview) {
    MakeChanges();
    doc.UndoChanges();
    EXPECT_EQ(Picture(doc), before) << "preview " << preview;
  }
  doc.UndoChanges();  // nothing left to undo
  EXPECT_EQ(Picture(doc), before);
}

TEST_F(UndoTest, ResultOfAFinishedUseStays) {
  MakeChanges();
  const std::string result = Picture(doc);
  doc.BeginUse();
  doc.UndoChanges();
  EXPECT_EQ(Picture(doc), result);
  MakeInstance(doc, 1, 0, 0);
  doc.UndoChanges();
  EXPECT_EQ(Picture(doc), result);
}

TEST_F(UndoTest, ArtOfAnUndoneUseHasNoHandle) {
  const uint32_t art = MakeInstance(doc, 0, 0, 0);
  doc.UndoChanges();
  uint32_t back;
  EXPECT_FALSE(doc.ArtOf(Document::ArtHandleOf(art), &back));
  EXPECT_EQ(doc.SetMatrix(art, sim::kIdentityMatrix), sim::kBadHandle);
  EXPECT_EQ(doc.Dispose(art), sim::kBadHandle);
}

TEST(DocumentArt, NewInstancesGoOnTopOfTheReceivingLayerCentredWhereAsked) {
  Document doc;
  sim::LoadDefaultDocument(doc);
  const uint32_t first = MakeInstance(doc, 2, 30, -4);
  const uint32_t second = MakeInstance(doc, 0, 0, 0);
  ASSERT_EQ(doc.layers()[0].paintOrder, (std::vector<uint32_t>{first, second}));
  const sim::Art& art = doc.art()[first];
  EXPECT_EQ(art.kind, ArtKind::kInstance);
  EXPECT_EQ(art.symbol, 2u);
  EXPECT_EQ(sim::MatrixText(art.matrix), "[1 0 0 1 30 -4]");
  uint32_t unused;
  EXPECT_EQ(doc.NewInstance(6, {0, 0}, &unused), sim::kBadHandle);  // no seventh symbol
  Document empty;
  empty.AddSymbol("Dot", "<circle r=\"1\"/>", {-1, -1, 1, 1});
  EXPECT_EQ(empty.NewInstance(0, {0, 0}, &unused), sim::kNoLayer);
}

TEST(DocumentArt, BreakLinkPutsAGroupInTheInstancesPlace) {
  Document doc;
  sim::LoadDefaultDocument(doc);
  const uint32_t below = MakeInstance(doc, 0, 0, 0);
  const uint32_t instance = MakeInstance(doc, 3, 10, 20);
  const uint32_t above = MakeInstance(doc, 1, 0, 0);
  RealMatrix m = sim::TranslationMatrix(10, 20);
  sim::ConcatRotate(m, 1);
  ASSERT_EQ(doc.SetMatrix(instance, m), kNoError);

  uint32_t group;
  ASSERT_EQ(doc.BreakLink(instance, &group), kNoError);
  EXPECT_EQ(doc.layers()[0].paintOrder, (std::vector<uint32_t>{below, group, instance, above}));
  const sim::Art& made = doc.art()[group];
  EXPECT_EQ(made.kind, ArtKind::kGroup);
  EXPECT_EQ(made.symbol, 3u);
  EXPECT_EQ(sim::MatrixText(made.matrix), sim::MatrixText(m));
  EXPECT_EQ(doc.liveCount(ArtKind::kInstance), 3u);

  ASSERT_EQ(doc.Dispose(instance), kNoError);
  std::vector<uint32_t> live;
  doc.ForEachArt([&](uint32_t, uint32_t index, const sim::Art&) { live.push_back(index); });
  EXPECT_EQ(live, (std::vector<uint32_t>{below, group, above}));
  EXPECT_EQ(doc.liveCount(ArtKind::kInstance), 2u);
  EXPECT_EQ(doc.liveCount(ArtKind::kGroup), 1u);
  EXPECT_EQ(doc.liveArtCount(), 3u);

  // Plain artwork has no soft transform and cannot be broken again.
  RealMatrix read;
  EXPECT_EQ(doc.GetMatrix(group, &read), sim::kBadParameter);
  EXPECT_EQ(doc.BreakLink(group, &group), sim::kBadParameter);
  EXPECT_EQ(doc.Dispose(instance), sim::kBadHandle);  // already gone
}

TEST(DocumentArt, BreakingTheTopInstanceAndDisposingItLeavesNoTrace) {
  // The generator's pattern: make, break, dispose; the paint order holds
  // only the groups.
  Document doc;
  sim::LoadDefaultDocument(doc);
  std::vector<uint32_t> groups;
  for (int k = 0; k < 4; ++k) {
    const uint32_t instance = MakeInstance(doc, 0, static_cast<float>(k), 0);
    uint32_t group;
    ASSERT_EQ(doc.BreakLink(instance, &group), kNoError);
    ASSERT_EQ(doc.Dispose(instance), kNoError);
    groups.push_back(group);
  }
  EXPECT_EQ(doc.layers()[0].paintOrder, groups);
}

TEST(DocumentLayers, InsertedLayerGoesAboveAllAndReceivesNewArt) {
  Document doc;
  sim::LoadDefaultDocument(doc);
  doc.AddLayer("Sketch");  // a second user layer; Layer 1 still receives art
  uint32_t second, third;
  ASSERT_EQ(doc.InsertLayerOnTop(&second), kNoError);
  ASSERT_EQ(doc.InsertLayerOnTop(&third), kNoError);
  EXPECT_EQ(second, 2u);
  EXPECT_EQ(third, 3u);
  EXPECT_EQ(doc.layers()[2].name, "Layer 3");
  EXPECT_EQ(doc.layers()[3].name, "Layer 4");
  EXPECT_EQ(doc.receivingLayer(), third);
  const uint32_t art = MakeInstance(doc, 0, 0, 0);
  EXPECT_EQ(doc.layers()[third].paintOrder, std::vector<uint32_t>{art});
  EXPECT_EQ(doc.art()[art].layer, third);
}

TEST(DocumentHandles, OnlyHandlesTheDocumentGaveAreAccepted) {
  Document doc;
  sim::LoadDefaultDocument(doc);
  const uint32_t art = MakeInstance(doc, 0, 0, 0);
  const uint32_t disposed = MakeInstance(doc, 0, 0, 0);
  ASSERT_EQ(doc.Dispose(disposed), kNoError);
  uint32_t index = 12345;

  EXPECT_TRUE(doc.ArtOf(Document::ArtHandleOf(art), &index));
  EXPECT_EQ(index, art);
  EXPECT_TRUE(doc.SymbolOf(Document::SymbolHandleOf(5), &index));
  EXPECT_EQ(index, 5u);
  EXPECT_TRUE(doc.LayerOf(Document::LayerHandleOf(0), &index));
  EXPECT_EQ(index, 0u);

  index = 777;
  const struct {
    const char* what;
    bool accepted;
  } bad[] = {
      {"null art", doc.ArtOf(nullptr, &index)},
      {"disposed art", doc.ArtOf(Document::ArtHandleOf(disposed), &index)},
      {"art never made", doc.ArtOf(Document::ArtHandleOf(99), &index)},
      {"a symbol handle as art", doc.ArtOf(reinterpret_cast<ArtHandle>(Document::SymbolHandleOf(0)), &index)},
      {"a layer handle as art", doc.ArtOf(reinterpret_cast<ArtHandle>(Document::LayerHandleOf(0)), &index)},
      {"an arbitrary pointer as art", doc.ArtOf(reinterpret_cast<ArtHandle>(&doc), &index)},
      {"all ones as art", doc.ArtOf(reinterpret_cast<ArtHandle>(~uintptr_t{0}), &index)},
      {"symbol past the end", doc.SymbolOf(Document::SymbolHandleOf(6), &index)},
      {"an art handle as symbol", doc.SymbolOf(reinterpret_cast<SymbolHandle>(Document::ArtHandleOf(0)), &index)},
      {"null layer", doc.LayerOf(nullptr, &index)},
      {"layer past the end", doc.LayerOf(Document::LayerHandleOf(1), &index)},
  };
  for (const auto& b : bad) EXPECT_FALSE(b.accepted) << b.what;
  EXPECT_EQ(index, 777u) << "a refused handle leaves the result alone";
  EXPECT_TRUE(doc.IsDocument(doc.documentHandle()));
  EXPECT_FALSE(doc.IsDocument(nullptr));
}

TEST(DocumentMemory, ArtIsSmallAndPlain) {
  // Millions of instances: each costs its pool record plus one paint-order entry.
  EXPECT_LE(sizeof(sim::Art), 32u);
  Document doc;
  sim::LoadDefaultDocument(doc);
  const size_t empty = doc.ArtMemoryBytes();
  for (int k = 0; k < 100000; ++k) MakeInstance(doc, static_cast<uint32_t>(k % 6), 0, 0);
  EXPECT_LT(static_cast<double>(doc.ArtMemoryBytes() - empty) / 100000, 100.0);
}

TEST(DefaultDocument, SixDistinctColouredSymbolsOneLayerFirstSelected) {
  Document doc;
  doc.AddLayer("old");
  sim::LoadDefaultDocument(doc);
  ASSERT_EQ(doc.symbols().size(), 6u);
  ASSERT_EQ(doc.layers().size(), 1u);
  EXPECT_EQ(doc.layers()[0].name, "Layer 1");
  EXPECT_EQ(doc.receivingLayer(), 0u);
  EXPECT_EQ(doc.currentSymbol(), 0);
  EXPECT_EQ(doc.liveArtCount(), 0u);
  std::vector<std::string> names, fills;
  for (const sim::Symbol& symbol : doc.symbols()) {
    names.push_back(symbol.name);
    const size_t at = symbol.artwork.find("fill=\"#");
    ASSERT_NE(at, std::string::npos) << symbol.name;
    fills.push_back(symbol.artwork.substr(at, 14));
    const double width = symbol.bounds.right - symbol.bounds.left;
    const double height = symbol.bounds.top - symbol.bounds.bottom;
    EXPECT_GT(width, 15) << symbol.name;
    EXPECT_LE(width, 25) << symbol.name;
    EXPECT_GT(height, 15) << symbol.name;
    EXPECT_LE(height, 25) << symbol.name;
  }
  for (size_t i = 0; i < 6; ++i)
    for (size_t j = i + 1; j < 6; ++j) {
      EXPECT_NE(names[i], names[j]);
      EXPECT_NE(fills[i], fills[j]) << names[i] << " and " << names[j];
    }
  // Loading marks a use: an undo cannot take the document apart.
  doc.UndoChanges();
  EXPECT_EQ(doc.symbols().size(), 6u);
  EXPECT_EQ(doc.layers().size(), 1u);
}

}  // namespace
