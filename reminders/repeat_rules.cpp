#include "reminders/repeat_rules.h"

namespace {

using calendar::Date;

// Whether date lies on or after year-month-day, compared field by field so
// that stored values outside their range still order sensibly.
bool OnOrAfter(const Date& date, int year, int month, int day) {
  if (date.year != year) return date.year > year;
  if (date.month != month) return date.month > month;
  return date.day >= day;
}

bool OnOrAfterStart(const Date& date, const LocalTime& when) {
  return OnOrAfter(date, when.wYear, when.wMonth, when.wDay);
}

int Smaller(int a, int b) { return a < b ? a : b; }

bool WeeklyFallsDue(const LocalTime& when, const DueDay& day) {
  const unsigned mask = when.wDayOfWeek & kWeekdayBits;
  return day.valid && (mask >> day.weekday & 1u) != 0 && OnOrAfterStart(day.date, when);
}

bool MonthlyFallsDue(const LocalTime& when, const DueDay& day) {
  if (!day.valid || when.wDay < 1 || when.wDay > 31) return false;
  if (!OnOrAfter(day.date, when.wYear, when.wMonth, 1)) return false;
  return day.date.day == Smaller(when.wDay, day.monthDays);
}

bool YearlyFallsDue(const LocalTime& when, const DueDay& day) {
  if (!day.valid || day.date.year < when.wYear || day.date.month != when.wMonth) return false;
  // The day must exist in some year (29 February does, 30 February not).
  if (when.wDay < 1 || when.wDay > calendar::DaysInMonth(2000, when.wMonth)) return false;
  return day.date.day == Smaller(when.wDay, day.monthDays);
}

bool LunarYearlyFallsDue(const ReminderRecord& record, const DueDay& day) {
  calendar::LunarDate anchor;
  if (!day.lunarKnown || !LunarAnchorOf(record, &anchor)) return false;
  if (day.lunar.month != anchor.month || !OnOrAfterStart(day.date, record.stWhen)) return false;
  // A leap-month anchor recurs in the leap month where the year has it.
  const bool leap = anchor.leap && day.lunarLeapMonth == anchor.month;
  if (day.lunar.leap != leap) return false;
  return day.lunar.day == Smaller(anchor.day, day.lunarMonthDays);
}

}  // namespace

DueDay MakeDueDay(const Date& date) {
  DueDay day;
  day.date = date;
  day.valid = calendar::IsValidDate(date);
  if (!day.valid) return day;
  day.weekday = calendar::Weekday(date);
  day.monthDays = calendar::DaysInMonth(date.year, date.month);
  calendar::LunarYear year;
  if (calendar::InRange(date) && calendar::ToLunar(date, &day.lunar) && calendar::LunarYearOf(day.lunar.year, &year)) {
    day.lunarKnown = true;
    day.lunarMonthDays = calendar::LunarMonthDays(day.lunar.year, day.lunar.month, day.lunar.leap);
    day.lunarLeapMonth = year.leapMonth;
  }
  return day;
}

bool FallsDueOn(const ReminderRecord& record, const DueDay& day) {
  const LocalTime& when = record.stWhen;
  switch (record.nRepeat) {
    case RepeatDaily:
      return true;
    case RepeatOnce:
      return day.date.year == when.wYear && day.date.month == when.wMonth && day.date.day == when.wDay;
    case RepeatWeekly:
      return WeeklyFallsDue(when, day);
    case RepeatMonthly:
      return MonthlyFallsDue(when, day);
    case RepeatYearly:
      return YearlyFallsDue(when, day);
    case RepeatLunarYearly:
      return LunarYearlyFallsDue(record, day);
    default:
      return false;
  }
}

bool FallsDueOn(const ReminderRecord& record, const Date& date) { return FallsDueOn(record, MakeDueDay(date)); }

int DueMinuteOfDay(const ReminderRecord& record) {
  const LocalTime& when = record.stWhen;
  if (when.wHour > 23 || when.wMinute > 59) return -1;
  return when.wHour * 60 + when.wMinute;
}

bool LunarAnchorOf(const ReminderRecord& record, calendar::LunarDate* anchor) {
  const Date date{record.stWhen.wYear, record.stWhen.wMonth, record.stWhen.wDay};
  return calendar::InRange(date) && calendar::ToLunar(date, anchor);
}
