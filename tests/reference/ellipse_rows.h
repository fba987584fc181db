// A model of the platform's elliptic regions, for checking the dots of the
// analog face pixel by pixel.
#pragma once
#include <cstdint>
#include <vector>

#include "clock/face_geometry.h"

// The pixels of the elliptic region that the platform makes from `box`, as
// one span per row, top to bottom. The right column and bottom row of the box
// are not part of it: an 8 x 8 box gives a 7 x 7 disc, a 4 x 4 box a plus of
// five pixels. The shape is the filled ellipse rasterised into the remaining
// (width - 1) x (height - 1) pixels so that it touches all four sides. A box
// narrower or lower than 2 pixels, or wider or higher than 65537, gives no
// pixels; a box given with swapped corners is normalised first.
std::vector<RowSpan> EllipseRows(const DotBox& box);

// The analog face's outline at h:m:s and scale k, one byte a pixel (1 inside),
// rows top to bottom: the dial's dots and the hands' dots as the platform's
// elliptic regions cover them.
std::vector<uint8_t> AnalogOutlinePixels(int h, int m, int s, int k = 1);
