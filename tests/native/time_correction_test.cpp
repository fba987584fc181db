// The time the time correction sets: the moment of confirmation with the
// picked date, and the picked time of day only when its box is ticked.
#include <gtest/gtest.h>

#include "dialogs/time_correction.h"

namespace {

LocalTime At(int y, int mo, int dow, int d, int h, int mi, int s, int ms) {
  LocalTime t;
  t.wYear = static_cast<uint16_t>(y);
  t.wMonth = static_cast<uint16_t>(mo);
  t.wDayOfWeek = static_cast<uint16_t>(dow);
  t.wDay = static_cast<uint16_t>(d);
  t.wHour = static_cast<uint16_t>(h);
  t.wMinute = static_cast<uint16_t>(mi);
  t.wSecond = static_cast<uint16_t>(s);
  t.wMilliseconds = static_cast<uint16_t>(ms);
  return t;
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
    bool changed, timeEnabled;
    LocalTime expected;
  } cases[] = {
      {false, false, now},
      {false, true, now},  // the box alone changes nothing
      {true, false, At(2027, 3, 1, 15, 10, 20, 30, 400)},
      {true, true, At(2027, 3, 1, 15, 23, 45, 6, 7)},
  };
  for (const Case& c : cases) {
    PickedTime picked;
    picked.changed = c.changed;
    picked.timeEnabled = c.timeEnabled;
    picked.date = date;
    picked.time = time;
    EXPECT_TRUE(Same(c.expected, ComposeNewTime(now, picked))) << c.changed << c.timeEnabled;
  }
}

}  // namespace
