// Geometry of the two clock faces: where the digital face's pieces go, and
// the dots (elliptic regions) of the analog dial and hands. Pure arithmetic;
// the Win32 shell turns the boxes into regions and blits.
#pragma once
#include <array>
#include <vector>

#include "clock/region_shapes.h"

// Bounding box of one dot, as passed to the platform's elliptic region call:
// left/top inclusive, right/bottom exclusive.
struct DotBox {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};
inline bool operator==(const DotBox& a, const DotBox& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right &&
         a.bottom == b.bottom;
}
inline bool operator!=(const DotBox& a, const DotBox& b) { return !(a == b); }

// ---------------------------------------------------------------- digital face

// The digit area on a background: 110 x 25 pixels, drawn from a digit strip.
constexpr int kDigitAreaWidth = 110;
constexpr int kDigitAreaHeight = 25;
// Digit strip: digit d at source x 15 * d, colon at 150, edge piece at 160.
constexpr int kDigitWidth = 15;
constexpr int kColonSourceX = 150;
constexpr int kColonWidth = 8;
constexpr int kEdgeSourceX = 160;
constexpr int kEdgeWidth = 2;
constexpr int kDigitPieceCount = 10;

// One piece of the digital face: copy `width` x kDigitAreaHeight pixels from
// (sourceX, 0) of the digit strip to (DigitOrigin.x + destX, DigitOrigin.y).
struct DigitPiece {
  int destX = 0;
  int width = 0;
  int sourceX = 0;
};

// The ten pieces, left to right: left edge, hour tens, hour units, colon,
// minute tens, minute units, colon, second tens, second units, right edge.
// Together they cover destX 0 ... 109 exactly. Out-of-range fields never
// address outside the strip: a negative value counts as 0 and only the last
// two decimal digits of a value are shown.
std::array<DigitPiece, kDigitPieceCount> DigitLayout(int hour, int minute,
                                                     int second);
// The same pieces for a face drawn k times larger (background and strip k
// times the size): every position and width times k; the pieces are then
// kDigitAreaHeight * k pixels high.
std::array<DigitPiece, kDigitPieceCount> DigitLayout(int hour, int minute,
                                                     int second, int k);

// ----------------------------------------------------------------- analog face

constexpr int kAnalogFaceSize = 136;            // window and face are square
constexpr int kAnalogCenter = kAnalogFaceSize / 2;  // centre x and y (68)
constexpr int kDialMarkCount = 60;

// The analog face drawn k times larger: every length below (size, centre,
// radii, distances, dot boxes) is k times as long. k = 1 is the face itself.
inline int AnalogFaceSize(int k) { return kAnalogFaceSize * k; }

// The centre dot (8 x 8 around the centre); part of the hour-mark region.
DotBox CenterDot(int k = 1);

struct DialMark {
  DotBox box;
  bool hourMark = false;  // 8 x 8 hour mark, else a 4 x 4 minute mark
};

// The 60 dial marks for a = 0, 6, ..., 354 degrees (index = a / 6; 0 degrees
// is 3 o'clock, angles grow clockwise on screen). Every fifth mark (a multiple
// of 30 degrees) is an hour mark.
std::array<DialMark, kDialMarkCount> DialMarks(int k = 1);

enum class HandKind { kHour, kMinute, kSecond };

// Angle of a hand in radians, 0 at 12 o'clock and growing clockwise, computed
// with the clock's fixed constants (pi taken as 3.1415926535).
double HandAngle(HandKind hand, int hour, int minute, int second);

// Number of dots of a hand: its distances (10 up to 30, 40 or 50 in steps of
// 10) plus the tail dot.
int HandDotCount(HandKind hand);

// The dots of one hand, 8 x 8 each, in the order the regions are built:
// distance 10, the tail dot (distance 10 on the opposite side), then 20, 30, ...
std::vector<DotBox> HandDots(HandKind hand, int hour, int minute, int second, int k = 1);
