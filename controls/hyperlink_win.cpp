#include "controls/hyperlink_win.h"

#include <shellapi.h>

#include "controls/dpi_win.h"
#include "controls/handles_win.h"
#include "controls/module_win.h"

namespace {

// The default value of a key under HKEY_CLASSES_ROOT; false when the key
// cannot be opened or read.
bool ReadClassValue(const char* keyName, char* out, LONG outSize) {
  HKEY raw = nullptr;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, keyName, 0, KEY_QUERY_VALUE, &raw) != ERROR_SUCCESS) return false;
  RegKey key(raw);
  char value[hyperlink::kRegistryValueSize] = {};
  LONG size = sizeof value;
  if (RegQueryValueA(key.get(), nullptr, value, &size) != ERROR_SUCCESS) return false;
  value[sizeof value - 1] = '\0';
  lstrcpynA(out, value, outSize);
  return true;
}

// The system's static control procedure, under the link's own window class.
const char kLinkClass[] = "Ticora.HyperLink";
WNDPROC g_staticProc = nullptr;
const char kCreatingProperty[] = "Ticora.HyperLink.Creating";

}  // namespace

INT_PTR OpenLink(const char* target, int showCommand) {
  const auto shell = reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", target, nullptr, nullptr, showCommand));
  if (shell > 32) return shell;
  char pageClass[hyperlink::kRegistryValueSize] = {};
  if (!ReadClassValue(".htm", pageClass, sizeof pageClass)) return shell;
  char commandKey[hyperlink::kCommandSize] = {};
  wsprintfA(commandKey, "%s\\shell\\open\\command", pageClass);
  char registered[hyperlink::kRegistryValueSize] = {};
  if (!ReadClassValue(commandKey, registered, sizeof registered)) return shell;
  char command[hyperlink::kCommandSize] = {};
  if (!hyperlink::BuildOpenCommand(registered, target, command, sizeof command)) return shell;
  return static_cast<INT_PTR>(WinExec(command, static_cast<UINT>(showCommand)));
}

HyperLink::HyperLink(Opener opener) : opener_(opener) {
  OnMessage<WM_CREATE>(&HyperLink::OnCreate);
  OnMessage<WM_PAINT>(&HyperLink::OnPaint);
  OnMessage<WM_PRINTCLIENT>(&HyperLink::OnPrintClient);
  OnMessage<WM_MOUSEMOVE>(&HyperLink::OnMouseMove);
  OnMessage<WM_CAPTURECHANGED>(&HyperLink::OnCaptureChanged);
  OnMessage<WM_SETCURSOR>(&HyperLink::OnSetCursor);
  OnReflected<WM_COMMAND>(&HyperLink::OnClicked);
}

bool HyperLink::AttachStatic(HWND control) {
  if (!Attach(control)) return false;
  Initialise(control);
  return true;
}

void HyperLink::Initialise(HWND control) {
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  if (!(style & SS_NOTIFY)) SetWindowLongA(control, GWL_STYLE, style | SS_NOTIFY);
  if (target_[0] == '\0') {
    char text[256] = {};
    GetWindowTextA(control, text, sizeof text);
    hyperlink::TargetFromText(text, target_);
  }
}

HWND HyperLink::Create(HWND parent, const char* text, DWORD style, const RECT& place, int id) {
  if (attached()) return nullptr;
  WNDCLASSA link{};
  if (!GetClassInfoA(module::Instance(), kLinkClass, &link)) {
    WNDCLASSA system{};
    if (!GetClassInfoA(nullptr, "STATIC", &system)) return nullptr;
    g_staticProc = system.lpfnWndProc;
    link = system;
    link.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
    link.lpfnWndProc = &HyperLink::CreationProc;
    link.hInstance = module::Instance();
    link.lpszClassName = kLinkClass;
    if (!RegisterClassA(&link)) return nullptr;
  }
  return CreateWindowExA(0, kLinkClass, text, style | WS_CHILD, place.left, place.top, place.right - place.left,
                         place.bottom - place.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         module::Instance(), this);
}

