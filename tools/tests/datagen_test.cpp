// Tests of the data generator. The checks read the written files back with
// small independent readers, so they catch encoder faults as well as artwork
// that would not work in the clock (digit area not found, black key colour).
#include <gtest/gtest.h>
#include <iconv.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tools/datagen/datagen.h"
#include "tools/datagen/encoders.h"
#include "tools/datagen/pictures.h"
#include "tools/datagen/skins.h"
#include "tools/datagen/sounds.h"
#include "tools/tests/file_readers.h"

namespace fs = std::filesystem;

namespace {

using namespace datagen_test;

// The clock's digit-area scan: columns left to right, rows top to bottom; the
// first black non-key pixel whose column and the column 109 to its right are
// black for 25 rows.
bool FindDigitOrigin(const Bmp& bmp, int* ox, int* oy) {
    const uint32_t key = bmp.At(0, 0);
    auto black = [&](int x, int y) { return x < bmp.width && y < bmp.height && bmp.At(x, y) == 0; };
    for (int x = 0; x < bmp.width; ++x) {
        for (int y = 0; y < bmp.height; ++y) {
            if (bmp.At(x, y) == key || bmp.At(x, y) != 0) continue;
            int row = 0;
            while (row < 25 && black(x, y + row) && black(x + 109, y + row)) ++row;
            if (row == 25) {
                *ox = x;
                *oy = y;
                return true;
            }
        }
    }
    return false;
}

class GeneratedFiles : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        root_ = new fs::path(fs::temp_directory_path() / ("datagen_test_" + std::to_string(::getpid())));
        fs::remove_all(*root_);
        std::string error;
        ok_ = datagen::GenerateAll((*root_ / "dist").string(), (*root_ / "gen").string(), &error);
    }
    static void TearDownTestSuite() {
        fs::remove_all(*root_);
        delete root_;
    }
    static fs::path Dist(const std::string& name) { return *root_ / "dist" / name; }
    static fs::path Gen(const std::string& name) { return *root_ / "gen" / name; }
    static Bmp LoadBmp(const fs::path& p) {
        Bmp bmp;
        EXPECT_TRUE(ParseBmp(ReadAll(p), &bmp)) << p;
        return bmp;
    }
    static fs::path* root_;
    static bool ok_;
};

fs::path* GeneratedFiles::root_ = nullptr;
bool GeneratedFiles::ok_ = false;

TEST_F(GeneratedFiles, GenerationSucceeds) { ASSERT_TRUE(ok_); }

// The build declares Outputs() as the generator's outputs: nothing may be
// written beside them, and each must be written.
TEST_F(GeneratedFiles, WritesExactlyTheListedOutputs) {
    ASSERT_TRUE(ok_);
    std::vector<std::string> written, listed;
    for (const auto& e : fs::recursive_directory_iterator(*root_))
        if (e.is_regular_file()) written.push_back(e.path().lexically_relative(*root_).generic_string());
    for (const datagen::Output& o : datagen::Outputs()) listed.push_back(datagen::ListedName(o));
    std::sort(written.begin(), written.end());
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, written);
    EXPECT_TRUE(std::adjacent_find(listed.begin(), listed.end()) == listed.end());
}

