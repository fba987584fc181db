// Message crackers: for each window message the framework knows, the signature
// of its handler, how the handler's arguments are decoded from the message's
// parameters and how the handler's answer becomes the message result.
//
// Cracker<Msg>::Signature is the handler's type; Cracker<Msg>::Call(h, w, l, r)
// calls h with the decoded arguments, stores the result in r and returns true,
// or returns false without calling h when the message carries no usable
// arguments (a null structure pointer), so the message counts as not handled.
// A message without a cracker is registered with a raw handler.
#pragma once
#include <windows.h>
#include <windowsx.h>

namespace crack {

inline POINT PointOf(LPARAM l) { return POINT{GET_X_LPARAM(l), GET_Y_LPARAM(l)}; }

template <UINT Msg>
struct Cracker;  // no cracker for this message: use OnRawMessage

// void(): WM_CLOSE, WM_DESTROY, WM_PAINT. Answer 0.
struct NoArguments {
  using Signature = void();
  template <class H>
  static bool Call(H& h, WPARAM, LPARAM, LRESULT& r) {
    h();
    r = 0;
    return true;
  }
};
template <> struct Cracker<WM_CLOSE> : NoArguments {};
template <> struct Cracker<WM_DESTROY> : NoArguments {};
template <> struct Cracker<WM_PAINT> : NoArguments {};

// bool(const CREATESTRUCTA&): false stops the creation (answer -1).
template <>
struct Cracker<WM_CREATE> {
  using Signature = bool(const CREATESTRUCTA&);
  template <class H>
  static bool Call(H& h, WPARAM, LPARAM l, LRESULT& r) {
    const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(l);
    if (!cs) return false;
    r = h(*cs) ? 0 : -1;
    return true;
  }
};

// void(UINT_PTR timerId).
template <>
struct Cracker<WM_TIMER> {
  using Signature = void(UINT_PTR);
  template <class H>
  static bool Call(H& h, WPARAM w, LPARAM, LRESULT& r) {
    h(static_cast<UINT_PTR>(w));
    r = 0;
    return true;
  }
};

// The window's monitor changed its DPI, or the window moved to a monitor of
// another DPI (sent only to programs aware of the DPI per monitor; the
// system's headers name it only for newer targets than these programs).
constexpr UINT kDpiChanged = 0x02E0;

// void(UINT dpi, const RECT& suggested): the new DPI and the window rectangle
// the system suggests for it.
template <>
struct Cracker<kDpiChanged> {
  using Signature = void(UINT, const RECT&);
  template <class H>
  static bool Call(H& h, WPARAM w, LPARAM l, LRESULT& r) {
    const auto* suggested = reinterpret_cast<const RECT*>(l);
    if (!suggested) return false;
    h(static_cast<UINT>(HIWORD(w)), *suggested);
    r = 0;
    return true;
  }
};

// bool(HDC): true when the background counts as erased.
template <>
struct Cracker<WM_ERASEBKGND> {
  using Signature = bool(HDC);
  template <class H>
  static bool Call(H& h, WPARAM w, LPARAM, LRESULT& r) {
    r = h(reinterpret_cast<HDC>(w)) ? 1 : 0;
    return true;
  }
};

// void(HDC, UINT drawingFlags).
template <>
struct Cracker<WM_PRINTCLIENT> {
  using Signature = void(HDC, UINT);
  template <class H>
  static bool Call(H& h, WPARAM w, LPARAM l, LRESULT& r) {
    h(reinterpret_cast<HDC>(w), static_cast<UINT>(l));
    r = 0;
    return true;
  }
};

// Mouse messages in client coordinates: void(POINT, UINT keys), keys the MK_* flags.
struct MouseMessage {
  using Signature = void(POINT, UINT);
  template <class H>
  static bool Call(H& h, WPARAM w, LPARAM l, LRESULT& r) {
    h(PointOf(l), static_cast<UINT>(w));
    r = 0;
    return true;
  }
};
template <> struct Cracker<WM_MOUSEMOVE> : MouseMessage {};
template <> struct Cracker<WM_LBUTTONDOWN> : MouseMessage {};
template <> struct Cracker<WM_LBUTTONUP> : MouseMessage {};
template <> struct Cracker<WM_LBUTTONDBLCLK> : MouseMessage {};
template <> struct Cracker<WM_RBUTTONDOWN> : MouseMessage {};
template <> struct Cracker<WM_RBUTTONUP> : MouseMessage {};

// bool(HWND window, UINT hitTest, UINT mouseMessage): true when the cursor was set.
template <>
struct Cracker<WM_SETCURSOR> {
  using Signature = bool(HWND, UINT, UINT);
  template <class H>
  static bool Call(H& h, WPARAM w, LPARAM l, LRESULT& r) {
    r = h(reinterpret_cast<HWND>(w), LOWORD(l), HIWORD(l)) ? TRUE : FALSE;
    return true;
  }
};

// void(HWND other): the window that gains the capture (in lParam), or that
// gains or loses the focus (in wParam).
struct WindowInLParam {
  using Signature = void(HWND);
  template <class H>
  static bool Call(H& h, WPARAM, LPARAM l, LRESULT& r) {
    h(reinterpret_cast<HWND>(l));
    r = 0;
    return true;
  }
};
struct WindowInWParam {
  using Signature = void(HWND);
  template <class H>
  static bool Call(H& h, WPARAM w, LPARAM, LRESULT& r) {
    h(reinterpret_cast<HWND>(w));
    r = 0;
    return true;
  }
};
template <> struct Cracker<WM_CAPTURECHANGED> : WindowInLParam {};
template <> struct Cracker<WM_SETFOCUS> : WindowInWParam {};
template <> struct Cracker<WM_KILLFOCUS> : WindowInWParam {};

// void(UINT virtualKey): a key went down (WM_KEYDOWN).
template <>
struct Cracker<WM_KEYDOWN> {
  using Signature = void(UINT);
  template <class H>
  static bool Call(H& h, WPARAM w, LPARAM, LRESULT& r) {
    h(static_cast<UINT>(w));
    r = 0;
    return true;
  }
};

// UINT(): the DLGC_* keys a control wants from the dialog manager.
template <>
struct Cracker<WM_GETDLGCODE> {
  using Signature = UINT();
  template <class H>
  static bool Call(H& h, WPARAM, LPARAM, LRESULT& r) {
    r = static_cast<LRESULT>(h());
    return true;
  }
};

// void(POINT clientOrigin): the window moved; the client area's new top-left
// corner in screen coordinates (parent coordinates for a child).
template <>
struct Cracker<WM_MOVE> {
  using Signature = void(POINT);
  template <class H>
  static bool Call(H& h, WPARAM, LPARAM l, LRESULT& r) {
    h(PointOf(l));
    r = 0;
    return true;
  }
};

// void(UINT sizeType, SIZE client).
template <>
struct Cracker<WM_SIZE> {
  using Signature = void(UINT, SIZE);
  template <class H>
  static bool Call(H& h, WPARAM w, LPARAM l, LRESULT& r) {
    h(static_cast<UINT>(w), SIZE{LOWORD(l), HIWORD(l)});
    r = 0;
    return true;
  }
};

// void(HMENU).
template <>
struct Cracker<WM_INITMENU> {
  using Signature = void(HMENU);
  template <class H>
  static bool Call(H& h, WPARAM w, LPARAM, LRESULT& r) {
    h(reinterpret_cast<HMENU>(w));
    r = 0;
    return true;
  }
};

// void(HMENU popup, UINT position, bool windowMenu).
template <>
struct Cracker<WM_INITMENUPOPUP> {
  using Signature = void(HMENU, UINT, bool);
  template <class H>
  static bool Call(H& h, WPARAM w, LPARAM l, LRESULT& r) {
    h(reinterpret_cast<HMENU>(w), LOWORD(l), HIWORD(l) != 0);
    r = 0;
    return true;
  }
};

// void(UINT item, UINT flags, HMENU menu): item is a command id, or a position
// for a popup (MF_POPUP in flags).
template <>
struct Cracker<WM_MENUSELECT> {
  using Signature = void(UINT, UINT, HMENU);
  template <class H>
  static bool Call(H& h, WPARAM w, LPARAM l, LRESULT& r) {
    h(LOWORD(w), HIWORD(w), reinterpret_cast<HMENU>(l));
    r = 0;
    return true;
  }
};

// void(bool trackPopupMenu): the menu loop of TrackPopupMenu (true) or of a menu bar.
struct MenuLoop {
  using Signature = void(bool);
  template <class H>
  static bool Call(H& h, WPARAM w, LPARAM, LRESULT& r) {
    h(w != 0);
    r = 0;
    return true;
  }
};
template <> struct Cracker<WM_ENTERMENULOOP> : MenuLoop {};
template <> struct Cracker<WM_EXITMENULOOP> : MenuLoop {};

// void(int controlId, MEASUREITEMSTRUCT&): answered TRUE.
template <>
struct Cracker<WM_MEASUREITEM> {
  using Signature = void(int, MEASUREITEMSTRUCT&);
  template <class H>
  static bool Call(H& h, WPARAM w, LPARAM l, LRESULT& r) {
    auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(l);
    if (!item) return false;
    h(static_cast<int>(w), *item);
    r = TRUE;
    return true;
  }
};

// void(int controlId, const DRAWITEMSTRUCT&): answered TRUE.
template <>
struct Cracker<WM_DRAWITEM> {
  using Signature = void(int, const DRAWITEMSTRUCT&);
  template <class H>
  static bool Call(H& h, WPARAM w, LPARAM l, LRESULT& r) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(l);
    if (!item) return false;
    h(static_cast<int>(w), *item);
    r = TRUE;
    return true;
  }
};

