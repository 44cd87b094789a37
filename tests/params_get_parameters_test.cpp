// "AI Get Parameters": the record's creation, the modal dialog around it
// and Cancel taking back what the dialog did.
#include <cstring>
#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "plugin/params/get_parameters.h"
#include "plugin/params/params_dialog.h"
#include "tests/support/fake_dialog_manager.h"

namespace fake_adm {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using ParamsGetParametersTest = FakeDialogTest;

TEST_F(ParamsGetParametersTest, RunsTheModalDialogOnTheStoredRecord) {
  ASSERT_EQ(Run(EditedParams(0)), kNoError);
  ASSERT_EQ(adm.modalCalls, 1);
  EXPECT_EQ(adm.dialog->name, "Zorv_Quillane");
  EXPECT_EQ(adm.dialog->resourceId, 16100);
  EXPECT_EQ(adm.dialog->style, 0);
  EXPECT_EQ(adm.dialog->init, InitParamsDialog);
  EXPECT_EQ(adm.dialog->userData, *message.parameters) << "the record itself is the user data";
  EXPECT_EQ(adm.Count(Op::NewHandle), 0);
}

TEST_F(ParamsGetParametersTest, FirstRunCreatesTheRecordWithItsDefaults) {
  message.d.self = TestPluginRef(3);
  ASSERT_EQ(RunFirst(), kNoError);

  const std::vector<Event> handles = adm.Events(Op::NewHandle);
  ASSERT_EQ(handles.size(), 1u);
  EXPECT_EQ(handles[0].number, 292);
  ASSERT_NE(message.parameters, nullptr);
  EXPECT_EQ(adm.dialog->userData, *message.parameters);

  // The defaults over fresh host memory, with what the opening read-back
  // wrote: the go flag, the preview flag and the rectangle.
  ParamBlock want = FreshDefaults(TestPluginRef(3));
  want.slot[kSlotRunFromGo].i = 0;
  want.slot[kSlotPreviewPresent].i = 1;
  const DialogRect& b = adm.dialog->bounds;
  want.slot[68].i = b.left;
  want.slot[69].i = b.top;
  want.slot[70].i = b.right;
  want.slot[71].i = b.bottom;
  want.slot[72].i = 1;
  EXPECT_THAT(ChangedSlots(want, Stored()), IsEmpty());
  EXPECT_EQ(Stored().slot[63].i, static_cast<int32_t>(kFreshMemoryWord)) << "reserved, unwritten";
  EXPECT_EQ(Stored().slot[kSlotPluginRef].i, PluginRefSlotValue(TestPluginRef(3)));
  EXPECT_EQ(adm.Previews(), 1) << "Preview is on by default";
}

TEST_F(ParamsGetParametersTest, SecondRunFindsTheRecordAndKeepsIt) {
  message.d.self = TestPluginRef(3);
  adm.actions = {UserSetInt(kItemSymbols, 33)};
  ASSERT_EQ(RunFirst(), kNoError);
  const MemoryHandle first = message.parameters;

  message.d.self = TestPluginRef(4);
  ASSERT_EQ(RunAgain(), kNoError);
  EXPECT_EQ(message.parameters, first);
  EXPECT_EQ(adm.Count(Op::NewHandle), 1);
  EXPECT_EQ(Stored().slot[kSlotSymbols].i, 33);
  EXPECT_EQ(Stored().slot[kSlotPluginRef].i, PluginRefSlotValue(TestPluginRef(3)));
}

TEST_F(ParamsGetParametersTest, NoRecordFromTheHostEndsBeforeTheDialog) {
  const struct {
    const char* what;
    Status newHandleStatus;
    bool leavesEmpty;
    Status expected;
  } cases[] = {
      {"NewHandle fails", MakeCode("HNDL"), false, MakeCode("HNDL")},
      {"NewHandle gives no handle", kNoError, true, kOutOfMemory},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    adm.newHandleStatus = c.newHandleStatus;
    adm.newHandleLeavesEmpty = c.leavesEmpty;
    EXPECT_EQ(RunFirst(), c.expected);
    EXPECT_EQ(message.parameters, nullptr);
    EXPECT_EQ(adm.modalCalls, 0);
  }
}

TEST_F(ParamsGetParametersTest, OkKeepsWhatTheDialogStored) {
  adm.actions = {UserChoose(kItemPresetPopup, 17), UserSetFloat(kItemGapX, 44.0f)};
  EXPECT_EQ(Run(EditedParams(0)), kNoError);
  EXPECT_EQ(Stored().slot[kSlotPreset].i, 17);
  EXPECT_EQ(Stored().slot[kSlotBreakLink].i, 1);
  EXPECT_EQ(Stored().slot[kSlotGapX].f, 44.0f);
  EXPECT_EQ(Stored().slot[kSlotPreviewPresent].i, 1) << "the go message keeps the preview";
  EXPECT_EQ(adm.Count(Op::UndoChanges), adm.Previews()) << "only the previews undo";
}

// Cancel after edits, a preset, a page switch, a moved dialog and several
// previews: the previews' art goes and the record is as the dialog found
// it, except that no preview is present any more.
TEST_F(ParamsGetParametersTest, CancelRestoresTheRecordExactly) {
  ParamBlock start = EditedParams(1);
  start.slot[kSlotPreview].i = 1;
  adm.actions = {UserSetInt(kItemSymbols, 40),  UserChoose(kItemPresetPopup, 6),
                 UserChoose(kItemPagePopup, 2), UserMove({1, 2, 341, 372}),
                 UserClick(kItemShuffle),       UserClick(kItemCancel)};
  EXPECT_EQ(Run(start), kCancelled);
  EXPECT_EQ(adm.dialog->closedBy, kItemCancel);

  ParamBlock want = start;
  want.slot[kSlotPreviewPresent].i = 0;
  EXPECT_THAT(ChangedSlots(want, Stored()), IsEmpty());
  EXPECT_EQ(std::memcmp(&want, &Stored(), sizeof(ParamBlock)), 0);

  // One UndoChanges after the dialog closed, besides those of the previews.
  const int last = static_cast<int>(adm.events.size()) - 1;
  EXPECT_EQ(adm.events[last].op, Op::UndoChanges);
  EXPECT_EQ(adm.Count(Op::UndoChanges), adm.Previews() + 1);
}

TEST_F(ParamsGetParametersTest, CancelOnTheFirstRunLeavesTheDefaults) {
  adm.actions = {UserSetInt(kItemLayers, 5), UserClick(kItemCancel)};
  EXPECT_EQ(RunFirst(), kCancelled);
  ParamBlock want = FreshDefaults(message.d.self);
  want.slot[kSlotPreviewPresent].i = 0;
  EXPECT_THAT(ChangedSlots(want, Stored()), IsEmpty());
}

TEST_F(ParamsGetParametersTest, AFailingUndoOnCancelIsReturnedAndNothingRestored) {
  ParamBlock start = EditedParams(0);
  start.slot[kSlotPreview].i = 0;  // no preview, so UndoChanges runs only for Cancel
  start.slot[kSlotPreviewPresent].i = 0;
  ParamBlock left{};
  adm.undoStatus = MakeCode("UNDO");
  adm.actions = {UserSetBool(kItemPreview, 1),  // preview (its undo fails: nothing made)
                 UserSetInt(kItemSymbols, 77),
                 Inspect([&](FakeDialogManager&, FakeDialog& d) { left = *d.block(); }),
                 UserClick(kItemCancel)};
  EXPECT_EQ(Run(start), MakeCode("UNDO"));
  EXPECT_THAT(ChangedSlots(left, Stored()), IsEmpty());
  EXPECT_EQ(Stored().slot[kSlotSymbols].i, 77);
  // The preview failed too, so its flag was never left set.
  EXPECT_EQ(Stored().slot[kSlotPreviewPresent].i, 0);
}

}  // namespace
}  // namespace fake_adm
