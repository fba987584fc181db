#include "controls/flat_button_win.h"

#include <windowsx.h>

#include <new>

#include "controls/flat_button_rules.h"
#include "controls/handles_win.h"

namespace {

flat_button::SystemColours ReadSystemColours() {
  flat_button::SystemColours c;
  c.grayText = GetSysColor(COLOR_GRAYTEXT);
  c.inactiveBorder = GetSysColor(COLOR_INACTIVEBORDER);
  c.highlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);
  c.shadow = GetSysColor(COLOR_BTNSHADOW);
  c.highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  return c;
}

// Draws a polyline with a 1-pixel pen that is deleted before returning.
void DrawPolyline(HDC dc, const flat_button::Polyline& line) {
  Pen pen(CreatePen(PS_SOLID, 1, line.colour));
  SelectGuard use(dc, pen.get());
  MoveToEx(dc, line.points[0].x, line.points[0].y, nullptr);
  LineTo(dc, line.points[1].x, line.points[1].y);
  LineTo(dc, line.points[2].x, line.points[2].y);
}

struct EnumContext {
  FlatButtonList* buttons;
};

BOOL CALLBACK ConvertChild(HWND child, LPARAM param) {
  auto* context = reinterpret_cast<EnumContext*>(param);
  char className[64] = {};
  GetClassNameA(child, className, sizeof className);
  if (!flat_button::IsButtonClass(className)) return TRUE;
  const auto style = static_cast<uint32_t>(GetWindowLongA(child, GWL_STYLE));
  if (!flat_button::IsConvertibleStyle(style)) return TRUE;
  for (const auto& b : *context->buttons)
    if (b && b->Button() == child) return FALSE;
  std::unique_ptr<FlatButton> button(new (std::nothrow) FlatButton());
  if (!button) return FALSE;
  button->AttachButton(child);
  context->buttons->push_back(std::move(button));
  return TRUE;
}

}  // namespace

FlatButton::FlatButton() : textHover_(GetSysColor(COLOR_HIGHLIGHTTEXT)) {
  OnMessage(WM_CAPTURECHANGED, &FlatButton::OnCaptureChanged);
  OnMessage(WM_ERASEBKGND, &FlatButton::OnEraseBackground);
  OnMessage(WM_MOUSEMOVE, &FlatButton::OnMouseMove);
  OnMessage(WM_SETCURSOR, &FlatButton::OnSetCursor);
  OnMessage(WM_KILLFOCUS, &FlatButton::OnKillFocus);
  OnMessage(WM_DRAWITEM + kReflectOffset, &FlatButton::OnDrawItem);
  OnMessage(WM_MEASUREITEM + kReflectOffset, &FlatButton::OnMeasureItem);
  OnMessage(WM_COMPAREITEM + kReflectOffset, &FlatButton::OnCompareItem);
  OnMessage(WM_DELETEITEM + kReflectOffset, &FlatButton::OnDeleteItem);
}

bool FlatButton::AttachButton(HWND button) {
  button_ = button;
  if (!Attach(button)) return false;
  const auto style = static_cast<uint32_t>(GetWindowLongA(button, GWL_STYLE));
  SendMessageA(button, BM_SETSTYLE, flat_button::OwnerDrawStyle(style), TRUE);
  return true;
}

bool FlatButton::OnCaptureChanged(WPARAM, LPARAM, LRESULT& result) {
  if (hover_) {
    // Release only a capture this button still holds: by now the capture
    // usually belongs to the window that took it, and releasing that one
    // would break its own mouse tracking (a menu, a drag).
    if (GetCapture() == hwnd()) ReleaseCapture();
    InvalidateRect(hwnd(), nullptr, TRUE);
  }
  result = 0;
  return true;
}

bool FlatButton::OnEraseBackground(WPARAM, LPARAM, LRESULT& result) {
  result = 1;
  return true;
}

bool FlatButton::OnMouseMove(WPARAM w, LPARAM l, LRESULT& result) {
  const HWND self = hwnd();
  result = CallPrevious(WM_MOUSEMOVE, w, l);
  if (!self || !IsWindow(self)) return true;
  RECT client{};
  GetClientRect(self, &client);
  const POINT at{GET_X_LPARAM(l), GET_Y_LPARAM(l)};
  flat_button::MouseMoveInput in;
  in.hover = hover_;
  in.leftDown = (w & MK_LBUTTON) != 0;
  in.hasCapture = GetCapture() == self;
  in.hasParent = GetParent(self) != nullptr;
  in.inside = PtInRect(&client, at) != FALSE;
  const flat_button::MouseMoveResult out = flat_button::TrackMouseMove(in);
  hover_ = out.hover;
  if (out.setCapture) SetCapture(self);
  if (out.invalidate) InvalidateRect(self, nullptr, TRUE);
  if (out.releaseCapture) ReleaseCapture();
  return true;
}

