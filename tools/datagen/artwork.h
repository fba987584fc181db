// Small pictures (motifs) drawn at any size onto a canvas: the clock face,
// bell, gear, power sign and friends. They serve the icons, the dialog image
// strip and the banners. Each motif is designed on a 32 x 32 grid and drawn
// into the square of side `size` whose top-left corner is (x, y).
#pragma once

#include "tools/datagen/canvas.h"

namespace datagen {

struct Box {
    float x, y, size;
    float X(float u) const { return x + u * size / 32.0f; }
    float Y(float v) const { return y + v * size / 32.0f; }
    float L(float len) const { return len * size / 32.0f; }
};

void DrawClockFace(Canvas& c, Box b, int hour, int minute, bool secondHand);
void DrawAlarmClock(Canvas& c, Box b);
void DrawChimeClock(Canvas& c, Box b);     // clock with music notes
void DrawBell(Canvas& c, Box b);
void DrawCalendar(Canvas& c, Box b);
void DrawSpeaker(Canvas& c, Box b);
void DrawPower(Canvas& c, Box b);
void DrawTimeCorrection(Canvas& c, Box b);  // clock with a turning arrow
void DrawGear(Canvas& c, Box b);
void DrawMessageSheet(Canvas& c, Box b);
void DrawMusicNote(Canvas& c, Box b, Rgb colour);
void DrawHelpMark(Canvas& c, Box b);
void DrawWarningSign(Canvas& c, Box b);

// Draws text in a simple stroked sans-serif (letters A-Z, a-z, digits, space,
// '.', '-', ':'); `height` is the cap height in pixels. Returns the advance width.
float DrawStrokeText(Canvas& c, float x, float baseline, float height, const char* text, Rgb colour,
                     float weight = 0.12f);
float StrokeTextWidth(float height, const char* text);

}  // namespace datagen
