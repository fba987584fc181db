// The face scale: how many screen pixels one pixel of a face's artwork takes,
// chosen from the screen's DPI or fixed by the user.
#pragma once
#include <vector>

#include "base/picture_scale.h"
#include "clock/region_shapes.h"

// The largest scale a user can fix in the settings (0 there is automatic).
constexpr int kMaxChosenFaceScale = 3;

// The scale a face is drawn at: the setting when it is 1 to 3, otherwise
// (0, or a value out of range) the one the DPI gives.
int EffectiveFaceScale(int setting, int dpi);

// Row spans found on a picture read one pixel per k x k cell (cell
// coordinates) as spans of the full picture: each cell row becomes k rows
// and each span k times as long, cut at the picture's width and height.
void ExpandCellSpans(const std::vector<RowSpan>& cells, int k, int width, int height, std::vector<RowSpan>& out);
