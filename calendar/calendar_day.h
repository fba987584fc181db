// What the calendar says about one day: its festivals, the label of its
// cell in the month grid and its full description (GBK texts).
#pragma once
#include <string>
#include <vector>

#include "calendar/gregorian.h"
#include "calendar/lunar_calendar.h"

namespace calendar {

// The festivals of a date: the traditional ones by lunar date (never in a
// leap month; 除夕 the last day of the lunar year), 清明 by its solar term,
// then the public ones by Gregorian date.
std::vector<std::string> Festivals(const Date& date);

enum class CellMark { Plain, MonthStart, SolarTerm, Festival };
struct CellLabel {
  std::string text;
  CellMark mark = CellMark::Plain;
};
// The line under the day number: a festival, else the solar term, else the
// lunar month's name on its first day, else the lunar day's name. Empty
// outside the table.
CellLabel CellLabelOf(const Date& date);

// "2024年2月10日 星期六 农历甲辰龙年 正月初一 春节": the Gregorian date, the
// weekday, the lunar year, month and day, the solar term, the festivals.
std::string DayDescription(const Date& date);

}  // namespace calendar
