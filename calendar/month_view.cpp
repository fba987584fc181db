#include "calendar/month_view.h"

namespace calendar {

Date GridFirstDay(int year, int month) {
  const Date first{year, month, 1};
  return DateOfDayNumber(DayNumber(first) - Weekday(first));
}

int GridCellOf(int year, int month, const Date& date) {
  if (!IsValidDate(date)) return -1;
  const int cell = DayNumber(date) - DayNumber(GridFirstDay(year, month));
  return cell >= 0 && cell < kGridDays ? cell : -1;
}

Date ClampToRange(const Date& date) {
  if (date.year < kFirstDate.year) return kFirstDate;
  if (date.year > kLastDate.year) return kLastDate;
  Date d = date;
  if (d.month < 1) d.month = 1;
  if (d.month > 12) d.month = 12;
  if (d.day < 1) d.day = 1;
  if (d.day > DaysInMonth(d.year, d.month)) d.day = DaysInMonth(d.year, d.month);
  return d;
}

Date MoveDays(const Date& date, int days) {
  const int n = DayNumber(ClampToRange(date)) + days;
  if (n < DayNumber(kFirstDate)) return kFirstDate;
  if (n > DayNumber(kLastDate)) return kLastDate;
  return DateOfDayNumber(n);
}

namespace {

int MonthIndex(const Date& d) { return d.year * 12 + d.month - 1; }

}  // namespace

Date MoveMonths(const Date& date, int months) {
  const Date from = ClampToRange(date);
  int index = MonthIndex(from) + months;
  if (index < MonthIndex(kFirstDate)) index = MonthIndex(kFirstDate);
  if (index > MonthIndex(kLastDate)) index = MonthIndex(kLastDate);
  Date d{index / 12, index % 12 + 1, from.day};
  if (d.day > DaysInMonth(d.year, d.month)) d.day = DaysInMonth(d.year, d.month);
  return d;
}

bool CanMoveMonths(const Date& date, int months) {
  const int index = MonthIndex(ClampToRange(date)) + months;
  return index >= MonthIndex(kFirstDate) && index <= MonthIndex(kLastDate);
}

}  // namespace calendar
