// Visual checks: shows the perpetual calendar on the screen for a
// screenshot, on the given day, for a few seconds, then ends. With
// "reminders" it first loads the reminder file beside it ("Ticora.rmd"), whose
// days the calendar marks and to which "添加提醒..." adds.
// Usage: calendar_shot YYYY-MM-DD [seconds [reminders]]
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/program_path.h"
#include "reminders/program_reminders_win.h"

#include "controls/module_win.h"
#include "dialogs/calendar_dialog_win.h"

int main(int argc, char** argv) {
  calendar::Date day{2024, 2, 10};
  if (argc >= 2 && std::sscanf(argv[1], "%d-%d-%d", &day.year, &day.month, &day.day) != 3) {
    std::fprintf(stderr, "usage: calendar_shot YYYY-MM-DD [seconds [reminders]]\n");
    return 2;
  }
  const int seconds = argc >= 3 ? std::atoi(argv[2]) : 8;
  if (argc >= 4 && std::strcmp(argv[3], "reminders") == 0) {
    char path[kProgramPathSize];
    ProgramReminders().Load(ProgramPath("Ticora.rmd", path));
  }
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
