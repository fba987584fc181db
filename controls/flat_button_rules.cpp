#include "controls/flat_button_rules.h"

#include "base/gbk_text.h"

namespace flat_button {

namespace {

constexpr uint32_t kTypeMask = 0x0F;
constexpr uint32_t kTypeOwnerDraw = 0x0B;

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool IsButtonClass(const char* className) {
  if (!className) return false;
  const char* expected = "button";
  size_t i = 0;
  for (; expected[i]; ++i)
    if (Lower(className[i]) != expected[i]) return false;
  return className[i] == '\0';
}

bool IsConvertibleStyle(uint32_t style) {
  if (style & 0x2) return false;
  if (style & 0x4) return false;
  if ((style & 3) == 3) return false;
  if ((style & 7) == 7) return false;
  if ((style & 9) == 9) return false;
  return true;
}

uint32_t OwnerDrawStyle(uint32_t style) { return (style & 0xFF & ~kTypeMask) | kTypeOwnerDraw; }

MouseMoveResult TrackMouseMove(const MouseMoveInput& in) {
  MouseMoveResult out{in.hover, false, false, false};
  // A drag that enters the button does not highlight it.
  if (in.leftDown && !in.hover) return out;
  if (!in.hasCapture && in.hasParent) {
    out.hover = true;
    out.setCapture = true;
    out.invalidate = true;
    return out;
  }
  if (in.inside) return out;
  // The pointer has left the button.
  if (in.hover) {
    out.hover = false;
    out.invalidate = true;
  }
  if (!in.leftDown) out.releaseCapture = true;
  return out;
}

FaceColours ChooseColours(const ButtonState& state, const SystemColours& sys) {
  if (state.disabled) return {kFaceNormal, sys.grayText, sys.inactiveBorder};
  if (state.pressed || state.hover) return {kFaceHover, sys.highlightText, kBorder};
  return {kFaceNormal, kTextNormal, kBorder};
}

Edge ChooseEdge(const ButtonState& state) {
  if (state.pressed) return Edge::Sunken;
  if (state.hover) return Edge::Raised;
  return Edge::Border;
}

void EdgeLines(const Rect& r, Edge edge, const SystemColours& sys, Polyline out[2]) {
  const bool sunken = edge == Edge::Sunken;
  out[0] = {{{r.left, r.bottom - 1}, {r.left, r.top}, {r.right, r.top}}, sunken ? sys.shadow : sys.highlight};
  out[1] = {{{r.left, r.bottom - 1}, {r.right - 1, r.bottom - 1}, {r.right - 1, r.top - 1}},
            sunken ? sys.highlight : sys.shadow};
}

Rect TextRect(const Rect& r, bool pressed, int width, int height) {
  Rect area = r;
  if (pressed) {
    area.left += 1;
    area.right += 1;
    area.top += 1;
    area.bottom += 1;
  }
  const int dx = ((area.right - area.left) - width) / 2;
  const int dy = ((area.bottom - area.top) - height) / 2;
  Rect t;
  t.left = area.left + dx;
  t.top = area.top + dy;
  t.right = t.left + width;
  t.bottom = t.top + height;
  return t;
}

void FocusMarks(const Rect& r, Polyline out[4]) {
  const int left = r.left + 4, right = r.right - 4, top = r.top + 3, bottom = r.bottom - 3;
  out[0] = {{{left + 4, top}, {left, top}, {left, top + 4}}, kFocusMark};
  out[1] = {{{right - 4, top}, {right, top}, {right, top + 4}}, kFocusMark};
  out[2] = {{{left, bottom - 4}, {left, bottom}, {left + 4, bottom}}, kFocusMark};
  out[3] = {{{right - 4, bottom}, {right, bottom}, {right, bottom - 4}}, kFocusMark};
}

size_t VisibleTextLength(const char* text) { return gbk::FitLength(text, kMaxTextLength); }

}  // namespace flat_button
