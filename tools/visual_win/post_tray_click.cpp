// Visual checks: acts as the notification area would when the user clicks the
// clock's icon. Finds the clock window at a screen point and posts it the
// icon's callback message with a right-button release (or a left one with
// "left"), so that a screenshot can show the menu without a shell tray.
// Usage: post_tray_click X Y [left]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "clock/clock_window_win.h"
#include "clock/tray_icon_win.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: post_tray_click X Y [left]\n");
    return 2;
  }
  POINT at{std::atoi(argv[1]), std::atoi(argv[2])};
  const UINT button = (argc > 3 && std::strcmp(argv[3], "left") == 0) ? WM_LBUTTONUP : WM_RBUTTONUP;
  HWND window = WindowFromPoint(at);
  if (window) window = GetAncestor(window, GA_ROOT);
  if (!window) {
    std::fprintf(stderr, "post_tray_click: no window at %ld,%ld\n", at.x, at.y);
    return 1;
  }
  // The menu opens where the cursor is, as after a real click on the icon.
  SetCursorPos(at.x, at.y);
  if (!PostMessageA(window, WM_TRAYNOTIFY, kTrayIconId, button)) return 1;
  std::printf("post_tray_click: posted to %p\n", static_cast<void*>(window));
  return 0;
}