TEST(DeclaredOutputs, EveryDifferenceIsNamed) {
    const std::vector<datagen::Output> outputs = {{datagen::Output::Dist, "a.bmp", nullptr},
                                                  {datagen::Output::Dist, "Help/h.htm", nullptr},
                                                  {datagen::Output::Gen, "i.ico", nullptr}};
    struct Case {
        const char* declared;
        std::vector<std::string> problems;
    } cases[] = {
        {"# list\ndist/a.bmp\ndist/Help/h.htm\ngen/i.ico\n", {}},
        {"  gen/i.ico  \r\n\ndist/Help/h.htm # the help page\r\ndist/a.bmp", {}},
        {"dist/a.bmp\ngen/i.ico\n", {"dist/Help/h.htm is written but not declared"}},
        {"dist/a.bmp\ndist/Help/h.htm\ngen/i.ico\ngen/old.ico\n", {"gen/old.ico is declared but not written"}},
        {"dist/a.bmp\ndist/Help/h.htm\ngen/i.ico\ndist/a.bmp\n", {"dist/a.bmp is declared twice"}},
        {"gen/a.bmp\ndist/Help/h.htm\ngen/i.ico\n",
         {"dist/a.bmp is written but not declared", "gen/a.bmp is declared but not written"}},
        {"", {"dist/a.bmp is written but not declared", "dist/Help/h.htm is written but not declared",
              "gen/i.ico is written but not declared"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.declared);
        EXPECT_EQ(c.problems, datagen::CompareWithDeclared(c.declared, outputs));
    }
}

TEST_F(GeneratedFiles, SkinsHaveKeyColourAndDigitAreaWhereIntended) {
    const auto skins = datagen::MakeSkins();
    ASSERT_GE(skins.size(), 3u);
    bool anyHole = false;
    for (const auto& skin : skins) {
        SCOPED_TRACE(skin.file);
        Bmp bmp = LoadBmp(Dist(skin.file));
        ASSERT_EQ(bmp.bpp, 24);
        EXPECT_GE(bmp.width, 140);
        EXPECT_LE(bmp.width, 230);
        EXPECT_GE(bmp.height, 40);
        EXPECT_LE(bmp.height, 90);
        const uint32_t key = bmp.At(0, 0);
        EXPECT_NE(key, 0u) << "a black key colour makes the digit area unfindable";
        int ox = -1, oy = -1;
        ASSERT_TRUE(FindDigitOrigin(bmp, &ox, &oy));
        EXPECT_EQ(ox, skin.digitX);
        EXPECT_EQ(oy, skin.digitY);
        // The digit area must be inside the window outline, not cut out.
        for (int y = oy - 1; y <= oy + 25; ++y)
            for (int x = ox - 1; x <= ox + 110; ++x) ASSERT_NE(bmp.At(x, y), key) << x << "," << y;
        // A hole: a key pixel that cannot be reached from the border through key pixels.
        std::vector<char> seen(bmp.pixels.size(), 0);
        std::vector<std::pair<int, int>> stack;
        for (int x = 0; x < bmp.width; ++x) stack.push_back({x, 0}), stack.push_back({x, bmp.height - 1});
        for (int y = 0; y < bmp.height; ++y) stack.push_back({0, y}), stack.push_back({bmp.width - 1, y});
        while (!stack.empty()) {
            auto [x, y] = stack.back();
            stack.pop_back();
            if (x < 0 || y < 0 || x >= bmp.width || y >= bmp.height) continue;
            size_t i = static_cast<size_t>(y) * bmp.width + x;
            if (seen[i] || bmp.pixels[i] != key) continue;
            seen[i] = 1;
            stack.push_back({x + 1, y}), stack.push_back({x - 1, y}), stack.push_back({x, y + 1}),
                stack.push_back({x, y - 1});
        }
        for (size_t i = 0; i < bmp.pixels.size(); ++i)
            if (bmp.pixels[i] == key && !seen[i]) anyHole = true;
    }
    EXPECT_TRUE(anyHole) << "at least one skin shows the desktop through a hole";
}

TEST_F(GeneratedFiles, SkinEdgesHaveNoNearKeyFringe) {
    // Pixels next to the cut-out must not be tinted towards the key colour,
    // or the clock would show a magenta halo on the desktop.
    for (const auto& skin : datagen::MakeSkins()) {
        SCOPED_TRACE(skin.file);
        Bmp bmp = LoadBmp(Dist(skin.file));
        const uint32_t key = bmp.At(0, 0);
        for (int y = 1; y + 1 < bmp.height; ++y)
            for (int x = 1; x + 1 < bmp.width; ++x) {
                uint32_t c = bmp.At(x, y);
                if (c == key) continue;
                bool edge = bmp.At(x - 1, y) == key || bmp.At(x + 1, y) == key || bmp.At(x, y - 1) == key ||
                            bmp.At(x, y + 1) == key;
                if (!edge) continue;
                int r = c >> 16, g = (c >> 8) & 0xFF, b = c & 0xFF;
                EXPECT_FALSE(r > 160 && b > 160 && g < 100) << x << "," << y;
            }
    }
}

// The skins and strips drawn at 2x and 3x: drawn anew (not enlarged), yet
// with the 1x outline and digit area exactly enlarged, so that the clock
// finds both where it expects them; the strips' pieces where the clock
// copies them from.
TEST_F(GeneratedFiles, LargerSkinsAndStripsKeepTheLayoutEnlarged) {
    for (int k : {2, 3}) {
        const auto one = datagen::MakeSkins(1);
        const auto big = datagen::MakeSkins(k);
        ASSERT_EQ(one.size(), big.size());
        for (size_t i = 0; i < one.size(); ++i) {
            SCOPED_TRACE(big[i].file);
            const Bmp small = LoadBmp(Dist(one[i].file));
            const Bmp bmp = LoadBmp(Dist(big[i].file));
            ASSERT_EQ(bmp.width, small.width * k);
            ASSERT_EQ(bmp.height, small.height * k);
            const uint32_t key = small.At(0, 0);
            bool finer = false;
            for (int y = 0; y < bmp.height; ++y)
                for (int x = 0; x < bmp.width; ++x) {
                    const bool cut = small.At(x / k, y / k) == key;
                    ASSERT_EQ(cut, bmp.At(x, y) == key) << x << "," << y;
                    const bool black = bmp.At(x, y) == 0;
                    const int ux = x / k - one[i].digitX, uy = y / k - one[i].digitY;
                    ASSERT_EQ(black, (ux == 0 || ux == 109) && uy >= 0 && uy < 25) << x << "," << y;
                    if (!cut && bmp.At(x, y) != small.At(x / k, y / k)) finer = true;
                }
            EXPECT_TRUE(finer) << "drawn at the larger size, not enlarged";
        }
        for (const auto& strip : datagen::MakeDigitStrips(k)) {
            SCOPED_TRACE(strip.file);
            const Bmp bmp = LoadBmp(Dist(strip.file));
            ASSERT_EQ(bmp.width, 162 * k);
            ASSERT_EQ(bmp.height, 25 * k);
            for (int y = 0; y < 25 * k; ++y)
                for (int x = 0; x < 2 * k; ++x) EXPECT_EQ(bmp.At(160 * k + x, y), bmp.At(150 * k + x, y)) << y;
        }
    }
}

TEST_F(GeneratedFiles, DigitStripsHaveTheLayoutTheClockCopiesFrom) {
    const auto strips = datagen::MakeDigitStrips();
    ASSERT_GE(strips.size(), 2u);
    for (const auto& strip : strips) {
        SCOPED_TRACE(strip.file);
        Bmp bmp = LoadBmp(Dist(strip.file));
        ASSERT_EQ(bmp.width, 162);
        ASSERT_EQ(bmp.height, 25);
        // The clock draws the edge piece at the left and the colon's first two
        // columns at the right: both must be the plain display background.
        for (int y = 0; y < 25; ++y) {
            EXPECT_EQ(bmp.At(160, y), bmp.At(150, y)) << y;
            EXPECT_EQ(bmp.At(161, y), bmp.At(151, y)) << y;
        }
        // Every digit cell differs from every other one.
        for (int a = 0; a < 10; ++a)
            for (int b = a + 1; b < 10; ++b) {
                bool differ = false;
                for (int y = 0; y < 25 && !differ; ++y)
                    for (int x = 0; x < 15 && !differ; ++x) differ = bmp.At(15 * a + x, y) != bmp.At(15 * b + x, y);
                EXPECT_TRUE(differ) << a << " vs " << b;
            }
    }
}

TEST_F(GeneratedFiles, SettingsFileNamesExistingSkinsInOrder) {
    Bytes raw = ReadAll(Dist("Ticora.ini"));
    std::string ini(raw.begin(), raw.end());
    // CRLF everywhere: no bare LF.
    for (size_t i = 0; i < ini.size(); ++i)
        if (ini[i] == '\n') {
            ASSERT_TRUE(i > 0 && ini[i - 1] == '\r') << i;
        }
    const char* expected[] = {"[SYSTEM]\r\n",          "bSignalClock=0\r\n", "bClockMode=0\r\n",
                              "bAffairRemind=1\r\n",   "sSignalFile=\r\n",   "bTransparent=0\r\n",
                              "nTransparence=255\r\n", "nMessageWait=10\r\n", "nShutdownWait=30\r\n",
                              "nLostPosLeft=200\r\n",  "nLastPostop=200\r\n", "bAutoStart=0\r\n",
                              "[BACKGROUND]\r\n",      "[NUMBER]\r\n"};
    size_t pos = 0;
    for (const char* line : expected) {
        size_t at = ini.find(line, pos);
        ASSERT_NE(at, std::string::npos) << line;
        pos = at;
    }
    // Each list's sFile entries name files that exist, and nTotal counts them.
    for (const char* section : {"[BACKGROUND]", "[NUMBER]"}) {
        size_t start = ini.find(section);
        size_t end = ini.find('[', start + 1);
        std::string body = ini.substr(start, end == std::string::npos ? std::string::npos : end - start);
        int total = std::atoi(body.c_str() + body.find("nTotal=") + 7);
        EXPECT_GE(total, 2) << section;
        EXPECT_NE(body.find("nCurrent=1\r\n"), std::string::npos);
        for (int i = 1; i <= total; ++i) {
            char key[32];
            std::snprintf(key, sizeof key, "sFile%02d=", i);
            size_t k = body.find(key);
            ASSERT_NE(k, std::string::npos) << key;
            const size_t v = k + std::strlen(key);
            std::string name = body.substr(v, body.find('\r', k) - v);
            EXPECT_TRUE(fs::exists(Dist(name))) << name;
        }
    }
}

TEST_F(GeneratedFiles, PicturesHaveTheSizesTheWindowsAssume) {
    // Each picture also drawn for 2 and 3 times the DPI, exactly k times its size.
    struct Case {
        const char* name;
        bool resource;  // the 1x picture is compiled in; the larger ones are data files
        int width, height;
    } cases[] = {
        {"WndBackgnd", false, 320, 180},
        {"warning", false, 273, 50},
        {"clockIcons_combin", false, 32 * datagen::kStripImageCount, 32},
        {"about_ticora", true, 280, 50},
        {"about_belvane", true, 280, 50},
    };
    for (const Case& c : cases) {
        for (int k : {1, 2, 3}) {
            const std::string name = datagen::ScaledName(c.name, k);
            SCOPED_TRACE(name);
            Bmp bmp = LoadBmp(k == 1 && c.resource ? Gen(name) : Dist(name));
            EXPECT_EQ(bmp.width, c.width * k);
            EXPECT_EQ(bmp.height, c.height * k);
        }
    }
}

TEST_F(GeneratedFiles, MessageBoardKeepsItsTextsReadable) {
    Bmp bmp = LoadBmp(Dist("WndBackgnd.bmp"));
    auto luma = [&](int x, int y) {
        uint32_t c = bmp.At(x, y);
        return 0.299 * (c >> 16) + 0.587 * ((c >> 8) & 0xFF) + 0.114 * (c & 0xFF);
    };
    // Yellow caption on a dark strip, blue message text on a light area.
    for (int x = 6; x < 290; x += 7) EXPECT_LT(luma(x, 14), 110) << x;
    for (int y = 30; y < 150; y += 9)
        for (int x = 8; x < 312; x += 11) EXPECT_GT(luma(x, y), 190) << x << "," << y;
}

TEST_F(GeneratedFiles, ImageStripUsedImagesAreDrawnOnTheMaskColour) {
    const uint32_t mask = (192u << 16) | (220u << 8) | 192u;
    for (int k : {1, 2, 3}) {
        Bmp bmp = LoadBmp(Dist(datagen::ScaledName("clockIcons_combin", k)));
        const int s = 32 * k;
        for (int image : {2, 3, 6, 7, 9}) {
            int drawn = 0;
            for (int y = 0; y < s; ++y)
                for (int x = 0; x < s; ++x) drawn += bmp.At(image * s + x, y) != mask;
            EXPECT_GT(drawn, 150 * k * k) << image << " at " << k << "x";
            EXPECT_LT(drawn, (32 * 32 - 60) * k * k) << image << " at " << k << "x leaves no transparent surround";
            EXPECT_EQ(bmp.At(image * s, 0), mask) << image << " at " << k << "x";
        }
    }
}

// Reads an icon or cursor directory and checks that every entry lies inside the file
// and carries a BITMAPINFOHEADER of twice its height, or is a PNG picture
// (listed with depth 0).
void CheckIconFile(const Bytes& b, uint16_t type, std::vector<std::pair<int, int>>* sizesAndDepths) {
    ASSERT_GE(b.size(), 6u);
    ASSERT_EQ(U16(b, 0), 0);
    ASSERT_EQ(U16(b, 2), type);
    const int n = U16(b, 4);
    ASSERT_GT(n, 0);
    for (int i = 0; i < n; ++i) {
        const size_t e = 6 + 16 * i;
        ASSERT_LE(e + 16, b.size());
        const int w = b[e] ? b[e] : 256;
        const uint32_t size = U32(b, e + 8), offset = U32(b, e + 12);
        ASSERT_LE(static_cast<uint64_t>(offset) + size, b.size());
        if (U32(b, offset) == 0x474E5089u) {  // "\x89PNG"
            EXPECT_EQ(U32(b, offset + 16), static_cast<uint32_t>(w) << 24) << "PNG width, big-endian";
            sizesAndDepths->push_back({w, 0});
            continue;
        }
        ASSERT_EQ(U32(b, offset), 40u);
        EXPECT_EQ(static_cast<int>(U32(b, offset + 4)), w);
        EXPECT_EQ(static_cast<int>(U32(b, offset + 8)), 2 * w);
        const int bpp = U16(b, offset + 14);
        const size_t palette = bpp <= 8 ? (size_t{4} << bpp) : 0;
        const size_t xorBytes = ((static_cast<size_t>(w) * bpp + 31) / 32) * 4 * w;
        const size_t andBytes = ((static_cast<size_t>(w) + 31) / 32) * 4 * w;
        EXPECT_EQ(size, 40 + palette + xorBytes + andBytes) << "entry " << i;
        sizesAndDepths->push_back({w, bpp});
    }
}

TEST_F(GeneratedFiles, IconsWorkOnOldAndNewSystems) {
    for (const char* name : {"ticora.ico", "belvane.ico", "dorvix.ico"}) {
        SCOPED_TRACE(name);
        std::vector<std::pair<int, int>> entries;
        CheckIconFile(ReadAll(Gen(name)), 1, &entries);
        // 256-colour 32 and 16 pixel pictures for systems without alpha icons.
        bool has32 = false, has16 = false;
        for (auto [w, bpp] : entries) {
            has32 |= w == 32 && bpp == 8;
            has16 |= w == 16 && bpp == 8;
        }
        EXPECT_TRUE(has32 && has16);
        // The programs' icons at every size the shell asks for from 100 % to
        // 300 %; PNG pictures only at the sizes Windows 95 to XP never ask
        // for, since they cannot read them.
        if (std::string(name) == "dorvix.ico") continue;
        for (int size : {16, 20, 24, 32, 40, 48, 64}) {
            bool found = false;
            for (auto [w, bpp] : entries) found |= w == size && (bpp == 32 || bpp == 0);
            EXPECT_TRUE(found) << size;
        }
        for (auto [w, bpp] : entries)
            if (bpp == 0) {
                EXPECT_TRUE(w == 20 || w == 24 || w == 40 || w == 64) << w;
            }
    }
}

TEST_F(GeneratedFiles, CursorIsAHandWithHotSpotOnTheFingertip) {
    Bytes b = ReadAll(Gen("hand.cur"));
    std::vector<std::pair<int, int>> entries;
    CheckIconFile(b, 2, &entries);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].first, 32);
    EXPECT_EQ(entries[0].second, 1);
    const int hx = U16(b, 10), hy = U16(b, 12);
    // The hot spot is an opaque (outline) pixel in the top row of the picture.
    auto rows = datagen::HandCursorPixels();
    ASSERT_EQ(rows.size(), 32u);
    EXPECT_EQ(hy, 0);
    EXPECT_EQ(rows[hy][hx], '#');
    for (const auto& r : rows) EXPECT_EQ(r.size(), 32u);
}

