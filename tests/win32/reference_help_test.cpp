// The help contexts of run-time errors: the window errors are numbered apart in the help file.
#include <gtest/gtest.h>

#include "platform/win32/reference_help.h"

namespace {

using platform::win32::HelpContextOf;

TEST(ReferenceHelp, WindowErrorsHaveTheirContextsAt99000AndAbove) {
  EXPECT_EQ(HelpContextOf(53), 53u);
  EXPECT_EQ(HelpContextOf(999), 999u);
  EXPECT_EQ(HelpContextOf(1000), 100000u);
  EXPECT_EQ(HelpContextOf(1003), 100003u);
  EXPECT_EQ(HelpContextOf(1019), 100019u);
  EXPECT_EQ(HelpContextOf(1020), 1020u);
}

}  // namespace
