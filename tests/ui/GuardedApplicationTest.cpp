#include <gtest/gtest.h>

#include <QStringList>
#include <new>
#include <stdexcept>

#include "platform/qt/GuardedApplication.h"

// Every kind of error escaping a handler is turned into one report with a readable text,
// and the caller learns that the work did not finish.
TEST(GuardedApplication, ErrorsEscapingWorkAreReportedOnce) {
  QStringList reports;
  auto report = [&](const QString& text) { reports << text; };
  EXPECT_TRUE(GuardedApplication::Guard([] { return true; }, report));
  EXPECT_FALSE(GuardedApplication::Guard([] { return false; }, report));
  EXPECT_TRUE(reports.isEmpty());

  EXPECT_FALSE(GuardedApplication::Guard([]() -> bool { throw std::runtime_error("Couldn't read quorbit.reg"); }, report));
  EXPECT_FALSE(GuardedApplication::Guard([]() -> bool { throw std::bad_alloc(); }, report));
  EXPECT_FALSE(GuardedApplication::Guard([]() -> bool { throw 7; }, report));
  ASSERT_EQ(reports.size(), 3);
  EXPECT_EQ(reports[0], "Couldn't read quorbit.reg");
  EXPECT_EQ(reports[1], "Out of memory.");
  EXPECT_EQ(reports[2], "An unknown error occurred.");
}
