#include "tests/support/fake_dialog_manager.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "plugin/host/api/suites.h"
#include "plugin/host/suite_table.h"

namespace fake_adm {
namespace {

FakeDialogManager* gActive = nullptr;

// What a notify procedure receives: the notification and the item it was
// sent to.
struct FakeNotifier {
  std::string type;
  FakeItem* item;
};

int gDocumentObject;  // its address is the document handle

FakeDialog* DialogOf(DialogRef dialog) {
  if (dialog == nullptr) ADD_FAILURE() << "dialog operation on a null dialog";
  return reinterpret_cast<FakeDialog*>(dialog);
}

FakeItem* ItemOf(ItemRef item, const char* op) {
  if (item == nullptr) ADD_FAILURE() << op << " on a null item (GetItem of a missing id?)";
  return reinterpret_cast<FakeItem*>(item);
}

FakeList* ListOf(ListRef list, const char* op) {
  if (list == nullptr) ADD_FAILURE() << op << " on a null list";
  return reinterpret_cast<FakeList*>(list);
}

FakeEntry* EntryOf(EntryRef entry, const char* op) {
  if (entry == nullptr) ADD_FAILURE() << op << " on a null entry";
  return reinterpret_cast<FakeEntry*>(entry);
}

FakeDialogManager& M() { return FakeDialogManager::Active(); }

// ---- ADM Dialog Suite ----
int32_t Modal(PluginRef self, const char* name, int32_t resourceId, int32_t style,
              DialogInitProc init, void* userData) {
  return M().RunModal(self, name, resourceId, style, init, userData);
}

void* GetUserData(DialogRef dialog) {
  M().Record(Op::GetUserData);
  FakeDialog* d = DialogOf(dialog);
  return d == nullptr ? nullptr : d->userData;
}

void Size(DialogRef dialog, int32_t width, int32_t height) {
  M().Record(Op::Size, nullptr, width, std::to_string(width) + "x" + std::to_string(height));
  FakeDialog* d = DialogOf(dialog);
  if (d == nullptr) return;
  d->bounds.right = d->bounds.left + width;
  d->bounds.bottom = d->bounds.top + height;
}

void SetBoundsRect(DialogRef dialog, const DialogRect* bounds) {
  M().Record(Op::SetBoundsRect);
  FakeDialog* d = DialogOf(dialog);
  if (d != nullptr && bounds != nullptr) d->bounds = *bounds;
}

void GetBoundsRect(DialogRef dialog, DialogRect* bounds) {
  M().Record(Op::GetBoundsRect);
  FakeDialog* d = DialogOf(dialog);
  if (d != nullptr && bounds != nullptr) *bounds = d->bounds;
}

ItemRef GetItem(DialogRef dialog, int32_t itemId) {
  FakeDialog* d = DialogOf(dialog);
  M().Record(Op::GetItem, nullptr, itemId);
  if (d == nullptr) return nullptr;
  for (auto& item : d->items) {
    if (item->id == itemId) return item->ref();
  }
  return nullptr;
}

ItemRef CreateItem(DialogRef dialog, int32_t itemId, const char* itemType,
                   const DialogRect* bounds, ItemInitProc init, void* userData) {
  FakeDialog* d = DialogOf(dialog);
  if (init != nullptr || userData != nullptr) {
    ADD_FAILURE() << "item " << itemId << " created with an init procedure or user data";
  }
  auto item = std::make_unique<FakeItem>();
  item->dialog = d;
  item->id = itemId;
  item->type = itemType == nullptr ? "" : itemType;
  if (bounds != nullptr) item->bounds = *bounds;
  if (item->type == kADMPopupListType) {
    item->list = std::make_unique<FakeList>();
    item->list->item = item.get();
  }
  M().Record(Op::CreateItem, item.get(), itemId, item->type);
  if (d == nullptr) return nullptr;
  d->items.push_back(std::move(item));
  return d->items.back()->ref();
}

// ---- ADM Item Suite ----
void SetNotifyProc(ItemRef item, ItemNotifyProc proc) {
  FakeItem* i = ItemOf(item, "SetNotifyProc");
  M().Record(Op::SetNotifyProc, i, 0.0, std::string(), proc);
  if (i != nullptr) i->proc = proc;
}

void DefaultNotify(ItemRef item, NotifierRef notifier) {
  FakeItem* i = ItemOf(item, "DefaultNotify");
  M().Record(Op::DefaultNotify, i);
  const auto* n = reinterpret_cast<const FakeNotifier*>(notifier);
  if (n == nullptr) {
    ADD_FAILURE() << "DefaultNotify without the notifier";
  } else if (n->item != i) {
    ADD_FAILURE() << "DefaultNotify with the notifier of another item";
  }
  if (i == nullptr || i->dialog == nullptr) return;
  if ((i->id == 1 || i->id == 2) && i->dialog->closedBy == 0) i->dialog->closedBy = i->id;
}

void SendNotify(ItemRef item, const char* notifierType) {
  FakeItem* i = ItemOf(item, "SendNotify");
  M().Record(Op::SendNotify, i, 0.0, notifierType == nullptr ? "" : notifierType);
  if (i != nullptr) M().Notify(*i, notifierType == nullptr ? "" : notifierType);
}

DialogRef GetDialog(ItemRef item) {
  FakeItem* i = ItemOf(item, "GetDialog");
  M().Record(Op::GetDialog, i);
  return i == nullptr ? nullptr : reinterpret_cast<DialogRef>(i->dialog);
}

ListRef GetList(ItemRef item) {
  FakeItem* i = ItemOf(item, "GetList");
  M().Record(Op::GetList, i);
  return i == nullptr ? nullptr : reinterpret_cast<ListRef>(i->list.get());
}

void SetText(ItemRef item, const char* text) {
  FakeItem* i = ItemOf(item, "SetText");
  M().Record(Op::SetText, i, 0.0, text == nullptr ? "" : text);
  if (i != nullptr) i->text = text == nullptr ? "" : text;
}

void SetBooleanValue(ItemRef item, int32_t value) {
  FakeItem* i = ItemOf(item, "SetBooleanValue");
  M().Record(Op::SetBooleanValue, i, value);
  if (i != nullptr) i->boolValue = value;
}

int32_t GetBooleanValue(ItemRef item) {
  FakeItem* i = ItemOf(item, "GetBooleanValue");
  M().Record(Op::GetBooleanValue, i);
  return i == nullptr ? 0 : i->boolValue;
}

void SetIntValue(ItemRef item, int32_t value) {
  FakeItem* i = ItemOf(item, "SetIntValue");
  M().Record(Op::SetIntValue, i, value);
  if (i != nullptr) i->intValue = value;
}

int32_t GetIntValue(ItemRef item) {
  FakeItem* i = ItemOf(item, "GetIntValue");
  M().Record(Op::GetIntValue, i);
  return i == nullptr ? 0 : i->intValue;
}

void SetFloatValue(ItemRef item, Real value) {
  FakeItem* i = ItemOf(item, "SetFloatValue");
  M().Record(Op::SetFloatValue, i, value);
  if (i != nullptr) i->floatValue = value;
}

Real GetFloatValue(ItemRef item) {
  FakeItem* i = ItemOf(item, "GetFloatValue");
  M().Record(Op::GetFloatValue, i);
  return i == nullptr ? 0.0f : i->floatValue;
}

void SetMinIntValue(ItemRef item, int32_t value) {
  FakeItem* i = ItemOf(item, "SetMinIntValue");
  M().Record(Op::SetMinIntValue, i, value);
  if (i != nullptr) i->minInt = value;
}

void SetMaxIntValue(ItemRef item, int32_t value) {
  FakeItem* i = ItemOf(item, "SetMaxIntValue");
  M().Record(Op::SetMaxIntValue, i, value);
  if (i != nullptr) i->maxInt = value;
}

void SetMinFloatValue(ItemRef item, Real value) {
  FakeItem* i = ItemOf(item, "SetMinFloatValue");
  M().Record(Op::SetMinFloatValue, i, value);
  if (i != nullptr) i->minFloat = value;
}

void SetMaxFloatValue(ItemRef item, Real value) {
  FakeItem* i = ItemOf(item, "SetMaxFloatValue");
  M().Record(Op::SetMaxFloatValue, i, value);
  if (i != nullptr) i->maxFloat = value;
}

void SetUnits(ItemRef item, int32_t units) {
  FakeItem* i = ItemOf(item, "SetUnits");
  M().Record(Op::SetUnits, i, units);
  if (i != nullptr) i->units = units;
}

void SetPrecision(ItemRef item, int32_t decimalPlaces) {
  FakeItem* i = ItemOf(item, "SetPrecision");
  M().Record(Op::SetPrecision, i, decimalPlaces);
  if (i != nullptr) i->precision = decimalPlaces;
}

// ---- ADM List Suite ----
EntryRef InsertEntry(ListRef list, int32_t index) {
  FakeList* l = ListOf(list, "InsertEntry");
  M().Record(Op::InsertEntry, l == nullptr ? nullptr : l->item, index);
  if (l == nullptr) return nullptr;
  if (index < 0 || index > static_cast<int32_t>(l->entries.size())) {
    ADD_FAILURE() << "InsertEntry at " << index << " of " << l->entries.size();
    return nullptr;
  }
  auto entry = std::make_unique<FakeEntry>();
  entry->list = l;
  FakeEntry* raw = entry.get();
  l->entries.insert(l->entries.begin() + index, std::move(entry));
  return reinterpret_cast<EntryRef>(raw);
}

EntryRef IndexEntry(ListRef list, int32_t index) {
  FakeList* l = ListOf(list, "IndexEntry");
  M().Record(Op::IndexEntry, l == nullptr ? nullptr : l->item, index);
  if (l == nullptr || index < 0 || index >= static_cast<int32_t>(l->entries.size())) {
    return nullptr;
  }
  return reinterpret_cast<EntryRef>(l->entries[index].get());
}

EntryRef GetActiveEntry(ListRef list) {
  FakeList* l = ListOf(list, "GetActiveEntry");
  M().Record(Op::GetActiveEntry, l == nullptr ? nullptr : l->item);
  return l == nullptr ? nullptr : reinterpret_cast<EntryRef>(l->active);
}

// ---- ADM Entry Suite ----
const FakeItem* PopupOf(const FakeEntry* entry) {
  return entry == nullptr || entry->list == nullptr ? nullptr : entry->list->item;
}

void EntrySetText(EntryRef entry, const char* text) {
  FakeEntry* e = EntryOf(entry, "Entry SetText");
  M().Record(Op::EntrySetText, PopupOf(e), 0.0, text == nullptr ? "" : text);
  if (e != nullptr) e->text = text == nullptr ? "" : text;
}

void SetID(EntryRef entry, int32_t id) {
  FakeEntry* e = EntryOf(entry, "SetID");
  M().Record(Op::SetID, PopupOf(e), id);
  if (e != nullptr) e->id = id;
}

int32_t GetID(EntryRef entry) {
  FakeEntry* e = EntryOf(entry, "GetID");
  const int32_t id = e == nullptr ? -1 : e->id;
  M().Record(Op::GetID, PopupOf(e), id);
  return id;
}

void Select(EntryRef entry, int32_t select) {
  FakeEntry* e = EntryOf(entry, "Select");
  M().Record(Op::Select, PopupOf(e), select);
  if (e != nullptr && select != 0) e->list->active = e;
}

// ---- AI MdMemory Suite, AI Undo Suite ----
Status NewHandle(uint32_t size, MemoryHandle* handle) { return M().NewHandle(size, handle); }

Status UndoChanges() {
  M().Record(Op::UndoChanges);
  return M().undoStatus;
}

// ---- AI Document Suite, AI Symbol Palette Suite ----
Status QueryDocument(DocumentInfo* info) {
  M().Record(Op::QueryDocument);
  if (info != nullptr) *info = DocumentInfo{1, 0, 0};
  return kNoError;
}

Status GetDocument(DocumentHandle* document) {
  M().Record(Op::GetDocument);
  if (document != nullptr) *document = reinterpret_cast<DocumentHandle>(&gDocumentObject);
  return kNoError;
}

Status RedrawDocument() {
  M().Record(Op::RedrawDocument);
  return kNoError;
}

// No symbol is selected, so a preview stops right after asking.
Status GetCurrentSymbol(SymbolHandle*) {
  M().Record(Op::GetCurrentSymbol);
  return MakeCode("NoSy");
}

const ADMDialogSuite kDialogSuite = {Modal,         GetUserData, Size,      SetBoundsRect,
                                     GetBoundsRect, GetItem,     CreateItem};
const ADMItemSuite kItemSuite = {
    SetNotifyProc,    DefaultNotify,    SendNotify,      GetDialog,      GetList,
    SetText,          SetBooleanValue,  GetBooleanValue, SetIntValue,    GetIntValue,
    SetFloatValue,    GetFloatValue,    SetMinIntValue,  SetMaxIntValue, SetMinFloatValue,
    SetMaxFloatValue, SetUnits,         SetPrecision};
const ADMListSuite kListSuite = {InsertEntry, IndexEntry, GetActiveEntry};
const ADMEntrySuite kEntrySuite = {EntrySetText, SetID, GetID, Select};
const AIMdMemorySuite kMemorySuite = {NewHandle};
const AIUndoSuite kUndoSuite = {UndoChanges};
const AIDocumentSuite kDocumentSuite = {QueryDocument, GetDocument, RedrawDocument};
const AISymbolPaletteSuite kPaletteSuite = {GetCurrentSymbol};

}  // namespace

const char* OpName(Op op) {
  switch (op) {
    case Op::Modal: return "Modal";
    case Op::GetUserData: return "GetUserData";
    case Op::Size: return "Size";
    case Op::SetBoundsRect: return "SetBoundsRect";
    case Op::GetBoundsRect: return "GetBoundsRect";
    case Op::GetItem: return "GetItem";
    case Op::CreateItem: return "CreateItem";
    case Op::SetNotifyProc: return "SetNotifyProc";
    case Op::DefaultNotify: return "DefaultNotify";
    case Op::SendNotify: return "SendNotify";
    case Op::GetDialog: return "GetDialog";
    case Op::GetList: return "GetList";
    case Op::SetText: return "SetText";
    case Op::SetBooleanValue: return "SetBooleanValue";
    case Op::GetBooleanValue: return "GetBooleanValue";
    case Op::SetIntValue: return "SetIntValue";
    case Op::GetIntValue: return "GetIntValue";
    case Op::SetFloatValue: return "SetFloatValue";
    case Op::GetFloatValue: return "GetFloatValue";
    case Op::SetMinIntValue: return "SetMinIntValue";
    case Op::SetMaxIntValue: return "SetMaxIntValue";
    case Op::SetMinFloatValue: return "SetMinFloatValue";
    case Op::SetMaxFloatValue: return "SetMaxFloatValue";
    case Op::SetUnits: return "SetUnits";
    case Op::SetPrecision: return "SetPrecision";
    case Op::InsertEntry: return "InsertEntry";
    case Op::IndexEntry: return "IndexEntry";
    case Op::GetActiveEntry: return "GetActiveEntry";
    case Op::EntrySetText: return "EntrySetText";
    case Op::SetID: return "SetID";
    case Op::GetID: return "GetID";
    case Op::Select: return "Select";
    case Op::NewHandle: return "NewHandle";
    case Op::UndoChanges: return "UndoChanges";
    case Op::QueryDocument: return "QueryDocument";
    case Op::GetDocument: return "GetDocument";
    case Op::GetCurrentSymbol: return "GetCurrentSymbol";
    case Op::RedrawDocument: return "RedrawDocument";
    case Op::UserAction: return "UserAction";
  }
  return "?";
}

void PrintTo(Op op, std::ostream* out) { *out << OpName(op); }

int32_t FakeList::ActiveIndex() const {
  for (size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].get() == active) return static_cast<int32_t>(i);
  }
  return -1;
}

