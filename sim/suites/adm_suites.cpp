// The dialog manager suites: string lists, alerts, modal dialogs and their
// items, lists and entries. The work is the DialogManager's; these
// functions count, fault and journal each call.
//
// Handles are the dialog manager's own records: a DialogRef is a
// DialogModel, an ItemRef and a ListRef are the DialogItem (a popup and its
// list are one record), an EntryRef is a ListEntry. A null handle is
// answered with nothing done.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "sim/dialog_manager.h"
#include "sim/host.h"
#include "sim/status_text.h"
#include "sim/suites/registry.h"

namespace sim {
namespace {

DialogModel* D(DialogRef dialog) { return reinterpret_cast<DialogModel*>(dialog); }
DialogItem* I(ItemRef item) { return reinterpret_cast<DialogItem*>(item); }
DialogItem* L(ListRef list) { return reinterpret_cast<DialogItem*>(list); }
ListEntry* E(EntryRef entry) { return reinterpret_cast<ListEntry*>(entry); }
ItemRef ToItem(DialogItem* item) { return reinterpret_cast<ItemRef>(item); }
EntryRef ToEntry(ListEntry* entry) { return reinterpret_cast<EntryRef>(entry); }

std::string Id(const DialogItem* item) { return item ? std::to_string(item->id) : "null"; }
std::string Id(const ListEntry* entry) {
  if (entry == nullptr) return "null";
  return Id(entry->owner) + "#" + std::to_string(entry->owner ? entry->owner->IndexOf(entry) : -1);
}
std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.9g", value);
  return text;
}
std::string Rect(const DialogRect& r) {
  return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) + " " +
         std::to_string(r.bottom);
}

// Counts the call and journals it when the journal is on.
Host& Call(Op op) {
  Host& host = Host::Current();
  host.Enter(op);
  return host;
}
template <typename F>
void Journal(Host& host, F line) {
  if (host.tracing()) host.Trace(line());
}

// --- ADM Basic Suite ---

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
  Journal(host, [&] {
    return "GetIndexString " + std::to_string(listId) + " " + std::to_string(index) + " " +
           std::to_string(maxLength) + " = " + Quote(text) + " -> " + FormatStatus(status);
  });
  return status;
}

void MessageAlert(const char* text) {
  Host& host = Call(Op::MessageAlert);
  Journal(host, [&] { return "MessageAlert " + Quote(text); });
  host.Print(std::string("! alert: ") + text);
}

// --- ADM Dialog Suite ---

int32_t Modal(PluginRef, const char* name, int32_t resourceId, int32_t style, DialogInitProc init,
              void* userData) {
  Host& host = Host::Current();
  const Status status = host.Enter(Op::Modal);
  Journal(host, [&] {
    return "Modal " + Quote(name ? name : "") + " " + std::to_string(resourceId) + " " +
           std::to_string(style) + (status ? " -> " + FormatStatus(status) : "");
  });
  // A dialog that cannot be shown answers the failure as its closing item.
  if (status != kNoError) return status;
  const int32_t result = host.dialogs().Modal(name, resourceId, init, userData);
  Journal(host, [&] { return "Modal " + Quote(name ? name : "") + " = " + std::to_string(result); });
  return result;
}

void* GetUserData(DialogRef dialog) {
  Host& host = Call(Op::GetUserData);
  Journal(host, [] { return std::string("GetUserData"); });
  return dialog ? D(dialog)->userData : nullptr;
}

void Size(DialogRef dialog, int32_t width, int32_t height) {
  Host& host = Call(Op::Size);
  Journal(host, [&] { return "Size " + std::to_string(width) + " " + std::to_string(height); });
  if (!dialog) return;
  D(dialog)->bounds.right = D(dialog)->bounds.left + width;
  D(dialog)->bounds.bottom = D(dialog)->bounds.top + height;
}

void SetBoundsRect(DialogRef dialog, const DialogRect* bounds) {
  Host& host = Call(Op::SetBoundsRect);
  Journal(host, [&] { return "SetBoundsRect " + (bounds ? Rect(*bounds) : "null"); });
  if (dialog && bounds) D(dialog)->bounds = *bounds;
}

void GetBoundsRect(DialogRef dialog, DialogRect* bounds) {
  Host& host = Call(Op::GetBoundsRect);
  if (dialog && bounds) *bounds = D(dialog)->bounds;
  Journal(host, [&] { return "GetBoundsRect = " + (dialog && bounds ? Rect(*bounds) : "null"); });
}

ItemRef GetItem(DialogRef dialog, int32_t id) {
  Host& host = Call(Op::GetItem);
  DialogItem* item = dialog ? D(dialog)->Item(id) : nullptr;
  Journal(host, [&] { return "GetItem " + std::to_string(id) + (item ? "" : " = null"); });
  return ToItem(item);
}

