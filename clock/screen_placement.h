// Where a clock window saved at some position may start: a window that lies
// wholly outside every monitor (a monitor that has gone) would be unreachable,
// so only then it is moved inside the primary work area.
#pragma once
#include <cstddef>

struct ScreenRect {
  int left, top, right, bottom;
};

// True when the window rectangle shares at least one pixel with a monitor.
bool TouchesAnyMonitor(const ScreenRect& window, const ScreenRect* monitors, size_t count);

struct ScreenPoint {
  int x, y;
};

// The top-left corner for a width x height window saved at (x, y): unchanged
// when the window touches a monitor; otherwise the nearest position whose window
// lies inside workArea (its top-left corner when the window is larger).
ScreenPoint PlaceOnScreen(int x, int y, int width, int height, const ScreenRect* monitors,
                          size_t count, const ScreenRect& workArea);
