// The parameter dialog: its items, their layout and the init procedure that
// builds them inside the empty dialog frame of resource 16100.
#pragma once

#include <cstdint>

#include "plugin/host/api/adm_dialog_suite.h"
#include "plugin/host/api/adm_item_suite.h"
#include "plugin/host/api/types.h"

// How the get-parameters handling runs the dialog.
#define kParamsDialogName "Zorv_Quillane"
constexpr int32_t kParamsDialogResource = 16100;
constexpr int32_t kParamsDialogStyle = 0;

// Size of the dialog's content after the init, in dialog manager units.
constexpr int32_t kParamsDialogWidth = 340;
constexpr int32_t kParamsDialogHeight = 370;

// Ids of the items the procedures address after creation.
constexpr int32_t kItemOk = 1;
constexpr int32_t kItemCancel = 2;
constexpr int32_t kItemPreview = 3;
constexpr int32_t kItemSymbols = 4;
constexpr int32_t kItemStartX = 5;
constexpr int32_t kItemStartY = 6;
constexpr int32_t kItemGapX = 7;
constexpr int32_t kItemGapY = 8;
constexpr int32_t kItemSetupScale = 9;
constexpr int32_t kItemSetupAngle = 10;
constexpr int32_t kItemJitterX = 11;
constexpr int32_t kItemJitterY = 12;
constexpr int32_t kItemJitterScaleX = 13;
constexpr int32_t kItemJitterScaleY = 14;
constexpr int32_t kItemJitterAngle = 15;
constexpr int32_t kItemLayers = 16;
constexpr int32_t kItemSymbolToSymbolScale = 17;
constexpr int32_t kItemSymbolToSymbolAngle = 18;
constexpr int32_t kItemPulse = 19;
constexpr int32_t kItemRandomSymbols = 30;
constexpr int32_t kItemOrderedSymbols = 31;
constexpr int32_t kItemLinkProportional = 32;
constexpr int32_t kItemRandomSymbolCount = 33;
constexpr int32_t kItemBreakLink = 34;
constexpr int32_t kItemShuffle = 40;
constexpr int32_t kItemPagePopup = 50;
constexpr int32_t kItemFillModePopup = 51;
constexpr int32_t kItemPresetPopup = 52;

// One item of the dialog as the init creates it. Right after CreateItem the
// item gets, in this order and each only where given: its boolean value
// from slot 0 (the Preview box only), its notify procedure, its text.
// Popups and spin edits get nothing at creation: their lists, ranges,
// values and procedures come later in the init and from OnPageChanged.
struct DialogItemLayout {
  int32_t id;
  const char* type;         // a k...Type item type name
  DialogRect bounds;        // left, top, right, bottom
  const char* text;         // null: no text
  ItemNotifyProc notify;    // null: none installed at creation
  bool showsPreviewFlag;    // SetBooleanValue from slot 0 at creation
};

constexpr int32_t kDialogItemCount = 38;

// The items in creation order.
extern const DialogItemLayout kDialogItems[kDialogItemCount];

// The dialog's init procedure: sizes the dialog, moves it to the rectangle
// the block remembers, creates the items, fills the three popups and
// notifies the page popup and then the "Symbols" item, so that the page is
// loaded and the block read back once (which previews when Preview is on).
// The block is the dialog's user data. Always returns 0.
Status InitParamsDialog(DialogRef dialog);
