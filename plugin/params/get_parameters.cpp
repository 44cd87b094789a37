#include "plugin/params/get_parameters.h"

#include <cstring>

#include "plugin/host/suite_table.h"
#include "plugin/params/param_block.h"
#include "plugin/params/params_dialog.h"

namespace {

// The dialog's closing item when the user confirmed.
constexpr int32_t kConfirmed = kItemOk;

ParamBlock& BlockOf(MemoryHandle handle) { return *static_cast<ParamBlock*>(*handle); }

}  // namespace

Status GetFilterParameters(FilterMessage* message) {
  if (message->parameters == nullptr) {
    // First use of the filter: the host keeps the new record as the
    // filter's parameters from now on.
    const Status status = sMdMemory()->NewHandle(sizeof(ParamBlock), &message->parameters);
    if (status != kNoError) return status;
    if (message->parameters == nullptr || *message->parameters == nullptr) return kOutOfMemory;
    WriteParamDefaults(BlockOf(message->parameters), message->d.self);
  }

  // What Cancel puts back: every slot, as the dialog finds them.
  ParamBlock snapshot;
  std::memcpy(&snapshot, &BlockOf(message->parameters), sizeof(ParamBlock));

  const int32_t closedBy =
      sADMDialog()->Modal(message->d.self, kParamsDialogName, kParamsDialogResource,
                          kParamsDialogStyle, InitParamsDialog, &BlockOf(message->parameters));
  if (closedBy == kConfirmed) return kNoError;

  // Cancelled: take the previews' art out of the document, then the
  // dialog's changes out of the record.
  const Status status = sUndo()->UndoChanges();
  if (status != kNoError) return status;
  ParamBlock& block = BlockOf(message->parameters);
  std::memcpy(&block, &snapshot, sizeof(ParamBlock));
  block.slot[kSlotPreviewPresent].i = 0;
  return kCancelled;
}
