#include "controls/flat_button_win.h"

#include <new>

#include "controls/flat_button_rules.h"
#include "controls/child_windows_win.h"
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

// Turns child into a flat button unless it is no push button or already one.
// False when the list is full of memory.
bool ConvertChild(HWND child, FlatButtonList& buttons) {
  char className[64] = {};
  GetClassNameA(child, className, sizeof className);
  if (!flat_button::IsButtonClass(className)) return true;
  const auto style = static_cast<uint32_t>(GetWindowLongA(child, GWL_STYLE));
  if (!flat_button::IsConvertibleStyle(style)) return true;
  for (const auto& b : buttons)
    if (b && b->Button() == child) return false;
  std::unique_ptr<FlatButton> button(new (std::nothrow) FlatButton());
  if (!button) return false;
  if (!buttons.push_back(std::move(button))) return false;
  buttons[buttons.size() - 1]->AttachButton(child);
  return true;
}

}  // namespace

FlatButton::FlatButton() : textHover_(GetSysColor(COLOR_HIGHLIGHTTEXT)) {
  OnMessage<WM_CAPTURECHANGED>(&FlatButton::OnCaptureChanged);
  OnMessage<WM_ERASEBKGND>(&FlatButton::OnEraseBackground);
  OnMessage<WM_MOUSEMOVE>(&FlatButton::OnMouseMove);
  OnMessage<WM_SETCURSOR>(&FlatButton::OnSetCursor);
  OnMessage<WM_KILLFOCUS>(&FlatButton::OnKillFocus);
  OnReflected<WM_DRAWITEM>(&FlatButton::OnDrawItem);
  OnReflected<WM_MEASUREITEM>(&FlatButton::OnMeasureItem);
  OnReflected<WM_COMPAREITEM>(&FlatButton::OnCompareItem);
  OnReflected<WM_DELETEITEM>(&FlatButton::OnDeleteItem);
}

bool FlatButton::AttachButton(HWND button) {
  button_ = button;
  if (!Attach(button)) return false;
  const auto style = static_cast<uint32_t>(GetWindowLongA(button, GWL_STYLE));
  SendMessageA(button, BM_SETSTYLE, flat_button::OwnerDrawStyle(style), TRUE);
  return true;
}

void FlatButton::OnCaptureChanged(HWND) {
  if (hover_) {
    // Release only a capture this button still holds: by now the capture
    // usually belongs to the window that took it, and releasing that one
    // would break its own mouse tracking (a menu, a drag).
    if (GetCapture() == hwnd()) ReleaseCapture();
    InvalidateRect(hwnd(), nullptr, TRUE);
  }
}

bool FlatButton::OnEraseBackground(HDC) { return true; }

void FlatButton::OnMouseMove(POINT at, UINT keys) {
  const HWND self = hwnd();
  ForwardToPrevious();
  if (!self || !IsWindow(self)) return;
  RECT client{};
  GetClientRect(self, &client);
  flat_button::MouseMoveInput in;
  in.hover = hover_;
  in.leftDown = (keys & MK_LBUTTON) != 0;
  in.hasCapture = GetCapture() == self;
  in.hasParent = GetParent(self) != nullptr;
  in.inside = PtInRect(&client, at) != FALSE;
  const flat_button::MouseMoveResult out = flat_button::TrackMouseMove(in);
  hover_ = out.hover;
  if (out.setCapture) SetCapture(self);
  if (out.invalidate) InvalidateRect(self, nullptr, TRUE);
  if (out.releaseCapture) ReleaseCapture();
}

// The pointer keeps the shape it was given last.
bool FlatButton::OnSetCursor(HWND, UINT, UINT) { return false; }

void FlatButton::OnKillFocus(HWND) {
  hover_ = false;
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void FlatButton::OnDrawItem(int, const DRAWITEMSTRUCT& item) {
  if (item.hDC) Draw(item);
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

void FlatButton::OnMeasureItem(int, MEASUREITEMSTRUCT& item) {
  if (item.CtlType == ODT_MENU) {
    item.itemHeight = static_cast<UINT>(GetSystemMetrics(SM_CYMENU));
  } else {
    WindowDC dc(hwnd());
    TEXTMETRICA tm{};
    if (dc && GetTextMetricsA(dc.get(), &tm)) item.itemHeight = static_cast<UINT>(tm.tmHeight);
  }
}

int FlatButton::OnCompareItem(int, const COMPAREITEMSTRUCT&) { return 0; }

void FlatButton::OnDeleteItem(int, const DELETEITEMSTRUCT&) {}

void ApplyFlatButtons(HWND dialog, FlatButtonList& buttons) {
  if (!dialog) return;
  // The children are collected first and converted afterwards, outside the
  // system's enumeration.
  for (HWND child : ChildWindows(dialog))
    if (!ConvertChild(child, buttons)) break;
}
