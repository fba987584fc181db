#include "tests/reference/skin_region_reference_win.h"

#include <algorithm>

#include "controls/handles_win.h"

HRGN SkinRegionPerPixel(HDC reference, HBITMAP bitmap, int width, int height, POINT* digitOrigin) {
  MemoryDC dc(CreateCompatibleDC(reference));
  if (!dc) return nullptr;
  SelectGuard select(dc.get(), bitmap);
  HRGN region = CreateRectRgn(0, 0, width, height);
  if (!region) return nullptr;
  COLORREF key = GetPixel(dc.get(), 0, 0);
  bool found = false;
  for (int x = 0; x <= width; ++x) {
    for (int y = 0; y <= height; ++y) {
      COLORREF c = GetPixel(dc.get(), x, y);
      if (c == CLR_INVALID) continue;
      if (c == key) {
        Region pixel(CreateRectRgn(x, y, x + 1, y + 1));
        CombineRgn(region, region, pixel.get(), RGN_XOR);
      } else if (c == 0 && !found) {
        int row = y;
        while (row < y + 25 && GetPixel(dc.get(), x, row) == 0 && GetPixel(dc.get(), x + 109, row) == 0) ++row;
        if (row == y + 25) {
          found = true;
          if (digitOrigin) *digitOrigin = {x, y};
        }
      }
    }
  }
  return region;
}

std::vector<uint8_t> RegionPixels(HRGN region, int width, int height) {
  std::vector<uint8_t> inside(static_cast<size_t>(width) * height, 0);
  DWORD size = GetRegionData(region, 0, nullptr);
  if (!size) return inside;
  std::vector<char> buffer(size);
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  if (!GetRegionData(region, size, data)) return inside;
  const RECT* rects = reinterpret_cast<const RECT*>(data->Buffer);
  for (DWORD i = 0; i < data->rdh.nCount; ++i) {
    for (int y = std::max(0L, rects[i].top); y < std::min<long>(height, rects[i].bottom); ++y)
      for (int x = std::max(0L, rects[i].left); x < std::min<long>(width, rects[i].right); ++x)
        inside[static_cast<size_t>(y) * width + x] = 1;
  }
  return inside;
}
