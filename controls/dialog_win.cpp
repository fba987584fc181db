#include "controls/dialog_win.h"

#include "base/dialog_placement.h"
#include "controls/module_win.h"

Dialog::~Dialog() {
  if (hwnd_ && IsWindow(hwnd_)) {
    HWND h = hwnd_;
    SetWindowLongPtrA(h, DWLP_USER, 0);
    hwnd_ = nullptr;
    if (!modal_) DestroyWindow(h);
  }
}

INT_PTR Dialog::DoModal(HWND owner, int templateId) {
  modal_ = true;
  return DialogBoxParamA(module::Instance(), MAKEINTRESOURCEA(templateId), owner, &Dialog::Proc,
                         reinterpret_cast<LPARAM>(this));
}

HWND Dialog::CreateModeless(HWND owner, int templateId) {
  modal_ = false;
  return CreateDialogParamA(module::Instance(), MAKEINTRESOURCEA(templateId), owner, &Dialog::Proc,
                            reinterpret_cast<LPARAM>(this));
}

void Dialog::End(INT_PTR result) {
  if (!hwnd_) return;
  if (modal_)
    EndDialog(hwnd_, result);
  else
    DestroyWindow(hwnd_);
}

void Dialog::SetIcons(HICON large, HICON small) {
  SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(large));
  SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

void PlaceDialogFrom(HWND dialog, const RECT& reference) {
  RECT self{}, work{};
  GetWindowRect(dialog, &self);
  if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0)) work = DesktopRect();
  const PlacementPoint at =
      PlaceDialog({reference.left, reference.top, reference.right, reference.bottom}, self.right - self.left,
                  self.bottom - self.top, {work.left, work.top, work.right, work.bottom});
  SetWindowPos(dialog, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT DesktopRect() {
  RECT desktop{};
  GetWindowRect(GetDesktopWindow(), &desktop);
  return desktop;
}

bool ReflectNotification(HWND dialog, UINT msg, WPARAM w, LPARAM l, LRESULT& result) {
  if (!IsReflectableMessage(msg)) return false;
  HWND child = nullptr;
  switch (IsControlColorMessage(msg) ? WM_COMMAND : msg) {
    case WM_DRAWITEM: {
      auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(l);
      if (dis && dis->CtlType != ODT_MENU) child = dis->hwndItem;
      break;
    }
    case WM_MEASUREITEM:
    case WM_COMPAREITEM:
    case WM_DELETEITEM:
      if (w != 0) child = GetDlgItem(dialog, static_cast<int>(w));
      break;
    case WM_NOTIFY: {
      auto* hdr = reinterpret_cast<NMHDR*>(l);
      if (hdr) child = hdr->hwndFrom;
      break;
    }
    case WM_COMMAND:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_HSCROLL:
    case WM_VSCROLL:
      // and every WM_CTLCOLOR* message: the control is in lParam.
      child = reinterpret_cast<HWND>(l);
      break;
    case WM_PARENTNOTIFY:
      if (LOWORD(w) == WM_CREATE || LOWORD(w) == WM_DESTROY)
        child = reinterpret_cast<HWND>(l);
      else
        child = GetDlgItem(dialog, HIWORD(w));
      break;
    default:
      return false;
  }
  if (!child || child == dialog || !IsWindow(child)) return false;
  result = SendMessageA(child, msg + kReflectOffset, w, l);
  return true;
}

INT_PTR DialogAnswer(HWND dialog, UINT msg, LRESULT result) {
  if (IsControlColorMessage(msg)) return static_cast<INT_PTR>(result);
  switch (msg) {
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG:
      return static_cast<INT_PTR>(result);
    default:
      SetWindowLongPtrA(dialog, DWLP_MSGRESULT, result);
      return TRUE;
  }
}

INT_PTR CALLBACK Dialog::Proc(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
  Dialog* self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  if (!self) {
    if (msg != WM_INITDIALOG || !l) return FALSE;
    self = reinterpret_cast<Dialog*>(l);
    {
      module::Lock guard;  // the hand-over of the object to its window
      self->hwnd_ = hwnd;
      SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    }
  }
  LRESULT result = (msg == WM_INITDIALOG) ? TRUE : 0;
  INT_PTR answer = FALSE;
  bool gone = false;
  if (self->DispatchMessageMap(hwnd, msg, w, l, result, gone)) {
    answer = DialogAnswer(hwnd, msg, result);
  } else if (ReflectNotification(hwnd, msg, w, l, result)) {
    answer = DialogAnswer(hwnd, msg, result);
  } else if (msg == WM_INITDIALOG) {
    answer = TRUE;  // default focus
  }
  if (msg == WM_NCDESTROY && !gone) {
    SetWindowLongPtrA(hwnd, DWLP_USER, 0);
    self->hwnd_ = nullptr;
    self->OnFinalMessage();
  }
  return answer;
}

namespace {

BOOL CALLBACK FindInnermostDialog(HWND window, LPARAM found) {
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  if (lstrcmpA(className, "#32770") == 0 && IsWindowVisible(window) && IsWindowEnabled(window)) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND InnermostDialog() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), &FindInnermostDialog, reinterpret_cast<LPARAM>(&found));
  return found;
}
