// Visual checks: gives the running clock a menu command as its tray menu
// would (WM_COMMAND with the command's id), so that a screenshot can show the
// dialog the command opens without clicking through the menu.
// Usage: post_command ID
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

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: post_command ID\n");
    return 2;
  }
  HWND clock = nullptr;
  EnumWindows(&FindClock, reinterpret_cast<LPARAM>(&clock));
  if (!clock) {
    std::fprintf(stderr, "post_command: no clock window\n");
    return 1;
  }
  // The dialog becomes the foreground window, as after a menu choice.
  AllowSetForegroundWindow(ASFW_ANY);
  return PostMessageA(clock, WM_COMMAND, static_cast<WPARAM>(std::atoi(argv[1])), 0) ? 0 : 1;
}
