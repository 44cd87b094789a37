// Handlers of the module's life: start-up, shut-down, unload and reload.
#pragma once

#include "plugin/host/api/message.h"

// "SP Interface" / "Startup": allocates the globals and registers the filter.
Status HandleStartup(MessageData* message);

// "SP Interface" / "Shutdown": frees the globals. Returns the status of its
// own acquisition of the "SP Blocks Suite"; clears the message's globals
// field in every case.
Status HandleShutdown(MessageData* message);

// "SP Access" / "Unload": hands the globals pointer to the host.
Status HandleUnload(MessageData* message);

// "SP Access" / "Reload": takes the globals pointer back and starts the
// nesting count again from 0.
Status HandleReload(MessageData* message);
