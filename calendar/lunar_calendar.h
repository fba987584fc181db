// The Chinese lunar calendar from the shipped table: lunar dates of
// Gregorian dates and back, leap months, the solar terms, and the names the
// calendar shows (GBK texts).
#pragma once
#include <string>

#include "calendar/gregorian.h"

namespace calendar {

struct LunarDate {
  int year = 0;       // the Gregorian year in which the lunar year begins
  int month = 0;      // 1-12
  bool leap = false;  // the leap month that follows `month`
  int day = 0;        // 1-30
};
inline bool operator==(const LunarDate& a, const LunarDate& b) {
  return a.year == b.year && a.month == b.month && a.leap == b.leap && a.day == b.day;
}

// One lunar year of the table.
struct LunarYear {
  int year = 0;
  int firstDay = 0;   // day number of the first day of the first month
  int leapMonth = 0;  // the leap month follows this month; 0 none
  int monthCount = 0;  // 12 or 13
  int lengths[13] = {};  // days of the months in order, the leap month included
  int Days() const;
};

// False outside the table (lunar years 1900-2100).
bool LunarYearOf(int year, LunarYear* out);

// The lunar date of a Gregorian date; false when the table does not hold it.
bool ToLunar(const Date& date, LunarDate* out);
// The Gregorian date of a lunar date; false when there is no such day
// (a leap month the year has not, a 30th in a short month) or it lies
// outside the table.
bool FromLunar(const LunarDate& lunar, Date* out);
// Days of a lunar month; 0 when the year has no such month.
int LunarMonthDays(int year, int month, bool leap);

constexpr int kNoSolarTerm = -1;
// The solar term (0 the minor cold ... 23 the winter solstice) that falls on
// the date, or kNoSolarTerm.
int SolarTermOn(const Date& date);
// The day of the month on which term `index` of `year` falls; 0 outside the table.
int SolarTermDay(int year, int index);

// Names: 甲辰, 龙, 正月 / 闰六月, 初一 ... 三十, 小寒 ... 冬至.
std::string StemBranchName(int lunarYear);
std::string AnimalName(int lunarYear);
std::string MonthName(int month, bool leap);
std::string DayName(int day);
std::string SolarTermName(int index);
std::string WeekdayName(int weekday);

}  // namespace calendar
