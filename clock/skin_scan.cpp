#include "clock/skin_scan.h"

#include <algorithm>

#include "clock/face_geometry.h"

namespace {

constexpr uint32_t kColorMask = 0x00FFFFFFu;
constexpr uint32_t kBlack = 0;
// Rightmost column of the digit area, relative to its left column.
constexpr int kDigitRightOffset = kDigitAreaWidth - 1;

}  // namespace

bool PixelGrid::Valid() const {
  if (width <= 0 || height <= 0 || pixels == nullptr) return false;
  const std::ptrdiff_t rowLength = stride < 0 ? -stride : stride;
  return rowLength >= width;
}

uint32_t PixelGrid::At(int x, int y) const {
  const uint32_t v = pixels[static_cast<std::ptrdiff_t>(y) * stride + x];
  if (order == PixelOrder::kBgrx) {
    return ((v & 0xFFu) << 16) | (v & 0xFF00u) | ((v >> 16) & 0xFFu);
  }
  return v & kColorMask;
}

uint32_t PixelGrid::Read(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return kInvalidColor;
  return At(x, y);
}

SkinOutline ScanSkin(const PixelGrid& grid) {
  SkinOutline out;
  if (!grid.Valid()) return out;
  const int w = grid.width;
  const int h = grid.height;
  out.width = w;
  out.height = h;

  const uint32_t key = grid.At(0, 0);
  // With a black key no pixel is both non-key and black: no digit area.
  const bool searchDigits = key != kBlack && w > kDigitRightOffset &&
                            h >= kDigitAreaHeight;
  // Per column, the number of black pixels ending at the current row,
  // counted up to the digit area's height.
  std::vector<uint8_t> blackRun(searchDigits ? w : 0, 0);
  // Candidates must start left of the best one found so far; the leftmost
  // possible column pair ends at the right edge.
  int searchLimit = w - kDigitRightOffset;

  for (int y = 0; y < h; ++y) {
    int runStart = -1;
    for (int x = 0; x < w; ++x) {
      const uint32_t c = grid.At(x, y);
      if (c == key) {
        if (runStart >= 0) {
          out.spans.push_back(RowSpan{y, runStart, x});
          runStart = -1;
        }
        if (searchDigits) blackRun[x] = 0;
      } else {
        if (runStart < 0) runStart = x;
        if (searchDigits) {
          if (c == kBlack) {
            if (blackRun[x] < kDigitAreaHeight) ++blackRun[x];
          } else {
            blackRun[x] = 0;
          }
        }
      }
    }
    if (runStart >= 0) out.spans.push_back(RowSpan{y, runStart, w});

    // A column pair that has been black for the last 25 rows is a digit area
    // whose top row is y - 24. Scanning rows downwards, the first time a
    // column qualifies gives its topmost place; only a column further left
    // can improve on a place already found.
    if (searchDigits && y >= kDigitAreaHeight - 1) {
      for (int x = 0; x < searchLimit; ++x) {
        if (blackRun[x] == kDigitAreaHeight &&
            blackRun[x + kDigitRightOffset] == kDigitAreaHeight) {
          out.digit.found = true;
          out.digit.x = x;
          out.digit.y = y - (kDigitAreaHeight - 1);
          searchLimit = x;
          break;
        }
      }
    }
  }
  return out;
}
