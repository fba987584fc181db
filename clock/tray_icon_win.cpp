#include "clock/tray_icon_win.h"

#include <cstring>

#include "base/gbk_text.h"
#include "clock/formatters.h"
#include "resources/menu_ids.h"

namespace {

// The version record of DllGetVersion, declared here so that no header of a
// later shell is needed.
struct ShellVersionInfo {
  DWORD cbSize;
  DWORD dwMajorVersion;
  DWORD dwMinorVersion;
  DWORD dwBuildNumber;
  DWORD dwPlatformID;
};
using DllGetVersionFn = HRESULT(CALLBACK*)(ShellVersionInfo*);

}  // namespace

int SystemShellVersion() {
  static int version = 0;
  if (version) return version;
  version = 4;
  HMODULE shell = GetModuleHandleA("shell32.dll");
  FARPROC proc = shell ? GetProcAddress(shell, "DllGetVersion") : nullptr;
  if (proc) {
    ShellVersionInfo info{};
    info.cbSize = sizeof info;
    if (SUCCEEDED(reinterpret_cast<DllGetVersionFn>(reinterpret_cast<void*>(proc))(&info)) && info.dwMajorVersion > 0)
      version = static_cast<int>(info.dwMajorVersion);
  }
  return version;
}

DWORD TrayRecordSizeFor(int shellVersion) {
  return shellVersion >= kBalloonShellVersion ? kTrayRecordSize : kOldTrayRecordSize;
}

int TrayIcon::ShellVersion() {
  if (shellVersion_ <= 0) shellVersion_ = SystemShellVersion();
  return shellVersion_;
}

bool TrayIcon::HasBalloons() { return ShellVersion() >= kBalloonShellVersion; }

void TrayIcon::SetTip(const LocalTime& now) {
  // The tooltip field holds 128 bytes: at most 127 characters and the
  // terminator; an older shell reads only 64 of them (the date fits).
  FormatDate(data_.szTip, sizeof data_.szTip, now);
  tipDate_ = now;
}

bool TrayIcon::ShowsDateOf(const LocalTime& now) const {
  return tipDate_.wYear == now.wYear && tipDate_.wMonth == now.wMonth && tipDate_.wDay == now.wDay;
}

bool TrayIcon::ShowBalloon(const char* title, const char* text, UINT timeoutMs) {
  if (!added_ || !HasBalloons()) return false;
  data_.uFlags = NIF_INFO;
  gbk::CopyText(data_.szInfoTitle, sizeof data_.szInfoTitle, title);
  gbk::CopyText(data_.szInfo, sizeof data_.szInfo, text);
  data_.uTimeout = timeoutMs;
  data_.dwInfoFlags = NIIF_INFO;
  const bool shown = notify_(NIM_MODIFY, &data_) != FALSE;
  // Later changes of the tooltip must not show the balloon again.
  data_.szInfo[0] = '\0';
  data_.szInfoTitle[0] = '\0';
  return shown;
}

void TrayIcon::Add(HWND owner, HICON icon, UINT callbackMessage, const LocalTime& now) {
  memset(&data_, 0, sizeof data_);
  data_.cbSize = TrayRecordSizeFor(ShellVersion());
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
