#include "dialogs/time_correction_dialog_win.h"

#include <commctrl.h>

#include "clock/formatters.h"
#include "clock/program_resources_win.h"
#include "clock/runtime_bound_win.h"
#include "controls/date_time_picker_win.h"
#include "controls/dpi_win.h"
#include "resources/time_correction_dialog_ids.h"

namespace {

const char kCannotSetTime[] = "无法完成操作，请下载Ticora的完整模块或检查是否有此权限!";
constexpr int kHeaderImage = 7;

LocalTime PickerTime(HWND dialog, int id) {
  LocalTime t;
  DateTimePicker(GetDlgItem(dialog, id)).GetTime(&t);
  return t;
}

}  // namespace

TimeCorrectionDialog::TimeCorrectionDialog(TimeSource* time) : time_(time ? time : &systemTime_) {
  OnMessage<WM_INITDIALOG>(&TimeCorrectionDialog::OnInitDialog);
  OnMessage<WM_TIMER>(&TimeCorrectionDialog::OnTimer);
  OnMessage<WM_PAINT>(&TimeCorrectionDialog::OnPaint);
  OnNotify(IDC_NEW_DATE, DTN_DATETIMECHANGE, &TimeCorrectionDialog::OnDateChanged);
  OnNotify(IDC_NEW_TIME, DTN_DATETIMECHANGE, &TimeCorrectionDialog::OnPickerChanged);
  OnCommand(IDC_CORRECT_TIME, BN_CLICKED, &TimeCorrectionDialog::OnCorrectTime);
  OnCommand(IDOK, &TimeCorrectionDialog::OnClose);
  OnCommand(IDCANCEL, &TimeCorrectionDialog::OnClose);
}

INT_PTR TimeCorrectionDialog::Run(HWND owner) { return DoModal(owner, IDD_TIME_CORRECTION); }

bool TimeCorrectionDialog::OnInitDialog(HWND) {
  HWND dlg = hwnd();
  InitLook(DesktopRect(), ProgramIcon());
  newTime_ = time_->Now();
  ShowNow();
  DateTimePicker date(GetDlgItem(dlg, IDC_NEW_DATE));
  date.SetTime(newTime_);
  ApplyCalendarPalette(date);
  DateTimePicker(GetDlgItem(dlg, IDC_NEW_TIME)).SetTime(newTime_);
  picked_ = PickedTime();
  CheckDlgButton(dlg, IDC_CORRECT_TIME, BST_UNCHECKED);
  EnableWindow(GetDlgItem(dlg, IDC_NEW_TIME), FALSE);
  timerRunning_ = SetTimer(dlg, kTimeCorrectionTimerId, 1000, nullptr) != 0;
  return true;
}

void TimeCorrectionDialog::ShowNow() {
  const LocalTime now = time_->Now();
  char text[64];
  FormatDate(text, sizeof text, now);
  SetDlgItemTextA(hwnd(), IDC_CURRENT_DATE, text);
  FormatClockTime(text, sizeof text, now);
  SetDlgItemTextA(hwnd(), IDC_CURRENT_TIME, text);
}

void TimeCorrectionDialog::OnTimer(UINT_PTR id) {
  if (id != kTimeCorrectionTimerId) {
    SetMsgHandled(false);
    return;
  }
  ShowNow();
}

void TimeCorrectionDialog::OnPaint() {
  PaintDC dc(hwnd());
  // Below the rule under the current time, at the dialog's DPI.
  DrawHeaderImage(dc.get(), kHeaderImage, ScaleToWindow(hwnd(), 20), ScaleToWindow(hwnd(), 70));
}

LRESULT TimeCorrectionDialog::OnPickerChanged(NMHDR&) {
  picked_.changed = true;
  return 0;
}

LRESULT TimeCorrectionDialog::OnDateChanged(NMHDR&) {
  picked_.changed = true;
  picked_.dateChanged = true;
  return 0;
}

void TimeCorrectionDialog::OnCorrectTime(int, int, HWND) {
  picked_.timeEnabled = IsDlgButtonChecked(hwnd(), IDC_CORRECT_TIME) == BST_CHECKED;
  EnableWindow(GetDlgItem(hwnd(), IDC_NEW_TIME), picked_.timeEnabled ? TRUE : FALSE);
}

void TimeCorrectionDialog::StopTimer() {
  if (timerRunning_) KillTimer(hwnd(), kTimeCorrectionTimerId);
  timerRunning_ = false;
}

void TimeCorrectionDialog::OnClose(int id, int, HWND) {
  StopTimer();
  if (id == IDOK) {
    if (picked_.changed) {
      if (picked_.dateChanged) picked_.date = PickerTime(hwnd(), IDC_NEW_DATE);
      if (picked_.timeEnabled) picked_.time = PickerTime(hwnd(), IDC_NEW_TIME);
    }
    newTime_ = ComposeNewTime(time_->Now(), picked_);
  }
  End(id);
}

INT_PTR RunTimeCorrection(ClockWindow& clock, HWND owner, const TimeCorrectionServices& services) {
  TimeCorrectionDialog dialog(services.time);
  const INT_PTR result = dialog.Run(owner);
  if (result != IDOK || !dialog.Changed()) return result;
  const SYSTEMTIME target = ToSystemTime(dialog.NewTime());
  const AdjustTimeFn adjust = services.adjust ? services.adjust : &CallAdjustSystemTime;
  if (adjust(&target)) {
    clock.UpdateTrayTip(dialog.NewTime());
  } else {
    MessageBoxA(clock.hwnd(), kCannotSetTime, kTicoraCaption, MB_OK | MB_ICONWARNING);
  }
  return result;
}
