#include "plugin/params/dialog_behaviour.h"

#include "plugin/generator/generate_symbols.h"
#include "plugin/host/suite_table.h"
#include "plugin/params/param_block.h"
#include "plugin/params/params_dialog.h"

const RangedItem kRangedItems[kRangedItemCount] = {
    // item, first slot, float, minimum on pages 0, 1, 2, maximum on pages 0, 1, 2
    {kItemSymbols, kSlotSymbols, false, {1, -50, 1}, {200, 50, 200}},
    {kItemPulse, kSlotPulse, false, {-1, -20, -1}, {60, 20, 200}},
    {kItemStartX, kSlotStartX, true, {-2000, -200, -2000}, {2000, 200, 2000}},
    {kItemStartY, kSlotStartY, true, {-2000, -200, -2000}, {2000, 200, 2000}},
    {kItemGapX, kSlotGapX, true, {-200, -100, -200}, {200, 100, 200}},
    {kItemGapY, kSlotGapY, true, {-200, -100, -200}, {200, 100, 200}},
    {kItemSetupScale, kSlotSetupScale, true, {-500, -200, -200}, {500, 200, 200}},
    {kItemSetupAngle, kSlotSetupAngle, true, {-360, -100, -360}, {360, 100, 360}},
    {kItemJitterX, kSlotJitterX, true, {0, -100, 0}, {100, 100, 1000}},
    {kItemJitterY, kSlotJitterY, true, {0, -100, 0}, {100, 100, 1000}},
    {kItemJitterScaleX, kSlotJitterScaleX, true, {0, -100, 0}, {100, 100, 200}},
    {kItemJitterScaleY, kSlotJitterScaleY, true, {0, -100, 0}, {100, 100, 200}},
    {kItemJitterAngle, kSlotJitterAngle, true, {-100, -100, -100}, {100, 100, 100}},
    {kItemSymbolToSymbolScale, kSlotSymbolToSymbolScale, true, {-120, -120, -120},
     {120, 120, 120}},
    {kItemSymbolToSymbolAngle, kSlotSymbolToSymbolAngle, true, {-360, -100, -360},
     {360, 100, 360}},
};

namespace {

// A check box and the slot it shows; per-page boxes show base + page.
struct CheckBoxSlot {
  int32_t itemId;
  int32_t slot;
  bool perPage;
};

// In the order the page switch loads them.
constexpr CheckBoxSlot kLoadedCheckBoxes[] = {
    {kItemRandomSymbols, kSlotRandomSymbols, true},
    {kItemOrderedSymbols, kSlotOrderedSymbols, true},
    {kItemPreview, kSlotPreview, false},
    {kItemLinkProportional, kSlotLinkProportional, false},
    {kItemRandomSymbolCount, kSlotRandomSymbolCount, false},
    {kItemBreakLink, kSlotBreakLink, false},
};

// In the order the read-back stores them, after every value item.
constexpr CheckBoxSlot kReadCheckBoxes[] = {
    {kItemRandomSymbols, kSlotRandomSymbols, true},
    {kItemOrderedSymbols, kSlotOrderedSymbols, true},
    {kItemLinkProportional, kSlotLinkProportional, false},
    {kItemRandomSymbolCount, kSlotRandomSymbolCount, false},
    {kItemBreakLink, kSlotBreakLink, false},
};

ParamBlock& BlockOf(DialogRef dialog) {
  return *static_cast<ParamBlock*>(sADMDialog()->GetUserData(dialog));
}

ItemRef Item(DialogRef dialog, int32_t itemId) { return sADMDialog()->GetItem(dialog, itemId); }

// The id of the entry selected in a popup.
int32_t ActiveEntryId(DialogRef dialog, int32_t itemId) {
  const ListRef list = sADMItem()->GetList(Item(dialog, itemId));
  return sADMEntry()->GetID(sADMList()->GetActiveEntry(list));
}

// The slot a check box shows, on the page slot 6 names now.
int32_t CheckBoxSlotOf(const ParamBlock& block, const CheckBoxSlot& box) {
  return box.perPage ? ShownPageSlot(block, box.slot) : box.slot;
}

void StoreBounds(DialogRef dialog, ParamBlock& block) {
  DialogRect bounds{};
  sADMDialog()->GetBoundsRect(dialog, &bounds);
  block.slot[kSlotDialogBounds + 0].i = bounds.left;
  block.slot[kSlotDialogBounds + 1].i = bounds.top;
  block.slot[kSlotDialogBounds + 2].i = bounds.right;
  block.slot[kSlotDialogBounds + 3].i = bounds.bottom;
  block.slot[kSlotDialogBoundsValid].i = 1;
}

}  // namespace

