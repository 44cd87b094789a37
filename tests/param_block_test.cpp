// The parameter record: its defaults, the named-parameter table, per-page
// access and the popups' entry texts.
#include <cstdint>
#include <cstring>
#include <set>
#include <string>
#include <string_view>
#include <ostream>

#include <gtest/gtest.h>

#include "plugin/params/param_block.h"

namespace {

constexpr uint32_t kGarbage = 0xA5A5A5A5u;

uint32_t Bits(const ParamSlot& slot) {
  uint32_t bits;
  std::memcpy(&bits, &slot, sizeof bits);
  return bits;
}

ParamBlock GarbageBlock() {
  ParamBlock block;
  std::memset(&block, 0xA5, sizeof block);
  return block;
}

// Every slot of a new record, as the slot table gives it: integers and
// flags first, then floats; the rest keep the memory's content.
TEST(ParamDefaultsTest, NewBlockHoldsExactlyTheDefaults) {
  ParamBlock block = GarbageBlock();
  WriteParamDefaults(block, reinterpret_cast<PluginRef>(uintptr_t{0x1234}));

  const std::pair<int32_t, int32_t> ints[] = {
      {0, 1},   {1, 10},  {2, 0},  {3, 1},  {4, 0},  {5, 0},  {6, 0},  {13, -1}, {14, 0},
      {15, 0},  {49, 0},  {50, 0}, {51, 0}, {52, 1}, {53, 0}, {54, 0}, {55, 1},  {56, 0},
      {57, 0},  {58, 0},  {59, 0}, {61, 0}, {62, 0x1234}, {72, 0}};
  const std::pair<int32_t, float> floats[] = {
      {7, 100.0f},  {8, 100.0f},  {9, 100.0f},  {10, 0.0f},   {11, 0.0f},  {12, 0.0f},
      {16, 100.0f}, {17, 0.0f},   {18, 0.0f},   {19, 100.0f}, {20, 0.0f},  {21, 0.0f},
      {22, 20.0f},  {23, 0.0f},   {24, 0.0f},   {25, 0.0f},   {26, 0.0f},  {27, 20.0f},
      {28, 100.0f}, {29, 100.0f}, {30, 100.0f}, {31, 0.0f},   {32, 0.0f},  {33, 0.0f},
      {34, 0.0f},   {35, 0.0f},   {36, 0.0f},   {37, 0.0f},   {38, 0.0f},  {39, 0.0f},
      {40, 0.0f},   {41, 0.0f},   {42, 0.0f},   {43, 0.0f},   {44, 0.0f},  {45, 0.0f},
      {46, 0.0f},   {47, 0.0f},   {48, 0.0f}};

  std::set<int32_t> written;
  for (const auto& [slot, value] : ints) {
    EXPECT_EQ(block.slot[slot].i, value) << "slot " << slot;
    written.insert(slot);
  }
  for (const auto& [slot, value] : floats) {
    EXPECT_EQ(block.slot[slot].f, value) << "slot " << slot;
    written.insert(slot);
  }
  for (int32_t slot = 0; slot < kParamSlotCount; ++slot) {
    if (written.count(slot) == 0) {
      EXPECT_EQ(Bits(block.slot[slot]), kGarbage) << "slot " << slot << " was written";
    }
  }
  // Untouched: runFromGo, the reserved slots 63 to 67 and the rectangle.
  EXPECT_EQ(written.size() + 1 + 5 + 4, static_cast<size_t>(kParamSlotCount));
}

TEST(ParamDefaultsTest, PulseDefaultIsTheIntegerMinusOne) {
  ParamBlock block = GarbageBlock();
  WriteParamDefaults(block, nullptr);
  EXPECT_EQ(Bits(block.slot[kSlotPulse]), 0xFFFFFFFFu);
  EXPECT_EQ(Bits(block.slot[kSlotGapX]), 0x41A00000u);  // 20.0f
}

TEST(ParamDefaultsTest, PluginReferenceKeepsItsLow32Bits) {
  ParamBlock block = GarbageBlock();
  const uintptr_t ref = sizeof(uintptr_t) > 4 ? static_cast<uintptr_t>(0x7ff012345678ull)
                                              : static_cast<uintptr_t>(0x12345678u);
  WriteParamDefaults(block, reinterpret_cast<PluginRef>(ref));
  EXPECT_EQ(block.slot[kSlotPluginRef].i, 0x12345678);
  EXPECT_EQ(PluginRefSlotValue(reinterpret_cast<PluginRef>(uintptr_t{0xF0000001u})),
            static_cast<int32_t>(0xF0000001u));
}

// ---- The named-parameter table ----

struct NamedCase {
  const char* name;
  int32_t firstSlot;
  bool perPage;
  ParamKind kind;
};
void PrintTo(const NamedCase& c, std::ostream* out) { *out << c.name; }

class ParamTableTest : public ::testing::TestWithParam<NamedCase> {};

TEST_P(ParamTableTest, FindsTheParameterByName) {
  const NamedCase& c = GetParam();
  const ParamInfo* info = FindParam(c.name);
  ASSERT_NE(info, nullptr);
  EXPECT_STREQ(info->name, c.name);
  EXPECT_EQ(info->firstSlot, c.firstSlot);
  EXPECT_EQ(info->perPage, c.perPage);
  EXPECT_EQ(info->kind, c.kind);
  EXPECT_EQ(info->slotCount, c.perPage ? 3 : (c.firstSlot == kSlotDialogBounds ? 4 : 1));
}

INSTANTIATE_TEST_SUITE_P(
    Names, ParamTableTest,
    ::testing::Values(NamedCase{"preview", 0, false, ParamKind::Bool},
                      NamedCase{"symbols", 1, true, ParamKind::Int},
                      NamedCase{"layers", 4, false, ParamKind::Int},
                      NamedCase{"fillMode", 5, false, ParamKind::EntryId},
                      NamedCase{"page", 6, false, ParamKind::EntryId},
                      NamedCase{"symbolToSymbolScale", 7, true, ParamKind::Float},
                      NamedCase{"symbolToSymbolAngle", 10, true, ParamKind::Float},
                      NamedCase{"pulse", 13, true, ParamKind::Int},
                      NamedCase{"startX", 16, true, ParamKind::Float},
                      NamedCase{"startY", 19, true, ParamKind::Float},
                      NamedCase{"gapX", 22, true, ParamKind::Float},
                      NamedCase{"gapY", 25, true, ParamKind::Float},
                      NamedCase{"setupScale", 28, true, ParamKind::Float},
                      NamedCase{"setupAngle", 31, true, ParamKind::Float},
                      NamedCase{"jitterX", 34, true, ParamKind::Float},
                      NamedCase{"jitterY", 37, true, ParamKind::Float},
                      NamedCase{"jitterScaleX", 40, true, ParamKind::Float},
                      NamedCase{"jitterScaleY", 43, true, ParamKind::Float},
                      NamedCase{"jitterAngle", 46, true, ParamKind::Float},
                      NamedCase{"randomSymbols", 49, true, ParamKind::Bool},
                      NamedCase{"orderedSymbols", 52, true, ParamKind::Bool},
                      NamedCase{"linkProportional", 55, false, ParamKind::Bool},
                      NamedCase{"randomSymbolCount", 56, false, ParamKind::Bool},
                      NamedCase{"breakLink", 57, false, ParamKind::Bool},
                      NamedCase{"preset", 58, false, ParamKind::EntryId},
                      NamedCase{"runFromGo", 60, false, ParamKind::Bool},
                      NamedCase{"previewPresent", 61, false, ParamKind::Bool},
                      NamedCase{"pluginRef", 62, false, ParamKind::PluginRef},
                      NamedCase{"dialogBounds", 68, false, ParamKind::Int},
                      NamedCase{"dialogBoundsValid", 72, false, ParamKind::Bool}),
    [](const ::testing::TestParamInfo<NamedCase>& info) { return std::string(info.param.name); });

TEST(ParamTableLookupTest, UnknownNamesAreNotFound) {
  for (const char* name : {"", "gapx", "GapX", "gapX@2", "gap", "reserved", "symbols "}) {
    EXPECT_EQ(FindParam(name), nullptr) << '"' << name << '"';
  }
}

// Every slot belongs to at most one parameter, and only the reserved slots
// to none.
TEST(ParamTableLookupTest, SlotsAreCoveredOnceExceptTheReservedOnes) {
  int owners[kParamSlotCount] = {};
  std::set<std::string_view> names;
  for (const ParamInfo& info : kParamInfos) {
    EXPECT_TRUE(names.insert(info.name).second) << "duplicate " << info.name;
    for (int32_t index = 0; index < info.slotCount; ++index) ++owners[info.firstSlot + index];
  }
  for (int32_t slot = 0; slot < kParamSlotCount; ++slot) {
    const bool reserved = slot == kSlotReserved || (slot >= 63 && slot <= 67);
    EXPECT_EQ(owners[slot], reserved ? 0 : 1) << "slot " << slot;
    const ParamInfo* owner = FindParamOfSlot(slot);
    if (reserved) {
      EXPECT_EQ(owner, nullptr) << "slot " << slot;
    } else {
      ASSERT_NE(owner, nullptr) << "slot " << slot;
      EXPECT_GE(slot, owner->firstSlot);
      EXPECT_LT(slot, owner->firstSlot + owner->slotCount);
    }
  }
}

TEST(ParamTableLookupTest, ElementIndexGivesThePageOrSideSlot) {
  struct Case {
    const char* name;
    int32_t index;
    int32_t slot;
  };
  const Case cases[] = {{"gapX", 2, 24},        {"symbols", 0, 1},     {"symbols", 2, 3},
                        {"pulse", 1, 14},       {"gapX", 3, -1},       {"gapX", -1, -1},
                        {"preview", 0, 0},      {"preview", 1, -1},    {"dialogBounds", 3, 71},
                        {"dialogBounds", 4, -1}};
  for (const Case& c : cases) {
    const ParamInfo* info = FindParam(c.name);
    ASSERT_NE(info, nullptr) << c.name;
    EXPECT_EQ(ParamSlotIndex(*info, c.index), c.slot) << c.name << "@" << c.index;
  }
}

TEST(ParamTableLookupTest, PopupsListTheirEntries) {
  EXPECT_EQ(FindParam("fillMode")->entryTexts, kFillModeTexts);
  EXPECT_EQ(FindParam("fillMode")->entryCount, kFillModeCount);
  EXPECT_EQ(FindParam("page")->entryTexts, kSettingsPageTexts);
  EXPECT_EQ(FindParam("page")->entryCount, kSettingsPageCount);
  EXPECT_EQ(FindParam("preset")->entryTexts, kPresetTexts);
  EXPECT_EQ(FindParam("preset")->entryCount, kPresetCount);
}

// ---- Per-page access ----

TEST(ParamPageTest, ShownPageAddressesOnlyItsOwnSlot) {
  ParamBlock block = GarbageBlock();
  WriteParamDefaults(block, nullptr);
  block.slot[kSlotPage].i = static_cast<int32_t>(SettingsPage::BasicRow);

  EXPECT_EQ(ShownPageSlot(block, kSlotSymbols), 3);
  block.slot[ShownPageSlot(block, kSlotSymbols)].i = 7;
  EXPECT_EQ(PageInt(block, kSlotSymbols, 0), 10);
  EXPECT_EQ(PageInt(block, kSlotSymbols, 1), 0);
  EXPECT_EQ(PageInt(block, kSlotSymbols, 2), 7);

  SetPageFloat(block, kSlotGapY, 1, 4.5f);
  EXPECT_EQ(PageFloat(block, kSlotGapY, 0), 0.0f);
  EXPECT_EQ(PageFloat(block, kSlotGapY, 1), 4.5f);
  EXPECT_EQ(PageFloat(block, kSlotGapY, 2), 20.0f);
  EXPECT_TRUE(PageBool(block, kSlotOrderedSymbols, 0));
  EXPECT_FALSE(PageBool(block, kSlotOrderedSymbols, 1));
}

// ---- Entry texts ----

TEST(ParamEntryTextTest, EveryTextStartsWithOneBlank) {
  struct List {
    const char* const* texts;
    int32_t count;
  };
  for (const List& list : {List{kSettingsPageTexts, kSettingsPageCount},
                           List{kFillModeTexts, kFillModeCount},
                           List{kPresetTexts, kPresetCount}}) {
    for (int32_t index = 0; index < list.count; ++index) {
      const std::string_view text = list.texts[index];
      ASSERT_GE(text.size(), 3u);
      EXPECT_EQ(text[0], ' ') << '"' << text << '"';
      EXPECT_NE(text[1], ' ') << '"' << text << '"';
      EXPECT_NE(text.substr(text.size() - 2), "  ") << '"' << text << '"';
    }
  }
}

// Texts with and without a trailing blank, exactly as the popups show them.
TEST(ParamEntryTextTest, TextsKeepTheirTrailingBlanks) {
  struct Case {
    const char* const* texts;
    int32_t value;
    const char* text;
  };
  const Case cases[] = {
      {kSettingsPageTexts, 0, " Headline settings"},
      {kSettingsPageTexts, 1, " Layer factor settings "},
      {kSettingsPageTexts, 2, " Basic row settings "},
      {kFillModeTexts, 0, " Fill all slots"},
      {kFillModeTexts, 1, " Fill slots random 50-50 "},
      {kFillModeTexts, 5, " Fill alternate slots (alternate layers) "},
      {kFillModeTexts, 6, " Fill alternate slots (layer sync-ed)"},
      {kFillModeTexts, 10, " Fill slots random 50-50 (up to max 3 symbols) "},
      {kPresetTexts, 0, " Basic Default settings"},
      {kPresetTexts, 1, " Shrink symbols (from left to right) "},
      {kPresetTexts, 2, " Shrink Symbols (with pulse reset)"},
      {kPresetTexts, 3, " Jitter angle between -90 and 90 "},
      {kPresetTexts, 6, " Total Reset"},
      {kPresetTexts, 16, " Two rows/reflected"},
      {kPresetTexts, 17, " Break link with symbols"},
  };
  for (const Case& c : cases) EXPECT_STREQ(c.texts[c.value], c.text);
}

}  // namespace
