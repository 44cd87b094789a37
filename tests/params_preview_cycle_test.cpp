// The parameter dialog's live preview, played end to end: the real module in
// the stand-in host, the user played by a step driver.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "sim/export_json.h"
#include "tests/support/session.h"
#include "tests/support/step_driver.h"

namespace {

using test::Session;
using test::StepDriver;

constexpr int32_t kOk = 1, kCancel = 2, kPreview = 3, kSymbols = 4, kShuffle = 40;
constexpr int32_t kPagePopup = 50, kPresetPopup = 52, kJitterX = 11;

std::string DocumentJson(sim::Host& host) {
  std::ostringstream out;
  sim::WriteJson(host.document(), out);
  return out.str();
}

size_t Instances(sim::Host& host) { return host.document().liveArtCount(); }

class PreviewCycleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    session.Run("startup\n");
    session.host().dialogs().SetDriver(&driver);
  }
  void TearDown() override { session.host().dialogs().SetDriver(nullptr); }

  // Chooses the filter: the get-parameters message, then the go message.
  std::string Filter() { return session.Run("filter\n"); }
  int64_t Undos() { return session.host().CallCount(sim::Op::UndoChanges); }

  Session session;
  StepDriver driver;
};

TEST_F(PreviewCycleTest, OpeningPreviewsAndEveryChangeReplacesThePreview) {
  std::vector<size_t> seen;
  const auto count = [&](const sim::DialogModel&, sim::Host& host) { seen.push_back(Instances(host)); };
  driver.Inspect(count).Set(kSymbols, 5).Inspect(count).Set(kSymbols, 3).Inspect(count).Click(kShuffle).Inspect(count);
  Filter();
  EXPECT_EQ(seen, (std::vector<size_t>{10, 5, 3, 3}));
  // OK with Preview on keeps the last preview; the go message adds nothing.
  EXPECT_EQ(Instances(session.host()), 3u);
}

TEST_F(PreviewCycleTest, PreviewsRedrawTheDocumentWhileTheDialogIsUp) {
  int64_t before = -1, after = -1;
  driver.Inspect([&](const sim::DialogModel&, sim::Host& host) { before = host.CallCount(sim::Op::RedrawDocument); })
      .Set(kSymbols, 4)
      .Inspect([&](const sim::DialogModel&, sim::Host& host) { after = host.CallCount(sim::Op::RedrawDocument); });
  Filter();
  EXPECT_EQ(before, 1);
  EXPECT_EQ(after, 2);
}

TEST_F(PreviewCycleTest, OkKeepsExactlyTheInstancesOfTheLastPreview) {
  std::string lastPreview;
  driver.Set(kJitterX, 40).Click(kShuffle).Inspect([&](const sim::DialogModel&, sim::Host& host) {
    lastPreview = DocumentJson(host);
  });
  const std::string output = Filter();
  EXPECT_NE(output.find("> \"AI Filter\" \"AI Go\"\n< 0\n"), std::string::npos) << output;
  EXPECT_EQ(DocumentJson(session.host()), lastPreview);
  EXPECT_EQ(session.host().StoredParameters().slot[61].i, 0);
}

TEST_F(PreviewCycleTest, PreviewOffLeavesTheLastPreviewAndOkGeneratesOnce) {
  size_t whileOff = 0;
  int64_t undosWhileOff = 0;
  driver.Set(kSymbols, 6).Tick(kPreview, false).Inspect([&](const sim::DialogModel&, sim::Host& host) {
    whileOff = Instances(host);
    undosWhileOff = host.CallCount(sim::Op::UndoChanges);
  }).Set(kSymbols, 4).Inspect([&](const sim::DialogModel&, sim::Host& host) {
    // No preview: the art of the 6-slot preview is still there.
    EXPECT_EQ(Instances(host), 6u);
    EXPECT_EQ(host.CallCount(sim::Op::UndoChanges), undosWhileOff);
  });
  Filter();
  EXPECT_EQ(whileOff, 6u);
  EXPECT_EQ(session.host().StoredParameters().slot[0].i, 0);
  // The go message took the preview away and made the 4-slot row once.
  EXPECT_EQ(Instances(session.host()), 4u);
}

TEST_F(PreviewCycleTest, CancelLeavesTheDocumentAndTheBlockAsTheyWere) {
  // Art of an earlier use, which no later use may take away.
  session.Run("param symbols 7\ngo\n");
  const std::string documentBefore = DocumentJson(session.host());
  ParamBlock blockBefore;
  std::memcpy(&blockBefore, &session.host().StoredParameters(), sizeof blockBefore);

  driver.Set(kSymbols, 12).Select(kPresetPopup, 16).Select(kPagePopup, 2).Set(kSymbols, 30)
      .Inspect([&](const sim::DialogModel&, sim::Host& host) { EXPECT_GT(Instances(host), 7u); })
      .Click(kCancel);
  const std::string output = Filter();
  EXPECT_NE(output.find("< \"STOP\"\n"), std::string::npos) << output;
  EXPECT_EQ(output.find("AI Go"), std::string::npos) << output;
  EXPECT_EQ(output.find("Error Dialog"), std::string::npos) << output;

  EXPECT_EQ(DocumentJson(session.host()), documentBefore);
  const ParamBlock& after = session.host().StoredParameters();
  for (int slot = 0; slot < kParamSlotCount; ++slot) {
    if (slot == 61) continue;
    EXPECT_EQ(after.slot[slot].i, blockBefore.slot[slot].i) << "slot " << slot;
  }
  EXPECT_EQ(after.slot[61].i, 0);
}

