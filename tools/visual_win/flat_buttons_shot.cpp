// Visual checks: draws a flat button in each of its states side by side into
// a BMP file for a person to look at: idle, hovered, pressed, disabled and
// focused.
// Usage: flat_buttons_shot OUT.bmp
#include <windows.h>

#include <cstdio>

#include "tests/support/dib_surface.h"
#include "tests/support/flat_button_drawing.h"
#include "tests/wine/flat_button_dialog_ids.h"

namespace {

// Draws the states of the dialog's push button; false with a message when that fails.
bool DrawStates(FlatDialog& dialog, HWND dlg, const char* out) {
  HWND push = GetDlgItem(dlg, IDC_FLAT_PUSH);
  if (!dialog.Find(push)) {
    std::fprintf(stderr, "flat_buttons_shot: the dialog's push button did not become a flat button\n");
    return false;
  }
  // Another control holds the focus until the last picture.
  SetFocus(GetDlgItem(dlg, IDC_FLAT_CHECK));
  DibSurface s(5 * 90 + 10, 40, RGB(215, 241, 215));
  auto at = [](int i) { return RECT{10 + i * 90, 8, 10 + i * 90 + 80, 32}; };
  bool drawn = DrawThroughDialog(dlg, push, s, at(0), 0) == TRUE;
  SendMessageA(push, WM_MOUSEMOVE, 0, MousePoint(5, 5));
  drawn = DrawThroughDialog(dlg, push, s, at(1), 0) == TRUE && drawn;
  SendMessageA(push, WM_MOUSEMOVE, 0, MousePoint(500, 5));
  drawn = DrawThroughDialog(dlg, push, s, at(2), ODS_SELECTED) == TRUE && drawn;
  drawn = DrawThroughDialog(dlg, GetDlgItem(dlg, IDC_FLAT_DISABLED), s, at(3), ODS_DISABLED) == TRUE && drawn;
  SetFocus(push);
  drawn = DrawThroughDialog(dlg, push, s, at(4), ODS_FOCUS) == TRUE && drawn;
  if (GetCapture()) ReleaseCapture();
  if (!drawn) {
    std::fprintf(stderr, "flat_buttons_shot: the dialog did not draw every state\n");
    return false;
  }
  if (!s.Save(out)) {
    std::fprintf(stderr, "flat_buttons_shot: cannot write %s\n", out);
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: flat_buttons_shot OUT.bmp\n");
    return 2;
  }
  FlatDialog dialog;
  HWND dlg = dialog.CreateModeless(nullptr, IDD_FLAT_BUTTON_TEST);
  if (!dlg) {
    std::fprintf(stderr, "flat_buttons_shot: the dialog could not be opened\n");
    return 1;
  }
  ShowWindow(dlg, SW_SHOW);
  const bool ok = DrawStates(dialog, dlg, argv[1]);
  DestroyWindow(dlg);
  if (ok) std::printf("flat_buttons_shot: wrote %s\n", argv[1]);
  return ok ? 0 : 1;
}
