// Session scripts: reading lines, refusing bad ones before anything runs.
#include <gtest/gtest.h>

#include <sstream>

#include "sim/script.h"
#include "tests/support/session.h"
#include "tests/support/case_name.h"

namespace {

TEST(ScriptWords, QuotesHoldBlanksAndCommentsEndTheLine) {
  std::string error;
  const auto words = sim::SplitWords("send \"AI Filter\" \"AI Go\"  # repeat", &error);
  ASSERT_TRUE(words);
  EXPECT_EQ(*words, (std::vector<std::string>{"send", "AI Filter", "AI Go"}));
  const auto escaped = sim::SplitWords(R"(send "say \"hi\"" "a\\b")", &error);
  ASSERT_TRUE(escaped);
  EXPECT_EQ((*escaped)[1], "say \"hi\"");
  EXPECT_EQ((*escaped)[2], "a\\b");
  EXPECT_FALSE(sim::SplitWords("send \"AI Filter", &error));
}

struct BadLine {
  const char* line;
  const char* complaint;  // part of the error message
};
void PrintTo(const BadLine& c, std::ostream* out) { *out << c.line; }

class BadScriptLineTest : public ::testing::TestWithParam<BadLine> {};

TEST_P(BadScriptLineTest, NamesTheLineAndWhatIsWrong) {
  std::string error;
  const std::string script = std::string("startup\n# comment\n") + GetParam().line + "\nshutdown\n";
  EXPECT_FALSE(sim::Script::Parse(script, &error));
  EXPECT_EQ(error.rfind("line 3: ", 0), 0u) << error;
  EXPECT_NE(error.find(GetParam().complaint), std::string::npos) << error;
}

INSTANTIATE_TEST_SUITE_P(
    Table, BadScriptLineTest,
    ::testing::Values(BadLine{"launch", "unknown action \"launch\""},
                      BadLine{"startup now", "expected: startup"},
                      BadLine{"send \"AI Menu\"", "send \"CALLER\" \"SELECTOR\""},
                      BadLine{"send \"AI Menu", "not closed"},
                      BadLine{"fail Frobnicate", "no operation \"Frobnicate\""},
                      BadLine{"fail FloatRnd", "no operation \"FloatRnd\" that answers with a status"},
                      BadLine{"fail InsertLayer after -1", "after needs a count"},
                      BadLine{"fail InsertLayer status toolong", "status needs"},
                      BadLine{"fail InsertLayer times", "needs a value"},
                      BadLine{"fail InsertLayer sometimes 2", "unknown word \"sometimes\""},
                      BadLine{"during Nothing send \"A\" \"B\"", "no operation \"Nothing\""},
                      BadLine{"param bogus 1", "no parameter \"bogus\""},
                      BadLine{"param gapX@3 1", "has no page 3"},
                      BadLine{"param layers@1 2", "one value for all pages"},
                      BadLine{"param symbols 1.5", "takes a whole number"},
                      BadLine{"param gapX wide", "takes a number"},
                      BadLine{"param breakLink 2", "1 or 0"},
                      BadLine{"param 73 0", "outside 0 to 72"},
                      BadLine{"seed -1", "seed takes"},
                      BadLine{"random 0.5 1.0", "[0, 1)"},
                      BadLine{"select-symbol first", "select-symbol takes"},
                      BadLine{"export png /tmp/x", "export svg FILE"}),
    test::PrintedName());

TEST(Script, BadLineRunsNothing) {
  std::string error;
  EXPECT_FALSE(sim::Script::Parse("startup\nparam bogus 1\n", &error));
  // The command reads the whole script first: see the command's tests.
}

TEST(Script, ParamLinesWriteTheStoredBlockMadeWithDefaults) {
  test::Session session;
  session.Run("param gapX@2 12.5\nparam 13 4\nparam fillMode 7\nparam dialogBounds@3 99\n");
  const ParamBlock& block = session.host().StoredParameters();
  EXPECT_EQ(block.slot[24].f, 12.5f);
  EXPECT_EQ(block.slot[13].i, 4);
  EXPECT_EQ(block.slot[5].i, 7);
  EXPECT_EQ(block.slot[71].i, 99);
  // The rest holds the defaults the block was made with.
  EXPECT_EQ(block.slot[1].i, 10);
  EXPECT_EQ(block.slot[22].f, 20.0f);
}

TEST(Script, ActionThatCannotBeDoneStopsTheScriptWithItsLine) {
  std::ostringstream out;
  sim::Host host(out);
  std::string error;
  const auto script = sim::Script::Parse("seed 3\nselect-symbol 40\nseed 4\n", &error);
  ASSERT_TRUE(script) << error;
  EXPECT_FALSE(script->Run(host, &error));
  EXPECT_EQ(error, "line 2: no symbol 40 (the document has 6)");
  EXPECT_EQ(host.random().seed(), 3u);  // line 3 did not run
}

TEST(Script, RandomValuesComeFirstThenTheSeededSequence) {
  std::ostringstream out;
  sim::Host host(out);
  std::string error;
  const auto script = sim::Script::Parse("seed 9\nrandom 0.5 0 0.25\n", &error);
  ASSERT_TRUE(script && script->Run(host, &error)) << error;
  EXPECT_EQ(host.random().Next(), 0.5f);
  EXPECT_EQ(host.random().Next(), 0.0f);
  EXPECT_EQ(host.random().Next(), 0.25f);
  sim::Random reference(9);
  EXPECT_EQ(host.random().Next(), reference.Next());
}

}  // namespace
