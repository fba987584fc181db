// Reminders whose minute the ticks did not land in: a tick that came late, a
// computer that slept or hibernated, a clock set forward, a program that was
// not running. Every due minute after the previous tick is looked at: a
// reminder at most five minutes late is carried out as usual, an older one is
// "missed" - never carried out late, but listed for the user.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/local_time.h"
#include "reminders/reminder_effects.h"
#include "reminders/reminder_list.h"
#include "reminders/reminder_scheduler.h"

// A moment as seconds since 1970-01-01 00:00 of local time (no time zone, no
// daylight saving: the clock's own reading). -1 for a time that is no real
// date and time of day.
int64_t SecondStamp(const LocalTime& time);
// The local time of a stamp (wDayOfWeek set, milliseconds 0).
LocalTime TimeOfStamp(int64_t seconds);

// How late a reminder may be carried out, in seconds after the start of its
// minute; a later one is missed.
constexpr int64_t kLateFireSeconds = 5 * 60;
// Ticks further apart than this are a gap (a delayed timer stays below it).
constexpr int64_t kGapSeconds = 90;
// How far back a gap is looked at.
constexpr int kGapLookBackDays = 7;

// The first record with that key (reminder_effects.h), or null.
const ReminderRecord* FindByKey(const ReminderList& list, const ReminderKey& key);
ReminderRecord* FindByKey(ReminderList& list, const ReminderKey& key);

// One reminder that was not carried out, with copies of what the list shows.
struct MissedReminder {
  ReminderKey key;
  LocalTime due;             // its latest due time in the gap
  uint16_t action = ActionNone;
  char title[kReminderTitleSize] = {};
  char message[kReminderMessageSize] = {};
};
MissedReminder MakeMissed(const ReminderRecord& record, int64_t dueSeconds);

// Adds more to list: a reminder already listed keeps one line with the later
// due time; new ones are appended.
void MergeMissed(std::vector<MissedReminder>& list, const std::vector<MissedReminder>& more);

// What a scan of the skipped minutes found: list indices of the records to
// carry out now (at most five minutes late), and the missed ones.
struct SkippedMinutes {
  std::vector<size_t> fireLate;
  std::vector<MissedReminder> missed;
};

// Looks at every due minute m of the enabled records with
// minute(previous) < m < minute(now), but not before now minus seven days.
// A record due at several of them counts once, at its latest. Records also
// due in now's own minute are left to the ordinary check. Nothing is looked
// at when now is not after previous (the clock was set back).
SkippedMinutes ScanSkippedMinutes(const ReminderList& list, int64_t previous, int64_t now);

// The reminder check of one tick with the skipped minutes: remembers the
// previous tick and runs CheckReminders for the current one.
class ReminderWatch {
 public:
  // The moment the program was last seen running with reminders on (read at
  // start from beside the settings); -1 when unknown.
  void Start(int64_t lastSeen) { previous_ = lastSeen; }
  // One tick. remindersOn false looks at nothing and forgets the previous
  // tick, so that a time with the switch off is never reported as a gap.
  // Late reminders are carried out first, then the ordinary check, then the
  // missed ones are handed to effects.ReportMissed in one call. Returns how
  // many reminders were carried out.
  int Tick(ReminderList& list, const LocalTime& now, bool remindersOn, ReminderEffects& effects,
           const ReminderSettings& settings);
  // The tick before (or the last-seen moment), -1 none.
  int64_t Previous() const { return previous_; }

 private:
  int64_t previous_ = -1;
};

// Whether the last-seen moment is to be written again: the first time, after
// ten minutes, or when the clock went back before the last write.
constexpr int64_t kLastSeenPeriodSeconds = 10 * 60;
bool LastSeenDue(int64_t lastWritten, int64_t now);

// "2026-12-09 08:30:00" for a stamp; the reader takes only that form.
void FormatStamp(int64_t seconds, char* out, size_t outSize);
int64_t ParseStamp(const char* text);

// The words of a missed line for an action not carried out, "" for none.
const char* NotCarriedOutText(uint16_t action);
// One line of the missed board: "12-09 08:30 title 未执行：... ：message"
// (the note only for an action) with line breaks of the message turned into
// blanks, cut to fit outSize without splitting a character.
void FormatMissedLine(const MissedReminder& missed, char* out, size_t outSize);
// The text of the missed board: a line of at most kMissedLineBytes bytes for
// each reminder, at most kMissedBoardLines lines; when there are more, the
// last line says how many are not shown. Lines end in CR LF.
constexpr size_t kMissedLineBytes = 46;
constexpr size_t kMissedBoardLines = 6;
void FormatMissedBoard(const std::vector<MissedReminder>& missed, char* out, size_t outSize);
