// The "AI Filter Suite" and the "AI Menu Suite": the host's filter menu.
#include "sim/host.h"
#include "sim/status_text.h"
#include "sim/suites/registry.h"

namespace sim {
namespace {

std::string FromCounted(const unsigned char* text) {
  if (text == nullptr) return "";
  return std::string(reinterpret_cast<const char*>(text + 1), text[0]);
}

Status AddFilter(PluginRef, const char* name, const FilterMenuTitles* titles, int32_t options,
                 FilterHandle* filter) {
  Host& host = Host::Current();
  const Status status = host.Enter(Op::AddFilter);
  const std::string category = titles ? FromCounted(titles->category) : "";
  const std::string title = titles ? FromCounted(titles->title) : "";
  if (status == kNoError) {
    FilterRecord& record = host.AddFilter(name ? name : "", category, title, options);
    *filter = host.HandleOf(record);
    host.Print("! filter " + Quote(category) + " / " + Quote(title));
  }
  if (host.tracing())
    host.Trace("AddFilter " + Quote(name ? name : "") + " " + Quote(category) + " " + Quote(title) +
               " " + std::to_string(options) + " -> " + FormatStatus(status));
  return status;
}

Status GetFilterMenuItem(FilterHandle filter, MenuItemHandle* item) {
  Host& host = Host::Current();
  const Status status = host.Enter(Op::GetFilterMenuItem);
  // A filter's menu item is the filter's own record, seen as a menu item.
  if (status == kNoError) *item = reinterpret_cast<MenuItemHandle>(filter);
  if (host.tracing()) host.Trace("GetFilterMenuItem -> " + FormatStatus(status));
  return status;
}

Status UpdateMenuItemAutomatically(MenuItemHandle, int32_t action, int32_t a, int32_t b, int32_t c,
                                   int32_t d, int32_t e, int32_t f) {
  Host& host = Host::Current();
  const Status status = host.Enter(Op::UpdateMenuItemAutomatically);
  if (host.tracing())
    host.Trace("UpdateMenuItemAutomatically " + std::to_string(action) + " " + std::to_string(a) +
               " " + std::to_string(b) + " " + std::to_string(c) + " " + std::to_string(d) + " " +
               std::to_string(e) + " " + std::to_string(f) + " -> " + FormatStatus(status));
  return status;
}

}  // namespace

const AIFilterSuite kFilterSuiteTable = {AddFilter, GetFilterMenuItem};
const AIMenuSuite kMenuSuiteTable = {UpdateMenuItemAutomatically};

}  // namespace sim
