// Routing of the host's messages to their handlers.
#pragma once

#include "plugin/host/api/message.h"

// Handles one message: acquires the suites, runs the handler that the caller
// and selector name, reports a failure, releases the suites and returns the
// handler's status. PluginMain is this function under the exported name.
Status DispatchMessage(const char* caller, const char* selector, void* message);