bool FlatButton::OnSetCursor(WPARAM, LPARAM, LRESULT& result) {
  // The pointer keeps the shape it was given last.
  result = 0;
  return true;
}

bool FlatButton::OnKillFocus(WPARAM, LPARAM, LRESULT& result) {
  hover_ = false;
  InvalidateRect(hwnd(), nullptr, TRUE);
  result = 0;
  return true;
}

bool FlatButton::OnDrawItem(WPARAM, LPARAM l, LRESULT& result) {
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(l);
  if (item && item->hDC) Draw(*item);
  result = TRUE;
  return true;
}

void FlatButton::Draw(const DRAWITEMSTRUCT& item) {
  const HDC dc = item.hDC;
  const RECT& r = item.rcItem;
  const flat_button::Rect rect{r.left, r.top, r.right, r.bottom};
  flat_button::ButtonState state;
  state.pressed = (item.itemState & ODS_SELECTED) != 0;
  state.disabled = (item.itemState & ODS_DISABLED) != 0;
  state.hover = hover_;
  state.focused = button_ && GetFocus() == button_;
  flat_button::SystemColours sys = ReadSystemColours();
  sys.highlightText = textHover_;
  const flat_button::FaceColours colours = flat_button::ChooseColours(state, sys);

  DcStateGuard keep(dc);
  SetBkMode(dc, TRANSPARENT);

  // The face: an opaque text-out of no text fills the rectangle.
  SetBkColor(dc, colours.face);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, "", 0, nullptr);

  const flat_button::Edge edge = flat_button::ChooseEdge(state);
  if (edge == flat_button::Edge::Border) {
    Pen pen(CreatePen(PS_SOLID, 1, colours.border));
    SelectGuard usePen(dc, pen.get());
    SelectGuard useBrush(dc, GetStockObject(HOLLOW_BRUSH));
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
  } else {
    flat_button::Polyline lines[2];
    flat_button::EdgeLines(rect, edge, sys, lines);
    for (const auto& line : lines) DrawPolyline(dc, line);
  }

  char text[256] = {};
  if (button_) GetWindowTextA(button_, text, sizeof text);
  const int length = static_cast<int>(flat_button::VisibleTextLength(text));
  if (length > 0) {
    RECT measured{0, 0, 0, 0};
    DrawTextA(dc, text, length, &measured, DT_SINGLELINE | DT_CALCRECT);
    const flat_button::Rect place = flat_button::TextRect(
        rect, state.pressed, measured.right - measured.left, measured.bottom - measured.top);
    RECT target{place.left, place.top, place.right, place.bottom};
    SetTextColor(dc, colours.text);
    DrawTextA(dc, text, length, &target, DT_SINGLELINE);
  }

  if (state.focused) {
    flat_button::Polyline marks[4];
    flat_button::FocusMarks(rect, marks);
    for (const auto& mark : marks) DrawPolyline(dc, mark);
  }
}

bool FlatButton::OnMeasureItem(WPARAM, LPARAM l, LRESULT& result) {
  auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(l);
  if (item) {
    if (item->CtlType == ODT_MENU) {
      item->itemHeight = static_cast<UINT>(GetSystemMetrics(SM_CYMENU));
    } else {
      WindowDC dc(hwnd());
      TEXTMETRICA tm{};
      if (dc && GetTextMetricsA(dc.get(), &tm)) item->itemHeight = static_cast<UINT>(tm.tmHeight);
    }
  }
  result = TRUE;
  return true;
}

bool FlatButton::OnCompareItem(WPARAM, LPARAM, LRESULT& result) {
  result = 0;
  return true;
}

bool FlatButton::OnDeleteItem(WPARAM, LPARAM, LRESULT& result) {
  result = TRUE;
  return true;
}

void ApplyFlatButtons(HWND dialog, FlatButtonList& buttons) {
  if (!dialog) return;
  EnumContext context{&buttons};
  EnumChildWindows(dialog, &ConvertChild, reinterpret_cast<LPARAM>(&context));
}
