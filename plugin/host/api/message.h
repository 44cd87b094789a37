// The message record the host passes to PluginMain, and the names of the
// messages the plug-in answers.
#pragma once

#include "plugin/host/api/basic_suite.h"
#include "plugin/host/api/types.h"

// Carried by every message. The host owns the record; it is valid for the
// duration of the call only.
struct MessageData {
  PluginRef self;            // this module, as the host knows it; passed back on host calls
  void* globals;             // kept by the host for the module while it is unloaded
  const BasicSuite* basic;   // usable before any other suite is acquired
};

// Messages of the caller "AI Filter" start with MessageData and add the
// filter they concern and the filter's stored parameters.
struct FilterMessage {
  MessageData d;
  FilterHandle filter;       // the filter this message is for
  MemoryHandle parameters;   // the filter's parameter record; null until one is stored
};

// Callers and selectors.
#define kSPAccessCaller "SP Access"
#define kSPAccessUnloadSelector "Unload"
#define kSPAccessReloadSelector "Reload"
#define kSPInterfaceCaller "SP Interface"
#define kSPInterfaceStartupSelector "Startup"
#define kSPInterfaceAboutSelector "About"
#define kSPInterfaceShutdownSelector "Shutdown"
#define kAIMenuCaller "AI Menu"
#define kAIMenuGoSelector "AI Go"
#define kAIMenuUpdateSelector "AI Update"
#define kAIFilterCaller "AI Filter"
#define kAIFilterGetParametersSelector "AI Get Parameters"
#define kAIFilterGoSelector "AI Go"

// The one function a plug-in module exports. caller and selector are
// zero-terminated strings owned by the host; message points to a
// MessageData (or a record that starts with one). Returns the status of
// the message.
typedef Status (*PluginMainProc)(const char* caller, const char* selector, void* message);
#define kPluginEntryName "PluginMain"
