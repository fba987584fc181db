#include "reminders/program_reminders_win.h"

#include "base/file_system_win.h"

ReminderList& ProgramReminders() {
  static Win32FileSystem files;
  static ReminderList list(&files);
  return list;
}
