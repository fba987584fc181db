#include "tools/datagen/encoders.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <map>

#include <zlib.h>

namespace datagen {

void Put16(Bytes& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v & 0xFF));
    out.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
}

void Put32(Bytes& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, (v >> 16) & 0xFFFF);
}

static void PutInfoHeader(Bytes& out, int width, int height, int bpp, uint32_t imageSize, int paletteSize) {
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(width));
    Put32(out, static_cast<uint32_t>(height));
    Put16(out, 1);
    Put16(out, static_cast<uint32_t>(bpp));
    Put32(out, 0);  // BI_RGB
    Put32(out, imageSize);
    Put32(out, 2835);  // 72 dpi
    Put32(out, 2835);
    Put32(out, static_cast<uint32_t>(paletteSize));
    Put32(out, 0);
}

static int RowBytes(int width, int bpp) { return ((width * bpp + 31) / 32) * 4; }

Bytes EncodeBmp24(const Image& img) {
    const int stride = RowBytes(img.width, 24);
    const uint32_t imageSize = static_cast<uint32_t>(stride) * img.height;
    Bytes out;
    out.reserve(54 + imageSize);
    out.push_back('B');
    out.push_back('M');
    Put32(out, 54 + imageSize);
    Put32(out, 0);
    Put32(out, 54);
    PutInfoHeader(out, img.width, img.height, 24, imageSize, 0);
    for (int y = img.height - 1; y >= 0; --y) {
        for (int x = 0; x < img.width; ++x) {
            const uint8_t* p = img.At(x, y);
            out.push_back(p[2]);
            out.push_back(p[1]);
            out.push_back(p[0]);
        }
        for (int pad = img.width * 3; pad < stride; ++pad) out.push_back(0);
    }
    return out;
}