// int(int controlId, const COMPAREITEMSTRUCT&): -1, 0 or 1.
template <>
struct Cracker<WM_COMPAREITEM> {
  using Signature = int(int, const COMPAREITEMSTRUCT&);
  template <class H>
  static bool Call(H& h, WPARAM w, LPARAM l, LRESULT& r) {
    const auto* item = reinterpret_cast<const COMPAREITEMSTRUCT*>(l);
    if (!item) return false;
    r = h(static_cast<int>(w), *item);
    return true;
  }
};

// void(int controlId, const DELETEITEMSTRUCT&): answered TRUE.
template <>
struct Cracker<WM_DELETEITEM> {
  using Signature = void(int, const DELETEITEMSTRUCT&);
  template <class H>
  static bool Call(H& h, WPARAM w, LPARAM l, LRESULT& r) {
    const auto* item = reinterpret_cast<const DELETEITEMSTRUCT*>(l);
    if (!item) return false;
    h(static_cast<int>(w), *item);
    r = TRUE;
    return true;
  }
};

// bool(HWND defaultFocus): true lets the system give the focus to defaultFocus.
// (The creation parameter belongs to the framework, which binds the dialog
// object with it.)
template <>
struct Cracker<WM_INITDIALOG> {
  using Signature = bool(HWND);
  template <class H>
  static bool Call(H& h, WPARAM w, LPARAM, LRESULT& r) {
    r = h(reinterpret_cast<HWND>(w)) ? TRUE : FALSE;
    return true;
  }
};

