#include "clock/tray_icon_win.h"

#include <cstring>

#include "clock/formatters.h"
#include "resources/menu_ids.h"

void TrayIcon::SetTip(const LocalTime& now) {
  // The tooltip field holds 128 bytes: at most 127 characters and the terminator.
  FormatDate(data_.szTip, sizeof data_.szTip, now);
}

void TrayIcon::Add(HWND owner, HICON icon, UINT callbackMessage, const LocalTime& now) {
  memset(&data_, 0, sizeof data_);
  data_.cbSize = kTrayRecordSize;
  data_.hWnd = owner;
  data_.uID = kTrayIconId;
  data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data_.uCallbackMessage = callbackMessage;
  data_.hIcon = icon;
  SetTip(now);
  // A failed add is not treated as an error: the clock runs without icon.
  notify_(NIM_ADD, &data_);
  added_ = true;
}

void TrayIcon::UpdateTip(const LocalTime& now) {
  if (!added_) return;
  data_.uFlags = NIF_TIP;
  SetTip(now);
  notify_(NIM_MODIFY, &data_);
}

void TrayIcon::Remove() {
  if (!added_) return;
  data_.uFlags = 0;
  notify_(NIM_DELETE, &data_);
  added_ = false;
}

Menu LoadTrayMenu(HINSTANCE module, bool clockVisible, HMENU* popup) {
  *popup = nullptr;
  Menu menu(LoadMenuA(module, MAKEINTRESOURCEA(IDR_TRAY_MENU)));
  if (!menu) return menu;
  HMENU first = GetSubMenu(menu.get(), 0);
  if (!first) return Menu();
  const char* text = clockVisible ? "隐藏 Ticora\t(&I)" : "显示 Ticora\t(&W)";
  ModifyMenuA(first, 0, MF_BYPOSITION | MF_STRING, IDM_SHOW_HIDE, text);
  *popup = first;
  return menu;
}
