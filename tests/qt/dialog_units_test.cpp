#include "qt/dialog_units.h"

#include <gtest/gtest.h>

namespace quelmo {
namespace {

TEST(DialogUnits, ConvertAsWindowsDoesForItsClassicDialogFont) {
  // MS Sans Serif 8 pt at 96 dpi has base units 6 x 13: a 50 x 14 button is
  // 75 x 23 pixels, the launcher's 160 x 218 client area 240 x 354.
  const DialogUnits units(6, 13);
  EXPECT_EQ(units.Rect(0, 0, 50, 14).size(), QSize(75, 23));
  EXPECT_EQ(units.Rect(0, 0, 160, 218).size(), QSize(240, 354));
  // Rounded to the nearest pixel, halves up: 1 unit = 1.5 -> 2, 3 = 4.5 -> 5.
  EXPECT_EQ(units.X(1), 2);
  EXPECT_EQ(units.X(3), 5);
  EXPECT_EQ(units.Y(1), 2);  // 1.625
}

TEST(DialogUnits, ControlsThatMeetInUnitsMeetInPixels) {
  const DialogUnits units(7, 15);
  const QRect left = units.Rect(9, 3, 13, 7);
  const QRect right = units.Rect(22, 10, 5, 5);
  EXPECT_EQ(left.right() + 1, right.left());
  EXPECT_EQ(left.bottom() + 1, right.top());
}

}  // namespace
}  // namespace quelmo
