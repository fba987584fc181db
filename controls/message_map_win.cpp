#include "controls/message_map_win.h"

bool IsReflectableMessage(UINT msg) {
  if (IsControlColorMessage(msg)) return true;
  switch (msg) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
      return true;
    default:
      return false;
  }
}

bool MessageMap::Dispatch(UINT msg, WPARAM w, LPARAM l, LRESULT& result) const {
  for (const Entry& e : entries_) {
    if (e.msg != msg) continue;
    if (e.command) {
      if (LOWORD(w) != e.id) continue;
      if (e.command(HIWORD(w), reinterpret_cast<HWND>(l))) {
        result = 0;
        return true;
      }
    } else if (e.notify) {
      NMHDR* hdr = reinterpret_cast<NMHDR*>(l);
      if (!hdr || hdr->idFrom != e.id) continue;
      if (e.notify(hdr, result)) return true;
    } else if (e.handler(w, l, result)) {
      return true;
    }
  }
  return false;
}

bool MessageTarget::DispatchMessageMap(UINT msg, WPARAM w, LPARAM l, LRESULT& result) {
  try {
    return map_.Dispatch(msg, w, l, result);
  } catch (...) {
    return false;
  }
}
