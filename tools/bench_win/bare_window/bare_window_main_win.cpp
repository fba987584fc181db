// The floor of a program's start for the start-up benchmark: a window class
// registered and one window shown, nothing else. Built with the same compiler,
// runtime and link options as the shipped programs. The benchmark may name
// system libraries on the command line; they are loaded first, which tells
// how much of a program's start is the loading of the libraries it imports.
#include <windows.h>

#include <cstring>

namespace {

LRESULT CALLBACK BareProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
  char names[512];
  lstrcpynA(names, commandLine ? commandLine : "", sizeof names);
  for (char* name = std::strtok(names, " "); name; name = std::strtok(nullptr, " "))
    if (!LoadLibraryA(name)) return 2;
  WNDCLASSA wc{};
  wc.lpfnWndProc = BareProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = "BareWindow";
  if (!RegisterClassA(&wc)) return 1;
  HWND hwnd = CreateWindowExA(WS_EX_TOOLWINDOW, "BareWindow", "", WS_POPUP, 100, 100, 200, 100, nullptr, nullptr,
                              instance, nullptr);
  if (!hwnd) return 1;
  ShowWindow(hwnd, showCommand);
  ShowWindow(hwnd, SW_SHOW);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}
