// Whether a bitmap (.bmp) file holds all the pixels its headers promise.
// The system's loaders map the file and read the pixel rows straight from it,
// so a truncated or lying file would make them read past its end; such files
// are treated as files that cannot be loaded.
#pragma once
#include <cstddef>
#include <cstdint>

// Bytes of the file's start that BitmapFileIsComplete needs to see.
constexpr size_t kBitmapHeaderBytes = 14 + 40;

// The largest picture the programs load: no side above 8192 pixels and no
// more than 16 million pixels (4096 x 4096), which a machine of the older
// systems can still hold as a 32-bit copy. Anything larger counts as a file
// that cannot be loaded.
constexpr int64_t kMaxBitmapSide = 8192;
constexpr int64_t kMaxBitmapPixels = 4096 * 4096;

// True when header (the first headerSize bytes of a file of fileSize bytes)
// describes an uncompressed or run-length-coded bitmap of a supported depth
// and size within the bounds whose pixel data lies wholly inside the file.
bool BitmapFileIsComplete(const uint8_t* header, size_t headerSize, uint64_t fileSize);

// What a run-length-coded bitmap needs checked beyond its header: where its
// coded data starts and how long it is; none (size 0) for other bitmaps.
// Meaningful only for a header BitmapFileIsComplete accepted.
struct CodedPixels {
  uint64_t offset = 0;
  uint32_t size = 0;
  int64_t width = 0;
  int64_t height = 0;
  bool rle4 = false;
};
CodedPixels CodedPixelsOf(const uint8_t* header, size_t headerSize);

// True when the run-length-coded data (RLE8, or RLE4 with rle4) draws only
// inside a width x height picture: every run, absolute run and jump stays in
// its rows and columns, and the data ends (or reaches its end-of-bitmap code)
// without reading past size bytes.
bool CodedPixelsFit(const uint8_t* data, size_t size, int64_t width, int64_t height, bool rle4);