ItemRef CreateItem(DialogRef dialog, int32_t id, const char* type, const DialogRect* bounds,
                   ItemInitProc init, void*) {
  Host& host = Call(Op::CreateItem);
  DialogItem* item = dialog && bounds ? host.dialogs().CreateItem(*D(dialog), id, type, *bounds) : nullptr;
  Journal(host, [&] {
    return "CreateItem " + std::to_string(id) + " " + Quote(type ? type : "") + " " +
           (bounds ? Rect(*bounds) : "null") + (item ? "" : " = null");
  });
  if (item && init) init(ToItem(item));
  return ToItem(item);
}

// --- ADM Item Suite ---

void SetNotifyProc(ItemRef item, ItemNotifyProc proc) {
  Host& host = Call(Op::SetNotifyProc);
  Journal(host, [&] { return "SetNotifyProc " + Id(I(item)) + (proc ? "" : " null"); });
  if (item) I(item)->notify = proc;
}

void DefaultNotify(ItemRef item, NotifierRef) {
  Host& host = Call(Op::DefaultNotify);
  Journal(host, [&] { return "DefaultNotify " + Id(I(item)); });
  if (item) host.dialogs().DefaultNotify(*I(item));
}

void SendNotify(ItemRef item, const char* type) {
  Host& host = Call(Op::SendNotify);
  Journal(host, [&] { return "SendNotify " + Id(I(item)) + " " + Quote(type ? type : ""); });
  if (item) host.dialogs().Notify(*I(item), type);
}

DialogRef GetDialog(ItemRef item) {
  Host& host = Call(Op::GetDialog);
  Journal(host, [&] { return "GetDialog " + Id(I(item)); });
  return item ? reinterpret_cast<DialogRef>(I(item)->dialog) : nullptr;
}

ListRef GetList(ItemRef item) {
  Host& host = Call(Op::GetList);
  const bool popup = item && I(item)->kind == ItemKind::kPopupList;
  Journal(host, [&] { return "GetList " + Id(I(item)) + (popup ? "" : " = null"); });
  return popup ? reinterpret_cast<ListRef>(item) : nullptr;
}

void ItemSetText(ItemRef item, const char* text) {
  Host& host = Call(Op::ItemSetText);
  Journal(host, [&] { return "SetText " + Id(I(item)) + " " + Quote(text ? text : ""); });
  if (item) I(item)->text = text ? text : "";
}

void SetBooleanValue(ItemRef item, int32_t value) {
  Host& host = Call(Op::SetBooleanValue);
  Journal(host, [&] { return "SetBooleanValue " + Id(I(item)) + " " + std::to_string(value); });
  if (item) I(item)->booleanValue = value != 0 ? 1 : 0;
}

int32_t GetBooleanValue(ItemRef item) {
  Host& host = Call(Op::GetBooleanValue);
  const int32_t value = item ? I(item)->booleanValue : 0;
  Journal(host, [&] { return "GetBooleanValue " + Id(I(item)) + " = " + std::to_string(value); });
  return value;
}

void SetIntValue(ItemRef item, int32_t value) {
  Host& host = Call(Op::SetIntValue);
  Journal(host, [&] { return "SetIntValue " + Id(I(item)) + " " + std::to_string(value); });
  if (!item) return;
  I(item)->value = value;
  I(item)->isFloat = false;
}

int32_t GetIntValue(ItemRef item) {
  Host& host = Call(Op::GetIntValue);
  const double number = item ? std::round(I(item)->value) : 0;
  const int32_t value = number >= INT32_MAX ? INT32_MAX : number <= INT32_MIN ? INT32_MIN : static_cast<int32_t>(number);
  Journal(host, [&] { return "GetIntValue " + Id(I(item)) + " = " + std::to_string(value); });
  return value;
}

void SetFloatValue(ItemRef item, Real value) {
  Host& host = Call(Op::SetFloatValue);
  Journal(host, [&] { return "SetFloatValue " + Id(I(item)) + " " + Number(value); });
  if (!item) return;
  I(item)->value = value;
  I(item)->isFloat = true;
}

Real GetFloatValue(ItemRef item) {
  Host& host = Call(Op::GetFloatValue);
  const Real value = item ? static_cast<Real>(I(item)->value) : 0;
  Journal(host, [&] { return "GetFloatValue " + Id(I(item)) + " = " + Number(value); });
  return value;
}

void SetBound(Op op, const char* name, ItemRef item, double value, bool isMin, bool isFloat) {
  Host& host = Call(op);
  Journal(host, [&] { return std::string(name) + " " + Id(I(item)) + " " + Number(value); });
  if (!item) return;
  DialogItem& target = *I(item);
  (isMin ? target.hasMin : target.hasMax) = true;
  (isMin ? target.minValue : target.maxValue) = value;
  target.isFloat = isFloat;
}
void SetMinIntValue(ItemRef item, int32_t v) { SetBound(Op::SetMinIntValue, "SetMinIntValue", item, v, true, false); }
void SetMaxIntValue(ItemRef item, int32_t v) { SetBound(Op::SetMaxIntValue, "SetMaxIntValue", item, v, false, false); }
void SetMinFloatValue(ItemRef item, Real v) { SetBound(Op::SetMinFloatValue, "SetMinFloatValue", item, v, true, true); }
void SetMaxFloatValue(ItemRef item, Real v) { SetBound(Op::SetMaxFloatValue, "SetMaxFloatValue", item, v, false, true); }

