// The parameter dialog as InitParamsDialog builds it: size and place, the
// 38 items, the popups' entries and the two notifications that load the
// page and read the dialog back once.
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "plugin/params/dialog_behaviour.h"
#include "plugin/params/params_dialog.h"
#include "plugin/params/presets.h"
#include "tests/support/fake_dialog_manager.h"

namespace fake_adm {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

struct ExpectedItem {
  int32_t id;
  const char* type;
  DialogRect bounds;
  const char* text;
  ItemNotifyProc procWhileUp;  // the procedure the item has once the dialog is up
};

constexpr const char* kPopup = "ADM Popup List Type";
constexpr const char* kSpin = "ADM Spin Edit Type";
constexpr const char* kStatic = "ADM Text Static Type";
constexpr const char* kCheck = "ADM Text Check Box Type";
constexpr const char* kButton = "ADM Text Push Button Type";

const ExpectedItem kExpectedItems[] = {
    {50, kPopup, {10, 10, 240, 30}, "", OnPageChanged},
    {51, kPopup, {10, 192, 240, 212}, "", OnParamChanged},
    {52, kPopup, {250, 120, 330, 140}, "", OnPresetChosen},
    {4, kSpin, {110, 35, 170, 55}, "", OnParamChanged},
    {5, kSpin, {110, 57, 170, 77}, "", OnParamChanged},
    {6, kSpin, {180, 57, 240, 77}, "", OnParamChanged},
    {7, kSpin, {110, 79, 170, 99}, "", OnParamChanged},
    {8, kSpin, {180, 79, 240, 99}, "", OnParamChanged},
    {9, kSpin, {110, 101, 170, 121}, "", OnParamChanged},
    {10, kSpin, {180, 101, 240, 121}, "", OnParamChanged},
    {11, kSpin, {110, 123, 170, 143}, "", OnParamChanged},
    {12, kSpin, {180, 123, 240, 143}, "", OnParamChanged},
    {13, kSpin, {110, 145, 170, 165}, "", OnParamChanged},
    {14, kSpin, {180, 145, 240, 165}, "", OnParamChanged},
    {15, kSpin, {110, 167, 170, 187}, "", OnParamChanged},
    {16, kSpin, {110, 217, 170, 237}, "", OnParamChanged},
    {17, kSpin, {110, 239, 170, 259}, "", OnParamChanged},
    {18, kSpin, {180, 239, 240, 259}, "", OnParamChanged},
    {19, kSpin, {110, 261, 170, 281}, "", OnParamChanged},
    {60, kStatic, {10, 35, 100, 55}, "Symbols", nullptr},
    {61, kStatic, {10, 57, 100, 77}, "Start position", nullptr},
    {62, kStatic, {10, 79, 100, 99}, "Gap", nullptr},
    {63, kStatic, {10, 101, 100, 121}, "Setup", nullptr},
    {64, kStatic, {10, 123, 100, 143}, "Jitter", nullptr},
    {65, kStatic, {10, 145, 100, 165}, "Jitter scale", nullptr},
    {66, kStatic, {10, 167, 100, 187}, "Jitter angle", nullptr},
    {67, kStatic, {10, 217, 100, 237}, "Layers", nullptr},
    {68, kStatic, {10, 239, 100, 259}, "Symbol->Symbol", nullptr},
    {68, kStatic, {10, 261, 100, 281}, "Pulse", nullptr},
    {3, kCheck, {250, 100, 330, 114}, "Preview", OnParamChanged},
    {30, kCheck, {10, 284, 230, 298}, "Symbols [R]", OnParamChanged},
    {31, kCheck, {10, 301, 230, 315}, "Ordered", OnParamChanged},
    {32, kCheck, {10, 318, 230, 332}, "Link / proportional", OnParamChanged},
    {33, kCheck, {10, 335, 230, 349}, "Random number of symbols", OnParamChanged},
    {34, kCheck, {10, 352, 230, 366}, "Break link with symbol", OnParamChanged},
    {1, kButton, {250, 10, 330, 30}, "OK", OnOk},
    {2, kButton, {250, 40, 330, 60}, "Cancel", nullptr},
    {40, kButton, {250, 70, 330, 90}, "Shuffle", OnParamChanged},
};

bool SameRect(const DialogRect& a, const DialogRect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string Describe(const DialogRect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

using ParamsDialogLayoutTest = FakeDialogTest;

TEST_F(ParamsDialogLayoutTest, CreatesThe38ItemsInOrderWithTheirLayoutTextsAndProcedures) {
  ASSERT_EQ(Run(FreshDefaults(TestPluginRef(1))), kNoError);

  const auto& items = adm.dialog->items;
  ASSERT_EQ(items.size(), std::size(kExpectedItems));
  for (size_t n = 0; n < items.size(); ++n) {
    const ExpectedItem& want = kExpectedItems[n];
    const FakeItem& got = *items[n];
    SCOPED_TRACE("item #" + std::to_string(n + 1) + " (id " + std::to_string(want.id) + ")");
    EXPECT_EQ(got.id, want.id);
    EXPECT_EQ(got.type, want.type);
    EXPECT_TRUE(SameRect(got.bounds, want.bounds)) << Describe(got.bounds);
    EXPECT_EQ(got.text, want.text);
    EXPECT_EQ(got.proc, want.procWhileUp);
  }
}

// What each item gets between its CreateItem and the next item's.
TEST_F(ParamsDialogLayoutTest, EachItemGetsExactlyItsCreationSteps) {
  ParamBlock start = FreshDefaults(TestPluginRef(1));
  start.slot[kSlotPreview].i = 0;  // the Preview box takes its value from slot 0
  ASSERT_EQ(Run(start), kNoError);

  struct Step {
    Op op;
    double number;
    std::string text;
    ItemNotifyProc proc;
    bool operator==(const Step&) const = default;
  };
  std::vector<std::vector<Step>> steps;  // per created item
  for (const Event& e : adm.events) {
    if (e.op == Op::CreateItem) {
      steps.emplace_back();
      continue;
    }
    if (steps.empty()) continue;
    if (steps.size() == std::size(kExpectedItems) && e.op == Op::GetItem) break;  // popups next
    steps.back().push_back(Step{e.op, e.number, e.text, e.proc});
  }
  ASSERT_EQ(steps.size(), std::size(kExpectedItems));

  for (size_t n = 0; n < steps.size(); ++n) {
    const ExpectedItem& item = kExpectedItems[n];
    SCOPED_TRACE("item #" + std::to_string(n + 1) + " (id " + std::to_string(item.id) + ")");
    std::vector<Step> want;
    const std::string type = item.type;
    if (item.id == kItemPreview) {
      want = {{Op::SetBooleanValue, 0, "", nullptr},
              {Op::SetNotifyProc, 0, "", OnParamChanged},
              {Op::SetText, 0, "Preview", nullptr}};
    } else if (type == kCheck || item.id == kItemOk || item.id == kItemShuffle) {
      want = {{Op::SetNotifyProc, 0, "", item.procWhileUp}, {Op::SetText, 0, item.text, nullptr}};
    } else if (type == kStatic || item.id == kItemCancel) {
      want = {{Op::SetText, 0, item.text, nullptr}};
    }  // popups and spin edits: nothing
    EXPECT_TRUE(steps[n] == want) << "got " << steps[n].size() << " steps";
  }
}

TEST_F(ParamsDialogLayoutTest, PopupsHoldTheirEntriesWithIdsEqualToIndexes) {
  ASSERT_EQ(Run(FreshDefaults(TestPluginRef(1))), kNoError);

  const std::vector<std::string> pages = {" Headline settings", " Layer factor settings ",
                                          " Basic row settings "};
  const std::vector<std::string> fillModes = {
      " Fill all slots",
      " Fill slots random 50-50 ",
      " Fill slots random 70-30 ",
      " Fill slots random 20-80 ",
      " Fill alternate slots ",
      " Fill alternate slots (alternate layers) ",
      " Fill alternate slots (layer sync-ed)",
      " Slot matches layer",
      " Bounce back",
      " Fill third slot",
      " Fill slots random 50-50 (up to max 3 symbols) ",
  };
  const std::vector<std::string> presets = {
      " Basic Default settings",
      " Shrink symbols (from left to right) ",
      " Shrink Symbols (with pulse reset)",
      " Jitter angle between -90 and 90 ",
      " Jitter shift up and down (50pts)",
      " Increasing horizontal gap (Layers=10/initial)",
      " Total Reset",
      " Shrink symbols from layer to layer (Layers=10/initial)",
      " Raising Up (Layers=10/initial)",
      " Random symbols (Layers=10/initial)",
      " Shrink symbols Pulsed across layers (Layers=10/initial)",
      " Rotated symbols Pulsed across layers (Layers=10/initial)",
      " Equal row column grid",
      " Equal row column grid / Slanted",
      " Equal row column grid / Shrinking scale per row",
      " Two rows",
      " Two rows/reflected",
      " Break link with symbols",
  };
  const struct {
    int32_t item;
    const std::vector<std::string>& texts;
  } popups[] = {{50, pages}, {51, fillModes}, {52, presets}};

  for (const auto& popup : popups) {
    SCOPED_TRACE("popup " + std::to_string(popup.item));
    const FakeList& list = *adm.dialog->Item(popup.item).list;
    EXPECT_THAT(list.Texts(), ElementsAreArray(popup.texts));
    std::vector<int32_t> ids(popup.texts.size());
    for (size_t i = 0; i < ids.size(); ++i) ids[i] = static_cast<int32_t>(i);
    EXPECT_THAT(list.Ids(), ElementsAreArray(ids));
  }
  // Each entry is added at the end of its list.
  std::vector<double> insertIndexes;
  for (const Event& e : adm.Events(Op::InsertEntry)) insertIndexes.push_back(e.number);
  ASSERT_EQ(insertIndexes.size(), 3u + 11u + 18u);
  for (size_t i = 0; i < insertIndexes.size(); ++i) {
    const double expected = i < 3 ? i : i < 14 ? i - 3 : i - 14;
    EXPECT_EQ(insertIndexes[i], expected) << "insertion " << i;
  }
}

// The popups show the block's page, fill mode and preset; the preset is
// shown, not applied, and the page's values and ranges are loaded.
TEST_F(ParamsDialogLayoutTest, OpensOnTheStoredPageFillModeAndPresetWithoutApplyingThePreset) {
  ParamBlock start = EditedParams(1);
  start.slot[kSlotPreset].i = 17;
  adm.actions = {Inspect([&](FakeDialogManager&, FakeDialog& d) {
    EXPECT_EQ(d.Item(50).list->ActiveIndex(), 1);
    EXPECT_EQ(d.Item(51).list->ActiveIndex(), 7);
    EXPECT_EQ(d.Item(52).list->ActiveIndex(), 17);
    EXPECT_EQ(d.Item(4).intValue, start.slot[kSlotSymbols + 1].i);
    EXPECT_EQ(d.Item(4).minInt, -50);
    EXPECT_EQ(d.Item(5).floatValue, start.slot[kSlotStartX + 1].f);
    EXPECT_EQ(d.Item(30).boolValue, start.slot[kSlotRandomSymbols + 1].i);
    EXPECT_EQ(d.Item(34).boolValue, 1) << "the block's breakLink, not the preset's";
  })};
  ASSERT_EQ(Run(start), kNoError);

  // Only the read-back's flags and rectangle moved.
  EXPECT_THAT(ChangedSlots(start, Stored()), ElementsAre(kSlotRunFromGo, kSlotPreviewPresent));
  EXPECT_EQ(Stored().slot[kSlotPreviewPresent].i, 0);
}

TEST_F(ParamsDialogLayoutTest, SizesTheDialogAndRestoresTheStoredRectangleOnlyWhenValid) {
  const DialogRect stored{300, 200, 700, 650};
  const DialogRect frame = adm.frameBounds;
  const DialogRect sized{frame.left, frame.top, frame.left + 340, frame.top + 370};
  const struct {
    int32_t valid;
    DialogRect expected;
  } cases[] = {{0, sized}, {1, stored}};

  for (const auto& c : cases) {
    SCOPED_TRACE("slot 72 = " + std::to_string(c.valid));
    ParamBlock start = FreshDefaults(TestPluginRef(1));
    start.slot[68].i = stored.left;
    start.slot[69].i = stored.top;
    start.slot[70].i = stored.right;
    start.slot[71].i = stored.bottom;
    start.slot[72].i = c.valid;
    adm.events.clear();
    DialogRect atOpen{};
    adm.actions = {Inspect([&](FakeDialogManager&, FakeDialog& d) { atOpen = d.bounds; })};
    ASSERT_EQ(Run(start), kNoError);

    EXPECT_TRUE(SameRect(atOpen, c.expected)) << Describe(atOpen);
    const std::vector<Event> sizes = adm.Events(Op::Size);
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_EQ(sizes[0].text, "340x370");
    EXPECT_EQ(adm.Count(Op::SetBoundsRect), c.valid);
    EXPECT_LT(adm.Find(Op::Size), adm.Find(Op::CreateItem));
    if (c.valid) {
      EXPECT_LT(adm.Find(Op::Size), adm.Find(Op::SetBoundsRect));
    }
    EXPECT_EQ(Stored().slot[72].i, 1);
    EXPECT_EQ(Stored().slot[68].i, c.expected.left);
    EXPECT_EQ(Stored().slot[71].i, c.expected.bottom);
  }
}

// The page popup is notified once its entries exist, before the fill-mode
// popup is filled; the read-back comes last, after the presets popup.
TEST_F(ParamsDialogLayoutTest, NotifiesThePagePopupThenTheSymbolsItem) {
  ASSERT_EQ(Run(FreshDefaults(TestPluginRef(1))), kNoError);

  const std::vector<Event> notes = adm.Events(Op::SendNotify);
  ASSERT_EQ(notes.size(), 2u);
  EXPECT_EQ(notes[0].item, 50);
  EXPECT_EQ(notes[1].item, 4);
  EXPECT_EQ(notes[0].text, "ADM User Changed Notifier");
  EXPECT_EQ(notes[1].text, "ADM User Changed Notifier");
  EXPECT_EQ(adm.dialog->initStatus, kNoError);

  int firstNote = adm.Find(Op::SendNotify);
  int secondNote = adm.Find(Op::SendNotify, firstNote + 1);
  int lastPageEntry = -1, firstFillEntry = -1, lastPresetSelect = -1;
  for (int i = 0; i < static_cast<int>(adm.events.size()); ++i) {
    const Event& e = adm.events[i];
    if (e.op == Op::SetID && e.item == 50) lastPageEntry = i;
    if (e.op == Op::InsertEntry && e.item == 51 && firstFillEntry < 0) firstFillEntry = i;
    if (e.op == Op::Select && e.item == 52) lastPresetSelect = i;
  }
  EXPECT_LT(lastPageEntry, firstNote);
  EXPECT_LT(firstNote, firstFillEntry);
  EXPECT_LT(lastPresetSelect, secondNote);
  // The notification to item 50 ran the page handler (ranges) before the
  // read-back's GetBoundsRect.
  EXPECT_LT(adm.Find(Op::SetMinIntValue), adm.Find(Op::GetBoundsRect));
}

TEST_F(ParamsDialogLayoutTest, OpeningPreviewsOnlyWithPreviewOn) {
  for (int32_t preview : {1, 0}) {
    SCOPED_TRACE("preview " + std::to_string(preview));
    adm.events.clear();
    ParamBlock start = FreshDefaults(TestPluginRef(1));
    start.slot[kSlotPreview].i = preview;
    int previewsAtOpen = -1;
    adm.actions = {
        Inspect([&](FakeDialogManager& m, FakeDialog&) { previewsAtOpen = m.Previews(); })};
    ASSERT_EQ(Run(start), kNoError);
    EXPECT_EQ(previewsAtOpen, preview);
    EXPECT_EQ(Stored().slot[kSlotPreviewPresent].i, preview);
    EXPECT_EQ(Stored().slot[kSlotRunFromGo].i, 0);
  }
}

}  // namespace
}  // namespace fake_adm
