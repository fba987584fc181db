#include "clock/skin_scan.h"

#include <algorithm>

#include "clock/face_geometry.h"
#include "clock/face_scale.h"

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

SkinScanner::SkinScanner(int width, int height) : width_(width), height_(height) {}

bool SkinScanner::AddBand(const PixelGrid& band, int firstRow, std::vector<RowSpan>& spans) {
  if (!band.Valid() || band.width != width_ || firstRow != nextRow_ || band.height > height_ - firstRow) return false;
  const int w = width_;
  if (firstRow == 0) {
    key_ = band.At(0, 0);
    // With a black key no pixel is both non-key and black: no digit area.
    searchDigits_ = key_ != kBlack && w > kDigitRightOffset && height_ >= kDigitAreaHeight;
    // Per column, the number of black pixels ending at the current row,
    // counted up to the digit area's height.
    blackRun_.assign(searchDigits_ ? w : 0, 0);
    // Candidates must start left of the best one found so far; the leftmost
    // possible column pair ends at the right edge.
    searchLimit_ = w - kDigitRightOffset;
  }
  for (int row = 0; row < band.height; ++row) {
    const int y = firstRow + row;
    int runStart = -1;
    for (int x = 0; x < w; ++x) {
      const uint32_t c = band.At(x, row);
      if (c == key_) {
        if (runStart >= 0) {
          spans.push_back(RowSpan{y, runStart, x});
          runStart = -1;
        }
        if (searchDigits_) blackRun_[x] = 0;
      } else {
        if (runStart < 0) runStart = x;
        if (searchDigits_) {
          if (c == kBlack) {
            if (blackRun_[x] < kDigitAreaHeight) ++blackRun_[x];
          } else {
            blackRun_[x] = 0;
          }
        }
      }
    }
    if (runStart >= 0) spans.push_back(RowSpan{y, runStart, w});

    // A column pair that has been black for the last 25 rows is a digit area
    // whose top row is y - 24. Scanning rows downwards, the first time a
    // column qualifies gives its topmost place; only a column further left
    // can improve on a place already found.
    if (searchDigits_ && y >= kDigitAreaHeight - 1) {
      for (int x = 0; x < searchLimit_; ++x) {
        if (blackRun_[x] == kDigitAreaHeight && blackRun_[x + kDigitRightOffset] == kDigitAreaHeight) {
          digit_.found = true;
          digit_.x = x;
          digit_.y = y - (kDigitAreaHeight - 1);
          searchLimit_ = x;
          break;
        }
      }
    }
  }
  nextRow_ = firstRow + band.height;
  return true;
}

SkinOutline ScanSkin(const PixelGrid& grid) {
  SkinOutline out;
  if (!grid.Valid()) return out;
  out.width = grid.width;
  out.height = grid.height;
  SkinScanner scanner(grid.width, grid.height);
  scanner.AddBand(grid, 0, out.spans);
  out.digit = scanner.Digit();
  return out;
}

PixelGrid SampleCells(const PixelGrid& grid, int k, std::vector<uint32_t>& buffer) {
  PixelGrid cells;
  if (!grid.Valid() || k < 1) return cells;
  cells.width = (grid.width + k - 1) / k;
  cells.height = (grid.height + k - 1) / k;
  buffer.resize(static_cast<size_t>(cells.width) * cells.height);
  for (int y = 0; y < cells.height; ++y) {
    const uint32_t* row = grid.pixels + static_cast<std::ptrdiff_t>(y) * k * grid.stride;
    uint32_t* out = buffer.data() + static_cast<size_t>(y) * cells.width;
    for (int x = 0; x < cells.width; ++x) out[x] = row[static_cast<std::ptrdiff_t>(x) * k];
  }
  cells.pixels = buffer.data();
  cells.stride = cells.width;
  cells.order = grid.order;
  return cells;
}

SkinOutline ScanSkinCells(const PixelGrid& grid, int k) {
  if (k <= 1) return ScanSkin(grid);
  SkinOutline out;
  if (!grid.Valid()) return out;
  std::vector<uint32_t> buffer;
  const SkinOutline cells = ScanSkin(SampleCells(grid, k, buffer));
  out.width = grid.width;
  out.height = grid.height;
  ExpandCellSpans(cells.spans, k, grid.width, grid.height, out.spans);
  out.digit = cells.digit;
  out.digit.x *= k;
  out.digit.y *= k;
  return out;
}
