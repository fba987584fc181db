// How the clock settings dialog shows reminders in its list: the row data
// that ties a row to its record, the repeat text and the row colour, and the
// folder browser's small rules.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/local_time.h"
#include "reminders/reminder_record.h"

// nRepeat << 16 | nId.
uint32_t ReminderRowData(const ReminderRecord& record);
inline uint16_t RowDataId(uint32_t data) { return static_cast<uint16_t>(data & 0xFFFF); }

// "每日一次" for a daily reminder, "单只一次" for a once-only one ("" otherwise).
const char* RepeatText(uint16_t repeat);

// The "类型" column's name of a reminder's kind: "每日一次", "单只一次";
// "工作日" (Monday to Friday) or "每周 " and the days from Monday to Sunday
// ("每周 一三五", "每周 六日"); "每月 15日"; "每年 3月8日"; "农历每年 八月十五",
// "农历每年 闰六月初一" (just "农历每年" when its date has no lunar date);
// "" for a kind this program does not know.
std::string RepeatText(const ReminderRecord& record);

// What the editor shows beside its date picker for a lunar-yearly reminder
// on date: "农历每年 八月十五"; a note that the lunar table ends when the
// date lies outside it.
std::string LunarRepeatText(const LocalTime& date);

// The line the calendar adds to a day's description for the reminders that
// fall due on it: "提醒：08:30 晨会、19:00 生日" ("" when there are none).
// Titles are read within their fields.
std::string DayRemindersText(const std::vector<const ReminderRecord*>& reminders);

// Text colour of a row as 0x00BBGGRR: once-only orange, every repeating kind
// blue like the daily one; none (the list's own colour) for a kind this
// program does not know.
std::optional<uint32_t> RowTextColour(uint32_t data);

// The theme directory kept from a text: at most 127 bytes, never half a character.
constexpr size_t kThemeDirectorySize = 128;

// The folder browser's start: text cut to 259 bytes (never half a
// character), with one trailing backslash or slash removed.
void FolderBrowserStart(const char* text, char* out, size_t outSize);
// The status text for a selected folder: its path, at most 255 bytes.
void FolderStatusText(const char* path, char* out, size_t outSize);
