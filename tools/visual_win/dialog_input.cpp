// Visual checks: sets the text of a control in an open dialog, or clicks one
// of its buttons, from outside the program, as a user's typing or click
// would, so that a screenshot can show what the dialog answers.
// Usage: dialog_input CAPTION ID TEXT | dialog_input CAPTION click ID
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: dialog_input CAPTION ID TEXT | dialog_input CAPTION click ID\n");
    return 2;
  }
  HWND dialog = FindWindowA("#32770", argv[1]);
  if (!dialog) {
    std::fprintf(stderr, "dialog_input: no dialog named %s\n", argv[1]);
    return 1;
  }
  if (std::strcmp(argv[2], "click") == 0) {
    HWND button = GetDlgItem(dialog, std::atoi(argv[3]));
    return button && PostMessageA(button, BM_CLICK, 0, 0) ? 0 : 1;
  }
  HWND control = GetDlgItem(dialog, std::atoi(argv[2]));
  return control && SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[3])) ? 0 : 1;
}
