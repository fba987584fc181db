#include "reminders/reminder_scheduler.h"

namespace {

bool InDueMinute(const ReminderRecord& record, const LocalTime& now) {
  return now.wHour == record.stWhen.wHour && now.wMinute == record.stWhen.wMinute;
}

DueDay DueDayOf(const LocalTime& now) { return MakeDueDay(now.wYear, now.wMonth, now.wDay); }

}  // namespace

bool IsReminderDue(const ReminderRecord& record, const LocalTime& now) {
  return InDueMinute(record, now) && FallsDueOn(record, DueDayOf(now));
}

int CheckReminders(ReminderList& list, const LocalTime& now, ReminderEffects& effects,
                   const ReminderSettings& settings) {
  int fired = 0;
  // The day is worked out once a tick, and only when a record in its minute
  // needs more than the time of day.
  DueDay today;
  bool todayKnown = false;
  const size_t count = list.count();
  for (size_t i = 0; i < count; ++i) {
    ReminderRecord* record = list.At(i);  // null if an effect shortened the list
    if (!record) break;
    if (record->bEnabled == 0 || !IsKnownRepeat(record->nRepeat)) continue;
    bool due = InDueMinute(*record, now);
    if (due && record->nRepeat != RepeatDaily) {
      if (!todayKnown) {
        today = DueDayOf(now);
        todayKnown = true;
      }
      due = FallsDueOn(*record, today);
    }
    if (!due) {
      record->bFired = 0;
      continue;
    }
    if (record->bFired != 0) continue;
    record->bFired = 1;
    // The effects get a copy, so nothing they do to the list can pull the
    // record away underneath them.
    const ReminderRecord copy = *record;
    FireReminder(copy, effects, settings);
    ++fired;
  }
  return fired;
}

void FireReminder(const ReminderRecord& record, ReminderEffects& effects,
                  const ReminderSettings& settings) {
  effects.TidyMessageBoards();
  const RecordTexts texts(record);

  switch (record.nAction) {
    case ActionNone:
      if (record.nFlags & FlagMessage) {
        effects.OpenReminderBoard(KeyOf(record), texts.title, texts.message, settings.messageWait);
      } else if (record.nFlags & FlagTaskbarMessage) {
        effects.ShowTaskbarMessage(KeyOf(record), texts.title, texts.message, settings.messageWait);
      }
      if (record.nFlags & FlagSound) effects.StartSound(texts.path);
      break;
    case ActionShutdown:
    case ActionRestart:
      // A countdown already running goes on unchanged; the new request is dropped.
      if (effects.IsCountdownRunning()) break;
      effects.StartShutdownCountdown((record.nFlags & FlagForceAction) != 0,
                                     record.nAction == ActionRestart, settings.shutdownWait);
      break;
    case ActionRunProgram:
      effects.StartProgram(texts.path);
      break;
    default:
      break;
  }
}
