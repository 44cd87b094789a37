// The entry point and its routing, seen from the stand-in host with the
// real module loaded.
#include <gtest/gtest.h>

#include "tests/support/session.h"
#include "tests/support/case_name.h"

namespace {

using test::CountPrefix;
using test::Session;

struct RouteCase {
  const char* caller;
  const char* selector;
  const char* status;      // as the session prints it
  bool acquiresSuites;     // 22 acquisitions and 22 releases, or none
  const char* handlerCall; // a host call that only the handler makes, or null
};

void PrintTo(const RouteCase& route, std::ostream* out) {
  *out << '"' << route.caller << "\" \"" << route.selector << '"';
}

class RoutingTest : public ::testing::TestWithParam<RouteCase> {};

TEST_P(RoutingTest, RoutesByCallerAndSelector) {
  const RouteCase& route = GetParam();
  Session session;
  session.Run("startup\n");
  const std::string marker =
      std::string("> \"") + route.caller + "\" \"" + route.selector + "\"";
  const std::string output =
      session.Run(std::string("send \"") + route.caller + "\" \"" + route.selector + "\"\n");

  const auto calls = session.MessageJournal(marker);
  ASSERT_FALSE(calls.empty()) << output;
  EXPECT_EQ(calls.back(), std::string("< ") + route.status) << output;
  const int expected = route.acquiresSuites ? 22 : 0;
  EXPECT_EQ(CountPrefix(calls, "AcquireSuite "), expected);
  EXPECT_EQ(CountPrefix(calls, "ReleaseSuite "), expected);
  if (route.handlerCall) {
    EXPECT_GT(CountPrefix(calls, route.handlerCall), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, RoutingTest,
    ::testing::Values(
        RouteCase{"SP Access", "Unload", "0", false, nullptr},
        RouteCase{"SP Access", "Reload", "0", false, nullptr},
        RouteCase{"SP Access", "Anything", "0", false, nullptr},
        RouteCase{"SP Interface", "About", "0", true, "Modal \"About Dialog\""},
        RouteCase{"SP Interface", "Anything", "0", true, nullptr},
        RouteCase{"AI Menu", "AI Go", "\"!sel\"", true, "GetIndexString 16050 1"},
        RouteCase{"AI Menu", "AI Update", "0", true, nullptr},
        RouteCase{"AI Menu", "Anything", "0", true, nullptr},
        RouteCase{"AI Filter", "AI Go", "0", true, nullptr},
        RouteCase{"AI Filter", "Anything", "0", true, nullptr},
        RouteCase{"Nobody", "Nothing", "0", true, nullptr}),
    test::PrintedName());

TEST(Routing, QuietRoutesShowNothing) {
  for (const char* line : {"send \"Nobody\" \"Nothing\"", "send \"SP Interface\" \"Anything\"",
                           "send \"AI Menu\" \"AI Update\""}) {
    Session session;
    session.Run("startup\n");
    session.host().journal().Clear();
    session.Run(std::string(line) + "\n");
    const auto& calls = session.host().journal().lines();
    EXPECT_EQ(CountPrefix(calls, "GetIndexString"), 0) << line;
    EXPECT_EQ(CountPrefix(calls, "Modal"), 0) << line;
    EXPECT_EQ(CountPrefix(calls, "! "), 0) << line;
  }
}

TEST(Routing, MenuGoReportsBadSelection) {
  Session session;
  session.Run("startup\nsend \"AI Menu\" \"AI Go\"\n");
  // The error path looks the code up in the error string list.
  EXPECT_GT(session.host().CallCount(sim::Op::GetIndexString), 0);
}

// A failure while generating is the go message's answer and reaches the
// user as the error dialog; the art made before it stays in the document.
struct GoFailureCase {
  const char* fault;       // a script's fail line
  const char* status;      // as the session prints it
  const char* sentence;    // the error dialog's sentence
  const char* cleanLayers; // the layer count of a run that makes the art kept
};

void PrintTo(const GoFailureCase& c, std::ostream* out) { *out << c.fault; }

class GoFailureTest : public ::testing::TestWithParam<GoFailureCase> {};

TEST_P(GoFailureTest, IsAnsweredAndReportedAndKeepsTheArtMadeBeforeIt) {
  const GoFailureCase& c = GetParam();
  Session failing;
  const std::string output =
      failing.Run(std::string("startup\n") + c.fault + "\nparam layers 3\ngo\n");
  EXPECT_NE(output.find(std::string("! dialog \"Error Dialog\": \"") + c.sentence + "\""),
            std::string::npos)
      << output;
  const auto calls = failing.MessageJournal("> \"AI Filter\" \"AI Go\"");
  ASSERT_FALSE(calls.empty()) << output;
  EXPECT_EQ(calls.back(), std::string("< ") + c.status);

  size_t kept = 0;
  if (c.cleanLayers != nullptr) {
    Session clean;
    clean.Run(std::string("startup\nparam layers ") + c.cleanLayers + "\ngo\n");
    kept = clean.host().document().liveArtCount();
    ASSERT_GT(kept, 0u);
  }
  EXPECT_EQ(failing.host().document().liveArtCount(), kept);
}

INSTANTIATE_TEST_SUITE_P(
    Table, GoFailureTest,
    ::testing::Values(
        // The third pass cannot get its layer: the first two passes stay.
        GoFailureCase{"fail InsertLayer after 1 status -108", "-108",
                      "The filter cannot complete because there isn't enough memory (RAM) available.", "1"},
        GoFailureCase{"fail UndoChanges status SEGM", "\"SEGM\"",
                      "The filter cannot complete because a layer is locked or invisible.", nullptr}),
    test::PrintedName());

TEST(Suites, NestedMessageReusesTheOuterAcquisition) {
  Session session;
  const std::string output = session.Run(
      "during AllocateBlock send \"Nobody\" \"Nothing\"\n"
      "startup\n");
  EXPECT_NE(output.find("> \"SP Interface\" \"Startup\"\n> \"Nobody\" \"Nothing\"\n< 0\n"),
            std::string::npos)
      << output;
  const auto calls = session.MessageJournal("> \"SP Interface\" \"Startup\"");
  EXPECT_EQ(CountPrefix(calls, "AcquireSuite "), 22);
  EXPECT_EQ(CountPrefix(calls, "ReleaseSuite "), 22);
  // Every acquisition comes before the nested message and every release after it.
  size_t nested = 0;
  for (size_t i = 0; i < calls.size(); ++i)
    if (calls[i] == "> \"Nobody\" \"Nothing\"") nested = i;
  ASSERT_GT(nested, 0u);
  for (size_t i = 0; i < calls.size(); ++i) {
    if (calls[i].rfind("AcquireSuite ", 0) == 0) {
      EXPECT_LT(i, nested);
    }
    if (calls[i].rfind("ReleaseSuite ", 0) == 0) {
      EXPECT_GT(i, nested);
    }
  }
  EXPECT_TRUE(session.host().Leftovers().size() == 1);  // only the globals, until shutdown
}

TEST(Suites, FailureAfterTheBasicDialogSuiteStopsTheWalkWithAnAlert) {
  Session session;
  const std::string output = session.Run(
      "fail acquire \"ADM Item Suite\" status \"S!Fd\"\n"
      "send \"Nobody\" \"Nothing\"\n");
  EXPECT_NE(output.find("! alert: Suite Loading Error: 1394689636, suite: ADM Item Suite, version: 4!\n"
                        "< \"S!Fd\"\n"),
            std::string::npos)
      << output;
  const auto calls = session.MessageJournal("> \"Nobody\" \"Nothing\"");
  EXPECT_EQ(CountPrefix(calls, "AcquireSuite "), 18);
  for (const char* never : {"ADM Icon Suite", "ADM Notifier Suite", "ADM List Suite", "ADM Entry Suite"})
    EXPECT_EQ(CountPrefix(calls, std::string("AcquireSuite \"") + never), 0) << never;
  // "S!Fd" goes back to the host without the error path.
  EXPECT_EQ(session.host().CallCount(sim::Op::GetIndexString), 0);
  // What was acquired is given back; what was not is not asked for.
  EXPECT_EQ(CountPrefix(calls, "ReleaseSuite "), 17);
  EXPECT_TRUE(session.host().Leftovers().empty());
}

TEST(Suites, FailureBeforeTheBasicDialogSuiteGoesOnWithoutAlertAndRunsNoHandler) {
  Session session;
  const std::string output = session.Run(
      "fail acquire \"AI Path Suite\" status -5\n"
      "startup\n");
  EXPECT_EQ(output.find("! alert"), std::string::npos) << output;
  EXPECT_NE(output.find("< -5\n"), std::string::npos) << output;
  const auto calls = session.MessageJournal("> \"SP Interface\" \"Startup\"");
  EXPECT_EQ(CountPrefix(calls, "AcquireSuite "), 22);
  EXPECT_EQ(CountPrefix(calls, "AcquireSuite \"AI Path Suite\" 4 -> -5"), 1);
  EXPECT_EQ(CountPrefix(calls, "AllocateBlock"), 0);  // the Startup handler did not run
  // A failure other than "S!Fd" goes to the error path.
  EXPECT_GT(session.host().CallCount(sim::Op::GetIndexString), 0);
  EXPECT_TRUE(session.host().Leftovers().empty());
}

TEST(Suites, AnEarlyFailureIsKeptEvenWhenLaterEntriesSucceed) {
  Session session;
  const std::string output = session.Run(
      "fail acquire \"SP Blocks Suite\" times 1\n"
      "send \"AI Menu\" \"AI Update\"\n");
  EXPECT_NE(output.find("< \"S!Fd\"\n"), std::string::npos) << output;
}

TEST(Lifecycle, StartupAllocatesTheGlobalsAndShutdownFreesThem) {
  Session session;
  session.Run("startup\n");
  const auto left = session.host().Leftovers();
  ASSERT_EQ(left.size(), 1u);
  EXPECT_NE(left[0].find("\"globals\""), std::string::npos);
  const std::string output = session.Run("shutdown\n");
  EXPECT_NE(output.find("< 0\n"), std::string::npos);
  EXPECT_TRUE(session.host().Leftovers().empty());
  EXPECT_EQ(session.host().globalsField(), nullptr);
}

TEST(Lifecycle, FailedAllocationRegistersNoFilter) {
  Session session;
  const std::string output = session.Run("fail AllocateBlock status -108\nstartup\n");
  EXPECT_NE(output.find("< -108\n"), std::string::npos) << output;
  EXPECT_EQ(session.host().CallCount(sim::Op::AddFilter), 0);
  EXPECT_EQ(session.host().CallCount(sim::Op::GetIndexString) > 0, true);  // reported
  session.Run("shutdown\n");
  EXPECT_TRUE(session.host().Leftovers().empty());
}

TEST(Lifecycle, UnloadAndReloadHandTheGlobalsThroughTheHost) {
  Session session;
  session.Run("startup\nunload\n");
  void* kept = session.host().globalsField();
  EXPECT_NE(kept, nullptr);
  EXPECT_FALSE(session.host().module().loaded());
  const std::string output = session.Run("reload\nshutdown\n");
  EXPECT_NE(output.find("> \"SP Access\" \"Reload\"\n< 0\n"), std::string::npos) << output;
  // The reloaded module freed the block it had before the unload.
  EXPECT_TRUE(session.host().Leftovers().empty());
  EXPECT_EQ(session.host().globalsField(), nullptr);
}

TEST(Lifecycle, MessageToAnUnloadedModuleReloadsItFirst) {
  Session session;
  const std::string output = session.Run("startup\nunload\nshutdown\n");
  EXPECT_NE(output.find("> \"SP Access\" \"Reload\"\n< 0\n> \"SP Interface\" \"Shutdown\"\n< 0\n"),
            std::string::npos)
      << output;
  EXPECT_TRUE(session.host().Leftovers().empty());
}

TEST(Lifecycle, ShutdownClearsTheGlobalsFieldWhenItsOwnAcquisitionFails) {
  Session session;
  // The dispatch's acquisition goes through; the handler's own one fails.
  const std::string output = session.Run(
      "startup\nunload\nreload\n"
      "fail acquire \"SP Blocks Suite\" after 1 times 1\n"
      "shutdown\n");
  EXPECT_NE(output.find("> \"SP Interface\" \"Shutdown\"\n< \"S!Fd\"\n"), std::string::npos) << output;
  EXPECT_EQ(session.host().globalsField(), nullptr);
  // The block could not be freed, and the host says so.
  const auto left = session.host().Leftovers();
  ASSERT_EQ(left.size(), 1u);
  EXPECT_NE(left[0].find("\"globals\""), std::string::npos);
}

}  // namespace
