// The progressions of scale, angle and translation from slot to slot, row
// to row and pass to pass, checked against their closed forms, and the
// single-precision running updates behind them.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>
#include <ostream>

#include <gtest/gtest.h>

#include "plugin/generator/generate_symbols.h"
#include "tests/support/fake_host.h"

namespace {

using fake_host::Decompose;
using fake_host::FakeHostTest;
using fake_host::Placement;

struct Setting {
  int32_t slot;
  ParamSlot value;
};
Setting IntAt(int32_t slot, int32_t value) { return {slot, ParamSlot{.i = value}}; }
Setting FloatAt(int32_t slot, float value) { return {slot, ParamSlot{.f = value}}; }

struct ProgressionCase {
  const char* name;
  std::vector<Setting> settings;  // on top of the defaults
};
void PrintTo(const ProgressionCase& c, std::ostream* out) { *out << c.name; }

// Closed forms, without jitter, for pass i, row j and slot k (sN is the
// percent of slot N as a factor, aN its degrees in radians):
//   scale = s7^k' * s8^i * s30^j * s28 * s29^i
//   angle = k' a10 + i a11 + j a33 + a31 + i a32
//   h = slot16 + i slot17 + j slot24 + k (slot22 + i slot23) + i slot18
//   v = slot19 + i slot20 + j slot27 + k (slot25 + i slot26) + i slot21
// where k' = k mod (P + 1) when the pass's pulse P = slot13 + i slot14 is 0
// or more, else k.
Placement Expected(const ParamBlock& b, int32_t i, int32_t j, int32_t k) {
  const auto f = [&](int32_t slot) { return static_cast<double>(b.slot[slot].f); };
  const auto percent = [&](int32_t slot) { return f(slot) / 100.0; };
  const auto radians = [&](int32_t slot) { return f(slot) * std::numbers::pi / 180.0; };
  const int32_t pulse = b.slot[13].i + i * b.slot[14].i;
  const int32_t kp = pulse >= 0 ? k % (pulse + 1) : k;

  Placement p;
  p.sx = std::pow(percent(7), kp) * std::pow(percent(8), i) * std::pow(percent(30), j) *
         percent(28) * std::pow(percent(29), i);
  p.sy = p.sx;
  p.angle = kp * radians(10) + i * radians(11) + j * radians(33) + radians(31) + i * radians(32);
  p.tx = f(16) + i * f(17) + j * f(24) + k * (f(22) + i * f(23)) + i * f(18);
  p.ty = f(19) + i * f(20) + j * f(27) + k * (f(25) + i * f(26)) + i * f(21);
  return p;
}

class ProgressionTest : public FakeHostTest,
                        public ::testing::WithParamInterface<ProgressionCase> {};

TEST_P(ProgressionTest, EveryInstanceFollowsTheClosedForms) {
  for (const Setting& setting : GetParam().settings) block.slot[setting.slot] = setting.value;

  ASSERT_EQ(GenerateSymbols(block), kNoError);

  size_t index = 0;
  const int32_t passes = block.slot[kSlotLayers].i + 1;
  const int32_t rows = block.slot[PageSlot(kSlotSymbols, 2)].i;
  for (int32_t i = 0; i < passes; ++i) {
    const int32_t slots = std::max(1, block.slot[1].i + i * block.slot[2].i);
    for (int32_t j = 0; j < rows; ++j) {
      for (int32_t k = 0; k < slots; ++k, ++index) {
        SCOPED_TRACE(testing::Message() << "pass " << i << " row " << j << " slot " << k);
        ASSERT_LT(index, host.instances.size());
        EXPECT_EQ(host.instances[index].layer, i);
        const Placement want = Expected(block, i, j, k);
        const Placement got = Decompose(host.instances[index].matrix);
        EXPECT_NEAR(got.sx, want.sx, 2e-5 * std::abs(want.sx));
        EXPECT_NEAR(got.sy, want.sy, 2e-5 * std::abs(want.sy));
        EXPECT_NEAR(std::remainder(got.angle - want.angle, 2 * std::numbers::pi), 0.0, 2e-5);
        EXPECT_NEAR(got.tx, want.tx, 2e-3);
        EXPECT_NEAR(got.ty, want.ty, 2e-3);
      }
    }
  }
  EXPECT_EQ(index, host.instances.size());
}

INSTANTIATE_TEST_SUITE_P(
    Configurations, ProgressionTest,
    ::testing::Values(
        ProgressionCase{"Defaults", {}},
        ProgressionCase{"ShrinkingSlots", {FloatAt(7, 90.0f), IntAt(1, 12)}},
        ProgressionCase{"PulseTwo", {FloatAt(7, 50.0f), FloatAt(10, 10.0f), IntAt(13, 2), IntAt(1, 8)}},
        ProgressionCase{"PulseZero", {FloatAt(7, 50.0f), FloatAt(10, 10.0f), IntAt(13, 0), IntAt(1, 5)}},
        // Pass 0 never restarts, pass 1 after every slot, pass 2 every two.
        ProgressionCase{"PulseAcrossLayers",
                        {FloatAt(7, 90.0f), FloatAt(10, -10.0f), IntAt(13, -1), IntAt(14, 1), IntAt(4, 3),
                         IntAt(1, 6)}},
        ProgressionCase{"SlantedGridShrinkingAndTurningPerRow",
                        {IntAt(3, 4), IntAt(1, 5), FloatAt(24, 10.0f), FloatAt(27, 20.0f),
                         FloatAt(30, 90.0f), FloatAt(33, 15.0f)}},
        ProgressionCase{"EveryPassValue",
                        {IntAt(4, 3),         IntAt(3, 2),          IntAt(1, 3),
                         IntAt(2, 2),         FloatAt(16, 50.0f),    FloatAt(17, 5.0f),
                         FloatAt(18, 7.0f),    FloatAt(19, -40.0f),   FloatAt(20, -3.0f),
                         FloatAt(21, 2.0f),    FloatAt(22, 15.0f),    FloatAt(23, 2.0f),
                         FloatAt(25, 1.5f),    FloatAt(26, 1.0f),     FloatAt(28, 80.0f),
                         FloatAt(29, 110.0f),  FloatAt(8, 95.0f),     FloatAt(31, 30.0f),
                         FloatAt(32, 10.0f),   FloatAt(11, 20.0f),    FloatAt(7, 97.0f),
                         FloatAt(10, 3.0f),    FloatAt(30, 105.0f),   FloatAt(33, -5.0f)}},
        ProgressionCase{"SlotCountFallsToOne", {IntAt(1, 3), IntAt(2, -2), IntAt(4, 2)}},
        // Page-2 values that the generator does not read.
        ProgressionCase{"UnreadBasicRowValues",
                        {FloatAt(9, 50.0f), FloatAt(12, 45.0f), IntAt(15, 1), FloatAt(36, 50.0f),
                         FloatAt(39, 50.0f), FloatAt(42, 50.0f), FloatAt(45, 50.0f), FloatAt(48, 50.0f),
                         IntAt(51, 1), IntAt(54, 1)}}),
    [](const ::testing::TestParamInfo<ProgressionCase>& info) { return info.param.name; });

// The running values are single-precision floats, updated step by step:
// 0.1 point added thirty times is not 3 points, and 90 % is 90 * 0.01f.
class RunningPrecisionTest : public FakeHostTest {};

TEST_F(RunningPrecisionTest, SlotPositionAddsTheStepInSinglePrecision) {
  block.slot[kSlotSymbols].i = 30;
  block.slot[kSlotGapX].f = 0.1f;

  ASSERT_EQ(GenerateSymbols(block), kNoError);

  ASSERT_EQ(host.instances.size(), 30u);
  float position = 100.0f;
  for (size_t k = 0; k < 30; ++k) {
    EXPECT_EQ(host.instances[k].matrix.tx, position) << "slot " << k;
    position = position + 0.1f;
  }
}

TEST_F(RunningPrecisionTest, SlotScaleMultipliesInSinglePrecision) {
  block.slot[kSlotSymbols].i = 30;
  block.slot[kSlotSymbolToSymbolScale].f = 90.0f;

  ASSERT_EQ(GenerateSymbols(block), kNoError);

  ASSERT_EQ(host.instances.size(), 30u);
  float scale = 1.0f;
  for (size_t k = 0; k < 30; ++k) {
    EXPECT_EQ(host.instances[k].matrix.a, scale) << "slot " << k;
    scale = scale * (90.0f * 0.01f);
  }
}

TEST_F(RunningPrecisionTest, PercentIsTimesOneHundredthInSinglePrecision) {
  block.slot[kSlotSymbols].i = 1;
  block.slot[kSlotSetupScale].f = 23.0f;

  ASSERT_EQ(GenerateSymbols(block), kNoError);

  ASSERT_EQ(host.instances.size(), 1u);
  // 23 * 0.01f is one step below the float nearest to 0.23.
  EXPECT_EQ(host.instances[0].matrix.a, 23.0f * 0.01f);
  EXPECT_NE(host.instances[0].matrix.a, 0.23f);
}

}  // namespace
