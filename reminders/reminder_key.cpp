#include "reminders/reminder_effects.h"
#include "reminders/reminder_record.h"

ReminderKey KeyOf(const ReminderRecord& record) {
  // FNV-1a over the title's bytes up to its terminator (or the field's end).
  uint32_t hash = 2166136261u;
  const size_t length = FieldLength(record.sTitle, sizeof record.sTitle);
  for (size_t i = 0; i < length; ++i) {
    hash ^= static_cast<unsigned char>(record.sTitle[i]);
    hash *= 16777619u;
  }
  ReminderKey key;
  key.id = record.nId;
  key.titleHash = hash;
  return key;
}
