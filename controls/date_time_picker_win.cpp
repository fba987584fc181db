#include "controls/date_time_picker_win.h"

#include "base/local_time_win.h"

bool DateTimePicker::GetTime(LocalTime* time) const {
  SYSTEMTIME shown{};
  if (SendMessageA(hwnd_, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown)) != GDT_VALID) return false;
  *time = FromSystemTime(shown);
  return true;
}

void DateTimePicker::SetTime(const LocalTime& time) {
  const SYSTEMTIME shown = ToSystemTime(time);
  SendMessageA(hwnd_, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&shown));
}

void DateTimePicker::SetRange(const LocalTime& earliest, const LocalTime& latest) {
  const SYSTEMTIME range[2] = {ToSystemTime(earliest), ToSystemTime(latest)};
  SendMessageA(hwnd_, DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(range));
}
