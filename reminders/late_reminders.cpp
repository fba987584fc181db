#include "reminders/late_reminders.h"


#include "base/gbk_text.h"
#include "base/text_format.h"
#include "calendar/gregorian.h"
#include "reminders/repeat_rules.h"

namespace {

constexpr int64_t kDayMinutes = 1440;

// Valid stamps lie in 0 .. 2^32 - 1 (up to the year 2106), so that they are
// divided in 32 bits.
constexpr int kLastDayNumber = 49709;  // 2106-02-06

uint32_t Minute(int64_t seconds) { return static_cast<uint32_t>(seconds) / 60u; }

}  // namespace

int64_t SecondStamp(const LocalTime& time) {
  const calendar::Date date{time.wYear, time.wMonth, time.wDay};
  if (!calendar::IsValidDate(date) || time.wHour > 23 || time.wMinute > 59 || time.wSecond > 59) return -1;
  const int64_t day = calendar::DayNumber(date);
  if (day < 0 || day > kLastDayNumber) return -1;
  return day * 86400 + time.wHour * 3600 + time.wMinute * 60 + time.wSecond;
}

LocalTime TimeOfStamp(int64_t seconds) {
  const uint32_t s = seconds < 0 ? 0u : static_cast<uint32_t>(seconds);
  const uint32_t day = s / 86400u;
  const uint32_t rest = s % 86400u;
  const calendar::Date date = calendar::DateOfDayNumber(static_cast<int>(day));
  LocalTime t;
  t.wYear = static_cast<uint16_t>(date.year);
  t.wMonth = static_cast<uint16_t>(date.month);
  t.wDay = static_cast<uint16_t>(date.day);
  t.wDayOfWeek = static_cast<uint16_t>(calendar::Weekday(date));
  t.wHour = static_cast<uint16_t>(rest / 3600);
  t.wMinute = static_cast<uint16_t>(rest / 60 % 60);
  t.wSecond = static_cast<uint16_t>(rest % 60);
  return t;
}

const ReminderRecord* FindByKey(const ReminderList& list, const ReminderKey& key) {
  for (size_t i = 0; i < list.count(); ++i) {
    const ReminderRecord* r = list.At(i);
    if (r && KeyOf(*r) == key) return r;
  }
  return nullptr;
}

ReminderRecord* FindByKey(ReminderList& list, const ReminderKey& key) {
  return const_cast<ReminderRecord*>(FindByKey(static_cast<const ReminderList&>(list), key));
}

MissedReminder MakeMissed(const ReminderRecord& record, int64_t dueSeconds) {
  MissedReminder m;
  m.key = KeyOf(record);
  m.due = TimeOfStamp(dueSeconds);
  m.action = record.nAction;
  CopyFieldTo(record.sTitle, m.title, sizeof m.title);
  CopyFieldTo(record.sMessage, m.message, sizeof m.message);
  return m;
}

void MergeMissed(std::vector<MissedReminder>& list, const std::vector<MissedReminder>& more) {
  for (const MissedReminder& m : more) {
    bool merged = false;
    for (MissedReminder& old : list) {
      if (!(old.key == m.key)) continue;
      if (SecondStamp(m.due) > SecondStamp(old.due)) old = m;
      merged = true;
      break;
    }
    if (!merged) list.push_back(m);
  }
}

SkippedMinutes ScanSkippedMinutes(const ReminderList& list, int64_t previous, int64_t now) {
  SkippedMinutes out;
  if (previous < 0 || now <= previous) return out;
  const int64_t nowMinute = Minute(now);
  int64_t first = static_cast<int64_t>(Minute(previous)) + 1;
  const int64_t lookBack = nowMinute - kGapLookBackDays * kDayMinutes;
  if (first < lookBack) first = lookBack;
  const int64_t last = nowMinute - 1;
  if (first > last) return out;

  const size_t count = list.count();
  std::vector<int64_t> latest(count, -1);
  for (uint32_t day = static_cast<uint32_t>(first) / 1440u; day <= static_cast<uint32_t>(last) / 1440u; ++day) {
    const DueDay dueDay = MakeDueDay(calendar::DateOfDayNumber(static_cast<int>(day)));
    for (size_t i = 0; i < count; ++i) {
      const ReminderRecord* r = list.At(i);
      if (!r || r->bEnabled == 0 || !IsKnownRepeat(r->nRepeat)) continue;
      const int minute = DueMinuteOfDay(*r);
      if (minute < 0) continue;
      const int64_t at = static_cast<int64_t>(day) * kDayMinutes + minute;
      if (at < first || at > last || at <= latest[i]) continue;
      if (FallsDueOn(*r, dueDay)) latest[i] = at;
    }
  }
  const LocalTime nowTime = TimeOfStamp(now);
  for (size_t i = 0; i < count; ++i) {
    if (latest[i] < 0) continue;
    const ReminderRecord* r = list.At(i);
    // Due again in this very minute: the ordinary check carries it out.
    if (IsReminderDue(*r, nowTime)) continue;
    if (now - latest[i] * 60 <= kLateFireSeconds) {
      out.fireLate.push_back(i);
    } else {
      out.missed.push_back(MakeMissed(*r, latest[i] * 60));
    }
  }
  return out;
}

