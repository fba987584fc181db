#include "reminders/timed_checks.h"

#include "base/gbk_text.h"

void SetThemeDirectory(TimedCheckSettings& settings, const char* dir) {
  gbk::CopyText(settings.themeDir, sizeof settings.themeDir, dir, settings.isLead);
}

void RunTimedChecks(const LocalTime& now, const TimedCheckSettings& settings, ChimeLatch& latch,
                    ReminderList& reminders, ReminderEffects& effects) {
  if (settings.chimeOn && ChimeCheck(latch, now)) {
    PlayHourlyChime(settings.themeDir, now.wHour, effects, settings.isLead);
  }
  if (settings.remindersOn) CheckReminders(reminders, now, effects, settings.waits);
}
