// Faces and window shapes under Wine: skin outlines read back from the
// system's regions, the analog outline, the digital face's pixels, alpha.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "base/bitmap_file_win.h"
#include "clock/clock_window_win.h"
#include "clock/face_geometry.h"
#include "clock/runtime_bound_win.h"
#include "clock/skin_region_win.h"
#include "controls/handles_win.h"
#include "tests/support/bmp_bytes.h"
#include "tests/support/dib_surface.h"
#include "tests/support/fixed_time.h"
#include "tests/reference/ellipse_rows.h"
#include "tests/reference/skin_region_reference_win.h"

namespace {

const COLORREF kMagenta = RGB(255, 0, 255);

// A 32-bit DIB section filled by colour(x, y) (COLORREF values), top row
// first in memory unless bottomUp.
template <class F>
HBITMAP MakeBitmap(int w, int h, F colour, bool bottomUp = false) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = bottomUp ? h : -h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  auto* px = static_cast<uint32_t*>(bits);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      COLORREF c = colour(x, y);
      px[(bottomUp ? h - 1 - y : y) * w + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }
  return bmp;
}


void ExpectSameOutline(HBITMAP bmp, int w, int h, const char* what) {
  SCOPED_TRACE(what);
  POINT fast{-1, -1}, slow{-1, -1};
  Region a(SkinRegion(bmp, w, h, &fast));
  Region b(SkinRegionPerPixel(nullptr, bmp, w, h, &slow));
  ASSERT_TRUE(a);
  ASSERT_TRUE(b);
  EXPECT_EQ(RegionPixels(b.get(), w, h), RegionPixels(a.get(), w, h));
  EXPECT_EQ(slow.x, fast.x);
  EXPECT_EQ(slow.y, fast.y);
}

TEST(SkinOutline, MatchesThePixelByPixelConstructionOnGeneratedSkins) {
  // Magenta border and a magenta hole in the middle, a digit area at (40, 20).
  auto framed = [](int x, int y) -> COLORREF {
    if (x < 3 || y < 3 || x >= 197 || y >= 57) return kMagenta;
    if (x >= 95 && x < 105 && y >= 5 && y < 12) return kMagenta;  // the hole
    if ((x == 40 || x == 149) && y >= 20 && y < 45) return RGB(0, 0, 0);
    return RGB(40 + x % 50, 90, 160);
  };
  Bitmap framedBmp(MakeBitmap(200, 60, framed));
  ExpectSameOutline(framedBmp.get(), 200, 60, "framed skin with a hole");
  POINT origin{-1, -1};
  Region r(SkinRegion(framedBmp.get(), 200, 60, &origin));
  EXPECT_EQ(40, origin.x);
  EXPECT_EQ(20, origin.y);
  std::vector<uint8_t> px = RegionPixels(r.get(), 200, 60);
  EXPECT_EQ(0, px[8 * 200 + 100]);  // the hole shows the desktop
  EXPECT_EQ(1, px[30 * 200 + 100]);
  EXPECT_EQ(0, px[0]);

  // Key colour only at (0, 0): the rectangle minus one pixel.
  Bitmap lone(MakeBitmap(50, 30, [](int x, int y) { return (x == 0 && y == 0) ? RGB(9, 9, 9) : RGB(200, 200, 200); }));
  Region loneRegion(SkinRegion(lone.get(), 50, 30, nullptr));
  std::vector<uint8_t> lonePx = RegionPixels(loneRegion.get(), 50, 30);
  size_t inside = 0;
  for (uint8_t p : lonePx) inside += p;
  EXPECT_EQ(50u * 30u - 1u, inside);
  ExpectSameOutline(lone.get(), 50, 30, "lone key pixel");

  // Key colour scattered through the picture, as dithered edges give.
  std::mt19937 rng(7);
  std::vector<int> noise(120 * 40);
  for (int& n : noise) n = static_cast<int>(rng() % 5);
  Bitmap hard(MakeBitmap(120, 40, [&](int x, int y) {
    if (x == 0 && y == 0) return RGB(0, 128, 0);
    return noise[y * 120 + x] == 0 ? RGB(0, 128, 0) : RGB(0, 0, noise[y * 120 + x] == 1 ? 0 : 90);
  }));
  ExpectSameOutline(hard.get(), 120, 40, "scattered key colour");
}

