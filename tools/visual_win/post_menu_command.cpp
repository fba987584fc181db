// Visual checks: chooses a command of the clock's menu without opening it.
// Finds the clock window at a screen point and posts it the command, as the
// menu does when the user picks an item.
// Usage: post_menu_command X Y COMMAND
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: post_menu_command X Y COMMAND\n");
    return 2;
  }
  POINT at{std::atoi(argv[1]), std::atoi(argv[2])};
  HWND window = WindowFromPoint(at);
  if (window) window = GetAncestor(window, GA_ROOT);
  if (!window) {
    std::fprintf(stderr, "post_menu_command: no window at %ld,%ld\n", at.x, at.y);
    return 1;
  }
  if (!PostMessageA(window, WM_COMMAND, static_cast<WPARAM>(std::atoi(argv[3])), 0)) return 1;
  std::printf("post_menu_command: posted to %p\n", static_cast<void*>(window));
  return 0;
}