struct Wav {
    int channels = 0, rate = 0, bits = 0;
    size_t samples = 0;
};

bool ParseWav(const Bytes& b, Wav* w) {
    if (b.size() < 44 || std::memcmp(b.data(), "RIFF", 4) || std::memcmp(b.data() + 8, "WAVEfmt ", 8)) return false;
    if (U32(b, 4) != b.size() - 8 || U32(b, 16) != 16 || U16(b, 20) != 1) return false;
    w->channels = U16(b, 22);
    w->rate = static_cast<int>(U32(b, 24));
    w->bits = U16(b, 34);
    if (U32(b, 28) != static_cast<uint32_t>(w->rate * w->channels * w->bits / 8)) return false;
    if (U16(b, 32) != w->channels * w->bits / 8) return false;
    if (std::memcmp(b.data() + 36, "data", 4) || U32(b, 40) != b.size() - 44) return false;
    w->samples = (b.size() - 44) / 2;
    return true;
}

TEST_F(GeneratedFiles, ThemesHoldAValidChimeForEveryKey) {
    for (int mode : {12, 24}) {
        const fs::path dir = Dist(mode == 12 ? "Themes/Bells12" : "Themes/Bells24");
        Bytes raw = ReadAll(dir / "theme.ini");
        std::string ini(raw.begin(), raw.end());
        // nMode first, then the keys in ascending order, as the editor writes them.
        std::string expected = "[THEME]\r\nnMode=" + std::to_string(mode) + "\r\n";
        for (int k = 1; k <= mode; ++k) {
            char line[40];
            std::snprintf(line, sizeof line, "sClock%02d=Hour%02d.wav\r\n", k, k);
            expected += line;
        }
        EXPECT_EQ(ini, expected);
        size_t previous = 0;
        for (int k = 1; k <= mode; ++k) {
            char name[32];
            std::snprintf(name, sizeof name, "Hour%02d.wav", k);
            SCOPED_TRACE(dir / name);
            Bytes wav = ReadAll(dir / name);
            Wav w;
            ASSERT_TRUE(ParseWav(wav, &w));
            EXPECT_EQ(w.channels, 1);
            EXPECT_EQ(w.rate, 22050);
            EXPECT_EQ(w.bits, 16);
            EXPECT_LT(wav.size(), 300u * 1024u);
            EXPECT_GT(w.samples, 22050u);
            // More strokes never make a shorter file within one half of the day.
            if (k != 1 && k != 13) {
                EXPECT_GE(w.samples, previous);
            }
            previous = w.samples;
        }
    }
}