// Skins reach the outline as 32-bit DIB sections in either row order (read in
// place), as 24-bit DIB sections loaded from files and as device bitmaps (read
// into a copy): every kind gives the same outline and digit origin.
TEST(SkinOutline, EveryBitmapLayoutGivesTheSameOutline) {
  auto skin = [](int x, int y) -> COLORREF {
    if (x + y < 6 || x >= 117 || y >= 147) return kMagenta;  // a cut corner, right and bottom edges
    if (x >= 50 && x < 55 && y >= 3 && y < 9) return kMagenta;
    if (x >= 20 && x < 90 && y >= 100 && (x + y) % 3 == 0) return kMagenta;  // scattered holes
    // The digit area's rows straddle the scan's bands of 64 rows.
    if ((x == 4 || x == 113) && y >= 52 && y < 77) return RGB(0, 0, 0);
    return RGB(10 + x, 200 - y, 77);
  };
  const int w = 120, h = 150;
  Bitmap topDown(MakeBitmap(w, h, skin));
  Bitmap bottomUp(MakeBitmap(w, h, skin, true));
  char dir[MAX_PATH];
  ASSERT_NE(0u, GetTempPathA(sizeof dir, dir));
  const std::string file = std::string(dir) + "ticora_layout_skin.bmp";
  ASSERT_TRUE(WriteBytes(file, BmpBytes(w, h, skin)));
  Bitmap fromFile(static_cast<HBITMAP>(
      LoadImageA(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
  DeleteFileA(file.c_str());
  ASSERT_TRUE(fromFile);
  WindowDC screen(nullptr);
  Bitmap device(CreateCompatibleBitmap(screen.get(), w, h));
  {
    MemoryDC from(CreateCompatibleDC(screen.get())), to(CreateCompatibleDC(screen.get()));
    SelectGuard a(from.get(), topDown.get()), b(to.get(), device.get());
    BitBlt(to.get(), 0, 0, w, h, from.get(), 0, 0, SRCCOPY);
  }
  // The 32-bit sections are read in place, in their own row order.
  PixelGrid grid;
  ASSERT_TRUE(DibSectionPixels(topDown.get(), w, h, grid));
  EXPECT_EQ(w, grid.stride);
  ASSERT_TRUE(DibSectionPixels(bottomUp.get(), w, h, grid));
  EXPECT_EQ(-w, grid.stride);
  EXPECT_EQ(skin(3, 20), grid.At(3, 20));
  EXPECT_FALSE(DibSectionPixels(fromFile.get(), w, h, grid));  // 24 bits per pixel: copied
  EXPECT_FALSE(DibSectionPixels(device.get(), w, h, grid));
  EXPECT_FALSE(DibSectionPixels(topDown.get(), w - 1, h, grid));  // not the size asked for
  // First and last rows alike (a key-colour border): the order comes from the
  // first row that differs from its mirror row.
  auto framed = [](int x, int y) -> COLORREF {
    if (y < 2 || y >= 148 || x < 2) return kMagenta;
    return y < 75 ? RGB(x, 10, 200) : RGB(200, x, 10);
  };
  Bitmap framedUp(MakeBitmap(w, h, framed, true));
  ASSERT_TRUE(DibSectionPixels(framedUp.get(), w, h, grid));
  EXPECT_EQ(-w, grid.stride);
  EXPECT_EQ(framed(30, 5), grid.At(30, 5));
  ExpectSameOutline(framedUp.get(), w, h, "bottom-up with a framed border");
  // Every row like its mirror: either order reads the same.
  Bitmap mirrored(MakeBitmap(w, h, [](int x, int y) { return (y < 3 || y >= 147) ? kMagenta : RGB(x, 40, 90); }, true));
  EXPECT_TRUE(DibSectionPixels(mirrored.get(), w, h, grid));
  ExpectSameOutline(mirrored.get(), w, h, "vertically symmetric");

  POINT origin{-1, -1};
  Region reference(SkinRegion(topDown.get(), w, h, &origin));
  EXPECT_EQ(4, origin.x);
  EXPECT_EQ(52, origin.y);
  const std::vector<uint8_t> expected = RegionPixels(reference.get(), w, h);
  EXPECT_EQ(0, expected[0]);
  EXPECT_EQ(0, expected[5 * w + 52]);
  EXPECT_EQ(1, expected[20 * w + 60]);
  for (HBITMAP bmp : {bottomUp.get(), fromFile.get(), device.get()}) {
    POINT other{-1, -1};
    Region r(SkinRegion(bmp, w, h, &other));
    EXPECT_EQ(expected, RegionPixels(r.get(), w, h));
    EXPECT_EQ(origin.x, other.x);
    EXPECT_EQ(origin.y, other.y);
  }
  ExpectSameOutline(bottomUp.get(), w, h, "bottom-up DIB section");
  ExpectSameOutline(fromFile.get(), w, h, "24-bit skin from a file");
}

TEST(SkinOutline, RectangleListsBecomeExactlyThoseRegions) {
  std::vector<RegionRect> rects;
  for (int y = 0; y < 70; ++y)
    for (int x = y % 3; x < 90; x += 4) rects.push_back({x, y, x + 2, y + 1});
  Region r(RegionFromRects(rects));
  std::vector<uint8_t> px = RegionPixels(r.get(), 100, 80);
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 100; ++x) {
      int from = x - y % 3;  // offset from the row's first rectangle
      bool expected = y < 70 && from >= 0 && from % 4 < 2 && x - from % 4 < 90;
      ASSERT_EQ(expected ? 1 : 0, px[y * 100 + x]) << x << "," << y;
    }
}

TEST(AnalogOutline, EllipticDotsMatchThePortableRasterisation) {
  for (int size : {8, 4})
    for (int off : {0, 3, 61}) {
      DotBox box{off, off + 1, off + size, off + 1 + size};
      Region r(CreateEllipticRgn(box.left, box.top, box.right, box.bottom));
      std::vector<uint8_t> px = RegionPixels(r.get(), 80, 80);
      std::vector<uint8_t> expected(80 * 80, 0);
      for (const RowSpan& s : EllipseRows(box))
        for (int x = s.left; x < s.right; ++x) expected[s.y * 80 + x] = 1;
      EXPECT_EQ(expected, px) << "size " << size << " at " << off;
    }
}

TEST(AnalogOutline, WindowRegionIsExactlyTheDialAndHandDots) {
  FixedTime time;
  ClockWindow clock(ClockServices{&time});
  clock.SetFaceMode(1);
  RECT target{0, 0, 136, 136};
  ASSERT_TRUE(clock.CreateClock(nullptr, true, &target));
  // 09:05:08 moves only the second hand after 09:05:07: the kept hour and
  // minute hands must still be part of the outline.
  for (auto t : {std::vector<int>{12, 0, 0}, {15, 30, 0}, {9, 5, 7}, {9, 5, 8}, {23, 59, 59}}) {
    time.now.wHour = static_cast<uint16_t>(t[0]);
    time.now.wMinute = static_cast<uint16_t>(t[1]);
    time.now.wSecond = static_cast<uint16_t>(t[2]);
    SendMessageA(clock.hwnd(), WM_TIMER, kClockTimerId, 0);
    Region copy(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(ERROR, GetWindowRgn(clock.hwnd(), copy.get()));
    EXPECT_EQ(AnalogOutlinePixels(t[0], t[1], t[2]), RegionPixels(copy.get(), 136, 136))
        << t[0] << ":" << t[1] << ":" << t[2];
  }
  // The second hand's colour lies over the others where they overlap.
  MemoryDC dc(CreateCompatibleDC(nullptr));
  WindowDC screen(nullptr);
  Bitmap canvas(CreateCompatibleBitmap(screen.get(), 136, 136));
  SelectGuard sel(dc.get(), canvas.get());
  time.now.wHour = 12;
  time.now.wMinute = 0;
  time.now.wSecond = 0;
  SendMessageA(clock.hwnd(), WM_TIMER, kClockTimerId, 0);
  clock.PaintFace(dc.get());
  EXPECT_EQ(RGB(0, 255, 0), GetPixel(dc.get(), 68, 68 - 50));  // second hand tip
  EXPECT_EQ(RGB(0, 255, 0), GetPixel(dc.get(), 68, 68 - 10));  // all hands overlap: second on top
  EXPECT_EQ(RGB(0, 0, 255), GetPixel(dc.get(), 68, 68));        // centre dot
  EXPECT_EQ(RGB(0, 0, 255), GetPixel(dc.get(), 68 + 60, 68));    // 3 o'clock hour mark
  clock.CloseClock();
}

TEST(DigitalFace, DigitsComeFromTheStripAtTheScannedOrigin) {
  char dir[MAX_PATH];
  GetTempPathA(sizeof dir, dir);
  std::string bg = std::string(dir) + "ticora_face_bg.bmp";
  std::string digits = std::string(dir) + "ticora_face_digits.bmp";
  // Background: key magenta border, digit window at (20, 10).
  ASSERT_TRUE(WriteBytes(bg, BmpBytes(160, 50, [](int x, int y) -> COLORREF {
    if (x < 2 || y < 2) return kMagenta;
    if ((x == 20 || x == 129) && y >= 10 && y < 35) return RGB(0, 0, 0);
    return RGB(30, 60, 90);
  })));
  // Strip: every column carries its own x in the red channel, row in green.
  ASSERT_TRUE(WriteBytes(digits, BmpBytes(162, 25, [](int x, int y) { return RGB(x, y * 5, 7); })));
  FixedTime time;
  ClockWindow clock(ClockServices{&time});
  clock.SetFaceMode(0);
  ASSERT_TRUE(clock.LoadBackground(bg.c_str(), false));
  ASSERT_TRUE(clock.LoadDigitStrip(digits.c_str()));
  RECT target{0, 0, 160, 50};
  ASSERT_TRUE(clock.CreateClock(nullptr, true, &target));
  EXPECT_EQ(20, clock.DigitOrigin().x);
  EXPECT_EQ(10, clock.DigitOrigin().y);
  WindowDC screen(nullptr);
  MemoryDC dc(CreateCompatibleDC(screen.get()));
  Bitmap canvas(CreateCompatibleBitmap(screen.get(), 160, 50));
  SelectGuard sel(dc.get(), canvas.get());
  for (auto t : {std::vector<int>{9, 5, 7}, {23, 59, 59}}) {
    time.now.wHour = static_cast<uint16_t>(t[0]);
    time.now.wMinute = static_cast<uint16_t>(t[1]);
    time.now.wSecond = static_cast<uint16_t>(t[2]);
    SendMessageA(clock.hwnd(), WM_TIMER, kClockTimerId, 0);
    clock.PaintFace(dc.get());
    for (const DigitPiece& p : DigitLayout(t[0], t[1], t[2]))
      for (int dx = 0; dx < p.width; ++dx)
        for (int row : {0, 12, 24}) {
          COLORREF c = GetPixel(dc.get(), 20 + p.destX + dx, 10 + row);
          ASSERT_EQ(RGB(p.sourceX + dx, row * 5, 7), c) << "piece at " << p.destX << " column " << dx;
        }
    EXPECT_EQ(RGB(30, 60, 90), GetPixel(dc.get(), 10, 40));  // background around the digits
  }
  // 09:05:07 reads digits 0,9,0,5,0,7 from source x 0,135,0,75,0,105.
  auto pieces = DigitLayout(9, 5, 7);
  EXPECT_EQ(135, pieces[2].sourceX);
  EXPECT_EQ(105, pieces[8].sourceX);
  // An unloadable skin - missing, or cut short inside its rows - keeps the
  // previous bitmap and size.
  EXPECT_FALSE(clock.LoadBackground("Z:\\no\\such\\skin.bmp", true));
  EXPECT_TRUE(clock.HasBackground());
  const std::string cut = std::string(dir) + "ticora_face_cut.bmp";
  ASSERT_TRUE(WriteBytes(cut, BmpBytes(160, 50, [](int, int) { return RGB(1, 2, 3); }).substr(0, 700)));
  EXPECT_FALSE(BitmapFileLoadable(cut.c_str()));
  EXPECT_TRUE(BitmapFileLoadable(bg.c_str()));
  EXPECT_FALSE(clock.LoadBackground(cut.c_str(), true));
  EXPECT_TRUE(clock.HasBackground());
  RECT kept{};
  GetWindowRect(clock.hwnd(), &kept);
  EXPECT_EQ(160, kept.right - kept.left);
  DeleteFileA(cut.c_str());
  clock.CloseClock();
  DeleteFileA(bg.c_str());
  DeleteFileA(digits.c_str());
}

// The digital face keeps its composition from one paint to the next: after
// every change of time, strip, background or face it paints exactly what a
// clock made afresh with the same skins paints.
TEST(DigitalFace, KeptCompositionPaintsWhatAFreshClockPaints) {
  char dir[MAX_PATH];
  GetTempPathA(sizeof dir, dir);
  const std::string bg = std::string(dir) + "ticora_kept_bg.bmp", wide = std::string(dir) + "ticora_kept_wide.bmp";
  const std::string digits = std::string(dir) + "ticora_kept_digits.bmp",
                    others = std::string(dir) + "ticora_kept_others.bmp";
  auto skin = [](int left, int top) {
    return [left, top](int x, int y) -> COLORREF {
      if (x < 3 || y < 3) return kMagenta;
      if ((x == left || x == left + 109) && y >= top && y < top + 25) return RGB(0, 0, 0);
      return RGB(30 + x % 50, 60, 90 + y);
    };
  };
  ASSERT_TRUE(WriteBytes(bg, BmpBytes(160, 50, skin(20, 10))));
  ASSERT_TRUE(WriteBytes(wide, BmpBytes(200, 60, skin(40, 20))));
  ASSERT_TRUE(WriteBytes(digits, BmpBytes(162, 25, [](int x, int y) { return RGB(x, y * 5, 7); })));
  ASSERT_TRUE(WriteBytes(others, BmpBytes(162, 25, [](int x, int y) { return RGB(7, x, y * 5); })));
  FixedTime time;
  auto tickAndPaint = [&time](ClockWindow& clock, int h, int m, int s) {
    time.Set(h, m, s);
    SendMessageA(clock.hwnd(), WM_TIMER, kClockTimerId, 0);
    const RECT face = clock.FaceRect();
    DibSurface surface(face.right, face.bottom, RGB(1, 2, 3));
    clock.PaintFace(surface.dc());
    std::vector<COLORREF> px;
    for (int y = 0; y < face.bottom; ++y)
      for (int x = 0; x < face.right; ++x) px.push_back(surface.At(x, y));
    return px;
  };
  auto fresh = [&](const std::string& background, const std::string& strip, int h, int m, int s) {
    ClockWindow clock(ClockServices{&time});
    clock.SetFaceMode(0);
    EXPECT_TRUE(clock.LoadBackground(background.c_str(), false) && clock.LoadDigitStrip(strip.c_str()));
    RECT target{0, 0, 200, 60};
    EXPECT_TRUE(clock.CreateClock(nullptr, true, &target));
    std::vector<COLORREF> px = tickAndPaint(clock, h, m, s);
    clock.CloseClock();
    return px;
  };

  ClockWindow clock(ClockServices{&time});
  clock.SetFaceMode(0);
  ASSERT_TRUE(clock.LoadBackground(bg.c_str(), false) && clock.LoadDigitStrip(digits.c_str()));
  RECT target{0, 0, 200, 60};
  ASSERT_TRUE(clock.CreateClock(nullptr, true, &target));
  const struct {
    const char* what;
    std::function<void()> change;
    const std::string& background;
    const std::string& strip;
    int h, m, s;
  } steps[] = {
      {"first paint", [] {}, bg, digits, 9, 5, 7},
      {"the next second", [] {}, bg, digits, 9, 5, 8},
      {"every digit changes", [] {}, bg, digits, 10, 16, 29},
      {"a new strip", [&] { clock.LoadDigitStrip(others.c_str()); }, bg, others, 10, 16, 30},
      {"a new background laid out", [&] { clock.LoadBackground(wide.c_str(), true); }, wide, others, 10, 16, 31},
      {"analog and back",
       [&] {
         clock.ApplyAppearance(1, "", "", true);
         tickAndPaint(clock, 10, 16, 32);
         clock.ApplyAppearance(0, bg.c_str(), digits.c_str(), true);
       },
       bg, digits, 10, 16, 33},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.what);
    step.change();
    EXPECT_EQ(fresh(step.background, step.strip, step.h, step.m, step.s), tickAndPaint(clock, step.h, step.m, step.s));
  }
  clock.CloseClock();
  for (const std::string* f : {&bg, &wide, &digits, &others}) DeleteFileA(f->c_str());
}

// Window rectangle in screen coordinates and whether the window region holds
// the pixel (x, y) of the window.
RECT ScreenRect(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  return r;
}
bool RegionHolds(HWND w, int x, int y) {
  Region r(CreateRectRgn(0, 0, 0, 0));
  return GetWindowRgn(w, r.get()) != ERROR && PtInRegion(r.get(), x, y);
}
// The clock's window is visible at the corner with the given size.
void ExpectPlaced(const ClockWindow& clock, POINT corner, int width, int height) {
  const RECT r = ScreenRect(clock.hwnd());
  EXPECT_EQ(corner.x, r.left);
  EXPECT_EQ(corner.y, r.top);
  EXPECT_EQ(width, r.right - r.left);
  EXPECT_EQ(height, r.bottom - r.top);
  EXPECT_TRUE(IsWindowVisible(clock.hwnd()));
}

TEST(Appearance, SwitchingFacesAndSkinsResizesAndReshapesTheWindow) {
  char dir[MAX_PATH];
  GetTempPathA(sizeof dir, dir);
  const std::string bg = std::string(dir) + "ticora_switch_bg.bmp";
  const std::string wide = std::string(dir) + "ticora_switch_wide.bmp";
  const std::string digits = std::string(dir) + "ticora_switch_digits.bmp";
  // 160 x 50 with a key-coloured frame and digit window at (20, 10); 200 x 60
  // with its digit window at (40, 20).
  auto skin = [](int left, int top) {
    return [left, top](int x, int y) -> COLORREF {
      if (x < 3 || y < 3) return kMagenta;
      if ((x == left || x == left + 109) && y >= top && y < top + 25) return RGB(0, 0, 0);
      return RGB(30, 60, 90);
    };
  };
  ASSERT_TRUE(WriteBytes(bg, BmpBytes(160, 50, skin(20, 10))));
  ASSERT_TRUE(WriteBytes(wide, BmpBytes(200, 60, skin(40, 20))));
  ASSERT_TRUE(WriteBytes(digits, BmpBytes(162, 25, [](int x, int) { return RGB(x, 0, 0); })));

  FixedTime time;
  time.now.wHour = 15;
  time.now.wMinute = 30;
  ClockWindow clock(ClockServices{&time});
  clock.SetFaceMode(1);
  RECT target{0, 0, 300, 300};
  ASSERT_TRUE(clock.CreateClock(nullptr, true, &target));
  const RECT startRect = ScreenRect(clock.hwnd());
  const POINT start{startRect.left, startRect.top};

  // Analog to digital: the skin's size at the same top-left corner, cut to
  // the skin's outline, digits where the skin has its digit window.
  ASSERT_TRUE(clock.ApplyAppearance(0, bg.c_str(), digits.c_str(), true));
  EXPECT_EQ(0, clock.FaceMode());
  EXPECT_TRUE(clock.HasBackground());
  EXPECT_TRUE(clock.HasDigitStrip());
  ExpectPlaced(clock, start, 160, 50);
  EXPECT_FALSE(RegionHolds(clock.hwnd(), 1, 1));
  EXPECT_TRUE(RegionHolds(clock.hwnd(), 80, 25));
  EXPECT_EQ(20, clock.DigitOrigin().x);
  EXPECT_EQ(10, clock.DigitOrigin().y);

  // The same face again without force changes nothing.
  ASSERT_TRUE(clock.ApplyAppearance(0, wide.c_str(), digits.c_str(), false));
  ExpectPlaced(clock, start, 160, 50);

  // A new skin with re-layout takes its size, outline and digit window.
  ASSERT_TRUE(clock.LoadBackground(wide.c_str(), true));
  ExpectPlaced(clock, start, 200, 60);
  EXPECT_TRUE(RegionHolds(clock.hwnd(), 190, 55));
  EXPECT_FALSE(RegionHolds(clock.hwnd(), 190, 2));
  EXPECT_EQ(40, clock.DigitOrigin().x);
  EXPECT_EQ(20, clock.DigitOrigin().y);

  // Digital to analog: the bitmaps go, the window becomes the 136 x 136 dial
  // whose outline is only dots once the next tick has placed the hands.
  ASSERT_TRUE(clock.ApplyAppearance(1, "", "", true));
  EXPECT_EQ(1, clock.FaceMode());
  EXPECT_FALSE(clock.HasBackground());
  EXPECT_FALSE(clock.HasDigitStrip());
  SendMessageA(clock.hwnd(), WM_TIMER, kClockTimerId, 0);
  ExpectPlaced(clock, start, 136, 136);
  EXPECT_TRUE(RegionHolds(clock.hwnd(), 128, 68));  // hour mark at 3 o'clock
  EXPECT_FALSE(RegionHolds(clock.hwnd(), 1, 1));
  EXPECT_FALSE(RegionHolds(clock.hwnd(), 100, 100));

  clock.CloseClock();
  DeleteFileA(bg.c_str());
  DeleteFileA(wide.c_str());
  DeleteFileA(digits.c_str());
}

TEST(Translucency, AlphaMakesTheWindowLayeredWithThatValue) {
  typedef BOOL(WINAPI * GetAlphaFn)(HWND, COLORREF*, BYTE*, DWORD*);
  auto getAlpha = EntryAs<GetAlphaFn>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetLayeredWindowAttributes"));
  HWND w = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(nullptr, w);
  EXPECT_TRUE(SetWindowAlpha(w, 255));
  EXPECT_TRUE(GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_LAYERED);
  if (getAlpha) {
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(getAlpha(w, nullptr, &alpha, &flags));
    EXPECT_EQ(255, alpha);
    EXPECT_TRUE(flags & LWA_ALPHA);
  }
  DestroyWindow(w);
}

}  // namespace
