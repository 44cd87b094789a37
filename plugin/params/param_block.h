// The filter's parameter record: 73 slots of 32 bits that the host keeps
// with the filter between uses, with the three popup enumerations, the table
// of named parameters and their defaults.
//
// Nothing here calls the host, so code outside the plug-in (a stand-in host,
// command-line tools) can link it on its own.
#pragma once

#include <cstdint>
#include <string_view>

#include "plugin/host/api/types.h"

// One slot: a 32-bit signed integer (counts, flags, popup entry ids) or an
// IEEE single-precision value, depending on the parameter.
union ParamSlot {
  int32_t i;
  float f;
};
static_assert(sizeof(ParamSlot) == 4, "a slot is 32 bits");

constexpr int32_t kParamSlotCount = 73;

// The whole record: the slots and nothing else, no header and no padding.
struct ParamBlock {
  ParamSlot slot[kParamSlotCount];
};
static_assert(sizeof(ParamBlock) == 292, "73 slots of 32 bits");

// Slot indices. A per-page parameter occupies three consecutive slots: the
// value for page p is slot (first slot + p).
constexpr int32_t kSlotPreview = 0;               // bool
constexpr int32_t kSlotSymbols = 1;               // int, per page
constexpr int32_t kSlotLayers = 4;                // int
constexpr int32_t kSlotFillMode = 5;              // FillMode
constexpr int32_t kSlotPage = 6;                  // SettingsPage
constexpr int32_t kSlotSymbolToSymbolScale = 7;   // float, percent, per page
constexpr int32_t kSlotSymbolToSymbolAngle = 10;  // float, degrees, per page
constexpr int32_t kSlotPulse = 13;                // int, per page
constexpr int32_t kSlotStartX = 16;               // float, points, per page
constexpr int32_t kSlotStartY = 19;               // float, points, per page
constexpr int32_t kSlotGapX = 22;                 // float, points, per page
constexpr int32_t kSlotGapY = 25;                 // float, points, per page
constexpr int32_t kSlotSetupScale = 28;           // float, percent, per page
constexpr int32_t kSlotSetupAngle = 31;           // float, degrees, per page
constexpr int32_t kSlotJitterX = 34;              // float, points, per page
constexpr int32_t kSlotJitterY = 37;              // float, points, per page
constexpr int32_t kSlotJitterScaleX = 40;         // float, percent, per page
constexpr int32_t kSlotJitterScaleY = 43;         // float, percent, per page
constexpr int32_t kSlotJitterAngle = 46;          // float, degrees, per page
constexpr int32_t kSlotRandomSymbols = 49;        // bool, per page
constexpr int32_t kSlotOrderedSymbols = 52;       // bool, per page
constexpr int32_t kSlotLinkProportional = 55;     // bool
constexpr int32_t kSlotRandomSymbolCount = 56;    // bool
constexpr int32_t kSlotBreakLink = 57;            // bool
constexpr int32_t kSlotPreset = 58;               // Preset
constexpr int32_t kSlotReserved = 59;             // int, always 0
constexpr int32_t kSlotRunFromGo = 60;            // bool, set by the go message
constexpr int32_t kSlotPreviewPresent = 61;       // bool, a preview's art is in the document
constexpr int32_t kSlotPluginRef = 62;            // the creating message's plug-in reference
constexpr int32_t kSlotDialogBounds = 68;         // int x4: left, top, right, bottom
constexpr int32_t kSlotDialogBoundsValid = 72;    // bool, slots 68 to 71 hold a rectangle

// The three settings pages of the dialog; the index of a per-page value.
enum class SettingsPage : int32_t {
  Headline = 0,     // base values and the step from slot to slot
  LayerFactor = 1,  // the change from one layer pass to the next
  BasicRow = 2,     // row count, row-to-row changes, per-pass offsets
};
constexpr int32_t kSettingsPageCount = 3;

// Which slots of a row receive an instance.
enum class FillMode : int32_t {
  All = 0,
  Random50 = 1,              // filled when a draw is above 0.5
  Random70To30 = 2,          // filled when a draw is above 0.7
  Random20To80 = 3,          // filled when a draw is above 0.2
  Alternate = 4,             // even slots
  AlternateLayers = 5,       // every slot in even passes, even slots in odd ones
  LayerSynced = 6,           // pass index plus slot index even
  SlotMatchesLayer = 7,      // the slot that the row counter names
  BounceBack = 8,            // that slot and its mirror from the end of the row
  ThirdSlot = 9,             // every third slot
  Random50UpToThree = 10,    // as Random50, at most three slots per row
};
constexpr int32_t kFillModeCount = 11;

