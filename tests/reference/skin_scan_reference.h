// The per-pixel outline construction that ScanSkin must match exactly, and a
// pixel mask to compare outlines by.
#pragma once
#include <cstdint>
#include <vector>

#include "clock/skin_scan.h"

// One flag per pixel, row-major: 1 where the pixel is part of the outline.
struct PixelMask {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> inside;
  bool At(int x, int y) const {
    return inside[static_cast<size_t>(y) * width + x] != 0;
  }
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

// The pixel set of an outline, for comparisons.
PixelMask MaskFromSpans(int width, int height, const std::vector<RowSpan>& spans);
