// The decisions behind the flat push button, free of any window code: which
// buttons are converted, how the mouse tracking moves between idle and hover,
// which colours a state uses, and where the edges, text and focus marks go.
// The Win32 control in controls/flat_button.cpp only carries them out.
#pragma once
#include <cstddef>
#include <cstdint>

namespace flat_button {

// Colours as 0x00BBGGRR values.
constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) { return r | (g << 8) | (b << 16); }

constexpr uint32_t kFaceNormal = Rgb(215, 241, 215);
constexpr uint32_t kFaceHover = Rgb(43, 200, 213);
constexpr uint32_t kTextNormal = Rgb(0, 0, 255);
constexpr uint32_t kBorder = Rgb(254, 128, 62);
constexpr uint32_t kFocusMark = Rgb(128, 128, 128);

// At most this many bytes of a button's text are drawn.
constexpr size_t kMaxTextLength = 63;

// True when the class name is "Button" in any letter case.
bool IsButtonClass(const char* className);

// True for the button styles that are turned into flat buttons: push button
// (type 0), default push button (1) and type 8. Check boxes, radio buttons,
// group boxes, three-state and owner-drawn buttons are left alone.
bool IsConvertibleStyle(uint32_t style);

// The BM_SETSTYLE value that makes a button owner-drawn: the low byte of its
// style with the type bits set to owner-draw (0x0B).
uint32_t OwnerDrawStyle(uint32_t style);

// Hover tracking for one mouse move, after the button's own procedure has run.
struct MouseMoveInput {
  bool hover;        // the button is highlighted now
  bool leftDown;     // the left mouse button is held
  bool hasCapture;   // the button holds the mouse capture
  bool hasParent;    // the button has a parent window
  bool inside;       // the point lies inside the client rectangle
};
struct MouseMoveResult {
  bool hover;           // new hover state
  bool setCapture;      // capture the mouse
  bool releaseCapture;  // release the mouse capture
  bool invalidate;      // repaint the button
};
MouseMoveResult TrackMouseMove(const MouseMoveInput& in);

struct ButtonState {
  bool pressed;
  bool disabled;
  bool hover;
  bool focused;
};

// System colours the drawing needs, read by the caller.
struct SystemColours {
  uint32_t grayText;        // text of a disabled button
  uint32_t inactiveBorder;  // border of a disabled button
  uint32_t highlightText;   // text while hovered or pressed
  uint32_t shadow;          // dark side of a raised or sunken edge
  uint32_t highlight;       // light side of a raised or sunken edge
};

struct FaceColours {
  uint32_t face;
  uint32_t text;
  uint32_t border;
};
FaceColours ChooseColours(const ButtonState& state, const SystemColours& sys);

struct Point {
  int x, y;
};
struct Rect {
  int left, top, right, bottom;
};

// A three-point line in one colour; like the platform's line drawing, the last
// point is not painted.
struct Polyline {
  Point points[3];
  uint32_t colour;
};

enum class Edge { Border, Raised, Sunken };
Edge ChooseEdge(const ButtonState& state);

// The two polylines of a raised or sunken edge around r (first the top-left
// one, then the bottom-right one).
void EdgeLines(const Rect& r, Edge edge, const SystemColours& sys, Polyline out[2]);

// Where a measured single-line text of width x height goes: centred in r,
// which is first moved one pixel right and down when the button is pressed.
Rect TextRect(const Rect& r, bool pressed, int width, int height);

// The four grey corner marks of a focused button.
void FocusMarks(const Rect& r, Polyline out[4]);

// Bytes of text that are drawn: at most kMaxTextLength, never ending inside a
// double-byte character of the Chinese code page.
size_t VisibleTextLength(const char* text);

}  // namespace flat_button
