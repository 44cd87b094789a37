// "AI Filter" / "AI Go": runs the generator on the filter's stored parameters.
#pragma once

#include "plugin/host/api/message.h"

// Marks the run as coming from the go message and generates the art from
// the record in the message's parameters handle. Returns the generator's status.
Status GoFilter(FilterMessage* message);