TEST(ChimeSound, CountsStrokesAsTheHourAndStaysInRange) {
    // Count the strikes: onsets where the short-term energy of the signal's
    // slope (which stresses the short-lived upper partials of a strike) jumps.
    for (int strokes : {1, 3, 7, 12}) {
        for (bool evening : {false, true}) {
            auto s = datagen::ChimeSamples(strokes, evening);
            const size_t win = 256;
            std::vector<double> energy;
            for (size_t i = 0; i + win <= s.size(); i += win) {
                double e = 0;
                for (size_t j = i + 1; j < i + win; ++j) {
                    double d = static_cast<double>(s[j]) - s[j - 1];
                    e += d * d;
                }
                energy.push_back(e / win);
            }
            // A strike: energy well above the few windows before the one just
            // ahead (an attack may straddle two windows), not a near-silent
            // flicker, and at least 90 ms after the previous strike.
            double top = 0;
            for (double e : energy) top = std::max(top, e);
            int count = 0;
            size_t last = 0;
            for (size_t i = 2; i < energy.size(); ++i) {
                double before = 0;
                for (size_t j = i >= 6 ? i - 6 : 0; j + 1 < i; ++j) before = std::max(before, energy[j]);
                if (energy[i] > 1.5 * before && energy[i] > 0.02 * top && (count == 0 || i - last > 8)) {
                    ++count;
                    last = i;
                }
            }
            const int prelude = evening ? 3 : 0;
            EXPECT_EQ(count, strokes + prelude) << strokes << (evening ? " evening" : "");
            // It fades to silence at the end instead of stopping with a click.
            EXPECT_LT(std::abs(s.back()), 50);
        }
    }
}

