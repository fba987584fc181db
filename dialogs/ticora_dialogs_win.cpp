#include "dialogs/ticora_dialogs_win.h"

#include "controls/dialog_win.h"
#include "dialogs/about_dialog_win.h"
#include "dialogs/calendar_dialog_win.h"
#include "dialogs/clock_settings_dialog_win.h"
#include "dialogs/program_settings_dialog_win.h"
#include "dialogs/time_correction_dialog_win.h"
#include "resources/menu_ids.h"

namespace {

void BringOpenDialogForward() {
  if (HWND open = InnermostDialog()) SetForegroundWindow(open);
}

}  // namespace

TicoraDialogs::TicoraDialogs() = default;
TicoraDialogs::~TicoraDialogs() = default;

void TicoraDialogs::Open(int command, ClockWindow& clock, HWND owner) {
  if (command == IDM_CALENDAR && !busy_) {
    if (!calendar_) calendar_ = std::make_unique<CalendarDialog>();
    calendar_->Open(clock.hwnd() ? clock.hwnd() : owner);
    return;
  }
  if (busy_) {
    BringOpenDialogForward();
    return;
  }
  // The calendar adds reminders too: the list has one editor at a time.
  if (command == IDM_CLOCK_SETTINGS && calendar_ && calendar_->IsOpen()) {
    calendar_->BringForward();
    return;
  }
  busy_ = true;
  switch (command) {
    case IDM_CLOCK_SETTINGS:
      RunClockSettings(clock, owner);
      break;
    case IDM_PROGRAM_SETTINGS:
      RunProgramSettings(clock, owner);
      break;
    case IDM_TIME_CORRECTION:
      RunTimeCorrection(clock, owner);
      break;
    case IDM_ABOUT:
      ShowAboutDialog(owner, IDC_HAND_TICORA, "about_ticora.bmp");
      break;
    default:
      break;
  }
  busy_ = false;
}
