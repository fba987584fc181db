// Ticora.exe at the DPI of the Wine prefix it runs in (96, 144 or 192): the
// digital face of every shipped skin comes at the scale the DPI gives, window
// size and outline exactly those of the skin drawn for that scale, and the
// analog face's outline is the dial and hands at that scale.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "clock/face_geometry.h"
#include "tests/reference/ellipse_rows.h"
#include "tests/reference/skin_region_reference_win.h"
#include "tests/support/prefix_dpi.h"
#include "tests/support/program_dir.h"

namespace {

const DWORD kTimeout = 300000;

// The face scale the DPIs under test give.
int ScaleAt(int dpi) { return dpi >= 144 ? 2 : 1; }

// A 24-bit bottom-up bitmap file's pixels as 0x00RRGGBB, top row first.
struct Picture {
  int width = 0, height = 0;
  std::vector<uint32_t> px;
  uint32_t At(int x, int y) const { return px[static_cast<size_t>(y) * width + x]; }
};

Picture ReadPicture(const std::string& bytes) {
  Picture p;
  if (bytes.size() < 54) return p;
  auto u32 = [&](size_t at) {
    return static_cast<uint32_t>(static_cast<uint8_t>(bytes[at])) |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 1])) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 2])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 3])) << 24;
  };
  const int w = static_cast<int>(u32(18)), h = static_cast<int>(u32(22));
  const size_t offset = u32(10), stride = (static_cast<size_t>(w) * 3 + 3) / 4 * 4;
  if (w <= 0 || h <= 0 || (u32(28) & 0xFFFF) != 24 || offset + stride * h > bytes.size()) return p;
  p.width = w;
  p.height = h;
  p.px.resize(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y) {
    const char* row = bytes.data() + offset + stride * (h - 1 - y);
    for (int x = 0; x < w; ++x)
      p.px[static_cast<size_t>(y) * w + x] = static_cast<uint8_t>(row[3 * x]) |
                                             static_cast<uint8_t>(row[3 * x + 1]) << 8 |
                                             static_cast<uint8_t>(row[3 * x + 2]) << 16;
  }
  return p;
}

std::string Scaled(const std::string& base, int k) {
  return k == 1 ? base + ".bmp" : base + "@" + std::to_string(k) + "x.bmp";
}

std::vector<uint8_t> WindowShape(HWND window, int w, int h) {
  HRGN shape = CreateRectRgn(0, 0, 0, 0);
  std::vector<uint8_t> px;
  if (GetWindowRgn(window, shape) != ERROR) px = RegionPixels(shape, w, h);
  DeleteObject(shape);
  return px;
}

// The window's rectangle once the start's minimise and restore are over
// (waits for the expected width a while, then takes what there is).
RECT SettledRect(HWND window, int width) {
  RECT r{0, 0, 0, 0};
  RunningProgram::WaitUntil(20000, [&] {
    return !IsIconic(window) && GetWindowRect(window, &r) && r.right - r.left == width;
  });
  GetWindowRect(window, &r);
  return r;
}

void Close(RunningProgram& program, HWND window) {
  PostMessageA(window, WM_CLOSE, 0, 0);
  DWORD code = 99;
  EXPECT_TRUE(program.WaitForExit(kTimeout, &code));
}

TEST(DpiFacesEndToEnd, EveryShippedSkinComesAtTheScaleOfTheDpi) {
  const int k = ScaleAt(PrefixDpi());
  std::printf("prefix DPI %d, face scale %d\n", PrefixDpi(), k);
  for (const char* skin : {"skin_capsule", "skin_panel", "skin_alarm", "skin_cloud"}) {
    SCOPED_TRACE(skin);
    ProgramDir dir;
    ASSERT_TRUE(dir.CopyFromDist("Ticora.exe"));
    for (int scale : {1, 2, 3}) {
      ASSERT_TRUE(dir.CopyFromDist(Scaled(skin, scale).c_str()));
      ASSERT_TRUE(dir.CopyFromDist(Scaled("digits_lcd_green", scale).c_str()));
    }
    ASSERT_TRUE(dir.Write("Ticora.ini", "[SYSTEM]\r\nbClockMode=0\r\nnLostPosLeft=40\r\nnLastPostop=300\r\n"
                                        "[BACKGROUND]\r\nnTotal=1\r\nnCurrent=1\r\nsFile01=" +
                                            std::string(skin) +
                                            ".bmp\r\n"
                                            "[NUMBER]\r\nnTotal=1\r\nnCurrent=1\r\nsFile01=digits_lcd_green.bmp\r\n"));
    const Picture drawn = ReadPicture(dir.Read(Scaled(skin, k).c_str()));
    ASSERT_GT(drawn.width, 0);
    RunningProgram program;
    ASSERT_TRUE(program.Start(dir.Path("Ticora.exe"), dir.Dir()));
    HWND window = program.WaitForWindow(kTimeout);
    ASSERT_NE(nullptr, window);
    const RECT r = SettledRect(window, drawn.width);
    EXPECT_EQ(drawn.width, r.right - r.left);
    EXPECT_EQ(drawn.height, r.bottom - r.top);
    // The outline: every pixel of the drawn skin but those of its key colour.
    const std::vector<uint8_t> shape = WindowShape(window, drawn.width, drawn.height);
    ASSERT_EQ(drawn.px.size(), shape.size());
    int wrong = 0;
    for (int y = 0; y < drawn.height; ++y)
      for (int x = 0; x < drawn.width; ++x)
        if (shape[static_cast<size_t>(y) * drawn.width + x] != (drawn.At(x, y) == drawn.At(0, 0) ? 0 : 1)) ++wrong;
    EXPECT_EQ(0, wrong);
    Close(program, window);
  }
}

TEST(DpiFacesEndToEnd, TheAnalogOutlineIsTheDialAndHandsAtTheScale) {
  const int k = ScaleAt(PrefixDpi());
  ProgramDir dir;
  ASSERT_TRUE(dir.CopyFrom(BuildPath("TicoraAtTime.exe"), "Ticora.exe"));
  ASSERT_TRUE(dir.Write("Ticora.ini", "[SYSTEM]\r\nbClockMode=1\r\nnLostPosLeft=40\r\nnLastPostop=300\r\n"));
  RunningProgram program;
  ASSERT_TRUE(program.Start(dir.Path("Ticora.exe"), dir.Dir(), "12:00:00"));
  HWND window = program.WaitForWindow(kTimeout);
  ASSERT_NE(nullptr, window);
  const int size = AnalogFaceSize(k);
  const RECT r = SettledRect(window, size);
  EXPECT_EQ(size, r.right - r.left);
  EXPECT_EQ(size, r.bottom - r.top);
  // The clock runs on while the outline is read: it must be the face of one
  // of the seconds after noon.
  std::vector<uint8_t> shape;
  ASSERT_TRUE(RunningProgram::WaitUntil(kTimeout, [&] {
    shape = WindowShape(window, size, size);
    return std::count(shape.begin(), shape.end(), 1) > 0;
  }));
  bool matched = false;
  for (int second = 0; second < 60 && !matched; ++second) {
    matched = AnalogOutlinePixels(12, 0, second, k) == shape;
  }
  EXPECT_TRUE(matched);
  Close(program, window);
}

}  // namespace