std::vector<std::string> FakeList::Texts() const {
  std::vector<std::string> texts;
  for (const auto& entry : entries) texts.push_back(entry->text);
  return texts;
}

std::vector<int32_t> FakeList::Ids() const {
  std::vector<int32_t> ids;
  for (const auto& entry : entries) ids.push_back(entry->id);
  return ids;
}

FakeItem& FakeDialog::Item(int32_t id) {
  for (auto& item : items) {
    if (item->id == id) return *item;
  }
  ADD_FAILURE() << "the dialog has no item " << id;
  static FakeItem missing;
  missing = FakeItem{};
  return missing;
}

bool FakeDialog::HasItem(int32_t id) const {
  return std::any_of(items.begin(), items.end(), [id](const auto& item) { return item->id == id; });
}

Action UserSetInt(int32_t item, int32_t value) {
  Action action;
  action.kind = Action::Kind::SetInt;
  action.item = item;
  action.intValue = value;
  return action;
}

Action UserSetFloat(int32_t item, float value) {
  Action action;
  action.kind = Action::Kind::SetFloat;
  action.item = item;
  action.floatValue = value;
  return action;
}

Action UserSetBool(int32_t item, int32_t value) {
  Action action;
  action.kind = Action::Kind::SetBool;
  action.item = item;
  action.intValue = value;
  return action;
}

