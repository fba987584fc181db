// The time correction dialog: the system date and time, live, and pickers
// for a new date and, when ticked, a new time. On confirmation the helper
// library sets the new time; the tray tooltip then shows the new date, or a
// warning says that it could not be set.
#pragma once
#include <windows.h>

#include "base/local_time_win.h"
#include "clock/clock_window_win.h"
#include "dialogs/dialog_look_win.h"
#include "dialogs/time_correction.h"

constexpr UINT_PTR kTimeCorrectionTimerId = 5;

// Sets the local time; non-zero on success (the helper library's call).
using AdjustTimeFn = BOOL (*)(const SYSTEMTIME* time);

struct TimeCorrectionServices {
  TimeSource* time = nullptr;     // the system's local time when null
  AdjustTimeFn adjust = nullptr;  // CallAdjustSystemTime when null
};

class TimeCorrectionDialog : public LookedDialog {
 public:
  explicit TimeCorrectionDialog(TimeSource* time = nullptr);

  // Runs the dialog (template 207) modally; IDOK or IDCANCEL.
  INT_PTR Run(HWND owner);

  // After IDOK: whether a picker changed, and the time to set then.
  bool Changed() const { return picked_.changed; }
  const LocalTime& NewTime() const { return newTime_; }

 private:
  bool OnInitDialog(HWND focus);
  void OnTimer(UINT_PTR id);
  void OnPaint();
  LRESULT OnPickerChanged(NMHDR& header);
  LRESULT OnDateChanged(NMHDR& header);
  void OnCorrectTime(int id, int code, HWND control);
  void OnClose(int id, int code, HWND control);
  void ShowNow();
  void StopTimer();

  TimeSource* time_;
  SystemTimeSource systemTime_;
  LocalTime newTime_{};
  PickedTime picked_;
  bool timerRunning_ = false;
};

// The menu command: runs the dialog owned by owner and, after a confirmation
// with a changed picker, sets the time and updates the clock's tooltip, or
// warns (message box owned by the clock). Returns the dialog's result.
INT_PTR RunTimeCorrection(ClockWindow& clock, HWND owner,
                          const TimeCorrectionServices& services = TimeCorrectionServices());
