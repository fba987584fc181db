#include "reminders/reminder_scheduler.h"

bool IsReminderDue(const ReminderRecord& record, const LocalTime& now) {
  const LocalTime& when = record.stWhen;
  const bool sameMinute = now.wHour == when.wHour && now.wMinute == when.wMinute;
  switch (record.nRepeat) {
    case RepeatDaily:
      return sameMinute;
    case RepeatOnce:
      return sameMinute && now.wYear == when.wYear && now.wMonth == when.wMonth &&
             now.wDay == when.wDay;
    default:
      return false;
  }
}

int CheckReminders(ReminderList& list, const LocalTime& now, ReminderEffects& effects,
                   const ReminderSettings& settings) {
  int fired = 0;
  const size_t count = list.count();
  for (size_t i = 0; i < count; ++i) {
    ReminderRecord* record = list.At(i);  // null if an effect shortened the list
    if (!record) break;
    if (record->bEnabled == 0) continue;
    if (record->nRepeat != RepeatDaily && record->nRepeat != RepeatOnce) continue;
    if (!IsReminderDue(*record, now)) {
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
  // Text fields read from a file may lack a terminator: hand on terminated copies.
  char title[kReminderTitleSize + 1];
  char message[kReminderMessageSize + 1];
  char path[kReminderPathSize + 1];
  CopyFieldTo(record.sTitle, title, sizeof title);
  CopyFieldTo(record.sMessage, message, sizeof message);
  CopyFieldTo(record.sPath, path, sizeof path);

  switch (record.nAction) {
    case ActionNone:
      if (record.nFlags & FlagMessage) effects.OpenMessageBoard(title, message, settings.messageWait);
      if (record.nFlags & FlagSound) effects.StartSound(path);
      break;
    case ActionShutdown:
    case ActionRestart:
      // A countdown already running goes on unchanged; the new request is dropped.
      if (effects.IsCountdownRunning()) break;
      effects.StartShutdownCountdown((record.nFlags & FlagForceAction) != 0,
                                     record.nAction == ActionRestart, settings.shutdownWait);
      break;
    case ActionRunProgram:
      effects.StartProgram(path);
      break;
    default:
      break;
  }
}