Action UserChoose(int32_t item, int32_t index) {
  Action action;
  action.kind = Action::Kind::Choose;
  action.item = item;
  action.intValue = index;
  return action;
}

Action UserClick(int32_t item) {
  Action action;
  action.kind = Action::Kind::Click;
  action.item = item;
  return action;
}

Action UserMove(DialogRect bounds) {
  Action action;
  action.kind = Action::Kind::Move;
  action.bounds = bounds;
  return action;
}

Action Inspect(std::function<void(FakeDialogManager&, FakeDialog&)> inspect) {
  Action action;
  action.kind = Action::Kind::Inspect;
  action.inspect = std::move(inspect);
  return action;
}

FakeDialogManager::FakeDialogManager() = default;

FakeDialogManager::~FakeDialogManager() {
  if (gActive == this) gActive = nullptr;
}

void FakeDialogManager::Install() {
  gActive = this;
  gSuites[kSuiteADMDialog] = &kDialogSuite;
  gSuites[kSuiteADMItem] = &kItemSuite;
  gSuites[kSuiteADMList] = &kListSuite;
  gSuites[kSuiteADMEntry] = &kEntrySuite;
  gSuites[kSuiteMdMemory] = &kMemorySuite;
  gSuites[kSuiteUndo] = &kUndoSuite;
  gSuites[kSuiteDocument] = &kDocumentSuite;
  gSuites[kSuiteSymbolPalette] = &kPaletteSuite;
}

