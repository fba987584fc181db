#include "reminders/reminder_record.h"

#include <cstring>

ReminderRecord MakeEmptyReminder() {
  ReminderRecord record{};  // value-initialised: every byte zero (there is no padding)
  return record;
}

size_t FieldLength(const char* field, size_t width) {
  if (field == nullptr) return 0;
  const void* nul = std::memchr(field, '\0', width);
  return nul ? static_cast<size_t>(static_cast<const char*>(nul) - field) : width;
}

std::string FieldText(const char* field, size_t width) {
  return std::string(field ? field : "", FieldLength(field, width));
}

size_t CopyFieldTo(const char* field, size_t width, char* out, size_t outSize) {
  if (out == nullptr || outSize == 0) return 0;
  size_t n = FieldLength(field, width);
  if (n > outSize - 1) n = outSize - 1;
  if (n > 0) std::memcpy(out, field, n);
  out[n] = '\0';
  return n;
}

RecordTexts::RecordTexts(const ReminderRecord& record) {
  CopyFieldTo(record.sTitle, title, sizeof title);
  CopyFieldTo(record.sMessage, message, sizeof message);
  CopyFieldTo(record.sPath, path, sizeof path);
}

bool SetFieldText(char* field, size_t width, const char* text) {
  if (field == nullptr || width == 0) return false;
  std::memset(field, 0, width);
  if (text == nullptr) return true;
  size_t n = std::strlen(text);
  bool fits = n < width;
  if (!fits) n = width - 1;
  std::memcpy(field, text, n);
  return fits;
}

uint16_t ReminderIdFromTime(const LocalTime& when) {
  return static_cast<uint16_t>(((when.wSecond & 0xFFu) << 8) | (when.wMilliseconds % 256u));
}
