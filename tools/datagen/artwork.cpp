#include "tools/datagen/artwork.h"

#include <cmath>
#include <cstring>
#include <vector>

namespace datagen {

namespace {

const float kPi = 3.14159265358979f;

float Rad(float deg) { return deg * kPi / 180.0f; }

// Shapes in motif coordinates (the 32 x 32 grid), mapped into the box.
Sdf Circle(Box b, float cx, float cy, float r) {
    return [=](float x, float y) { return SdCircle(x, y, b.X(cx), b.Y(cy), b.L(r)); };
}
Sdf RoundRect(Box b, float cx, float cy, float hw, float hh, float r) {
    return [=](float x, float y) { return SdRoundRect(x, y, b.X(cx), b.Y(cy), b.L(hw), b.L(hh), b.L(r)); };
}
Sdf Segment(Box b, float ax, float ay, float bx, float by, float hw) {
    return [=](float x, float y) { return SdSegment(x, y, b.X(ax), b.Y(ay), b.X(bx), b.Y(by), b.L(hw)); };
}
Sdf Polygon(Box b, std::vector<float> pts) {
    for (size_t i = 0; i < pts.size(); i += 2) {
        pts[i] = b.X(pts[i]);
        pts[i + 1] = b.Y(pts[i + 1]);
    }
    return [pts](float x, float y) { return SdPolygon(x, y, pts); };
}
Sdf Arc(Box b, float cx, float cy, float r, float deg0, float deg1, float hw) {
    return [=](float x, float y) { return SdArc(x, y, b.X(cx), b.Y(cy), b.L(r), Rad(deg0), Rad(deg1), b.L(hw)); };
}
Sdf Or(Sdf a, Sdf c) {
    return [a, c](float x, float y) { return Union(a(x, y), c(x, y)); };
}
Sdf And(Sdf a, Sdf c) {
    return [a, c](float x, float y) { return Intersect(a(x, y), c(x, y)); };
}
Sdf Minus(Sdf a, Sdf c) {
    return [a, c](float x, float y) { return Subtract(a(x, y), c(x, y)); };
}
Sdf Grow(Sdf a, float by) {
    return [a, by](float x, float y) { return a(x, y) - by; };
}
Paint Vertical(Box b, float v0, float v1, Rgb top, Rgb bottom) {
    return VerticalGradient(b.Y(v0), b.Y(v1), {{0.0f, top}, {1.0f, bottom}});
}

// A filled shape with a darker outline one line wide (scaled with the box).
void Solid(Canvas& c, Box b, const Sdf& shape, const Paint& fill, Rgb outline) {
    float line = b.L(1.0f) < 0.8f ? 0.8f : b.L(1.0f);
    c.Fill(Grow(shape, line * 0.5f), outline);
    c.Fill(Grow(shape, -line * 0.5f), fill);
}

void Hands(Canvas& c, Box b, float cx, float cy, float r, int hour, int minute, bool second) {
    Rgb hand = MakeRgb(28, 38, 78);
    // Small pictures need bolder hands to stay readable.
    const float k = b.size < 24 ? 1.8f : 1.0f;
    float ha = Rad((hour % 12) * 30.0f + minute * 0.5f - 90.0f);
    float ma = Rad(minute * 6.0f - 90.0f);
    c.Fill(Segment(b, cx, cy, cx + r * 0.55f * std::cos(ha), cy + r * 0.55f * std::sin(ha), 1.15f * k), hand);
    c.Fill(Segment(b, cx, cy, cx + r * 0.8f * std::cos(ma), cy + r * 0.8f * std::sin(ma), 0.85f * k), hand);
    if (second) {
        float sa = Rad(38 * 6.0f - 90.0f);
        c.Fill(Segment(b, cx - r * 0.2f * std::cos(sa), cy - r * 0.2f * std::sin(sa), cx + r * 0.85f * std::cos(sa),
                       cy + r * 0.85f * std::sin(sa), 0.4f),
               MakeRgb(220, 40, 40));
    }
    c.Fill(Circle(b, cx, cy, 1.5f), MakeRgb(220, 40, 40));
}

void Dial(Canvas& c, Box b, float cx, float cy, float r, Rgb rimTop, Rgb rimBottom) {
    // Metal rim, then the white dial with a soft shade towards the edge.
    Solid(c, b, Circle(b, cx, cy, r), Vertical(b, cy - r, cy + r, rimTop, rimBottom), Scale(rimBottom, 0.6f));
    float inner = r * 0.8f;
    c.Fill(Circle(b, cx, cy, inner),
           RadialGradient(b.X(cx - inner * 0.3f), b.Y(cy - inner * 0.3f), b.L(inner * 1.5f), MakeRgb(255, 255, 255),
                          MakeRgb(206, 222, 240)));
    const bool small = b.size < 24;
    for (int i = 0; i < 12; ++i) {
        float a = Rad(i * 30.0f);
        bool major = i % 3 == 0;
        if (small && !major) continue;  // only the quarter marks fit
        float r0 = inner * (major ? 0.72f : 0.8f), r1 = inner * 0.92f;
        c.Fill(Segment(b, cx + r0 * std::cos(a), cy + r0 * std::sin(a), cx + r1 * std::cos(a), cy + r1 * std::sin(a),
                       major ? 0.75f : 0.45f),
               MakeRgb(60, 80, 130));
    }
}

}  // namespace

void DrawClockFace(Canvas& c, Box b, int hour, int minute, bool secondHand) {
    Dial(c, b, 16, 16, 15, MakeRgb(96, 160, 236), MakeRgb(24, 66, 150));
    // Glass highlight over the upper half.
    c.Fill(Minus(Circle(b, 16, 16, 11.5f), Circle(b, 12, 22, 13.5f)), MakeRgb(255, 255, 255), 0.35f);
    Hands(c, b, 16, 16, 12, hour, minute, secondHand);
}

void DrawAlarmClock(Canvas& c, Box b) {
    Rgb dark = MakeRgb(120, 20, 20);
    c.Fill(Segment(b, 9, 27, 6, 31, 1.3f), dark);
    c.Fill(Segment(b, 23, 27, 26, 31, 1.3f), dark);
    Solid(c, b, Arc(b, 6.5f, 7.5f, 4.5f, 135, 315, 2.2f), Vertical(b, 3, 11, MakeRgb(255, 220, 120), MakeRgb(210, 150, 30)),
          MakeRgb(130, 90, 10));
    Solid(c, b, Arc(b, 25.5f, 7.5f, 4.5f, 225, 405, 2.2f), Vertical(b, 3, 11, MakeRgb(255, 220, 120), MakeRgb(210, 150, 30)),
          MakeRgb(130, 90, 10));
    Dial(c, b, 16, 18, 12.5f, MakeRgb(250, 110, 100), MakeRgb(180, 30, 30));
    Hands(c, b, 16, 18, 10, 10, 8, false);
}

void DrawChimeClock(Canvas& c, Box b) {
    Dial(c, b, 13, 18, 12, MakeRgb(110, 200, 140), MakeRgb(30, 120, 70));
    Hands(c, b, 13, 18, 9.5f, 3, 0, false);
    Box nb{b.X(17), b.Y(0), b.L(15)};
    DrawMusicNote(c, nb, MakeRgb(60, 70, 200));
}

void DrawBell(Canvas& c, Box b) {
    Paint gold = [=](float x, float) {
        float t = (x - b.X(6)) / b.L(20);
        t = t < 0 ? 0 : (t > 1 ? 1 : t);
        // Light from the upper left: bright band left of centre, darker right side.
        float k = 1.0f - std::fabs(t - 0.35f) * 1.3f;
        return Mix(MakeRgb(190, 120, 10), MakeRgb(255, 232, 140), k < 0 ? 0 : k);
    };
    Sdf body = Or(Or(Circle(b, 16, 11, 7), Polygon(b, {9, 11, 23, 11, 26.5f, 24, 5.5f, 24})),
                  RoundRect(b, 16, 24.5f, 12.5f, 2.2f, 2));
    Solid(c, b, Circle(b, 16, 28, 2.4f), gold, MakeRgb(120, 80, 10));
    c.Fill(Grow(Arc(b, 16, 4, 2, 180, 360, 0.9f), 0.3f), MakeRgb(120, 80, 10));
    Solid(c, b, body, gold, MakeRgb(120, 80, 10));
    c.Fill(Segment(b, 12, 10, 10.5f, 20, 1.0f), MakeRgb(255, 250, 220), 0.7f);
}

void DrawCalendar(Canvas& c, Box b) {
    Sdf page = RoundRect(b, 16, 17.5f, 13.5f, 12.5f, 2.5f);
    Solid(c, b, page, Vertical(b, 5, 30, MakeRgb(255, 255, 255), MakeRgb(222, 230, 244)), MakeRgb(90, 100, 130));
    // Red header band clipped to the page.
    c.Fill(And(Grow(page, -0.5f), [=](float, float y) { return y - b.Y(11.5f); }),
           Vertical(b, 5, 11.5f, MakeRgb(240, 96, 80), MakeRgb(190, 40, 40)));
    for (int i = 0; i < 2; ++i) {
        float x = i == 0 ? 10.0f : 22.0f;
        c.Fill(RoundRect(b, x, 5, 1.4f, 3.2f, 1.4f), MakeRgb(70, 70, 90));
    }
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 4; ++col) {
            float cx = 8.5f + col * 5.0f, cy = 15.5f + row * 4.8f;
            bool today = row == 1 && col == 2;
            c.Fill(RoundRect(b, cx, cy, 1.8f, 1.6f, 0.5f), today ? MakeRgb(220, 50, 50) : MakeRgb(120, 150, 210));
        }
    }
}

