// Benchmark of the skin outline under Wine or Windows: the pixel-by-pixel
// construction against the run-based one, and a plain read of every pixel, for
// three sizes and two kinds of skin; then checkerboards, the hardest outline.
// Prints times in milliseconds and the ratios measured in this one run.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "clock/clock_window_win.h"
#include "clock/skin_region_win.h"
#include "controls/handles_win.h"
#include "controls/module_win.h"
#include "tests/reference/skin_region_reference_win.h"
#include "tests/support/stopwatch_win.h"

namespace {

double Now() { return MillisecondsNow(); }

// A skin: key-colour border with rounded corners and one hole; the hard kind
// also scatters the key colour through the picture (short runs on every row).
HBITMAP MakeSkin(int w, int h, bool hard) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  auto* px = static_cast<uint32_t*>(bits);
  const uint32_t key = 0xFF00FF;
  std::mt19937 rng(1234);
  int r = std::min(w, h) / 5;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      bool out = x < 2 || y < 2 || x >= w - 2 || y >= h - 2;
      int cx = x < r ? r : (x >= w - r ? w - 1 - r : x);
      int cy = y < r ? r : (y >= h - r ? h - 1 - r : y);
      if ((x - cx) * (x - cx) + (y - cy) * (y - cy) > r * r) out = true;
      if (x > w / 2 - w / 10 && x < w / 2 + w / 10 && y > h / 2 - h / 8 && y < h / 2 + h / 8) out = true;
      if (hard && !out && rng() % 23 == 0) out = true;
      px[y * w + x] = out ? key : (0x203040u + static_cast<uint32_t>((x * 7 + y * 3) & 0x7F));
    }
  return bmp;
}

}  // namespace

int main() {
  module::Init(GetModuleHandleA(nullptr));
  printf("skin outline: times in ms\n");
  printf("%-10s %-6s %10s %10s %10s %10s %10s %9s %9s %9s\n", "size", "kind", "rects", "per-pixel", "fast",
         "getpixel", "getdibits", "pp/fast", "fast/gp", "fast/dib");
  const int sizes[][2] = {{200, 60}, {640, 480}, {1920, 1080}};
  for (const auto& s : sizes) {
    for (bool hard : {false, true}) {
      int w = s[0], h = s[1];
      Bitmap bmp(MakeSkin(w, h, hard));
      // Plain reads of every pixel once: one colour query per pixel, and one bulk read.
      double t0 = Now();
      {
        MemoryDC dc(CreateCompatibleDC(nullptr));
        SelectGuard sel(dc.get(), bmp.get());
        volatile COLORREF sink = 0;
        for (int y = 0; y < h; ++y)
          for (int x = 0; x < w; ++x) sink = sink + GetPixel(dc.get(), x, y);
      }
      double getPixelMs = Now() - t0;
      t0 = Now();
      std::vector<uint32_t> pixels;
      ReadBitmapPixels(bmp.get(), w, h, pixels);
      double dibMs = Now() - t0;

      POINT fastOrigin{0, 0};
      t0 = Now();
      Region fast(SkinRegion(bmp.get(), w, h, &fastOrigin));
      double fastMs = Now() - t0;
      DWORD rects = 0;
      if (DWORD size = GetRegionData(fast.get(), 0, nullptr)) {
        std::vector<char> buf(size);
        GetRegionData(fast.get(), size, reinterpret_cast<RGNDATA*>(buf.data()));
        rects = reinterpret_cast<RGNDATA*>(buf.data())->rdh.nCount;
      }

      double perPixelMs = -1;
      bool same = true;
      if (w * h <= 640 * 480) {
        POINT slowOrigin{0, 0};
        t0 = Now();
        Region slow(SkinRegionPerPixel(nullptr, bmp.get(), w, h, &slowOrigin));
        perPixelMs = Now() - t0;
        same = EqualRgn(slow.get(), fast.get()) || RegionPixels(slow.get(), w, h) == RegionPixels(fast.get(), w, h);
        same = same && slowOrigin.x == fastOrigin.x && slowOrigin.y == fastOrigin.y;
      }
      char label[32];
      snprintf(label, sizeof label, "%dx%d", w, h);
      if (perPixelMs >= 0)
        printf("%-10s %-6s %10lu %10.1f %10.2f %10.1f %10.2f %9.0f %9.3f %9.1f %s\n", label, hard ? "hard" : "plain",
               rects, perPixelMs, fastMs, getPixelMs, dibMs, perPixelMs / fastMs, fastMs / getPixelMs, fastMs / dibMs,
               same ? "identical" : "DIFFERENT");
      else
        printf("%-10s %-6s %10lu %10s %10.2f %10.1f %10.2f %9s %9.3f %9.1f (per-pixel skipped)\n", label,
               hard ? "hard" : "plain", rects, "-", fastMs, getPixelMs, dibMs, "-", fastMs / getPixelMs, fastMs / dibMs);
      fflush(stdout);
    }
  }

  // Checkerboards of 1-bit pixels, the hardest outline there is: no two
  // outline pixels touch along a side, so the region has one rectangle a pixel.
  // The build holds a bounded number of GDI objects whatever the size.
  printf("\ncheckerboard outline (1-bit picture): build time, rectangles, peak GDI objects held\n");
  for (int side : {1000, 2000, 4000}) {
    BITMAPINFO* info = static_cast<BITMAPINFO*>(calloc(1, sizeof(BITMAPINFOHEADER) + 2 * sizeof(RGBQUAD)));
    info->bmiHeader.biSize = sizeof info->bmiHeader;
    info->bmiHeader.biWidth = side;
    info->bmiHeader.biHeight = side;
    info->bmiHeader.biPlanes = 1;
    info->bmiHeader.biBitCount = 1;
    info->bmiColors[1] = RGBQUAD{255, 255, 255, 0};
    void* bits = nullptr;
    Bitmap board(CreateDIBSection(nullptr, info, DIB_RGB_COLORS, &bits, nullptr, 0));
    free(info);
    if (!board) continue;
    const int stride = ((side + 31) / 32) * 4;
    for (int y = 0; y < side; ++y) memset(static_cast<char*>(bits) + y * stride, (y % 2) ? 0xAA : 0x55, stride);
    const long before = handles::LiveCount();
    handles::ResetPeak();
    const double t0 = Now();
    Region outline(SkinRegion(board.get(), side, side, nullptr));
    const double ms = Now() - t0;
    DWORD rects = 0;
    if (outline) {
      if (DWORD size = GetRegionData(outline.get(), 0, nullptr)) {
        std::vector<char> buf(size);
        GetRegionData(outline.get(), size, reinterpret_cast<RGNDATA*>(buf.data()));
        rects = reinterpret_cast<RGNDATA*>(buf.data())->rdh.nCount;
      }
    }
    printf("%5d x %-5d %10.0f ms %10lu rects, peak %ld objects held by the build%s\n", side, side, ms, rects,
           handles::PeakCount() - before, outline ? "" : " (no region)");
    fflush(stdout);
  }

  // The clock tick of each face is measured by tick_bench.
  return 0;
}
