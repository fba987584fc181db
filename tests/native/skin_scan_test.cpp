#include "clock/skin_scan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "tests/reference/skin_scan_reference.h"

namespace {

constexpr uint32_t kMagenta = 0x00FF00FF;
constexpr uint32_t kWhite = 0x00FFFFFF;
constexpr uint32_t kBlack = 0;

// A bitmap in memory with a grid view on it.
struct Bitmap {
  int width;
  int height;
  std::vector<uint32_t> px;
  Bitmap(int w, int h, uint32_t fill) : width(w), height(h), px(w * h, fill) {}
  void Set(int x, int y, uint32_t c) {
    if (x >= 0 && y >= 0 && x < width && y < height) px[y * width + x] = c;
  }
  void Fill(int x0, int y0, int w, int h, uint32_t c) {
    for (int y = y0; y < y0 + h; ++y)
      for (int x = x0; x < x0 + w; ++x) Set(x, y, c);
  }
  // Left and right columns of a digit area (x and x + 109), rows y ... y+h-1.
  void Frame(int x, int y, int h, uint32_t c = kBlack) {
    Fill(x, y, 1, h, c);
    Fill(x + 109, y, 1, h, c);
  }
  PixelGrid Grid() const {
    PixelGrid g;
    g.width = width;
    g.height = height;
    g.pixels = px.data();
    g.stride = width;
    return g;
  }
};

int CountInside(const PixelMask& m) {
  return static_cast<int>(std::count(m.inside.begin(), m.inside.end(), 1));
}

// Checks that the fast scan, its banded rectangles and the reference agree.
void ExpectSameAsReference(const PixelGrid& grid, const char* what) {
  ReferenceSkinScan ref = ScanSkinReference(grid);
  SkinOutline fast = ScanSkin(grid);
  ASSERT_EQ(ref.digit, fast.digit) << what;
  PixelMask fromSpans = MaskFromSpans(grid.width, grid.height, fast.spans);
  ASSERT_EQ(ref.mask.inside, fromSpans.inside) << what;
  std::vector<RowSpan> fromRects;
  for (const RegionRect& r : MergeRowSpans(fast.spans)) {
    for (int y = r.top; y < r.bottom; ++y) fromRects.push_back({y, r.left, r.right});
  }
  ASSERT_EQ(ref.mask.inside,
            MaskFromSpans(grid.width, grid.height, fromRects).inside)
      << what;
}

TEST(SkinScanTest, KeyOnlyAtTheCornerRemovesOnePixel) {
  Bitmap bmp(200, 60, kWhite);
  bmp.Set(0, 0, kMagenta);
  SkinOutline out = ScanSkin(bmp.Grid());
  ASSERT_FALSE(out.spans.empty());
  EXPECT_EQ(out.spans.front(), (RowSpan{0, 1, 200}));
  EXPECT_EQ(CountInside(MaskFromSpans(200, 60, out.spans)), 200 * 60 - 1);
  EXPECT_FALSE(out.digit.found);
  EXPECT_EQ(MergeRowSpans(out.spans),
            (std::vector<RegionRect>{{1, 0, 200, 1}, {0, 1, 200, 60}}));
  ExpectSameAsReference(bmp.Grid(), "corner key");
}

TEST(SkinScanTest, KeyBorderAndInnerHoleAreCutOut) {
  Bitmap bmp(200, 60, kWhite);
  bmp.Fill(0, 0, 200, 3, kMagenta);
  bmp.Fill(0, 57, 200, 3, kMagenta);
  bmp.Fill(0, 0, 3, 60, kMagenta);
  bmp.Fill(197, 0, 3, 60, kMagenta);
  bmp.Set(100, 30, kMagenta);   // a hole in the middle of the picture
  bmp.Set(120, 31, 0x00FE00FF); // a near-key colour stays
  PixelMask mask = MaskFromSpans(200, 60, ScanSkin(bmp.Grid()).spans);
  EXPECT_EQ(CountInside(mask), 194 * 54 - 1);
  EXPECT_FALSE(mask.At(100, 30));
  EXPECT_TRUE(mask.At(120, 31));
  EXPECT_TRUE(mask.At(3, 3));
  EXPECT_FALSE(mask.At(2, 30));
  EXPECT_EQ(MergeRowSpans(ScanSkin(bmp.Grid()).spans),
            (std::vector<RegionRect>{{3, 3, 197, 30},
                                     {3, 30, 100, 31},
                                     {101, 30, 197, 31},
                                     {3, 31, 197, 57}}));
  ExpectSameAsReference(bmp.Grid(), "border");
}

TEST(SkinScanTest, DigitOriginCases) {
  struct Case {
    const char* name;
    int width, height;
    uint32_t key;
    void (*draw)(Bitmap&);
    DigitOriginResult expected;
  };
  const Case cases[] = {
      {"plain frame", 200, 60, kMagenta,
       [](Bitmap& b) { b.Frame(20, 10, 25); }, {true, 20, 10}},
      {"taller frame starts at its top", 200, 60, kMagenta,
       [](Bitmap& b) { b.Frame(20, 10, 40); }, {true, 20, 10}},
      {"24 rows are not enough", 200, 60, kMagenta,
       [](Bitmap& b) { b.Frame(20, 10, 24); }, {}},
      {"gap in the right column", 200, 60, kMagenta,
       [](Bitmap& b) { b.Frame(20, 10, 25); b.Set(129, 20, kWhite); }, {}},
      {"gap moves the place below it", 200, 80, kMagenta,
       [](Bitmap& b) { b.Frame(20, 10, 50); b.Set(20, 12, kWhite); },
       {true, 20, 13}},
      {"leftmost column wins over topmost", 300, 80, kMagenta,
       [](Bitmap& b) { b.Frame(50, 1, 25); b.Frame(30, 40, 25); },
       {true, 30, 40}},
      {"a full black picture starts at the corner", 120, 30, kMagenta,
       [](Bitmap& b) { b.Fill(0, 0, 120, 30, kBlack); b.Set(0, 0, kMagenta); },
       {true, 0, 1}},
      {"black key finds nothing", 200, 60, kBlack,
       [](Bitmap& b) { b.Frame(20, 10, 25); }, {}},
      {"cut by the bottom edge", 200, 34, kMagenta,
       [](Bitmap& b) { b.Frame(20, 10, 25); }, {}},
      {"touching the bottom edge", 200, 35, kMagenta,
       [](Bitmap& b) { b.Frame(20, 10, 25); }, {true, 20, 10}},
      {"right column outside the bitmap", 129, 60, kMagenta,
       [](Bitmap& b) { b.Fill(20, 10, 109, 25, kBlack); }, {}},
      {"right column on the last column", 130, 60, kMagenta,
       [](Bitmap& b) { b.Fill(20, 10, 110, 25, kBlack); }, {true, 20, 10}},
      {"key-coloured right column", 200, 60, kMagenta,
       [](Bitmap& b) { b.Frame(20, 10, 25); b.Fill(129, 10, 1, 25, kMagenta); },
       {}},
      {"top byte of the colour is ignored", 200, 60, kMagenta,
       [](Bitmap& b) { b.Frame(20, 10, 25, 0xFF000000u); }, {true, 20, 10}},
  };
  for (const Case& c : cases) {
    Bitmap bmp(c.width, c.height, kWhite);
    bmp.Set(0, 0, c.key);
    c.draw(bmp);
    EXPECT_EQ(ScanSkin(bmp.Grid()).digit, c.expected) << c.name;
    ExpectSameAsReference(bmp.Grid(), c.name);
  }
}

TEST(SkinScanTest, GridLayoutsReadTheSameColours) {
  Bitmap bmp(140, 30, kWhite);
  bmp.Set(0, 0, 0x000000FF);  // red key in 0x00BBGGRR
  bmp.Set(5, 5, 0x000000FF);
  bmp.Frame(3, 2, 25);
  SkinOutline plain = ScanSkin(bmp.Grid());

  // The same picture as a bottom-up DIB in B, G, R, X order.
  std::vector<uint32_t> dib(bmp.px.size());
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 140; ++x) {
      uint32_t c = bmp.px[y * 140 + x];
      dib[(29 - y) * 140 + x] =
          ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF) | 0xAB000000u;
    }
  }
  PixelGrid g;
  g.width = 140;
  g.height = 30;
  g.pixels = dib.data() + 29 * 140;
  g.stride = -140;
  g.order = PixelOrder::kBgrx;
  EXPECT_EQ(g.At(5, 5), 0x000000FFu);
  SkinOutline fromDib = ScanSkin(g);
  EXPECT_EQ(fromDib.spans.size(), plain.spans.size());
  EXPECT_TRUE(std::equal(fromDib.spans.begin(), fromDib.spans.end(),
                         plain.spans.begin()));
  EXPECT_EQ(fromDib.digit, plain.digit);
  EXPECT_EQ(fromDib.digit, (DigitOriginResult{true, 3, 2}));
  ExpectSameAsReference(g, "bottom-up dib");
}