void DrawSpeaker(Canvas& c, Box b) {
    Solid(c, b, Polygon(b, {4, 12, 9.5f, 12, 17, 5, 17, 27, 9.5f, 20, 4, 20}),
          Vertical(b, 5, 27, MakeRgb(150, 170, 210), MakeRgb(60, 80, 130)), MakeRgb(40, 50, 90));
    for (int i = 0; i < 3; ++i) {
        float r = 5.0f + i * 4.2f;
        c.Fill(Arc(b, 16, 16, r, -40, 40, 1.0f), MakeRgb(40, 110, 220), 1.0f - i * 0.2f);
    }
}

void DrawPower(Canvas& c, Box b) {
    Solid(c, b, Circle(b, 16, 16, 14.5f),
          RadialGradient(b.X(12), b.Y(10), b.L(22), MakeRgb(255, 160, 110), MakeRgb(200, 50, 30)), MakeRgb(120, 30, 20));
    c.Fill(Minus(Circle(b, 16, 16, 12.5f), Circle(b, 14, 22, 14)), MakeRgb(255, 255, 255), 0.3f);
    Rgb white = MakeRgb(255, 255, 255);
    c.Fill(Arc(b, 16, 17, 7.5f, 270 + 40, 270 + 320, 1.5f), white);
    c.Fill(Segment(b, 16, 7, 16, 15.5f, 1.5f), white);
}

