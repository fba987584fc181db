// The chime and reminder part of the clock window's one-second tick, in one
// call so that the order is fixed in one place: the chime first, then the
// reminders (a reminder's sound in the same tick thereby cuts off the chime).
#pragma once
#include "base/gbk_text.h"
#include "base/local_time.h"
#include "reminders/hourly_chime.h"
#include "reminders/reminder_effects.h"
#include "reminders/reminder_list.h"
#include "reminders/late_reminders.h"
#include "reminders/reminder_scheduler.h"
#include "reminders/snooze.h"

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
  QuietHours quiet;          // bQuietHours, nQuietFrom, nQuietTo
};

// Sets the theme directory: at most 127 bytes of dir, never half a character.
void SetThemeDirectory(TimedCheckSettings& settings, const char* dir);

// Runs the chime check when the chime is on, then the reminder check when
// reminders are on. A switched-off check changes no latch. The preview copy of
// the clock window must not call this.
void RunTimedChecks(const LocalTime& now, const TimedCheckSettings& settings, ChimeLatch& latch,
                    ReminderList& reminders, ReminderEffects& effects);

// What the desktop clock's checks remember from tick to tick.
struct TimedCheckState {
  ChimeLatch chime;
  ReminderWatch watch;   // the previous tick, for the skipped minutes
  SnoozeList snoozes;
};

// The clock's checks of one tick: the chime (silent in the quiet hours, the
// latch set all the same), then the reminders with the minutes skipped since
// the previous tick, then the snoozes that came due. Returns whether the
// snooze list changed (the caller keeps it beside the settings).
bool RunTimedChecks(const LocalTime& now, const TimedCheckSettings& settings, TimedCheckState& state,
                    ReminderList& reminders, ReminderEffects& effects);
