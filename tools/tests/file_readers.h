// Small independent readers of the generated file formats, for the tests.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace datagen_test {

using Bytes = std::vector<uint8_t>;

inline Bytes ReadAll(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

inline uint32_t U32(const Bytes& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}
inline uint16_t U16(const Bytes& b, size_t at) { return static_cast<uint16_t>(b[at] | (b[at + 1] << 8)); }

// Minimal reader of uncompressed 24-bit and 8-bit BMP files, as the system's
// loader sees them. Returns false for anything malformed.
struct Bmp {
    int width = 0, height = 0, bpp = 0;
    std::vector<uint32_t> pixels;  // 0x00RRGGBB, rows top-down
    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

inline bool ParseBmp(const Bytes& b, Bmp* out) {
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return false;
    if (U32(b, 2) != b.size()) return false;
    const uint32_t offset = U32(b, 10);
    if (U32(b, 14) != 40) return false;
    const int32_t w = static_cast<int32_t>(U32(b, 18)), h = static_cast<int32_t>(U32(b, 22));
    const int bpp = U16(b, 28);
    if (w <= 0 || h <= 0 || U16(b, 26) != 1 || U32(b, 30) != 0) return false;  // bottom-up, BI_RGB
    if (bpp != 24 && bpp != 8) return false;
    const size_t stride = ((static_cast<size_t>(w) * bpp + 31) / 32) * 4;
    if (offset + stride * h != b.size()) return false;
    uint32_t paletteSize = U32(b, 46);
    if (bpp == 8) {
        if (paletteSize == 0) paletteSize = 256;
        if (paletteSize > 256 || 54 + paletteSize * 4 != offset) return false;
    } else if (offset != 54) {
        return false;
    }
    out->width = w;
    out->height = h;
    out->bpp = bpp;
    out->pixels.assign(static_cast<size_t>(w) * h, 0);
    for (int y = 0; y < h; ++y) {
        const size_t row = offset + stride * (h - 1 - y);
        for (int x = 0; x < w; ++x) {
            uint32_t c;
            if (bpp == 24) {
                const size_t p = row + x * 3;
                c = (b[p + 2] << 16) | (b[p + 1] << 8) | b[p];
            } else {
                const uint8_t idx = b[row + x];
                if (idx >= paletteSize) return false;
                const size_t p = 54 + idx * 4;
                c = (b[p + 2] << 16) | (b[p + 1] << 8) | b[p];
            }
            out->pixels[static_cast<size_t>(y) * w + x] = c;
        }
    }
    return true;
}

}  // namespace datagen_test