void DrawTimeCorrection(Canvas& c, Box b) {
    Dial(c, b, 16, 16, 11, MakeRgb(96, 160, 236), MakeRgb(24, 66, 150));
    Hands(c, b, 16, 16, 8.5f, 2, 50, false);
    Rgb green = MakeRgb(40, 160, 60);
    c.Fill(Arc(b, 16, 16, 14, 150, 330, 1.4f), green);
    // Arrow head at the end of the arc (330 degrees), pointing clockwise.
    float a = Rad(330), ex = 16 + 14 * std::cos(a), ey = 16 + 14 * std::sin(a);
    float tx = -std::sin(a), ty = std::cos(a);  // clockwise tangent
    float nx = std::cos(a), ny = std::sin(a);
    c.Fill(Polygon(b, {ex + tx * 4.5f, ey + ty * 4.5f, ex + nx * 3.5f - tx * 0.5f, ey + ny * 3.5f - ty * 0.5f,
                       ex - nx * 3.5f - tx * 0.5f, ey - ny * 3.5f - ty * 0.5f}),
           green);
}

void DrawGear(Canvas& c, Box b) {
    Sdf gear = Circle(b, 16, 16, 10);
    for (int i = 0; i < 8; ++i) {
        float a = Rad(i * 45.0f + 22.5f);
        gear = Or(gear, Segment(b, 16 + 9 * std::cos(a), 16 + 9 * std::sin(a), 16 + 12.5f * std::cos(a),
                                16 + 12.5f * std::sin(a), 2.6f));
    }
    gear = Minus(gear, Circle(b, 16, 16, 4));
    Solid(c, b, gear, RadialGradient(b.X(11), b.Y(10), b.L(24), MakeRgb(230, 234, 242), MakeRgb(110, 120, 140)),
          MakeRgb(60, 66, 80));
    c.Fill(Arc(b, 16, 16, 7, 0, 360, 0.5f), MakeRgb(80, 90, 110), 0.6f);
}

