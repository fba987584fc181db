#include "dialogs/reminder_rows.h"

#include <cstring>

#include "base/gbk_text.h"

uint32_t ReminderRowData(const ReminderRecord& record) {
  return (static_cast<uint32_t>(record.nRepeat) << 16) | record.nId;
}

const char* RepeatText(uint16_t repeat) {
  if (repeat == RepeatDaily) return "每日一次";
  if (repeat == RepeatOnce) return "单只一次";
  return "";
}

std::optional<uint32_t> RowTextColour(uint32_t data) {
  switch (data >> 16) {
    case RepeatDaily:
      return 0x00FF8000u;  // RGB(0, 128, 255)
    case RepeatOnce:
      return 0x000080FFu;  // RGB(255, 128, 0)
    default:
      return std::nullopt;
  }
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
