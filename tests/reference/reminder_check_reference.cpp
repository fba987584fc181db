#include "tests/reference/reminder_check_reference.h"

bool IsReminderDueDailyOrOnce(const ReminderRecord& record, const LocalTime& now) {
  const LocalTime& when = record.stWhen;
  const bool sameMinute = now.wHour == when.wHour && now.wMinute == when.wMinute;
  switch (record.nRepeat) {
    case RepeatDaily:
      return sameMinute;
    case RepeatOnce:
      return sameMinute && now.wYear == when.wYear && now.wMonth == when.wMonth && now.wDay == when.wDay;
    default:
      return false;
  }
}

int CheckRemindersDailyOrOnce(ReminderList& list, const LocalTime& now, ReminderEffects& effects,
                              const ReminderSettings& settings) {
  int fired = 0;
  const size_t count = list.count();
  for (size_t i = 0; i < count; ++i) {
    ReminderRecord* record = list.At(i);
    if (!record) break;
    if (record->bEnabled == 0) continue;
    if (record->nRepeat != RepeatDaily && record->nRepeat != RepeatOnce) continue;
    if (!IsReminderDueDailyOrOnce(*record, now)) {
      record->bFired = 0;
      continue;
    }
    if (record->bFired != 0) continue;
    record->bFired = 1;
    const ReminderRecord copy = *record;
    FireReminder(copy, effects, settings);
    ++fired;
  }
  return fired;
}