void DrawMessageSheet(Canvas& c, Box b) {
    Sdf sheet = Polygon(b, {5, 3, 22, 3, 27, 8, 27, 29, 5, 29});
    Solid(c, b, sheet, Vertical(b, 3, 29, MakeRgb(255, 253, 232), MakeRgb(245, 232, 190)), MakeRgb(140, 120, 70));
    c.Fill(Polygon(b, {22, 3.5f, 22, 8, 26.5f, 8}), MakeRgb(220, 200, 150));
    for (int i = 0; i < 4; ++i) {
        float y = 10.5f + i * 4.0f;
        float x1 = i == 3 ? 14.0f : 23.0f;
        c.Fill(Segment(b, 9, y, x1, y, 0.6f), MakeRgb(90, 110, 180));
    }
    Box nb{b.X(15), b.Y(17), b.L(15)};
    DrawMusicNote(c, nb, MakeRgb(210, 60, 60));
}

void DrawMusicNote(Canvas& c, Box b, Rgb colour) {
    auto head = [&](float cx, float cy) {
        return [=](float x, float y) {
            // Tilted ellipse: rotate by -20 degrees and squash vertically.
            float dx = x - b.X(cx), dy = y - b.Y(cy);
            float ca = std::cos(Rad(-20)), sa = std::sin(Rad(-20));
            float rx = dx * ca - dy * sa, ry = (dx * sa + dy * ca) * 1.45f;
            return std::hypot(rx, ry) - b.L(4.2f);
        };
    };
    Sdf note = Or(head(9, 25.5f), head(24, 22.5f));
    note = Or(note, Segment(b, 12.6f, 24.5f, 12.6f, 7.5f, 1.1f));
    note = Or(note, Segment(b, 27.6f, 21.5f, 27.6f, 4.5f, 1.1f));
    note = Or(note, Polygon(b, {11.5f, 6.5f, 28.7f, 3.0f, 28.7f, 8.0f, 11.5f, 11.5f}));
    c.Fill(note, colour);
}

void DrawHelpMark(Canvas& c, Box b) {
    Solid(c, b, Circle(b, 16, 16, 14.5f),
          RadialGradient(b.X(12), b.Y(10), b.L(22), MakeRgb(130, 190, 255), MakeRgb(30, 80, 190)), MakeRgb(20, 50, 120));
    Rgb white = MakeRgb(255, 255, 255);
    c.Fill(Arc(b, 16, 12, 5, 180, 400, 1.8f), white);
    c.Fill(Segment(b, 16 + 5 * std::cos(Rad(40)), 12 + 5 * std::sin(Rad(40)), 16, 19, 1.8f), white);
    c.Fill(Circle(b, 16, 24.5f, 2.1f), white);
}

