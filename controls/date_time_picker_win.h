// A date-time picker: its value as a LocalTime, its range, and the colours of
// its drop-down month calendar. It names the control and does not own it.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "base/local_time.h"

class DateTimePicker {
 public:
  explicit DateTimePicker(HWND hwnd = nullptr) : hwnd_(hwnd) {}
  HWND hwnd() const { return hwnd_; }

  // The value shown; false, with time unchanged, when the picker holds none.
  bool GetTime(LocalTime* time) const;
  // Shows time. The picker sends no DTN_DATETIMECHANGE for it.
  void SetTime(const LocalTime& time);
  // The earliest and the latest value the picker takes; their times of day count too.
  void SetRange(const LocalTime& earliest, const LocalTime& latest);
  // A colour (MCSC_*) of the drop-down month calendar.
  void SetCalendarColour(int part, COLORREF colour) {
    SendMessageA(hwnd_, DTM_SETMCCOLOR, static_cast<WPARAM>(part), static_cast<LPARAM>(colour));
  }

 private:
  HWND hwnd_;
};
