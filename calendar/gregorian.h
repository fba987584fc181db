// Gregorian dates as day numbers (days from 1970-01-01), weekdays and
// month lengths, and the range of dates the calendar covers.
#pragma once

namespace calendar {

struct Date {
  int year = 0;
  int month = 0;  // 1-12
  int day = 0;    // 1-31
};
inline bool operator==(const Date& a, const Date& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day;
}
inline bool operator!=(const Date& a, const Date& b) { return !(a == b); }

constexpr Date kFirstDate{1901, 1, 1};
constexpr Date kLastDate{2100, 12, 31};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
// Whether the fields name a real Gregorian date (any year).
bool IsValidDate(const Date& date);
// Whether the date is a real date between kFirstDate and kLastDate.
bool InRange(const Date& date);

int DayNumber(const Date& date);
Date DateOfDayNumber(int dayNumber);
// 0 Sunday ... 6 Saturday.
int Weekday(const Date& date);

}  // namespace calendar
