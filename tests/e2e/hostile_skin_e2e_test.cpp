// Ticora.exe started with skins a careful user could hand it: pictures
// larger than any skin it accepts end the start quietly (exit code 0, no
// window) instead of exhausting the memory, and the most fragmented outline
// there is still becomes the window's exact shape.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/program_dir.h"

namespace {

const DWORD kTimeout = 300000;

void Put16(std::string& b, size_t at, uint32_t v) {
  b[at] = static_cast<char>(v & 0xFF);
  b[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// A bitmap file's headers (and two-colour palette for 1 and 8 bits) in front of data.
std::string BitmapFile(int32_t width, int32_t height, uint16_t bits, uint32_t compression, const std::string& data) {
  const uint32_t colours = bits <= 8 ? 2 : 0;
  const uint32_t offset = 54 + colours * 4;
  std::string b(offset, '\0');
  b[0] = 'B';
  b[1] = 'M';
  Put32(b, 2, offset + static_cast<uint32_t>(data.size()));
  Put32(b, 10, offset);
  Put32(b, 14, 40);
  Put32(b, 18, static_cast<uint32_t>(width));
  Put32(b, 22, static_cast<uint32_t>(height));
  Put16(b, 26, 1);
  Put16(b, 28, bits);
  Put32(b, 30, compression);
  Put32(b, 34, static_cast<uint32_t>(data.size()));
  Put32(b, 46, colours);
  if (colours) Put32(b, 58, 0x00FFFFFF);  // colour 0 black, colour 1 white
  return b + data;
}

struct SkinRun {
  ProgramDir dir;
  RunningProgram program;
  explicit SkinRun(const std::string& skin) {
    EXPECT_TRUE(dir.CopyFromDist("Ticora.exe"));
    EXPECT_TRUE(dir.CopyFromDist("digits_lcd_green.bmp"));
    EXPECT_TRUE(dir.Write("skin.bmp", skin));
    EXPECT_TRUE(dir.Write("Ticora.ini",
                          "[SYSTEM]\r\nbClockMode=0\r\nnLostPosLeft=0\r\nnLastPostop=0\r\n"
                          "[BACKGROUND]\r\nnTotal=1\r\nnCurrent=1\r\nsFile01=skin.bmp\r\n"
                          "[NUMBER]\r\nnTotal=1\r\nnCurrent=1\r\nsFile01=digits_lcd_green.bmp\r\n"));
  }
};

// The skin cannot be used: the start ends silently with exit code 0.
void ExpectQuietEnd(const std::string& skin) {
  SkinRun run(skin);
  ASSERT_TRUE(run.program.Start(run.dir.Path("Ticora.exe"), run.dir.Dir()));
  DWORD code = 99;
  ASSERT_TRUE(run.program.WaitForExit(kTimeout, &code));
  EXPECT_EQ(0u, code);
}

TEST(HostileSkinEndToEnd, ARunLengthPictureClaimingAHugeSizeEndsTheStartQuietly) {
  // Claims 16000 x 16000 at 8 bits and holds only the end-of-bitmap code.
  ExpectQuietEnd(BitmapFile(16000, 16000, 8, 1, std::string("\0\1", 2)));
}

TEST(HostileSkinEndToEnd, ACompleteHugePictureEndsTheStartQuietly) {
  // Every row of a 1-bit 16000 x 16000 picture: 2000 bytes each, 32 MB in all.
  const std::string rows(static_cast<size_t>(2000) * 16000, '\x55');
  ExpectQuietEnd(BitmapFile(16000, 16000, 1, 0, rows));
}

TEST(HostileSkinEndToEnd, AnAlternatingPixelSkinBecomesTheExactOutline) {
  // Every other pixel has the key colour (black, at the top left): the outline
  // is one 1 x 1 rectangle per white pixel, none of which can be merged. Wine
  // recreates a window region from its rectangles one at a time on every
  // paint, in time growing with the square of their number, so the picture is
  // kept small here; tools/bench_win/skin_region_bench builds the 4000 x 4000
  // one and counts its GDI objects.
  const int side = 128;
  std::string rows;
  for (int stored = 0; stored < side; ++stored) {
    const int y = side - 1 - stored;  // rows are stored bottom-up
    rows += std::string(side / 8, y % 2 ? '\xAA' : '\x55');
    rows += std::string((4 - side / 8 % 4) % 4, '\0');
  }
  SkinRun run(BitmapFile(side, side, 1, 0, rows));
  ASSERT_TRUE(run.program.Start(run.dir.Path("Ticora.exe"), run.dir.Dir()));
  HWND window = run.program.WaitForWindow(kTimeout);
  ASSERT_NE(nullptr, window);
  HRGN shape = CreateRectRgn(0, 0, 0, 0);
  ASSERT_EQ(COMPLEXREGION, GetWindowRgn(window, shape));
  std::vector<char> data(GetRegionData(shape, 0, nullptr));
  ASSERT_FALSE(data.empty());
  ASSERT_NE(0u, GetRegionData(shape, static_cast<DWORD>(data.size()), reinterpret_cast<RGNDATA*>(data.data())));
  DeleteObject(shape);
  const RGNDATA* rgn = reinterpret_cast<const RGNDATA*>(data.data());
  ASSERT_EQ(static_cast<DWORD>(side * side / 2), rgn->rdh.nCount);
  const RECT* rect = reinterpret_cast<const RECT*>(rgn->Buffer);
  int misplaced = 0;
  for (DWORD i = 0; i < rgn->rdh.nCount; ++i) {
    const RECT& r = rect[i];
    if (r.right != r.left + 1 || r.bottom != r.top + 1 || (r.left + r.top) % 2 == 0) ++misplaced;
  }
  EXPECT_EQ(0, misplaced);
  PostMessageA(window, WM_CLOSE, 0, 0);
  DWORD code = 99;
  EXPECT_TRUE(run.program.WaitForExit(kTimeout, &code));
  EXPECT_EQ(0u, code);
}

}  // namespace
