#include "dialogs/time_correction.h"

LocalTime ComposeNewTime(const LocalTime& now, const PickedTime& picked) {
  LocalTime result = now;
  if (!picked.changed) return result;
  if (picked.dateChanged) {
    result.wYear = picked.date.wYear;
    result.wMonth = picked.date.wMonth;
    result.wDayOfWeek = picked.date.wDayOfWeek;
    result.wDay = picked.date.wDay;
  }
  if (picked.timeEnabled) {
    result.wHour = picked.time.wHour;
    result.wMinute = picked.time.wMinute;
    result.wSecond = picked.time.wSecond;
    result.wMilliseconds = picked.time.wMilliseconds;
  }
  return result;
}
