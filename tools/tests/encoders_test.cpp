// Round trips through the file encoders: what the system's loaders would
// read back must be what was drawn.
#include <gtest/gtest.h>

#include <zlib.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "tools/datagen/encoders.h"
#include "tools/tests/file_readers.h"

namespace {

using namespace datagen_test;

datagen::Image Pattern(int w, int h, int colours) {
    datagen::Image img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int k = (x * 7 + y * 13) % colours;
            img.Set(x, y, static_cast<uint8_t>(k * 37), static_cast<uint8_t>(255 - k * 11), static_cast<uint8_t>(k * 5));
        }
    return img;
}

uint32_t Packed(const datagen::Image& img, int x, int y) {
    const uint8_t* p = img.At(x, y);
    return (p[0] << 16) | (p[1] << 8) | p[2];
}

TEST(BmpEncoder, RoundTripsEveryRowPadding) {
    // Widths 1 to 5 cover all four row paddings of 24-bit rows; the 8-bit
    // encoder must be exact while the picture has at most 256 colours.
    for (int w = 1; w <= 5; ++w) {
        for (int bits : {24, 8}) {
            SCOPED_TRACE("width " + std::to_string(w) + " bits " + std::to_string(bits));
            datagen::Image img = Pattern(w, 3, 9);
            Bmp bmp;
            ASSERT_TRUE(ParseBmp(bits == 24 ? datagen::EncodeBmp24(img) : datagen::EncodeBmp8(img), &bmp));
            ASSERT_EQ(bmp.bpp, bits);
            ASSERT_EQ(bmp.width, w);
            ASSERT_EQ(bmp.height, 3);
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < w; ++x) EXPECT_EQ(bmp.At(x, y), Packed(img, x, y)) << x << "," << y;
        }
    }
}

TEST(BmpEncoder, EightBitPaletteStaysCloseWithManyColours) {
    datagen::Image img(64, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            img.Set(x, y, static_cast<uint8_t>(x * 4), static_cast<uint8_t>(y * 4), static_cast<uint8_t>((x + y) * 2));
    Bmp bmp;
    ASSERT_TRUE(ParseBmp(datagen::EncodeBmp8(img), &bmp));
    int worst = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            uint32_t a = bmp.At(x, y), b = Packed(img, x, y);
            for (int shift : {0, 8, 16}) {
                int d = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
                worst = std::max(worst, d < 0 ? -d : d);
            }
        }
    EXPECT_LE(worst, 24);
}

// Decodes entry 0 of an icon file: colour and transparency of each pixel.
struct IconPixels {
    int size = 0, bpp = 0;
    std::vector<uint32_t> colour;
    std::vector<bool> transparent;
};

bool DecodeFirstEntry(const Bytes& b, IconPixels* out) {
    const uint32_t off = U32(b, 18);
    const int w = static_cast<int>(U32(b, off + 4)), bpp = U16(b, off + 14);
    if (U32(b, off + 8) != static_cast<uint32_t>(2 * w)) return false;
    const size_t palette = bpp <= 8 ? (size_t{4} << bpp) : 0;
    const size_t xorStride = ((static_cast<size_t>(w) * bpp + 31) / 32) * 4, andStride = ((w + 31) / 32) * 4;
    const size_t xorAt = off + 40 + palette, andAt = xorAt + xorStride * w;
    if (andAt + andStride * w > b.size()) return false;
    out->size = w;
    out->bpp = bpp;
    for (int y = 0; y < w; ++y) {
        const size_t row = w - 1 - y;
        for (int x = 0; x < w; ++x) {
            size_t p;
            if (bpp == 32) {
                p = xorAt + row * xorStride + x * 4;
            } else if (bpp == 8) {
                p = off + 40 + 4 * b[xorAt + row * xorStride + x];
            } else {
                int bit = (b[xorAt + row * xorStride + x / 8] >> (7 - x % 8)) & 1;
                p = off + 40 + 4 * bit;
            }
            out->colour.push_back((b[p + 2] << 16) | (b[p + 1] << 8) | b[p]);
            out->transparent.push_back((b[andAt + row * andStride + x / 8] >> (7 - x % 8)) & 1);
        }
    }
    return true;
}

TEST(IconEncoder, PaletteEntryKeepsColoursAndMasksTransparentPixels) {
    datagen::ImageRgba img;
    img.width = img.height = 16;
    img.rgba.assign(16 * 16 * 4, 0);
    for (int y = 4; y < 12; ++y)
        for (int x = 2; x < 14; ++x) {
            uint8_t* p = &img.rgba[(y * 16 + x) * 4];
            p[0] = x < 8 ? 200 : 20;
            p[1] = 100;
            p[2] = y < 8 ? 50 : 250;
            p[3] = (x == 2) ? 100 : 255;  // a faint column stays transparent
        }
    for (int bits : {8, 32}) {
        SCOPED_TRACE(bits);
        IconPixels px;
        ASSERT_TRUE(DecodeFirstEntry(datagen::EncodeIco({datagen::IconEntry{img, bits}}), &px));
        ASSERT_EQ(px.size, 16);
        ASSERT_EQ(px.bpp, bits);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const uint8_t* p = &img.rgba[(y * 16 + x) * 4];
                const size_t i = static_cast<size_t>(y) * 16 + x;
                // Mostly transparent pixels are masked in both depths.
                const bool clear = p[3] < 128;
                EXPECT_EQ(px.transparent[i], clear) << x << "," << y;
                if (clear && bits == 8) {
                    // Screen AND 1, XOR black: the desktop shows through unchanged.
                    EXPECT_EQ(px.colour[i], 0u);
                } else if (!clear || bits == 32) {
                    // 32-bit pictures keep every colour for systems that blend by alpha.
                    EXPECT_EQ(px.colour[i], static_cast<uint32_t>((p[0] << 16) | (p[1] << 8) | p[2]));
                }
            }
    }
}

