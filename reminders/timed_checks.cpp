#include "reminders/timed_checks.h"

#include "base/gbk_text.h"

void SetThemeDirectory(TimedCheckSettings& settings, const char* dir) {
  gbk::CopyText(settings.themeDir, sizeof settings.themeDir, dir, settings.isLead);
}

void RunTimedChecks(const LocalTime& now, const TimedCheckSettings& settings, ChimeLatch& latch,
                    ReminderList& reminders, ReminderEffects& effects) {
  if (settings.chimeOn && ChimeCheck(latch, now) && !InQuietHours(settings.quiet, now.wHour)) {
    PlayHourlyChime(settings.themeDir, now.wHour, effects, settings.isLead);
  }
  if (settings.remindersOn) CheckReminders(reminders, now, effects, settings.waits);
}

bool RunTimedChecks(const LocalTime& now, const TimedCheckSettings& settings, TimedCheckState& state,
                    ReminderList& reminders, ReminderEffects& effects) {
  if (settings.chimeOn && ChimeCheck(state.chime, now) && !InQuietHours(settings.quiet, now.wHour)) {
    PlayHourlyChime(settings.themeDir, now.wHour, effects);
  }
  state.watch.Tick(reminders, now, settings.remindersOn, effects, settings.waits);
  return state.snoozes.Tick(reminders, now, settings.remindersOn, effects, settings.waits);
}
