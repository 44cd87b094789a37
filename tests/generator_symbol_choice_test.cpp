// Which symbol each instance is made of: the palette's current symbol, or
// a symbol of the document chosen in order or at random, per pass and per
// slot.
#include <cstdint>
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
using fake_host::kPaletteOnlySymbol;
using fake_host::Op;
using ::testing::Each;
using ::testing::ElementsAreArray;

std::vector<int32_t> SymbolsMade(const FakeHost& host) {
  std::vector<int32_t> symbols;
  for (const Instance& instance : host.instances) symbols.push_back(instance.symbol);
  return symbols;
}

// The options of both levels, all off; each test turns on what it needs.
class SymbolChoiceTest : public FakeHostTest {
 protected:
  void SetUp() override {
    FakeHostTest::SetUp();
    for (const int32_t page : {0, 1}) {
      SetPageInt(block, kSlotRandomSymbols, page, 0);
      SetPageInt(block, kSlotOrderedSymbols, page, 0);
    }
  }

  void Shape(int32_t symbols, int32_t slots, int32_t rows, int32_t layers) {
    host.symbolCount = symbols;
    block.slot[PageSlot(kSlotSymbols, 0)].i = slots;
    block.slot[PageSlot(kSlotSymbols, 2)].i = rows;
    block.slot[kSlotLayers].i = layers;
  }
};

TEST_F(SymbolChoiceTest, WithoutOptionsEveryInstanceUsesThePaletteSymbol) {
  Shape(5, 3, 2, 1);
  ASSERT_EQ(GenerateSymbols(block), kNoError);
  EXPECT_EQ(host.instances.size(), 12u);
  EXPECT_THAT(SymbolsMade(host), Each(kPaletteOnlySymbol));
  EXPECT_EQ(host.Count(Op::CountSymbolPatterns), 0);
}

struct OrderCase {
  const char* name;
  int32_t symbols, slots, rows, layers;
  bool perSlot, perPass;
  std::vector<int32_t> expected;
};
void PrintTo(const OrderCase& c, std::ostream* out) { *out << c.name; }

class OrderedChoiceTest : public SymbolChoiceTest,
                          public ::testing::WithParamInterface<OrderCase> {};