void FakeDialogManager::Uninstall() {
  for (auto& suite : gSuites) suite = nullptr;
  if (gActive == this) gActive = nullptr;
}

FakeDialogManager& FakeDialogManager::Active() {
  if (gActive == nullptr) {
    ADD_FAILURE() << "no fake dialog manager installed";
    std::abort();
  }
  return *gActive;
}

int FakeDialogManager::Count(Op op) const {
  return static_cast<int>(
      std::count_if(events.begin(), events.end(), [op](const Event& e) { return e.op == op; }));
}

std::vector<Event> FakeDialogManager::Events(Op op) const {
  std::vector<Event> found;
  for (const Event& e : events) {
    if (e.op == op) found.push_back(e);
  }
  return found;
}

int FakeDialogManager::Find(Op op, int from) const {
  for (int i = std::max(from, 0); i < static_cast<int>(events.size()); ++i) {
    if (events[i].op == op) return i;
  }
  return -1;
}

void FakeDialogManager::Record(Op op, const FakeItem* item, double number, std::string text,
                               ItemNotifyProc proc) {
  Event event{op,   item == nullptr ? -1 : item->id, number, std::move(text), proc,
              std::nullopt, notifyDepth_};
  if (modalOpen_ && dialog != nullptr && dialog->block() != nullptr) {
    event.block = *dialog->block();
  }
  events.push_back(std::move(event));
}

