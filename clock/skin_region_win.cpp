#include "clock/skin_region_win.h"

#include <algorithm>

#include "clock/skin_scan.h"
#include "controls/handles.h"

bool ReadBitmapPixels(HBITMAP bitmap, int width, int height, std::vector<uint32_t>& pixels) {
  if (!bitmap || width <= 0 || height <= 0) return false;
  pixels.assign(static_cast<size_t>(width) * height, 0);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  MemoryDC dc(CreateCompatibleDC(nullptr));
  if (!dc) return false;
  return GetDIBits(dc.get(), bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS) ==
         height;
}

namespace {

HRGN RegionFromRange(const RegionRect* rects, size_t count) {
  std::vector<char> buffer(sizeof(RGNDATAHEADER) + count * sizeof(RECT));
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = static_cast<DWORD>(count);
  data->rdh.nRgnSize = static_cast<DWORD>(count * sizeof(RECT));
  RECT bounds{0, 0, 0, 0};
  RECT* out = reinterpret_cast<RECT*>(data->Buffer);
  for (size_t i = 0; i < count; ++i) {
    out[i] = {rects[i].left, rects[i].top, rects[i].right, rects[i].bottom};
    if (i == 0) {
      bounds = out[i];
    } else {
      bounds.left = std::min(bounds.left, out[i].left);
      bounds.top = std::min(bounds.top, out[i].top);
      bounds.right = std::max(bounds.right, out[i].right);
      bounds.bottom = std::max(bounds.bottom, out[i].bottom);
    }
  }
  data->rdh.rcBound = bounds;
  return ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data);
}

}  // namespace

HRGN RegionFromRects(const std::vector<RegionRect>& rects) {
  if (rects.empty()) return CreateRectRgn(0, 0, 0, 0);
  // Groups of rectangles become one region each; the regions are then merged
  // pairwise, so no single union step works on more than a small piece plus
  // an already-merged half.
  const size_t kGroup = 32;
  std::vector<HRGN> parts;
  parts.reserve(rects.size() / kGroup + 1);
  for (size_t i = 0; i < rects.size(); i += kGroup) {
    HRGN part = RegionFromRange(rects.data() + i, std::min(kGroup, rects.size() - i));
    if (!part) {
      for (HRGN p : parts) DeleteObject(p);
      return nullptr;
    }
    parts.push_back(part);
  }
  while (parts.size() > 1) {
    size_t kept = 0;
    for (size_t i = 0; i < parts.size(); i += 2) {
      if (i + 1 < parts.size()) {
        CombineRgn(parts[i], parts[i], parts[i + 1], RGN_OR);
        DeleteObject(parts[i + 1]);
      }
      parts[kept++] = parts[i];
    }
    parts.resize(kept);
  }
  return parts.front();
}

HRGN SkinRegion(HBITMAP bitmap, int width, int height, POINT* digitOrigin) {
  std::vector<uint32_t> pixels;
  if (!ReadBitmapPixels(bitmap, width, height, pixels)) return nullptr;
  PixelGrid grid;
  grid.width = width;
  grid.height = height;
  grid.pixels = pixels.data();
  grid.stride = width;
  grid.order = PixelOrder::kBgrx;
  SkinOutline outline = ScanSkin(grid);
  if (outline.digit.found && digitOrigin) *digitOrigin = {outline.digit.x, outline.digit.y};
  return RegionFromRects(MergeRowSpans(std::move(outline.spans)));
}

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
