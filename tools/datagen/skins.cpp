#include "tools/datagen/skins.h"

#include <cmath>

#include "tools/datagen/artwork.h"

namespace datagen {

namespace {

Sdf GrowBy(Sdf s, float d) {
    return [s, d](float x, float y) { return s(x, y) - d; };
}

// Turns painted artwork into a skin: pixels outside the outline become the key
// colour exactly, pixels inside keep the artwork fully opaque (no blending with
// the key, so no coloured halo on the desktop), and the digit area gets its
// black border columns. Black is kept out of everything else so that the
// digit area is the only place a scan can find.
Image FinishSkin(const Canvas& art, const Sdf& outline, int digitX, int digitY, Rgb edge) {
    // Drawn at a scale, the outline and the digit area are decided per unit
    // (k x k pixels) exactly as at 1x, so that the larger skin's outline and
    // digit area are the 1x ones enlarged.
    const int k = art.ScaleFactor();
    Image img = art.ToImage(edge);
    for (int y = 0; y < img.height; ++y) {
        for (int x = 0; x < img.width; ++x) {
            const int ux = x / k, uy = y / k;
            bool inside = outline(ux + 0.5f, uy + 0.5f) <= 0.0f && !(ux == 0 && uy == 0);
            if (!inside) {
                img.Set(x, y, kKeyR, kKeyG, kKeyB);
                continue;
            }
            if (img.Is(x, y, 0, 0, 0)) img.Set(x, y, 12, 12, 12);
            if (img.Is(x, y, kKeyR, kKeyG, kKeyB)) img.Set(x, y, 250, 8, 250);
        }
    }
    for (int y = digitY * k; y < (digitY + kDigitAreaHeight) * k; ++y) {
        for (int x = digitX * k; x < (digitX + kDigitAreaWidth) * k; ++x) img.Set(x, y, 14, 18, 16);
        for (int i = 0; i < k; ++i) {
            img.Set(digitX * k + i, y, 0, 0, 0);
            img.Set((digitX + kDigitAreaWidth - 1) * k + i, y, 0, 0, 0);
        }
    }
    return img;
}

// A recessed frame around the digit area: dark on top, light at the bottom.
void DisplayBezel(Canvas& c, int x, int y, Rgb dark, Rgb light) {
    float cx = x + kDigitAreaWidth / 2.0f, cy = y + kDigitAreaHeight / 2.0f;
    float hw = kDigitAreaWidth / 2.0f, hh = kDigitAreaHeight / 2.0f;
    c.Fill([=](float px, float py) { return SdRoundRect(px, py, cx, cy, hw + 4, hh + 4, 5); },
           VerticalGradient(y - 4.0f, y + kDigitAreaHeight + 4.0f, {{0.0f, dark}, {1.0f, light}}));
    c.Fill([=](float px, float py) { return SdRoundRect(px, py, cx, cy, hw + 1.5f, hh + 1.5f, 2.5f); },
           MakeRgb(20, 24, 30));
}

// Glossy highlight over the upper part of a shape.
void Gloss(Canvas& c, const Sdf& body, float y0, float y1, float strength) {
    for (int y = static_cast<int>(y0); y < static_cast<int>(y1); ++y) {
        float t = (y - y0) / (y1 - y0);
        float a = strength * (1.0f - t) * (1.0f - t);
        for (int x = 0; x < c.Width(); ++x) {
            float d = body(x + 0.5f, y + 0.5f) + 2.0f;
            if (d < 0.0f) c.Blend(x, y, MakeRgb(255, 255, 255), a * (d < -1.0f ? 1.0f : -d));
        }
    }
}

Skin CapsuleSkin(int k) {
    const int w = 176, h = 48;
    const int dx = (w - kDigitAreaWidth) / 2, dy = (h - kDigitAreaHeight) / 2;
    Sdf outline = [=](float x, float y) { return SdRoundRect(x, y, w / 2.0f, h / 2.0f, w / 2.0f - 1, h / 2.0f - 1, h / 2.0f - 1); };
    Canvas c(w, h, k);
    Rgb rim = MakeRgb(22, 44, 96);
    c.Fill(GrowBy(outline, 1.5f), rim);
    c.Fill(GrowBy(outline, -1.2f), VerticalGradient(0, h, {{0.0f, MakeRgb(170, 205, 250)},
                                                          {0.45f, MakeRgb(66, 120, 205)},
                                                          {1.0f, MakeRgb(30, 66, 140)}}));
    Gloss(c, GrowBy(outline, -3.0f), 2, h * 0.5f, 0.55f);
    DisplayBezel(c, dx, dy, MakeRgb(20, 40, 90), MakeRgb(200, 225, 255));
    // Small decorations in the round ends: a light dot left, a bell right.
    c.Fill([=](float x, float y) { return SdCircle(x, y, 16.5f, h / 2.0f, 5.5f); },
           RadialGradient(15, h / 2.0f - 2, 8, MakeRgb(220, 255, 220), MakeRgb(40, 170, 70)));
    c.Rim([=](float x, float y) { return SdCircle(x, y, 16.5f, h / 2.0f, 5.5f); }, 1.0f, MakeRgb(20, 90, 40));
    DrawBell(c, Box{w - 27.0f, h / 2.0f - 7.5f, 15});
    return Skin{ScaledName("skin_capsule", k), FinishSkin(c, outline, dx, dy, rim), dx, dy};
}

Skin PanelSkin(int k) {
    const int w = 200, h = 66;
    const int dx = (w - kDigitAreaWidth) / 2, dy = 12;
    Sdf outline = [=](float x, float y) { return SdRoundRect(x, y, w / 2.0f, h / 2.0f, w / 2.0f - 1, h / 2.0f - 1, 12); };
    Canvas c(w, h, k);
    Rgb rim = MakeRgb(40, 42, 48);
    c.Fill(GrowBy(outline, 1.5f), rim);
    c.Fill(GrowBy(outline, -1.2f), VerticalGradient(0, h, {{0.0f, MakeRgb(150, 156, 166)},
                                                          {0.5f, MakeRgb(92, 98, 110)},
                                                          {1.0f, MakeRgb(62, 66, 76)}}));
    // Fine brushed lines for a metal look.
    for (int y = 3; y < h - 3; y += 2) {
        float a = 0.05f + 0.04f * std::sin(y * 1.7f);
        c.Fill([=](float px, float py) { return Intersect(outline(px, py) + 3, std::fabs(py - (y + 0.5f)) - 0.5f); },
               MakeRgb(255, 255, 255), a);
    }
    Gloss(c, GrowBy(outline, -2.5f), 2, h * 0.45f, 0.35f);
    // Orange accent line under the display.
    float ay = dy + kDigitAreaHeight + 8.5f;
    c.Fill([=](float x, float y) { return SdSegment(x, y, dx - 2.0f, ay, dx + kDigitAreaWidth + 2.0f, ay, 0.8f); },
           MakeRgb(255, 150, 40));
    DisplayBezel(c, dx, dy, MakeRgb(30, 32, 40), MakeRgb(210, 214, 222));
    // Screws in the corners.
    const float sx[4] = {12.5f, w - 12.5f, 12.5f, w - 12.5f};
    const float sy[4] = {12.5f, 12.5f, h - 12.5f, h - 12.5f};
    for (int i = 0; i < 4; ++i) {
        float cx = sx[i], cy = sy[i];
        c.Fill([=](float x, float y) { return SdCircle(x, y, cx, cy, 4); },
               RadialGradient(cx - 1.5f, cy - 1.5f, 6, MakeRgb(235, 238, 242), MakeRgb(100, 104, 114)));
        c.Fill([=](float x, float y) { return SdSegment(x, y, cx - 2.3f, cy + 1.3f, cx + 2.3f, cy - 1.3f, 0.55f); },
               MakeRgb(60, 62, 70));
    }
    float tw = StrokeTextWidth(7, "Ticora");
    DrawStrokeText(c, w / 2.0f - tw / 2.0f, h - 7.0f, 7, "Ticora", MakeRgb(230, 232, 238), 0.16f);
    return Skin{ScaledName("skin_panel", k), FinishSkin(c, outline, dx, dy, rim), dx, dy};
}

Skin AlarmSkin(int k) {
    const int w = 172, h = 84;
    const int dx = (w - kDigitAreaWidth) / 2, dy = 42;
    const float bodyTop = 31, bodyBottom = 77;
    Sdf body = [=](float x, float y) {
        return SdRoundRect(x, y, w / 2.0f, (bodyTop + bodyBottom) / 2, w / 2.0f - 4, (bodyBottom - bodyTop) / 2, 20);
    };
    // Handle arch over the body: the space under it is a hole in the window.
    Sdf arch = [=](float x, float y) { return SdArc(x, y, w / 2.0f, 33, 22, 3.0f, 6.42f, 3.2f); };
    // Two bell caps resting on the body, tilted outwards.
    auto bell = [=](float cx, float tilt) {
        return [=](float x, float y) {
            float px = x - cx, py = y - 30;
            float rx = px * std::cos(tilt) + py * std::sin(tilt);
            float ry = -px * std::sin(tilt) + py * std::cos(tilt);
            return Intersect(SdCircle(rx, ry, 0, 0, 14), ry - 2.0f);
        };
    };
    Sdf bells = [=](float x, float y) { return Union(bell(34, 0.35f)(x, y), bell(w - 34.0f, -0.35f)(x, y)); };
    Sdf feet = [=](float x, float y) {
        return Union(SdSegment(x, y, 36, 74, 27, 80.5f, 2.6f), SdSegment(x, y, w - 36.0f, 74, w - 27.0f, 80.5f, 2.6f));
    };
    Sdf outline = [=](float x, float y) {
        return Union(Union(body(x, y), arch(x, y)), Union(bells(x, y), feet(x, y)));
    };
    Canvas c(w, h, k);
    Rgb rim = MakeRgb(96, 20, 24);
    Rgb goldRim = MakeRgb(130, 88, 16);
    Paint gold = VerticalGradient(8, 34, {{0.0f, MakeRgb(255, 236, 150)}, {0.6f, MakeRgb(236, 176, 50)},
                                          {1.0f, MakeRgb(190, 130, 20)}});
    c.Fill(GrowBy(feet, 1.5f), goldRim);
    c.Fill(GrowBy(feet, -1.0f), MakeRgb(214, 160, 56));
    c.Fill(GrowBy(arch, 1.5f), goldRim);
    c.Fill(GrowBy(arch, -1.0f), gold);
    c.Fill(GrowBy(bells, 1.5f), goldRim);
    c.Fill(GrowBy(bells, -1.2f), gold);
    c.Fill([=](float x, float y) { return Intersect(bells(x, y) + 4, 22.0f - y); }, MakeRgb(255, 255, 230), 0.3f);
    c.Fill(GrowBy(body, 1.5f), rim);
    c.Fill(GrowBy(body, -1.2f), VerticalGradient(bodyTop, bodyBottom, {{0.0f, MakeRgb(250, 120, 104)},
                                                                   {0.5f, MakeRgb(214, 52, 48)},
                                                                   {1.0f, MakeRgb(150, 24, 30)}}));
    Gloss(c, GrowBy(body, -3.0f), bodyTop + 2, bodyTop + 20, 0.5f);
    DisplayBezel(c, dx, dy, MakeRgb(90, 16, 20), MakeRgb(255, 190, 180));
    return Skin{ScaledName("skin_alarm", k), FinishSkin(c, outline, dx, dy, rim), dx, dy};
}

Skin CloudSkin(int k) {
    const int w = 196, h = 76;
    const int dx = (w - kDigitAreaWidth) / 2, dy = 37;
    Sdf outline = [=](float x, float y) {
        float d = SdRoundRect(x, y, w / 2.0f, 51, w / 2.0f - 3, 22, 22);
        d = Union(d, SdCircle(x, y, 52, 36, 22));
        d = Union(d, SdCircle(x, y, 92, 27, 25));
        d = Union(d, SdCircle(x, y, 134, 31, 22));
        d = Union(d, SdCircle(x, y, 164, 43, 17));
        return d;
    };
    Canvas c(w, h, k);
    Rgb rim = MakeRgb(92, 128, 184);
    c.Fill(GrowBy(outline, 1.5f), rim);
    c.Fill(GrowBy(outline, -1.2f), VerticalGradient(2, h, {{0.0f, MakeRgb(255, 255, 255)},
                                                          {0.55f, MakeRgb(226, 238, 252)},
                                                          {1.0f, MakeRgb(176, 202, 238)}}));
    // Soft inner shading along the lower edge.
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float d = -outline(x + 0.5f, y + 0.5f);
            if (d > 1.0f && d < 7.0f && y > 40) c.Blend(x, y, MakeRgb(120, 150, 210), 0.25f * (1.0f - d / 7.0f));
        }
    DisplayBezel(c, dx, dy, MakeRgb(90, 120, 170), MakeRgb(240, 246, 255));
    // A music note on the right puff.
    DrawMusicNote(c, Box{124, 13, 17}, MakeRgb(90, 120, 220));
    return Skin{ScaledName("skin_cloud", k), FinishSkin(c, outline, dx, dy, rim), dx, dy};
}

// ---- Digit strips --------------------------------------------------------

// Seven segments a b c d e f g as end points in a 15 x 25 cell.
struct SegmentLine {
    float x0, y0, x1, y1;
};

const SegmentLine* SevenSegments() {
    const float l = 3.2f, r = 11.8f, t = 3.6f, m = 12.5f, b = 21.4f, g = 1.5f;
    static const SegmentLine segs[7] = {
        {l + g, t, r - g, t},  // a
        {r, t + g, r, m - g},  // b
        {r, m + g, r, b - g},  // c
        {l + g, b, r - g, b},  // d
        {l, m + g, l, b - g},  // e
        {l, t + g, l, m - g},  // f
        {l + g, m, r - g, m},  // g
    };
    return segs;
}

// Bits a..g for each digit.
const int kSegmentBits[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

struct StripStyle {
    Rgb background, backgroundTop, lit, unlit, glow;
};

// The display background: uniform along each row, a little darker at the top,
// so that the pieces the clock copies side by side join without seams.
void StripBackground(Canvas& c, const StripStyle& s) {
    for (int y = 0; y < kStripHeight; ++y) {
        float t = y < 4 ? y / 4.0f : 1.0f;
        Rgb col = Mix(s.backgroundTop, s.background, t);
        for (int x = 0; x < c.Width(); ++x) c.Blend(x, y, col, 1.0f);
    }
}

// Paints one cell of the strip on its own canvas, so that glows stay inside
// the cell: the clock copies cells one by one, and light spilling into the
// neighbour would show up as stray dots next to another digit.
template <typename Draw>
void Cell(Image& strip, int x0, int width, const StripStyle& s, int k, Draw draw) {
    Canvas c(width, kStripHeight, k);
    StripBackground(c, s);
    draw(c);
    Image cell = c.ToImage();
    for (int y = 0; y < cell.height; ++y)
        for (int x = 0; x < cell.width; ++x) {
            const uint8_t* p = cell.At(x, y);
            strip.Set(x0 * k + x, y, p[0], p[1], p[2]);
        }
}

// Colon cell (8 wide) and edge piece (2 wide). The clock also uses the colon's
// first two columns as the right edge of the display, so they stay plain background.
void ColonAndEdge(Image& strip, const StripStyle& s, int k) {
    Cell(strip, 150, 8, s, k, [&](Canvas& c) {
        for (float cy : {8.5f, 16.5f}) {
            Sdf dot = [=](float x, float y) { return SdCircle(x, y, 4.5f, cy, 1.6f); };
            c.Glow(dot, 2.0f, s.glow, 0.5f);
            c.Fill(dot, s.lit);
        }
    });
    Cell(strip, 160, 2, s, k, [](Canvas&) {});
    for (int y = 0; y < kStripHeight * k; ++y)
        for (int x = 150 * k; x < 152 * k; ++x) {
            const uint8_t* p = strip.At(160 * k + (x - 150 * k), y);
            strip.Set(x, y, p[0], p[1], p[2]);
        }
}

Image SevenSegmentStrip(const StripStyle& s, float skew, int k) {
    Image strip(kStripWidth * k, kStripHeight * k);
    for (int d = 0; d < 10; ++d) {
        Cell(strip, 15 * d, 15, s, k, [&](Canvas& c) {
            for (int i = 0; i < 7; ++i) {
                SegmentLine L = SevenSegments()[i];
                auto slant = [&](float x, float y) { return x + (12.5f - y) * skew; };
                float ax = slant(L.x0, L.y0), ay = L.y0, bx = slant(L.x1, L.y1), by = L.y1;
                Sdf seg = [=](float x, float y) { return SdSegment(x, y, ax, ay, bx, by, 1.25f); };
                if ((kSegmentBits[d] >> i) & 1) {
                    c.Glow(seg, 2.5f, s.glow, 0.35f);
                    c.Fill(seg, s.lit);
                    // Brighter core along the segment's middle.
                    c.Fill([=](float x, float y) { return SdSegment(x, y, ax, ay, bx, by, 0.35f); },
                           Mix(s.lit, MakeRgb(255, 255, 255), 0.35f), 0.6f);
                } else {
                    c.Fill(seg, s.unlit);
                }
            }
        });
    }
    ColonAndEdge(strip, s, k);
    return strip;
}

// 5 x 7 dot-matrix font, one string of 7 rows per digit.
const char* const kDotFont[10][7] = {
    {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."},
    {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."},
    {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"},
    {"#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."},
    {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."},
    {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."},
    {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."},
    {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."},
    {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."},
    {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."},
};

Image DotMatrixStrip(const StripStyle& s, int k) {
    Image strip(kStripWidth * k, kStripHeight * k);
    const float pitchX = 2.5f, pitchY = 3.0f, x0 = 2.5f, y0 = 3.5f, r = 1.05f;
    for (int d = 0; d < 10; ++d) {
        Cell(strip, 15 * d, 15, s, k, [&](Canvas& c) {
            for (int row = 0; row < 7; ++row) {
                for (int col = 0; col < 5; ++col) {
                    float cx = x0 + col * pitchX, cy = y0 + row * pitchY;
                    Sdf dot = [=](float x, float y) { return SdCircle(x, y, cx, cy, r); };
                    if (kDotFont[d][row][col] == '#') {
                        c.Glow(dot, 2.2f, s.glow, 0.45f);
                        c.Fill(dot, s.lit);
                    } else {
                        c.Fill(dot, s.unlit);
                    }
                }
            }
        });
    }
    ColonAndEdge(strip, s, k);
    return strip;
}

}  // namespace

std::string ScaledName(const std::string& base, int k) {
    return k == 1 ? base + ".bmp" : base + "@" + std::to_string(k) + "x.bmp";
}

std::vector<Skin> MakeSkins(int k) {
    return {CapsuleSkin(k), PanelSkin(k), AlarmSkin(k), CloudSkin(k)};
}

std::vector<DigitStrip> MakeDigitStrips(int k) {
    StripStyle green{MakeRgb(16, 34, 22), MakeRgb(6, 14, 9), MakeRgb(110, 255, 150), MakeRgb(26, 52, 34),
                     MakeRgb(60, 220, 110)};
    StripStyle blue{MakeRgb(8, 14, 40), MakeRgb(3, 6, 18), MakeRgb(130, 200, 255), MakeRgb(20, 32, 70),
                    MakeRgb(40, 120, 255)};
    StripStyle amber{MakeRgb(36, 22, 8), MakeRgb(16, 10, 4), MakeRgb(255, 190, 70), MakeRgb(62, 40, 16),
                     MakeRgb(255, 140, 20)};
    return {
        DigitStrip{ScaledName("digits_lcd_green", k), SevenSegmentStrip(green, 0.08f, k)},
        DigitStrip{ScaledName("digits_led_blue", k), DotMatrixStrip(blue, k)},
        DigitStrip{ScaledName("digits_lcd_amber", k), SevenSegmentStrip(amber, 0.0f, k)},
    };
}

}  // namespace datagen
