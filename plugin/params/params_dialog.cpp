#include "plugin/params/params_dialog.h"

#include "plugin/host/suite_table.h"
#include "plugin/params/dialog_behaviour.h"
#include "plugin/params/param_block.h"
#include "plugin/params/presets.h"

namespace {

// Popups and spin edits: nothing at creation.
constexpr DialogItemLayout Plain(int32_t id, const char* type, DialogRect bounds) {
  return DialogItemLayout{id, type, bounds, nullptr, nullptr, false};
}

constexpr DialogItemLayout Label(int32_t id, DialogRect bounds, const char* text) {
  return DialogItemLayout{id, kADMTextStaticType, bounds, text, nullptr, false};
}

constexpr DialogItemLayout CheckBox(int32_t id, DialogRect bounds, const char* text) {
  return DialogItemLayout{id, kADMTextCheckBoxType, bounds, text, OnParamChanged, false};
}

constexpr DialogItemLayout Button(int32_t id, DialogRect bounds, const char* text,
                                  ItemNotifyProc notify) {
  return DialogItemLayout{id, kADMTextPushButtonType, bounds, text, notify, false};
}

}  // namespace

// Labelled rows on the left (labels x 10 to 100, first value 110 to 170,
// second value 180 to 240) under the page popup, the option boxes below
// them, and the buttons, Preview and the presets popup in a column on the
// right (x 250 to 330).
const DialogItemLayout kDialogItems[kDialogItemCount] = {
    Plain(kItemPagePopup, kADMPopupListType, {10, 10, 240, 30}),
    Plain(kItemFillModePopup, kADMPopupListType, {10, 192, 240, 212}),
    Plain(kItemPresetPopup, kADMPopupListType, {250, 120, 330, 140}),
    Plain(kItemSymbols, kADMSpinEditType, {110, 35, 170, 55}),
    Plain(kItemStartX, kADMSpinEditType, {110, 57, 170, 77}),
    Plain(kItemStartY, kADMSpinEditType, {180, 57, 240, 77}),
    Plain(kItemGapX, kADMSpinEditType, {110, 79, 170, 99}),
    Plain(kItemGapY, kADMSpinEditType, {180, 79, 240, 99}),
    Plain(kItemSetupScale, kADMSpinEditType, {110, 101, 170, 121}),
    Plain(kItemSetupAngle, kADMSpinEditType, {180, 101, 240, 121}),
    Plain(kItemJitterX, kADMSpinEditType, {110, 123, 170, 143}),
    Plain(kItemJitterY, kADMSpinEditType, {180, 123, 240, 143}),
    Plain(kItemJitterScaleX, kADMSpinEditType, {110, 145, 170, 165}),
    Plain(kItemJitterScaleY, kADMSpinEditType, {180, 145, 240, 165}),
    Plain(kItemJitterAngle, kADMSpinEditType, {110, 167, 170, 187}),
    Plain(kItemLayers, kADMSpinEditType, {110, 217, 170, 237}),
    Plain(kItemSymbolToSymbolScale, kADMSpinEditType, {110, 239, 170, 259}),
    Plain(kItemSymbolToSymbolAngle, kADMSpinEditType, {180, 239, 240, 259}),
    Plain(kItemPulse, kADMSpinEditType, {110, 261, 170, 281}),
    Label(60, {10, 35, 100, 55}, "Symbols"),
    Label(61, {10, 57, 100, 77}, "Start position"),
    Label(62, {10, 79, 100, 99}, "Gap"),
    Label(63, {10, 101, 100, 121}, "Setup"),
    Label(64, {10, 123, 100, 143}, "Jitter"),
    Label(65, {10, 145, 100, 165}, "Jitter scale"),
    Label(66, {10, 167, 100, 187}, "Jitter angle"),
    Label(67, {10, 217, 100, 237}, "Layers"),
    // Labels are never addressed after creation: these two share an id.
    Label(68, {10, 239, 100, 259}, "Symbol->Symbol"),
    Label(68, {10, 261, 100, 281}, "Pulse"),
    DialogItemLayout{kItemPreview, kADMTextCheckBoxType, {250, 100, 330, 114}, "Preview",
                     OnParamChanged, true},
    CheckBox(kItemRandomSymbols, {10, 284, 230, 298}, "Symbols [R]"),
    CheckBox(kItemOrderedSymbols, {10, 301, 230, 315}, "Ordered"),
    CheckBox(kItemLinkProportional, {10, 318, 230, 332}, "Link / proportional"),
    CheckBox(kItemRandomSymbolCount, {10, 335, 230, 349}, "Random number of symbols"),
    CheckBox(kItemBreakLink, {10, 352, 230, 366}, "Break link with symbol"),
    Button(kItemOk, {250, 10, 330, 30}, "OK", OnOk),
    Button(kItemCancel, {250, 40, 330, 60}, "Cancel", nullptr),
    Button(kItemShuffle, {250, 70, 330, 90}, "Shuffle", OnParamChanged),
};

