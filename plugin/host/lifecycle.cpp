#include "plugin/host/lifecycle.h"

#include "plugin/host/filter_registration.h"
#include "plugin/host/plugin_globals.h"
#include "plugin/host/suite_table.h"

PluginGlobals* gGlobals = nullptr;

Status HandleStartup(MessageData* message) {
  void* block = nullptr;
  const Status status =
      sSPBlocks()->AllocateBlock(sizeof(PluginGlobals), kGlobalsBlockName, &block);
  if (status != kNoError) return status;
  gGlobals = static_cast<PluginGlobals*>(block);
  gGlobals->startupBasic = message->basic;
  return AddFilters(message);
}

Status HandleShutdown(MessageData* message) {
  // A reference of our own, so that the block can be freed even if the
  // dispatch's acquisition were already given back.
  const Status status = message->basic->AcquireSuite(kSPBlocksSuite, kSPBlocksSuiteVersion,
                                                     &gSuites[kSuiteSPBlocks]);
  if (status == kNoError) {
    // After a failed start-up there is no block to free.
    if (gGlobals != nullptr) sSPBlocks()->FreeBlock(gGlobals);
    gGlobals = nullptr;
    message->basic->ReleaseSuite(kSPBlocksSuite, kSPBlocksSuiteVersion);
  }
  message->globals = nullptr;
  return status;
}

Status HandleUnload(MessageData* message) {
  message->globals = gGlobals;
  return kNoError;
}

Status HandleReload(MessageData* message) {
  gGlobals = static_cast<PluginGlobals*>(message->globals);
  SuiteNesting = 0;
  return kNoError;
}
