#include "dialogs/reminder_rows.h"

#include <cstring>

#include "base/gbk_text.h"
#include "base/text_format.h"
#include "calendar/lunar_calendar.h"
#include "reminders/repeat_rules.h"

namespace {

// Through the system's runtime: std::to_string and std::snprintf would link
// the C++ library's own printf family, some 17 KiB.
std::string Number(int n) {
  char text[16];
  FormatText(text, sizeof text, "%d", n);
  return text;
}

std::string WeeklyText(uint16_t mask) {
  mask &= kWeekdayBits;
  if (mask == kWorkdays) return "工作日";
  std::string text = "每周";
  if (mask != 0) text += " ";
  // Monday first, Sunday last.
  for (int i = 1; i <= 7; ++i) {
    const int weekday = i % 7;
    if (mask >> weekday & 1) text += calendar::WeekdayName(weekday);
  }
  return text;
}

std::string LunarWords(const calendar::LunarDate& lunar) {
  return calendar::MonthName(lunar.month, lunar.leap) + calendar::DayName(lunar.day);
}

}  // namespace

uint32_t ReminderRowData(const ReminderRecord& record) {
  return (static_cast<uint32_t>(record.nRepeat) << 16) | record.nId;
}

const char* RepeatText(uint16_t repeat) {
  if (repeat == RepeatDaily) return "每日一次";
  if (repeat == RepeatOnce) return "单只一次";
  return "";
}

std::string RepeatText(const ReminderRecord& record) {
  const LocalTime& when = record.stWhen;
  switch (record.nRepeat) {
    case RepeatDaily:
    case RepeatOnce:
      return RepeatText(record.nRepeat);
    case RepeatWeekly:
      return WeeklyText(when.wDayOfWeek);
    case RepeatMonthly:
      return "每月 " + Number(when.wDay) + "日";
    case RepeatYearly:
      return "每年 " + Number(when.wMonth) + "月" + Number(when.wDay) + "日";
    case RepeatLunarYearly: {
      calendar::LunarDate anchor;
      return LunarAnchorOf(record, &anchor) ? "农历每年 " + LunarWords(anchor) : "农历每年";
    }
    default:
      return std::string();
  }
}

std::string LunarRepeatText(const LocalTime& date) {
  calendar::LunarDate lunar;
  const calendar::Date d{date.wYear, date.wMonth, date.wDay};
  if (!calendar::InRange(d) || !calendar::ToLunar(d, &lunar)) return "农历日期只在1901年至2100年之间";
  return "农历每年 " + LunarWords(lunar);
}

std::string DayRemindersText(const std::vector<const ReminderRecord*>& reminders) {
  std::string text;
  for (const ReminderRecord* r : reminders) {
    char time[8];
    FormatText(time, sizeof time, "%02d:%02d", r->stWhen.wHour % 100, r->stWhen.wMinute % 100);
    text += text.empty() ? "提醒：" : "、";
    text += std::string(time) + " " + FieldText(r->sTitle);
  }
  return text;
}

std::optional<uint32_t> RowTextColour(uint32_t data) {
  const uint16_t repeat = static_cast<uint16_t>(data >> 16);
  if (repeat == RepeatOnce) return 0x000080FFu;          // RGB(255, 128, 0)
  if (IsKnownRepeat(repeat)) return 0x00FF8000u;         // RGB(0, 128, 255)
  return std::nullopt;
}

void FolderBrowserStart(const char* text, char* out, size_t outSize) {
  if (outSize == 0) return;
  char cut[260];
  gbk::CopyText(cut, sizeof cut, text);
  size_t length = std::strlen(cut);
  if (length > 0 && gbk::EndsWithSeparator(cut)) cut[--length] = '\0';
  gbk::CopyText(out, outSize, cut);
}

void FolderStatusText(const char* path, char* out, size_t outSize) {
  if (outSize == 0) return;
  char cut[256];
  gbk::CopyText(cut, sizeof cut, path);
  gbk::CopyText(out, outSize, cut);
}