void OnPageChanged(ItemRef item, NotifierRef) {
  const ADMItemSuite* items = sADMItem();
  const DialogRef dialog = items->GetDialog(item);
  ParamBlock& block = BlockOf(dialog);

  block.slot[kSlotPage].i = ActiveEntryId(dialog, kItemPagePopup);
  const int32_t page = ShownPage(block);

  for (const RangedItem& ranged : kRangedItems) {
    const ItemRef value = Item(dialog, ranged.itemId);
    items->SetUnits(value, 0);
    if (ranged.isFloat) {
      items->SetMinFloatValue(value, static_cast<float>(ranged.min[page]));
      items->SetMaxFloatValue(value, static_cast<float>(ranged.max[page]));
      items->SetPrecision(value, kFloatPrecision);
    } else {
      items->SetMinIntValue(value, ranged.min[page]);
      items->SetMaxIntValue(value, ranged.max[page]);
    }
    items->SetNotifyProc(value, OnParamChanged);
  }

  const ItemRef layers = Item(dialog, kItemLayers);
  items->SetUnits(layers, 0);
  items->SetMinIntValue(layers, kLayersMin);
  items->SetMaxIntValue(layers, kLayersMax);
  items->SetNotifyProc(layers, OnParamChanged);
  items->SetNotifyProc(Item(dialog, kItemRandomSymbols), OnParamChanged);
  items->SetNotifyProc(Item(dialog, kItemOrderedSymbols), OnParamChanged);

  for (const RangedItem& ranged : kRangedItems) {
    const ItemRef value = Item(dialog, ranged.itemId);
    const ParamSlot& slot = block.slot[ShownPageSlot(block, ranged.baseSlot)];
    if (ranged.isFloat) {
      items->SetFloatValue(value, slot.f);
    } else {
      items->SetIntValue(value, slot.i);
    }
  }
  for (const CheckBoxSlot& box : kLoadedCheckBoxes) {
    items->SetBooleanValue(Item(dialog, box.itemId), block.slot[CheckBoxSlotOf(block, box)].i);
  }
  items->SetIntValue(layers, block.slot[kSlotLayers].i);
}

void OnParamChanged(ItemRef item, NotifierRef notifier) {
  const ADMItemSuite* items = sADMItem();
  const DialogRef dialog = items->GetDialog(item);
  ParamBlock& block = BlockOf(dialog);

  // A preview must never take the go message's shortcut.
  block.slot[kSlotRunFromGo].i = 0;
  items->DefaultNotify(item, notifier);

  block.slot[kSlotPreview].i = items->GetBooleanValue(Item(dialog, kItemPreview));
  block.slot[kSlotFillMode].i = ActiveEntryId(dialog, kItemFillModePopup);
  // The page shown decides which slot each per-page item writes.
  block.slot[kSlotPage].i = ActiveEntryId(dialog, kItemPagePopup);

  // kRangedItems starts with the integer items 4 and 19, which come before
  // "Layers"; the float items follow it.
  int32_t next = 0;
  for (; next < kRangedItemCount && !kRangedItems[next].isFloat; ++next) {
    const RangedItem& ranged = kRangedItems[next];
    block.slot[ShownPageSlot(block, ranged.baseSlot)].i =
        items->GetIntValue(Item(dialog, ranged.itemId));
  }
  block.slot[kSlotLayers].i = items->GetIntValue(Item(dialog, kItemLayers));
  for (; next < kRangedItemCount; ++next) {
    const RangedItem& ranged = kRangedItems[next];
    block.slot[ShownPageSlot(block, ranged.baseSlot)].f =
        items->GetFloatValue(Item(dialog, ranged.itemId));
  }
  for (const CheckBoxSlot& box : kReadCheckBoxes) {
    block.slot[CheckBoxSlotOf(block, box)].i = items->GetBooleanValue(Item(dialog, box.itemId));
  }

  StoreBounds(dialog, block);

  if (block.slot[kSlotPreview].i != 0) {
    block.slot[kSlotPreviewPresent].i = 1;
    // A failed preview leaves the dialog open with the values stored; a
    // notify procedure has nowhere to report it. Its art is incomplete, so
    // it must not become the result: the go message after OK then
    // generates anew and answers with its own status.
    if (GenerateSymbols(block) != kNoError) block.slot[kSlotPreviewPresent].i = 0;
  } else {
    block.slot[kSlotPreviewPresent].i = 0;
  }
}

void OnOk(ItemRef item, NotifierRef notifier) {
  const ADMItemSuite* items = sADMItem();
  const DialogRef dialog = items->GetDialog(item);
  ParamBlock& block = BlockOf(dialog);
  items->DefaultNotify(item, notifier);
  StoreBounds(dialog, block);
}
