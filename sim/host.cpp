#include "sim/host.h"

#include <cstring>

#include "sim/default_document.h"
#include "sim/status_text.h"
#include "sim/suites/registry.h"

namespace sim {

Host* Host::current_ = nullptr;

Host::Host(std::ostream& out) : out_(out) {
  previous_ = current_;
  current_ = this;
  LoadDefaultDocument(document_);
}

Host::~Host() {
  module_.Unload();
  for (auto& [block, info] : blocks_) delete[] static_cast<char*>(block);
  current_ = previous_;
}

bool Host::LoadModule(const std::string& path, std::string* error) {
  ModuleResources resources;
  if (!resources.LoadFromModule(path, error)) return false;
  const std::vector<uint8_t>* bytes = resources.Raw("PIPL", kPropertyListId);
  const auto properties = bytes ? ParsePropertyList(*bytes) : std::nullopt;
  if (!properties) {
    *error = path + " has no valid property list (PIPL 16000)";
    return false;
  }
  if (properties->kind != kPluginModuleKind || properties->interfaceVersion != 2) {
    *error = path + " is not a plug-in module of interface version 2";
    return false;
  }
  if (!module_.Load(path, error, properties->entryPoint)) return false;
  resources_ = std::move(resources);
  return true;
}

void Host::Print(const std::string& line) {
  out_ << line << '\n';
  if (journal_.enabled() && !line.empty() && line[0] == '!') journal_.Add(line);
}

FilterRecord& Host::currentFilter() {
  for (FilterRecord& filter : filters_)
    if (filter.registered) return filter;
  return standInFilter_;
}

ParamBlock& Host::StoredParameters() {
  // While a filter message is handled, the parameters travel in it: the
  // plug-in may just have stored a new block there.
  for (auto it = filterMessages_.rbegin(); it != filterMessages_.rend(); ++it)
    if ((*it)->parameters != nullptr && *(*it)->parameters != nullptr)
      return *static_cast<ParamBlock*>(*(*it)->parameters);
  FilterRecord& filter = currentFilter();
  if (filter.parameters == nullptr || *filter.parameters == nullptr) {
    auto memory = std::make_unique<char[]>(sizeof(ParamBlock));
    handleMasters_.push_back(memory.get());
    handleBlocks_.push_back(std::move(memory));
    filter.parameters = &handleMasters_.back();
    WriteParamDefaults(*static_cast<ParamBlock*>(*filter.parameters), pluginRef());
  }
  return *static_cast<ParamBlock*>(*filter.parameters);
}

Status Host::Send(const std::string& caller, const std::string& selector) {
  if (!module_.loaded()) {
    if (module_.path().empty() || Reload() != kNoError || !module_.loaded()) {
      Print("! no module loaded");
      return kNotAvailable;
    }
  }
  const std::string marker = "> " + Quote(caller) + " " + Quote(selector);
  Print(marker);
  if (journal_.enabled()) journal_.Add(marker);

  const bool isFilter = caller == kAIFilterCaller;
  const bool isGo = isFilter && selector == kAIFilterGoSelector;
  const bool isGetParameters = isFilter && selector == kAIFilterGetParametersSelector;
  if (depth_ == 0 && isFilter) {
    // One use of the filter, undone as one step: the get-parameters message
    // with the go message that follows a confirmed dialog, or a go alone.
    if (!(isGo && confirmedGetParameters_)) document_.BeginUse();
  }

  FilterMessage message{};
  message.d.self = pluginRef();
  message.d.globals = globalsField_;
  message.d.basic = BasicSuiteTable();
  FilterRecord* filter = nullptr;
  if (isFilter) {
    filter = &currentFilter();
    message.filter = filter->registered ? HandleOf(*filter) : nullptr;
    message.parameters = filter->parameters;
  }

  ++depth_;
  if (isFilter) filterMessages_.push_back(&message);
  const Status status = module_.entry()(caller.c_str(), selector.c_str(), &message);
  if (isFilter) filterMessages_.pop_back();
  --depth_;

  globalsField_ = message.d.globals;
  if (filter != nullptr) filter->parameters = message.parameters;
  if (depth_ == 0) confirmedGetParameters_ = isGetParameters && status == kNoError;

  const std::string result = "< " + FormatStatus(status);
  Print(result);
  if (journal_.enabled()) journal_.Add(result);
  return status;
}

Status Host::Filter() {
  const Status status = Send(kAIFilterCaller, kAIFilterGetParametersSelector);
  if (status != kNoError) return status;
  return Send(kAIFilterCaller, kAIFilterGoSelector);
}

Status Host::Unload() {
  const Status status = Send(kSPAccessCaller, kSPAccessUnloadSelector);
  module_.Unload();
  return status;
}

Status Host::Reload() {
  if (!module_.loaded()) {
    std::string error;
    if (!module_.Load(module_.path(), &error, module_.entryName())) {
      Print("! cannot reload: " + error);
      return kNotAvailable;
    }
  }
  return Send(kSPAccessCaller, kSPAccessReloadSelector);
}

void Host::SendDuring(Op op, std::string caller, std::string selector) {
  nested_.push_back({op, std::move(caller), std::move(selector)});
  nestedPending_ = true;
}

void Host::SendNested(Op op) {
  for (size_t i = 0; i < nested_.size(); ++i) {
    if (nested_[i].op != op) continue;
    NestedMessage message = std::move(nested_[i]);
    nested_.erase(nested_.begin() + static_cast<std::ptrdiff_t>(i));
    nestedPending_ = !nested_.empty();
    Send(message.caller, message.selector);
    return;
  }
}

Status Host::AcquireSuite(const char* name, int32_t version, const void** suite) {
  Status status = Enter(Op::AcquireSuite);
  if (status == kNoError) status = faults_.CheckAcquisition(name);
  if (status == kNoError) {
    const void* found = FindSuite(name, version);
    if (found == nullptr) {
      status = kSuiteNotFound;
    } else {
      *suite = found;
      ++acquisitions_[name];
    }
  }
  if (tracing()) Trace("AcquireSuite " + Quote(name) + " " + std::to_string(version) + " -> " + FormatStatus(status));
  return status;
}

Status Host::ReleaseSuite(const char* name, int32_t version) {
  Status status = Enter(Op::ReleaseSuite);
  if (status == kNoError) {
    auto it = acquisitions_.find(name);
    if (it == acquisitions_.end() || it->second == 0)
      status = kNotHeld;
    else
      --it->second;
  }
  if (tracing()) Trace("ReleaseSuite " + Quote(name) + " " + std::to_string(version) + " -> " + FormatStatus(status));
  return status;
}

Status Host::AllocateBlock(uint32_t size, const char* name, void** block) {
  Status status = Enter(Op::AllocateBlock);
  if (status == kNoError) {
    // Fresh memory is not cleared: fill it with a pattern that no handle
    // or count would hold, so that reading an unwritten field shows.
    char* memory = new char[size ? size : 1];
    std::memset(memory, 0xCD, size);
    blocks_[memory] = Block{size, name ? name : ""};
    *block = memory;
  }
  if (tracing()) Trace("AllocateBlock " + std::to_string(size) + " " + Quote(name ? name : "") + " -> " + FormatStatus(status));
  return status;
}

Status Host::FreeBlock(void* block) {
  Status status = Enter(Op::FreeBlock);
  std::string name;
  if (status == kNoError) {
    auto it = blocks_.find(block);
    if (it == blocks_.end()) {
      status = kNotHeld;
    } else {
      name = it->second.name;
      delete[] static_cast<char*>(block);
      blocks_.erase(it);
    }
  }
  if (tracing()) Trace("FreeBlock " + Quote(name) + " -> " + FormatStatus(status));
  return status;
}

Status Host::NewHandle(uint32_t size, MemoryHandle* handle) {
  Status status = Enter(Op::NewHandle);
  if (status == kNoError) {
    auto memory = std::make_unique<char[]>(size ? size : 1);
    std::memset(memory.get(), 0xCD, size);
    handleMasters_.push_back(memory.get());
    handleBlocks_.push_back(std::move(memory));
    *handle = &handleMasters_.back();
  }
  if (tracing()) Trace("NewHandle " + std::to_string(size) + " -> " + FormatStatus(status));
  return status;
}

FilterRecord& Host::AddFilter(std::string name, std::string category, std::string title,
                              int32_t options) {
  filters_.push_back(FilterRecord{std::move(name), std::move(category), std::move(title), options,
                                  nullptr, true});
  return filters_.back();
}

std::vector<std::string> Host::Leftovers() const {
  std::vector<std::string> left;
  for (const auto& [block, info] : blocks_)
    left.push_back("block " + Quote(info.name) + " of " + std::to_string(info.size) +
                   " bytes not freed");
  for (const auto& [suite, count] : acquisitions_)
    if (count != 0)
      left.push_back("suite " + Quote(suite) + " acquired " + std::to_string(count) +
                     (count == 1 ? " time" : " times") + " more than released");
  return left;
}

}  // namespace sim
