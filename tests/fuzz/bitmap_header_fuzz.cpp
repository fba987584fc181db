// The bitmap header check on any bytes: the input is the file's start, its
// size the input's size, or a size taken from the input's last 8 bytes.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "base/bitmap_file_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  BitmapFileIsComplete(data, size < kBitmapHeaderBytes ? size : kBitmapHeaderBytes, size);
  if (size >= 8) {
    uint64_t fileSize;
    std::memcpy(&fileSize, data + size - 8, sizeof fileSize);
    BitmapFileIsComplete(data, size - 8 < kBitmapHeaderBytes ? size - 8 : kBitmapHeaderBytes, fileSize);
  }
  return 0;
}