TEST(SkinScanTest, EmptyOrBrokenGridsGiveNothing) {
  uint32_t one = kWhite;
  PixelGrid g;
  EXPECT_TRUE(ScanSkin(g).spans.empty());
  EXPECT_TRUE(ScanSkinReference(g).mask.inside.empty());
  g.width = 1;
  g.height = 1;
  EXPECT_TRUE(ScanSkin(g).spans.empty());  // no pixels behind it
  g.pixels = &one;
  g.stride = 0;  // shorter than a row
  EXPECT_TRUE(ScanSkin(g).spans.empty());
  g.stride = 1;
  // A single pixel is always the key: nothing remains.
  EXPECT_TRUE(ScanSkin(g).spans.empty());
  EXPECT_EQ(CountInside(ScanSkinReference(g).mask), 0);
}

TEST(SkinScanTest, RandomPicturesMatchTheReference) {
  std::mt19937 rng(20261207);
  const uint32_t palette[] = {kWhite, 0x00123456, 0x00808080, kBlack};
  for (int round = 0; round < 400; ++round) {
    std::uniform_int_distribution<int> wDist(1, round % 4 == 0 ? 300 : 130);
    std::uniform_int_distribution<int> hDist(1, round % 4 == 0 ? 80 : 40);
    const int w = wDist(rng);
    const int h = hDist(rng);
    const uint32_t key = round % 10 == 0 ? kBlack : kMagenta;
    Bitmap bmp(w, h, palette[rng() % 3]);
    auto rx = [&](int lo) { return static_cast<int>(rng() % (w + 20)) - lo; };
    auto ry = [&](int lo) { return static_cast<int>(rng() % (h + 20)) - lo; };
    // Black blocks, some covering whole regions.
    for (int i = static_cast<int>(rng() % 5); i > 0; --i) {
      bmp.Fill(rx(10), ry(10), static_cast<int>(rng() % 150),
               static_cast<int>(rng() % 40), kBlack);
    }
    // Digit frames of random height, possibly cut by the edges or broken.
    for (int i = static_cast<int>(rng() % 4); i > 0; --i) {
      int fx = rx(10);
      int fy = ry(10);
      bmp.Frame(fx, fy, 20 + static_cast<int>(rng() % 12));
      if (rng() % 3 == 0) bmp.Set(fx + 109 * (rng() % 2), fy + rng() % 30, kWhite);
    }
    // Key colour scattered, in blobs and on frames.
    const int keys = static_cast<int>(rng() % (w * h / 4 + 1));
    for (int i = 0; i < keys; ++i) {
      if (rng() % 4 == 0) {
        bmp.Fill(rx(5), ry(5), static_cast<int>(rng() % 8) + 1,
                 static_cast<int>(rng() % 8) + 1, key);
      } else {
        bmp.Set(rx(0), ry(0), key);
      }
    }
    bmp.Set(0, 0, key);
    ExpectSameAsReference(bmp.Grid(), "random picture");
    if (HasFatalFailure()) {
      ADD_FAILURE() << "round " << round << " size " << w << "x" << h;
      return;
    }
  }
}

