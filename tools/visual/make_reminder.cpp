// Visual checks: writes a reminder file holding one enabled daily reminder at
// HH:MM that shows a message board (the default) or shuts down or restarts the
// computer after the countdown, so that a started clock acts on cue.
// With --samples it writes a handful of varied reminders instead, for the
// pictures of the reminder list.
// Usage: make_reminder FILE HH MM [message|shutdown|restart]
//        make_reminder FILE --samples
#include <cstdio>
#include <cstdlib>
#include <string>

#include "reminders/reminder_record.h"

namespace {

int WriteSamples(const char* path) {
  struct Sample {
    const char* title;
    const char* message;
    uint16_t repeat, action, flags, enabled;
    int hour, minute;
    int month = 12, day = 24;
    uint16_t days = 4;  // wDayOfWeek: the weekday, or a weekly reminder's days
  } samples[] = {
      // The repeating kinds first: the list shows them at its bottom.
      {"妈妈生日", "记得打电话。", RepeatLunarYearly, ActionNone, FlagMessage, 1, 9, 0, 9, 25, 5},
      {"结婚纪念日", "订花。", RepeatYearly, ActionNone, FlagMessage, 1, 10, 0, 3, 8, 0},
      {"交房租", "", RepeatMonthly, ActionNone, FlagNoMessage | FlagSound, 1, 9, 30, 12, 15, 2},
      {"写日报", "", RepeatWeekly, ActionNone, FlagTaskbarMessage, 1, 17, 30, 12, 1, 0x3E},
      {"健身", "去健身房。", RepeatWeekly, ActionNone, FlagMessage, 1, 19, 0, 12, 2, 0x2A},
      {"晨会", "九点整在三楼会议室开晨会。", RepeatDaily, ActionNone, FlagMessage, 1, 8, 55},
      {"给远方的朋友打电话，顺便问问下个月聚会的时间和地点安排", "", RepeatOnce, ActionNone, FlagNoMessage | FlagSound,
       1, 19, 30},
      {"午休", "休息一下。", RepeatDaily, ActionNone, FlagTaskbarMessage, 0, 12, 0},
      {"下班关机", "", RepeatDaily, ActionShutdown, FlagNoMessage | FlagForceAction, 1, 18, 0},
      {"Backup", "", RepeatOnce, ActionRunProgram, FlagNoMessage, 1, 23, 0},
  };
  FILE* f = std::fopen(path, "wb");
  if (!f) {
    std::perror(path);
    return 1;
  }
  bool written = true;
  for (const Sample& s : samples) {
    ReminderRecord record = MakeEmptyReminder();
    SetFieldText(record.sTitle, s.title);
    SetFieldText(record.sMessage, s.message);
    if (s.action == ActionRunProgram) SetFieldText(record.sPath, "C:\\Tools\\backup.exe /quiet");
    if (s.flags & FlagSound) SetFieldText(record.sPath, "C:\\Sounds\\ring.wav");
    record.bEnabled = s.enabled;
    record.nRepeat = s.repeat;
    record.nAction = s.action;
    record.nFlags = s.flags;
    record.nId = static_cast<uint16_t>(s.hour * 60 + s.minute);
    record.stWhen.wYear = 2026;
    record.stWhen.wMonth = static_cast<uint16_t>(s.month);
    record.stWhen.wDay = static_cast<uint16_t>(s.day);
    record.stWhen.wDayOfWeek = s.days;
    record.stWhen.wHour = static_cast<uint16_t>(s.hour);
    record.stWhen.wMinute = static_cast<uint16_t>(s.minute);
    written = written && std::fwrite(&record, sizeof record, 1, f) == 1;
  }
  if (std::fclose(f) != 0 || !written) {
    std::fprintf(stderr, "make_reminder: could not write %s\n", path);
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[2]) == "--samples") return WriteSamples(argv[1]);
  if (argc != 4 && argc != 5) {
    std::fprintf(stderr, "usage: make_reminder FILE HH MM [message|shutdown|restart] | FILE --samples\n");
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
