#include "plugin/params/presets.h"

#include "plugin/host/suite_table.h"
#include "plugin/params/params_dialog.h"

static_assert(std::size(kPresetReset) == 49, "the reset writes 49 slots");
static_assert(std::size(kPresetChanges) == 38, "the presets change 38 slots in all");

void ApplyPreset(ParamBlock& block, int32_t preset) {
  block.slot[kSlotPreset].i = preset;
  for (const PresetSlotValue& reset : kPresetReset) {
    block.slot[reset.slot] = reset.value;
  }
  for (const PresetChange& change : kPresetChanges) {
    if (static_cast<int32_t>(change.preset) == preset) block.slot[change.slot] = change.value;
  }
}

namespace {

// Makes the entry at the index of the popup's list the selected one. The
// entries' ids equal their indexes, so the index is the stored value.
void SelectEntryAt(DialogRef dialog, int32_t itemId, int32_t index) {
  const ListRef list = sADMItem()->GetList(sADMDialog()->GetItem(dialog, itemId));
  sADMEntry()->Select(sADMList()->IndexEntry(list, index), 1);
}

}  // namespace

void OnPresetChosen(ItemRef item, NotifierRef notifier) {
  const ADMItemSuite* items = sADMItem();
  const DialogRef dialog = items->GetDialog(item);
  ParamBlock& block = *static_cast<ParamBlock*>(sADMDialog()->GetUserData(dialog));
  items->DefaultNotify(item, notifier);

  const ListRef presets = items->GetList(sADMDialog()->GetItem(dialog, kItemPresetPopup));
  ApplyPreset(block, sADMEntry()->GetID(sADMList()->GetActiveEntry(presets)));

  SelectEntryAt(dialog, kItemFillModePopup, block.slot[kSlotFillMode].i);
  SelectEntryAt(dialog, kItemPagePopup, block.slot[kSlotPage].i);

  // Ranges, procedures and values of the page now shown (page 0).
  items->SendNotify(sADMDialog()->GetItem(dialog, kItemPagePopup), kADMUserChangedNotifier);

  items->SetBooleanValue(sADMDialog()->GetItem(dialog, kItemPreview), block.slot[kSlotPreview].i);
  items->SetBooleanValue(sADMDialog()->GetItem(dialog, kItemLinkProportional),
                         block.slot[kSlotLinkProportional].i);
  items->SetBooleanValue(sADMDialog()->GetItem(dialog, kItemRandomSymbolCount),
                         block.slot[kSlotRandomSymbolCount].i);
  items->SetBooleanValue(sADMDialog()->GetItem(dialog, kItemBreakLink),
                         block.slot[kSlotBreakLink].i);
  items->SetIntValue(sADMDialog()->GetItem(dialog, kItemLayers), block.slot[kSlotLayers].i);

  // The read-back: with Preview now on, it runs the preview of the preset.
  items->SendNotify(sADMDialog()->GetItem(dialog, kItemSymbols), kADMUserChangedNotifier);
}
