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
