#include "tests/reference/ellipse_rows.h"

#include <algorithm>
#include <climits>

std::vector<RowSpan> EllipseRows(const DotBox& box) {
  std::vector<RowSpan> rows;
  const long long left = std::min(box.left, box.right);
  const long long right = std::max(box.left, box.right);
  const long long top = std::min(box.top, box.bottom);
  const long long bottom = std::max(box.top, box.bottom);
  // The ellipse lives in the pixels left .. right - 2 and top .. bottom - 2.
  if (right - left < 2 || bottom - top < 2) return rows;
  const long long width = right - left - 1;
  const long long height = bottom - top - 1;
  // Row extents are only ever needed for small dots; refuse absurd boxes
  // rather than allocate for them.
  if (width > 1 << 16 || height > 1 << 16) return rows;

  std::vector<long long> minX(height, LLONG_MAX);
  std::vector<long long> maxX(height, LLONG_MIN);
  auto plot = [&](long long x, long long y) {
    if (y < 0 || y >= height) return;
    minX[y] = std::min(minX[y], x);
    maxX[y] = std::max(maxX[y], x);
  };

  // Integer ellipse through the extreme pixels of the width x height block
  // (diameters a and b in pixels between the outermost pixel centres),
  // walked one quadrant at a time from the middle row outwards; each step
  // keeps the error term of the implicit ellipse equation smallest.
  long long a = width - 1;
  long long b = height - 1;
  long long b1 = b & 1;
  long long dx = 4 * (1 - a) * b * b;
  long long dy = 4 * (b1 + 1) * a * a;
  long long err = dx + dy + b1 * a * a;
  long long x0 = 0;
  long long x1 = a;
  long long y0 = (b + 1) / 2;  // lower half, moving down
  long long y1 = y0 - b1;      // upper half, moving up
  const long long stepA = 8 * a * a;
  const long long stepB = 8 * b * b;
  do {
    plot(x1, y0);
    plot(x0, y0);
    plot(x0, y1);
    plot(x1, y1);
    const long long e2 = 2 * err;
    if (e2 <= dy) {
      ++y0;
      --y1;
      dy += stepA;
      err += dy;
    }
    if (e2 >= dx || 2 * err > dy) {
      ++x0;
      --x1;
      dx += stepB;
      err += dx;
    }
  } while (x0 <= x1);
  // Very flat ellipses stop before reaching the top and bottom rows: finish
  // the tips.
  while (y0 - y1 <= b) {
    plot(x0 - 1, y0);
    plot(x1 + 1, y0++);
    plot(x0 - 1, y1);
    plot(x1 + 1, y1--);
  }

  for (long long y = 0; y < height; ++y) {
    if (minX[y] > maxX[y]) continue;
    const long long l = std::max<long long>(minX[y], 0);
    const long long r = std::min<long long>(maxX[y], width - 1);
    rows.push_back(RowSpan{static_cast<int>(top + y), static_cast<int>(left + l),
                           static_cast<int>(left + r + 1)});
  }
  return rows;
}

std::vector<uint8_t> AnalogOutlinePixels(int h, int m, int s, int k) {
  const int size = AnalogFaceSize(k);
  std::vector<uint8_t> px(static_cast<size_t>(size) * size, 0);
  auto add = [&](const DotBox& box) {
    for (const RowSpan& r : EllipseRows(box))
      for (int x = r.left; x < r.right; ++x)
        if (x >= 0 && x < size && r.y >= 0 && r.y < size) px[static_cast<size_t>(r.y) * size + x] = 1;
  };
  add(CenterDot(k));
  for (const DialMark& mark : DialMarks(k)) add(mark.box);
  for (HandKind hand : {HandKind::kHour, HandKind::kMinute, HandKind::kSecond})
    for (const DotBox& box : HandDots(hand, h, m, s, k)) add(box);
  return px;
}
