// The clock's icon in the notification area (its tooltip is today's date) and
// the loading of the tray menu.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include "base/local_time.h"
#include "controls/handles_win.h"

// The notification-icon record in its second-version size, which every shell
// from Windows 2000 on accepts with a 128-character tooltip.
constexpr DWORD kTrayRecordSize = 488;
static_assert(NOTIFYICONDATAA_V2_SIZE == kTrayRecordSize, "second-version notification record");

// The only icon id the clock uses.
constexpr UINT kTrayIconId = 0;

// The shell's notification function (Shell_NotifyIconA); tests hand in one
// that records the records passed.
using ShellNotifyFn = BOOL(WINAPI*)(DWORD message, PNOTIFYICONDATAA data);

class TrayIcon {
 public:
  // notify: where the records go; null for the shell itself.
  explicit TrayIcon(ShellNotifyFn notify = nullptr) : notify_(notify ? notify : &Shell_NotifyIconA) {}

  // Adds the icon for owner with the date of now as tooltip (also used to add
  // it again after the shell restarted).
  void Add(HWND owner, HICON icon, UINT callbackMessage, const LocalTime& now);
  // Rewrites only the tooltip, with the date of now.
  void UpdateTip(const LocalTime& now);
  // Removes the icon if it was added.
  void Remove();

  bool Added() const { return added_; }
  const NOTIFYICONDATAA& Record() const { return data_; }

 private:
  void SetTip(const LocalTime& now);
  ShellNotifyFn notify_;
  NOTIFYICONDATAA data_{};
  bool added_ = false;
};

// Loads the tray menu (resource 201) from module with its first item saying
// "hide" while the clock is visible and "show" while it is hidden. The menu's
// first popup is returned through popup; null menu when the resource or its
// popup is missing.
Menu LoadTrayMenu(HINSTANCE module, bool clockVisible, HMENU* popup);