// void(int id, int code, HWND control): a menu command (code 0), an accelerator
// (code 1) or a control's notification (control set). Answer 0.
template <>
struct Cracker<WM_COMMAND> {
  using Signature = void(int, int, HWND);
  template <class H>
  static bool Call(H& h, WPARAM w, LPARAM l, LRESULT& r) {
    h(LOWORD(w), HIWORD(w), reinterpret_cast<HWND>(l));
    r = 0;
    return true;
  }
};

// LRESULT(NMHDR&): the header of a control's notification; the answer is the
// notification's result.
template <>
struct Cracker<WM_NOTIFY> {
  using Signature = LRESULT(NMHDR&);
  template <class H>
  static bool Call(H& h, WPARAM, LPARAM l, LRESULT& r) {
    auto* header = reinterpret_cast<NMHDR*>(l);
    if (!header) return false;
    r = h(*header);
    return true;
  }
};

// HBRUSH(HDC, HWND control): the brush that paints the control's background.
struct ControlColour {
  using Signature = HBRUSH(HDC, HWND);
  template <class H>
  static bool Call(H& h, WPARAM w, LPARAM l, LRESULT& r) {
    r = reinterpret_cast<LRESULT>(h(reinterpret_cast<HDC>(w), reinterpret_cast<HWND>(l)));
    return true;
  }
};
template <> struct Cracker<WM_CTLCOLORMSGBOX> : ControlColour {};
template <> struct Cracker<WM_CTLCOLOREDIT> : ControlColour {};
template <> struct Cracker<WM_CTLCOLORLISTBOX> : ControlColour {};
template <> struct Cracker<WM_CTLCOLORBTN> : ControlColour {};
template <> struct Cracker<WM_CTLCOLORDLG> : ControlColour {};
template <> struct Cracker<WM_CTLCOLORSCROLLBAR> : ControlColour {};
template <> struct Cracker<WM_CTLCOLORSTATIC> : ControlColour {};

// void(int code, int position, HWND bar): a scroll bar's or up-down control's
// notification (bar null for the window's own scroll bars).
struct Scroll {
  using Signature = void(int, int, HWND);
  template <class H>
  static bool Call(H& h, WPARAM w, LPARAM l, LRESULT& r) {
    h(LOWORD(w), static_cast<short>(HIWORD(w)), reinterpret_cast<HWND>(l));
    r = 0;
    return true;
  }
};
template <> struct Cracker<WM_HSCROLL> : Scroll {};
template <> struct Cracker<WM_VSCROLL> : Scroll {};

// The callback message of a notification-area icon: void(UINT iconId,
// UINT mouseMessage). Not a fixed message number, so registered by number.
struct NotifyIconCallback {
  using Signature = void(UINT, UINT);
  template <class H>
  static bool Call(H& h, WPARAM w, LPARAM l, LRESULT& r) {
    h(static_cast<UINT>(w), static_cast<UINT>(l));
    r = 0;
    return true;
  }
};

// int(HWND topLevel, UINT hitTest, UINT mouseMessage): MA_ACTIVATE,
// MA_NOACTIVATE, MA_ACTIVATEANDEAT or MA_NOACTIVATEANDEAT.
template <>
struct Cracker<WM_MOUSEACTIVATE> {
  using Signature = int(HWND, UINT, UINT);
  template <class H>
  static bool Call(H& h, WPARAM w, LPARAM l, LRESULT& r) {
    r = h(reinterpret_cast<HWND>(w), LOWORD(l), HIWORD(l));
    return true;
  }
};

// void(UINT event): a power event (PBT_*). Every query is granted (TRUE).
template <>
struct Cracker<WM_POWERBROADCAST> {
  using Signature = void(UINT);
  template <class H>
  static bool Call(H& h, WPARAM w, LPARAM, LRESULT& r) {
    h(static_cast<UINT>(w));
    r = TRUE;
    return true;
  }
};

// A message that carries nothing (a registered or private signal): void().
using Signal = NoArguments;

}  // namespace crack
