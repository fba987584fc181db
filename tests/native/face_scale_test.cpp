#include "clock/face_scale.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "clock/face_geometry.h"
#include "clock/skin_scan.h"
#include "tests/reference/skin_scan_reference.h"

namespace {

constexpr uint32_t kMagenta = 0x00FF00FF;
constexpr uint32_t kBlack = 0;

TEST(FaceScaleTest, ScaleFromDpiAndSetting) {
  struct Case {
    int dpi, k;
  };
  // Nearest whole number, halves up, at least 1, capped.
  for (const Case& c : {Case{-1, 1}, Case{0, 1}, Case{72, 1}, Case{96, 1}, Case{120, 1}, Case{143, 1},
                        Case{144, 2}, Case{168, 2}, Case{192, 2}, Case{239, 2}, Case{240, 3}, Case{288, 3},
                        Case{336, 4}, Case{480, kMaxFaceScale}, Case{2000000000, kMaxFaceScale}})
    EXPECT_EQ(c.k, FaceScaleForDpi(c.dpi)) << c.dpi;
  // A fixed setting wins; anything else is automatic.
  for (int setting = 1; setting <= 3; ++setting) EXPECT_EQ(setting, EffectiveFaceScale(setting, 288));
  for (int setting : {0, -1, 4, 100}) EXPECT_EQ(2, EffectiveFaceScale(setting, 192)) << setting;
}

TEST(FaceScaleTest, ScaledPictureNames) {
  struct Case {
    const char* path;
    int k;
    const char* expected;
  };
  const Case cases[] = {
      {"skin_panel.bmp", 2, "skin_panel@2x.bmp"},
      {"C:\\Ticora\\digits.bmp", 3, "C:\\Ticora\\digits@3x.bmp"},
      // The dot of a directory is not the extension's; the last dot is.
      {"C:\\v1.2\\skin", 2, "C:\\v1.2\\skin@2x"},
      {"a.b.bmp", 2, "a.b@2x.bmp"},
      // A two-byte character whose second byte is a backslash.
      {"D:\\\x95\x5C.bmp", 2, "D:\\\x95\x5C@2x.bmp"},
  };
  for (const Case& c : cases) {
    char out[64];
    ASSERT_TRUE(ScaledPictureName(c.path, c.k, out, sizeof out)) << c.path;
    EXPECT_EQ(std::string(c.expected), out);
  }
  char small[9] = "x";
  EXPECT_FALSE(ScaledPictureName("abcd.bmp", 2, small, sizeof small));  // needs 12 bytes
  EXPECT_STREQ("", small);
  char out[32];
  EXPECT_FALSE(ScaledPictureName("a.bmp", 1, out, sizeof out));
  EXPECT_FALSE(ScaledPictureName(nullptr, 2, out, sizeof out));
}

TEST(FaceScaleTest, EnlargementRepeatsEveryPixelInBlocks) {
  const uint32_t px[] = {1, 2, 3, 4, 5, 6};  // 3 x 2
  std::vector<uint32_t> out(6 * 4);
  EnlargePixels(px, 3, 2, 3, 2, out.data());
  EXPECT_EQ((std::vector<uint32_t>{1, 1, 2, 2, 3, 3, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 4, 4, 5, 5, 6, 6}), out);
  // Bottom-up rows (negative stride) come out top row first.
  EnlargePixels(px + 3, 3, 2, -3, 2, out.data());
  EXPECT_EQ(4u, out[0]);
  EXPECT_EQ(1u, out[12]);
}

TEST(FaceScaleTest, DigitLayoutAndAnalogGeometryScale) {
  for (int k : {2, 3}) {
    const auto one = DigitLayout(23, 59, 7);
    const auto big = DigitLayout(23, 59, 7, k);
    for (size_t i = 0; i < one.size(); ++i) {
      EXPECT_EQ(one[i].destX * k, big[i].destX);
      EXPECT_EQ(one[i].width * k, big[i].width);
      EXPECT_EQ(one[i].sourceX * k, big[i].sourceX);
    }
    EXPECT_EQ((DotBox{68 * k - 4 * k, 68 * k - 4 * k, 68 * k + 4 * k, 68 * k + 4 * k}), CenterDot(k));
    // Every dot k times as large, at the 1x dot's place times k or up to k - 1
    // pixels further (the positions are computed at the scale and truncated
    // there, not truncated and multiplied).
    auto close = [k](const DotBox& small, const DotBox& large) {
      const int dx = large.left - small.left * k, dy = large.top - small.top * k;
      return dx >= 0 && dx < k && dy >= 0 && dy < k &&
             large.right - large.left == (small.right - small.left) * k &&
             large.bottom - large.top == (small.bottom - small.top) * k;
    };
    const auto marks1 = DialMarks(1), marksK = DialMarks(k);
    for (size_t i = 0; i < marks1.size(); ++i) EXPECT_TRUE(close(marks1[i].box, marksK[i].box)) << k << " " << i;
    for (HandKind hand : {HandKind::kHour, HandKind::kMinute, HandKind::kSecond}) {
      const auto dots1 = HandDots(hand, 15, 30, 5), dotsK = HandDots(hand, 15, 30, 5, k);
      ASSERT_EQ(dots1.size(), dotsK.size());
      for (size_t i = 0; i < dots1.size(); ++i) EXPECT_TRUE(close(dots1[i], dotsK[i])) << k << " " << i;
    }
    // At 00:00:00 the second hand's outermost dot is centred 50k above the centre.
    const DotBox tip = HandDots(HandKind::kSecond, 0, 0, 0, k).back();
    EXPECT_EQ(68 * k - 50 * k, (tip.top + tip.bottom) / 2);
  }
}

// A skin: a magenta border and holes, artwork colours, a black-bordered
// digit area at (dx, dy).
std::vector<uint32_t> Skin(int w, int h, int dx, int dy, std::mt19937& rng) {
  std::vector<uint32_t> px(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const bool border = x < 3 || y < 2 || x >= w - 3 || y >= h - 2;
      px[y * w + x] = border || rng() % 29 == 0 ? kMagenta : 0x00203040 + (rng() % 64);
    }
  for (int y = dy; y < dy + kDigitAreaHeight; ++y) {
    px[y * w + dx] = kBlack;
    px[y * w + dx + kDigitAreaWidth - 1] = kBlack;
  }
  return px;
}

PixelGrid GridOf(const std::vector<uint32_t>& px, int w, int h) {
  PixelGrid g;
  g.width = w;
  g.height = h;
  g.pixels = px.data();
  g.stride = w;
  return g;
}

// A 1x skin enlarged k times, read in cells of k, has exactly the enlarged
// outline (its key colour stays out) and its digit area at k times the place;
// a plain scan of the enlarged picture would find no digit area at all.
TEST(FaceScaleTest, EnlargedSkinKeepsItsOutlineAndDigitArea) {
  std::mt19937 rng(27);
  for (int k : {2, 3}) {
    for (int round = 0; round < 6; ++round) {
      const int w = 130 + static_cast<int>(rng() % 90), h = 34 + static_cast<int>(rng() % 30);
      const int dx = 4 + static_cast<int>(rng() % (w - 117)), dy = 3 + static_cast<int>(rng() % (h - 30));
      const std::vector<uint32_t> one = Skin(w, h, dx, dy, rng);
      std::vector<uint32_t> big(one.size() * k * k);
      EnlargePixels(one.data(), w, h, w, k, big.data());
      const PixelGrid bigGrid = GridOf(big, w * k, h * k);
      const SkinOutline scanned = ScanSkinCells(bigGrid, k);
      // The reference's pixel-by-pixel outline of the enlarged picture.
      const ReferenceSkinScan ref = ScanSkinReference(bigGrid);
      ASSERT_EQ(ref.mask.inside, MaskFromSpans(w * k, h * k, scanned.spans).inside) << k;
      ASSERT_TRUE(scanned.digit.found);
      EXPECT_EQ(dx * k, scanned.digit.x);
      EXPECT_EQ(dy * k, scanned.digit.y);
      EXPECT_FALSE(ScanSkin(bigGrid).digit.found);
    }
  }
}

TEST(FaceScaleTest, CellScanCutsPartCellsAtTheEdges) {
  // 5 x 3 at k = 2: three cells by two, the last column and row half cells.
  std::vector<uint32_t> px(15, 0x00445566);
  px[0] = kMagenta;
  const SkinOutline out = ScanSkinCells(GridOf(px, 5, 3), 2);
  const PixelMask mask = MaskFromSpans(5, 3, out.spans);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(x >= 2 || y >= 2 ? 1 : 0, mask.inside[y * 5 + x]) << x << "," << y;
  for (const RowSpan& s : out.spans) {
    EXPECT_LE(s.right, 5);
    EXPECT_LT(s.y, 3);
  }
}

}  // namespace
