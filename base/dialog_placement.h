// Where a dialog places itself at initialisation: centred on a reference
// rectangle, then pushed inside the work area edge by edge. Size and Z order
// are not touched.
#pragma once

struct PlacementRect {
  int left, top, right, bottom;
};

struct PlacementPoint {
  int x, y;
};

// Top-left corner for a width x height dialog: centre of reference minus half
// the size (integer halves); then, per axis, a dialog starting before the work
// area's near edge starts at that edge, else one that passes the far edge ends
// there.
PlacementPoint PlaceDialog(const PlacementRect& reference, int width, int height,
                           const PlacementRect& workArea);
