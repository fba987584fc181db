// The reminder editor's decisions, apart from its window: what the controls
// show when it opens, which controls are enabled, and the record that OK
// composes from the controls (or why OK refuses).
#pragma once
#include <cstdint>
#include <string>

#include "base/local_time.h"
#include "reminders/reminder_list.h"
#include "reminders/reminder_record.h"

// The editor's three check boxes and the texts of its two path edits.
struct ReminderEditorView {
  bool soundOn = false;
  bool boardOn = false;
  bool forceOn = true;
  std::string soundPath;    // edit of the sound file
  std::string programPath;  // edit of the command line
};

// Opening on record: an existing reminder shows its flags and its path where
// its action and sound say; a new one first gets the defaults (daily, no
// action, title "新标题", empty message and path) written into record.
ReminderEditorView OpenReminderEditor(ReminderRecord& record, bool isExisting);

// A new reminder for a chosen day (the calendar's "添加提醒..."): the defaults
// of a new one, once-only, on year-month-day.
ReminderEditorView OpenReminderEditorOnDay(ReminderRecord& record, int year, int month, int day);

// The time type: the radios "每日一次", "单只一次" and "按规则重复" and, for
// the last, the rule drop-down and the seven day boxes.
enum class RepeatRadio { None, Daily, Once, Rule };  // None: a kind this program does not know
enum class RepeatRule { Weekly, Workdays, Monthly, Yearly, LunarYearly };
constexpr int kRepeatRules = 5;
// The drop-down's texts in order: 每周, 工作日, 每月, 每年, 农历每年.
const char* RepeatRuleText(RepeatRule rule);
// nRepeat of a rule.
uint16_t RepeatOfRule(RepeatRule rule);
// The day boxes from Monday to Sunday: their weekday bits (bit 0 Sunday).
constexpr uint16_t DayBoxBit(int box) { return static_cast<uint16_t>(1u << ((box + 1) % 7)); }
constexpr int kDayBoxes = 7;

struct RepeatChoice {
  RepeatRadio radio = RepeatRadio::Daily;
  RepeatRule rule = RepeatRule::Weekly;  // what the drop-down shows
  uint16_t dayMask = 0;                  // the ticked day boxes
};
// What the time type shows for record: its kind and, for a weekly one, its
// days (the mask 0x3E as 工作日). Records of other kinds show the rule 每周
// with the weekday of their date ticked, ready to be chosen.
// shownDate is the date the picker shows (the record's own date, or today's
// for a new reminder).
RepeatChoice RepeatChoiceOf(const ReminderRecord& record, const LocalTime& shownDate);
// nRepeat of a choice; the record's own value for RepeatRadio::None.
uint16_t RepeatOfChoice(const RepeatChoice& choice, uint16_t current);
// The days a weekly reminder of the choice falls due on.
uint16_t WeekdayMaskOf(const RepeatChoice& choice);

// Which controls take input.
struct ReminderEditorEnabling {
  bool datePicker;    // every kind but the daily one reads its date
  bool soundGroup;    // sound path, try and browse
  bool programGroup;  // command line and browse
  bool ruleList;      // the rule drop-down: the rule radio is chosen
  bool dayBoxes;      // the day boxes: the rule 每周 is chosen
};
ReminderEditorEnabling EditorEnabling(uint16_t repeat, bool soundOn, uint16_t action);
ReminderEditorEnabling EditorEnabling(const RepeatChoice& choice, bool soundOn, uint16_t action);

// What the line beside the date picker says about the choice on date: the
// rule as the reminder list names it ("每周 一三五", "每月 15日", "农历每年
// 八月十五"...); "" for the daily and once-only kinds.
std::string RepeatRuleLine(const RepeatChoice& choice, const LocalTime& date);

// What the controls hold when OK is pressed. The texts are whole; the
// composition cuts them to their fields.
struct ReminderEditorInput {
  bool soundOn = false;
  bool boardOn = false;
  bool forceOn = false;
  std::string title;
  std::string message;
  std::string soundPath;
  std::string programPath;
  LocalTime date;  // date picker: year, month, day of week, day are used
  LocalTime time;  // time picker: hour, minute, second, milliseconds are used
  uint16_t dayMask = 0;  // a weekly reminder's days (WeekdayMaskOf)
};

// What the controls show when the editor opens on an existing record.
ReminderEditorInput OpenedInput(const ReminderRecord& record);

enum class EditorVerdict {
  Accepted,
  NeedCommandLine,  // run-program action without a command line
  NeedSoundFile,    // sound box checked without a sound file
  NeedWeekday,      // weekly without a day of the week
  NeedLunarDate,    // lunar-yearly on a date outside the lunar table
  PathTooLong,      // the command line or sound path does not fit its field
};

// The warning shown for a refusal ("" for Accepted).
const char* EditorRefusalText(EditorVerdict verdict);

// Composes the record of OK from input and record's own nRepeat and nAction
// (set by the radios as they are clicked). Only an accepted composition
// changes record; a refused one leaves it as it was. The title and message
// are cut to their fields (63 and 255 bytes) without splitting a double-byte
// character; a path that does not fit (255 bytes) is refused, as a cut one
// would name another file or lose a command's arguments. A record whose hour
// and minute stay keeps its latch (bFired), so that it does not fire twice in
// the minute it already fired in; nId
// comes from the time's seconds and milliseconds. The date's day of week is
// stored, but for a weekly reminder the input's day mask.
// A record of a kind this program does not know keeps its kind and its date
// fields; opened, when given, is the record as the editor opened it: when
// nothing was changed (input equals OpenedInput(*opened), the same action)
// the record stays byte for byte as it was opened.
EditorVerdict ComposeReminder(const ReminderEditorInput& input, ReminderRecord& record,
                              const ReminderRecord* opened = nullptr);

// The latch of an edited record: the stored record's while its hour and
// minute are the same (it has fired in this minute already, or not), else
// cleared.
void KeepLatch(ReminderRecord& edited, const ReminderRecord& stored);

// A key for a record about to be stored in list: wanted when no other record
// holds it, else the next value up (wrapping past 0xFFFF) that none holds.
// self, when given, is the record in the list that is being replaced: its own
// key does not count as taken.
uint16_t DistinctReminderId(const ReminderList& list, uint16_t wanted, const ReminderRecord* self = nullptr);
