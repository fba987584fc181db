// A clock for tests: the time source hands out whatever moment the test set.
#pragma once
#include <cstdint>

#include "base/local_time.h"

class FixedTime : public TimeSource {
 public:
  // Starts on Tuesday 8 December 2026 at midnight.
  FixedTime() { SetDate(2026, 12, 8, 2); }
  LocalTime Now() override { return now; }
  void Set(int hour, int minute, int second) {
    now.wHour = static_cast<uint16_t>(hour);
    now.wMinute = static_cast<uint16_t>(minute);
    now.wSecond = static_cast<uint16_t>(second);
  }
  // A day of December 2026 and its weekday, and the time.
  void Set(int day, int weekday, int hour, int minute, int second) {
    SetDate(2026, 12, day, weekday);
    Set(hour, minute, second);
  }
  // weekday: 0 Sunday ... 6 Saturday.
  void SetDate(int year, int month, int day, int weekday) {
    now.wYear = static_cast<uint16_t>(year);
    now.wMonth = static_cast<uint16_t>(month);
    now.wDay = static_cast<uint16_t>(day);
    now.wDayOfWeek = static_cast<uint16_t>(weekday);
  }

  LocalTime now{};
};
