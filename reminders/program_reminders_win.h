// The one reminder list of the program, with the system's file replacing.
#pragma once
#include "reminders/reminder_list.h"

// Exists, empty, from first use until the process ends; never written at exit.
ReminderList& ProgramReminders();
