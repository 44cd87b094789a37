// The dialog's behaviour: the page popup, the read-back of every item into
// the record with its live preview, "Shuffle" and OK.
#include <string>
#include <utility>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "plugin/params/dialog_behaviour.h"
#include "plugin/params/params_dialog.h"
#include "tests/support/fake_dialog_manager.h"

namespace fake_adm {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

// The value items with the first slot they show and their bounds per page.
struct Range {
  int32_t item;
  int32_t baseSlot;
  bool isFloat;
  int32_t min[3];
  int32_t max[3];
};

const Range kRanges[] = {
    {4, 1, false, {1, -50, 1}, {200, 50, 200}},
    {19, 13, false, {-1, -20, -1}, {60, 20, 200}},
    {5, 16, true, {-2000, -200, -2000}, {2000, 200, 2000}},
    {6, 19, true, {-2000, -200, -2000}, {2000, 200, 2000}},
    {7, 22, true, {-200, -100, -200}, {200, 100, 200}},
    {8, 25, true, {-200, -100, -200}, {200, 100, 200}},
    {9, 28, true, {-500, -200, -200}, {500, 200, 200}},
    {10, 31, true, {-360, -100, -360}, {360, 100, 360}},
    {11, 34, true, {0, -100, 0}, {100, 100, 1000}},
    {12, 37, true, {0, -100, 0}, {100, 100, 1000}},
    {13, 40, true, {0, -100, 0}, {100, 100, 200}},
    {14, 43, true, {0, -100, 0}, {100, 100, 200}},
    {15, 46, true, {-100, -100, -100}, {100, 100, 100}},
    {17, 7, true, {-120, -120, -120}, {120, 120, 120}},
    {18, 10, true, {-360, -100, -360}, {360, 100, 360}},
};

// Slots the read-back writes whatever the items hold: the go flag, the
// preview flag and the dialog's rectangle.
bool IsBookkeepingSlot(int32_t slot) {
  return slot == kSlotRunFromGo || slot == kSlotPreviewPresent ||
         (slot >= kSlotDialogBounds && slot <= kSlotDialogBoundsValid);
}

std::vector<int32_t> ChangedValueSlots(const ParamBlock& a, const ParamBlock& b) {
  std::vector<int32_t> changed;
  for (int32_t slot : ChangedSlots(a, b)) {
    if (!IsBookkeepingSlot(slot)) changed.push_back(slot);
  }
  return changed;
}

using ParamsDialogBehaviourTest = FakeDialogTest;

// Switching to each page, from a record showing another page: only slot 6
// changes, every value item gets the page's range and shows the page's
// slot, and nothing is read back or previewed.
TEST_F(ParamsDialogBehaviourTest, PageSwitchSetsRangesAndLoadsThePageWithoutReadingBack) {
  for (int32_t page = 0; page < 3; ++page) {
    SCOPED_TRACE("page " + std::to_string(page));
    ParamBlock start = EditedParams((page + 1) % 3);
    start.slot[kSlotPreview].i = 1;
    ParamBlock before{};
    int previewsBefore = 0, boundsReadsBefore = 0;
    adm.actions = {
        Inspect([&](FakeDialogManager& m, FakeDialog& d) {
          before = *d.block();
          previewsBefore = m.Previews();
          boundsReadsBefore = m.Count(Op::GetBoundsRect);
        }),
        UserChoose(kItemPagePopup, page),
        Inspect([&](FakeDialogManager& m, FakeDialog& d) {
          EXPECT_THAT(ChangedSlots(before, *d.block()), ElementsAre(kSlotPage));
          EXPECT_EQ(d.block()->slot[kSlotPage].i, page);
          EXPECT_EQ(m.Previews(), previewsBefore) << "a page switch previewed";
          EXPECT_EQ(m.Count(Op::GetBoundsRect), boundsReadsBefore) << "a page switch read back";

          for (const Range& r : kRanges) {
            SCOPED_TRACE("item " + std::to_string(r.item));
            const FakeItem& item = d.Item(r.item);
            EXPECT_EQ(item.units, 0);
            EXPECT_EQ(item.proc, OnParamChanged);
            const ParamSlot shown = start.slot[r.baseSlot + page];
            if (r.isFloat) {
              EXPECT_EQ(item.minFloat, static_cast<float>(r.min[page]));
              EXPECT_EQ(item.maxFloat, static_cast<float>(r.max[page]));
              EXPECT_EQ(item.precision, 5);
              EXPECT_EQ(item.floatValue, shown.f);
              EXPECT_FALSE(item.minInt.has_value());
            } else {
              EXPECT_EQ(item.minInt, r.min[page]);
              EXPECT_EQ(item.maxInt, r.max[page]);
              EXPECT_FALSE(item.precision.has_value());
              EXPECT_EQ(item.intValue, shown.i);
              EXPECT_FALSE(item.minFloat.has_value());
            }
          }
          const FakeItem& layers = d.Item(kItemLayers);
          EXPECT_EQ(layers.minInt, 0);
          EXPECT_EQ(layers.maxInt, 25);
          EXPECT_EQ(layers.units, 0);
          EXPECT_FALSE(layers.precision.has_value());
          EXPECT_EQ(layers.intValue, start.slot[kSlotLayers].i);
          EXPECT_EQ(d.Item(30).boolValue, start.slot[kSlotRandomSymbols + page].i);
          EXPECT_EQ(d.Item(31).boolValue, start.slot[kSlotOrderedSymbols + page].i);
        }),
    };
    ASSERT_EQ(Run(start), kNoError);
  }
}

// The page handler's steps: the page, then per value item its unit, bounds,
// precision (floats) and procedure, then "Layers" and the two per-page
// boxes' procedures, then the values.
TEST_F(ParamsDialogBehaviourTest, PageSwitchRunsItsStepsInOrder) {
  size_t from = 0;
  adm.actions = {Inspect([&](FakeDialogManager& m, FakeDialog&) { from = m.events.size(); }),
                 UserChoose(kItemPagePopup, 2)};
  ASSERT_EQ(Run(EditedParams(0)), kNoError);

  std::vector<std::pair<Op, int32_t>> got;
  for (size_t i = from + 1; i < adm.events.size() && adm.events[i].op != Op::UserAction; ++i) {
    const Event& e = adm.events[i];
    if (e.op == Op::GetItem || e.op == Op::GetDialog || e.op == Op::GetUserData) continue;
    got.emplace_back(e.op, e.item);
  }
  std::vector<std::pair<Op, int32_t>> want = {
      {Op::GetList, 50}, {Op::GetActiveEntry, 50}, {Op::GetID, 50}};
  for (const Range& r : kRanges) {
    want.emplace_back(Op::SetUnits, r.item);
    want.emplace_back(r.isFloat ? Op::SetMinFloatValue : Op::SetMinIntValue, r.item);
    want.emplace_back(r.isFloat ? Op::SetMaxFloatValue : Op::SetMaxIntValue, r.item);
    if (r.isFloat) want.emplace_back(Op::SetPrecision, r.item);
    want.emplace_back(Op::SetNotifyProc, r.item);
  }
  want.insert(want.end(), {{Op::SetUnits, 16},
                           {Op::SetMinIntValue, 16},
                           {Op::SetMaxIntValue, 16},
                           {Op::SetNotifyProc, 16},
                           {Op::SetNotifyProc, 30},
                           {Op::SetNotifyProc, 31}});
  for (const Range& r : kRanges) {
    want.emplace_back(r.isFloat ? Op::SetFloatValue : Op::SetIntValue, r.item);
  }
  for (int32_t box : {30, 31, 3, 32, 33, 34}) want.emplace_back(Op::SetBooleanValue, box);
  want.emplace_back(Op::SetIntValue, 16);
  EXPECT_THAT(got, ElementsAreArray(want));
  // The page handler gives the notification no default handling.
  EXPECT_EQ(std::count_if(adm.events.begin() + from, adm.events.end(),
                          [](const Event& e) { return e.op == Op::DefaultNotify; }),
            1)
      << "only the final OK click";
}

// An edit of each item on each page writes that item's slot for the page
// shown and no other value slot.
TEST_F(ParamsDialogBehaviourTest, AnEditWritesOnlyTheSlotOfThePageShown) {
  struct Edit {
    int32_t item;
    int32_t slot;      // the base slot of a per-page parameter
    bool perPage;
    Action (*make)(int32_t item, int32_t page);
    ParamSlot (*expected)(int32_t page);
  };
  // Values inside every page's range and unlike EditedParams' values.
  const auto intEdit = [](int32_t item, int32_t page) { return UserSetInt(item, 11 + page); };
  const auto intValue = [](int32_t page) { return ParamSlot{.i = 11 + page}; };
  const auto floatEdit = [](int32_t item, int32_t page) {
    return UserSetFloat(item, 60.25f + static_cast<float>(page));
  };
  const auto floatValue = [](int32_t page) {
    return ParamSlot{.f = 60.25f + static_cast<float>(page)};
  };
  std::vector<Edit> edits;
  for (const Range& r : kRanges) {
    edits.push_back({r.item, r.baseSlot, true, r.isFloat ? +floatEdit : +intEdit,
                     r.isFloat ? +floatValue : +intValue});
  }
  const auto boxOff = [](int32_t item, int32_t page) { return UserSetBool(item, page % 2); };
  const auto boxOffValue = [](int32_t page) { return ParamSlot{.i = page % 2}; };
  const auto boxOn = [](int32_t item, int32_t) { return UserSetBool(item, 1); };
  const auto boxOnValue = [](int32_t) { return ParamSlot{.i = 1}; };
  const auto chooseFill = [](int32_t item, int32_t page) { return UserChoose(item, 2 + page); };
  const auto fillValue = [](int32_t page) { return ParamSlot{.i = 2 + page}; };
  edits.push_back({kItemLayers, kSlotLayers, false, +intEdit, +intValue});
  edits.push_back({kItemRandomSymbols, kSlotRandomSymbols, true, +boxOff, +boxOffValue});
  edits.push_back({kItemOrderedSymbols, kSlotOrderedSymbols, true, +boxOff, +boxOffValue});
  edits.push_back({kItemPreview, kSlotPreview, false, +boxOn, +boxOnValue});
  edits.push_back({kItemLinkProportional, kSlotLinkProportional, false, +boxOn, +boxOnValue});
  edits.push_back({kItemRandomSymbolCount, kSlotRandomSymbolCount, false, +boxOff, +boxOffValue});
  edits.push_back({kItemBreakLink, kSlotBreakLink, false, +boxOff, +boxOffValue});
  edits.push_back({kItemFillModePopup, kSlotFillMode, false, +chooseFill, +fillValue});

  for (int32_t page = 0; page < 3; ++page) {
    for (const Edit& edit : edits) {
      SCOPED_TRACE("page " + std::to_string(page) + ", item " + std::to_string(edit.item));
      ParamBlock start = EditedParams(page);
      // Every page slot distinct, so that a write to the wrong page shows.
      for (int32_t base : {kSlotRandomSymbols, kSlotOrderedSymbols}) {
        start.slot[base + 0].i = 1;
        start.slot[base + 1].i = 0;
        start.slot[base + 2].i = 1;
      }
      const int32_t slot = edit.perPage ? edit.slot + page : edit.slot;
      const ParamSlot want = edit.expected(page);
      ParamBlock before{};
      adm.actions = {
          Inspect([&](FakeDialogManager&, FakeDialog& d) { before = *d.block(); }),
          edit.make(edit.item, page),
          Inspect([&](FakeDialogManager&, FakeDialog& d) {
            const std::vector<int32_t> changed = ChangedValueSlots(before, *d.block());
            if (before.slot[slot].i == want.i) {
              EXPECT_THAT(changed, IsEmpty());
            } else {
              EXPECT_THAT(changed, ElementsAre(slot));
            }
            EXPECT_EQ(d.block()->slot[slot].i, want.i);
          }),
      };
      ASSERT_EQ(Run(start), kNoError);
    }
  }
}

// The read-back: slot 60 cleared before the default handling, the items
// read in order, the rectangle stored after them, and slot 61 set just
// before the preview.
TEST_F(ParamsDialogBehaviourTest, ReadBackRunsItsStepsInOrder) {
  const DialogRect moved{5, 6, 345, 376};
  size_t from = 0;
  adm.actions = {
      Inspect([&](FakeDialogManager& m, FakeDialog& d) {
        ParamBlock& block = *d.block();
        block.slot[kSlotRunFromGo].i = 1;
        block.slot[kSlotPreviewPresent].i = 0;
        block.slot[kSlotDialogBoundsValid].i = 0;
        from = m.events.size();
      }),
      UserMove(moved),
      UserClick(kItemShuffle),
  };
  ParamBlock start = EditedParams(2);
  start.slot[kSlotPreview].i = 1;
  ASSERT_EQ(Run(start), kNoError);

  std::vector<std::pair<Op, int32_t>> reads;
  int defaultNotify = -1, boundsRead = -1, preview = -1;
  const int click = adm.Find(Op::UserAction, static_cast<int>(from) + 1);
  ASSERT_GE(click, 0);
  for (int i = click + 1; i < static_cast<int>(adm.events.size()); ++i) {
    const Event& e = adm.events[i];
    if (e.op == Op::UserAction) break;
    if (e.op == Op::DefaultNotify && defaultNotify < 0) defaultNotify = i;
    if (e.op == Op::GetBoundsRect && boundsRead < 0) boundsRead = i;
    if (e.op == Op::GetCurrentSymbol && preview < 0) preview = i;
    if (e.op == Op::GetBooleanValue || e.op == Op::GetIntValue || e.op == Op::GetFloatValue ||
        e.op == Op::GetID) {
      reads.emplace_back(e.op, e.item);
    }
  }
  std::vector<std::pair<Op, int32_t>> want = {{Op::GetBooleanValue, 3},
                                              {Op::GetID, 51},
                                              {Op::GetID, 50},
                                              {Op::GetIntValue, 4},
                                              {Op::GetIntValue, 19},
                                              {Op::GetIntValue, 16}};
  for (int32_t item : {5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 17, 18}) {
    want.emplace_back(Op::GetFloatValue, item);
  }
  for (int32_t box : {30, 31, 32, 33, 34}) want.emplace_back(Op::GetBooleanValue, box);
  EXPECT_THAT(reads, ElementsAreArray(want));

  ASSERT_GE(defaultNotify, 0);
  ASSERT_GE(boundsRead, 0);
  ASSERT_GE(preview, 0);
  // Before the default handling, slot 60 is already 0 and nothing else moved.
  const ParamBlock& atDefault = *adm.events[defaultNotify].block;
  EXPECT_EQ(atDefault.slot[kSlotRunFromGo].i, 0);
  EXPECT_EQ(adm.events[click].block->slot[kSlotRunFromGo].i, 1);
  // When the rectangle is read, the flags of the end are not yet written.
  const ParamBlock& atBounds = *adm.events[boundsRead].block;
  EXPECT_EQ(atBounds.slot[kSlotDialogBoundsValid].i, 0);
  EXPECT_EQ(atBounds.slot[kSlotPreviewPresent].i, 0);
  // When the preview runs, the rectangle is stored and slot 61 is set.
  const ParamBlock& atPreview = *adm.events[preview].block;
  EXPECT_EQ(atPreview.slot[kSlotPreviewPresent].i, 1);
  EXPECT_EQ(atPreview.slot[kSlotDialogBoundsValid].i, 1);
  EXPECT_EQ(atPreview.slot[68].i, moved.left);
  EXPECT_EQ(atPreview.slot[69].i, moved.top);
  EXPECT_EQ(atPreview.slot[70].i, moved.right);
  EXPECT_EQ(atPreview.slot[71].i, moved.bottom);
  EXPECT_LT(defaultNotify, boundsRead);
  EXPECT_LT(boundsRead, preview);
}

// A preview that fails has incomplete art: it must not be kept as the
// result, so the go message after OK generates anew.
TEST_F(ParamsDialogBehaviourTest, AFailedPreviewIsNotMarkedPresent) {
  ParamBlock start = FreshDefaults(TestPluginRef(1));
  adm.undoStatus = MakeCode("UNDO");  // every preview fails at its first step
  adm.actions = {
      Inspect([&](FakeDialogManager& m, FakeDialog& d) {
        EXPECT_EQ(m.Count(Op::UndoChanges), 1);
        EXPECT_EQ(d.block()->slot[kSlotPreviewPresent].i, 0);
        m.undoStatus = kNoError;
      }),
      UserSetFloat(kItemGapX, 33.0f),
      Inspect([&](FakeDialogManager& m, FakeDialog& d) {
        EXPECT_EQ(m.Count(Op::UndoChanges), 2);
        EXPECT_EQ(m.Previews(), 1);
        EXPECT_EQ(d.block()->slot[kSlotPreviewPresent].i, 1);
      }),
  };
  ASSERT_EQ(Run(start), kNoError);
}

TEST_F(ParamsDialogBehaviourTest, PreviewOffStopsPreviewingAndOnPreviewsAtOnce) {
  ParamBlock start = FreshDefaults(TestPluginRef(1));
  int previewsAtOpen = 0, undosAtOpen = 0;
  adm.actions = {
      Inspect([&](FakeDialogManager& m, FakeDialog& d) {
        previewsAtOpen = m.Previews();
        undosAtOpen = m.Count(Op::UndoChanges);
        EXPECT_EQ(d.block()->slot[kSlotPreviewPresent].i, 1);
      }),
      UserSetBool(kItemPreview, 0),
      Inspect([&](FakeDialogManager& m, FakeDialog& d) {
        EXPECT_EQ(d.block()->slot[kSlotPreview].i, 0);
        EXPECT_EQ(d.block()->slot[kSlotPreviewPresent].i, 0);
        EXPECT_EQ(m.Previews(), previewsAtOpen);
        EXPECT_EQ(m.Count(Op::UndoChanges), undosAtOpen) << "the last preview's art stays";
      }),
      UserSetFloat(kItemGapX, 33.0f),
      Inspect([&](FakeDialogManager& m, FakeDialog& d) {
        EXPECT_EQ(d.block()->slot[kSlotGapX].f, 33.0f);
        EXPECT_EQ(m.Previews(), previewsAtOpen);
      }),
      UserSetBool(kItemPreview, 1),
      Inspect([&](FakeDialogManager& m, FakeDialog& d) {
        EXPECT_EQ(d.block()->slot[kSlotPreviewPresent].i, 1);
        EXPECT_EQ(m.Previews(), previewsAtOpen + 1);
      }),
  };
  ASSERT_EQ(Run(start), kNoError);
  EXPECT_EQ(previewsAtOpen, 1);
  EXPECT_EQ(undosAtOpen, 1);
}

TEST_F(ParamsDialogBehaviourTest, ShuffleRePreviewsTheSameValues) {
  for (int32_t preview : {1, 0}) {
    SCOPED_TRACE("preview " + std::to_string(preview));
    ParamBlock start = EditedParams(1);
    start.slot[kSlotPreview].i = preview;
    const DialogRect moved{7, 8, 347, 378};
    ParamBlock before{};
    int previewsBefore = 0;
    adm.actions = {
        Inspect([&](FakeDialogManager& m, FakeDialog& d) {
          before = *d.block();
          previewsBefore = m.Previews();
        }),
        UserMove(moved),
        UserClick(kItemShuffle),
        Inspect([&](FakeDialogManager& m, FakeDialog& d) {
          EXPECT_THAT(ChangedValueSlots(before, *d.block()), IsEmpty());
          EXPECT_EQ(m.Previews(), previewsBefore + preview);
          EXPECT_EQ(d.block()->slot[68].i, moved.left) << "the rectangle is stored";
          EXPECT_EQ(d.block()->slot[kSlotPreviewPresent].i, preview);
        }),
    };
    ASSERT_EQ(Run(start), kNoError);
  }
}

TEST_F(ParamsDialogBehaviourTest, AnEditSurvivesSwitchingAwayAndBack) {
  adm.actions = {
      UserSetFloat(kItemStartX, 123.5f),
      UserChoose(kItemPagePopup, 1),
      Inspect([](FakeDialogManager&, FakeDialog& d) {
        EXPECT_EQ(d.Item(kItemStartX).floatValue, 0.0f) << "page 1's startX";
      }),
      UserChoose(kItemPagePopup, 0),
      Inspect([](FakeDialogManager&, FakeDialog& d) {
        EXPECT_EQ(d.Item(kItemStartX).floatValue, 123.5f);
      }),
  };
  ASSERT_EQ(Run(FreshDefaults(TestPluginRef(1))), kNoError);
  EXPECT_EQ(Stored().slot[kSlotStartX].f, 123.5f);
  EXPECT_EQ(Stored().slot[kSlotStartX + 1].f, 0.0f);
}

// The ranges hold: an entry beyond them is kept within them by the item.
TEST_F(ParamsDialogBehaviourTest, EnteredValuesStayWithinThePagesRange) {
  adm.actions = {
      UserSetFloat(kItemStartX, 5000.0f),   // page 0: up to 2000
      UserChoose(kItemPagePopup, 1),
      UserSetFloat(kItemStartX, 5000.0f),   // page 1: up to 200
      UserSetInt(kItemSymbols, -80),        // page 1: down to -50
      UserChoose(kItemPagePopup, 2),
      UserSetFloat(kItemJitterX, 5000.0f),  // page 2: up to 1000
      UserSetInt(kItemLayers, 40),          // every page: up to 25
  };
  ASSERT_EQ(Run(FreshDefaults(TestPluginRef(1))), kNoError);
  EXPECT_EQ(Stored().slot[kSlotStartX + 0].f, 2000.0f);
  EXPECT_EQ(Stored().slot[kSlotStartX + 1].f, 200.0f);
  EXPECT_EQ(Stored().slot[kSlotSymbols + 1].i, -50);
  EXPECT_EQ(Stored().slot[kSlotJitterX + 2].f, 1000.0f);
  EXPECT_EQ(Stored().slot[kSlotLayers].i, 25);
}

TEST_F(ParamsDialogBehaviourTest, OkStoresTheRectangleAndClosesWithoutChangingValues) {
  const DialogRect moved{21, 22, 361, 392};
  ParamBlock atLastReadBack{};
  adm.actions = {
      Inspect([&](FakeDialogManager&, FakeDialog& d) { atLastReadBack = *d.block(); }),
      UserMove(moved),
      UserClick(kItemOk),
  };
  ASSERT_EQ(Run(EditedParams(0)), kNoError);
  EXPECT_EQ(adm.dialog->closedBy, kItemOk);
  EXPECT_THAT(ChangedSlots(atLastReadBack, Stored()), ElementsAre(68, 69, 70, 71));
  EXPECT_EQ(Stored().slot[68].i, moved.left);
  EXPECT_EQ(Stored().slot[69].i, moved.top);
  EXPECT_EQ(Stored().slot[70].i, moved.right);
  EXPECT_EQ(Stored().slot[71].i, moved.bottom);
  EXPECT_EQ(Stored().slot[72].i, 1);
  // OK's own handling comes first, then the rectangle; no value is read.
  const int click = static_cast<int>(adm.events.size()) - 1;
  int i = click;
  while (i >= 0 && adm.events[i].op != Op::UserAction) --i;
  std::vector<Op> okOps;
  for (int j = i + 1; j < static_cast<int>(adm.events.size()); ++j) {
    if (adm.events[j].op == Op::UndoChanges) break;
    okOps.push_back(adm.events[j].op);
  }
  EXPECT_THAT(okOps, ElementsAre(Op::GetDialog, Op::GetUserData, Op::DefaultNotify,
                                 Op::GetBoundsRect));
}

// A preview that fails shows nothing and keeps the dialog open with the
// values stored.
TEST_F(ParamsDialogBehaviourTest, AFailingPreviewLeavesTheDialogOpen) {
  adm.undoStatus = MakeCode("UNDO");  // every generator run fails at its start
  adm.actions = {UserSetInt(kItemSymbols, 42), UserSetFloat(kItemGapX, 12.0f)};
  const Status status = Run(FreshDefaults(TestPluginRef(1)));
  EXPECT_EQ(status, kNoError);
  EXPECT_EQ(Stored().slot[kSlotSymbols].i, 42);
  EXPECT_EQ(Stored().slot[kSlotGapX].f, 12.0f);
  EXPECT_EQ(adm.Count(Op::UndoChanges), 3) << "the opening and both edits tried to preview";
}

}  // namespace
}  // namespace fake_adm
