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

bool GridDayAt(int year, int month, int cell, Date* day) {
  if (cell < 0 || cell >= kGridDays) return false;
  const int n = DayNumber(GridFirstDay(year, month)) + cell;
  if (n < DayNumber(kFirstDate) || n > DayNumber(kLastDate)) return false;
  if (day) *day = DateOfDayNumber(n);
  return true;
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

CellBox GridLayout::CellRect(int cell) const {
  const int column = cell % 7, row = cell / 7;
  const int body = height - HeaderHeight();
  return {width * column / 7, HeaderHeight() + body * row / kGridWeeks, width * (column + 1) / 7,
          HeaderHeight() + body * (row + 1) / kGridWeeks};
}

int GridLayout::CellAt(int x, int y) const {
  const int body = height - HeaderHeight();
  if (x < 0 || x >= width || y < HeaderHeight() || y >= height || body <= 0) return -1;
  const int column = x * 7 / width;
  const int row = (y - HeaderHeight()) * kGridWeeks / body;
  // The edges CellRect draws: a point belongs to the cell whose rectangle holds it.
  for (int r = row > 0 ? row - 1 : 0; r <= row + 1 && r < kGridWeeks; ++r) {
    for (int c = column > 0 ? column - 1 : 0; c <= column + 1 && c < 7; ++c) {
      const CellBox b = CellRect(r * 7 + c);
      if (x >= b.left && x < b.right && y >= b.top && y < b.bottom) return r * 7 + c;
    }
  }
  return row * 7 + column;
}

}  // namespace calendar
