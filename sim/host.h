// The stand-in host: loads a plug-in module, sends it the host's messages,
// and answers its calls through the host suites. It records every call in
// the journal, can make any call fail, and checks at the end of a session
// that every block was freed and every suite released.
//
// One Host is current at a time: the suite functions, which get no context
// from the plug-in, reach it through Host::Current().
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "plugin/host/api/suites.h"
#include "plugin/params/param_block.h"
#include "sim/dialog_manager.h"
#include "sim/document.h"
#include "sim/faults.h"
#include "sim/journal.h"
#include "sim/module.h"
#include "sim/operations.h"
#include "sim/random.h"
#include "sim/resources.h"

namespace sim {

// Answered by operations the stand-in host does not offer yet.
constexpr Status kNotAvailable = MakeCode("!imp");
// Answered by ReleaseSuite for a suite that is not acquired, and by
// FreeBlock for a block that is not allocated.
constexpr Status kNotHeld = MakeCode("!hld");

// A filter that the plug-in registered, with the parameters the host keeps for it.
struct FilterRecord {
  std::string name;
  std::string category;
  std::string title;
  int32_t options = 0;
  MemoryHandle parameters = nullptr;
  bool registered = false;  // false for the stand-in record used before any registration
};

class Host {
 public:
  // Session output ("> ...", "< ...", "! ...") goes to out.
  explicit Host(std::ostream& out);
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;
  ~Host();

  static Host& Current() { return *current_; }

  // --- the module ---
  // Reads the module's resources, checks its property list (a plug-in
  // module of interface version 2) and loads it with the entry point the
  // list names.
  bool LoadModule(const std::string& path, std::string* error);
  const Module& module() const { return module_; }
  const ModuleResources& resources() const { return resources_; }
  PluginRef pluginRef() { return reinterpret_cast<PluginRef>(&module_); }

  // --- messages ---
  // Sends one message and prints it and its status. "AI Filter" messages
  // carry the current filter and its parameters. A module that is unloaded
  // is loaded again first, as the real host does.
  Status Send(const std::string& caller, const std::string& selector);
  Status Startup() { return Send(kSPInterfaceCaller, kSPInterfaceStartupSelector); }
  Status Shutdown() { return Send(kSPInterfaceCaller, kSPInterfaceShutdownSelector); }
  Status About() { return Send(kSPInterfaceCaller, kSPInterfaceAboutSelector); }
  // "SP Access" / "Unload", then the module file is really unloaded.
  Status Unload();
  // The module file is loaded again, then "SP Access" / "Reload".
  Status Reload();
  // The host repeats the filter: a go message on its own, as one use.
  Status Go() { return Send(kAIFilterCaller, kAIFilterGoSelector); }
  // The user chooses the filter: the get-parameters message, then the go
  // message when it answered 0. Returns the last status.
  Status Filter();

  // The next call of op sends this message first, nested in the current one.
  void SendDuring(Op op, std::string caller, std::string selector);

  // The globals field the host keeps for the module between messages.
  void* globalsField() const { return globalsField_; }

  // The filter that "AI Filter" messages are for: the first one registered,
  // or a stand-in record when none is.
  FilterRecord& currentFilter();
  const std::deque<FilterRecord>& filters() const { return filters_; }
  FilterHandle HandleOf(FilterRecord& filter) { return reinterpret_cast<FilterHandle>(&filter); }

  // The parameter block the host keeps for the current filter, made with
  // its defaults first when there is none (as the host's own parameter
  // editing would). Valid while the host keeps the filter.
  ParamBlock& StoredParameters();

  // --- parts of the host ---
  Journal& journal() { return journal_; }
  const Journal& journal() const { return journal_; }
  Faults& faults() { return faults_; }
  Document& document() { return document_; }
  Random& random() { return random_; }
  DialogManager& dialogs() { return dialogs_; }

  // --- for the suite functions ---
  // Counts a call of op, sends a message queued for it, and answers the
  // status it must fail with (0 to go on).
  Status Enter(Op op) {
    ++calls_[static_cast<int>(op)];
    if (nestedPending_) SendNested(op);
    return faults_.Check(op);
  }
  bool tracing() const { return journal_.enabled(); }
  void Trace(std::string line) { journal_.Add(std::move(line)); }
  // A line of session output.
  void Print(const std::string& line);
  int64_t CallCount(Op op) const { return calls_[static_cast<int>(op)]; }

  // Suites: acquisition counts, blocks, handles.
  Status AcquireSuite(const char* name, int32_t version, const void** suite);
  Status ReleaseSuite(const char* name, int32_t version);
  Status AllocateBlock(uint32_t size, const char* name, void** block);
  Status FreeBlock(void* block);
  Status NewHandle(uint32_t size, MemoryHandle* handle);
  FilterRecord& AddFilter(std::string name, std::string category, std::string title,
                          int32_t options);

  // What the session left behind: blocks not freed, suites not released.
  std::vector<std::string> Leftovers() const;

 private:
  void SendNested(Op op);

  static Host* current_;
  Host* previous_ = nullptr;

  std::ostream& out_;
  Module module_;
  ModuleResources resources_;
  void* globalsField_ = nullptr;
  int depth_ = 0;  // messages in progress
  std::vector<FilterMessage*> filterMessages_;  // "AI Filter" messages in progress, outermost first
  bool confirmedGetParameters_ = false;

  Journal journal_;
  Faults faults_;
  Document document_;
  Random random_;
  DialogManager dialogs_{*this};
  std::array<int64_t, kOpCount> calls_{};

  struct NestedMessage {
    Op op;
    std::string caller, selector;
  };
  std::vector<NestedMessage> nested_;
  bool nestedPending_ = false;

  std::map<std::string, int> acquisitions_;
  struct Block {
    uint32_t size;
    std::string name;
  };
  std::map<void*, Block> blocks_;
  std::vector<std::unique_ptr<char[]>> handleBlocks_;
  std::deque<void*> handleMasters_;
  std::deque<FilterRecord> filters_;
  FilterRecord standInFilter_;
};

}  // namespace sim