TEST(ChimeSound, StrokesFollowTheHourOfTheKey) {
    struct Case {
        int key, strokes;
    } cases[] = {{1, 1}, {11, 11}, {12, 12}, {13, 1}, {23, 11}, {24, 12}};
    for (const Case& c : cases) EXPECT_EQ(datagen::StrokesForKey(c.key), c.strokes) << c.key;
    EXPECT_FALSE(datagen::EveningKey(13, 12));
    EXPECT_FALSE(datagen::EveningKey(12, 24));
    EXPECT_TRUE(datagen::EveningKey(13, 24));
    EXPECT_TRUE(datagen::EveningKey(24, 24));
}

TEST_F(GeneratedFiles, HelpPageIsGbkWithTheAnchorsTheDialogsOpen) {
    Bytes raw = ReadAll(Dist("Help/help.htm"));
    std::string page(raw.begin(), raw.end());
    EXPECT_NE(page.find("charset=gb2312"), std::string::npos);
    for (const char* anchor : {"name=\"appearance\"", "name=\"remind\"", "name=\"event\""})
        EXPECT_NE(page.find(anchor), std::string::npos) << anchor;
    // "时钟" in GBK is CA B1 D6 D3; UTF-8 would start with E6.
    EXPECT_NE(page.find("\xCA\xB1\xD6\xD3"), std::string::npos);
    // Well-formed GBK throughout: ASCII, or a lead byte 81-FE with a trail byte 40-FE other than 7F.
    for (size_t i = 0; i < page.size(); ++i) {
        unsigned char lead = static_cast<unsigned char>(page[i]);
        if (lead < 0x80) continue;
        ASSERT_TRUE(lead >= 0x81 && lead <= 0xFE && i + 1 < page.size()) << i;
        unsigned char trail = static_cast<unsigned char>(page[++i]);
        ASSERT_TRUE(trail >= 0x40 && trail <= 0xFE && trail != 0x7F) << i;
    }
}

