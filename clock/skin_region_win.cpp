#include "clock/skin_region_win.h"

#include <algorithm>

#include "clock/skin_scan.h"
#include "controls/handles_win.h"

namespace {

// A 32-bit BI_RGB description of a width x height picture; a negative height
// puts the top row first.
BITMAPINFO Info32(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

}  // namespace

bool ReadBitmapPixels(HBITMAP bitmap, int width, int height, std::vector<uint32_t>& pixels) {
  if (!bitmap || width <= 0 || height <= 0) return false;
  pixels.assign(static_cast<size_t>(width) * height, 0);
  BITMAPINFO info = Info32(width, -height);  // top row first
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

namespace {

// One row of the bitmap as the system reads it (0 = top row), 32 bits a pixel.
bool ReadRow(HDC dc, HBITMAP bitmap, int width, int height, int row, std::vector<uint32_t>& out) {
  out.assign(static_cast<size_t>(width), 0);
  BITMAPINFO info = Info32(width, height);  // bottom-up: scan line 0 is the bottom row
  return GetDIBits(dc, bitmap, static_cast<UINT>(height - 1 - row), 1, out.data(), &info, DIB_RGB_COLORS) == 1;
}

// Two rows of 32-bit pixels alike in colour (the unused fourth byte aside).
bool SameRow(const uint32_t* a, const uint32_t* b, int width) {
  for (int x = 0; x < width; ++x)
    if (((a[x] ^ b[x]) & 0xFFFFFFu) != 0) return false;
  return true;
}

}  // namespace

bool DibSectionPixels(HBITMAP bitmap, int width, int height, PixelGrid& grid) {
  DIBSECTION section{};
  if (!bitmap || width <= 0 || height <= 0) return false;
  if (GetObjectA(bitmap, sizeof section, &section) != static_cast<int>(sizeof section)) return false;
  if (!section.dsBm.bmBits || section.dsBmih.biBitCount != 32 || section.dsBmih.biCompression != BI_RGB) return false;
  if (section.dsBm.bmWidth != width || section.dsBm.bmHeight != height) return false;
  if (section.dsBm.bmWidthBytes < width * 4 || section.dsBm.bmWidthBytes % 4 != 0) return false;
  GdiFlush();  // drawing still queued for the bitmap lands before its bits are read
  const std::ptrdiff_t stride = section.dsBm.bmWidthBytes / 4;
  const auto* first = static_cast<const uint32_t*>(section.dsBm.bmBits);
  const uint32_t* last = first + (height - 1) * stride;
  // The sign of the height that tells the row order is not reported alike by
  // every system, so the order is read off the picture: the first row that
  // differs from its mirror row (counted from the other end) is read back
  // through the system and must match one of the two. A picture in which no
  // row differs from its mirror reads the same either way.
  bool topDown = true;
  for (int row = 0; row < height / 2; ++row) {
    const uint32_t* upper = first + row * stride;
    const uint32_t* lower = last - row * stride;
    if (SameRow(upper, lower, width)) continue;
    MemoryDC dc(CreateCompatibleDC(nullptr));
    std::vector<uint32_t> seen;
    if (!dc || !ReadRow(dc.get(), bitmap, width, height, row, seen)) return false;
    if (SameRow(upper, seen.data(), width)) {
      topDown = true;
    } else if (SameRow(lower, seen.data(), width)) {
      topDown = false;
    } else {
      return false;
    }
    break;
  }
  grid.width = width;
  grid.height = height;
  grid.order = PixelOrder::kBgrx;
  grid.pixels = topDown ? first : last;
  grid.stride = topDown ? stride : -stride;
  return true;
}

HRGN SkinRegion(HBITMAP bitmap, int width, int height, POINT* digitOrigin) {
  // A 32-bit DIB section is scanned where it lies; any other bitmap is first
  // read into a 32-bit copy.
  std::vector<uint32_t> pixels;
  PixelGrid grid;
  if (!DibSectionPixels(bitmap, width, height, grid)) {
    if (!ReadBitmapPixels(bitmap, width, height, pixels)) return nullptr;
    grid = PixelGrid{};
    grid.width = width;
    grid.height = height;
    grid.pixels = pixels.data();
    grid.stride = width;
    grid.order = PixelOrder::kBgrx;
  }
  SkinOutline outline = ScanSkin(grid);
  if (outline.digit.found && digitOrigin) *digitOrigin = {outline.digit.x, outline.digit.y};
  return RegionFromRects(MergeRowSpans(std::move(outline.spans)));
}
