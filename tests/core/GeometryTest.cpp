#include <gtest/gtest.h>

#include "ui/fader/Geometry.h"

TEST(Geometry, FullScreenMeansTheWindowContainsItsWholeMonitor) {
  const Rect monitor{0, 0, 1920, 1080};
  EXPECT_TRUE(CoversMonitor({0, 0, 1920, 1080}, monitor));
  EXPECT_TRUE(CoversMonitor({-8, -8, 1928, 1088}, monitor));     // reaches beyond
  EXPECT_FALSE(CoversMonitor({0, 0, 1920, 1040}, monitor));      // maximised beside a taskbar
  EXPECT_FALSE(CoversMonitor({1, 0, 1920, 1080}, monitor));
  const Rect secondary{1920, 0, 3200, 1024};
  EXPECT_TRUE(CoversMonitor(secondary, secondary));
  EXPECT_FALSE(CoversMonitor({}, monitor));  // no foreground window
  EXPECT_TRUE(CoversMonitor({}, {}));        // neither could be read
  EXPECT_TRUE(CoversMonitor({10, 10, 20, 20}, {}));  // monitor unreadable
}

TEST(Geometry, UnionIgnoresEmptyRectangles) {
  EXPECT_EQ((Rect{0, 0, 30, 40}), Union({0, 0, 10, 10}, {20, 20, 30, 40}));
  EXPECT_EQ((Rect{5, 5, 9, 9}), Union({}, {5, 5, 9, 9}));
  EXPECT_EQ((Rect{}), Union({3, 3, 3, 9}, {}));
}

TEST(Geometry, MenuXIsMovedIntoTheWorkArea) {
  const Rect work{0, 0, 1280, 760};
  EXPECT_EQ(0, ClampToWorkAreaX(-40, work));
  EXPECT_EQ(1280, ClampToWorkAreaX(1500, work));
  EXPECT_EQ(600, ClampToWorkAreaX(600, work));
}

TEST(Geometry, DialogsAreCentredAndKeptInTheWorkArea) {
  const Rect work{0, 0, 1280, 760};
  Point p = CenteredPosition(work, work, 400, 300);
  EXPECT_EQ(440, p.x);
  EXPECT_EQ(230, p.y);
  p = CenteredPosition({1100, 600, 1300, 800}, work, 400, 300);  // would stick out right/bottom
  EXPECT_EQ(880, p.x);
  EXPECT_EQ(460, p.y);
  p = CenteredPosition({-300, -200, -100, -100}, work, 400, 300);  // left/top
  EXPECT_EQ(0, p.x);
  EXPECT_EQ(0, p.y);
  p = CenteredPosition({-3, -3, 3, 3}, work, 401, 301);
  EXPECT_EQ(0, p.x);
  // Odd halves truncate toward zero: the middle of -5..0 is -2, not -3 as flooring gives.
  p = CenteredPosition({-5, -7, 0, 0}, {-100, -100, 100, 100}, 3, 3);
  EXPECT_EQ(-3, p.x);
  EXPECT_EQ(-4, p.y);
  p = CenteredPosition({1000, 0, 1200, 760}, work, 2000, 1000);  // larger than the work area
  EXPECT_EQ(0, p.x);
  EXPECT_EQ(0, p.y);
}

TEST(Geometry, LengthsAt96DpiScaleToTheNearestPixel) {
  EXPECT_EQ(250, ScaleForDpi(250, 96));
  EXPECT_EQ(375, ScaleForDpi(250, 144));
  EXPECT_EQ(1800, ScaleForDpi(900, 192));
  EXPECT_EQ(13, ScaleForDpi(10, 120));  // 12.5
  EXPECT_EQ(12, ScaleForDpi(10, 119));  // 12.39
}
