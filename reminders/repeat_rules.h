// When a reminder falls due, asked a day at a time: on which days each
// repetition kind falls due, and at which minute of such a day.
//
// The due check is split in two questions so that it can be asked about any
// moment, not only about the tick's "now":
//   - FallsDueOn(record, day): does the record fall due on this date at all?
//   - DueMinuteOfDay(record): at which minute of such a day (0..1439)?
// A record is due at a moment exactly when it falls due on the moment's date
// and the moment lies in that minute. IsReminderDue (reminder_scheduler.h)
// is that combination for the tick.
//
// To look over several days (the days of a month page, the minutes a gap in
// the ticks skipped), work out each day once with MakeDueDay and ask every
// record about it; a record's own fields are read anew on every call, so the
// answers follow edits of the list at once. None of this looks at bEnabled or
// bFired: the latch and the switch belong to the caller (CheckReminders).
#pragma once
#include <cstdint>

#include "calendar/gregorian.h"
#include "calendar/lunar_calendar.h"
#include "reminders/reminder_record.h"

// What the rules need to know of one day, worked out once for all records.
// Lunar dates come from the calendar's shipped table, never from astronomy.
struct DueDay {
  calendar::Date date;
  bool valid = false;          // a real Gregorian date
  int weekday = 0;             // 0 Sunday ... 6 Saturday (when valid)
  int monthDays = 0;           // days of its month (when valid)
  bool lunarKnown = false;     // valid and inside the lunar table (1901-2100)
  calendar::LunarDate lunar;   // its lunar date (when lunarKnown)
  int lunarMonthDays = 0;      // days of that lunar month
  int lunarLeapMonth = 0;      // the leap month of that lunar year, 0 none
};
DueDay MakeDueDay(const calendar::Date& date);
inline DueDay MakeDueDay(int year, int month, int day) { return MakeDueDay(calendar::Date{year, month, day}); }

// The kinds this program knows (nRepeat 0-5). Records of any other kind are
// kept as they are and never fall due.
inline bool IsKnownRepeat(uint16_t repeat) { return repeat <= RepeatLunarYearly; }

// The days of the week of a weekly reminder (wDayOfWeek): bit 0 Sunday ...
// bit 6 Saturday; higher bits mean nothing. 0x3E is Monday to Friday.
constexpr uint16_t kWeekdayBits = 0x7F;
constexpr uint16_t kWorkdays = 0x3E;

// Whether the record falls due on the day, by its kind:
//   RepeatDaily        every day;
//   RepeatOnce         on wYear-wMonth-wDay;
//   RepeatWeekly       on the days of the week in wDayOfWeek, from
//                      wYear-wMonth-wDay on (a mask of 0 never);
//   RepeatMonthly      on day wDay of every month from wYear-wMonth on, on
//                      the last day of a month that is shorter;
//   RepeatYearly       on wMonth-wDay of every year from wYear on; 29 February
//                      on 28 February in common years;
//   RepeatLunarYearly  every lunar year on the lunar month and day of
//                      wYear-wMonth-wDay (the anchor, also its first
//                      occurrence): an anchor in a leap month recurs in that
//                      leap month in the years that have it and in the
//                      ordinary month of that number in the others; a 30th
//                      falls on the 29th of a month of 29 days. Nothing
//                      outside the table (before 1901, after 2100).
// Other kinds never. A date that does not exist never falls due, except for
// the daily and once kinds, which compare fields as they are.
bool FallsDueOn(const ReminderRecord& record, const DueDay& day);
bool FallsDueOn(const ReminderRecord& record, const calendar::Date& date);

// The minute of the day (hour * 60 + minute) at which the record falls due;
// -1 when its stored hour or minute is no time of day (it then never fires).
int DueMinuteOfDay(const ReminderRecord& record);

// The lunar date whose month and day a lunar-yearly reminder recurs on: the
// lunar date of the record's date. False when that date is not in the table.
bool LunarAnchorOf(const ReminderRecord& record, calendar::LunarDate* anchor);
