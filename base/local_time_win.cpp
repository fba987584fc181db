#include "base/local_time_win.h"

static_assert(sizeof(LocalTime) == sizeof(SYSTEMTIME), "LocalTime must match SYSTEMTIME");

LocalTime SystemTimeSource::Now() {
  SYSTEMTIME st;
  GetLocalTime(&st);
  return FromSystemTime(st);
}

LocalTime FromSystemTime(const SYSTEMTIME& st) {
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

SYSTEMTIME ToSystemTime(const LocalTime& t) {
  SYSTEMTIME st;
  st.wYear = t.wYear;
  st.wMonth = t.wMonth;
  st.wDayOfWeek = t.wDayOfWeek;
  st.wDay = t.wDay;
  st.wHour = t.wHour;
  st.wMinute = t.wMinute;
  st.wSecond = t.wSecond;
  st.wMilliseconds = t.wMilliseconds;
  return st;
}
