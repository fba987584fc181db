// The per-second reminder check and what a due reminder does.
#pragma once
#include "base/local_time.h"
#include "reminders/reminder_effects.h"
#include "reminders/reminder_list.h"
#include "reminders/reminder_record.h"
#include "reminders/repeat_rules.h"

// The clock window's current copies of the wait settings.
struct ReminderSettings {
  int messageWait = 0;   // nMessageWait: a message board's countdown, seconds
  int shutdownWait = 0;  // nShutdownWait: the shutdown countdown, seconds
};

// Whether record is due at now: now's hour and minute are the record's and
// the record falls due on now's date by the rules of its kind
// (repeat_rules.h; now.wDayOfWeek is not trusted, the date decides). Unknown
// kinds are never due. Seconds are not looked at; bEnabled and bFired are not
// looked at. To ask about many moments, use FallsDueOn and DueMinuteOfDay.
bool IsReminderDue(const ReminderRecord& record, const LocalTime& now);

// Scans the list in order: an enabled record that is due and not yet fired in
// this minute is latched (bFired = 1) and fired; an enabled record that is not
// due is re-armed (bFired = 0). Disabled records and records with an unknown
// nRepeat are left as they are. Returns how many reminders fired.
int CheckReminders(ReminderList& list, const LocalTime& now, ReminderEffects& effects,
                   const ReminderSettings& settings);

// Carries out one reminder: tidies the message boards, then acts on nAction.
void FireReminder(const ReminderRecord& record, ReminderEffects& effects,
                  const ReminderSettings& settings);
