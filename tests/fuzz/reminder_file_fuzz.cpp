// The reminder file on any bytes: loaded as the program loads it, its records'
// texts read, then every record checked at the minute the first one names and
// fired, as the clock's per-second check does; the days of that month that
// the calendar would mark, and the reminders of that day.
#include <cstddef>
#include <cstdint>
#include <string>

#include "reminders/reminder_days.h"
#include "reminders/reminder_list.h"
#include "reminders/reminder_scheduler.h"
#include "tests/support/reminder_fakes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FakeFileSystem fs;
  fs.files["Ticora.rmd"].assign(data, data + size);
  ReminderList list(&fs);
  if (!list.Load("Ticora.rmd")) return 0;
  size_t total = 0;
  for (size_t i = 0; i < list.count(); ++i) {
    const ReminderRecord& r = *list.At(i);
    total += FieldText(r.sTitle).size() + FieldText(r.sMessage).size() + FieldText(r.sPath).size();
    char cut[7];
    CopyFieldTo(r.sMessage, cut, sizeof cut);
  }
  const ReminderRecord& first = *list.At(0);
  LocalTime now = first.stWhen;
  RecordingEffects effects;
  CheckReminders(list, now, effects, ReminderSettings{5, 30});
  CheckReminders(list, now, effects, ReminderSettings{0, 0});
  total += static_cast<size_t>(MarkedCells(list, now.wYear, now.wMonth) & 1);
  total += RemindersOn(list, {now.wYear, now.wMonth, now.wDay}).size();
  list.Save("Ticora.rmd");
  return total == static_cast<size_t>(-1);
}
