#include "clock/face_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>
#include <vector>

#include "tests/reference/ellipse_rows.h"

namespace {

constexpr double kTruePi = 3.14159265358979323846;

std::vector<int> SourceXs(int h, int m, int s) {
  std::vector<int> xs;
  for (const DigitPiece& p : DigitLayout(h, m, s)) xs.push_back(p.sourceX);
  return xs;
}

TEST(DigitLayoutTest, DigitsComeFromTheirStripColumns) {
  EXPECT_EQ(SourceXs(9, 5, 7),
            (std::vector<int>{160, 0, 135, 150, 0, 75, 150, 0, 105, 150}));
  EXPECT_EQ(SourceXs(23, 59, 59),
            (std::vector<int>{160, 30, 45, 150, 75, 135, 150, 75, 135, 150}));
  EXPECT_EQ(SourceXs(0, 0, 0),
            (std::vector<int>{160, 0, 0, 150, 0, 0, 150, 0, 0, 150}));
}

TEST(DigitLayoutTest, PiecesTileTheDigitAreaForEveryTime) {
  for (int h = 0; h < 24; ++h) {
    for (int m = 0; m < 60; ++m) {
      for (int s = 0; s < 60; s += 7) {
        int next = 0;
        for (const DigitPiece& p : DigitLayout(h, m, s)) {
          ASSERT_EQ(p.destX, next);
          ASSERT_GT(p.width, 0);
          next = p.destX + p.width;
        }
        ASSERT_EQ(next, kDigitAreaWidth);
      }
    }
  }
}

TEST(DigitLayoutTest, OutOfRangeFieldsStayInsideTheStrip) {
  for (int v : {-5, 60, 99, 100, 123, 65535}) {
    for (const DigitPiece& p : DigitLayout(v, v, v)) {
      EXPECT_GE(p.sourceX, 0) << v;
      EXPECT_LE(p.sourceX + p.width, 162) << v;
    }
  }
  EXPECT_EQ(SourceXs(123, 0, 0)[1], 30);  // 123 shows as "23"
  EXPECT_EQ(SourceXs(123, 0, 0)[2], 45);
}

TEST(AnalogDialTest, CentreDotAndHourMarks) {
  EXPECT_EQ(CenterDot(), (DotBox{64, 64, 72, 72}));
  // Hand-computed: x = trunc(68 + 60 cos a), box rows from trunc(y -+ 4).
  // With pi taken as 3.1415926535 the angles fall a hair short of the true
  // ones, which pushes 240, 270 and 330 degrees below an integer.
  const DotBox expected[12] = {
      {124, 64, 132, 72},  // 0 (3 o'clock)
      {115, 93, 123, 101}, {94, 115, 102, 123},
      {64, 124, 72, 132},  // 90 (6 o'clock)
      {34, 115, 42, 123},  {12, 94, 20, 102},
      {4, 64, 12, 72},     // 180 (9 o'clock)
      {12, 34, 20, 42},    {33, 12, 41, 20},
      {63, 4, 71, 12},     // 270 (12 o'clock)
      {93, 12, 101, 20},   {115, 33, 123, 41},
  };
  auto marks = DialMarks();
  for (int i = 0; i < 12; ++i) {
    EXPECT_TRUE(marks[i * 5].hourMark) << i;
    EXPECT_EQ(marks[i * 5].box, expected[i]) << "mark at " << i * 30 << " deg";
  }
}

TEST(AnalogDialTest, MinuteMarksAreSmallAndOnTheCircle) {
  auto marks = DialMarks();
  int minuteMarks = 0;
  for (int i = 0; i < kDialMarkCount; ++i) {
    const DotBox& b = marks[i].box;
    const int size = marks[i].hourMark ? 8 : 4;
    EXPECT_EQ(b.right - b.left, size) << i;
    EXPECT_EQ(b.bottom - b.top, size) << i;
    if (!marks[i].hourMark) ++minuteMarks;
    const double a = i * 6 * kTruePi / 180;
    EXPECT_NEAR((b.left + b.right) / 2.0, 68 + 60 * std::cos(a), 1.0) << i;
    EXPECT_NEAR((b.top + b.bottom) / 2.0, 68 + 60 * std::sin(a), 1.0) << i;
  }
  EXPECT_EQ(minuteMarks, 48);
  // Mark at 6 degrees: x = trunc(127.67) = 127, y = 74.27.
  EXPECT_EQ(marks[1].box, (DotBox{125, 72, 129, 76}));
}

TEST(AnalogHandsTest, MidnightAndNoonPointUpWithTailsDown) {
  const HandKind hands[3] = {HandKind::kHour, HandKind::kMinute,
                             HandKind::kSecond};
  for (int h : {0, 12}) {
    for (int k = 0; k < 3; ++k) {
      std::vector<DotBox> dots = HandDots(hands[k], h, 0, 0);
      ASSERT_EQ(static_cast<int>(dots.size()), k + 4);
      // At noon the hour hand has turned by "2 pi" with the short pi: the
      // sine is a tiny negative number and the hand's dots sit on x = 67.
      const int x = (h == 12 && k == 0) ? 67 : 68;
      EXPECT_EQ(dots[0], (DotBox{x - 4, 54, x + 4, 62}));  // r = 10
      EXPECT_EQ(dots[1], (DotBox{64, 74, 72, 82}));        // tail
      for (size_t i = 2; i < dots.size(); ++i) {
        const int r = static_cast<int>(i) * 10;
        EXPECT_EQ(dots[i], (DotBox{x - 4, 64 - r, x + 4, 72 - r})) << r;
      }
    }
  }
}

TEST(AnalogHandsTest, HalfPastThreeInTheAfternoon) {
  // Hour hand at 105 degrees from 12: between 3 and 4 o'clock.
  EXPECT_EQ(HandDots(HandKind::kHour, 15, 30, 0),
            (std::vector<DotBox>{{73, 66, 81, 74},
                                 {54, 61, 62, 69},
                                 {83, 69, 91, 77},
                                 {92, 71, 100, 79}}));
  // Minute hand straight down. Its angle falls just short of pi, so the
  // sine is a tiny positive number and the tail lands on x = 67.
  EXPECT_EQ(HandDots(HandKind::kMinute, 15, 30, 0),
            (std::vector<DotBox>{{64, 74, 72, 82},
                                 {63, 54, 71, 62},
                                 {64, 84, 72, 92},
                                 {64, 94, 72, 102},
                                 {64, 104, 72, 112}}));
  std::vector<DotBox> second = HandDots(HandKind::kSecond, 15, 30, 0);
  EXPECT_EQ(second.back(), (DotBox{64, 14, 72, 22}));
}

TEST(AnalogHandsTest, TruncationFollowsTheFixedArithmetic) {
  // Second 5: sin 30 deg comes out a little below 0.5, so x = 72, not 73.
  std::vector<DotBox> dots = HandDots(HandKind::kSecond, 0, 0, 5);
  EXPECT_EQ(dots[0], (DotBox{68, 55, 76, 63}));
  EXPECT_EQ(dots[1], (DotBox{59, 72, 67, 80}));
  EXPECT_EQ(dots[5], (DotBox{88, 20, 96, 28}));  // r = 50: (93.0 -, 24.7)
  // 03:00:00: the cosine of the hour hand is a tiny positive number, so the
  // dots sit on row 67 instead of 68.
  dots = HandDots(HandKind::kHour, 3, 0, 0);
  EXPECT_EQ(dots[0], (DotBox{74, 63, 82, 71}));
  EXPECT_EQ(dots[1], (DotBox{54, 64, 62, 72}));
}

TEST(AnalogHandsTest, DotsFollowTheHandAtEveryMoment) {
  // Each dot must be within a pixel of where the exact angle puts it; a wrong
  // factor, hand length or dot order shows up here.
  const HandKind hands[3] = {HandKind::kHour, HandKind::kMinute,
                             HandKind::kSecond};
  for (int h = 0; h < 24; h += 5) {
    for (int m = 0; m < 60; m += 7) {
      for (int s = 0; s < 60; s += 3) {
        const double turns[3] = {(h * 3600 + m * 60 + s) / 43200.0,
                                 (m * 60 + s) / 3600.0, s / 60.0};
        for (int k = 0; k < 3; ++k) {
          const double theta = 2 * kTruePi * turns[k];
          std::vector<DotBox> dots = HandDots(hands[k], h, m, s);
          ASSERT_EQ(dots.size(), static_cast<size_t>(HandDotCount(hands[k])));
          for (size_t i = 0; i < dots.size(); ++i) {
            const double r = i == 1 ? -10.0 : (i == 0 ? 10.0 : i * 10.0);
            const double cx = (dots[i].left + dots[i].right) / 2.0;
            const double cy = (dots[i].top + dots[i].bottom) / 2.0;
            ASSERT_NEAR(cx, 68 + r * std::sin(theta), 1.0);
            ASSERT_NEAR(cy, 68 - r * std::cos(theta), 1.0);
            ASSERT_EQ(dots[i].right - dots[i].left, 8);
            ASSERT_EQ(dots[i].bottom - dots[i].top, 8);
          }
        }
      }
    }
  }
}

std::set<std::pair<int, int>> Pixels(const DotBox& box) {
  std::set<std::pair<int, int>> out;
  int lastY = INT32_MIN;
  for (const RowSpan& row : EllipseRows(box)) {
    EXPECT_GT(row.y, lastY);
    EXPECT_LT(row.left, row.right);
    lastY = row.y;
    for (int x = row.left; x < row.right; ++x) out.insert({x, row.y});
  }
  return out;
}

TEST(EllipseRowsTest, MatchesThePlatformForTheDotSizes) {
  EXPECT_EQ(EllipseRows({0, 0, 8, 8}),
            (std::vector<RowSpan>{{0, 2, 5},
                                  {1, 1, 6},
                                  {2, 0, 7},
                                  {3, 0, 7},
                                  {4, 0, 7},
                                  {5, 1, 6},
                                  {6, 2, 5}}));
  EXPECT_EQ(EllipseRows({0, 0, 4, 4}),
            (std::vector<RowSpan>{{0, 1, 2}, {1, 0, 3}, {2, 1, 2}}));
  // Placement only shifts the shape; swapped corners describe the same box.
  EXPECT_EQ(EllipseRows({100, 30, 104, 34}),
            (std::vector<RowSpan>{{30, 101, 102}, {31, 100, 103}, {32, 101, 102}}));
  EXPECT_EQ(EllipseRows({-4, -4, 4, 4}).front(), (RowSpan{-4, -2, 1}));
  EXPECT_EQ(EllipseRows({8, 8, 0, 0}), EllipseRows({0, 0, 8, 8}));
}

TEST(EllipseRowsTest, DegenerateBoxesGiveNothing) {
  EXPECT_TRUE(EllipseRows({0, 0, 0, 0}).empty());
  EXPECT_TRUE(EllipseRows({0, 0, 1, 8}).empty());
  EXPECT_TRUE(EllipseRows({0, 0, 8, 1}).empty());
  EXPECT_TRUE(EllipseRows({0, 0, 1 << 30, 8}).empty());
}

TEST(EllipseRowsTest, OtherSizesAreSymmetricAndTouchEverySide) {
  for (int w = 2; w <= 40; ++w) {
    for (int h = 2; h <= 40; h += (w % 5) + 1) {
      std::set<std::pair<int, int>> px = Pixels({0, 0, w, h});
      ASSERT_FALSE(px.empty());
      int minX = w, maxX = -1, minY = h, maxY = -1;
      for (const auto& p : px) {
        minX = std::min(minX, p.first);
        maxX = std::max(maxX, p.first);
        minY = std::min(minY, p.second);
        maxY = std::max(maxY, p.second);
        // Mirror images across both axes of the (w-1) x (h-1) block.
        ASSERT_TRUE(px.count({w - 2 - p.first, p.second})) << w << "x" << h;
        ASSERT_TRUE(px.count({p.first, h - 2 - p.second})) << w << "x" << h;
      }
      EXPECT_EQ(minX, 0) << w << "x" << h;
      EXPECT_EQ(maxX, w - 2) << w << "x" << h;
      EXPECT_EQ(minY, 0) << w << "x" << h;
      EXPECT_EQ(maxY, h - 2) << w << "x" << h;
    }
  }
}

}  // namespace
