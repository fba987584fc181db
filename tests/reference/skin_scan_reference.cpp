#include "tests/reference/skin_scan_reference.h"

#include <algorithm>

#include "clock/face_geometry.h"

namespace {

constexpr uint32_t kBlack = 0;
// Rightmost column of the digit area, relative to its left column.
constexpr int kDigitRightOffset = kDigitAreaWidth - 1;

}  // namespace

ReferenceSkinScan ScanSkinReference(const PixelGrid& grid) {
  ReferenceSkinScan result;
  if (!grid.Valid()) return result;
  const int w = grid.width;
  const int h = grid.height;
  result.mask.width = w;
  result.mask.height = h;
  result.mask.inside.assign(static_cast<size_t>(w) * h, 1);

  const uint32_t key = grid.Read(0, 0);
  for (int x = 0; x <= w; ++x) {
    for (int y = 0; y <= h; ++y) {
      const uint32_t c = grid.Read(x, y);
      if (c == key) {
        // Toggle the single pixel; a key pixel always lies inside the
        // rectangle, so this removes it.
        result.mask.inside[static_cast<size_t>(y) * w + x] ^= 1;
      } else if (c == kBlack && !result.digit.found) {
        int row = y;
        while (row < y + kDigitAreaHeight && grid.Read(x, row) == kBlack &&
               grid.Read(x + kDigitRightOffset, row) == kBlack) {
          ++row;
        }
        if (row == y + kDigitAreaHeight) {
          result.digit.found = true;
          result.digit.x = x;
          result.digit.y = y;
        }
      }
    }
  }
  return result;
}

PixelMask MaskFromSpans(int width, int height,
                        const std::vector<RowSpan>& spans) {
  PixelMask mask;
  if (width <= 0 || height <= 0) return mask;
  mask.width = width;
  mask.height = height;
  mask.inside.assign(static_cast<size_t>(width) * height, 0);
  for (const RowSpan& s : spans) {
    if (s.y < 0 || s.y >= height) continue;
    const int l = std::max(s.left, 0);
    const int r = std::min(s.right, width);
    for (int x = l; x < r; ++x) {
      mask.inside[static_cast<size_t>(s.y) * width + x] = 1;
    }
  }
  return mask;
}
