// Writing the program's reminder list to its file ("Ticora.rmd" beside the
// program) from a dialog that changed it.
#pragma once
#include <windows.h>

#include "reminders/reminder_list.h"

// Saves list; when that fails, says so in a message box owned by owner (the
// changes stay in the running program) and returns false.
bool SaveReminderFile(HWND owner, ReminderList& list);
