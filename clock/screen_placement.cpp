#include "clock/screen_placement.h"

#include <algorithm>

bool TouchesAnyMonitor(const ScreenRect& w, const ScreenRect* monitors, size_t count) {
  if (w.right <= w.left || w.bottom <= w.top) return false;
  for (size_t i = 0; i < count; ++i) {
    const ScreenRect& m = monitors[i];
    if (w.left < m.right && m.left < w.right && w.top < m.bottom && m.top < w.bottom) return true;
  }
  return false;
}

ScreenPoint PlaceOnScreen(int x, int y, int width, int height, const ScreenRect* monitors,
                          size_t count, const ScreenRect& work) {
  // 64-bit sums: a hostile saved position near INT_MAX must not overflow.
  long long right = static_cast<long long>(x) + width;
  long long bottom = static_cast<long long>(y) + height;
  ScreenRect window{x, y, static_cast<int>(std::min<long long>(right, 0x7fffffff)),
                    static_cast<int>(std::min<long long>(bottom, 0x7fffffff))};
  if (count > 0 && TouchesAnyMonitor(window, monitors, count)) return {x, y};
  int nx = std::min(x, work.right - width);
  int ny = std::min(y, work.bottom - height);
  nx = std::max(nx, work.left);
  ny = std::max(ny, work.top);
  return {nx, ny};
}