void DrawWarningSign(Canvas& c, Box b) {
    Sdf tri = Grow(Polygon(b, {16, 4.5f, 29, 27.5f, 3, 27.5f}), b.L(1.5f));
    Solid(c, b, tri, Vertical(b, 3, 29, MakeRgb(255, 226, 90), MakeRgb(240, 160, 20)), MakeRgb(150, 90, 10));
    Rgb ink = MakeRgb(70, 45, 10);
    c.Fill(Polygon(b, {14.3f, 11, 17.7f, 11, 16.8f, 21, 15.2f, 21}), ink);
    c.Fill(Circle(b, 16, 24.3f, 1.6f), ink);
}

// ---- Stroked text -------------------------------------------------------

namespace {

struct Stroke {
    bool arc;
    float a, b, c, d, e;  // segment: x0 y0 x1 y1; arc: cx cy r deg0 deg1
};

struct Glyph {
    char ch;
    float advance;
    std::vector<Stroke> strokes;
};

Stroke S(float x0, float y0, float x1, float y1) { return Stroke{false, x0, y0, x1, y1, 0}; }
Stroke A(float cx, float cy, float r, float d0, float d1) { return Stroke{true, cx, cy, r, d0, d1}; }

// Glyph coordinates: x from the pen position, y from the cap line (0) to the baseline (1).
const std::vector<Glyph>& Glyphs() {
    static const std::vector<Glyph> glyphs = {
        {'T', 0.62f, {S(0, 0, 0.62f, 0), S(0.31f, 0, 0.31f, 1)}},
        {'B', 0.62f, {S(0, 0, 0, 1), S(0, 0, 0.3f, 0), A(0.3f, 0.23f, 0.23f, 270, 450), S(0, 0.46f, 0.32f, 0.46f),
                      A(0.32f, 0.73f, 0.27f, 270, 450), S(0, 1, 0.32f, 1)}},
        {'C', 0.7f, {A(0.5f, 0.5f, 0.5f, 45, 315)}},
        {'S', 0.6f, {A(0.3f, 0.25f, 0.25f, 90, 360), A(0.3f, 0.75f, 0.25f, -90, 180)}},
        {'i', 0.22f, {S(0.08f, 0.46f, 0.08f, 1), S(0.08f, 0.2f, 0.08f, 0.2f)}},
        {'c', 0.55f, {A(0.28f, 0.73f, 0.27f, 45, 315)}},
        {'o', 0.62f, {A(0.29f, 0.73f, 0.27f, 0, 360)}},
        {'r', 0.42f, {S(0.04f, 0.46f, 0.04f, 1), A(0.3f, 0.74f, 0.26f, 180, 300)}},
        {'a', 0.6f, {A(0.26f, 0.74f, 0.26f, 0, 360), S(0.52f, 0.46f, 0.52f, 1)}},
        {'e', 0.6f, {S(0.02f, 0.73f, 0.54f, 0.73f), A(0.28f, 0.73f, 0.26f, 40, 360)}},
        {'l', 0.24f, {S(0.08f, 0, 0.08f, 1)}},
        {'v', 0.56f, {S(0, 0.46f, 0.26f, 1), S(0.26f, 1, 0.52f, 0.46f)}},
        {'n', 0.6f, {S(0.04f, 0.46f, 0.04f, 1), A(0.27f, 0.7f, 0.23f, 180, 360), S(0.5f, 0.7f, 0.5f, 1)}},
        {'k', 0.52f, {S(0.04f, 0, 0.04f, 1), S(0.04f, 0.78f, 0.46f, 0.46f), S(0.2f, 0.66f, 0.48f, 1)}},
        {'d', 0.6f, {A(0.26f, 0.74f, 0.26f, 0, 360), S(0.52f, 0, 0.52f, 1)}},
        {'u', 0.58f, {S(0.04f, 0.46f, 0.04f, 0.76f), A(0.27f, 0.76f, 0.23f, 0, 180), S(0.5f, 0.46f, 0.5f, 1)}},
        {'m', 0.86f, {S(0.04f, 0.46f, 0.04f, 1), A(0.22f, 0.66f, 0.18f, 180, 360), S(0.4f, 0.66f, 0.4f, 1),
                      A(0.58f, 0.66f, 0.18f, 180, 360), S(0.76f, 0.66f, 0.76f, 1)}},
        {'h', 0.6f, {S(0.04f, 0, 0.04f, 1), A(0.27f, 0.7f, 0.23f, 180, 360), S(0.5f, 0.7f, 0.5f, 1)}},
        {'t', 0.4f, {S(0.14f, 0.12f, 0.14f, 0.88f), A(0.3f, 0.88f, 0.12f, 90, 180), S(0, 0.46f, 0.36f, 0.46f)}},
        {'s', 0.5f, {A(0.24f, 0.59f, 0.14f, 90, 340), A(0.24f, 0.87f, 0.13f, -90, 160)}},
        {'.', 0.25f, {S(0.1f, 1, 0.1f, 1)}},
        {'-', 0.45f, {S(0.05f, 0.62f, 0.38f, 0.62f)}},
        {':', 0.25f, {S(0.1f, 0.55f, 0.1f, 0.55f), S(0.1f, 1, 0.1f, 1)}},
        {'0', 0.6f, {A(0.28f, 0.3f, 0.26f, 180, 360), S(0.02f, 0.3f, 0.02f, 0.7f), S(0.54f, 0.3f, 0.54f, 0.7f),
                     A(0.28f, 0.7f, 0.26f, 0, 180)}},
        {'1', 0.4f, {S(0.05f, 0.2f, 0.25f, 0), S(0.25f, 0, 0.25f, 1)}},
        {'2', 0.6f, {A(0.28f, 0.28f, 0.26f, 180, 400), S(0.48f, 0.45f, 0.02f, 1), S(0.02f, 1, 0.56f, 1)}},
        {'3', 0.6f, {A(0.27f, 0.26f, 0.24f, 200, 450), A(0.27f, 0.74f, 0.26f, 270, 520)}},
        {'4', 0.6f, {S(0.42f, 0, 0, 0.7f), S(0, 0.7f, 0.58f, 0.7f), S(0.42f, 0, 0.42f, 1)}},
        {'5', 0.6f, {S(0.52f, 0, 0.08f, 0), S(0.08f, 0, 0.04f, 0.45f), A(0.28f, 0.7f, 0.28f, 225, 495)}},
        {'6', 0.6f, {A(0.29f, 0.72f, 0.27f, 0, 360), S(0.03f, 0.72f, 0.03f, 0.4f), A(0.37f, 0.4f, 0.34f, 180, 300)}},
    };
    return glyphs;
}

const Glyph* Find(char ch) {
    for (const Glyph& g : Glyphs())
        if (g.ch == ch) return &g;
    return nullptr;
}

}  // namespace

