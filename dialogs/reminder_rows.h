// How the clock settings dialog shows reminders in its list: the row data
// that ties a row to its record, the repeat text and the row colour, and the
// folder browser's small rules.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>

#include "reminders/reminder_record.h"

// nRepeat << 16 | nId.
uint32_t ReminderRowData(const ReminderRecord& record);
inline uint16_t RowDataId(uint32_t data) { return static_cast<uint16_t>(data & 0xFFFF); }

// "每日一次" for a daily reminder, "单只一次" for a once-only one ("" otherwise).
const char* RepeatText(uint16_t repeat);

// Text colour of a row as 0x00BBGGRR: daily blue, once-only orange; none
// (the list's own colour) for any other repeat value.
std::optional<uint32_t> RowTextColour(uint32_t data);

// The theme directory kept from a text: at most 127 bytes, never half a character.
constexpr size_t kThemeDirectorySize = 128;

// The folder browser's start: text cut to 259 bytes (never half a
// character), with one trailing backslash or slash removed.
void FolderBrowserStart(const char* text, char* out, size_t outSize);
// The status text for a selected folder: its path, at most 255 bytes.
void FolderStatusText(const char* path, char* out, size_t outSize);
