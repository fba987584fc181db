// Visual checks: shows the perpetual calendar on the screen for a
// screenshot, on the given day, for a few seconds, then ends.
// Usage: calendar_shot YYYY-MM-DD [seconds]
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>

#include "controls/module_win.h"
#include "dialogs/calendar_dialog_win.h"

int main(int argc, char** argv) {
  calendar::Date day{2024, 2, 10};
  if (argc >= 2 && std::sscanf(argv[1], "%d-%d-%d", &day.year, &day.month, &day.day) != 3) {
    std::fprintf(stderr, "usage: calendar_shot YYYY-MM-DD [seconds]\n");
    return 2;
  }
  const int seconds = argc >= 3 ? std::atoi(argv[2]) : 8;
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_DATE_CLASSES};
  InitCommonControlsEx(&icc);
  module::Init(GetModuleHandleA(nullptr));
  {
    CalendarDialog calendar;
    if (!calendar.Open(nullptr)) return 1;
    calendar.Select(day);
    SetTimer(nullptr, 0, static_cast<UINT>(seconds * 1000), nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0 && calendar.IsOpen()) {
      if (msg.message == WM_TIMER && !msg.hwnd) break;
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  module::Shutdown();
  return 0;
}
