// The suite table and the lifecycle handlers, driven directly with a small
// recording basic suite.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "plugin/host/lifecycle.h"
#include "plugin/host/plugin_globals.h"
#include "plugin/host/suite_table.h"

namespace {

// A basic suite whose acquisitions hand out a dummy table, fail for one
// entry on request, and are recorded.
struct RecordingBasic {
  static inline std::vector<std::string> acquired;
  static inline std::vector<std::string> released;
  static inline std::string failing;
  static inline int dummy = 0;

  static Status Acquire(const char* name, int32_t, const void** suite) {
    acquired.emplace_back(name);
    if (failing == name) return kSuiteNotFound;
    *suite = &dummy;
    return kNoError;
  }
  static Status Release(const char* name, int32_t) {
    released.emplace_back(name);
    return kNoError;
  }
  static int32_t IsEqual(const char* a, const char* b) { return std::strcmp(a, b) == 0; }
  static inline const BasicSuite suite = {Acquire, Release, IsEqual};
};

class SuiteTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RecordingBasic::acquired.clear();
    RecordingBasic::released.clear();
    RecordingBasic::failing.clear();
    SuiteNesting = 0;
    for (auto& pointer : gSuites) pointer = nullptr;
  }
  void TearDown() override { SetUp(); }
};

TEST_F(SuiteTableTest, TableHoldsTheSuitesInOrderWithTheirVersions) {
  const std::pair<const char*, int32_t> expected[kSuiteCount] = {
      {"SP Blocks Suite", 2},       {"SP Access Suite", 3},  {"AI MdMemory Suite", 1},
      {"AI Real Math Suite", 1},    {"AI Art Suite", 9},     {"AI User Suite", 5},
      {"AI Document Suite", 7},     {"AI Undo Suite", 4},    {"AI Path Suite", 4},
      {"AI Random Suite", 3},       {"AI Layer Suite", 9},   {"AI Symbol Suite", 1},
      {"AI Symbol Palette Suite", 1}, {"AI Menu Suite", 7},  {"AI Filter Suite", 2},
      {"ADM Basic Suite", 2},       {"ADM Dialog Suite", 3}, {"ADM Item Suite", 4},
      {"ADM Icon Suite", 1},        {"ADM Notifier Suite", 1}, {"ADM List Suite", 1},
      {"ADM Entry Suite", 2}};
  for (int i = 0; i < kSuiteCount; ++i) {
    EXPECT_STREQ(SuiteTable[i].name, expected[i].first) << "entry " << i + 1;
    EXPECT_EQ(SuiteTable[i].version, expected[i].second) << "entry " << i + 1;
    EXPECT_EQ(SuiteTable[i].slot, i);
  }
}

TEST_F(SuiteTableTest, NestingCountsAndOnlyTheOutermostPairTalksToTheHost) {
  std::vector<int> nesting = {SuiteNesting};
  EXPECT_EQ(AcquireSuites(&RecordingBasic::suite), kNoError);
  nesting.push_back(SuiteNesting);
  EXPECT_EQ(AcquireSuites(&RecordingBasic::suite), kNoError);
  nesting.push_back(SuiteNesting);
  EXPECT_EQ(ReleaseSuites(&RecordingBasic::suite), kNoError);
  nesting.push_back(SuiteNesting);
  EXPECT_NE(gSuites[kSuiteADMEntry], nullptr);  // the outer message still has its suites
  EXPECT_EQ(ReleaseSuites(&RecordingBasic::suite), kNoError);
  nesting.push_back(SuiteNesting);
  EXPECT_EQ(nesting, (std::vector<int>{0, 1, 2, 1, 0}));
  EXPECT_EQ(RecordingBasic::acquired.size(), 22u);
  EXPECT_EQ(RecordingBasic::released.size(), 22u);
  for (const void* pointer : gSuites) EXPECT_EQ(pointer, nullptr);
}

TEST_F(SuiteTableTest, EarlyFailureLeavesTheSuiteMissingAndTheStatusNonZero) {
  RecordingBasic::failing = "AI Path Suite";
  EXPECT_EQ(AcquireSuites(&RecordingBasic::suite), kSuiteNotFound);
  EXPECT_EQ(RecordingBasic::acquired.size(), 22u);
  EXPECT_EQ(gSuites[kSuitePath], nullptr);
  EXPECT_NE(gSuites[kSuiteADMEntry], nullptr);
  EXPECT_EQ(SuiteNesting, 1);
  ReleaseSuites(&RecordingBasic::suite);
  EXPECT_EQ(RecordingBasic::released.size(), 21u);  // the missing one is not given back
  EXPECT_EQ(SuiteNesting, 0);
}

TEST_F(SuiteTableTest, ReloadStartsNestingAgainAndTakesTheGlobalsBack) {
  PluginGlobals block{};
  MessageData message{nullptr, &block, &RecordingBasic::suite};
  SuiteNesting = 3;
  EXPECT_EQ(HandleReload(&message), kNoError);
  EXPECT_EQ(SuiteNesting, 0);
  EXPECT_EQ(gGlobals, &block);

  MessageData empty{nullptr, nullptr, &RecordingBasic::suite};
  EXPECT_EQ(HandleReload(&empty), kNoError);
  EXPECT_EQ(gGlobals, nullptr);
}

TEST_F(SuiteTableTest, UnloadHandsTheGlobalsToTheHost) {
  PluginGlobals block{};
  gGlobals = &block;
  MessageData message{nullptr, nullptr, &RecordingBasic::suite};
  EXPECT_EQ(HandleUnload(&message), kNoError);
  EXPECT_EQ(message.globals, &block);
  EXPECT_TRUE(RecordingBasic::acquired.empty());
  gGlobals = nullptr;
}

TEST(PluginGlobalsLayout, SixFieldsOfPointerWidth) {
  EXPECT_EQ(sizeof(PluginGlobals), 6 * sizeof(void*));
  if (sizeof(void*) == 4) {
    EXPECT_EQ(sizeof(PluginGlobals), 24u);
  }
}

}  // namespace
