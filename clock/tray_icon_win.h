// The clock's icon in the notification area (its tooltip is today's date) and
// the loading of the tray menu.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include "base/local_time.h"
#include "controls/handles_win.h"

// The notification-icon record in its second-version size, which every shell
// from version 5 on (Windows 2000, Me and later) accepts with a 128-character
// tooltip and balloons; older shells get the first-version size (64-character
// tooltip, no balloons).
constexpr DWORD kTrayRecordSize = 488;
constexpr DWORD kOldTrayRecordSize = 88;
static_assert(NOTIFYICONDATAA_V2_SIZE == kTrayRecordSize, "second-version notification record");
static_assert(NOTIFYICONDATAA_V1_SIZE == kOldTrayRecordSize, "first-version notification record");

// The first shell version that shows balloons.
constexpr int kBalloonShellVersion = 5;
// The major version of the system's shell (DllGetVersion of shell32, bound at
// run time); 4 where the shell does not say.
int SystemShellVersion();
// The record size that shell version takes.
DWORD TrayRecordSizeFor(int shellVersion);

// The only icon id the clock uses.
constexpr UINT kTrayIconId = 0;

// The shell's notification function (Shell_NotifyIconA); tests hand in one
// that records the records passed.
using ShellNotifyFn = BOOL(WINAPI*)(DWORD message, PNOTIFYICONDATAA data);

class TrayIcon {
 public:
  // notify: where the records go; null for the shell itself.
  // shellVersion: the shell's major version, 0 to ask the system.
  explicit TrayIcon(ShellNotifyFn notify = nullptr, int shellVersion = 0)
      : notify_(notify ? notify : &Shell_NotifyIconA), shellVersion_(shellVersion) {}

  // Adds the icon for owner with the date of now as tooltip (also used to add
  // it again after the shell restarted).
  void Add(HWND owner, HICON icon, UINT callbackMessage, const LocalTime& now);
  // Rewrites only the tooltip, with the date of now.
  void UpdateTip(const LocalTime& now);
  // Removes the icon if it was added.
  void Remove();
  // Shows title and text as an information balloon from the icon for about
  // timeoutMs (the system bounds it), the texts cut to 63 and 255 bytes
  // without splitting a character. False, and nothing sent, where the shell
  // has no balloons or the icon was not added.
  bool ShowBalloon(const char* title, const char* text, UINT timeoutMs);
  // Whether the tooltip shows the date of now already.
  bool ShowsDateOf(const LocalTime& now) const;
  bool HasBalloons();

  bool Added() const { return added_; }
  const NOTIFYICONDATAA& Record() const { return data_; }

 private:
  void SetTip(const LocalTime& now);
  int ShellVersion();
  ShellNotifyFn notify_;
  int shellVersion_;
  LocalTime tipDate_{};
  NOTIFYICONDATAA data_{};
  bool added_ = false;
};

// Loads the tray menu (resource 201) from module with its first item saying
// "hide" while the clock is visible and "show" while it is hidden. The menu's
// first popup is returned through popup; null menu when the resource or its
// popup is missing.
Menu LoadTrayMenu(HINSTANCE module, bool clockVisible, HMENU* popup);
