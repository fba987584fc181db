#include "clock/face_geometry.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

namespace {

// The clock's own value of pi and of 1/180, used exactly as written so that
// every dot lands on the same pixel on every build.
constexpr double kPi = 3.1415926535;
constexpr double kDegreeFactor = 0.005555555555555556;
constexpr double kHourHandFactor = 0.000023148148148148147;  // 1/43200
constexpr double kMinuteHandFactor = 0.0002777777777777778;  // 1/3600
constexpr double kSecondHandFactor = 0.016666666666666666;   // 1/60

// Rounds to double precision. On x87 builds intermediate results may carry
// extra precision, which could move a coordinate that lies a hair off an
// integer to the other side of the truncation.
double Exact(double v) {
  volatile double stored = v;
  return stored;
}

int Trunc(double v) { return static_cast<int>(v); }  // toward zero

// Last two decimal digits of a non-negative clock field.
int TwoDigits(int v) { return v < 0 ? 0 : v % 100; }

DotBox BoxAround(int x, int y, int half) {
  return DotBox{x - half, y - half, x + half, y + half};
}

}  // namespace

std::array<DigitPiece, kDigitPieceCount> DigitLayout(int hour, int minute,
                                                     int second) {
  const int h = TwoDigits(hour);
  const int m = TwoDigits(minute);
  const int s = TwoDigits(second);
  return {{
      {0, kEdgeWidth, kEdgeSourceX},
      {2, kDigitWidth, kDigitWidth * (h / 10)},
      {17, kDigitWidth, kDigitWidth * (h % 10)},
      {32, kColonWidth, kColonSourceX},
      {40, kDigitWidth, kDigitWidth * (m / 10)},
      {55, kDigitWidth, kDigitWidth * (m % 10)},
      {70, kColonWidth, kColonSourceX},
      {78, kDigitWidth, kDigitWidth * (s / 10)},
      {93, kDigitWidth, kDigitWidth * (s % 10)},
      // The right edge repeats the first two columns of the colon image.
      {108, kEdgeWidth, kColonSourceX},
  }};
}

std::array<DigitPiece, kDigitPieceCount> DigitLayout(int hour, int minute,
                                                     int second, int k) {
  std::array<DigitPiece, kDigitPieceCount> pieces = DigitLayout(hour, minute, second);
  for (DigitPiece& p : pieces) {
    p.destX *= k;
    p.width *= k;
    p.sourceX *= k;
  }
  return pieces;
}

DotBox CenterDot(int k) { return BoxAround(kAnalogCenter * k, kAnalogCenter * k, 4 * k); }

std::array<DialMark, kDialMarkCount> DialMarks(int k) {
  std::array<DialMark, kDialMarkCount> marks;
  const double cx = kAnalogCenter * k;
  const double cy = kAnalogCenter * k;
  const int radius = 60 * k;
  for (int i = 0; i < kDialMarkCount; ++i) {
    const int degrees = i * 6;
    const double a = Exact(Exact(degrees * kPi) * kDegreeFactor);
    const int x = Trunc(Exact(cx + Exact(radius * std::cos(a))));
    const double y = Exact(cy + Exact(radius * std::sin(a)));
    const bool hourMark = degrees % 30 == 0;
    const int half = (hourMark ? 4 : 2) * k;
    marks[i].hourMark = hourMark;
    marks[i].box = DotBox{x - half, Trunc(Exact(y - half)), x + half,
                          Trunc(Exact(y + half))};
  }
  return marks;
}

double HandAngle(HandKind hand, int hour, int minute, int second) {
  // Products are formed left to right: 2 * seconds-count, then pi, then the
  // per-hand factor. The count is an integer, so its doubling is exact.
  switch (hand) {
    case HandKind::kHour: {
      const long long count = 2LL * (hour * 3600LL + minute * 60LL + second);
      return Exact(Exact(count * kPi) * kHourHandFactor);
    }
    case HandKind::kMinute: {
      const long long count = 2LL * (minute * 60LL + second);
      return Exact(Exact(count * kPi) * kMinuteHandFactor);
    }
    case HandKind::kSecond:
    default: {
      const long long count = 2LL * second;
      return Exact(Exact(count * kPi) * kSecondHandFactor);
    }
  }
}

int HandDotCount(HandKind hand) {
  switch (hand) {
    case HandKind::kHour:
      return 4;
    case HandKind::kMinute:
      return 5;
    case HandKind::kSecond:
    default:
      return 6;
  }
}

std::vector<DotBox> HandDots(HandKind hand, int hour, int minute, int second, int k) {
  const double theta = HandAngle(hand, hour, minute, second);
  const double sine = std::sin(theta);
  const double cosine = std::cos(theta);
  const double cx = kAnalogCenter * k;
  const double cy = kAnalogCenter * k;
  const int step = 10 * k;
  const int length = (HandDotCount(hand) - 1) * step;

  std::vector<DotBox> dots;
  dots.reserve(HandDotCount(hand));
  for (int r = step; r <= length; r += step) {
    const int px = Trunc(Exact(cx + Exact(r * sine)));
    const int py = Trunc(Exact(cy - Exact(r * cosine)));
    dots.push_back(BoxAround(px, py, 4 * k));
    if (r == step) {
      const int tx = Trunc(Exact(cx - Exact(step * sine)));
      const int ty = Trunc(Exact(cy + Exact(step * cosine)));
      dots.push_back(BoxAround(tx, ty, 4 * k));
    }
  }
  return dots;
}
