// Visual checks: shows Belvane's editor on the screen with a theme opened
// (the file dialog answered with THEME), with "save PATH" saving to PATH (a
// folder too deep shows the message about it), or with "about" Belvane's About
// box, for a screenshot; it stays until its process is ended.
// Usage: belvane_shot THEME.ini | belvane_shot save PATH | belvane_shot about
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "controls/module_win.h"
#include "dialogs/about_dialog_win.h"
#include "resources/about_dialog_ids.h"
#include "resources/belvane_ids.h"
#include "themeedit/theme_editor_dialog_win.h"

namespace {

HWND g_editor = nullptr;
UINT g_command = IDC_OPEN_THEME;

BOOL CALLBACK FindEditor(HWND window, LPARAM) {
  if (GetDlgItem(window, IDC_HOUR_LIST)) {
    g_editor = window;
    return FALSE;
  }
  return TRUE;
}

void CALLBACK OpenTheme(HWND, UINT, UINT_PTR timer, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), &FindEditor, 0);
  if (!g_editor) return;
  KillTimer(nullptr, timer);
  // Under Wine a window wholly inside another of the program can stay black
  // on the X screen: for the save's message (centred on the screen, see
  // main) the editor moves aside.
  if (g_command == IDC_SAVE_THEME)
    SetWindowPos(g_editor, nullptr, 430, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  PostMessageA(g_editor, WM_COMMAND, g_command, 0);
}

}  // namespace

int main(int argc, char** argv) {
  const bool save = argc == 3 && std::strcmp(argv[1], "save") == 0;
  if (argc != 2 && !save) {
    std::fprintf(stderr, "usage: belvane_shot THEME.ini | belvane_shot save PATH | belvane_shot about\n");
    return 2;
  }
  module::Init(GetModuleHandleA(nullptr));
  if (std::strcmp(argv[1], "about") == 0) {
    ShowAboutDialog(nullptr, IDC_HAND_BELVANE, "about_belvane.bmp");
  } else {
    const char* theme = save ? argv[2] : argv[1];
    EditorServices services = StandardEditorServices();
    if (save) {
      g_command = IDC_SAVE_THEME;
      services.ask = [](HWND, const char* text, UINT type) { return MessageBoxA(nullptr, text, "整点声音主题", type); };
    }
    services.chooseFile = [theme](FileDialogUse, HWND, char* path) {
      lstrcpynA(path, theme, static_cast<int>(kEditorPathSize));
      return true;
    };
    SetTimer(nullptr, 0, 500, &OpenTheme);
    ThemeEditorDialog editor(services);
    editor.DoModal(nullptr, IDD_THEME_EDITOR);
  }
  module::Shutdown();
  return 0;
}
