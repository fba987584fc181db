// Pixel sets as the clock's window regions need them: spans of pixels per
// row, and rectangles banded the way the platform's region data lists them.
#pragma once
#include <vector>

// One row of pixels: x from left to right - 1 on row y.
struct RowSpan {
  int y = 0;
  int left = 0;
  int right = 0;
};
inline bool operator==(const RowSpan& a, const RowSpan& b) {
  return a.y == b.y && a.left == b.left && a.right == b.right;
}

// A rectangle of a region: left/top inclusive, right/bottom exclusive.
struct RegionRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};
inline bool operator==(const RegionRect& a, const RegionRect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right &&
         a.bottom == b.bottom;
}

// Turns row spans (any order, overlaps allowed, empty spans ignored) into a
// banded rectangle list: bands from top to bottom, rectangles left to right
// within a band, no two rectangles overlapping or touching side by side, and
// consecutive rows with identical spans merged into one band. The result
// covers exactly the union of the spans and can be handed to the platform as
// region data in this order.
std::vector<RegionRect> MergeRowSpans(std::vector<RowSpan> spans);
