// The dialog manager suites: string lists, alerts and dialogs.
#include <algorithm>
#include <cstring>

#include "sim/host.h"
#include "sim/status_text.h"
#include "sim/suites/registry.h"

namespace sim {
namespace {

// Index i of string list n is the module's string resource n + i; past
// the end of the list the text is empty. The text is cut to maxLength - 1
// characters and always ends in a zero byte.
Status GetIndexString(PluginRef, int32_t listId, int32_t index, char* buffer, int32_t maxLength) {
  Host& host = Host::Current();
  const Status status = host.Enter(Op::GetIndexString);
  std::string text;
  if (status == kNoError) text = host.resources().String(listId + index).value_or("");
  if (maxLength > 0) {
    const size_t length = std::min(text.size(), static_cast<size_t>(maxLength - 1));
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    text.resize(length);
  }
  if (host.tracing())
    host.Trace("GetIndexString " + std::to_string(listId) + " " + std::to_string(index) + " " +
               std::to_string(maxLength) + " = " + Quote(text) + " -> " + FormatStatus(status));
  return status;
}

void MessageAlert(const char* text) {
  Host& host = Host::Current();
  host.Enter(Op::MessageAlert);
  if (host.tracing()) host.Trace("MessageAlert " + Quote(text));
  host.Print(std::string("! alert: ") + text);
}

int32_t Modal(PluginRef, const char* name, int32_t resourceId, int32_t, DialogInitProc, void*) {
  Host& host = Host::Current();
  Status status = host.Enter(Op::Modal);
  if (status == kNoError) status = kNotAvailable;
  if (host.tracing())
    host.Trace("Modal " + Quote(name) + " " + std::to_string(resourceId) + " -> " + FormatStatus(status));
  return status;
}

void* GetUserData(DialogRef) { Host::Current().Enter(Op::GetUserData); return nullptr; }
void Size(DialogRef, int32_t, int32_t) { Host::Current().Enter(Op::Size); }
void SetBoundsRect(DialogRef, const DialogRect*) { Host::Current().Enter(Op::SetBoundsRect); }
void GetBoundsRect(DialogRef, DialogRect* bounds) {
  Host::Current().Enter(Op::GetBoundsRect);
  *bounds = DialogRect{0, 0, 0, 0};
}
ItemRef GetItem(DialogRef, int32_t) { Host::Current().Enter(Op::GetItem); return nullptr; }
ItemRef CreateItem(DialogRef, int32_t, const char*, const DialogRect*, ItemInitProc, void*) {
  Host::Current().Enter(Op::CreateItem);
  return nullptr;
}

void SetNotifyProc(ItemRef, ItemNotifyProc) { Host::Current().Enter(Op::SetNotifyProc); }
void DefaultNotify(ItemRef, NotifierRef) { Host::Current().Enter(Op::DefaultNotify); }
void SendNotify(ItemRef, const char*) { Host::Current().Enter(Op::SendNotify); }
DialogRef GetDialog(ItemRef) { Host::Current().Enter(Op::GetDialog); return nullptr; }
ListRef GetList(ItemRef) { Host::Current().Enter(Op::GetList); return nullptr; }
void ItemSetText(ItemRef, const char*) { Host::Current().Enter(Op::ItemSetText); }
void SetBooleanValue(ItemRef, int32_t) { Host::Current().Enter(Op::SetBooleanValue); }
int32_t GetBooleanValue(ItemRef) { Host::Current().Enter(Op::GetBooleanValue); return 0; }
void SetIntValue(ItemRef, int32_t) { Host::Current().Enter(Op::SetIntValue); }
int32_t GetIntValue(ItemRef) { Host::Current().Enter(Op::GetIntValue); return 0; }
void SetFloatValue(ItemRef, Real) { Host::Current().Enter(Op::SetFloatValue); }
Real GetFloatValue(ItemRef) { Host::Current().Enter(Op::GetFloatValue); return 0; }
void SetMinIntValue(ItemRef, int32_t) { Host::Current().Enter(Op::SetMinIntValue); }
void SetMaxIntValue(ItemRef, int32_t) { Host::Current().Enter(Op::SetMaxIntValue); }
void SetMinFloatValue(ItemRef, Real) { Host::Current().Enter(Op::SetMinFloatValue); }
void SetMaxFloatValue(ItemRef, Real) { Host::Current().Enter(Op::SetMaxFloatValue); }
void SetUnits(ItemRef, int32_t) { Host::Current().Enter(Op::SetUnits); }
void SetPrecision(ItemRef, int32_t) { Host::Current().Enter(Op::SetPrecision); }

EntryRef InsertEntry(ListRef, int32_t) { Host::Current().Enter(Op::InsertEntry); return nullptr; }
EntryRef IndexEntry(ListRef, int32_t) { Host::Current().Enter(Op::IndexEntry); return nullptr; }
EntryRef GetActiveEntry(ListRef) { Host::Current().Enter(Op::GetActiveEntry); return nullptr; }
void EntrySetText(EntryRef, const char*) { Host::Current().Enter(Op::EntrySetText); }
void SetID(EntryRef, int32_t) { Host::Current().Enter(Op::SetID); }
int32_t GetID(EntryRef) { Host::Current().Enter(Op::GetID); return 0; }
void Select(EntryRef, int32_t) { Host::Current().Enter(Op::Select); }

}  // namespace

const ADMBasicSuite kADMBasicSuiteTable = {GetIndexString, MessageAlert};
const ADMDialogSuite kADMDialogSuiteTable = {Modal,   GetUserData, Size,      SetBoundsRect,
                                             GetBoundsRect, GetItem, CreateItem};
const ADMItemSuite kADMItemSuiteTable = {
    SetNotifyProc, DefaultNotify,  SendNotify,       GetDialog,        GetList,
    ItemSetText,   SetBooleanValue, GetBooleanValue, SetIntValue,      GetIntValue,
    SetFloatValue, GetFloatValue,  SetMinIntValue,   SetMaxIntValue,   SetMinFloatValue,
    SetMaxFloatValue, SetUnits,    SetPrecision};
const ADMListSuite kADMListSuiteTable = {InsertEntry, IndexEntry, GetActiveEntry};
const ADMEntrySuite kADMEntrySuiteTable = {EntrySetText, SetID, GetID, Select};

}  // namespace sim
