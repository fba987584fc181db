// The lunar calendar as the program reads it from its table: dates the
// observatories publish, the festival rules, round trips over the whole
// range, the names and the description line, and the month page.
#include <gtest/gtest.h>

#include "calendar/calendar_day.h"
#include "calendar/lunar_calendar.h"
#include "calendar/month_view.h"

using calendar::Date;
using calendar::LunarDate;

namespace {

LunarDate Lunar(const Date& d) {
  LunarDate l;
  EXPECT_TRUE(calendar::ToLunar(d, &l)) << d.year << "-" << d.month << "-" << d.day;
  return l;
}

// Published by the Purple Mountain and Hong Kong observatories: first days
// of lunar months (the new year among them) and leap months.
TEST(LunarCalendar, AgreesWithPublishedMonthStarts) {
  struct Case {
    Date date;
    LunarDate lunar;
  } const cases[] = {
      {{1901, 2, 19}, {1901, 1, false, 1}}, {{1912, 2, 18}, {1912, 1, false, 1}},
      {{1914, 1, 26}, {1914, 1, false, 1}}, {{1949, 1, 29}, {1949, 1, false, 1}},
      {{1978, 2, 7}, {1978, 1, false, 1}},  {{1984, 2, 2}, {1984, 1, false, 1}},
      {{1985, 2, 20}, {1985, 1, false, 1}}, {{2000, 2, 5}, {2000, 1, false, 1}},
      {{2020, 1, 25}, {2020, 1, false, 1}}, {{2023, 1, 22}, {2023, 1, false, 1}},
      {{2024, 2, 10}, {2024, 1, false, 1}}, {{2030, 2, 3}, {2030, 1, false, 1}},
      {{2033, 1, 31}, {2033, 1, false, 1}}, {{2050, 1, 23}, {2050, 1, false, 1}},
      {{2100, 2, 9}, {2100, 1, false, 1}},
      // Months whose new moon lies within minutes of midnight.
      {{2013, 6, 8}, {2013, 5, false, 1}},  {{2057, 9, 28}, {2057, 9, false, 1}},
      {{2089, 9, 4}, {2089, 8, false, 1}},  {{2097, 8, 7}, {2097, 7, false, 1}},
      // Leap months.
      {{2020, 5, 23}, {2020, 4, true, 1}},  {{2023, 3, 22}, {2023, 2, true, 1}},
      {{2025, 7, 25}, {2025, 6, true, 1}},  {{2033, 12, 22}, {2033, 11, true, 1}},
      {{1900, 9, 24}, {1900, 8, true, 1}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Lunar(c.date), c.lunar) << c.date.year << "-" << c.date.month << "-" << c.date.day;
  }
}

TEST(LunarCalendar, LeapMonthsOfPublishedYears) {
  const std::pair<int, int> years[] = {{1900, 8}, {1914, 5}, {1984, 10}, {1987, 6}, {1995, 8},
                                       {2001, 4}, {2004, 2}, {2006, 7},  {2009, 5}, {2012, 4},
                                       {2014, 9}, {2017, 6}, {2020, 4},  {2023, 2}, {2025, 6},
                                       {2028, 5}, {2031, 3}, {2033, 11}, {2036, 6}, {2024, 0}};
  for (const auto& [year, leap] : years) {
    calendar::LunarYear y;
    ASSERT_TRUE(calendar::LunarYearOf(year, &y));
    EXPECT_EQ(y.leapMonth, leap) << year;
  }
  // 1914 as the observatory lists it, month by month.
  calendar::LunarYear y;
  ASSERT_TRUE(calendar::LunarYearOf(1914, &y));
  const int lengths[13] = {30, 30, 29, 30, 29, 30, 29, 30, 29, 29, 30, 29, 30};
  for (int i = 0; i < 13; ++i) EXPECT_EQ(y.lengths[i], lengths[i]) << i;
}

TEST(LunarCalendar, AgreesWithPublishedSolarTerms) {
  struct Case {
    Date date;
    int term;
  } const cases[] = {
      {{2024, 2, 4}, 2},   {{2024, 4, 4}, 6},    {{2024, 6, 21}, 11}, {{2024, 12, 21}, 23},
      {{2023, 12, 22}, 23}, {{2021, 12, 21}, 23}, {{2008, 1, 6}, 0},   {{2051, 3, 20}, 5},
      {{2083, 2, 3}, 2},   {{2084, 3, 19}, 5},   {{1901, 1, 6}, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(calendar::SolarTermOn(c.date), c.term) << c.date.year << "-" << c.date.month;
  EXPECT_EQ(calendar::SolarTermOn({2021, 12, 22}), calendar::kNoSolarTerm);
}

TEST(LunarCalendar, EveryDayOfTheRangeRoundTrips) {
  const int first = calendar::DayNumber(calendar::kFirstDate), last = calendar::DayNumber(calendar::kLastDate);
  LunarDate previous = Lunar(calendar::DateOfDayNumber(first - 1));
  int terms = 0;
  for (int n = first; n <= last; ++n) {
    const Date d = calendar::DateOfDayNumber(n);
    const LunarDate l = Lunar(d);
    Date back;
    ASSERT_TRUE(calendar::FromLunar(l, &back));
    ASSERT_EQ(back, d);
    // Days count up by one inside a month; a month is 29 or 30 days.
    if (l.day != 1) {
      ASSERT_EQ(l.day, previous.day + 1);
    } else {
      ASSERT_TRUE(previous.day == 29 || previous.day == 30);
    }
    terms += calendar::SolarTermOn(d) != calendar::kNoSolarTerm;
    previous = l;
  }
  EXPECT_EQ(terms, 200 * 24);
}

TEST(LunarCalendar, RejectsDatesThatDoNotExist) {
  Date d;
  EXPECT_FALSE(calendar::FromLunar({2024, 6, true, 1}, &d));   // 2024 has no leap month
  EXPECT_FALSE(calendar::FromLunar({2023, 2, true, 30}, &d));  // 闰二月 2023 has 29 days
  EXPECT_FALSE(calendar::FromLunar({2023, 13, false, 1}, &d));
  EXPECT_FALSE(calendar::FromLunar({1899, 1, false, 1}, &d));
  EXPECT_FALSE(calendar::FromLunar({2101, 1, false, 1}, &d));
  LunarDate l;
  EXPECT_FALSE(calendar::ToLunar({2023, 2, 29}, &l));
  EXPECT_FALSE(calendar::ToLunar({1900, 1, 30}, &l));  // before the table's first lunar year
  EXPECT_EQ(calendar::LunarMonthDays(2023, 2, true), 29);
}

TEST(LunarCalendar, Names) {
  EXPECT_EQ(calendar::StemBranchName(2024) + calendar::AnimalName(2024), "甲辰龙");
  EXPECT_EQ(calendar::StemBranchName(1984) + calendar::AnimalName(1984), "甲子鼠");
  EXPECT_EQ(calendar::StemBranchName(1900) + calendar::AnimalName(1900), "庚子鼠");
  EXPECT_EQ(calendar::StemBranchName(2100) + calendar::AnimalName(2100), "庚申猴");
  const char* const days[] = {"初一", "初九", "初十", "十一", "十九", "二十", "廿一", "廿九", "三十"};
  const int numbers[] = {1, 9, 10, 11, 19, 20, 21, 29, 30};
  for (int i = 0; i < 9; ++i) EXPECT_EQ(calendar::DayName(numbers[i]), days[i]);
  EXPECT_EQ(calendar::MonthName(1, false), "正月");
  EXPECT_EQ(calendar::MonthName(11, false), "冬月");
  EXPECT_EQ(calendar::MonthName(12, false), "腊月");
  EXPECT_EQ(calendar::MonthName(6, true), "闰六月");
  EXPECT_EQ(calendar::SolarTermName(0), "小寒");
  EXPECT_EQ(calendar::SolarTermName(23), "冬至");
}

TEST(CalendarDay, Festivals) {
  using V = std::vector<std::string>;
  struct Case {
    Date date;
    V festivals;
  } const cases[] = {
      {{2024, 2, 10}, {"春节"}},       {{2024, 2, 24}, {"元宵节"}}, {{2024, 6, 10}, {"端午节"}},
      {{2024, 8, 10}, {"七夕"}},       {{2024, 9, 17}, {"中秋节"}}, {{2024, 10, 11}, {"重阳节"}},
      {{2025, 1, 7}, {"腊八节"}},      {{2024, 4, 4}, {"清明"}},    {{2024, 5, 1}, {"劳动节"}},
      {{2020, 10, 1}, {"中秋节", "国庆节"}}, {{2023, 1, 1}, {"元旦"}},
      // 除夕: 腊月 2024 has 29 days, so the eve is its 29th; 2023's is the 30th.
      {{2025, 1, 28}, {"除夕"}},       {{2024, 2, 9}, {"除夕"}},    {{2024, 2, 8}, {}},
      // Nothing in a leap month: 闰六月十五 of 2025.
      {{2025, 8, 8}, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(calendar::Festivals(c.date), c.festivals) << c.date.month << "-" << c.date.day;
  EXPECT_EQ(Lunar({2025, 1, 28}).day, 29);
  EXPECT_EQ(Lunar({2024, 2, 9}).day, 30);
}

TEST(CalendarDay, DescriptionAndCellLabels) {
  EXPECT_EQ(calendar::DayDescription({2024, 2, 10}), "2024年2月10日 星期六 农历甲辰龙年 正月初一 春节");
  EXPECT_EQ(calendar::DayDescription({2025, 8, 8}), "2025年8月8日 星期五 农历乙巳蛇年 闰六月十五");
  EXPECT_EQ(calendar::DayDescription({2024, 4, 4}), "2024年4月4日 星期四 农历甲辰龙年 二月廿六 清明");
  EXPECT_EQ(calendar::DayDescription({2024, 12, 21}), "2024年12月21日 星期六 农历甲辰龙年 冬月廿一 冬至");
  EXPECT_EQ(calendar::DayDescription({1901, 1, 1}), "1901年1月1日 星期二 农历庚子鼠年 冬月十一 元旦");
  using calendar::CellMark;
  struct Case {
    Date date;
    const char* text;
    CellMark mark;
  } const cases[] = {
      {{2024, 2, 10}, "春节", CellMark::Festival}, {{2024, 12, 21}, "冬至", CellMark::SolarTerm},
      {{2025, 7, 25}, "闰六月", CellMark::MonthStart}, {{2025, 7, 26}, "初二", CellMark::Plain},
      {{2024, 4, 4}, "清明", CellMark::Festival},
  };
  for (const Case& c : cases) {
    const calendar::CellLabel label = calendar::CellLabelOf(c.date);
    EXPECT_EQ(label.text, c.text);
    EXPECT_EQ(label.mark, c.mark) << c.text;
  }
}

TEST(MonthView, PagesAndMovesStayInsideTheRange) {
  EXPECT_EQ(calendar::GridFirstDay(2024, 2), (Date{2024, 1, 28}));
  EXPECT_EQ(calendar::GridFirstDay(2024, 9), (Date{2024, 9, 1}));  // a month that starts on Sunday
  EXPECT_EQ(calendar::GridCellOf(2024, 2, {2024, 2, 10}), 13);
  EXPECT_EQ(calendar::GridCellOf(2024, 2, {2024, 3, 9}), 41);
  EXPECT_EQ(calendar::GridCellOf(2024, 2, {2024, 3, 10}), -1);
  struct Case {
    Date from;
    int days, months;
    Date to;
  } const cases[] = {
      {{2024, 1, 31}, 0, 1, {2024, 2, 29}},   {{2024, 3, 31}, 0, -1, {2024, 2, 29}},
      {{2024, 2, 29}, 0, 12, {2025, 2, 28}},  {{1901, 3, 5}, 0, -12, {1901, 1, 5}},
      {{2100, 11, 5}, 0, 12, {2100, 12, 5}},  {{1901, 1, 3}, -7, 0, {1901, 1, 1}},
      {{2100, 12, 30}, 7, 0, {2100, 12, 31}}, {{2024, 12, 31}, 1, 0, {2025, 1, 1}},
  };
  for (const Case& c : cases) {
    const Date got = c.days ? calendar::MoveDays(c.from, c.days) : calendar::MoveMonths(c.from, c.months);
    EXPECT_EQ(got, c.to) << c.from.year << "-" << c.from.month << "-" << c.from.day;
  }
  EXPECT_FALSE(calendar::CanMoveMonths({1901, 1, 15}, -1));
  EXPECT_TRUE(calendar::CanMoveMonths({1901, 2, 15}, -1));
  EXPECT_FALSE(calendar::CanMoveMonths({1901, 12, 15}, -12));
  EXPECT_FALSE(calendar::CanMoveMonths({2100, 12, 15}, 1));
  EXPECT_TRUE(calendar::CanMoveMonths({2099, 12, 15}, 12));
  // Every pixel of a grid belongs to the cell whose rectangle holds it.
  for (const calendar::GridLayout layout : {calendar::GridLayout{372, 260}, calendar::GridLayout{375, 263}}) {
    for (int cell = 0; cell < calendar::kGridDays; ++cell) {
      const calendar::CellBox b = layout.CellRect(cell);
      EXPECT_EQ(layout.CellAt(b.left, b.top), cell);
      EXPECT_EQ(layout.CellAt(b.right - 1, b.bottom - 1), cell);
    }
    EXPECT_EQ(layout.CellAt(5, layout.HeaderHeight() - 1), -1);
    EXPECT_EQ(layout.CellAt(layout.width, layout.height - 1), -1);
  }
  EXPECT_EQ(calendar::ClampToRange({1850, 6, 1}), calendar::kFirstDate);
  EXPECT_EQ(calendar::ClampToRange({2200, 6, 1}), calendar::kLastDate);
}

TEST(MonthView, EveryCellIsTheDayItShowsAndDaysOutsideTheRangeAreNone) {
  struct Case {
    int year, month, cell;
    bool shown;
    Date day;
  } const cases[] = {
      {1901, 1, 0, false, {}},            // 30 December 1900, grey
      {1901, 1, 1, false, {}},            // 31 December 1900
      {1901, 1, 2, true, {1901, 1, 1}},   // the first day of the range
      {1901, 1, 3, true, {1901, 1, 2}},
      {1901, 1, 41, true, {1901, 2, 9}},
      {2100, 12, 0, true, {2100, 11, 28}},
      {2100, 12, 33, true, {2100, 12, 31}},  // the last day of the range
      {2100, 12, 34, false, {}},
      {2024, 2, 0, true, {2024, 1, 28}},
      {2024, 2, 41, true, {2024, 3, 9}},
      {2024, 2, 42, false, {}},
      {2024, 2, -1, false, {}},
  };
  for (const Case& c : cases) {
    Date day{0, 0, 0};
    EXPECT_EQ(c.shown, calendar::GridDayAt(c.year, c.month, c.cell, &day)) << c.year << "-" << c.month << " " << c.cell;
    if (c.shown) {
      EXPECT_EQ(c.day, day) << c.year << "-" << c.month << " " << c.cell;
    }
  }
}

}  // namespace
