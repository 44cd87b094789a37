// Registration of the filter at start-up, and the counted strings it uses.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "plugin/host/filter_registration.h"
#include "tests/support/session.h"
#include "tests/support/case_name.h"

namespace {

using test::CountPrefix;
using test::Session;

TEST(FilterRegistration, StartupRegistersOneFilterWithItsMenuTexts) {
  Session session;
  const std::string output = session.Run("startup\n");
  EXPECT_NE(output.find("! filter \"Nerith <Create>\" / \"Quillane...\"\n< 0\n"), std::string::npos)
      << output;
  ASSERT_EQ(session.host().filters().size(), 1u);
  const sim::FilterRecord& filter = session.host().filters()[0];
  EXPECT_EQ(filter.name, "Zorv_Quillane");
  EXPECT_EQ(filter.options, 0);
  const auto& calls = session.host().journal().lines();
  // Only indexes 1 and 2 of the list are read, with room for 64 characters.
  EXPECT_EQ(CountPrefix(calls, "GetIndexString 16000 1 65 "), 1);
  EXPECT_EQ(CountPrefix(calls, "GetIndexString 16000 2 65 "), 1);
  EXPECT_EQ(CountPrefix(calls, "GetIndexString "), 2);
  EXPECT_EQ(CountPrefix(calls, "UpdateMenuItemAutomatically 1 0 0 0 0 1 0 -> 0"), 1);
}

TEST(FilterRegistration, GetParametersGoesOnlyToTheRegisteredFilter) {
  Session session;
  // With AddFilter failing, "AI Filter" messages carry no registered filter.
  session.Run("fail AddFilter times 1\nstartup\nsend \"AI Filter\" \"AI Get Parameters\"\n");
  const auto calls = session.MessageJournal("> \"AI Filter\" \"AI Get Parameters\"");
  EXPECT_EQ(CountPrefix(calls, "NewHandle"), 0);
  EXPECT_EQ(CountPrefix(calls, "Modal"), 0);
  EXPECT_EQ(calls.back(), "< 0");
}

struct FailingStep {
  const char* operation;
  bool filterKept;  // the host keeps a filter that AddFilter already made
};
void PrintTo(const FailingStep& step, std::ostream* out) { *out << step.operation; }

class RegistrationFailureTest : public ::testing::TestWithParam<FailingStep> {};

TEST_P(RegistrationFailureTest, EndsStartupWithTheHostStatus) {
  Session session;
  const std::string output =
      session.Run(std::string("fail ") + GetParam().operation + " status -108\nstartup\n");
  EXPECT_NE(output.find("< -108\n"), std::string::npos) << output;
  EXPECT_EQ(session.host().filters().size(), GetParam().filterKept ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Steps, RegistrationFailureTest,
                         ::testing::Values(FailingStep{"AddFilter", false},
                                           FailingStep{"GetFilterMenuItem", true},
                                           FailingStep{"UpdateMenuItemAutomatically", true}),
    test::PrintedName());

TEST(CountedStrings, ConvertInPlaceUpTo255Characters) {
  char text[300];
  std::memset(text, 'a', 255);
  text[255] = '\0';
  unsigned char* counted = MakeCountedString(text);
  ASSERT_NE(counted, nullptr);
  EXPECT_EQ(counted[0], 255);
  EXPECT_EQ(counted[1], 'a');
  EXPECT_EQ(counted[255], 'a');
  EXPECT_EQ(std::strlen(MakeZeroTerminated(counted)), 255u);

  std::memset(text, 'b', 256);
  text[256] = '\0';
  EXPECT_EQ(MakeCountedString(text), nullptr);
  EXPECT_EQ(std::strlen(text), 256u);  // left as it was
  EXPECT_EQ(text[0], 'b');
}

TEST(CountedStrings, RoundTripKeepsTheText) {
  for (const char* original : {"", "Q", "Nerith <Create>"}) {
    char text[64];
    std::strcpy(text, original);
    unsigned char* counted = MakeCountedString(text);
    ASSERT_NE(counted, nullptr);
    EXPECT_EQ(counted[0], std::strlen(original));
    EXPECT_STREQ(MakeZeroTerminated(counted), original);
  }
}

}  // namespace
