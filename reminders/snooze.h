// "稍后提醒": a reminder shown again after a few minutes, its board and sound
// only, never its action. Snoozes are kept beside the settings until shown,
// so that they survive a restart of the program.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/local_time.h"
#include "reminders/late_reminders.h"

// The snooze times offered, in minutes, and the one used until the user picks.
constexpr int kSnoozeChoices[] = {5, 10, 15, 30, 60};
constexpr int kDefaultSnoozeMinutes = 10;
// minutes when it is one of the choices, else the default.
int ValidSnoozeMinutes(int minutes);

struct Snooze {
  ReminderKey key;
  int64_t due = 0;  // SecondStamp of the moment it shows again
};

// When a snooze of minutes taken at now ends: now + minutes, or the record's
// next regular due minute after now's minute when that comes first (the
// regular firing then shows it, once).
int64_t SnoozeEnd(const ReminderRecord& record, int64_t now, int minutes);

// "2026-12-09 08:40:00,12,3735928559": due moment, key, title checksum.
void FormatSnooze(const Snooze& snooze, char* out, size_t outSize);
bool ParseSnooze(const char* text, Snooze* snooze);

class SnoozeList {
 public:
  // At most this many are kept; the oldest goes first.
  static constexpr size_t kMaxSnoozes = 32;

  // Snoozes record from now for minutes, replacing an earlier snooze of it.
  void Add(const ReminderRecord& record, int64_t now, int minutes);
  void Set(const std::vector<Snooze>& items);
  const std::vector<Snooze>& Items() const { return items_; }

  // One tick, only while reminders are on: a snooze whose reminder is gone
  // is dropped; one that has come due shows its reminder's board (or taskbar
  // message) and sound again when at most five minutes late, is listed as
  // missed when older, and is dropped without showing when the reminder is
  // regularly due in this minute anyway. Returns whether the list changed.
  bool Tick(const ReminderList& list, const LocalTime& now, bool remindersOn, ReminderEffects& effects,
            const ReminderSettings& settings);

 private:
  std::vector<Snooze> items_;
};

// Shows a reminder's board (or taskbar message) and plays its sound, as a
// snooze does: never its action.
void ShowReminderAgain(const ReminderRecord& record, ReminderEffects& effects, const ReminderSettings& settings);
