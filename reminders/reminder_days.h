// The reminders of a day as the perpetual calendar shows them: the days of a
// month page that carry a mark, and the reminders of one day.
#pragma once
#include <cstdint>
#include <vector>

#include "calendar/gregorian.h"
#include "reminders/reminder_list.h"
#include "reminders/repeat_rules.h"

// Whether a record marks the days it falls due on: enabled, of a known kind,
// and not daily (a mark on every day would set no day apart).
bool MarksItsDays(const ReminderRecord& record);

// The cells (bit i for cell i, 0..41) of the month page of year-month
// (calendar/month_view.h) whose day has a reminder that marks it.
uint64_t MarkedCells(const ReminderList& list, int year, int month);

// The reminders that mark date, ordered by their minute of the day, in list
// order within a minute.
std::vector<const ReminderRecord*> RemindersOn(const ReminderList& list, const calendar::Date& date);