void FakeDialogManager::Notify(FakeItem& item, const char* notifierType) {
  FakeNotifier notifier{notifierType, &item};
  const auto ref = reinterpret_cast<NotifierRef>(&notifier);
  ++notifyDepth_;
  if (item.proc != nullptr) {
    item.proc(item.ref(), ref);
  } else {
    // No procedure: the item's own handling.
    kItemSuite.DefaultNotify(item.ref(), ref);
  }
  --notifyDepth_;
}

void FakeDialogManager::Play(const Action& action) {
  FakeDialog& d = *dialog;
  if (action.kind == Action::Kind::Inspect) {
    action.inspect(*this, d);
    return;
  }
  if (action.kind == Action::Kind::Move) {
    Record(Op::UserAction);
    d.bounds = action.bounds;
    return;
  }
  if (!d.HasItem(action.item)) {
    ADD_FAILURE() << "user action on item " << action.item << ", which the dialog lacks";
    return;
  }
  FakeItem& item = d.Item(action.item);
  Record(Op::UserAction, &item);
  switch (action.kind) {
    case Action::Kind::SetInt: {
      int32_t value = action.intValue;
      if (item.minInt) value = std::max(value, *item.minInt);
      if (item.maxInt) value = std::min(value, *item.maxInt);
      item.intValue = value;
      break;
    }
    case Action::Kind::SetFloat: {
      float value = action.floatValue;
      if (item.minFloat) value = std::max(value, *item.minFloat);
      if (item.maxFloat) value = std::min(value, *item.maxFloat);
      item.floatValue = value;
      break;
    }
    case Action::Kind::SetBool:
      item.boolValue = action.intValue;
      break;
    case Action::Kind::Choose:
      if (item.list == nullptr || action.intValue < 0 ||
          action.intValue >= static_cast<int32_t>(item.list->entries.size())) {
        ADD_FAILURE() << "item " << action.item << " has no entry " << action.intValue;
        return;
      }
      item.list->active = item.list->entries[action.intValue].get();
      break;
    default:
      break;
  }
  Notify(item, kADMUserChangedNotifier);
}

