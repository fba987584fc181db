// Byte encoders for the file formats the generator writes: 24-bit BMP,
// icon and cursor files (BMP-based entries), and 16-bit PCM WAV.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/datagen/canvas.h"

namespace datagen {

using Bytes = std::vector<uint8_t>;

// Uncompressed 24-bit bottom-up BMP with rows padded to four bytes.
Bytes EncodeBmp24(const Image& img);

// 8-bit BMP with a palette of at most 256 colours chosen for the picture.
Bytes EncodeBmp8(const Image& img);

// One picture of an icon or cursor file.
struct IconEntry {
    ImageRgba image;  // square, at most 256 pixels
    int bitsPerPixel;  // 8 (palette made from the picture, 1-bit transparency) or 32 (alpha)
    // Stored as a PNG file instead of a bitmap (32 bits only): a fraction of
    // the bytes, read by Windows Vista and later; older systems cannot read
    // such a picture, so only sizes they never ask for are stored so.
    bool png = false;
};

// PNG file of the picture in at most 256 colours with their opacities.
Bytes EncodePng(const ImageRgba& img);

// Icon file (type 1) with the given entries in order.
Bytes EncodeIco(const std::vector<IconEntry>& entries);

// Monochrome cursor file (type 2): `pixels` rows of characters, '#' black,
// '.' white, anything else transparent; all rows the same length.
Bytes EncodeMonoCursor(const std::vector<std::string>& pixels, int hotX, int hotY);

// 16-bit signed mono PCM WAV.
Bytes EncodeWav16Mono(const std::vector<int16_t>& samples, int sampleRate);

// Writes the bytes to a file, creating missing parent directories. Returns success.
bool WriteFile(const std::string& path, const Bytes& data);
bool WriteFile(const std::string& path, const std::string& text);

// Little-endian appenders, shared by the encoders.
void Put16(Bytes& out, uint32_t v);
void Put32(Bytes& out, uint32_t v);

}  // namespace datagen
