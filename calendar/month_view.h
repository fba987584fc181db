// The month page of the calendar: the six weeks it shows and how the
// selected day moves, always inside 1901-01-01 .. 2100-12-31.
#pragma once

#include "calendar/gregorian.h"

namespace calendar {

constexpr int kGridWeeks = 6;
constexpr int kGridDays = kGridWeeks * 7;

// The first cell of the page of (year, month): the Sunday on or before the 1st.
Date GridFirstDay(int year, int month);
// The cell (0..41) of date on the page of (year, month); -1 when not shown.
int GridCellOf(int year, int month, const Date& date);

// The day shown in cell (0..41) of the page of (year, month): the page's
// first day plus cell days, counted before anything is held in range. False
// for a cell outside the grid or a day outside 1901-01-01 .. 2100-12-31 (the
// grey days before the first and after the last day of the range).
bool GridDayAt(int year, int month, int cell, Date* day);

Date ClampToRange(const Date& date);
// The day `days` days away, held inside the range.
Date MoveDays(const Date& date, int days);
// The same day `months` months away (the last day of a shorter month),
// held inside the range.
Date MoveMonths(const Date& date, int months);
// Whether the page can move `months` months from the page of date.
bool CanMoveMonths(const Date& date, int months);

// Where the page's parts lie in a grid of width x height pixels: a header
// row of weekday names, then six rows of seven cells.
struct CellBox {
  int left, top, right, bottom;  // right and bottom exclusive
};
struct GridLayout {
  int width = 0;
  int height = 0;
  int HeaderHeight() const { return height / 13; }
  CellBox CellRect(int cell) const;
  // The cell under (x, y), or -1 (the header, outside the grid).
  int CellAt(int x, int y) const;
};

}  // namespace calendar
