// "AI Filter" / "AI Get Parameters": the parameter dialog around the filter's
// stored parameter record.
#pragma once

#include "plugin/host/api/message.h"

// Makes sure the filter has a parameter record, runs the modal parameter
// dialog on it and, on Cancel, takes back what the dialog changed. Returns
// 0 (confirmed), "STOP" (cancelled), "!MEM" or a failing host status.
Status GetFilterParameters(FilterMessage* message);