enum class Preset : int32_t {
  BasicDefault = 0,
  ShrinkSymbols = 1,
  ShrinkSymbolsPulseReset = 2,
  JitterAngle = 3,
  JitterShift = 4,
  IncreasingHorizontalGap = 5,
  TotalReset = 6,
  ShrinkPerLayer = 7,
  RaisingUp = 8,
  RandomSymbols = 9,
  ShrinkPulsedAcrossLayers = 10,
  RotatedPulsedAcrossLayers = 11,
  Grid = 12,
  GridSlanted = 13,
  GridShrinkingPerRow = 14,
  TwoRows = 15,
  TwoRowsReflected = 16,
  BreakLink = 17,
};
constexpr int32_t kPresetCount = 18;

// Entry texts of the three popups, indexed by value (the entry id). The
// leading and trailing blanks are part of the texts.
extern const char* const kSettingsPageTexts[kSettingsPageCount];
extern const char* const kFillModeTexts[kFillModeCount];
extern const char* const kPresetTexts[kPresetCount];

// How a parameter's slots are read.
enum class ParamKind : uint8_t {
  Int,        // 32-bit signed integer
  Float,      // IEEE single precision
  Bool,       // 32-bit integer, written 0 or 1, on when non-zero
  EntryId,    // id of a popup entry; entryTexts lists the entries
  PluginRef,  // the plug-in reference (its low 32 bits on a 64-bit host)
};

// One named parameter of the record.
struct ParamInfo {
  const char* name;          // lower-case slot name, e.g. "gapX"
  int32_t firstSlot;
  int32_t slotCount;         // 3 for a per-page parameter, 4 for dialogBounds, else 1
  ParamKind kind;
  bool perPage;              // the value for page p is slot firstSlot + p
  bool writtenAtCreation;    // WriteParamDefaults writes it
  ParamSlot defaults[3];     // per slot of the parameter (only [0] when not per page)
  const char* const* entryTexts;  // EntryId parameters: the popup's entries
  int32_t entryCount;
};

constexpr int32_t kParamInfoCount = 30;
extern const ParamInfo kParamInfos[kParamInfoCount];

// The parameter with this exact (case-sensitive) name, or null.
const ParamInfo* FindParam(std::string_view name);

// The parameter that owns the slot, or null for a reserved slot.
const ParamInfo* FindParamOfSlot(int32_t slot);

// The slot of element `index` of the parameter (the page for a per-page
// parameter, the side for dialogBounds), or -1 when the index is outside
// the parameter.
int32_t ParamSlotIndex(const ParamInfo& info, int32_t index);

// Writes every default into a new block: every slot except 60 (runFromGo),
// 63 to 67 (reserved) and 68 to 71 (dialogBounds), which keep what the
// memory held. Slot 62 receives the plug-in reference.
void WriteParamDefaults(ParamBlock& block, PluginRef self);

// The value that slot 62 stores for a plug-in reference: on a host with
// 64-bit references, their low 32 bits.
int32_t PluginRefSlotValue(PluginRef self);

// Per-page access: the value of a per-page parameter with first slot `base`
// on page `page` (0, 1 or 2).
constexpr int32_t PageSlot(int32_t base, int32_t page) { return base + page; }
inline int32_t PageInt(const ParamBlock& block, int32_t base, int32_t page) {
  return block.slot[PageSlot(base, page)].i;
}
inline float PageFloat(const ParamBlock& block, int32_t base, int32_t page) {
  return block.slot[PageSlot(base, page)].f;
}
inline bool PageBool(const ParamBlock& block, int32_t base, int32_t page) {
  return block.slot[PageSlot(base, page)].i != 0;
}
inline void SetPageInt(ParamBlock& block, int32_t base, int32_t page, int32_t value) {
  block.slot[PageSlot(base, page)].i = value;
}
inline void SetPageFloat(ParamBlock& block, int32_t base, int32_t page, float value) {
  block.slot[PageSlot(base, page)].f = value;
}

// The page the dialog shows (slot 6), and the slot of a per-page parameter
// on that page. The page is read afresh on every call.
inline int32_t ShownPage(const ParamBlock& block) { return block.slot[kSlotPage].i; }
inline int32_t ShownPageSlot(const ParamBlock& block, int32_t base) {
  return PageSlot(base, ShownPage(block));
}