// UTF-8 text in GBK, as the page holds it.
std::string Gbk(const std::string& utf8) {
    iconv_t cd = iconv_open("GBK", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::string();
    std::string in = utf8, out(utf8.size() * 2 + 4, '\0');
    char* src = &in[0];
    char* dst = &out[0];
    size_t left = in.size(), room = out.size();
    const size_t done = iconv(cd, &src, &left, &dst, &room);
    iconv_close(cd);
    if (done == static_cast<size_t>(-1)) return std::string();
    out.resize(out.size() - room);
    return out;
}

// The labels of the dialogs and the menu as their resource scripts give them
// (UTF-8), without accelerators, tabs, trailing "..." and colons.
std::vector<std::string> DialogLabels() {
    std::vector<std::string> labels;
    const char* keywords[] = {"LTEXT", "CTEXT", "RTEXT", "GROUPBOX", "PUSHBUTTON", "AUTORADIOBUTTON",
                              "AUTOCHECKBOX", "CONTROL", "MENUITEM"};
    for (const auto& entry : fs::directory_iterator(fs::path(TICORA_SOURCE_DIR) / "resources")) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() != ".rc" || name.rfind("about", 0) == 0 || name == "ticora.rc" ||
            name == "belvane.rc" || name == "dorvix.rc")
            continue;
        std::ifstream in(entry.path());
        std::string line;
        while (std::getline(in, line)) {
            const size_t first = line.find_first_not_of(" \t");
            if (first == std::string::npos) continue;
            bool control = false;
            for (const char* k : keywords) control = control || line.compare(first, std::strlen(k), k) == 0;
            const size_t open = line.find('"');
            const size_t close = open == std::string::npos ? open : line.find('"', open + 1);
            if (!control || close == std::string::npos) continue;
            std::string label = line.substr(open + 1, close - open - 1);
            label = label.substr(0, label.find("\\t"));
            const size_t accel = label.find("(&");
            if (accel != std::string::npos) label.erase(accel, label.find(')', accel) - accel + 1);
            label.erase(std::remove(label.begin(), label.end(), '&'), label.end());
            for (bool cut = true; cut;) {
                cut = false;
                for (const std::string tail : {"...", "：", " "}) {
                    if (label.size() < tail.size() || label.compare(label.size() - tail.size(), tail.size(), tail) != 0)
                        continue;
                    label.erase(label.size() - tail.size());
                    cut = true;
                }
            }
            if (!label.empty()) labels.push_back(label);
        }
    }
    return labels;
}

