#include "clock/region_shapes.h"

#include <algorithm>
#include <cstddef>

std::vector<RegionRect> MergeRowSpans(std::vector<RowSpan> spans) {
  spans.erase(std::remove_if(spans.begin(), spans.end(),
                             [](const RowSpan& s) { return s.left >= s.right; }),
              spans.end());
  auto rowOrder = [](const RowSpan& a, const RowSpan& b) {
    return a.y != b.y ? a.y < b.y : a.left < b.left;
  };
  // Scanned outlines arrive in order already; only sort what is not.
  if (!std::is_sorted(spans.begin(), spans.end(), rowOrder)) {
    std::sort(spans.begin(), spans.end(), rowOrder);
  }
  // Coalesce overlapping or touching spans of the same row in place.
  size_t kept = 0;
  for (size_t i = 0; i < spans.size(); ++i) {
    if (kept > 0 && spans[kept - 1].y == spans[i].y &&
        spans[i].left <= spans[kept - 1].right) {
      spans[kept - 1].right = std::max(spans[kept - 1].right, spans[i].right);
    } else {
      spans[kept++] = spans[i];
    }
  }
  spans.resize(kept);

  std::vector<RegionRect> rects;
  size_t bandStart = 0;  // first span of the current band's first row
  size_t bandEnd = 0;    // one past the spans of that row
  int bandTop = 0;
  int bandBottom = 0;    // one past the last row merged into the band
  auto flush = [&]() {
    for (size_t i = bandStart; i < bandEnd; ++i) {
      rects.push_back(
          RegionRect{spans[i].left, bandTop, spans[i].right, bandBottom});
    }
  };
  size_t i = 0;
  while (i < spans.size()) {
    const int y = spans[i].y;
    size_t rowEnd = i;
    while (rowEnd < spans.size() && spans[rowEnd].y == y) ++rowEnd;
    bool same = bandEnd > bandStart && y == bandBottom &&
                rowEnd - i == bandEnd - bandStart;
    for (size_t k = 0; same && k < rowEnd - i; ++k) {
      same = spans[i + k].left == spans[bandStart + k].left &&
             spans[i + k].right == spans[bandStart + k].right;
    }
    if (same) {
      bandBottom = y + 1;
    } else {
      flush();
      bandStart = i;
      bandEnd = rowEnd;
      bandTop = y;
      bandBottom = y + 1;
    }
    i = rowEnd;
  }
  flush();
  return rects;
}
