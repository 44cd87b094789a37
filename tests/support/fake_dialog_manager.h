// A fake dialog manager for tests of the parameter dialog: fake "ADM Dialog",
// "ADM Item", "ADM List" and "ADM Entry" suites, with the host memory and
// undo the get-parameters handling needs and just enough of the document
// for a preview run of the generator to start and stop (no symbol is
// selected in the palette, so a preview only undoes, queries the document
// and asks for the current symbol).
//
// Modal builds a dialog, runs its init procedure and then plays a scripted
// list of user actions. A user change sets an item's value (kept within
// the item's bounds) and runs the item's notify procedure, or its default
// handling when it has none. Changes made by the program (Set...Value,
// Select, SetText, ranges) never run a notify procedure; SendNotify does.
// When the script runs out, the user clicks OK. DefaultNotify on item 1 or
// 2 ends the dialog with that id, which Modal returns.
//
// Every call is recorded in order, with a copy of the dialog's parameter
// record as it was at the call, so that tests can check both the order of
// operations and the order of the record's changes.
//
// The suites are plain function tables without user data, so one fake at a
// time is the active one.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "plugin/host/api/adm_dialog_suite.h"
#include "plugin/host/api/adm_item_suite.h"
#include "plugin/host/api/message.h"
#include "plugin/host/api/types.h"
#include "plugin/params/get_parameters.h"
#include "plugin/params/param_block.h"

namespace fake_adm {

enum class Op {
  // ADM Dialog Suite
  Modal,
  GetUserData,
  Size,
  SetBoundsRect,
  GetBoundsRect,
  GetItem,
  CreateItem,
  // ADM Item Suite
  SetNotifyProc,
  DefaultNotify,
  SendNotify,
  GetDialog,
  GetList,
  SetText,
  SetBooleanValue,
  GetBooleanValue,
  SetIntValue,
  GetIntValue,
  SetFloatValue,
  GetFloatValue,
  SetMinIntValue,
  SetMaxIntValue,
  SetMinFloatValue,
  SetMaxFloatValue,
  SetUnits,
  SetPrecision,
  // ADM List Suite
  InsertEntry,
  IndexEntry,
  GetActiveEntry,
  // ADM Entry Suite
  EntrySetText,
  SetID,
  GetID,
  Select,
  // Host memory, undo and the start of a preview
  NewHandle,
  UndoChanges,
  QueryDocument,
  GetDocument,
  GetCurrentSymbol,
  RedrawDocument,
  // A scripted user action begins (item = the item acted on, -1 for none)
  UserAction,
};

const char* OpName(Op op);
void PrintTo(Op op, std::ostream* out);

struct FakeItem;
struct FakeList;

struct Event {
  Op op;
  int32_t item = -1;       // id of the item concerned (for list and entry
                           // operations, the popup's id), -1 for none
  double number = 0.0;     // the value, bound, index, id or size passed or returned
  std::string text;        // SetText, EntrySetText, SendNotify, CreateItem: the text or type
  ItemNotifyProc proc = nullptr;  // SetNotifyProc: the procedure
  std::optional<ParamBlock> block;  // the dialog's record at the call, when a dialog is up
  int depth = 0;           // notify procedures running at the call: 1 inside a user
                           // action's procedure, 2 inside one it notified
};

struct FakeEntry {
  std::string text;
  int32_t id = -1;  // -1 until SetID
  FakeList* list = nullptr;
};

struct FakeList {
  FakeItem* item = nullptr;
  std::vector<std::unique_ptr<FakeEntry>> entries;
  FakeEntry* active = nullptr;
  int32_t ActiveIndex() const;  // -1 when none is active
  std::vector<std::string> Texts() const;
  std::vector<int32_t> Ids() const;
};

struct FakeDialog;

struct FakeItem {
  FakeDialog* dialog = nullptr;
  int32_t id = 0;
  std::string type;
  DialogRect bounds{};
  std::string text;
  int32_t intValue = 0;
  float floatValue = 0.0f;
  int32_t boolValue = 0;
  std::optional<int32_t> minInt, maxInt;
  std::optional<float> minFloat, maxFloat;
  std::optional<int32_t> units, precision;
  ItemNotifyProc proc = nullptr;
  std::unique_ptr<FakeList> list;  // popups only

  ItemRef ref() { return reinterpret_cast<ItemRef>(this); }
};

struct FakeDialog {
  std::string name;
  int32_t resourceId = 0;
  int32_t style = 0;
  DialogInitProc init = nullptr;
  void* userData = nullptr;
  DialogRect bounds{};
  std::vector<std::unique_ptr<FakeItem>> items;  // in creation order
  int32_t closedBy = 0;                          // 0 while open
  Status initStatus = -1;

