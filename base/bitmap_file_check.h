// Whether a bitmap (.bmp) file holds all the pixels its headers promise.
// The system's loaders map the file and read the pixel rows straight from it,
// so a truncated or lying file would make them read past its end; such files
// are treated as files that cannot be loaded.
#pragma once
#include <cstddef>
#include <cstdint>

// Bytes of the file's start that BitmapFileIsComplete needs to see.
constexpr size_t kBitmapHeaderBytes = 14 + 40;

// True when header (the first headerSize bytes of a file of fileSize bytes)
// describes an uncompressed or run-length-coded bitmap of a supported depth
// whose pixel data lies wholly inside the file.
bool BitmapFileIsComplete(const uint8_t* header, size_t headerSize, uint64_t fileSize);