namespace {

using Colour = std::array<uint8_t, 3>;
using ColourAlpha = std::array<uint8_t, 4>;

// Median-cut palette of at most `limit` colours (of N channels each) for the
// pixels counted.
template <size_t N>
std::vector<std::array<uint8_t, N>> MedianCut(const std::map<std::array<uint8_t, N>, int>& counts, size_t limit) {
    using Colour = std::array<uint8_t, N>;
    std::vector<std::pair<Colour, int>> all(counts.begin(), counts.end());
    if (all.size() <= limit) {
        std::vector<Colour> pal;
        for (auto& e : all) pal.push_back(e.first);
        return pal;
    }
    struct Box {
        size_t begin, end;
    };
    std::vector<Box> boxes{{0, all.size()}};
    auto range = [&](const Box& b, int ch) {
        int lo = 255, hi = 0;
        for (size_t i = b.begin; i < b.end; ++i) {
            lo = std::min<int>(lo, all[i].first[ch]);
            hi = std::max<int>(hi, all[i].first[ch]);
        }
        return hi - lo;
    };
    while (boxes.size() < limit) {
        // Split the box with the widest channel range.
        int bestBox = -1, bestCh = 0, bestRange = 0;
        for (size_t b = 0; b < boxes.size(); ++b) {
            if (boxes[b].end - boxes[b].begin < 2) continue;
            for (int ch = 0; ch < static_cast<int>(N); ++ch) {
                int r = range(boxes[b], ch);
                if (r > bestRange) {
                    bestRange = r;
                    bestBox = static_cast<int>(b);
                    bestCh = ch;
                }
            }
        }
        if (bestBox < 0) break;
        Box box = boxes[bestBox];
        std::stable_sort(all.begin() + box.begin, all.begin() + box.end,
                         [bestCh](const auto& a, const auto& b) { return a.first[bestCh] < b.first[bestCh]; });
        long total = 0;
        for (size_t i = box.begin; i < box.end; ++i) total += all[i].second;
        long acc = 0;
        size_t mid = box.begin + 1;
        for (size_t i = box.begin; i < box.end - 1; ++i) {
            acc += all[i].second;
            mid = i + 1;
            if (acc * 2 >= total) break;
        }
        boxes[bestBox] = Box{box.begin, mid};
        boxes.push_back(Box{mid, box.end});
    }
    std::vector<Colour> pal;
    for (const Box& b : boxes) {
        long sum[N] = {}, n = 0;
        for (size_t i = b.begin; i < b.end; ++i) {
            for (size_t ch = 0; ch < N; ++ch) sum[ch] += static_cast<long>(all[i].first[ch]) * all[i].second;
            n += all[i].second;
        }
        Colour mean{};
        for (size_t ch = 0; ch < N; ++ch) mean[ch] = static_cast<uint8_t>((sum[ch] + n / 2) / n);
        pal.push_back(mean);
    }
    return pal;
}

size_t Nearest(const std::vector<Colour>& pal, const uint8_t* p, size_t first) {
    size_t best = first;
    long bestD = -1;
    for (size_t i = first; i < pal.size(); ++i) {
        long dr = pal[i][0] - p[0], dg = pal[i][1] - p[1], db = pal[i][2] - p[2];
        long d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
        if (bestD < 0 || d < bestD) {
            bestD = d;
            best = i;
        }
    }
    return best;
}

void AppendAndMask(Bytes& out, int w, int h, const std::function<bool(int, int)>& transparent) {
    const int stride = RowBytes(w, 1);
    for (int y = h - 1; y >= 0; --y) {
        Bytes row(stride, 0);
        for (int x = 0; x < w; ++x)
            if (transparent(x, y)) row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
}

void PutBig32(Bytes& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

void PutPngChunk(Bytes& out, const char* type, const Bytes& data) {
    PutBig32(out, static_cast<uint32_t>(data.size()));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBig32(out, static_cast<uint32_t>(crc32(0, &out[start], static_cast<uInt>(out.size() - start))));
}

Bytes EncodeIconImage(const IconEntry& e) {
    const ImageRgba& img = e.image;
    if (e.png) return EncodePng(img);
    const int w = img.width, h = img.height;
    Bytes out;
    if (e.bitsPerPixel == 32) {
        const uint32_t size = static_cast<uint32_t>(w * h * 4 + RowBytes(w, 1) * h);
        PutInfoHeader(out, w, h * 2, 32, size, 0);
        for (int y = h - 1; y >= 0; --y) {
            for (int x = 0; x < w; ++x) {
                const uint8_t* p = img.At(x, y);
                out.push_back(p[2]);
                out.push_back(p[1]);
                out.push_back(p[0]);
                out.push_back(p[3]);
            }
        }
        // Systems that ignore the alpha channel draw through this mask, so
        // mostly transparent edge pixels are left out there.
        AppendAndMask(out, w, h, [&](int x, int y) { return img.At(x, y)[3] < 128; });
        return out;
    }
    // 8-bit: palette entry 0 is black and serves the transparent pixels.
    auto transparent = [&](int x, int y) { return img.At(x, y)[3] < 128; };
    std::map<Colour, int> counts;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (!transparent(x, y)) {
                const uint8_t* p = img.At(x, y);
                counts[Colour{p[0], p[1], p[2]}]++;
            }
    std::vector<Colour> pal{Colour{0, 0, 0}};
    for (const Colour& c : MedianCut(counts, 255)) pal.push_back(c);
    const int stride = RowBytes(w, 8);
    const uint32_t size = static_cast<uint32_t>(stride * h + RowBytes(w, 1) * h);
    PutInfoHeader(out, w, h * 2, 8, size, 256);
    for (size_t i = 0; i < 256; ++i) {
        Colour c = i < pal.size() ? pal[i] : Colour{0, 0, 0};
        out.push_back(c[2]);
        out.push_back(c[1]);
        out.push_back(c[0]);
        out.push_back(0);
    }
    for (int y = h - 1; y >= 0; --y) {
        Bytes row(stride, 0);
        for (int x = 0; x < w; ++x)
            if (!transparent(x, y)) row[x] = static_cast<uint8_t>(Nearest(pal, img.At(x, y), pal.size() > 1 ? 1 : 0));
        out.insert(out.end(), row.begin(), row.end());
    }
    AppendAndMask(out, w, h, transparent);
    return out;
}

}  // namespace

Bytes EncodeBmp8(const Image& img) {
    std::map<Colour, int> counts;
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) {
            const uint8_t* p = img.At(x, y);
            counts[Colour{p[0], p[1], p[2]}]++;
        }
    std::vector<Colour> pal = MedianCut(counts, 256);
    const int stride = RowBytes(img.width, 8);
    const uint32_t imageSize = static_cast<uint32_t>(stride) * img.height;
    const uint32_t offset = 54 + 4 * static_cast<uint32_t>(pal.size());
    Bytes out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + imageSize);
    Put32(out, 0);
    Put32(out, offset);
    PutInfoHeader(out, img.width, img.height, 8, imageSize, static_cast<int>(pal.size()));
    for (const Colour& c : pal) {
        out.push_back(c[2]);
        out.push_back(c[1]);
        out.push_back(c[0]);
        out.push_back(0);
    }
    std::map<Colour, uint8_t> cache;
    for (int y = img.height - 1; y >= 0; --y) {
        Bytes row(stride, 0);
        for (int x = 0; x < img.width; ++x) {
            const uint8_t* p = img.At(x, y);
            Colour c{p[0], p[1], p[2]};
            auto it = cache.find(c);
            if (it == cache.end()) it = cache.emplace(c, static_cast<uint8_t>(Nearest(pal, p, 0))).first;
            row[x] = it->second;
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

Bytes EncodePng(const ImageRgba& img) {
    // At most 256 colours with their opacities, chosen by median cut over
    // colour and alpha: an icon's few thousand pixels lose nothing visible,
    // and the file takes about half the bytes of full RGBA.
    std::map<ColourAlpha, int> counts;
    auto key = [&](int x, int y) {
        const uint8_t* p = img.At(x, y);
        return p[3] == 0 ? ColourAlpha{0, 0, 0, 0} : ColourAlpha{p[0], p[1], p[2], p[3]};
    };
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) counts[key(x, y)]++;
    const std::vector<ColourAlpha> pal = MedianCut(counts, 256);
    std::map<ColourAlpha, uint8_t> index;
    for (const auto& [c, n] : counts) {
        (void)n;
        size_t best = 0;
        long bestD = -1;
        for (size_t i = 0; i < pal.size(); ++i) {
            const long dr = pal[i][0] - c[0], dg = pal[i][1] - c[1], db = pal[i][2] - c[2], da = pal[i][3] - c[3];
            // Opacity weighs most: a wrong alpha shows as a halo on any background.
            const long d = (dr * dr * 3 + dg * dg * 4 + db * db * 2) * (c[3] + 1) / 256 + da * da * 8;
            if (bestD < 0 || d < bestD) bestD = d, best = i;
        }
        index[c] = static_cast<uint8_t>(best);
    }
    Bytes raw;
    for (int y = 0; y < img.height; ++y) {
        raw.push_back(0);  // no filter: the one that packs palette pictures best
        for (int x = 0; x < img.width; ++x) raw.push_back(index[key(x, y)]);
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    Bytes packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 9) != Z_OK) return {};
    packed.resize(packedSize);
    Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header, colours, alphas;
    PutBig32(header, static_cast<uint32_t>(img.width));
    PutBig32(header, static_cast<uint32_t>(img.height));
    header.insert(header.end(), {8, 3, 0, 0, 0});  // 8-bit indices, palette, deflate, no interlace
    for (const ColourAlpha& c : pal) {
        colours.insert(colours.end(), {c[0], c[1], c[2]});
        alphas.push_back(c[3]);
    }
    PutPngChunk(out, "IHDR", header);
    PutPngChunk(out, "PLTE", colours);
    PutPngChunk(out, "tRNS", alphas);
    PutPngChunk(out, "IDAT", packed);
    PutPngChunk(out, "IEND", {});
    return out;
}

Bytes EncodeIco(const std::vector<IconEntry>& entries) {
    Bytes out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, static_cast<uint32_t>(entries.size()));
    std::vector<Bytes> images;
    for (const IconEntry& e : entries) images.push_back(EncodeIconImage(e));
    uint32_t offset = 6 + 16 * static_cast<uint32_t>(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        const IconEntry& e = entries[i];
        out.push_back(static_cast<uint8_t>(e.image.width >= 256 ? 0 : e.image.width));
        out.push_back(static_cast<uint8_t>(e.image.height >= 256 ? 0 : e.image.height));
        out.push_back(0);  // colour count: 0 for 256 colours or more
        out.push_back(0);
        Put16(out, 1);
        Put16(out, static_cast<uint32_t>(e.bitsPerPixel));
        Put32(out, static_cast<uint32_t>(images[i].size()));
        Put32(out, offset);
        offset += static_cast<uint32_t>(images[i].size());
    }
    for (const Bytes& b : images) out.insert(out.end(), b.begin(), b.end());
    return out;
}

