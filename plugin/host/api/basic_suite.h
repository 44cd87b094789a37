// The basic suite: handed to the plug-in in every message, usable before any
// other suite is acquired.
#pragma once

#include "plugin/host/api/types.h"

struct BasicSuite {
  // Looks up the suite with this name and version and stores a pointer to
  // its table of operations in *suite. The suite stays valid until the
  // matching ReleaseSuite. Returns kSuiteNotFound when the host has no such
  // suite (or another failure status); *suite is then left untouched.
  Status (*AcquireSuite)(const char* name, int32_t version, const void** suite);

  // Gives back one acquisition of the suite with this name and version.
  Status (*ReleaseSuite)(const char* name, int32_t version);

  // Compares two zero-terminated strings; non-zero when they are equal.
  // The plug-in matches callers and selectors with it.
  int32_t (*IsEqual)(const char* a, const char* b);
};
