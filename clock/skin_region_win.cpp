#include "clock/skin_region_win.h"

#include <algorithm>
#include <memory>
#include <new>

#include "clock/face_scale.h"
#include "clock/skin_scan.h"
#include "controls/handles_win.h"

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

namespace {

// Unions regions as they come while holding only a few at a time: merged
// halves are kept as a binary counter (two of the same size are merged at
// once), and when kMaxHeld are held the newest two are merged anyway. So a
// picture of any size or pattern needs a small fixed number of GDI objects,
// where the platform's heap for them is small (Windows 9x) or limited per
// process (10,000 on the NT family).
class RegionAccumulator {
 public:
  static constexpr size_t kMaxHeld = 12;

  // Takes region (false, and the whole union fails, when it is null or a
  // merge fails).
  bool Add(HRGN region) {
    if (failed_ || !region) return Fail(region);
    held_.push_back({Region(region), 0});
    while (held_.size() >= 2 &&
           (held_[held_.size() - 1].level == held_[held_.size() - 2].level || held_.size() > kMaxHeld))
      if (!MergeNewest()) return false;
    return true;
  }
  bool Add(const RegionRect* rects, size_t count) { return Add(RegionFromRange(rects, count)); }

  // The union of everything added (an empty region when nothing was); null
  // after a failure.
  HRGN Finish() {
    if (failed_) return nullptr;
    while (held_.size() > 1)
      if (!MergeNewest()) return nullptr;
    if (held_.empty()) return CreateRectRgn(0, 0, 0, 0);
    HRGN out = held_.front().region.Release();
    held_.clear();
    return out;
  }

 private:
  struct Held {
    Region region;
    int level;
  };
  bool Fail(HRGN region) {
    if (region) DeleteObject(region);
    failed_ = true;
    held_.clear();
    return false;
  }
  bool MergeNewest() {
    Held newest = std::move(held_.back());
    held_.pop_back();
    Held& older = held_.back();
    if (CombineRgn(older.region.get(), older.region.get(), newest.region.get(), RGN_OR) == ERROR) return Fail(nullptr);
    older.level = std::max(older.level, newest.level) + 1;
    return true;
  }

  std::vector<Held> held_;
  bool failed_ = false;
};

// Rectangles per region made in one call: small groups stay fast where the
// system combines the rectangles of one call one by one.
constexpr size_t kRectGroup = 32;

bool AddRects(RegionAccumulator& accumulator, const std::vector<RegionRect>& rects) {
  for (size_t i = 0; i < rects.size(); i += kRectGroup)
    if (!accumulator.Add(rects.data() + i, std::min(kRectGroup, rects.size() - i))) return false;
  return true;
}

}  // namespace

HRGN RegionFromRects(const std::vector<RegionRect>& rects) {
  RegionAccumulator accumulator;
  if (!AddRects(accumulator, rects)) return nullptr;
  return accumulator.Finish();
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

namespace {

// Rows scanned and turned into a region at a time: the spans and rectangles
// of one band are all that is held, whatever the picture's size.
constexpr int kBandRows = 64;

HRGN BuildSkinRegion(HBITMAP bitmap, int width, int height, POINT* digitOrigin, int k) {
  // A 32-bit DIB section is scanned where it lies; any other bitmap is read
  // into a 32-bit band of rows at a time.
  // A band holds whole rows of cells.
  const int bandRows = kBandRows * k;
  PixelGrid whole;
  const bool inPlace = DibSectionPixels(bitmap, width, height, whole);
  MemoryDC dc;
  // The band buffer is the large allocation of a large picture: memory
  // running out for it makes the skin one that cannot be used.
  std::unique_ptr<uint32_t[]> rows;
  if (!inPlace) {
    dc.Reset(CreateCompatibleDC(nullptr));
    if (!dc) return nullptr;
    rows.reset(new (std::nothrow) uint32_t[static_cast<size_t>(width) * std::min(bandRows, height)]);
    if (!rows) return nullptr;
  }
  // A band's working lists (its spans, then its rectangles) grow with the
  // picture's width, to at most one span per two pixels, and the lists may
  // hold twice what they use as they grow. Memory for that much is asked for
  // first without ending the program: a picture the memory cannot take is one
  // that cannot be used. The block is given back at once, so the lists find it.
  const size_t bandSpans = static_cast<size_t>(std::min(bandRows, height)) * (static_cast<size_t>(width) / 2 + 1);
  std::unique_ptr<char[]> headroom(new (std::nothrow) char[2 * bandSpans * (sizeof(RowSpan) + sizeof(RegionRect))]);
  if (!headroom) return nullptr;
  headroom.reset();
  SkinScanner scanner((width + k - 1) / k, (height + k - 1) / k);
  RegionAccumulator accumulator;
  std::vector<RowSpan> spans, cellSpans;
  std::vector<uint32_t> cells;
  for (int top = 0; top < height; top += bandRows) {
    const int count = std::min(bandRows, height - top);
    PixelGrid band;
    band.width = width;
    band.height = count;
    band.order = PixelOrder::kBgrx;
    if (inPlace) {
      band.pixels = whole.pixels + static_cast<std::ptrdiff_t>(top) * whole.stride;
      band.stride = whole.stride;
    } else {
      // Read bottom-up, as the platform numbers scan lines from the bottom:
      // the band's last row comes first in the buffer.
      BITMAPINFO info = Info32(width, height);
      if (GetDIBits(dc.get(), bitmap, static_cast<UINT>(height - top - count), static_cast<UINT>(count), rows.get(),
                    &info, DIB_RGB_COLORS) != count)
        return nullptr;
      band.pixels = rows.get() + static_cast<size_t>(count - 1) * width;
      band.stride = -static_cast<std::ptrdiff_t>(width);
    }
    spans.clear();
    if (k == 1) {
      if (!scanner.AddBand(band, top, spans)) return nullptr;
    } else {
      cellSpans.clear();
      if (!scanner.AddBand(SampleCells(band, k, cells), top / k, cellSpans)) return nullptr;
      ExpandCellSpans(cellSpans, k, width, height, spans);
    }
    if (!AddRects(accumulator, MergeRowSpans(std::move(spans)))) return nullptr;
    spans = std::vector<RowSpan>();
  }
  const DigitOriginResult& digit = scanner.Digit();
  if (digit.found && digitOrigin) *digitOrigin = {digit.x * k, digit.y * k};
  return accumulator.Finish();
}

}  // namespace

HRGN SkinRegion(HBITMAP bitmap, int width, int height, POINT* digitOrigin, int k) {
  if (!bitmap || width <= 0 || height <= 0 || k < 1 || k > kMaxFaceScale) return nullptr;
  return BuildSkinRegion(bitmap, width, height, digitOrigin, k);
}