int32_t FakeDialogManager::RunModal(PluginRef, const char* name, int32_t resourceId,
                                    int32_t style, DialogInitProc init, void* userData) {
  ++modalCalls;
  dialog.reset();
  Record(Op::Modal, nullptr, resourceId, name == nullptr ? "" : name);
  auto built = std::make_unique<FakeDialog>();
  built->name = name == nullptr ? "" : name;
  built->resourceId = resourceId;
  built->style = style;
  built->init = init;
  built->userData = userData;
  built->bounds = frameBounds;
  dialog = std::move(built);
  modalOpen_ = true;

  if (init == nullptr) {
    ADD_FAILURE() << "Modal without an init procedure";
  } else {
    dialog->initStatus = init(reinterpret_cast<DialogRef>(dialog.get()));
  }

  const std::vector<Action> script = std::move(actions);
  actions.clear();
  for (const Action& action : script) {
    if (dialog->closedBy != 0) break;
    Play(action);
  }
  if (dialog->closedBy == 0 && dialog->HasItem(1)) {
    Record(Op::UserAction, &dialog->Item(1));
    Notify(dialog->Item(1), kADMUserChangedNotifier);  // the user clicks OK
  }
  if (dialog->closedBy == 0) ADD_FAILURE() << "clicking OK did not close the dialog";
  modalOpen_ = false;
  return dialog->closedBy;
}

