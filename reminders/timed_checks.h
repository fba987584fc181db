// The chime and reminder part of the clock window's one-second tick, in one
// call so that the order is fixed in one place: the chime first, then the
// reminders (a reminder's sound in the same tick thereby cuts off the chime).
#pragma once
#include "base/gbk_text.h"
#include "base/local_time.h"
#include "reminders/hourly_chime.h"
#include "reminders/reminder_effects.h"
#include "reminders/reminder_list.h"
#include "reminders/reminder_scheduler.h"

// The desktop clock's current switches and settings for the checks, its own
// copies of the settings file's values.
struct TimedCheckSettings {
  bool chimeOn = false;      // bSignalClock
  bool remindersOn = false;  // bAffairRemind
  ReminderSettings waits;    // nMessageWait, nShutdownWait
  char themeDir[128] = {};   // sSignalFile, the sound-theme directory
  // The lead bytes of the code page the directory is in (the system's in the
  // program).
  gbk::LeadByteRule isLead = gbk::IsLeadByte;
};

// Sets the theme directory: at most 127 bytes of dir, never half a character.
void SetThemeDirectory(TimedCheckSettings& settings, const char* dir);

// Runs the chime check when the chime is on, then the reminder check when
// reminders are on. A switched-off check changes no latch. The preview copy of
// the clock window must not call this.
void RunTimedChecks(const LocalTime& now, const TimedCheckSettings& settings, ChimeLatch& latch,
                    ReminderList& reminders, ReminderEffects& effects);
