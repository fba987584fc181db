// The days on which each kind of reminder falls due, over the whole range of
// the lunar table (1901-2100), against expectations built another way: the
// weekday by counting from a known Tuesday, month ends from the next month's
// first day, lunar occurrences through FromLunar (the check goes through
// ToLunar). Then the tick's latch for every kind.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "calendar/lunar_calendar.h"
#include "calendar/month_view.h"
#include "dialogs/reminder_rows.h"
#include "reminders/reminder_days.h"
#include "reminders/reminder_scheduler.h"
#include "reminders/repeat_rules.h"
#include "tests/reference/reminder_check_reference.h"
#include "tests/support/reminder_fakes.h"

using calendar::Date;
using calendar::DateOfDayNumber;
using calendar::DayNumber;
using calendar::LunarDate;

namespace {

const int kFirst = DayNumber(calendar::kFirstDate);
const int kLast = DayNumber(calendar::kLastDate);

// Every day of the range, worked out once for all tests.
const std::vector<DueDay>& RangeDays() {
  static const std::vector<DueDay> days = [] {
    std::vector<DueDay> v;
    for (int n = kFirst; n <= kLast; ++n) v.push_back(MakeDueDay(DateOfDayNumber(n)));
    return v;
  }();
  return days;
}

ReminderRecord Rule(uint16_t repeat, Date date, uint16_t dayOfWeek = 0) {
  ReminderRecord r = MakeReminder(1, "r", repeat, 8, 30);
  r.stWhen.wYear = static_cast<uint16_t>(date.year);
  r.stWhen.wMonth = static_cast<uint16_t>(date.month);
  r.stWhen.wDay = static_cast<uint16_t>(date.day);
  r.stWhen.wDayOfWeek = dayOfWeek;
  return r;
}

// The day numbers in [from, to] on which the record falls due.
std::set<int> DueDays(const ReminderRecord& r, int from = kFirst, int to = kLast) {
  std::set<int> due;
  for (int n = from; n <= to; ++n) {
    if (FallsDueOn(r, n >= kFirst && n <= kLast ? RangeDays()[n - kFirst] : MakeDueDay(DateOfDayNumber(n))))
      due.insert(n);
  }
  return due;
}

int LastDayOfMonth(int year, int month) {
  const Date next = month == 12 ? Date{year + 1, 1, 1} : Date{year, month + 1, 1};
  return DateOfDayNumber(DayNumber(next) - 1).day;
}

TEST(RepeatRules, WeeklyFallsOnItsDaysFromItsStart) {
  const int tuesday = DayNumber({1901, 1, 1});  // 1901-01-01 was a Tuesday
  const Date start{1999, 12, 30};
  struct Case {
    uint16_t mask;
    int perWeek;
  } const cases[] = {{0x3E, 5}, {0x41, 2}, {0x2A, 3}, {0x7F, 7}, {0x01, 1}, {0x00, 0}, {0xFF82, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mask);
    std::set<int> expected;
    for (int n = DayNumber(start); n <= kLast; ++n) {
      const int weekday = (n - tuesday + 2) % 7;
      if (c.mask >> weekday & 1) expected.insert(n);
    }
    EXPECT_EQ(DueDays(Rule(RepeatWeekly, start, c.mask)), expected);
    // A whole number of weeks after the start holds perWeek days a week.
    EXPECT_EQ(DueDays(Rule(RepeatWeekly, start, c.mask), DayNumber({2024, 1, 1}), DayNumber({2024, 1, 28})).size(),
              static_cast<size_t>(4 * c.perWeek));
  }
}

TEST(RepeatRules, MonthlyTakesTheLastDayOfShorterMonths) {
  for (int day : {1, 15, 28, 29, 30, 31}) {
    SCOPED_TRACE(day);
    std::set<int> expected;
    for (int year = 1950; year <= 2100; ++year) {
      for (int month = year == 1950 ? 6 : 1; month <= 12; ++month) {
        const int last = LastDayOfMonth(year, month);
        expected.insert(DayNumber({year, month, day < last ? day : last}));
      }
    }
    EXPECT_EQ(DueDays(Rule(RepeatMonthly, {1950, 6, day})), expected);
  }
  EXPECT_TRUE(DueDays(Rule(RepeatMonthly, {2000, 1, 0})).empty());
}

TEST(RepeatRules, YearlyTwentyNinthOfFebruaryOverFourCenturies) {
  const ReminderRecord leapDay = Rule(RepeatYearly, {2000, 2, 29});
  const std::set<int> due = DueDays(leapDay, DayNumber({1990, 1, 1}), DayNumber({2399, 12, 31}));
  std::set<int> expected;
  for (int year = 2000; year <= 2399; ++year) {
    const bool leap = LastDayOfMonth(year, 2) == 29;
    expected.insert(DayNumber({year, 2, leap ? 29 : 28}));
  }
  EXPECT_EQ(due, expected);
  EXPECT_EQ(due.count(DayNumber({2100, 2, 28})), 1u);
  EXPECT_EQ(due.count(DayNumber({2000, 2, 29})), 1u);

  // Other dates once a year, from their first year on.
  for (const Date d : {Date{2030, 3, 8}, Date{1901, 1, 1}, Date{1901, 12, 31}}) {
    std::set<int> every;
    for (int year = d.year; year <= 2100; ++year) every.insert(DayNumber({year, d.month, d.day}));
    EXPECT_EQ(DueDays(Rule(RepeatYearly, d)), every) << d.year << "-" << d.month << "-" << d.day;
  }
  EXPECT_TRUE(DueDays(Rule(RepeatYearly, {2000, 2, 30})).empty());
}

// The days a lunar-yearly reminder anchored on anchor must fall due on, made
// through FromLunar: in each lunar year from the anchor's, the leap month
// where the year has the anchor's leap month, else the ordinary one, on the
// anchor's day or the month's last day when it is shorter.
std::set<int> LunarOccurrences(const LunarDate& anchor, int anchorDay) {
  std::set<int> out;
  for (int year = anchor.year; year <= 2100; ++year) {
    const bool leap = anchor.leap && calendar::LunarMonthDays(year, anchor.month, true) > 0;
    const int length = calendar::LunarMonthDays(year, anchor.month, leap);
    Date d;
    if (!calendar::FromLunar({year, anchor.month, leap, anchor.day < length ? anchor.day : length}, &d)) continue;
    const int n = DayNumber(d);
    if (n >= anchorDay && n <= kLast) out.insert(n);
  }
  return out;
}

// Every leap month of the table (74, one of them in 1900, before the range)
// and every 30th day: anchored there, a reminder falls due on its
// occurrences and on no other day.
TEST(RepeatRules, LunarAnchorsInLeapMonthsAndOnThirtiethDays) {
  int leapMonths = 0;
  for (int year = 1900; year <= 2100; ++year) {
    calendar::LunarYear y;
    ASSERT_TRUE(calendar::LunarYearOf(year, &y));
    if (!y.leapMonth) continue;
    ++leapMonths;
    // The whole range for its first day and, where it has one, its 30th.
    for (int day : {1, 30}) {
      Date date;
      if (!calendar::FromLunar({year, y.leapMonth, true, day}, &date)) continue;
      SCOPED_TRACE(testing::Message() << year << " leap " << y.leapMonth << "-" << day);
      const int n = DayNumber(date);
      const std::set<int> expected = n < kFirst ? std::set<int>() : LunarOccurrences({year, y.leapMonth, true, day}, n);
      EXPECT_EQ(DueDays(Rule(RepeatLunarYearly, date)), expected);
    }
  }
  EXPECT_EQ(leapMonths, 74);
  std::vector<int> thirtieths;
  for (int n = kFirst; n <= kLast; ++n) {
    const DueDay& day = RangeDays()[n - kFirst];
    ASSERT_TRUE(day.lunarKnown);
    if (day.lunar.day == 30) thirtieths.push_back(n);
  }
  EXPECT_GT(thirtieths.size(), 1200u);
  // ... and for every 30th day the lunar year round its occurrences.
  for (int n : thirtieths) {
    const LunarDate anchor = RangeDays()[n - kFirst].lunar;
    SCOPED_TRACE(testing::Message() << anchor.year << (anchor.leap ? " leap " : " ") << anchor.month << "-30");
    const ReminderRecord r = Rule(RepeatLunarYearly, DateOfDayNumber(n));
    const std::set<int> expected = LunarOccurrences(anchor, n);
    std::set<int> due;
    for (int occurrence : expected) {
      for (int m = std::max(occurrence - 60, kFirst); m <= occurrence + 60 && m <= kLast; ++m)
        if (FallsDueOn(r, RangeDays()[m - kFirst])) due.insert(m);
    }
    ASSERT_EQ(due, expected);
  }
}

TEST(RepeatRules, LunarNamesPublishedDaysAndNothingOutsideTheTable) {
  // 中秋 and a leap-month birthday as calendars print them.
  const ReminderRecord midAutumn = Rule(RepeatLunarYearly, {2024, 9, 17});  // 八月十五
  for (const Date d : {Date{2024, 9, 17}, Date{2025, 10, 6}, Date{2026, 9, 25}})
    EXPECT_TRUE(FallsDueOn(midAutumn, d)) << d.year;
  EXPECT_FALSE(FallsDueOn(midAutumn, Date{2023, 9, 29}));  // before the anchor
  // Born on 闰六月初一 2025: 六月初一 in 2026, 闰六月初一 again in 2036.
  const ReminderRecord leapBorn = Rule(RepeatLunarYearly, {2025, 7, 25});
  Date sixth, leapSixth2036, sixth2036;
  ASSERT_TRUE(calendar::FromLunar({2026, 6, false, 1}, &sixth));
  ASSERT_TRUE(calendar::FromLunar({2036, 6, true, 1}, &leapSixth2036));
  ASSERT_TRUE(calendar::FromLunar({2036, 6, false, 1}, &sixth2036));
  EXPECT_TRUE(FallsDueOn(leapBorn, sixth));
  EXPECT_TRUE(FallsDueOn(leapBorn, leapSixth2036));
  EXPECT_FALSE(FallsDueOn(leapBorn, sixth2036));
  EXPECT_FALSE(FallsDueOn(leapBorn, Date{2025, 6, 25}));  // 六月初一 of the anchor's own year
  // Outside the table: an anchor before 1901 never fires, nor does any day after 2100.
  EXPECT_TRUE(DueDays(Rule(RepeatLunarYearly, {1900, 12, 31})).empty());
  EXPECT_FALSE(MakeDueDay(2101, 1, 1).lunarKnown);
  EXPECT_FALSE(FallsDueOn(Rule(RepeatLunarYearly, {2100, 1, 5}), Date{2101, 1, 24}));
  // Dates that do not exist never fall due for the kinds that read the date.
  for (uint16_t repeat : {RepeatWeekly, RepeatMonthly, RepeatYearly, RepeatLunarYearly})
    EXPECT_FALSE(FallsDueOn(Rule(repeat, {2023, 2, 1}, 0x7F), Date{2023, 2, 29})) << repeat;
  EXPECT_TRUE(FallsDueOn(Rule(RepeatDaily, {}), Date{2023, 2, 29}));
  EXPECT_FALSE(FallsDueOn(Rule(9, {2023, 2, 1}), Date{2023, 2, 1}));
}

TEST(RepeatRules, DueMinuteOfDay) {
  ReminderRecord r = MakeReminder(1, "r", RepeatWeekly, 23, 59);
  EXPECT_EQ(DueMinuteOfDay(r), 23 * 60 + 59);
  r.stWhen.wHour = 24;
  EXPECT_EQ(DueMinuteOfDay(r), -1);
  r.stWhen.wHour = 0;
  r.stWhen.wMinute = 60;
  EXPECT_EQ(DueMinuteOfDay(r), -1);
}

// Every kind: fires at the first tick of its minute on a day it falls due on,
// once, is re-armed by the first tick outside, and stays silent on the next
// day, which it does not fall due on.
TEST(RepeatRules, LatchWorksTheSameForEveryKind) {
  struct Case {
    const char* name;
    ReminderRecord record;
    Date due, notDue;
  } const cases[] = {
      {"weekly", Rule(RepeatWeekly, {2024, 1, 1}, 0x02), {2024, 3, 4}, {2024, 3, 5}},
      {"monthly", Rule(RepeatMonthly, {2024, 1, 31}), {2024, 2, 29}, {2024, 3, 1}},
      {"yearly", Rule(RepeatYearly, {2020, 3, 8}), {2024, 3, 8}, {2024, 3, 9}},
      {"lunar", Rule(RepeatLunarYearly, {2023, 9, 29}), {2024, 9, 17}, {2024, 9, 18}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ReminderList list;
    list.Append(c.record);
    struct Tick {
      Date date;
      int hour, minute, second;
      bool fires;
      uint16_t firedAfter;
    } const ticks[] = {
        {c.due, 8, 29, 59, false, 0}, {c.due, 8, 30, 0, true, 1},       {c.due, 8, 30, 30, false, 1},
        {c.due, 8, 31, 0, false, 0},  {c.notDue, 8, 30, 0, false, 0},   {c.due, 8, 30, 59, true, 1},
    };
    for (const Tick& t : ticks) {
      RecordingEffects effects;
      const LocalTime now = MakeTime(t.date.year, t.date.month, t.date.day, t.hour, t.minute, t.second);
      EXPECT_EQ(CheckReminders(list, now, effects, ReminderSettings{5, 30}), t.fires ? 1 : 0)
          << t.date.day << " " << t.minute << ":" << t.second;
      EXPECT_EQ(list.At(0)->bFired, t.firedAfter);
    }
  }
}

// The calendar's marks: the days of a month page with an enabled reminder of
// a kind that sets days apart, and the reminders of one day by their time.
TEST(RepeatRules, MonthPageMarksAndNamesTheDaysOfReminders) {
  ReminderList list;
  list.Append(Rule(RepeatWeekly, {2024, 3, 1}, 0x02));  // Mondays from 1 March, 08:30
  SetFieldText(list.At(0)->sTitle, "周会");
  ReminderRecord once = Rule(RepeatOnce, {2024, 3, 4});
  once.stWhen.wHour = 7;
  SetFieldText(once.sTitle, "体检");
  list.Append(once);
  list.Append(Rule(RepeatDaily, {2024, 3, 5}));  // every day: no mark
  ReminderRecord off = Rule(RepeatYearly, {2024, 3, 8});
  off.bEnabled = 0;
  list.Append(off);
  list.Append(Rule(9, {2024, 3, 20}));
  list.Append(Rule(RepeatLunarYearly, {2023, 3, 22}));  // 闰二月初一 2023: 二月初一 2024 = 3-10

  uint64_t expected = 0;
  for (const Date d : {Date{2024, 3, 4}, Date{2024, 3, 10}, Date{2024, 3, 11}, Date{2024, 3, 18}, Date{2024, 3, 25},
                       Date{2024, 4, 1}})
    expected |= uint64_t{1} << calendar::GridCellOf(2024, 3, d);
  EXPECT_EQ(MarkedCells(list, 2024, 3), expected);  // 26 February, a Monday before the start, is not marked

  const std::vector<const ReminderRecord*> day = RemindersOn(list, {2024, 3, 4});
  ASSERT_EQ(day.size(), 2u);
  EXPECT_EQ(DayRemindersText(day), "提醒：07:30 体检、08:30 周会");
  EXPECT_EQ(DayRemindersText(RemindersOn(list, {2024, 3, 5})), "");
}

// For the daily and once-only kinds (and unknown ones) the check decides as
// the one it replaced did, whatever the fields hold.
TEST(RepeatRules, DailyAndOnceDecideAsBefore) {
  uint32_t seed = 12345;
  auto next = [&seed](uint32_t range) {
    seed = seed * 1103515245u + 12345u;
    return static_cast<uint16_t>((seed >> 8) % range);
  };
  for (int i = 0; i < 20000; ++i) {
    ReminderRecord r = MakeReminder(1, "r", i % 3 == 2 ? 9 : static_cast<uint16_t>(i % 2), next(3), next(3));
    r.stWhen.wYear = static_cast<uint16_t>(2024 + next(2));
    r.stWhen.wMonth = next(3);
    r.stWhen.wDay = next(3);
    const LocalTime now = MakeTime(2024 + next(2), next(3), next(3), next(3), next(3));
    ASSERT_EQ(IsReminderDue(r, now), IsReminderDueDailyOrOnce(r, now)) << i;
  }
}

}  // namespace