TEST_F(PreviewCycleTest, PageSwitchWritesOnlyThePageAndRunsNoPreview) {
  ParamBlock before;
  int64_t undos = -1;
  sim::DialogItem symbols;
  driver.Inspect([&](const sim::DialogModel&, sim::Host& host) {
    std::memcpy(&before, &host.StoredParameters(), sizeof before);
    undos = host.CallCount(sim::Op::UndoChanges);
  }).Select(kPagePopup, 2).Inspect([&](const sim::DialogModel& dialog, sim::Host& host) {
    const ParamBlock& now = host.StoredParameters();
    for (int slot = 0; slot < kParamSlotCount; ++slot)
      EXPECT_EQ(now.slot[slot].i, slot == 6 ? 2 : before.slot[slot].i) << "slot " << slot;
    EXPECT_EQ(host.CallCount(sim::Op::UndoChanges), undos);
    // The "Symbols" field now shows the rows (page 2) with its page-2 range.
    const sim::DialogItem* item = dialog.Item(kSymbols);
    EXPECT_EQ(item->value, 1);
    EXPECT_EQ(item->minValue, 1);
    EXPECT_EQ(item->maxValue, 200);
    EXPECT_EQ(dialog.Item(kJitterX)->maxValue, 1000);
  }).Set(kSymbols, 3);
  Filter();
  // The edit on page 2 went to the rows: three rows of ten.
  EXPECT_EQ(session.host().StoredParameters().slot[3].i, 3);
  EXPECT_EQ(session.host().StoredParameters().slot[1].i, 10);
  EXPECT_EQ(Instances(session.host()), 30u);
}

TEST_F(PreviewCycleTest, TheDialogOpensWhereTheUserLeftIt) {
  driver.Do({sim::UserAction::Kind::kBounds, 0, 0, DialogRect{30, 40, 400, 450}}).Click(kOk);
  Filter();
  const ParamBlock& block = session.host().StoredParameters();
  EXPECT_EQ(block.slot[72].i, 1);
  EXPECT_EQ((std::vector<int32_t>{block.slot[68].i, block.slot[69].i, block.slot[70].i, block.slot[71].i}),
            (std::vector<int32_t>{30, 40, 400, 450}));

  StepDriver again;
  DialogRect opened{};
  again.Inspect([&](const sim::DialogModel& dialog, sim::Host&) { opened = dialog.bounds; });
  session.host().dialogs().SetDriver(&again);
  Filter();
  EXPECT_EQ((std::vector<int32_t>{opened.left, opened.top, opened.right, opened.bottom}),
            (std::vector<int32_t>{30, 40, 400, 450}));
}

TEST_F(PreviewCycleTest, FirstOpeningWithoutRememberedBoundsUsesTheDefaultPlaceAndSize) {
  DialogRect opened{};
  driver.Inspect([&](const sim::DialogModel& dialog, sim::Host&) { opened = dialog.bounds; });
  Filter();
  EXPECT_EQ(opened.right - opened.left, 340);
  EXPECT_EQ(opened.bottom - opened.top, 370);
}

TEST_F(PreviewCycleTest, RepeatedFilterNeverTakesAwayAnEarlierResult) {
  Filter();  // ten instances, kept
  session.host().dialogs().SetDriver(nullptr);
  session.Run("go\n");  // the host repeats the filter: ten more
  EXPECT_EQ(Instances(session.host()), 20u);
}

TEST(PresetSession, TwoRowsReflectedThroughTheScriptedUser) {
  Session session;
  const std::string output = session.Run(
      "startup\nuser select 52 16\nuser click 1\nfilter\n");
  EXPECT_NE(output.find("! dialog \"Zorv_Quillane\" opened\n"), std::string::npos) << output;
  EXPECT_NE(output.find("! dialog \"Zorv_Quillane\" closed with 1\n"), std::string::npos) << output;
  std::vector<const sim::Art*> art;
  session.host().document().ForEachArt([&](uint32_t, uint32_t, const sim::Art& a) { art.push_back(&a); });
  ASSERT_EQ(art.size(), 20u);
  for (size_t k = 0; k < 20; ++k) {
    const RealMatrix& m = art[k]->matrix;
    const float turn = k < 10 ? 1.0f : -1.0f;  // the second row is turned by 180 degrees
    EXPECT_NEAR(m.a, turn, 1e-6) << k;
    EXPECT_NEAR(m.d, turn, 1e-6) << k;
    EXPECT_NEAR(m.ty, k < 10 ? 100.0f : 120.0f, 1e-4) << k;
  }
}

TEST(PresetSession, CancelledDialogAnswersStopWithoutErrorAndLeavesNoArt) {
  Session session;
  const std::string output = session.Run("startup\nuser set 4 7\nuser click 2\nfilter\n");
  EXPECT_NE(output.find("< \"STOP\"\n"), std::string::npos) << output;
  EXPECT_EQ(output.find("Error Dialog"), std::string::npos) << output;
  EXPECT_EQ(session.host().document().liveArtCount(), 0u);
}

TEST(PresetSession, QueuedActionsThatRunOutPressTheDefaultButton) {
  Session session;
  const std::string output = session.Run("startup\nuser set 4 3\nfilter\n");
  EXPECT_NE(output.find("! dialog \"Zorv_Quillane\": no more user actions, pressing item 1\n"
                        "! dialog \"Zorv_Quillane\" closed with 1\n"),
            std::string::npos)
      << output;
  EXPECT_EQ(session.host().document().liveArtCount(), 3u);
}

}  // namespace