Bytes EncodeMonoCursor(const std::vector<std::string>& pixels, int hotX, int hotY) {
    const int h = static_cast<int>(pixels.size());
    const int w = h > 0 ? static_cast<int>(pixels[0].size()) : 0;
    auto at = [&](int x, int y) { return x < static_cast<int>(pixels[y].size()) ? pixels[y][x] : ' '; };
    const int stride = RowBytes(w, 1);
    Bytes image;
    PutInfoHeader(image, w, h * 2, 1, static_cast<uint32_t>(stride * h * 2), 2);
    Put32(image, 0x00000000);  // index 0: black
    Put32(image, 0x00FFFFFF);  // index 1: white
    for (int y = h - 1; y >= 0; --y) {
        Bytes row(stride, 0);
        for (int x = 0; x < w; ++x)
            if (at(x, y) == '.') row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
        image.insert(image.end(), row.begin(), row.end());
    }
    AppendAndMask(image, w, h, [&](int x, int y) { return at(x, y) != '#' && at(x, y) != '.'; });

    Bytes out;
    Put16(out, 0);
    Put16(out, 2);
    Put16(out, 1);
    out.push_back(static_cast<uint8_t>(w));
    out.push_back(static_cast<uint8_t>(h));
    out.push_back(2);
    out.push_back(0);
    Put16(out, static_cast<uint32_t>(hotX));
    Put16(out, static_cast<uint32_t>(hotY));
    Put32(out, static_cast<uint32_t>(image.size()));
    Put32(out, 22);
    out.insert(out.end(), image.begin(), image.end());
    return out;
}

