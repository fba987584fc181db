// Visual checks: draws an open restart countdown, one second in, into a BMP
// file for a person to look at: the dialog's background and picture as it
// prints its client area, the statics' texts in their colours and the flat
// buttons through the dialog's owner-draw path. The countdown shows the
// picture given (placed beside this program as "warning.bmp" for the run).
// Nothing is shut down: the countdown's actions only record.
// Usage: countdown_shot OUT.bmp [PICTURE.bmp]
#include <windows.h>

#include <cstdio>

#include "base/program_path.h"
#include "reminders/shutdown_countdown_win.h"
#include "resources/countdown_ids.h"
#include "tests/support/dib_surface.h"

namespace {

BOOL NoShutdown(BOOL, BOOL) { return TRUE; }

void DrawControls(HWND dlg, DibSurface& s) {
  HGDIOBJ oldFont = SelectObject(s.dc(), reinterpret_cast<HGDIOBJ>(SendMessageA(dlg, WM_GETFONT, 0, 0)));
  for (HWND child = GetWindow(dlg, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child) || GetDlgCtrlID(child) == IDC_COUNTDOWN_PICTURE) continue;
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&r), 2);
    char cls[32] = {};
    GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "Static") == 0) {
      char text[256] = {};
      GetWindowTextA(child, text, sizeof text);
      SendMessageA(dlg, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(s.dc()), reinterpret_cast<LPARAM>(child));
      DrawTextA(s.dc(), text, -1, &r, DT_CENTER | DT_SINGLELINE);
    } else {
      DRAWITEMSTRUCT dis{};
      dis.CtlType = ODT_BUTTON;
      dis.CtlID = static_cast<UINT>(GetDlgCtrlID(child));
      dis.itemAction = ODA_DRAWENTIRE;
      dis.hwndItem = child;
      dis.hDC = s.dc();
      dis.rcItem = r;
      SendMessageA(dlg, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
    }
  }
  SelectObject(s.dc(), oldFont);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: countdown_shot OUT.bmp [PICTURE.bmp]\n");
    return 2;
  }
  char picture[kProgramPathSize];
  ProgramPath("warning.bmp", picture);
  const bool placed = argc == 3 && CopyFileA(argv[2], picture, TRUE);
  if (argc == 3 && !placed) std::fprintf(stderr, "countdown_shot: the picture %s is not used\n", argv[2]);

  CountdownActions actions;
  actions.shutDown = &NoShutdown;
  ShutdownCountdownDialog countdown(actions, nullptr);
  const bool started = countdown.Start(nullptr, true, true, 30);
  if (placed) DeleteFileA(picture);
  if (!started) {
    std::fprintf(stderr, "countdown_shot: the countdown's window could not be created\n");
    return 1;
  }
  HWND dlg = countdown.hwnd();
  KillTimer(dlg, kCountdownTimerId);
  SendMessageA(dlg, WM_TIMER, kCountdownTimerId, 0);
  RECT client{};
  GetClientRect(dlg, &client);
  DibSurface s(client.right, client.bottom, RGB(0, 0, 0));
  SendMessageA(dlg, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(s.dc()), PRF_CLIENT);
  DrawControls(dlg, s);
  countdown.Close();
  if (!s.Save(argv[1])) {
    std::fprintf(stderr, "countdown_shot: cannot write %s\n", argv[1]);
    return 1;
  }
  std::printf("countdown_shot: wrote %s\n", argv[1]);
  return 0;
}
