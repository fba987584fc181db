#include "reminders/snooze.h"

#include <cstdlib>

#include "base/text_format.h"
#include "calendar/gregorian.h"
#include "reminders/repeat_rules.h"

int ValidSnoozeMinutes(int minutes) {
  for (int choice : kSnoozeChoices) {
    if (choice == minutes) return minutes;
  }
  return kDefaultSnoozeMinutes;
}

int64_t SnoozeEnd(const ReminderRecord& record, int64_t now, int minutes) {
  const int64_t end = now + static_cast<int64_t>(ValidSnoozeMinutes(minutes)) * 60;
  const int dueMinute = DueMinuteOfDay(record);
  if (now < 0 || dueMinute < 0 || record.bEnabled == 0 || !IsKnownRepeat(record.nRepeat)) return end;
  const int64_t nowMinute = static_cast<uint32_t>(now) / 60u;
  for (int64_t day = static_cast<uint32_t>(nowMinute) / 1440u; day <= static_cast<uint32_t>(end) / 86400u; ++day) {
    const int64_t at = day * 1440 + dueMinute;
    if (at <= nowMinute || at * 60 > end) continue;
    if (FallsDueOn(record, MakeDueDay(calendar::DateOfDayNumber(static_cast<int>(day))))) return at * 60;
  }
  return end;
}

void FormatSnooze(const Snooze& snooze, char* out, size_t outSize) {
  char when[24];
  FormatStamp(snooze.due, when, sizeof when);
  FormatText(out, outSize, "%s,%u,%lu", when, static_cast<unsigned>(snooze.key.id),
             static_cast<unsigned long>(snooze.key.titleHash));
}

namespace {

// A decimal number up to the next comma or the end, at most max.
bool ParseNumber(const char*& p, unsigned long max, unsigned long* value) {
  if (*p < '0' || *p > '9') return false;
  unsigned long v = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    if (v > (max - static_cast<unsigned long>(*p - '0')) / 10) return false;
    v = v * 10 + static_cast<unsigned long>(*p - '0');
  }
  *value = v;
  return true;
}

}  // namespace

bool ParseSnooze(const char* text, Snooze* snooze) {
  if (!text || !snooze) return false;
  char when[20];
  for (size_t i = 0; i < sizeof when - 1; ++i) {
    if (!text[i]) return false;
    when[i] = text[i];
  }
  when[sizeof when - 1] = '\0';
  const int64_t due = ParseStamp(when);
  const char* p = text + sizeof when - 1;
  unsigned long id = 0, hash = 0;
  if (due < 0 || *p++ != ',' || !ParseNumber(p, 0xFFFFu, &id) || *p++ != ',' ||
      !ParseNumber(p, 0xFFFFFFFFul, &hash) || *p != '\0')
    return false;
  snooze->due = due;
  snooze->key.id = static_cast<uint16_t>(id);
  snooze->key.titleHash = static_cast<uint32_t>(hash);
  return true;
}

void SnoozeList::Add(const ReminderRecord& record, int64_t now, int minutes) {
  Snooze s;
  s.key = KeyOf(record);
  s.due = SnoozeEnd(record, now, minutes);
  for (size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].key == s.key) {
      items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(i));
      break;
    }
  }
  if (items_.size() >= kMaxSnoozes) items_.erase(items_.begin());
  items_.push_back(s);
}

void SnoozeList::Set(const std::vector<Snooze>& items) {
  items_.clear();
  for (const Snooze& s : items) {
    if (items_.size() < kMaxSnoozes) items_.push_back(s);
  }
}

void ShowReminderAgain(const ReminderRecord& record, ReminderEffects& effects, const ReminderSettings& settings) {
  const RecordTexts texts(record);
  effects.TidyMessageBoards();
  if (record.nFlags & FlagTaskbarMessage) {
    effects.ShowTaskbarMessage(KeyOf(record), texts.title, texts.message, settings.messageWait);
  } else {
    effects.OpenReminderBoard(KeyOf(record), texts.title, texts.message, settings.messageWait);
  }
  if (record.nFlags & FlagSound) effects.StartSound(texts.path);
}

bool SnoozeList::Tick(const ReminderList& list, const LocalTime& now, bool remindersOn, ReminderEffects& effects,
                      const ReminderSettings& settings) {
  if (!remindersOn) return false;
  const int64_t stamp = SecondStamp(now);
  if (stamp < 0) return false;
  bool changed = false;
  for (size_t i = 0; i < items_.size();) {
    const Snooze s = items_[i];
    const ReminderRecord* record = FindByKey(list, s.key);
    if (record && stamp < s.due) {
      ++i;
      continue;
    }
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(i));
    changed = true;
    if (!record || (record->bEnabled != 0 && IsReminderDue(*record, now))) continue;
    // The effects get a copy; they do not touch the snoozes.
    const ReminderRecord copy = *record;
    if (stamp - s.due <= kLateFireSeconds) {
      ShowReminderAgain(copy, effects, settings);
    } else {
      MissedReminder m = MakeMissed(copy, s.due);
      m.action = ActionNone;  // a snooze never carries out an action
      effects.ReportMissed(&m, 1);
    }
  }
  return changed;
}