  // The first item made with this id; a test failure when there is none.
  FakeItem& Item(int32_t id);
  bool HasItem(int32_t id) const;
  ParamBlock* block() const { return static_cast<ParamBlock*>(userData); }
};

class FakeDialogManager;

// One scripted user action. Build them with the functions below.
struct Action {
  enum class Kind { SetInt, SetFloat, SetBool, Choose, Click, Move, Inspect };
  Kind kind = Kind::Click;
  int32_t item = -1;
  int32_t intValue = 0;
  float floatValue = 0.0f;
  DialogRect bounds{};
  std::function<void(FakeDialogManager&, FakeDialog&)> inspect;
};

Action UserSetInt(int32_t item, int32_t value);      // a spin edit, integer
Action UserSetFloat(int32_t item, float value);      // a spin edit, float
Action UserSetBool(int32_t item, int32_t value);     // a check box
Action UserChoose(int32_t item, int32_t index);      // the popup entry at index
Action UserClick(int32_t item);                      // a button
Action UserMove(DialogRect bounds);                  // moves the dialog; notifies nothing
// Runs the function at this point of the script, while the dialog is up.
Action Inspect(std::function<void(FakeDialogManager&, FakeDialog&)> inspect);

class FakeDialogManager {
 public:
  FakeDialogManager();
  ~FakeDialogManager();
  FakeDialogManager(const FakeDialogManager&) = delete;
  FakeDialogManager& operator=(const FakeDialogManager&) = delete;

  // Puts this fake's suites into gSuites; Uninstall sets every entry of
  // gSuites back to null.
  void Install();
  void Uninstall();

  // ---- Script ----
  std::vector<Action> actions;            // played by the next Modal
  DialogRect frameBounds{40, 30, 460, 394};  // the dialog's place when built from its resource
  Status newHandleStatus = kNoError;
  bool newHandleLeavesEmpty = false;      // NewHandle succeeds but stores no handle
  Status undoStatus = kNoError;

  // ---- Record ----
  std::vector<Event> events;
  std::unique_ptr<FakeDialog> dialog;     // the last dialog, kept after Modal returns
  int32_t modalCalls = 0;

  int Count(Op op) const;
  // Events of one kind, in order.
  std::vector<Event> Events(Op op) const;
  // Index of the first event of this kind at or after `from`, or -1.
  int Find(Op op, int from = 0) const;
  // Number of preview runs begun: the generator is the only caller of
  // GetCurrentSymbol.
  int Previews() const { return Count(Op::GetCurrentSymbol); }

  // A host memory block holding the record, as the host keeps a filter's
  // parameters; it lives as long as this fake.
  MemoryHandle MakeHandle(const ParamBlock& block);

  // ---- Used by the suite functions ----
  static FakeDialogManager& Active();
  void Record(Op op, const FakeItem* item = nullptr, double number = 0.0,
              std::string text = std::string(), ItemNotifyProc proc = nullptr);
  void Notify(FakeItem& item, const char* notifierType);  // a user change or SendNotify
  void Play(const Action& action);
  int32_t RunModal(PluginRef self, const char* name, int32_t resourceId, int32_t style,
                   DialogInitProc init, void* userData);
  Status NewHandle(uint32_t size, MemoryHandle* handle);

 private:
  struct HostBlock {
    void* master = nullptr;
    std::vector<uint32_t> words;
  };
  std::vector<std::unique_ptr<HostBlock>> blocks_;
  bool modalOpen_ = false;
  int notifyDepth_ = 0;  // records copy the dialog's record only while it runs
  HostBlock& NewBlock(uint32_t size);
};

// The byte pattern of new host memory, so that slots left unwritten show.
constexpr uint32_t kFreshMemoryWord = 0xA5A5A5A5u;

// A plug-in reference for tests; never dereferenced.
PluginRef TestPluginRef(uintptr_t n);

// A new record as the get-parameters handling makes it: fresh host memory
// with the defaults written over it.
ParamBlock FreshDefaults(PluginRef self);

// A record whose every value differs from its default and from every value
// a preset writes, all within the dialog's ranges, showing `page`. Preview
// is off; slots 60 and 61 are set; the dialog rectangle (kEditedBounds) is
// valid.
constexpr DialogRect kEditedBounds{12, 14, 352, 384};
ParamBlock EditedParams(int32_t page);

// The slots whose bits differ between the two records.
std::vector<int32_t> ChangedSlots(const ParamBlock& a, const ParamBlock& b);

// A test fixture with an installed fake; gSuites is null again after every
// test. Run... hand GetFilterParameters a filter message and return its
// status; the fake plays `adm.actions` in the dialog.
class FakeDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { adm.Install(); }
  void TearDown() override { adm.Uninstall(); }

  // The host already keeps `start` as the filter's parameters.
  Status Run(const ParamBlock& start) {
    message.parameters = adm.MakeHandle(start);
    return GetFilterParameters(&message);
  }
  // Same, with the record the previous run left in `message`.
  Status RunAgain() { return GetFilterParameters(&message); }
  // First use of the filter: no parameters yet.
  Status RunFirst() {
    message.parameters = nullptr;
    return GetFilterParameters(&message);
  }
  // The record the host keeps now.
  ParamBlock& Stored() { return *static_cast<ParamBlock*>(*message.parameters); }

  FakeDialogManager adm;
  FilterMessage message{{TestPluginRef(1), nullptr, nullptr}, nullptr, nullptr};
};

}  // namespace fake_adm
