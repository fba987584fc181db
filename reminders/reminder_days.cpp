#include "reminders/reminder_days.h"

#include <algorithm>

#include "calendar/month_view.h"

bool MarksItsDays(const ReminderRecord& record) {
  return record.bEnabled != 0 && record.nRepeat != RepeatDaily && IsKnownRepeat(record.nRepeat) &&
         DueMinuteOfDay(record) >= 0;
}

uint64_t MarkedCells(const ReminderList& list, int year, int month) {
  std::vector<const ReminderRecord*> marking;
  for (size_t i = 0; i < list.count(); ++i) {
    const ReminderRecord* record = list.At(i);
    if (MarksItsDays(*record)) marking.push_back(record);
  }
  uint64_t cells = 0;
  if (marking.empty()) return cells;
  const int first = calendar::DayNumber(calendar::GridFirstDay(year, month));
  for (int cell = 0; cell < calendar::kGridDays; ++cell) {
    const DueDay day = MakeDueDay(calendar::DateOfDayNumber(first + cell));
    for (const ReminderRecord* record : marking) {
      if (FallsDueOn(*record, day)) {
        cells |= uint64_t{1} << cell;
        break;
      }
    }
  }
  return cells;
}

std::vector<const ReminderRecord*> RemindersOn(const ReminderList& list, const calendar::Date& date) {
  std::vector<const ReminderRecord*> found;
  const DueDay day = MakeDueDay(date);
  for (size_t i = 0; i < list.count(); ++i) {
    const ReminderRecord* record = list.At(i);
    if (MarksItsDays(*record) && FallsDueOn(*record, day)) found.push_back(record);
  }
  std::stable_sort(found.begin(), found.end(), [](const ReminderRecord* a, const ReminderRecord* b) {
    return DueMinuteOfDay(*a) < DueMinuteOfDay(*b);
  });
  return found;
}