Bytes EncodeWav16Mono(const std::vector<int16_t>& samples, int sampleRate) {
    const uint32_t dataSize = static_cast<uint32_t>(samples.size() * 2);
    Bytes out;
    out.reserve(44 + dataSize);
    for (char c : std::string("RIFF")) out.push_back(static_cast<uint8_t>(c));
    Put32(out, 36 + dataSize);
    for (char c : std::string("WAVEfmt ")) out.push_back(static_cast<uint8_t>(c));
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, 1);  // mono
    Put32(out, static_cast<uint32_t>(sampleRate));
    Put32(out, static_cast<uint32_t>(sampleRate * 2));
    Put16(out, 2);
    Put16(out, 16);
    for (char c : std::string("data")) out.push_back(static_cast<uint8_t>(c));
    Put32(out, dataSize);
    for (int16_t s : samples) Put16(out, static_cast<uint16_t>(s));
    return out;
}

bool WriteFile(const std::string& path, const Bytes& data) {
    std::error_code ec;
    std::filesystem::path p(path);
    if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path(), ec);
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    if (!f) return false;
    f.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
    return static_cast<bool>(f);
}

bool WriteFile(const std::string& path, const std::string& text) {
    return WriteFile(path, Bytes(text.begin(), text.end()));
}

}  // namespace datagen