FakeDialogManager::HostBlock& FakeDialogManager::NewBlock(uint32_t size) {
  auto block = std::make_unique<HostBlock>();
  block->words.assign((size + 3) / 4, kFreshMemoryWord);
  block->master = block->words.data();
  blocks_.push_back(std::move(block));
  return *blocks_.back();
}

Status FakeDialogManager::NewHandle(uint32_t size, MemoryHandle* handle) {
  Record(Op::NewHandle, nullptr, size);
  if (newHandleStatus != kNoError) return newHandleStatus;
  if (newHandleLeavesEmpty) return kNoError;
  *handle = &NewBlock(size).master;
  return kNoError;
}

MemoryHandle FakeDialogManager::MakeHandle(const ParamBlock& block) {
  HostBlock& host = NewBlock(sizeof(ParamBlock));
  std::memcpy(host.master, &block, sizeof(ParamBlock));
  return &host.master;
}

PluginRef TestPluginRef(uintptr_t n) { return reinterpret_cast<PluginRef>(0x5000 + n * 16); }

ParamBlock FreshDefaults(PluginRef self) {
  ParamBlock block;
  std::memset(&block, 0xA5, sizeof(block));
  WriteParamDefaults(block, self);
  return block;
}

ParamBlock EditedParams(int32_t page) {
  ParamBlock block = FreshDefaults(TestPluginRef(9));
  // Floats: slot + 1.5 is no default and no preset value, and lies within
  // every page's range.
  for (int32_t slot = kSlotSymbolToSymbolScale; slot <= 48; ++slot) {
    block.slot[slot].f = static_cast<float>(slot) + 1.5f;
  }
  const int32_t ints[][2] = {
      {kSlotPreview, 0},          {kSlotSymbols + 0, 25},    {kSlotSymbols + 1, 3},
      {kSlotSymbols + 2, 4},      {kSlotLayers, 7},          {kSlotFillMode, 7},
      {kSlotPage, page},          {kSlotPulse + 0, 5},       {kSlotPulse + 1, 2},
      {kSlotPulse + 2, 9},        {kSlotRandomSymbols + 0, 1}, {kSlotRandomSymbols + 1, 1},
      {kSlotRandomSymbols + 2, 1}, {kSlotOrderedSymbols + 0, 0}, {kSlotOrderedSymbols + 1, 1},
      {kSlotOrderedSymbols + 2, 1}, {kSlotLinkProportional, 0}, {kSlotRandomSymbolCount, 1},
      {kSlotBreakLink, 1},        {kSlotPreset, 3},          {kSlotRunFromGo, 1},
      {kSlotPreviewPresent, 1},   {kSlotDialogBounds + 0, kEditedBounds.left},
      {kSlotDialogBounds + 1, kEditedBounds.top}, {kSlotDialogBounds + 2, kEditedBounds.right},
      {kSlotDialogBounds + 3, kEditedBounds.bottom}, {kSlotDialogBoundsValid, 1},
  };
  for (const auto& [slot, value] : ints) block.slot[slot].i = value;
  return block;
}

std::vector<int32_t> ChangedSlots(const ParamBlock& a, const ParamBlock& b) {
  std::vector<int32_t> changed;
  for (int32_t slot = 0; slot < kParamSlotCount; ++slot) {
    if (a.slot[slot].i != b.slot[slot].i) changed.push_back(slot);
  }
  return changed;
}

}  // namespace fake_adm