// The class's procedure: binds the object handed in at creation before the
// window's first message, then leaves every message to the object's
// procedure (which passes what it does not handle on to the static's).
LRESULT CALLBACK HyperLink::CreationProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
  if (msg == WM_NCCREATE && !GetPropA(hwnd, kCreatingProperty)) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(l);
    auto* self = create ? static_cast<HyperLink*>(create->lpCreateParams) : nullptr;
    if (!self) return FALSE;
    SetPropA(hwnd, kCreatingProperty, reinterpret_cast<HANDLE>(1));
    const bool bound = self->Attach(hwnd);
    if (!bound) {
      RemovePropA(hwnd, kCreatingProperty);
      return FALSE;
    }
    const auto proc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
    const LRESULT result = CallWindowProcA(proc, hwnd, msg, w, l);
    RemovePropA(hwnd, kCreatingProperty);
    return result;
  }
  return g_staticProc ? CallWindowProcA(g_staticProc, hwnd, msg, w, l) : DefWindowProcA(hwnd, msg, w, l);
}

bool HyperLink::OnCreate(const CREATESTRUCTA&) {
  if (ForwardToPrevious() == -1) return false;
  Initialise(hwnd());
  return true;
}

void HyperLink::OnPaint() {
  PaintDC paint(hwnd());
  if (paint.get()) Paint(paint.get());
}

void HyperLink::OnPrintClient(HDC dc, UINT) {
  if (dc) Paint(dc);
}

void HyperLink::Paint(HDC dc) {
  const HWND self = hwnd();
  RECT client{};
  GetClientRect(self, &client);
  // The parent's static background first, so that a colour change redraws
  // the text on a clean ground.
  if (HWND parent = GetParent(self)) {
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageA(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(self)));
    if (brush) FillRect(dc, &client, brush);
  }
  char text[256] = {};
  GetWindowTextA(self, text, sizeof text);
  // The font its dialog gave it (made for the dialog's DPI); a link made as
  // a window of its own writes in the system's message font at its DPI.
  auto font = reinterpret_cast<HFONT>(SendMessageA(self, WM_GETFONT, 0, 0));
  Font own(font ? nullptr : CreateUiFont(UiFont::kMessage, self));
  HGDIOBJ use = font ? static_cast<HGDIOBJ>(font) : own ? static_cast<HGDIOBJ>(own.get()) : GetStockObject(DEFAULT_GUI_FONT);
  SelectGuard useFont(dc, use);
  SetTextColor(dc, TextColour());
  SetBkMode(dc, TRANSPARENT);
  UINT format = DT_SINGLELINE | DT_VCENTER;
  switch (hyperlink::AlignmentOf(static_cast<uint32_t>(GetWindowLongA(self, GWL_STYLE)))) {
    case hyperlink::Align::Right: format |= DT_RIGHT; break;
    case hyperlink::Align::Center: format |= DT_CENTER; break;
    case hyperlink::Align::Left: format |= DT_LEFT; break;
  }
  DrawTextA(dc, text, -1, &client, format);
}

void HyperLink::Redraw() {
  InvalidateRect(hwnd(), nullptr, TRUE);
  UpdateWindow(hwnd());
}

void HyperLink::OnMouseMove(POINT at, UINT) {
  const HWND self = hwnd();
  RECT client{};
  GetClientRect(self, &client);
  const hyperlink::HoverStep step = hyperlink::TrackHover(hover_, PtInRect(&client, at) != FALSE);
  hover_ = step.hover;
  if (step.release) ReleaseCapture();
  if (step.redraw) Redraw();
  if (step.capture) ::SetCapture(self);
}

// Another window took the mouse (a menu, a message box): the link no longer
// learns when the mouse leaves it, so it leaves the hover look now.
void HyperLink::OnCaptureChanged(HWND gaining) {
  if (hover_ && gaining != hwnd()) {
    hover_ = false;
    Redraw();
  }
}

bool HyperLink::OnSetCursor(HWND, UINT, UINT) {
  if (!cursor_) {
    SetMsgHandled(false);
    return false;
  }
  ::SetCursor(cursor_);
  return false;  // handled; the answer is 0
}

void HyperLink::OnClicked(int, int code, HWND) {
  if (code != STN_CLICKED) {
    SetMsgHandled(false);
    return;
  }
  if (opener_(target_, SW_SHOW) < 32) MessageBeep(MB_ICONEXCLAMATION);
}