TEST(CursorEncoder, KeepsBlackWhiteAndTransparentPixelsAndHotSpot) {
    std::vector<std::string> art(32, std::string(32, ' '));
    art[0][3] = '#';
    art[1][3] = '.';
    art[31][31] = '#';
    Bytes b = datagen::EncodeMonoCursor(art, 3, 0);
    EXPECT_EQ(U16(b, 2), 2);   // cursor
    EXPECT_EQ(U16(b, 10), 3);  // hot spot x
    EXPECT_EQ(U16(b, 12), 0);  // hot spot y
    IconPixels px;
    ASSERT_TRUE(DecodeFirstEntry(b, &px));
    ASSERT_EQ(px.bpp, 1);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const size_t i = static_cast<size_t>(y) * 32 + x;
            const char c = art[y][x];
            EXPECT_EQ(px.transparent[i], c == ' ') << x << "," << y;
            if (c == '#') {
                EXPECT_EQ(px.colour[i], 0u);
            } else if (c == '.') {
                EXPECT_EQ(px.colour[i], 0xFFFFFFu);
            }
        }
}

TEST(WavEncoder, WritesSamplesLittleEndianAfterTheHeader) {
    Bytes b = datagen::EncodeWav16Mono({0, 1, -1, 32767, -32768}, 22050);
    ASSERT_EQ(b.size(), 44u + 10u);
    EXPECT_EQ(U32(b, 40), 10u);
    const int16_t expected[] = {0, 1, -1, 32767, -32768};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(static_cast<int16_t>(U16(b, 44 + 2 * i)), expected[i]);
}

}  // namespace

// Reads a PNG file of 8-bit palette indices (the kind the icon encoder
// writes): checks every chunk's CRC and returns its RGBA pixels.
bool DecodePalettePng(const Bytes& b, int* w, int* h, std::vector<uint8_t>* rgba) {
    auto big = [&](size_t at) { return (uint32_t{b[at]} << 24) | (b[at + 1] << 16) | (b[at + 2] << 8) | b[at + 3]; };
    if (b.size() < 8 || b[0] != 0x89 || b[1] != 'P') return false;
    Bytes palette, alphas, packed;
    for (size_t at = 8; at + 12 <= b.size();) {
        const uint32_t n = big(at);
        if (at + 12 + n > b.size()) return false;
        if (crc32(0, &b[at + 4], n + 4) != big(at + 8 + n)) return false;
        const std::string type(b.begin() + at + 4, b.begin() + at + 8);
        const Bytes data(b.begin() + at + 8, b.begin() + at + 8 + n);
        if (type == "IHDR") {
            *w = static_cast<int>(big(at + 8)), *h = static_cast<int>(big(at + 12));
            if (data[8] != 8 || data[9] != 3) return false;
        }
        if (type == "PLTE") palette = data;
        if (type == "tRNS") alphas = data;
        if (type == "IDAT") packed.insert(packed.end(), data.begin(), data.end());
        at += 12 + n;
    }
    uLongf size = static_cast<uLongf>((*w + 1) * *h);
    Bytes raw(size);
    if (uncompress(raw.data(), &size, packed.data(), static_cast<uLong>(packed.size())) != Z_OK) return false;
    rgba->clear();
    for (int y = 0; y < *h; ++y) {
        if (raw[static_cast<size_t>(y) * (*w + 1)] != 0) return false;
        for (int x = 0; x < *w; ++x) {
            const size_t i = raw[static_cast<size_t>(y) * (*w + 1) + 1 + x];
            if (3 * i + 2 >= palette.size()) return false;
            rgba->insert(rgba->end(), {palette[3 * i], palette[3 * i + 1], palette[3 * i + 2]});
            rgba->push_back(i < alphas.size() ? alphas[i] : 255);
        }
    }
    return true;
}

TEST(IconEncoder, PngEntriesKeepFewColoursExactlyAndManyClosely) {
    // A ring of faint edge pixels around a gradient of 1024 colours, and the
    // same picture in three colours.
    for (bool gradient : {false, true}) {
        SCOPED_TRACE(gradient);
        datagen::ImageRgba img;
        img.width = img.height = 32;
        img.rgba.assign(32 * 32 * 4, 0);
        for (int y = 2; y < 30; ++y)
            for (int x = 2; x < 30; ++x) {
                uint8_t* p = &img.rgba[(y * 32 + x) * 4];
                const bool edge = x == 2 || y == 2 || x == 29 || y == 29;
                p[0] = static_cast<uint8_t>(gradient ? x * 8 : 200);
                p[1] = static_cast<uint8_t>(gradient ? y * 8 : 40);
                p[2] = 90;
                p[3] = edge ? 96 : 255;
            }
        const Bytes ico = datagen::EncodeIco({datagen::IconEntry{img, 32, true}});
        ASSERT_GT(ico.size(), 22u);
        const Bytes png(ico.begin() + 22, ico.end());
        int w = 0, h = 0;
        std::vector<uint8_t> px;
        ASSERT_TRUE(DecodePalettePng(png, &w, &h, &px));
        ASSERT_EQ(w, 32);
        ASSERT_EQ(h, 32);
        const int tolerance = gradient ? 12 : 0;
        for (size_t i = 0; i < px.size(); ++i) {
            if (img.rgba[i - i % 4 + 3] == 0) {
                EXPECT_EQ(px[i - i % 4 + 3], 0) << "transparent pixel " << i / 4;
                continue;
            }
            EXPECT_LE(std::abs(px[i] - img.rgba[i]), tolerance) << "byte " << i;
        }
    }
}