// The page describes the product as it is: every label of the dialogs and the
// menu, the ranges the dialogs keep, the calendar instead of a placeholder,
// and the reminder kinds.
TEST_F(GeneratedFiles, HelpPageNamesWhatTheDialogsShow) {
    Bytes raw = ReadAll(Dist("Help/help.htm"));
    const std::string page(raw.begin(), raw.end());
    const std::vector<std::string> labels = DialogLabels();
    ASSERT_GT(labels.size(), 60u);
    for (const std::string& label : labels) {
        const std::string gbk = Gbk(label);
        ASSERT_FALSE(gbk.empty()) << label;
        EXPECT_NE(page.find(gbk), std::string::npos) << label;
    }
    for (const char* text : {"10 到 255", "1 到 36000", "1 到 60", "name=\"calendar\"", "农历每年", "工作日",
                             "每月", "每年", "每周"})
        EXPECT_NE(page.find(text), std::string::npos) << text;
    EXPECT_EQ(page.find("保留项目"), std::string::npos);
}

TEST(Generator, TwoRunsWriteIdenticalFiles) {
    const fs::path a = fs::temp_directory_path() / ("datagen_a_" + std::to_string(::getpid()));
    const fs::path b = fs::temp_directory_path() / ("datagen_b_" + std::to_string(::getpid()));
    std::string error;
    ASSERT_TRUE(datagen::GenerateAll((a / "d").string(), (a / "g").string(), &error));
    ASSERT_TRUE(datagen::GenerateAll((b / "d").string(), (b / "g").string(), &error));
    size_t files = 0;
    for (const auto& e : fs::recursive_directory_iterator(a)) {
        if (!e.is_regular_file()) continue;
        ++files;
        fs::path other = b / fs::relative(e.path(), a);
        ASSERT_TRUE(fs::exists(other)) << other;
        EXPECT_TRUE(ReadAll(e.path()) == ReadAll(other)) << e.path();
    }
    EXPECT_GT(files, 50u);
    fs::remove_all(a);
    fs::remove_all(b);
}

TEST(Generator, ReportsAFileItCannotWrite) {
    // A regular file where the output directory should be.
    const fs::path blocker = fs::temp_directory_path() / ("datagen_blocker_" + std::to_string(::getpid()));
    { std::ofstream(blocker) << "x"; }
    std::string error;
    EXPECT_FALSE(datagen::GenerateAll(blocker.string(), blocker.string(), &error));
    EXPECT_NE(error.find(blocker.string()), std::string::npos);
    fs::remove(blocker);
}

}  // namespace
