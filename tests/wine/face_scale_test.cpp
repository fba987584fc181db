// The faces at a scale above 1 under Wine: a 1x skin enlarged pixel by pixel
// (outline, digit area and digits exactly the 1x ones enlarged), a picture
// drawn for the scale taken where it exists, the analog face's outline at
// twice the size, and a change of the window's DPI.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "clock/clock_window_win.h"
#include "clock/face_geometry.h"
#include "clock/program_resources_win.h"
#include "controls/handles_win.h"
#include "controls/message_crackers_win.h"
#include "controls/picture_scale_win.h"
#include "tests/reference/ellipse_rows.h"
#include "tests/reference/skin_region_reference_win.h"
#include "tests/support/bmp_bytes.h"
#include "tests/support/dib_surface.h"
#include "tests/support/fixed_time.h"

namespace {

const COLORREF kMagenta = RGB(255, 0, 255);

std::string TempFile(const char* name) {
  char dir[MAX_PATH];
  GetTempPathA(sizeof dir, dir);
  return std::string(dir) + name;
}

// A 1x skin: magenta border and a magenta hole, digit area at (20, 10).
COLORREF Skin(int x, int y) {
  if (x < 2 || y < 2 || x >= 158) return kMagenta;
  if (x >= 70 && x < 75 && y >= 40 && y < 44) return kMagenta;
  if ((x == 20 || x == 129) && y >= 10 && y < 35) return RGB(0, 0, 0);
  return RGB(30, 60 + x % 7, 90);
}

void Tick(ClockWindow& clock, FixedTime& time, int h, int m, int s) {
  time.now.wHour = static_cast<uint16_t>(h);
  time.now.wMinute = static_cast<uint16_t>(m);
  time.now.wSecond = static_cast<uint16_t>(s);
  SendMessageA(clock.hwnd(), WM_TIMER, kClockTimerId, 0);
}

TEST(FaceScale, AnEnlargedSkinKeepsItsKeyColourOutAndItsDigitsSharp) {
  const std::string bg = TempFile("ticora_scale_bg.bmp"), digits = TempFile("ticora_scale_digits.bmp");
  ASSERT_TRUE(WriteBytes(bg, BmpBytes(160, 50, Skin)));
  ASSERT_TRUE(WriteBytes(digits, BmpBytes(162, 25, [](int x, int y) { return RGB(x, y * 5, 7); })));
  for (int k : {2, 3}) {
    SCOPED_TRACE(k);
    FixedTime time;
    ClockWindow clock(ClockServices{&time});
    clock.SetFaceMode(0);
    clock.SetFaceScaleSetting(k);
    ASSERT_TRUE(clock.LoadBackground(bg.c_str(), false));
    ASSERT_TRUE(clock.LoadDigitStrip(digits.c_str()));
    RECT target{0, 0, 160 * k, 50 * k};
    ASSERT_TRUE(clock.CreateClock(nullptr, true, &target));
    EXPECT_EQ(160 * k, clock.FaceRect().right);
    EXPECT_EQ(50 * k, clock.FaceRect().bottom);
    EXPECT_EQ(20 * k, clock.DigitOrigin().x);
    EXPECT_EQ(10 * k, clock.DigitOrigin().y);
    Region shape(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(ERROR, GetWindowRgn(clock.hwnd(), shape.get()));
    const std::vector<uint8_t> px = RegionPixels(shape.get(), 160 * k, 50 * k);
    int wrong = 0;
    for (int y = 0; y < 50 * k; ++y)
      for (int x = 0; x < 160 * k; ++x)
        if (px[y * 160 * k + x] != (Skin(x / k, y / k) == kMagenta ? 0 : 1)) ++wrong;
    EXPECT_EQ(0, wrong);
    WindowDC screen(nullptr);
    MemoryDC dc(CreateCompatibleDC(screen.get()));
    Bitmap canvas(CreateCompatibleBitmap(screen.get(), 160 * k, 50 * k));
    SelectGuard sel(dc.get(), canvas.get());
    Tick(clock, time, 23, 59, 7);
    clock.PaintFace(dc.get());
    wrong = 0;
    for (const DigitPiece& p : DigitLayout(23, 59, 7))
      for (int dx = 0; dx < p.width * k; ++dx)
        for (int row : {0, 12 * k, 25 * k - 1})
          if (GetPixel(dc.get(), (20 + p.destX) * k + dx, 10 * k + row) != RGB(p.sourceX + dx / k, row / k * 5, 7))
            ++wrong;
    EXPECT_EQ(0, wrong);
    clock.CloseClock();
  }
  DeleteFileA(bg.c_str());
  DeleteFileA(digits.c_str());
}

TEST(FaceScale, APictureDrawnForTheScaleIsTakenWhereItExists) {
  const std::string bg = TempFile("ticora_drawn.bmp"), bg2 = TempFile("ticora_drawn@2x.bmp");
  ASSERT_TRUE(WriteBytes(bg, BmpBytes(160, 50, Skin)));
  // Drawn anew: its own size and colours.
  ASSERT_TRUE(WriteBytes(bg2, BmpBytes(330, 96, [](int x, int y) { return x < 4 ? kMagenta : RGB(x % 200, y, 1); })));
  Bitmap drawn = LoadScaledPicture(bg.c_str(), 2);
  BITMAP bm{};
  ASSERT_TRUE(GetObjectA(drawn.get(), sizeof bm, &bm));
  EXPECT_EQ(330, bm.bmWidth);
  EXPECT_EQ(96, bm.bmHeight);
  // No 3x file: the 1x picture enlarged.
  Bitmap enlarged = LoadScaledPicture(bg.c_str(), 3);
  ASSERT_TRUE(GetObjectA(enlarged.get(), sizeof bm, &bm));
  EXPECT_EQ(480, bm.bmWidth);
  EXPECT_EQ(150, bm.bmHeight);
  // A broken drawn picture falls back to the 1x one.
  ASSERT_TRUE(WriteBytes(bg2, std::string("BM broken")));
  Bitmap fallback = LoadScaledPicture(bg.c_str(), 2);
  ASSERT_TRUE(GetObjectA(fallback.get(), sizeof bm, &bm));
  EXPECT_EQ(320, bm.bmWidth);
  EXPECT_FALSE(LoadScaledPicture(TempFile("ticora_no_such.bmp").c_str(), 2));
  DeleteFileA(bg.c_str());
  DeleteFileA(bg2.c_str());
}

TEST(PictureScale, TheImageStripComesAtTheScaleFromItsDrawnFileElseEnlarged) {
  const std::string strip = TempFile("ticora_strip.bmp"), strip2 = TempFile("ticora_strip@2x.bmp");
  const COLORREF mask = RGB(192, 220, 192);
  // Three 32-pixel images: a dot in each on the mask colour.
  ASSERT_TRUE(WriteBytes(strip, BmpBytes(96, 32, [&](int x, int y) {
    return x % 32 >= 8 && x % 32 < 24 && y >= 8 && y < 24 ? RGB(200, 30, 30) : mask;
  })));
  DeleteFileA(strip2.c_str());
  struct Case {
    int k, size, count;
  } cases[] = {{1, 32, 3}, {2, 64, 3}, {3, 96, 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.k);
    HIMAGELIST list = LoadImageStrip(strip.c_str(), c.k);
    ASSERT_NE(nullptr, list);
    int cx = 0, cy = 0;
    ImageList_GetIconSize(list, &cx, &cy);
    EXPECT_EQ(c.size, cx);
    EXPECT_EQ(c.size, cy);
    EXPECT_EQ(c.count, ImageList_GetImageCount(list));
    // Drawn transparently: the mask colour lets the background through.
    DibSurface s(c.size, c.size, RGB(1, 2, 3));
    ImageList_Draw(list, 1, s.dc(), 0, 0, ILD_TRANSPARENT);
    EXPECT_EQ(RGB(1, 2, 3), s.At(2, 2));
    EXPECT_EQ(RGB(200, 30, 30), s.At(c.size / 2, c.size / 2));
    ImageList_Destroy(list);
  }
  // A strip drawn for 2x (here of four images) is taken at 2x.
  ASSERT_TRUE(WriteBytes(strip2, BmpBytes(256, 64, [&](int, int) { return mask; })));
  HIMAGELIST drawn = LoadImageStrip(strip.c_str(), 2);
  ASSERT_NE(nullptr, drawn);
  EXPECT_EQ(4, ImageList_GetImageCount(drawn));
  ImageList_Destroy(drawn);
  DeleteFileA(strip.c_str());
  DeleteFileA(strip2.c_str());
  EXPECT_EQ(nullptr, LoadImageStrip(strip.c_str(), 2));
}

TEST(PictureScale, APictureIsShrunkToFitInProportionOnlyWhenItDoesNotFit) {
  struct Case {
    int w, h, maxW, maxH, fitW, fitH;  // fitW 0: fits already, no copy
  } cases[] = {
      {546, 100, 600, 200, 0, 0},    // fits
      {546, 100, 546, 100, 0, 0},    // exactly
      {546, 100, 455, 1000, 455, 83},  // too wide
      {560, 100, 1000, 50, 280, 50},   // too high
      {600, 300, 300, 100, 200, 100},  // both: the tighter limit
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.w * 10000 + c.maxW);
    BITMAPINFO info = Info32(c.w, -c.h);
    void* bits = nullptr;
    Bitmap picture(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    ASSERT_TRUE(picture);
    Bitmap fitted(ShrinkBitmapToFit(picture.get(), c.maxW, c.maxH));
    if (c.fitW == 0) {
      EXPECT_FALSE(fitted);
      continue;
    }
    BITMAP bm{};
    ASSERT_TRUE(GetObjectA(fitted.get(), sizeof bm, &bm));
    EXPECT_EQ(c.fitW, bm.bmWidth);
    EXPECT_EQ(c.fitH, bm.bmHeight);
  }
}

TEST(FaceScale, TheAnalogFaceFollowsTheDpiAtTwiceItsSize) {
  FixedTime time;
  ClockWindow clock(ClockServices{&time});
  clock.SetFaceMode(1);
  RECT target{0, 0, 136, 136};
  ASSERT_TRUE(clock.CreateClock(nullptr, true, &target));
  Tick(clock, time, 15, 30, 5);
  EXPECT_EQ(1, clock.FaceScale());
  // The window moves to a monitor of 192 DPI: twice the size, at the place
  // the system suggests.
  RECT suggested{40, 30, 40 + 272, 30 + 272};
  SendMessageA(clock.hwnd(), crack::kDpiChanged, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(2, clock.FaceScale());
  RECT r;
  GetWindowRect(clock.hwnd(), &r);
  EXPECT_EQ(40, r.left);
  EXPECT_EQ(30, r.top);
  EXPECT_EQ(272, r.right - r.left);
  Tick(clock, time, 15, 30, 6);
  Region shape(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(ERROR, GetWindowRgn(clock.hwnd(), shape.get()));
  EXPECT_EQ(AnalogOutlinePixels(15, 30, 6, 2), RegionPixels(shape.get(), 272, 272));
  // A fixed scale is kept whatever the DPI.
  clock.SetFaceScaleSetting(1);
  EXPECT_EQ(1, clock.FaceScale());
  SendMessageA(clock.hwnd(), crack::kDpiChanged, MAKEWPARAM(288, 288), reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(1, clock.FaceScale());
  GetWindowRect(clock.hwnd(), &r);
  EXPECT_EQ(136, r.right - r.left);
  clock.CloseClock();
}

}  // namespace
