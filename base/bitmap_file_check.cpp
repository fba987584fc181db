#include "base/bitmap_file_check.h"

namespace {

uint32_t U16(const uint8_t* p) { return static_cast<uint32_t>(p[0] | (p[1] << 8)); }
uint32_t U32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
         (static_cast<uint32_t>(p[3]) << 24);
}

constexpr uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3;

}  // namespace

bool BitmapFileIsComplete(const uint8_t* header, size_t headerSize, uint64_t fileSize) {
  if (!header || headerSize < 14 + 12 || fileSize < 14 + 12) return false;
  if (header[0] != 'B' || header[1] != 'M') return false;
  const uint64_t pixelsAt = U32(header + 10);
  const uint8_t* info = header + 14;
  const uint32_t infoSize = U32(info);
  int64_t width = 0, height = 0;
  uint32_t bitCount = 0, compression = kRgb, imageSize = 0;
  if (infoSize == 12) {  // the old core header: 16-bit sizes
    width = U16(info + 4);
    height = U16(info + 6);
    bitCount = U16(info + 10);
  } else if (infoSize >= 40 && headerSize >= 14 + 40) {
    width = static_cast<int32_t>(U32(info + 4));
    height = static_cast<int32_t>(U32(info + 8));
    bitCount = U16(info + 14);
    compression = U32(info + 16);
    imageSize = U32(info + 20);
  } else {
    return false;
  }
  if (height < 0) height = -height;
  if (width <= 0 || height <= 0 || pixelsAt < 14 + infoSize || pixelsAt > fileSize) return false;
  if (width > kMaxBitmapSide || height > kMaxBitmapSide || width * height > kMaxBitmapPixels) return false;
  switch (bitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: return false;
  }
  if (compression == kRle8 || compression == kRle4) {
    // Coded rows have no fixed size: the coded data must be as long as stated
    // (its runs are checked against the size by CodedPixelsFit).
    if ((compression == kRle8 && bitCount != 8) || (compression == kRle4 && bitCount != 4)) return false;
    return imageSize > 0 && pixelsAt + imageSize <= fileSize;
  }
  if (compression != kRgb && compression != kBitfields) return false;
  const uint64_t stride = ((static_cast<uint64_t>(width) * bitCount + 31) / 32) * 4;
  return pixelsAt + stride * static_cast<uint64_t>(height) <= fileSize;
}

CodedPixels CodedPixelsOf(const uint8_t* header, size_t headerSize) {
  CodedPixels out;
  if (!header || headerSize < 14 + 40 || U32(header + 14) < 40) return out;
  const uint8_t* info = header + 14;
  const uint32_t compression = U32(info + 16);
  if (compression != kRle8 && compression != kRle4) return out;
  out.offset = U32(header + 10);
  out.size = U32(info + 20);
  out.width = static_cast<int32_t>(U32(info + 4));
  out.height = static_cast<int32_t>(U32(info + 8));
  if (out.height < 0) out.height = -out.height;
  out.rle4 = compression == kRle4;
  return out;
}

bool CodedPixelsFit(const uint8_t* data, size_t size, int64_t width, int64_t height, bool rle4) {
  if (!data || width <= 0 || height <= 0) return false;
  int64_t x = 0, y = 0;
  size_t at = 0;
  while (at + 2 <= size) {
    const uint8_t first = data[at], second = data[at + 1];
    at += 2;
    if (first > 0) {  // a run of first pixels
      if (y >= height || x + first > width) return false;
      x += first;
      continue;
    }
    switch (second) {
      case 0:  // end of row
        x = 0;
        ++y;
        break;
      case 1:  // end of bitmap
        return true;
      case 2:  // jump right and down
        if (at + 2 > size) return false;
        x += data[at];
        y += data[at + 1];
        at += 2;
        if (x > width || y > height) return false;
        break;
      default: {  // second pixels given one by one, padded to a 16-bit boundary
        const size_t bytes = rle4 ? (second + 1u) / 2u : second;
        if (y >= height || x + second > width || at + bytes > size) return false;
        x += second;
        at += (bytes + 1u) & ~size_t{1};
        break;
      }
    }
  }
  // Data that ends without the end-of-bitmap code leaves the rest blank.
  return at <= size;
}