void SetUnits(ItemRef item, int32_t units) {
  Host& host = Call(Op::SetUnits);
  Journal(host, [&] { return "SetUnits " + Id(I(item)) + " " + std::to_string(units); });
  if (item) I(item)->units = units;
}

void SetPrecision(ItemRef item, int32_t places) {
  Host& host = Call(Op::SetPrecision);
  Journal(host, [&] { return "SetPrecision " + Id(I(item)) + " " + std::to_string(places); });
  if (item) I(item)->precision = places;
}

// --- ADM List Suite ---

EntryRef InsertEntry(ListRef list, int32_t index) {
  Host& host = Call(Op::InsertEntry);
  Journal(host, [&] { return "InsertEntry " + Id(L(list)) + " " + std::to_string(index); });
  if (!list) return nullptr;
  DialogItem& popup = *L(list);
  const int32_t count = static_cast<int32_t>(popup.entries.size());
  const int32_t at = index < 0 || index > count ? count : index;
  auto entry = std::make_unique<ListEntry>();
  entry->owner = &popup;
  ListEntry* made = entry.get();
  popup.entries.insert(popup.entries.begin() + at, std::move(entry));
  if (popup.activeEntry >= at) ++popup.activeEntry;
  return ToEntry(made);
}

EntryRef IndexEntry(ListRef list, int32_t index) {
  Host& host = Call(Op::IndexEntry);
  ListEntry* entry = nullptr;
  if (list && index >= 0 && index < static_cast<int32_t>(L(list)->entries.size()))
    entry = L(list)->entries[index].get();
  Journal(host, [&] { return "IndexEntry " + Id(L(list)) + " " + std::to_string(index) + (entry ? "" : " = null"); });
  return ToEntry(entry);
}

EntryRef GetActiveEntry(ListRef list) {
  Host& host = Call(Op::GetActiveEntry);
  ListEntry* entry = nullptr;
  if (list && L(list)->activeEntry >= 0 && L(list)->activeEntry < static_cast<int32_t>(L(list)->entries.size()))
    entry = L(list)->entries[L(list)->activeEntry].get();
  Journal(host, [&] { return "GetActiveEntry " + Id(L(list)) + " = " + Id(entry); });
  return ToEntry(entry);
}

// --- ADM Entry Suite ---

void EntrySetText(EntryRef entry, const char* text) {
  Host& host = Call(Op::EntrySetText);
  Journal(host, [&] { return "SetText " + Id(E(entry)) + " " + Quote(text ? text : ""); });
  if (entry) E(entry)->text = text ? text : "";
}

void SetID(EntryRef entry, int32_t id) {
  Host& host = Call(Op::SetID);
  Journal(host, [&] { return "SetID " + Id(E(entry)) + " " + std::to_string(id); });
  if (entry) E(entry)->id = id;
}

int32_t GetID(EntryRef entry) {
  Host& host = Call(Op::GetID);
  const int32_t id = entry ? E(entry)->id : 0;
  Journal(host, [&] { return "GetID " + Id(E(entry)) + " = " + std::to_string(id); });
  return id;
}

void Select(EntryRef entry, int32_t select) {
  Host& host = Call(Op::Select);
  Journal(host, [&] { return "Select " + Id(E(entry)) + " " + std::to_string(select); });
  if (entry && select) host.dialogs().Select(*E(entry));
}

}  // namespace

const ADMBasicSuite kADMBasicSuiteTable = {GetIndexString, MessageAlert};
const ADMDialogSuite kADMDialogSuiteTable = {Modal,         GetUserData, Size,      SetBoundsRect,
                                             GetBoundsRect, GetItem,     CreateItem};
const ADMItemSuite kADMItemSuiteTable = {
    SetNotifyProc,  DefaultNotify,  SendNotify,       GetDialog,        GetList,
    ItemSetText,    SetBooleanValue, GetBooleanValue, SetIntValue,      GetIntValue,
    SetFloatValue,  GetFloatValue,  SetMinIntValue,   SetMaxIntValue,   SetMinFloatValue,
    SetMaxFloatValue, SetUnits,     SetPrecision};
const ADMListSuite kADMListSuiteTable = {InsertEntry, IndexEntry, GetActiveEntry};
const ADMEntrySuite kADMEntrySuiteTable = {EntrySetText, SetID, GetID, Select};

}  // namespace sim
