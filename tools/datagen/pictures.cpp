#include "tools/datagen/pictures.h"

#include <cmath>

#include "tools/datagen/artwork.h"

namespace datagen {

namespace {

// Colour of the dialogs the strip images are drawn on; semi-transparent edge
// pixels are blended with it so that they look smooth there.
const Rgb kDialogColour = MakeRgb(215, 241, 215);

using Motif = void (*)(Canvas&, Box);

void ClockMotif(Canvas& c, Box b) { DrawClockFace(c, b, 10, 10, true); }
void NoteMotif(Canvas& c, Box b) { DrawMusicNote(c, Box{b.x + b.size * 0.06f, b.y + b.size * 0.06f, b.size * 0.88f}, MakeRgb(70, 60, 200)); }

// Image order of the strip; the dialogs draw images 2, 3, 6, 7 and 9.
const Motif kStripMotifs[kStripImageCount] = {
    ClockMotif,          // 0 program
    DrawAlarmClock,      // 1 alarm clock
    DrawChimeClock,      // 2 clock settings: chime theme
    DrawBell,            // 3 reminder list
    DrawCalendar,        // 4 date
    DrawSpeaker,         // 5 sound
    DrawPower,           // 6 reminder editor: preset action
    DrawTimeCorrection,  // 7 time correction
    DrawGear,            // 8 settings
    DrawMessageSheet,    // 9 reminder editor: message and sound
    NoteMotif,           // 10 sound theme
    DrawHelpMark,        // 11 help
};

void IconMotif(IconKind kind, Canvas& c, Box b) {
    switch (kind) {
    case IconKind::Clock:
        DrawClockFace(c, b, 10, 10, b.size >= 32);
        break;
    case IconKind::ThemeEditor:
        // At 16 pixels the note would break up; the bell alone reads better.
        if (b.size < 24) {
            DrawBell(c, b);
            break;
        }
        DrawBell(c, Box{b.x, b.y + b.size * 0.06f, b.size * 0.86f});
        DrawMusicNote(c, Box{b.x + b.size * 0.5f, b.y, b.size * 0.5f}, MakeRgb(60, 70, 210));
        break;
    case IconKind::Helper:
        DrawGear(c, b);
        DrawPower(c, Box{b.x + b.size * 0.3f, b.y + b.size * 0.3f, b.size * 0.4f});
        break;
    }
}

ImageRgba RenderIcon(IconKind kind, int size) {
    Canvas c(size, size);
    IconMotif(kind, c, Box{0, 0, static_cast<float>(size)});
    return c.ToRgba();
}

}  // namespace

Image MakeImageStrip(int k) {
    const int n = kStripImageCount, s = kStripImageSize, ps = s * k;
    Image strip(n * ps, ps, kStripMaskR, kStripMaskG, kStripMaskB);
    for (int i = 0; i < n; ++i) {
        Canvas c(s, s, k);
        kStripMotifs[i](c, Box{0, 0, static_cast<float>(s)});
        Image one = c.ToImage(kDialogColour);
        for (int y = 0; y < ps; ++y) {
            for (int x = 0; x < ps; ++x) {
                if (c.PixelAlpha(x, y) < 0.12f) continue;  // stays mask colour
                const uint8_t* p = one.At(x, y);
                // Keep drawn pixels off the mask colour so they never turn transparent.
                if (p[0] == kStripMaskR && p[1] == kStripMaskG && p[2] == kStripMaskB)
                    strip.Set(i * ps + x, y, kStripMaskR, kStripMaskG + 1, kStripMaskB);
                else
                    strip.Set(i * ps + x, y, p[0], p[1], p[2]);
            }
        }
    }
    return strip;
}

Bytes MakeIconFile(IconKind kind) {
    std::vector<IconEntry> entries;
    entries.push_back(IconEntry{RenderIcon(kind, 32), 8});
    entries.push_back(IconEntry{RenderIcon(kind, 16), 8});
    // The helper library's icon is shown by no shell (file lists give a library
    // the generic icon), and its library has little room: its large image
    // keeps 256 colours, a third of the true-colour one's bytes.
    entries.push_back(IconEntry{RenderIcon(kind, 48), kind == IconKind::Helper ? 8 : 32});
    entries.push_back(IconEntry{RenderIcon(kind, 32), 32});
    entries.push_back(IconEntry{RenderIcon(kind, 16), 32});
    // The sizes the shell asks for at 125 % to 300 % (small icons 20, 24 and
    // 32; large ones 40, 48 and 64), each drawn at its own size. The clock's
    // and the theme editor's programs carry them as PNG pictures, a quarter
    // of a bitmap's bytes: only systems that read such pictures (Vista and
    // later) ask for these sizes, while Windows 95 to XP find their 16, 32
    // and 48 pixel bitmaps above.
    if (kind != IconKind::Helper)
        for (int size : {20, 24, 40, 64}) entries.push_back(IconEntry{RenderIcon(kind, size), 32, true});
    return EncodeIco(entries);
}

std::vector<std::string> HandCursorPixels() {
    std::vector<std::string> rows = {
        "     ##",
        "    #..#",
        "    #..#",
        "    #..#",
        "    #..#",
        "    #..###",
        "    #..#..###",
        "    #..#..#..###",
        "    #..#..#..#..#",
        "##  #..#..#..#..#",
        "#..##..#..#..#..#",
        "#...#...........#",
        " #..............#",
        " #..............#",
        "  #.............#",
        "  #.............#",
        "   #...........#",
        "   #...........#",
        "    #.........#",
        "    #.........#",
        "    #.........#",
        "    ###########",
    };
    for (std::string& r : rows) r.resize(32, ' ');
    while (rows.size() < 32) rows.push_back(std::string(32, ' '));
    return rows;
}

Image MakeMessageBoardPicture(int k) {
    const int w = 320, h = 180;
    Canvas c(w, h, k);
    // Body: light paper with faint ruled lines.
    c.Fill([](float, float) { return -1.0f; },
           VerticalGradient(28, 153, {{0.0f, MakeRgb(253, 253, 247)}, {1.0f, MakeRgb(234, 241, 251)}}));
    for (int y = 43; y < 150; y += 14) c.FillRect(6, y, 314, y + 1, MakeRgb(230, 237, 249));
    c.FillRect(0, 28, w, 29, MakeRgb(120, 150, 200));
    // Watermark clock in the lower right of the message area.
    {
        Canvas mark(w, h, k);
        DrawClockFace(mark, Box{236, 76, 72}, 10, 10, false);
        c.Composite(mark, 0.07f);
    }
    // Caption strip: deep blue with a soft sheen, for the yellow caption text.
    c.Fill([](float, float y) { return y - 28.0f; },
           VerticalGradient(0, 28, {{0.0f, MakeRgb(58, 86, 156)}, {0.5f, MakeRgb(30, 48, 108)},
                                    {1.0f, MakeRgb(20, 32, 78)}}));
    c.Fill([](float, float y) { return Intersect(y - 13.0f, 1.0f - y); }, MakeRgb(255, 255, 255), 0.10f);
    // Light backing behind the close box so that its blue "X" is readable.
    c.Fill([](float x, float y) { return SdRoundRect(x, y, 308, 14, 10, 10, 2); },
           VerticalGradient(4, 24, {{0.0f, MakeRgb(244, 247, 255)}, {1.0f, MakeRgb(206, 218, 242)}}));
    // Button band at the bottom.
    c.Fill([](float, float y) { return 153.0f - y; },
           VerticalGradient(153, 180, {{0.0f, MakeRgb(214, 226, 244)}, {1.0f, MakeRgb(180, 200, 232)}}));
    c.FillRect(0, 152, w, 153, MakeRgb(150, 174, 214));
    c.Fill([](float x, float y) { return SdRoundRect(x, y, 160, 165, 20, 11, 3); },
           VerticalGradient(154, 176, {{0.0f, MakeRgb(252, 253, 255)}, {1.0f, MakeRgb(222, 232, 248)}}));
    DrawBell(c, Box{9, 155, 22});
    // Outer frame.
    for (int i = 0; i < 2; ++i) {
        Rgb col = i == 0 ? MakeRgb(16, 26, 64) : MakeRgb(96, 124, 186);
        c.FillRect(i, i, w - i, i + 1, col);
        c.FillRect(i, h - 1 - i, w - i, h - i, col);
        c.FillRect(i, i, i + 1, h - i, col);
        c.FillRect(w - 1 - i, i, w - i, h - i, col);
    }
    return c.ToImage(MakeRgb(240, 244, 250));
}

Image MakeWarningPicture(int k) {
    const int w = 273, h = 50;
    Canvas c(w, h, k);
    c.Fill([](float, float) { return -1.0f; },
           VerticalGradient(0, h, {{0.0f, MakeRgb(236, 244, 252)}, {1.0f, MakeRgb(198, 218, 240)}}));
    // Two gentle waves across the banner.
    for (int k = 0; k < 2; ++k) {
        float base = 34.0f + k * 7.0f, amp = 4.0f - k, phase = k * 1.3f;
        Rgb col = k == 0 ? MakeRgb(170, 200, 236) : MakeRgb(150, 186, 228);
        c.Fill([=](float x, float y) { return base + amp * std::sin(x * 0.035f + phase) - y; }, col, 0.6f);
    }
    c.FillRect(0, h - 1, w, h, MakeRgb(140, 166, 204));
    DrawWarningSign(c, Box{10, 4, 42});
    // A quiet clock and a power sign at the right: what is about to happen.
    Canvas deco(w, h, k);
    DrawClockFace(deco, Box{w - 96.0f, 7, 36}, 11, 55, false);
    DrawPower(deco, Box{w - 50.0f, 7, 36});
    c.Composite(deco, 0.85f);
    // Dotted line leading from the warning to the two signs.
    for (int i = 0; i < 12; ++i) {
        float x = 66.0f + i * 9.0f;
        c.Fill([=](float px, float py) { return SdCircle(px, py, x, 25, 1.6f); }, MakeRgb(120, 150, 200), 0.8f);
    }
    return c.ToImage();
}

Image MakeAboutBanner(IconKind kind, int k) {
    const int w = 280, h = 50;
    Canvas c(w, h, k);
    bool clock = kind == IconKind::Clock;
    Rgb top = clock ? MakeRgb(70, 130, 220) : MakeRgb(120, 84, 190);
    Rgb bottom = clock ? MakeRgb(20, 50, 120) : MakeRgb(50, 28, 100);
    c.Fill([](float, float) { return -1.0f; }, VerticalGradient(0, h, {{0.0f, top}, {1.0f, bottom}}));
    // Soft rings in the background.
    for (int i = 0; i < 5; ++i) {
        float r = 30.0f + i * 22.0f;
        c.Fill([=](float x, float y) { return SdRing(x, y, 236, 25, r, 5); }, MakeRgb(255, 255, 255), 0.05f);
    }
    c.Fill([](float, float y) { return Intersect(y - 24.0f, -y); }, MakeRgb(255, 255, 255), 0.12f);
    IconMotif(kind, c, Box{8, 5, 40});
    const char* name = clock ? "Ticora" : "Belvane";
    float x = 60;
    DrawStrokeText(c, x + 1.2f, 35.2f, 20, name, MakeRgb(0, 0, 40), 0.13f);
    float tw = DrawStrokeText(c, x, 34, 20, name, MakeRgb(255, 255, 255), 0.13f);
    // Each program's own major and minor version (set by the build).
    DrawStrokeText(c, x + tw + 6, 34, 9, clock ? TICORA_SHORT_VERSION : BELVANE_SHORT_VERSION, MakeRgb(220, 232, 255),
                   0.14f);
    c.FillRect(0, h - 2, w, h, clock ? MakeRgb(255, 170, 40) : MakeRgb(120, 220, 140));
    return c.ToImage();
}

}  // namespace datagen
