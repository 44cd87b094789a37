// The Error Dialog and the About box, through the stand-in host.
#include <gtest/gtest.h>

#include "tests/support/session.h"
#include "tests/support/case_name.h"

namespace {

using test::CountPrefix;
using test::Session;

constexpr const char* kMemory =
    "The filter cannot complete because there isn't enough memory (RAM) available.";
constexpr const char* kUnknown = "The filter cannot complete because of an unknown error.";

struct CodeCase {
  const char* status;    // as a script writes it
  const char* sentence;
  const char* codeText;
};
void PrintTo(const CodeCase& c, std::ostream* out) { *out << "status " << c.status; }

class ErrorDialogTest : public ::testing::TestWithParam<CodeCase> {};

TEST_P(ErrorDialogTest, ShowsTheSentenceAndTheCodeText) {
  const CodeCase& c = GetParam();
  Session session;
  // A failed start-up is reported like any failed message.
  const std::string output =
      session.Run(std::string("fail AllocateBlock status ") + c.status + "\nstartup\n");
  const std::string shown = std::string("! dialog \"Error Dialog\": \"") + c.sentence + "\" \"" +
                            c.codeText + "\"\n";
  EXPECT_NE(output.find("! dialog \"Error Dialog\" opened\n" + shown), std::string::npos) << output;
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ErrorDialogTest,
    ::testing::Values(CodeCase{"-108", kMemory, "-108"}, CodeCase{"271", kMemory, "271"},
                      CodeCase{"SEGM", "The filter cannot complete because a layer is locked or invisible.", "SEGM"},
                      CodeCase{"NESS", "The filter cannot complete because a path has too many anchor points.", "NESS"},
                      CodeCase{"!sel", "The selection is not valid for this filter.", "!sel"},
                      CodeCase{"!MEM", kUnknown, "!MEM"}, CodeCase{"5", kUnknown, "5"},
                      CodeCase{"-1", kUnknown, "-1"},
                      // Four characters, the first a zero byte: an empty code text.
                      CodeCase{"65536", kUnknown, ""}),
    test::PrintedName());

TEST(ErrorDialog, CancelShowsNothingAndReadsNoString) {
  Session session;
  session.host().journal().Clear();
  const std::string output = session.Run("fail AllocateBlock status \"STOP\"\nstartup\n");
  EXPECT_NE(output.find("< \"STOP\"\n"), std::string::npos) << output;
  EXPECT_EQ(output.find("! dialog"), std::string::npos) << output;
  EXPECT_EQ(CountPrefix(session.host().journal().lines(), "GetIndexString"), 0);
}

TEST(ErrorDialog, MissingDialogSuiteGivesTheAlertButNoDialog) {
  Session session;
  session.host().journal().Clear();
  const std::string output =
      session.Run("fail acquire \"ADM Dialog Suite\" status -108\nsend \"Nobody\" \"Nothing\"\n");
  EXPECT_NE(output.find("! alert: Suite Loading Error: -108, suite: ADM Dialog Suite, version: 3!\n< -108\n"),
            std::string::npos)
      << output;
  const auto& calls = session.host().journal().lines();
  EXPECT_EQ(CountPrefix(calls, "Modal"), 0);
  EXPECT_EQ(CountPrefix(calls, "GetIndexString"), 0);
  EXPECT_TRUE(session.host().Leftovers().empty());
}

TEST(AboutBox, ShowsItsTextsAndClosesWithOk) {
  Session session;
  const std::string output = session.Run("startup\nabout\n");
  EXPECT_NE(output.find("! dialog \"About Dialog\" opened\n! dialog \"About Dialog\": \"Plugin For Illustrator(r) 10/CS/CS2"),
            std::string::npos)
      << output;
  EXPECT_NE(output.find("\"Release Date: September 2005\""), std::string::npos);
  EXPECT_NE(output.find("! dialog \"About Dialog\" closed with 1\n< 0\n"), std::string::npos) << output;
}

TEST(AboutBox, AnswersZeroWhenTheDialogCannotBeShown) {
  Session session;
  const std::string output = session.Run("startup\nfail Modal status -108\nabout\n");
  EXPECT_NE(output.find("> \"SP Interface\" \"About\"\n< 0\n"), std::string::npos) << output;
  EXPECT_EQ(output.find("Error Dialog"), std::string::npos) << output;
}

}  // namespace
