#include "clock/formatters.h"


#include "base/gbk_text.h"
#include "base/text_format.h"

namespace {

// Weekday characters, Sunday first.
const char* const kWeekdayNames[7] = {"日", "一", "二", "三", "四", "五", "六"};

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2 && IsLeapYear(year)) return 29;
  return kDays[month - 1];
}

// Length of the text that fits after a bounded write of `wanted` bytes into
// `size` bytes, with a trailing lone GBK lead byte dropped so a cut never
// leaves half a character behind.
size_t FitText(char* buf, size_t size, int wanted) {
  if (size == 0 || wanted < 0) {
    if (size > 0) buf[0] = '\0';
    return 0;
  }
  size_t len = static_cast<size_t>(wanted);
  if (len < size) return len;  // everything fitted
  len = size - 1;
  // Walk the double-byte text from the start to see whether the last kept
  // byte begins a character whose second byte was cut off.
  size_t i = 0;
  while (i < len) {
    unsigned char c = static_cast<unsigned char>(buf[i]);
    if (gbk::IsLeadByte(c)) {
      if (i + 1 >= len) {
        len = i;
        break;
      }
      i += 2;
    } else {
      i += 1;
    }
  }
  buf[len] = '\0';
  return len;
}

}  // namespace

int WeekdayOfDate(int year, int month, int day) {
  if (year < 1 || month < 1 || month > 12 || day < 1 ||
      day > DaysInMonth(year, month)) {
    return -1;
  }
  // Sakamoto's method on the proleptic Gregorian calendar.
  static const int kOffsets[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  int y = month < 3 ? year - 1 : year;
  return (y + y / 4 - y / 100 + y / 400 + kOffsets[month - 1] + day) % 7;
}

size_t FormatClockTime(char* buf, size_t size, const LocalTime& time) {
  if (buf == nullptr || size == 0) return 0;
  int n = FormatText(buf, size, "%02d:%02d:%02d", time.wHour, time.wMinute,
                      time.wSecond);
  return FitText(buf, size, n);
}

size_t FormatDate(char* buf, size_t size, const LocalTime& time) {
  if (buf == nullptr || size == 0) return 0;
  int weekday = time.wDayOfWeek;
  if (weekday > 6) {
    weekday = WeekdayOfDate(time.wYear, time.wMonth, time.wDay);
    if (weekday < 0) weekday = time.wDayOfWeek % 7;
  }
  int n = FormatText(buf, size, "%4d年%2d月%2d日,星期%s", time.wYear,
                      time.wMonth, time.wDay, kWeekdayNames[weekday]);
  return FitText(buf, size, n);
}
