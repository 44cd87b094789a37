// Making and placing one instance: scale pair, angle and translation with
// their random jitter, the order of the transformations, and break link.
#include <cmath>
#include <numbers>
#include <vector>
#include <ostream>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "plugin/generator/generate_symbols.h"
#include "tests/support/fake_host.h"

namespace {

using fake_host::Decompose;
using fake_host::FakeHostTest;
using fake_host::Instance;
using fake_host::Op;
using fake_host::Placement;
using ::testing::IsEmpty;

constexpr double kPi = std::numbers::pi;

// One instance at (100, 100) with the base scale 1, and every jitter set:
// horizontal and vertical scale 20 % and 40 %, angle 90 degrees, position
// 40 and 10 points.
class PlacementTest : public FakeHostTest {
 protected:
  void SetUp() override {
    FakeHostTest::SetUp();
    block.slot[kSlotSymbols].i = 1;
    block.slot[kSlotLinkProportional].i = 0;
    block.slot[kSlotJitterScaleX].f = 20.0f;
    block.slot[kSlotJitterScaleY].f = 40.0f;
    block.slot[kSlotJitterAngle].f = 90.0f;
    block.slot[kSlotJitterX].f = 40.0f;
    block.slot[kSlotJitterY].f = 10.0f;
  }
};

struct JitterCase {
  const char* name;
  bool link;
  // r1 to r6 of the slot's scale and angle, then q1 to q4 of the placement.
  std::vector<float> draws;
  Placement expected;
};
void PrintTo(const JitterCase& c, std::ostream* out) { *out << c.name; }

class JitterTest : public PlacementTest, public ::testing::WithParamInterface<JitterCase> {};

TEST_P(JitterTest, EachDrawGivesItsSignOrAmount) {
  const JitterCase& c = GetParam();
  block.slot[kSlotLinkProportional].i = c.link ? 1 : 0;
  host.ScriptDraws(c.draws);

  ASSERT_EQ(GenerateSymbols(block), kNoError);

  ASSERT_EQ(host.instances.size(), 1u);
  const Placement got = Decompose(host.instances[0].matrix);
  EXPECT_NEAR(got.sx, c.expected.sx, 1e-6);
  EXPECT_NEAR(got.sy, c.expected.sy, 1e-6);
  EXPECT_NEAR(got.angle, c.expected.angle, 1e-6);
  EXPECT_NEAR(got.tx, c.expected.tx, 1e-4);
  EXPECT_NEAR(got.ty, c.expected.ty, 1e-4);
  // The vertical scale draws are made with the link on too.
  EXPECT_EQ(host.Count(Op::FloatRnd), 10);
}

// Signs: a draw above 0.5 gives -1, a draw of exactly 0.5 gives +1.
// sx = r2 * 0.2 * sign(r1) + 1, sy = r4 * 0.4 * sign(r3) + 1,
// angle = r6 * pi/2 * sign(r5), ty = q3 * 10 * sign(q1) + 100,
// tx = q4 * 40 * sign(q2) + 100.
INSTANTIATE_TEST_SUITE_P(
    Draws, JitterTest,
    ::testing::Values(
        JitterCase{"HalfGivesPlus",
                   false,
                   {0.5f, 0.5f, 0.75f, 0.5f, 0.50000006f, 0.5f, 0.6f, 0.5f, 0.5f, 0.25f},
                   {1.1, 0.8, -kPi / 4, 110.0, 95.0}},
        JitterCase{"SignsSwapped",
                   false,
                   {0.9f, 0.25f, 0.1f, 0.25f, 0.0f, 0.5f, 0.5f, 0.9f, 0.5f, 0.5f},
                   {0.95, 1.1, kPi / 4, 80.0, 105.0}},
        JitterCase{"LinkedScaleFollowsTheHorizontal",
                   true,
                   {0.5f, 0.5f, 0.75f, 0.5f, 0.50000006f, 0.5f, 0.6f, 0.5f, 0.5f, 0.25f},
                   {1.1, 1.1, -kPi / 4, 110.0, 95.0}},
        JitterCase{"ZeroDrawsAddNothing",
                   false,
                   {0.9f, 0.0f, 0.9f, 0.0f, 0.9f, 0.0f, 0.9f, 0.9f, 0.0f, 0.0f},
                   {1.0, 1.0, 0.0, 100.0, 100.0}}),
    [](const ::testing::TestParamInfo<JitterCase>& info) { return info.param.name; });

// Scale first, then rotation, then the move: the instance is stretched
// along its own axes before it is turned, and the move is not scaled.
TEST_F(PlacementTest, StretchesAlongItsOwnAxesThenTurnsThenMoves) {
  block.slot[kSlotJitterScaleX].f = 0.0f;
  block.slot[kSlotJitterAngle].f = 0.0f;
  block.slot[kSlotJitterX].f = 0.0f;
  block.slot[kSlotJitterY].f = 0.0f;
  block.slot[kSlotSetupScale].f = 200.0f;
  block.slot[kSlotSetupAngle].f = 30.0f;
  // A vertical scale of its own comes from the vertical jitter: r3 above
  // 0.5 and r4 = 0.5 make it 2 - 0.5 * 1 = 1.5.
  block.slot[kSlotJitterScaleY].f = 100.0f;
  host.ScriptDraws({0.1f, 0.1f, 0.9f, 0.5f, 0.1f, 0.1f});

  ASSERT_EQ(GenerateSymbols(block), kNoError);

  ASSERT_EQ(host.instances.size(), 1u);
  const RealMatrix& m = host.instances[0].matrix;
  const double angle = kPi / 6;
  EXPECT_NEAR(m.a, 2.0 * std::cos(angle), 1e-5);
  EXPECT_NEAR(m.b, 2.0 * std::sin(angle), 1e-5);
  EXPECT_NEAR(m.c, -1.5 * std::sin(angle), 1e-5);
  EXPECT_NEAR(m.d, 1.5 * std::cos(angle), 1e-5);
  EXPECT_FLOAT_EQ(m.tx, 100.0f);
  EXPECT_FLOAT_EQ(m.ty, 100.0f);
}

TEST_F(PlacementTest, ScaleAtOrBelowZeroGoesToTheHostUnchanged) {
  for (const float percent : {-50.0f, 0.0f}) {
    SCOPED_TRACE(percent);
    block.slot[kSlotJitterScaleX].f = 0.0f;
    block.slot[kSlotJitterScaleY].f = 0.0f;
    block.slot[kSlotJitterAngle].f = 0.0f;
    block.slot[kSlotSetupScale].f = percent;

    ASSERT_EQ(GenerateSymbols(block), kNoError);

    ASSERT_EQ(host.instances.size(), 1u);
    EXPECT_FLOAT_EQ(host.instances[0].matrix.a, percent * 0.01f);
    EXPECT_FLOAT_EQ(host.instances[0].matrix.d, percent * 0.01f);
  }
}

TEST_F(PlacementTest, BreakLinkLeavesPlainArtAndNoInstance) {
  block.slot[kSlotBreakLink].i = 1;
  block.slot[kSlotSymbols].i = 3;
  block.slot[kSlotLayers].i = 1;

  ASSERT_EQ(GenerateSymbols(block), kNoError);

  EXPECT_THAT(host.LiveInstances(), IsEmpty());
  EXPECT_EQ(host.plainArt, 6);
  ASSERT_EQ(host.instances.size(), 6u);
  for (const Instance& instance : host.instances) {
    // Broken after its transform was set, then disposed of.
    EXPECT_TRUE(instance.transformSet);
    EXPECT_TRUE(instance.broken);
    EXPECT_TRUE(instance.disposed);
  }
}

TEST_F(PlacementTest, InstanceIsDisposedEvenWhenTheBreakFails) {
  block.slot[kSlotBreakLink].i = 1;
  block.slot[kSlotSymbols].i = 2;
  host.breakLinkStatus = MakeCode("BRK!");

  ASSERT_EQ(GenerateSymbols(block), kNoError);

  EXPECT_THAT(host.LiveInstances(), IsEmpty());
  EXPECT_EQ(host.plainArt, 0);
  EXPECT_EQ(host.Count(Op::DisposeArt), 2);
}

TEST_F(PlacementTest, InstancesStayWithoutBreakLink) {
  block.slot[kSlotSymbols].i = 3;
  ASSERT_EQ(GenerateSymbols(block), kNoError);
  EXPECT_EQ(host.LiveInstances().size(), 3u);
  EXPECT_EQ(host.Count(Op::BreakLinkToSymbol), 0);
  EXPECT_EQ(host.Count(Op::DisposeArt), 0);
}

}  // namespace
