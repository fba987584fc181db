// The time the time correction sets: the moment of confirmation with the
// picked date, and the picked time of day only when its box is ticked.
#include <gtest/gtest.h>

#include "dialogs/time_correction.h"

namespace {

// Year, month, day of week, day, hour, minute, second, milliseconds.
LocalTime At(uint16_t y, uint16_t mo, uint16_t dow, uint16_t d, uint16_t h, uint16_t mi, uint16_t s, uint16_t ms) {
  return LocalTime{y, mo, dow, d, h, mi, s, ms};
}

bool Same(const LocalTime& a, const LocalTime& b) {
  return a.wYear == b.wYear && a.wMonth == b.wMonth && a.wDayOfWeek == b.wDayOfWeek && a.wDay == b.wDay &&
         a.wHour == b.wHour && a.wMinute == b.wMinute && a.wSecond == b.wSecond &&
         a.wMilliseconds == b.wMilliseconds;
}

TEST(TimeCorrection, NewTimeComposition) {
  const LocalTime now = At(2026, 12, 9, 9, 10, 20, 30, 400);
  // Picker values: the date picker also carries a time of day, the time
  // picker a date; only the right halves may count.
  const LocalTime date = At(2027, 3, 1, 15, 1, 2, 3, 4);
  const LocalTime time = At(1999, 1, 5, 1, 23, 45, 6, 7);
  struct Case {
    bool changed, dateChanged, timeEnabled;
    LocalTime expected;
  } cases[] = {
      {false, false, false, now},
      {false, false, true, now},  // the box alone changes nothing
      {true, true, false, At(2027, 3, 1, 15, 10, 20, 30, 400)},
      {true, true, true, At(2027, 3, 1, 15, 23, 45, 6, 7)},
      // Only the time picker changed: today's date at OK, not the date the
      // picker was opened on (yesterday, after midnight).
      {true, false, true, At(2026, 12, 9, 9, 23, 45, 6, 7)},
      {true, false, false, now},
  };
  for (const Case& c : cases) {
    PickedTime picked;
    picked.changed = c.changed;
    picked.dateChanged = c.dateChanged;
    picked.timeEnabled = c.timeEnabled;
    picked.date = date;
    picked.time = time;
    EXPECT_TRUE(Same(c.expected, ComposeNewTime(now, picked))) << c.changed << c.dateChanged << c.timeEnabled;
  }
}

}  // namespace
