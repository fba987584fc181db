#include "controls/window_win.h"

#include "controls/module_win.h"

Window::~Window() {
  if (hwnd_ && IsWindow(hwnd_)) {
    HWND h = hwnd_;
    SetWindowLongPtrA(h, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    DestroyWindow(h);
  }
}

bool Window::CreateWindowFor(const ClassSpec& cls, DWORD exStyle, const char* text, DWORD style,
                             int x, int y, int width, int height, HWND parent, HMENU menu) {
  const char* className = nullptr;
  if (!module::RegisterClassOnce(cls.kind, cls.style, cls.cursor, cls.background, &Window::Proc,
                                 &className))
    return false;
  module::SetPendingObject(this);
  HWND h = CreateWindowExA(exStyle, className, text, style, x, y, width, height, parent, menu,
                           module::Instance(), nullptr);
  // If creation failed before the first message, nobody took the hand-over entry.
  module::TakePendingObject();
  return h != nullptr && hwnd_ == h;
}

LRESULT Window::DefaultProc(UINT msg, WPARAM w, LPARAM l) { return DefWindowProcA(hwnd_, msg, w, l); }

LRESULT CALLBACK Window::Proc(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
  Window* self = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!self) {
    self = static_cast<Window*>(module::TakePendingObject());
    if (!self) return DefWindowProcA(hwnd, msg, w, l);
    self->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  LRESULT result = 0;
  bool gone = false;
  if (!self->DispatchMessageMap(hwnd, msg, w, l, result, gone)) {
    result = gone ? DefWindowProcA(hwnd, msg, w, l) : self->DefaultProc(msg, w, l);
  }
  if (msg == WM_NCDESTROY && !gone) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    self->OnFinalMessage();
  }
  return result;
}