TEST_P(OrderedChoiceTest, TakesSymbolsInDocumentOrder) {
  const OrderCase& c = GetParam();
  Shape(c.symbols, c.slots, c.rows, c.layers);
  SetPageInt(block, kSlotOrderedSymbols, 0, c.perSlot ? 1 : 0);
  SetPageInt(block, kSlotOrderedSymbols, 1, c.perPass ? 1 : 0);

  ASSERT_EQ(GenerateSymbols(block), kNoError);

  EXPECT_THAT(SymbolsMade(host), ElementsAreArray(c.expected));
  EXPECT_EQ(host.Count(Op::FloatRnd), 10 * static_cast<int>(c.expected.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OrderedChoiceTest,
    ::testing::Values(
        // The counter runs on across the rows of a pass.
        OrderCase{"PerSlotFiveSymbolsThreeSlots", 5, 3, 2, 0, true, false, {0, 1, 2, 3, 4, 0}},
        // ... and starts again at 0 with every pass.
        OrderCase{"PerSlotThreeSymbolsFourSlots", 3, 4, 2, 1, true, false,
                  {0, 1, 2, 0, 1, 2, 0, 1, 0, 1, 2, 0, 1, 2, 0, 1}},
        // Pass i uses symbol i modulo the count: the counter carries over.
        OrderCase{"PerPass", 3, 2, 1, 4, false, true, {0, 0, 1, 1, 2, 2, 0, 0, 1, 1}},
        // The pass takes symbol 0, its first slot then symbol 1.
        OrderCase{"PerPassAndPerSlot", 3, 2, 1, 1, true, true, {1, 2, 1, 2}}),
    [](const ::testing::TestParamInfo<OrderCase>& info) { return info.param.name; });

TEST_F(SymbolChoiceTest, EmptySlotsAdvanceTheOrderToo) {
  Shape(5, 5, 1, 0);
  SetPageInt(block, kSlotOrderedSymbols, 0, 1);
  block.slot[kSlotFillMode].i = static_cast<int32_t>(FillMode::Alternate);

  ASSERT_EQ(GenerateSymbols(block), kNoError);

  EXPECT_THAT(SymbolsMade(host), ElementsAreArray({0, 2, 4}));
  EXPECT_EQ(host.Count(Op::GetNthSymbolPattern), 5);
}

// One slot whose symbol draw (the seventh of the slot) is scripted.
struct RandomIndexCase {
  int32_t symbols;
  float draw;
  int32_t expected;
};
void PrintTo(const RandomIndexCase& c, std::ostream* out) {
  *out << c.symbols << " symbols, draw " << c.draw;
}

class RandomIndexTest : public SymbolChoiceTest,
                        public ::testing::WithParamInterface<RandomIndexCase> {};

TEST_P(RandomIndexTest, IndexIsTheTruncatedDrawTimesTheCountWithinRange) {
  const RandomIndexCase& c = GetParam();
  Shape(c.symbols, 1, 1, 0);
  SetPageInt(block, kSlotRandomSymbols, 0, 1);
  host.ScriptDraws({0.25f, 0.25f, 0.25f, 0.25f, 0.25f, 0.25f, c.draw});

  ASSERT_EQ(GenerateSymbols(block), kNoError);

  EXPECT_THAT(SymbolsMade(host), ElementsAreArray({c.expected}));
}

INSTANTIATE_TEST_SUITE_P(
    Draws, RandomIndexTest,
    ::testing::Values(RandomIndexCase{5, 0.0f, 0}, RandomIndexCase{5, 0.2f, 1},
                      RandomIndexCase{5, 0.5f, 2}, RandomIndexCase{5, 0.99999994f, 4},
                      RandomIndexCase{1, 0.99999994f, 0}, RandomIndexCase{7, 0.99999994f, 6},
                      RandomIndexCase{4194304, 0.99999994f, 4194303},
                      // A host whose draws reach 1 still gets a valid index.
                      RandomIndexCase{5, 1.0f, 4}),
    test::PrintedName());

TEST_F(SymbolChoiceTest, RandomPerSlotTakesPrecedenceOverOrdered) {
  Shape(5, 3, 1, 0);
  SetPageInt(block, kSlotRandomSymbols, 0, 1);
  SetPageInt(block, kSlotOrderedSymbols, 0, 1);
  std::vector<float> draws;
  for (const float symbolDraw : {0.0f, 0.99999994f, 0.5f}) {
    draws.insert(draws.end(), 6, 0.25f);
    draws.push_back(symbolDraw);
    draws.insert(draws.end(), 4, 0.25f);
  }
  host.ScriptDraws(draws);

  ASSERT_EQ(GenerateSymbols(block), kNoError);

  EXPECT_THAT(SymbolsMade(host), ElementsAreArray({0, 4, 2}));
  EXPECT_EQ(host.Count(Op::FloatRnd), static_cast<int>(draws.size()));
}

TEST_F(SymbolChoiceTest, RandomPerPassDrawsFirstInEveryPass) {
  Shape(4, 2, 1, 2);
  SetPageInt(block, kSlotRandomSymbols, 1, 1);
  std::vector<float> draws;
  for (const float passDraw : {0.5f, 0.8f, 0.1f}) {
    draws.push_back(passDraw);
    draws.insert(draws.end(), 2 * 10, 0.25f);
  }
  host.ScriptDraws(draws);

  ASSERT_EQ(GenerateSymbols(block), kNoError);

  EXPECT_THAT(SymbolsMade(host), ElementsAreArray({2, 2, 3, 3, 0, 0}));
  EXPECT_EQ(host.Count(Op::FloatRnd), static_cast<int>(draws.size()));
}

TEST_F(SymbolChoiceTest, PassSymbolIsDrawnBeforeTheRandomSlotCount) {
  Shape(4, 10, 1, 0);
  SetPageInt(block, kSlotRandomSymbols, 1, 1);
  block.slot[kSlotRandomSymbolCount].i = 1;
  host.ScriptDraws({0.5f, 0.3f});

  ASSERT_EQ(GenerateSymbols(block), kNoError);

  // Symbol trunc(0.5 * 4) = 2, then trunc(0.3 * 10) = 3 slots.
  EXPECT_THAT(SymbolsMade(host), ElementsAreArray({2, 2, 2}));
}

TEST_F(SymbolChoiceTest, PerSlotChoiceHidesThePassChoice) {
  Shape(5, 2, 1, 1);
  SetPageInt(block, kSlotRandomSymbols, 1, 1);
  SetPageInt(block, kSlotOrderedSymbols, 0, 1);
  host.defaultDraw = 0.9f;  // the pass choice would take symbol 4

  ASSERT_EQ(GenerateSymbols(block), kNoError);

  EXPECT_THAT(SymbolsMade(host), ElementsAreArray({0, 1, 0, 1}));
}

// Without a symbol to take, the current one stays; the draws are made all
// the same, so the rest of the run is not shifted.
TEST_F(SymbolChoiceTest, NoSymbolToTakeKeepsTheCurrentOne) {
  struct Case {
    const char* name;
    int32_t symbols;
    Status nthStatus;
    int32_t randomSlot, orderedSlot;
  };
  const Case cases[] = {
      {"random, no symbols", 0, kNoError, 1, 0},
      {"ordered, no symbols", 0, kNoError, 0, 1},
      {"random, host fails", 5, MakeCode("NTH!"), 1, 0},
      {"ordered, host fails", 5, MakeCode("NTH!"), 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    host.calls.clear();
    Shape(c.symbols, 3, 1, 0);
    host.nthSymbolStatus = c.nthStatus;
    SetPageInt(block, kSlotRandomSymbols, 0, c.randomSlot);
    SetPageInt(block, kSlotOrderedSymbols, 0, c.orderedSlot);

    ASSERT_EQ(GenerateSymbols(block), kNoError);

    EXPECT_THAT(SymbolsMade(host), ElementsAreArray({kPaletteOnlySymbol, kPaletteOnlySymbol,
                                                     kPaletteOnlySymbol}));
    EXPECT_EQ(host.Count(Op::FloatRnd), 3 * (10 + c.randomSlot));
  }
}

}  // namespace