int ReminderWatch::Tick(ReminderList& list, const LocalTime& now, bool remindersOn, ReminderEffects& effects,
                        const ReminderSettings& settings) {
  if (!remindersOn) {
    previous_ = -1;
    return 0;
  }
  const int64_t stamp = SecondStamp(now);
  // A tick within a minute of the previous one skips no minute; the scan then
  // finds nothing. Ticks up to the gap threshold apart skip minutes that are
  // all less than five minutes old, so they are simply carried out late.
  SkippedMinutes skipped;
  if (stamp >= 0) skipped = ScanSkippedMinutes(list, previous_, stamp);
  int fired = 0;
  for (size_t i : skipped.fireLate) {
    const ReminderRecord* record = list.At(i);  // null if an effect shortened the list
    if (!record) break;
    // The effects get a copy, so nothing they do to the list can pull the
    // record away underneath them.
    const ReminderRecord copy = *record;
    FireReminder(copy, effects, settings);
    ++fired;
  }
  fired += CheckReminders(list, now, effects, settings);
  if (!skipped.missed.empty()) effects.ReportMissed(skipped.missed.data(), skipped.missed.size());
  if (stamp >= 0) previous_ = stamp;
  return fired;
}

bool LastSeenDue(int64_t lastWritten, int64_t now) {
  if (now < 0) return false;
  return lastWritten < 0 || now < lastWritten || now - lastWritten >= kLastSeenPeriodSeconds;
}

void FormatStamp(int64_t seconds, char* out, size_t outSize) {
  if (seconds < 0) {
    FormatText(out, outSize, "%s", "");
    return;
  }
  const LocalTime t = TimeOfStamp(seconds);
  FormatText(out, outSize, "%04d-%02d-%02d %02d:%02d:%02d", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute,
             t.wSecond);
}

int64_t ParseStamp(const char* text) {
  if (!text) return -1;
  // Digits at the places of "YYYY-MM-DD HH:MM:SS", the separators as written.
  static const char kPattern[] = "0000-00-00 00:00:00";
  int fields[6] = {};
  int field = 0;
  for (size_t i = 0; kPattern[i]; ++i) {
    const char c = text[i];
    if (kPattern[i] == '0') {
      if (c < '0' || c > '9') return -1;
      fields[field] = fields[field] * 10 + (c - '0');
    } else {
      if (c != kPattern[i]) return -1;
      ++field;
    }
  }
  if (text[sizeof kPattern - 1] != '\0') return -1;
  LocalTime t;
  t.wYear = static_cast<uint16_t>(fields[0]);
  t.wMonth = static_cast<uint16_t>(fields[1]);
  t.wDay = static_cast<uint16_t>(fields[2]);
  t.wHour = static_cast<uint16_t>(fields[3]);
  t.wMinute = static_cast<uint16_t>(fields[4]);
  t.wSecond = static_cast<uint16_t>(fields[5]);
  return SecondStamp(t);
}

const char* NotCarriedOutText(uint16_t action) {
  switch (action) {
    case ActionShutdown:
      return "未执行：关闭计算机";
    case ActionRestart:
      return "未执行：重新启动计算机";
    case ActionRunProgram:
      return "未执行：启动程序";
    default:
      return "";
  }
}

namespace {

// Appends text to out (outSize bytes) as far as it fits without splitting a
// character; *length is the length so far.
void Append(char* out, size_t outSize, size_t* length, const char* text) {
  *length += gbk::CopyText(out + *length, outSize - *length, text);
}

}  // namespace

void FormatMissedLine(const MissedReminder& missed, char* out, size_t outSize) {
  if (!out || outSize == 0) return;
  size_t length = 0;
  char head[48];
  FormatText(head, sizeof head, "%02d-%02d %02d:%02d ", missed.due.wMonth, missed.due.wDay, missed.due.wHour,
             missed.due.wMinute);
  Append(out, outSize, &length, head);
  Append(out, outSize, &length, missed.title);
  const char* note = NotCarriedOutText(missed.action);
  if (*note) {
    Append(out, outSize, &length, " ");
    Append(out, outSize, &length, note);
  }
  if (missed.message[0]) {
    // The message comes last, so that cutting it keeps date, title and note.
    char message[kReminderMessageSize];
    size_t i = 0;
    for (; missed.message[i] && i + 1 < sizeof message; ++i) {
      const char c = missed.message[i];
      message[i] = (c == '\r' || c == '\n' || c == '\t') ? ' ' : c;
    }
    message[i] = '\0';
    Append(out, outSize, &length, "：");
    Append(out, outSize, &length, message);
  }
}

void FormatMissedBoard(const std::vector<MissedReminder>& missed, char* out, size_t outSize) {
  if (!out || outSize == 0) return;
  out[0] = '\0';
  size_t length = 0;
  for (size_t i = 0; i < missed.size(); ++i) {
    char line[kMissedLineBytes + 1];
    if (missed.size() > kMissedBoardLines && i + 1 == kMissedBoardLines) {
      FormatText(line, sizeof line, "……另有 %u 条", static_cast<unsigned>(missed.size() - i));
    } else {
      FormatMissedLine(missed[i], line, sizeof line);
    }
    if (i > 0) Append(out, outSize, &length, "\r\n");
    Append(out, outSize, &length, line);
    if (i + 1 == kMissedBoardLines) break;
  }
}
