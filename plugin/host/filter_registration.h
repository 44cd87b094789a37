// Registration of the plug-in's filter in the host's filter menu, and the
// conversions between zero-terminated and counted strings.
#pragma once

#include "plugin/host/api/message.h"

// The name under which the filter and its parameter dialog are known to the host.
#define kFilterName "Zorv_Quillane"

// String list of the filter's menu category (index 1) and title (index 2).
constexpr int32_t kFilterStringList = 16000;

// Registers the filter named by string list 16000 and stores its handle and
// the count of filters in the globals. Returns 0 or the first failing host
// status. An empty category registers nothing and is no failure.
Status AddFilters(MessageData* message);

// Turns a zero-terminated text into a counted string (length byte, then the
// characters) in place. Returns text, or null when it holds more than 255
// characters, in which case it is left unchanged.
unsigned char* MakeCountedString(char* text);

// Turns a counted string into a zero-terminated text in place; the buffer
// needs room for the length + 1 bytes. Returns text.
char* MakeZeroTerminated(unsigned char* text);
