// Suites the plug-in acquires with all the others but never calls. The host
// must offer them (an acquisition that fails stops the message), so each has
// a declaration; no operation of theirs is used.
#pragma once

#include <cstdint>

#define kSPAccessSuite "SP Access Suite"
constexpr int32_t kSPAccessSuiteVersion = 3;
struct SPAccessSuite {
  void* reserved;  // no operation used
};

#define kAIPathSuite "AI Path Suite"
constexpr int32_t kAIPathSuiteVersion = 4;
struct AIPathSuite {
  void* reserved;  // no operation used
};

#define kADMIconSuite "ADM Icon Suite"
constexpr int32_t kADMIconSuiteVersion = 1;
struct ADMIconSuite {
  void* reserved;  // no operation used
};

#define kADMNotifierSuite "ADM Notifier Suite"
constexpr int32_t kADMNotifierSuiteVersion = 1;
struct ADMNotifierSuite {
  void* reserved;  // no operation used
};
