// The per-second reminder check as it was when reminders could only repeat
// daily or fire once: the benchmark measures the current check against it,
// and the tests hold the current check to it for those two kinds.
#pragma once
#include "base/local_time.h"
#include "reminders/reminder_effects.h"
#include "reminders/reminder_list.h"
#include "reminders/reminder_scheduler.h"

bool IsReminderDueDailyOrOnce(const ReminderRecord& record, const LocalTime& now);
int CheckRemindersDailyOrOnce(ReminderList& list, const LocalTime& now, ReminderEffects& effects,
                              const ReminderSettings& settings);
