#include "base/bitmap_file_check.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

void Put16(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  b[at] = static_cast<uint8_t>(v);
  b[at + 1] = static_cast<uint8_t>(v >> 8);
}
void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// A whole file: headers with a 40-byte info header, then the pixel rows.
std::vector<uint8_t> Bmp(int32_t width, int32_t height, uint16_t bits, uint32_t compression = 0,
                         uint32_t imageSize = 0, size_t dataBytes = 0) {
  std::vector<uint8_t> b(54 + dataBytes, 0);
  b[0] = 'B';
  b[1] = 'M';
  Put32(b, 2, static_cast<uint32_t>(b.size()));
  Put32(b, 10, 54);
  Put32(b, 14, 40);
  Put32(b, 18, static_cast<uint32_t>(width));
  Put32(b, 22, static_cast<uint32_t>(height));
  Put16(b, 26, 1);
  Put16(b, 28, bits);
  Put32(b, 30, compression);
  Put32(b, 34, imageSize);
  return b;
}

bool Complete(const std::vector<uint8_t>& b, uint64_t size) { return BitmapFileIsComplete(b.data(), b.size(), size); }
bool Complete(const std::vector<uint8_t>& b) { return Complete(b, b.size()); }

TEST(BitmapFileCheck, WholeFilesOfEveryDepthAndRowOrderPass) {
  // 176 x 48 at 24 bits: rows of 528 bytes; 5 x 3 at 1 bit: rows padded to 4 bytes.
  EXPECT_TRUE(Complete(Bmp(176, 48, 24, 0, 0, 528 * 48)));
  EXPECT_TRUE(Complete(Bmp(176, -48, 24, 0, 0, 528 * 48)));  // top row first
  EXPECT_TRUE(Complete(Bmp(5, 3, 1, 0, 0, 4 * 3)));
  EXPECT_TRUE(Complete(Bmp(7, 2, 4, 0, 0, 4 * 2)));
  EXPECT_TRUE(Complete(Bmp(162, 25, 32, 3, 0, 162 * 4 * 25)));  // bit fields
  EXPECT_TRUE(Complete(Bmp(10, 10, 8, 1, 60, 60)));             // run-length coded
  // Extra bytes after the rows are harmless.
  EXPECT_TRUE(Complete(Bmp(176, 48, 24, 0, 0, 528 * 48 + 100)));
}

TEST(BitmapFileCheck, FilesShorterThanTheirRowsFail) {
  const std::vector<uint8_t> whole = Bmp(176, 48, 24, 0, 0, 528 * 48);
  EXPECT_FALSE(Complete(whole, whole.size() - 1));
  EXPECT_FALSE(Complete(whole, 700));
  EXPECT_FALSE(Complete(whole, 54));
  EXPECT_FALSE(Complete(Bmp(10, 10, 8, 1, 60, 59)));  // coded data cut short
  EXPECT_FALSE(Complete(Bmp(10, 10, 8, 1, 0, 60)));   // coded data of unknown length
}

TEST(BitmapFileCheck, HostileHeadersFail) {
  std::vector<uint8_t> b = Bmp(4, 4, 24, 0, 0, 48);
  EXPECT_FALSE(BitmapFileIsComplete(b.data(), 20, b.size()));  // header cut off
  EXPECT_FALSE(BitmapFileIsComplete(nullptr, 54, 100));
  b[0] = 'X';
  EXPECT_FALSE(Complete(b));
  EXPECT_FALSE(Complete(Bmp(0, 4, 24, 0, 0, 48)));
  EXPECT_FALSE(Complete(Bmp(4, 0, 24)));
  EXPECT_FALSE(Complete(Bmp(-4, 4, 24, 0, 0, 48)));
  EXPECT_FALSE(Complete(Bmp(4, 4, 7, 0, 0, 48)));  // no such depth
  EXPECT_FALSE(Complete(Bmp(4, 4, 24, 9, 0, 48)));  // no such coding
  // Sizes whose row bytes would overflow 32 bits still fail instead of passing.
  EXPECT_FALSE(Complete(Bmp(0x7FFFFFFF, 0x7FFFFFFF, 32, 0, 0, 16)));
  std::vector<uint8_t> lying = Bmp(4, 4, 24, 0, 0, 48);
  Put32(lying, 10, 1000);  // pixel data said to start after the end of the file
  EXPECT_FALSE(Complete(lying));
  Put32(lying, 10, 20);  // ... or inside the headers
  EXPECT_FALSE(Complete(lying));
}