namespace {

// Gives a popup its notify procedure and its entries (entry i with id i and
// texts[i]), then selects the entry at `selected`. Selecting from the
// program runs no notify procedure.
void FillPopup(DialogRef dialog, int32_t itemId, ItemNotifyProc notify, const char* const* texts,
               int32_t count, int32_t selected) {
  const ADMItemSuite* items = sADMItem();
  const ADMListSuite* lists = sADMList();
  const ADMEntrySuite* entries = sADMEntry();

  const ItemRef popup = sADMDialog()->GetItem(dialog, itemId);
  const ListRef list = items->GetList(popup);
  items->SetNotifyProc(popup, notify);
  for (int32_t index = 0; index < count; ++index) {
    const EntryRef entry = lists->InsertEntry(list, index);
    entries->SetText(entry, texts[index]);
    entries->SetID(entry, index);
  }
  entries->Select(lists->IndexEntry(list, selected), 1);
}

}  // namespace

Status InitParamsDialog(DialogRef dialog) {
  const ADMDialogSuite* dialogs = sADMDialog();
  const ADMItemSuite* items = sADMItem();
  const ParamBlock& block = *static_cast<const ParamBlock*>(dialogs->GetUserData(dialog));

  dialogs->Size(dialog, kParamsDialogWidth, kParamsDialogHeight);
  if (block.slot[kSlotDialogBoundsValid].i != 0) {
    // Where and as large as the user last left it.
    const DialogRect bounds{block.slot[kSlotDialogBounds + 0].i, block.slot[kSlotDialogBounds + 1].i,
                            block.slot[kSlotDialogBounds + 2].i, block.slot[kSlotDialogBounds + 3].i};
    dialogs->SetBoundsRect(dialog, &bounds);
  }

  for (const DialogItemLayout& layout : kDialogItems) {
    const ItemRef item =
        dialogs->CreateItem(dialog, layout.id, layout.type, &layout.bounds, nullptr, nullptr);
    if (layout.showsPreviewFlag) items->SetBooleanValue(item, block.slot[kSlotPreview].i);
    if (layout.notify != nullptr) items->SetNotifyProc(item, layout.notify);
    if (layout.text != nullptr) items->SetText(item, layout.text);
  }

  FillPopup(dialog, kItemPagePopup, OnPageChanged, kSettingsPageTexts, kSettingsPageCount,
            block.slot[kSlotPage].i);
  // Loads the page shown: ranges, the value items' procedures and values.
  items->SendNotify(dialogs->GetItem(dialog, kItemPagePopup), kADMUserChangedNotifier);

  FillPopup(dialog, kItemFillModePopup, OnParamChanged, kFillModeTexts, kFillModeCount,
            block.slot[kSlotFillMode].i);
  // The preset chosen last is only shown, not applied.
  FillPopup(dialog, kItemPresetPopup, OnPresetChosen, kPresetTexts, kPresetCount,
            block.slot[kSlotPreset].i);

  // The first read-back; with Preview on it makes the first preview. Item
  // 4's procedure was installed by the page popup's notification above.
  items->SendNotify(dialogs->GetItem(dialog, kItemSymbols), kADMUserChangedNotifier);
  return kNoError;
}
