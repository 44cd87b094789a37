#include "plugin/host/dispatch.h"

#include "plugin/generator/go_filter.h"
#include "plugin/host/about_box.h"
#include "plugin/host/error_report.h"
#include "plugin/host/lifecycle.h"
#include "plugin/host/plugin_globals.h"
#include "plugin/host/suite_table.h"
#include "plugin/params/get_parameters.h"

namespace {

Status RouteInterface(const BasicSuite* basic, const char* selector, MessageData* message) {
  if (basic->IsEqual(selector, kSPInterfaceStartupSelector)) return HandleStartup(message);
  if (basic->IsEqual(selector, kSPInterfaceAboutSelector)) return ShowAboutBox(message);
  if (basic->IsEqual(selector, kSPInterfaceShutdownSelector)) return HandleShutdown(message);
  return kNoError;
}

Status RouteMenu(const BasicSuite* basic, const char* selector) {
  // The plug-in installs no menu item of its own; its filter lives in the
  // host's filter menu. A menu command meant for it cannot apply.
  if (basic->IsEqual(selector, kAIMenuGoSelector)) return kBadSelection;
  if (basic->IsEqual(selector, kAIMenuUpdateSelector)) return kNoError;
  return kNoError;
}

Status RouteFilter(const BasicSuite* basic, const char* selector, FilterMessage* message) {
  if (basic->IsEqual(selector, kAIFilterGetParametersSelector)) {
    // Only the filter this module registered gets a dialog.
    if (gGlobals != nullptr && message->filter == gGlobals->filter)
      return GetFilterParameters(message);
    return kNoError;
  }
  if (basic->IsEqual(selector, kAIFilterGoSelector)) {
    // A failure while generating is answered and reported like any other:
    // the host and the user learn that the art is incomplete. The art made
    // before the failure stays in the document, where undo can take it back.
    return GoFilter(message);
  }
  return kNoError;
}

}  // namespace

Status DispatchMessage(const char* caller, const char* selector, void* message) {
  MessageData* data = static_cast<MessageData*>(message);
  const BasicSuite* basic = data->basic;

  if (basic->IsEqual(caller, kSPAccessCaller)) {
    if (basic->IsEqual(selector, kSPAccessUnloadSelector)) return HandleUnload(data);
    if (basic->IsEqual(selector, kSPAccessReloadSelector)) return HandleReload(data);
    return kNoError;
  }

  Status status = AcquireSuites(basic);
  if (status == kNoError) {
    if (basic->IsEqual(caller, kSPInterfaceCaller))
      status = RouteInterface(basic, selector, data);
    else if (basic->IsEqual(caller, kAIMenuCaller))
      status = RouteMenu(basic, selector);
    else if (basic->IsEqual(caller, kAIFilterCaller))
      status = RouteFilter(basic, selector, static_cast<FilterMessage*>(message));
  }
  if (status != kNoError && status != kSuiteNotFound) ReportError(data, status);
  ReleaseSuites(basic);
  return status;
}