TEST(BitmapFileCheck, OldCoreHeadersAreRead) {
  std::vector<uint8_t> b(14 + 12 + 6 + 8 * 3, 0);  // 8 x 3 at 8 bits: rows of 8 bytes, two palette entries
  b[0] = 'B';
  b[1] = 'M';
  Put32(b, 10, 14 + 12 + 6);
  Put32(b, 14, 12);
  Put16(b, 18, 8);
  Put16(b, 20, 3);
  Put16(b, 22, 1);
  Put16(b, 24, 8);
  EXPECT_TRUE(Complete(b));
  EXPECT_FALSE(Complete(b, b.size() - 1));
}

}  // namespace

namespace {

TEST(BitmapFileCheck, PicturesBeyondTheBoundsCannotBeLoaded) {
  struct Row {
    int32_t width, height;
    bool loadable;
  } rows[] = {
      {8192, 2048, true},    // the longest side, 16 million pixels
      {4096, 4096, true},
      {8193, 1, false},      // a side too long
      {1, 8193, false},
      {4097, 4096, false},   // too many pixels
      {16000, 16000, false},
  };
  for (const Row& row : rows) {
    // Only the headers: the check that the rows lie inside the file comes after the bounds.
    std::vector<uint8_t> b = Bmp(row.width, row.height, 1);
    const uint64_t stride = ((static_cast<uint64_t>(row.width) + 31) / 32) * 4;
    EXPECT_EQ(row.loadable, Complete(b, 54 + stride * static_cast<uint64_t>(row.height)))
        << row.width << " x " << row.height;
  }
  // The run-length-coded picture that claims 16000 x 16000 and holds only its end code.
  const std::vector<uint8_t> coded = Bmp(16000, 16000, 8, 1, 2, 2);
  EXPECT_FALSE(Complete(coded));
}

TEST(BitmapFileCheck, RunLengthDataMustDrawInsideItsPicture) {
  struct Row {
    const char* what;
    std::vector<uint8_t> data;
    bool rle4;
    bool fits;
  } rows[] = {
      {"runs, row end, end code", {4, 7, 0, 0, 4, 9, 0, 1}, false, true},
      {"absolute run padded", {0, 3, 1, 2, 3, 0, 1, 5, 0, 1}, false, true},
      {"rle4 absolute run of 3 pixels in 2 bytes", {0, 3, 0x12, 0x30, 2, 0x55, 0, 1}, true, true},
      {"jump inside", {0, 2, 2, 1, 2, 5, 0, 1}, false, true},
      {"no end code: the rest stays blank", {4, 7}, false, true},
      {"run past the row's end", {6, 7, 0, 1}, false, false},
      {"rows past the bottom", {0, 0, 0, 0, 0, 0, 1, 1, 0, 1}, false, false},
      {"jump past the picture", {0, 2, 9, 0, 0, 1}, false, false},
      {"jump cut short", {0, 2, 1}, false, false},
      {"absolute run longer than the data", {0, 5, 1, 2}, false, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    EXPECT_EQ(row.fits, CodedPixelsFit(row.data.data(), row.data.size(), 5, 3, row.rle4));
  }
  // The header tells where the coded data is.
  std::vector<uint8_t> b = Bmp(5, 3, 4, 2, 8, 8);
  const CodedPixels coded = CodedPixelsOf(b.data(), b.size());
  EXPECT_EQ(54u, coded.offset);
  EXPECT_EQ(8u, coded.size);
  EXPECT_TRUE(coded.rle4);
  EXPECT_EQ(0u, CodedPixelsOf(Bmp(5, 3, 24).data(), 54).size);
}

}  // namespace
