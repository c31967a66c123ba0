// The console's colours: white on black by default, bright and dim variants by attribute, reverse swapped.
#include <gtest/gtest.h>

#include "platform/win32/cell_colours.h"

namespace {

using platform::win32::ColoursOf;

TEST(CellColours, AttributesChooseBrightDimAndReverse) {
  const auto normal = ColoursOf(7, 4);
  EXPECT_EQ(normal.text, RGB(0xFF, 0xFF, 0xFF));
  EXPECT_EQ(normal.background, RGB(0, 0, 0));
  EXPECT_FALSE(normal.opaque);
  EXPECT_EQ(ColoursOf(7, 0).text, RGB(0xC0, 0xC0, 0xC0));
  EXPECT_EQ(ColoursOf(15, 0).text, RGB(0xC0, 0xC0, 0xC0));
  EXPECT_EQ(ColoursOf(15, 2).text, RGB(0xFF, 0xFF, 0xFF));
  EXPECT_EQ(ColoursOf(1, 3).text, RGB(0x00, 0x00, 0x80));
  const auto reverse = ColoursOf(7, 5);
  EXPECT_TRUE(reverse.opaque);
  EXPECT_EQ(reverse.text, RGB(0, 0, 0));
  EXPECT_EQ(reverse.background, RGB(0xFF, 0xFF, 0xFF));
}

}  // namespace
