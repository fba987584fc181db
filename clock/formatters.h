// Text forms of the clock's time and date, shared by the clock window, the
// tray tooltip and the time correction dialog.
#pragma once
#include <cstddef>

#include "base/local_time.h"

// Writes "HH:MM:SS" (each field two digits with a leading zero) into buf.
// Writes at most size bytes including the terminator; the text is cut when the
// buffer is too small and is always terminated when size > 0. Returns the
// number of bytes written before the terminator.
size_t FormatClockTime(char* buf, size_t size, const LocalTime& time);

// Writes the date as "%4d年%2d月%2d日,星期%s" in the ANSI code page (GBK),
// the last field being the weekday character 日 一 二 三 四 五 六 for
// Sunday ... Saturday. Bounded like FormatClockTime; a cut never leaves half
// of a double-byte character at the end. Returns the bytes written.
//
// A day-of-week above 6 (a record not filled by the system) is not trusted:
// the weekday is then computed from the date itself, or, for a date that is
// not a valid calendar date, taken as the field modulo 7.
size_t FormatDate(char* buf, size_t size, const LocalTime& time);

// Day of the week (0 = Sunday ... 6 = Saturday) of a Gregorian date, or -1
// when year/month/day do not form a valid date (year 1 upwards).
int WeekdayOfDate(int year, int month, int day);
