#include "base/local_time_win.h"

#include <windows.h>

static_assert(sizeof(LocalTime) == sizeof(SYSTEMTIME), "LocalTime must match SYSTEMTIME");

LocalTime SystemTimeSource::Now() {
  SYSTEMTIME st;
  GetLocalTime(&st);
  LocalTime t;
  t.wYear = st.wYear;
  t.wMonth = st.wMonth;
  t.wDayOfWeek = st.wDayOfWeek;
  t.wDay = st.wDay;
  t.wHour = st.wHour;
  t.wMinute = st.wMinute;
  t.wSecond = st.wSecond;
  t.wMilliseconds = st.wMilliseconds;
  return t;
}
