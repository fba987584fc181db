// Visual checks: shows Ticora's About box on the screen for a screenshot, with
// "hover" its web link under the mouse; it stays until its process is ended.
// Usage: about_shot [hover]
#include <windows.h>

#include <cstring>

#include "controls/module_win.h"
#include "dialogs/about_dialog_win.h"

namespace {

bool g_hover = false;

void CALLBACK Hover(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND about = GetActiveWindow();
  HWND link = about ? GetDlgItem(about, IDC_ABOUT_WEB_LINK) : nullptr;
  if (!link) return;
  KillTimer(nullptr, timer);
  if (g_hover) SendMessageA(link, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
}

}  // namespace

int main(int argc, char** argv) {
  g_hover = argc == 2 && std::strcmp(argv[1], "hover") == 0;
  module::Init(GetModuleHandleA(nullptr));
  // The visual check parks the real pointer first: a box that opens where
  // Wine still takes the pointer to be gets a mouse move at once.
  Sleep(2500);
  SetTimer(nullptr, 0, 700, &Hover);
  ShowAboutDialog(nullptr, IDC_HAND_TICORA, "about_ticora.bmp");
  module::Shutdown();
  return 0;
}
