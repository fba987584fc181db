// Visual checks: writes a reminder file holding one enabled daily reminder at
// HH:MM that shows a message board (the default) or shuts down or restarts the
// computer after the countdown, so that a started clock acts on cue.
// Usage: make_reminder FILE HH MM [message|shutdown|restart]
#include <cstdio>
#include <cstdlib>
#include <string>

#include "reminders/reminder_record.h"

int main(int argc, char** argv) {
  if (argc != 4 && argc != 5) {
    std::fprintf(stderr, "usage: make_reminder FILE HH MM [message|shutdown|restart]\n");
    return 2;
  }
  const std::string kind = argc == 5 ? argv[4] : "message";
  if (kind != "message" && kind != "shutdown" && kind != "restart") {
    std::fprintf(stderr, "make_reminder: unknown kind %s\n", kind.c_str());
    return 2;
  }
  const int hour = std::atoi(argv[2]);
  const int minute = std::atoi(argv[3]);
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59) {
    std::fprintf(stderr, "make_reminder: no such time %s:%s\n", argv[2], argv[3]);
    return 2;
  }
  ReminderRecord record = MakeEmptyReminder();
  SetFieldText(record.sTitle, "喝水提醒");
  SetFieldText(record.sMessage, "该起来活动一下了：喝杯水，看看远处。\r\n休息五分钟再继续。");
  record.bEnabled = 1;
  record.nRepeat = RepeatDaily;
  record.nAction = kind == "shutdown" ? ActionShutdown : kind == "restart" ? ActionRestart : ActionNone;
  record.nFlags = kind == "message" ? FlagMessage : 0;
  record.stWhen.wHour = static_cast<uint16_t>(hour);
  record.stWhen.wMinute = static_cast<uint16_t>(minute);
  FILE* f = std::fopen(argv[1], "wb");
  if (!f) {
    std::perror(argv[1]);
    return 1;
  }
  const bool written = std::fwrite(&record, sizeof record, 1, f) == 1;
  if (std::fclose(f) != 0 || !written) {
    std::fprintf(stderr, "make_reminder: could not write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
