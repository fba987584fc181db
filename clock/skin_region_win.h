// Window outlines as GDI regions: the skin's outline read from a background
// bitmap, and regions built from rectangle lists.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "clock/region_shapes.h"
#include "clock/skin_scan.h"
#include "controls/picture_scale_win.h"  // Info32

// Reads the bitmap's pixels as 32-bit values in memory order B, G, R, X, top
// row first. False when the pixels cannot be read (memory running out for
// them ends the program; the skin loading itself uses SkinRegion).
bool ReadBitmapPixels(HBITMAP bitmap, int width, int height, std::vector<uint32_t>& pixels);

// Describes the pixels of a 32-bit DIB section of exactly width x height where
// they lie, in either row order. False for any other bitmap, and for a section
// whose row order cannot be told from its top and bottom rows.
bool DibSectionPixels(HBITMAP bitmap, int width, int height, PixelGrid& grid);

// A region of exactly the given rectangles (any number, banded or not); null
// when the system cannot make it. Small groups are created in one call each and
// merged pairwise, which stays fast where the system combines rectangles one by
// one.
HRGN RegionFromRects(const std::vector<RegionRect>& rects);

// The skin's outline: the bitmap's rectangle without every pixel of the colour
// at (0, 0). digitOrigin receives the first black-bordered 110 x 25 digit area
// in column order and is left unchanged when there is none. Null on failure.
// With k above 1 the bitmap is a picture drawn k times larger and is read in
// units of k x k cells (ScanSkinCells): the digit area is then 110k x 25k.
HRGN SkinRegion(HBITMAP bitmap, int width, int height, POINT* digitOrigin, int k = 1);
