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
  switch (bitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: return false;
  }
  if (compression == kRle8 || compression == kRle4) {
    // Coded rows have no fixed size: the coded data must be as long as stated.
    return imageSize > 0 && pixelsAt + imageSize <= fileSize;
  }
  if (compression != kRgb && compression != kBitfields) return false;
  const uint64_t stride = ((static_cast<uint64_t>(width) * bitCount + 31) / 32) * 4;
  return pixelsAt + stride * static_cast<uint64_t>(height) <= fileSize;
}
