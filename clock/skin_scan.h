// Skin scanning: from the pixels of a background bitmap to the window's
// outline (every pixel except those of the key colour, the colour of the
// top-left pixel) and the place of the digit area (`DigitOrigin`).
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "clock/region_shapes.h"

// What reading outside the bitmap gives (the platform's CLR_INVALID).
constexpr uint32_t kInvalidColor = 0xFFFFFFFFu;

// How the 32-bit values of a PixelGrid are laid out.
enum class PixelOrder {
  kColorRef,  // 0x00BBGGRR, as the platform's COLORREF
  kBgrx,      // 0x00RRGGBB: the memory order B, G, R, X of a 32-bit DIB
};

// A view of a bitmap's pixels; the scan does not copy or own them. Row y
// starts at pixels + y * stride (stride in pixels; negative for a bottom-up
// DIB whose last row comes first in memory, with pixels pointing at row 0).
// The top byte of every value is ignored.
struct PixelGrid {
  int width = 0;
  int height = 0;
  const uint32_t* pixels = nullptr;
  std::ptrdiff_t stride = 0;
  PixelOrder order = PixelOrder::kColorRef;

  // True when the grid describes readable pixels: a null pointer, a negative
  // size or a stride shorter than a row make the grid empty.
  bool Valid() const;
  // 0x00BBGGRR colour of (x, y), which must lie inside the grid.
  uint32_t At(int x, int y) const;
  // Like At, but kInvalidColor for a position outside the grid.
  uint32_t Read(int x, int y) const;
};

// Where the digits go, if a digit area was found: a column pair x and
// x + 109 that is pure black in 25 consecutive rows y ... y + 24, the first
// such place in column order (left to right, top to bottom within a column),
// with the key colour not black.
struct DigitOriginResult {
  bool found = false;
  int x = 0;
  int y = 0;
};
inline bool operator==(const DigitOriginResult& a, const DigitOriginResult& b) {
  return a.found == b.found && (!a.found || (a.x == b.x && a.y == b.y));
}

// One flag per pixel, row-major: 1 where the pixel is part of the outline.
struct PixelMask {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> inside;
  bool At(int x, int y) const {
    return inside[static_cast<size_t>(y) * width + x] != 0;
  }
};

// The outline as spans per row: for each row, top to bottom, the maximal
// runs of non-key pixels, left to right.
struct SkinOutline {
  int width = 0;
  int height = 0;
  std::vector<RowSpan> spans;
  DigitOriginResult digit;
};

// The straightforward construction: starts from the full rectangle, visits
// the columns x = 0 ... width and in each the rows y = 0 ... height (reads
// outside the bitmap give kInvalidColor and change nothing), toggles every
// key-coloured pixel out of the set and tests every non-key black pixel for
// the digit area until one is found. Slow (per-pixel work and up to 25 row
// tests per black pixel); the reference for ScanSkin. An empty grid gives
// an empty set and no digit area.
struct ReferenceSkinScan {
  PixelMask mask;
  DigitOriginResult digit;
};
ReferenceSkinScan ScanSkinReference(const PixelGrid& grid);

// The same pixel set and digit area as ScanSkinReference, reading each pixel
// once in row order, in time linear in the number of pixels.
SkinOutline ScanSkin(const PixelGrid& grid);

// The pixel set of an outline, for comparisons.
PixelMask MaskFromSpans(int width, int height, const std::vector<RowSpan>& spans);
