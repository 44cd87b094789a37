// The fill modes: which slots of each row receive an instance.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>
#include <ostream>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "plugin/generator/generate_symbols.h"
#include "tests/support/fake_host.h"
#include "tests/support/case_name.h"

namespace {

using fake_host::FakeHost;
using fake_host::FakeHostTest;
using fake_host::Instance;
using fake_host::Op;

using Rows = std::vector<std::vector<int>>;  // filled slots of each row, pass by pass

// Slot k of row j sits at (100 + 20 k, 100 + 20 j) with the defaults.
Rows FilledSlots(const FakeHost& host, int passes, int rows) {
  Rows filled(static_cast<size_t>(passes * rows));
  for (const Instance& instance : host.instances) {
    const int k = static_cast<int>(std::lround((instance.matrix.tx - 100.0f) / 20.0f));
    const int j = static_cast<int>(std::lround((instance.matrix.ty - 100.0f) / 20.0f));
    filled.at(static_cast<size_t>(instance.layer * rows + j)).push_back(k);
  }
  return filled;
}

struct PatternCase {
  const char* name;
  int32_t mode;
  int32_t slots;      // slots per row in pass 0
  int32_t slotsStep;  // added after every pass
  int32_t layers;
  int32_t rows;
  Rows expected;
};
void PrintTo(const PatternCase& c, std::ostream* out) { *out << c.name; }

class FillPatternTest : public FakeHostTest, public ::testing::WithParamInterface<PatternCase> {};

TEST_P(FillPatternTest, FillsTheModesSlots) {
  const PatternCase& c = GetParam();
  block.slot[kSlotFillMode].i = c.mode;
  block.slot[PageSlot(kSlotSymbols, 0)].i = c.slots;
  block.slot[PageSlot(kSlotSymbols, 1)].i = c.slotsStep;
  block.slot[PageSlot(kSlotSymbols, 2)].i = c.rows;
  block.slot[kSlotLayers].i = c.layers;

  ASSERT_EQ(GenerateSymbols(block), kNoError);

  EXPECT_EQ(FilledSlots(host, c.layers + 1, c.rows), c.expected);
  // The deterministic modes take no draw of their own.
  int32_t slotsMade = 0;
  for (int32_t pass = 0; pass <= c.layers; ++pass) {
    slotsMade += std::max(1, c.slots + pass * c.slotsStep) * c.rows;
  }
  EXPECT_EQ(host.Count(Op::FloatRnd),
            6 * slotsMade + 4 * static_cast<int>(host.instances.size()));
}

const Rows kAllOfFour = {{0, 1, 2, 3}};

INSTANTIATE_TEST_SUITE_P(
    Modes, FillPatternTest,
    ::testing::Values(
        PatternCase{"All", 0, 4, 0, 0, 1, kAllOfFour},
        PatternCase{"AlternateOfFive", 4, 5, 0, 0, 1, {{0, 2, 4}}},
        PatternCase{"AlternateLayers", 5, 5, 0, 2, 1,
                    {{0, 1, 2, 3, 4}, {0, 2, 4}, {0, 1, 2, 3, 4}}},
        PatternCase{"LayerSynced", 6, 6, 0, 2, 1, {{0, 2, 4}, {1, 3, 5}, {0, 2, 4}}},
        PatternCase{"SlotMatchesLayer", 7, 4, 0, 5, 1, {{0}, {1}, {2}, {3}, {0}, {1}}},
        // The row counter carries over from pass to pass.
        PatternCase{"SlotMatchesLayerTwoRows", 7, 3, 0, 1, 2, {{0}, {1}, {2}, {0}}},
        PatternCase{"BounceBack", 8, 5, 0, 3, 1, {{0, 4}, {1, 3}, {2}, {1, 3}}},
        PatternCase{"ThirdSlotOfTen", 9, 10, 0, 0, 1, {{0, 3, 6, 9}}},
        // The pass shrinks below the row counter: its first row is empty.
        PatternCase{"SlotMatchesLayerShrinking", 7, 6, -4, 1, 3,
                    {{0}, {1}, {2}, {}, {0}, {1}}},
        PatternCase{"BounceBackShrinking", 8, 6, -4, 1, 3,
                    {{0, 5}, {1, 4}, {2, 3}, {}, {0, 1}, {0, 1}}},
        PatternCase{"ModeElevenFillsAll", 11, 4, 0, 0, 1, kAllOfFour},
        PatternCase{"ModeMinusOneFillsAll", -1, 4, 0, 0, 1, kAllOfFour},
        PatternCase{"LowestModeFillsAll", std::numeric_limits<int32_t>::min(), 4, 0, 0, 1,
                    kAllOfFour}),
    [](const ::testing::TestParamInfo<PatternCase>& info) { return info.param.name; });

// The random modes compare one draw, in double precision and strictly, with
// their threshold. As a float, 0.2f lies above 0.2 and 0.7f below 0.7.
struct ThresholdCase {
  int32_t mode;
  float draw;
  bool filled;
};
void PrintTo(const ThresholdCase& c, std::ostream* out) {
  *out << "mode " << c.mode << ", draw " << c.draw;
}

class FillThresholdTest : public FakeHostTest,
                          public ::testing::WithParamInterface<ThresholdCase> {};

TEST_P(FillThresholdTest, FillsOnlyAboveTheThreshold) {
  const ThresholdCase& c = GetParam();
  block.slot[kSlotFillMode].i = c.mode;
  block.slot[kSlotSymbols].i = 1;
  host.ScriptDraws({0.25f, 0.25f, 0.25f, 0.25f, 0.25f, 0.25f, c.draw});

  ASSERT_EQ(GenerateSymbols(block), kNoError);

  EXPECT_EQ(host.instances.size(), c.filled ? 1u : 0u);
  EXPECT_EQ(host.Count(Op::FloatRnd), 7 + (c.filled ? 4 : 0));
}

float Above(float value) { return std::nextafter(value, 1.0f); }
float Below(float value) { return std::nextafter(value, 0.0f); }

INSTANTIATE_TEST_SUITE_P(
    Draws, FillThresholdTest,
    ::testing::Values(ThresholdCase{1, 0.5f, false}, ThresholdCase{1, Above(0.5f), true},
                      ThresholdCase{1, Below(0.5f), false}, ThresholdCase{1, 0.0f, false},
                      ThresholdCase{1, 0.99f, true},
                      ThresholdCase{2, 0.7f, false}, ThresholdCase{2, Above(0.7f), true},
                      ThresholdCase{2, 0.5f, false},
                      ThresholdCase{3, 0.2f, true}, ThresholdCase{3, Below(0.2f), false},
                      ThresholdCase{3, 0.1f, false},
                      ThresholdCase{10, 0.5f, false}, ThresholdCase{10, Above(0.5f), true}),
    test::PrintedName());

class FillUpToThreeTest : public FakeHostTest {
 protected:
  void SetUp() override {
    FakeHostTest::SetUp();
    block.slot[kSlotFillMode].i = static_cast<int32_t>(FillMode::Random50UpToThree);
    block.slot[kSlotSymbols].i = 6;
    host.defaultDraw = 0.9f;  // every fill test passes
  }
};

TEST_F(FillUpToThreeTest, ChoosesAtMostThreeSlotsPerRowAndStopsDrawing) {
  block.slot[PageSlot(kSlotSymbols, 2)].i = 2;

  ASSERT_EQ(GenerateSymbols(block), kNoError);

  EXPECT_EQ(FilledSlots(host, 1, 2), (Rows{{0, 1, 2}, {0, 1, 2}}));
  // Per row: six draws for each slot, three fill draws and four placement
  // draws for each of the three instances.
  EXPECT_EQ(host.Count(Op::FloatRnd), 2 * (6 * 6 + 3 + 3 * 4));
}

TEST_F(FillUpToThreeTest, SlotWhoseInstanceFailedStillCounts) {
  host.failingInstanceCalls = {0};

  ASSERT_EQ(GenerateSymbols(block), kNoError);

  EXPECT_EQ(FilledSlots(host, 1, 1), (Rows{{1, 2}}));
  EXPECT_EQ(host.Count(Op::FloatRnd), 6 * 6 + 3 + 2 * 4);
}

TEST_F(FillUpToThreeTest, EmptySlotsDoNotCount) {
  // Slot scale, angle and placement draws are 0.25; the fill draws of slots
  // 0 to 4 alternate, and slot 5, after three chosen slots, draws none.
  std::vector<float> draws;
  for (const float fill : {0.3f, 0.9f, 0.3f, 0.9f, 0.9f}) {
    draws.insert(draws.end(), 6, 0.25f);
    draws.push_back(fill);
    if (fill > 0.5f) draws.insert(draws.end(), 4, 0.25f);
  }
  draws.insert(draws.end(), 6, 0.25f);
  host.ScriptDraws(draws);

  ASSERT_EQ(GenerateSymbols(block), kNoError);

  EXPECT_EQ(FilledSlots(host, 1, 1), (Rows{{1, 3, 4}}));
  EXPECT_EQ(host.Count(Op::FloatRnd), static_cast<int>(draws.size()));
}

}  // namespace
