#include "controls/subclass_win.h"

namespace {
const char kObjectProperty[] = "Ticora.Subclass";
}

SubclassedControl::~SubclassedControl() { Detach(); }

bool SubclassedControl::Attach(HWND hwnd) {
  if (!hwnd || hwnd_) return false;
  if (!SetPropA(hwnd, kObjectProperty, reinterpret_cast<HANDLE>(this))) return false;
  hwnd_ = hwnd;
  SetLastError(0);
  LONG_PTR old = SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassedControl::Proc));
  if (!old && GetLastError() != 0) {
    RemovePropA(hwnd, kObjectProperty);
    hwnd_ = nullptr;
    return false;
  }
  previous_ = reinterpret_cast<WNDPROC>(old);
  return true;
}

void SubclassedControl::Detach() {
  if (!hwnd_) return;
  if (IsWindow(hwnd_)) {
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd_, GWLP_WNDPROC)) == &SubclassedControl::Proc)
      SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    RemovePropA(hwnd_, kObjectProperty);
  }
  hwnd_ = nullptr;
}

LRESULT SubclassedControl::CallPrevious(UINT msg, WPARAM w, LPARAM l) {
  if (!previous_) return DefWindowProcA(hwnd_, msg, w, l);
  return CallWindowProcA(previous_, hwnd_, msg, w, l);
}

LRESULT CALLBACK SubclassedControl::Proc(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
  auto* self = reinterpret_cast<SubclassedControl*>(GetPropA(hwnd, kObjectProperty));
  if (!self) return DefWindowProcA(hwnd, msg, w, l);
  if (msg == WM_NCDESTROY) {
    LRESULT r = self->CallPrevious(msg, w, l);
    self->Detach();
    self->OnDetached();
    return r;
  }
  LRESULT result = 0;
  bool gone = false;
  if (self->DispatchMessageMap(hwnd, msg, w, l, result, gone)) return result;
  if (IsReflectedMessage(msg)) return DefWindowProcA(hwnd, msg - kReflectOffset, w, l);
  if (gone) return DefWindowProcA(hwnd, msg, w, l);
  return self->CallPrevious(msg, w, l);
}

LRESULT SubclassedControl::ForwardToPrevious() {
  const MessageFrame* m = CurrentMessage();
  return m ? CallPrevious(m->msg, m->wParam, m->lParam) : 0;
}
