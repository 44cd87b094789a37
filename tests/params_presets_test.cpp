// The presets popup: the reset, each preset's own changes and what the
// dialog shows afterwards.
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "plugin/params/params_dialog.h"
#include "plugin/params/presets.h"
#include "tests/support/fake_dialog_manager.h"

namespace fake_adm {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

ParamSlot I(int32_t value) { return ParamSlot{.i = value}; }
ParamSlot F(float value) { return ParamSlot{.f = value}; }

struct SlotValue {
  int32_t slot;
  ParamSlot value;
};

struct PresetCase {
  int32_t id;
  std::vector<SlotValue> changes;
};

const std::vector<PresetCase> kPresetCases = {
    {0, {}},
    {1, {{7, F(90.0f)}}},
    {2, {{7, F(90.0f)}, {13, I(4)}}},
    {3, {{46, F(90.0f)}}},
    {4, {{37, F(50.0f)}}},
    {5, {{23, F(5.0f)}, {4, I(10)}}},
    {6,
     {{1, I(10)},
      {2, I(0)},
      {28, F(100.0f)},
      {29, F(100.0f)},
      {31, F(0.0f)},
      {32, F(0.0f)},
      {49, I(0)},
      {50, I(0)},
      {52, I(1)},
      {53, I(0)}}},
    {7, {{29, F(90.0f)}, {4, I(10)}}},
    {8, {{26, F(1.0f)}, {4, I(10)}}},
    {9, {{49, I(1)}, {4, I(10)}}},
    {10, {{14, I(1)}, {7, F(90.0f)}, {4, I(10)}}},
    {11, {{14, I(1)}, {10, F(-10.0f)}, {4, I(10)}}},
    {12, {{3, I(10)}}},
    {13, {{3, I(10)}, {24, F(10.0f)}}},
    {14, {{3, I(10)}, {30, F(90.0f)}}},
    {15, {{3, I(2)}}},
    {16, {{3, I(2)}, {33, F(180.0f)}}},
    {17, {{57, I(1)}}},
};

// The slots below 58 that the reset keeps: the user's page 0 and page 1
// symbols, setupScale, setupAngle, randomSymbols and orderedSymbols.
constexpr int32_t kKeptByReset[] = {1, 2, 28, 29, 31, 32, 49, 50, 52, 53};

bool KeptByReset(int32_t slot) {
  for (int32_t kept : kKeptByReset) {
    if (kept == slot) return true;
  }
  return false;
}

// The record after choosing preset `id` from `start` and the read-back
// that follows: every slot below 58 but the kept ones back to its default,
// the preset's changes, slot 58 = id, Preview on with its preview flag set.
ParamBlock ExpectedAfterPreset(const ParamBlock& start, const PresetCase& preset) {
  const ParamBlock defaults = FreshDefaults(TestPluginRef(1));
  ParamBlock want = start;
  for (int32_t slot = 0; slot < kSlotPreset; ++slot) {
    if (!KeptByReset(slot)) want.slot[slot] = defaults.slot[slot];
  }
  for (const SlotValue& change : preset.changes) want.slot[change.slot] = change.value;
  want.slot[kSlotPreset].i = preset.id;
  want.slot[kSlotRunFromGo].i = 0;
  want.slot[kSlotPreviewPresent].i = 1;
  return want;
}

using ParamsPresetsTest = FakeDialogTest;

// Each preset chosen from a record whose every value was edited, shown on
// page 2 with Preview off.
TEST_F(ParamsPresetsTest, EachPresetResetsAndAppliesItsChanges) {
  for (const PresetCase& preset : kPresetCases) {
    SCOPED_TRACE("preset " + std::to_string(preset.id));
    const ParamBlock start = EditedParams(2);
    int previewsBefore = 0;
    adm.actions = {
        Inspect([&](FakeDialogManager& m, FakeDialog&) { previewsBefore = m.Previews(); }),
        UserChoose(kItemPresetPopup, preset.id),
        Inspect([&](FakeDialogManager& m, FakeDialog& d) {
          EXPECT_EQ(m.Previews(), previewsBefore + 1);
          EXPECT_EQ(d.Item(kItemPagePopup).list->ActiveIndex(), 0);
          EXPECT_EQ(d.Item(kItemFillModePopup).list->ActiveIndex(), 0);
          EXPECT_EQ(d.Item(kItemPresetPopup).list->ActiveIndex(), preset.id);
          EXPECT_EQ(d.Item(kItemPreview).boolValue, 1);
          // The per-page items show page 0.
          EXPECT_EQ(d.Item(kItemSymbols).intValue, d.block()->slot[kSlotSymbols].i);
          EXPECT_EQ(d.Item(kItemSymbols).minInt, 1);
          EXPECT_EQ(d.Item(kItemSymbols).maxInt, 200);
          EXPECT_EQ(d.Item(kItemStartX).floatValue, d.block()->slot[kSlotStartX].f);
          EXPECT_EQ(d.Item(kItemRandomSymbols).boolValue, d.block()->slot[kSlotRandomSymbols].i);
          EXPECT_EQ(d.Item(kItemLayers).intValue, d.block()->slot[kSlotLayers].i);
          EXPECT_EQ(d.Item(kItemBreakLink).boolValue, d.block()->slot[kSlotBreakLink].i);
        }),
    };
    ASSERT_EQ(Run(start), kNoError);

    const ParamBlock want = ExpectedAfterPreset(start, preset);
    EXPECT_THAT(ChangedSlots(want, Stored()), IsEmpty());
  }
}

TEST_F(ParamsPresetsTest, TotalResetAlsoPutsBackTheKeptValues) {
  ParamBlock start = FreshDefaults(TestPluginRef(1));
  start.slot[kSlotSymbols].i = 25;
  start.slot[kSlotSetupScale].f = 50.0f;
  adm.actions = {UserChoose(kItemPresetPopup, 0),
                 Inspect([](FakeDialogManager&, FakeDialog& d) {
                   EXPECT_EQ(d.block()->slot[kSlotSymbols].i, 25);
                   EXPECT_EQ(d.block()->slot[kSlotSetupScale].f, 50.0f);
                 }),
                 UserChoose(kItemPresetPopup, 6)};
  ASSERT_EQ(Run(start), kNoError);
  EXPECT_EQ(Stored().slot[kSlotSymbols].i, 10);
  EXPECT_EQ(Stored().slot[kSlotSetupScale].f, 100.0f);
}

TEST_F(ParamsPresetsTest, ChoosingTheSamePresetTwiceGivesTheSameValues) {
  ParamBlock afterFirst{};
  adm.actions = {UserChoose(kItemPresetPopup, 10),
                 Inspect([&](FakeDialogManager&, FakeDialog& d) { afterFirst = *d.block(); }),
                 UserChoose(kItemPresetPopup, 10)};
  ASSERT_EQ(Run(EditedParams(1)), kNoError);
  EXPECT_THAT(ChangedSlots(afterFirst, Stored()), IsEmpty());
  EXPECT_EQ(adm.Previews(), 2);
}

// The procedure's steps: the preset read, the popups selected, the page
// loaded, the boxes and "Layers" set, then the read-back.
TEST_F(ParamsPresetsTest, OnPresetChosenRunsItsStepsInOrder) {
  size_t from = 0;
  adm.actions = {Inspect([&](FakeDialogManager& m, FakeDialog&) { from = m.events.size(); }),
                 UserChoose(kItemPresetPopup, 5)};
  ASSERT_EQ(Run(EditedParams(2)), kNoError);

  // The procedure's own calls, not those of the procedures it notifies.
  std::vector<std::string> got;
  for (size_t i = from + 1; i < adm.events.size(); ++i) {
    const Event& e = adm.events[i];
    if (e.op == Op::UserAction) break;
    if (e.depth != 1 || e.op == Op::GetItem || e.op == Op::GetDialog ||
        e.op == Op::GetUserData || e.op == Op::GetList) {
      continue;
    }
    got.push_back(std::string(OpName(e.op)) + " " + std::to_string(e.item) + " " +
                  std::to_string(static_cast<int>(e.number)));
  }
  EXPECT_THAT(got, ElementsAre("DefaultNotify 52 0", "GetActiveEntry 52 0", "GetID 52 5",
                               "IndexEntry 51 0", "Select 51 1", "IndexEntry 50 0",
                               "Select 50 1", "SendNotify 50 0", "SetBooleanValue 3 1",
                               "SetBooleanValue 32 1", "SetBooleanValue 33 0",
                               "SetBooleanValue 34 0", "SetIntValue 16 10", "SendNotify 4 0"));
}

TEST(PresetTable, AnUnknownPresetAppliesTheResetAlone) {
  ParamBlock unknown = EditedParams(1);
  ParamBlock basic = EditedParams(1);
  ApplyPreset(unknown, 18);
  ApplyPreset(basic, 0);
  EXPECT_THAT(ChangedSlots(unknown, basic), ElementsAre(kSlotPreset));
  EXPECT_EQ(unknown.slot[kSlotPreset].i, 18);
  EXPECT_EQ(unknown.slot[kSlotPreviewPresent].i, 0);
}

}  // namespace
}  // namespace fake_adm