TEST(SkinScanTest, LargePictureIsFast) {
  // A mostly black 1024 x 768 picture: the digit search must not test 25
  // rows for every black pixel.
  Bitmap bmp(1024, 768, kBlack);
  bmp.Set(0, 0, kMagenta);
  for (int x = 0; x < 1024; x += 7) bmp.Set(x, (x * 13) % 768, kMagenta);
  SkinOutline out = ScanSkin(bmp.Grid());
  EXPECT_EQ(out.digit, (DigitOriginResult{true, 0, 1}));
  EXPECT_LT(MergeRowSpans(out.spans).size(), 2000u);
}

TEST(MergeRowSpansTest, BandsRowsWithEqualSpans) {
  // Rows 0-1 equal, row 2 different, row 4 equal to row 2 but not adjacent;
  // unsorted, overlapping and touching input is normalised first.
  std::vector<RowSpan> spans = {{1, 5, 8}, {0, 0, 3},  {0, 5, 8}, {1, 0, 2},
                                {1, 1, 3}, {2, 0, 10}, {4, 0, 4}, {4, 4, 10},
                                {3, 7, 7}};
  EXPECT_EQ(MergeRowSpans(spans), (std::vector<RegionRect>{{0, 0, 3, 2},
                                                          {5, 0, 8, 2},
                                                          {0, 2, 10, 3},
                                                          {0, 4, 10, 5}}));
  EXPECT_TRUE(MergeRowSpans({}).empty());
}

}  // namespace
