// Visual checks: gives the running clock a menu command as its tray menu
// would (WM_COMMAND with the command's id), so that a screenshot can show the
// dialog the command opens without clicking through the menu. "cancel" ends
// the clock's open dialogs instead, as their Cancel buttons would.
// Usage: post_command ID | cancel
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The clock's window class is "Ticora.Clock.<process id>".
BOOL CALLBACK FindClock(HWND window, LPARAM found) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  if (std::strncmp(name, "Ticora.Clock.", 13) == 0 && IsWindowVisible(window)) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

// Posts Cancel to each visible dialog of the clock's thread.
BOOL CALLBACK CancelDialog(HWND window, LPARAM) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  if (std::strcmp(name, "#32770") == 0 && IsWindowVisible(window)) PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: post_command ID | cancel\n");
    return 2;
  }
  HWND clock = nullptr;
  EnumWindows(&FindClock, reinterpret_cast<LPARAM>(&clock));
  if (!clock) {
    std::fprintf(stderr, "post_command: no clock window\n");
    return 1;
  }
  if (std::strcmp(argv[1], "cancel") == 0) {
    EnumThreadWindows(GetWindowThreadProcessId(clock, nullptr), &CancelDialog, 0);
    return 0;
  }
  // The dialog becomes the foreground window, as after a menu choice.
  AllowSetForegroundWindow(ASFW_ANY);
  return PostMessageA(clock, WM_COMMAND, static_cast<WPARAM>(std::atoi(argv[1])), 0) ? 0 : 1;
}
