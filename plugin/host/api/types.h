// Basic types shared by the plug-in and any host that loads it.
//
// Everything here is plain data: fixed-width integers, single-precision
// reals and opaque handles. The host owns every object a handle refers to;
// the plug-in only passes handles back to the host.
#pragma once

#include <cstdint>

// Result of every host operation and of every plug-in handler: 0 is success.
// Failures are four-character codes (first character in the most significant
// byte) or small negative numbers.
typedef int32_t Status;

// Builds a four-character code from its characters, first character most
// significant: MakeCode("STOP") == 0x53544F50.
constexpr Status MakeCode(const char (&text)[5]) {
  return static_cast<Status>((static_cast<uint32_t>(static_cast<uint8_t>(text[0])) << 24) |
                             (static_cast<uint32_t>(static_cast<uint8_t>(text[1])) << 16) |
                             (static_cast<uint32_t>(static_cast<uint8_t>(text[2])) << 8) |
                             static_cast<uint32_t>(static_cast<uint8_t>(text[3])));
}

constexpr Status kNoError = 0;
constexpr Status kCancelled = MakeCode("STOP");          // user cancelled; never reported
constexpr Status kSuiteNotFound = MakeCode("S!Fd");      // a suite could not be acquired
constexpr Status kBadSelection = MakeCode("!sel");       // the selection does not suit the command
constexpr Status kOutOfMemory = MakeCode("!MEM");        // the host handed back no memory

typedef float Real;  // the host's real number: IEEE single precision

struct RealPoint {
  Real h;  // horizontal, points, growing to the right
  Real v;  // vertical, points, growing upwards
};

// Affine transform of page coordinates. A point (x, y) maps to
// (a*x + c*y + tx, b*x + d*y + ty).
struct RealMatrix {
  Real a, b, c, d, tx, ty;
};

// Opaque handles. The host gives them out and takes them back; the plug-in
// never looks inside.
typedef struct OpaquePluginRef* PluginRef;        // identifies the module to the host
typedef struct OpaqueDocument* DocumentHandle;
typedef struct OpaqueLayer* LayerHandle;
typedef struct OpaqueArt* ArtHandle;              // a symbol instance or plain artwork
typedef struct OpaqueSymbol* SymbolHandle;        // a symbol of the document's palette
typedef struct OpaqueFilter* FilterHandle;        // a filter registered with the host
typedef struct OpaqueMenuItem* MenuItemHandle;
typedef struct OpaqueDialog* DialogRef;           // a dialog, alive during its modal run
typedef struct OpaqueItem* ItemRef;               // an item of a dialog
typedef struct OpaqueList* ListRef;               // the entry list of a popup item
typedef struct OpaqueEntry* EntryRef;             // one entry of a list
typedef struct OpaqueNotifier* NotifierRef;       // the notification an item is handling

// A relocatable block of host memory: the block starts at *handle. The host
// keeps the block alive and at the same place for as long as it keeps the
// handle; the plug-in never frees it.
typedef void** MemoryHandle;

// Paint order for new art and layers: above everything else.
constexpr int16_t kPlaceAboveAll = 5;