float StrokeTextWidth(float height, const char* text) {
    float w = 0;
    for (const char* p = text; *p; ++p) {
        const Glyph* g = Find(*p);
        w += (g ? g->advance : 0.45f) * height + height * 0.16f;
    }
    return w;
}

float DrawStrokeText(Canvas& c, float x, float baseline, float height, const char* text, Rgb colour, float weight) {
    struct Placed {
        Stroke s;
        float ox;
    };
    std::vector<Placed> placed;
    float pen = x;
    for (const char* p = text; *p; ++p) {
        const Glyph* g = Find(*p);
        if (g)
            for (const Stroke& s : g->strokes) placed.push_back(Placed{s, pen});
        pen += (g ? g->advance : 0.45f) * height + height * 0.16f;
    }
    const float top = baseline - height, hw = weight * height * 0.5f;
    Sdf all = [=](float px, float py) {
        float d = 1e9f;
        for (const Placed& pl : placed) {
            const Stroke& s = pl.s;
            float e;
            if (s.arc)
                e = SdArc(px, py, pl.ox + s.a * height, top + s.b * height, s.c * height, Rad(s.d), Rad(s.e), hw);
            else
                e = SdSegment(px, py, pl.ox + s.a * height, top + s.b * height, pl.ox + s.c * height, top + s.d * height,
                              hw);
            d = Union(d, e);
        }
        return d;
    };
    c.Fill(all, colour);
    return pen - x;
}

}  // namespace datagen
