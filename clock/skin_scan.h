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


// The outline as spans per row: for each row, top to bottom, the maximal
// runs of non-key pixels, left to right.
struct SkinOutline {
  int width = 0;
  int height = 0;
  std::vector<RowSpan> spans;
  DigitOriginResult digit;
};


// The outline and digit area, reading each pixel once in row order, in time
// linear in the number of pixels. (The tests hold a per-pixel construction
// that it must match exactly.)
SkinOutline ScanSkin(const PixelGrid& grid);

// A picture drawn k times larger is read in units of k x k cells: the top-left
// pixel of each cell stands for the cell. The outline and the digit area are
// those of the picture of cells, in full-size pixels (positions and spans k
// times larger, cut at the picture's edges); so a picture enlarged pixel by
// pixel, or drawn larger with the same key-coloured cells, has exactly the
// outline of the original, enlarged. k = 1 is ScanSkin.
SkinOutline ScanSkinCells(const PixelGrid& grid, int k);

// The picture of cells of grid: ceil(width / k) x ceil(height / k) pixels,
// the top-left pixel of each cell, copied into buffer (in the grid's pixel
// order). An invalid grid gives an empty one.
PixelGrid SampleCells(const PixelGrid& grid, int k, std::vector<uint32_t>& buffer);

// The same scan fed a band of rows at a time, so that a large picture needs
// neither a copy of all its pixels nor all its spans at once. Bands come top
// to bottom and together hold every row of a width x height picture; the key
// colour is the first band's top-left pixel. Each band's spans are appended
// to spans (y counted from the picture's top); the digit area is known after
// the last band.
class SkinScanner {
 public:
  SkinScanner(int width, int height);
  // band: rows firstRow ... firstRow + band.height - 1 of the picture, width
  // pixels each. False when the band does not fit the picture or follow the
  // previous one.
  bool AddBand(const PixelGrid& band, int firstRow, std::vector<RowSpan>& spans);
  bool Complete() const { return nextRow_ == height_; }
  const DigitOriginResult& Digit() const { return digit_; }

 private:
  int width_;
  int height_;
  int nextRow_ = 0;
  uint32_t key_ = 0;
  bool searchDigits_ = false;
  std::vector<uint8_t> blackRun_;
  int searchLimit_ = 0;
  DigitOriginResult digit_;
};
