// Local date and time as the clock sees it, and the seam through which it reads it.
#pragma once
#include <cstdint>

// Same fields and layout as the platform's SYSTEMTIME (eight 16-bit values).
struct LocalTime {
  uint16_t wYear = 0;
  uint16_t wMonth = 0;
  uint16_t wDayOfWeek = 0;  // 0 = Sunday ... 6 = Saturday
  uint16_t wDay = 0;
  uint16_t wHour = 0;
  uint16_t wMinute = 0;
  uint16_t wSecond = 0;
  uint16_t wMilliseconds = 0;
};
static_assert(sizeof(LocalTime) == 16, "LocalTime must match SYSTEMTIME");

// Where the clock takes "now" from. The program reads the system's local time;
// tests feed any moment.
class TimeSource {
 public:
  virtual ~TimeSource() = default;
  virtual LocalTime Now() = 0;
};
