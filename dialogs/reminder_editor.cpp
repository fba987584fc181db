#include "dialogs/reminder_editor.h"

#include <cstring>
#include <vector>

#include "base/gbk_text.h"
#include "calendar/gregorian.h"
#include "dialogs/reminder_rows.h"
#include "reminders/repeat_rules.h"

namespace {

// Stores text in a field: as much as fits without splitting a character, the
// rest of the field zero.
template <size_t N>
void StoreText(char (&field)[N], const std::string& text) {
  std::memset(field, 0, N);
  gbk::CopyText(field, N, text.c_str());
}

// The weekday bit of a date, 0 when it is no date.
uint16_t WeekdayBitOf(const LocalTime& date) {
  const calendar::Date d{date.wYear, date.wMonth, date.wDay};
  return calendar::IsValidDate(d) ? static_cast<uint16_t>(1u << calendar::Weekday(d)) : 0;
}

bool SameInput(const ReminderEditorInput& a, const ReminderEditorInput& b) {
  return a.soundOn == b.soundOn && a.boardOn == b.boardOn && a.forceOn == b.forceOn && a.title == b.title &&
         a.message == b.message && a.soundPath == b.soundPath && a.programPath == b.programPath &&
         a.time.wHour == b.time.wHour && a.time.wMinute == b.time.wMinute && a.time.wSecond == b.time.wSecond;
}

}  // namespace

ReminderEditorView OpenReminderEditor(ReminderRecord& record, bool isExisting) {
  ReminderEditorView view;
  if (isExisting) {
    view.soundOn = (record.nFlags & FlagSound) != 0;
    view.boardOn = (record.nFlags & FlagTaskbarMessage) != 0;
    view.forceOn = (record.nFlags & FlagForceAction) != 0;
    // A stored path that is neither a command line nor an active sound file is
    // shown nowhere but stays in the record.
    const std::string path = FieldText(record.sPath);
    if (record.nAction == ActionRunProgram)
      view.programPath = path;
    else if (view.soundOn)
      view.soundPath = path;
    return view;
  }
  view.soundOn = false;
  view.boardOn = false;
  view.forceOn = true;
  record.nRepeat = RepeatDaily;
  record.nAction = ActionNone;
  StoreText(record.sTitle, "新标题");
  StoreText(record.sMessage, "");
  StoreText(record.sPath, "");
  return view;
}

ReminderEditorView OpenReminderEditorOnDay(ReminderRecord& record, int year, int month, int day) {
  const ReminderEditorView view = OpenReminderEditor(record, false);
  record.nRepeat = RepeatOnce;
  record.stWhen.wYear = static_cast<uint16_t>(year);
  record.stWhen.wMonth = static_cast<uint16_t>(month);
  record.stWhen.wDay = static_cast<uint16_t>(day);
  const calendar::Date d{year, month, day};
  record.stWhen.wDayOfWeek = static_cast<uint16_t>(calendar::IsValidDate(d) ? calendar::Weekday(d) : 0);
  return view;
}

const char* RepeatRuleText(RepeatRule rule) {
  switch (rule) {
    case RepeatRule::Weekly:
      return "每周";
    case RepeatRule::Workdays:
      return "工作日";
    case RepeatRule::Monthly:
      return "每月";
    case RepeatRule::Yearly:
      return "每年";
    case RepeatRule::LunarYearly:
      return "农历每年";
  }
  return "";
}

uint16_t RepeatOfRule(RepeatRule rule) {
  switch (rule) {
    case RepeatRule::Weekly:
    case RepeatRule::Workdays:
      return RepeatWeekly;
    case RepeatRule::Monthly:
      return RepeatMonthly;
    case RepeatRule::Yearly:
      return RepeatYearly;
    case RepeatRule::LunarYearly:
      return RepeatLunarYearly;
  }
  return RepeatWeekly;
}

RepeatChoice RepeatChoiceOf(const ReminderRecord& record, const LocalTime& shownDate) {
  RepeatChoice choice;
  choice.dayMask = WeekdayBitOf(shownDate);
  switch (record.nRepeat) {
    case RepeatDaily:
      choice.radio = RepeatRadio::Daily;
      break;
    case RepeatOnce:
      choice.radio = RepeatRadio::Once;
      break;
    case RepeatWeekly:
      choice.radio = RepeatRadio::Rule;
      choice.dayMask = record.stWhen.wDayOfWeek & kWeekdayBits;
      if (choice.dayMask == kWorkdays) choice.rule = RepeatRule::Workdays;
      break;
    case RepeatMonthly:
      choice.radio = RepeatRadio::Rule;
      choice.rule = RepeatRule::Monthly;
      break;
    case RepeatYearly:
      choice.radio = RepeatRadio::Rule;
      choice.rule = RepeatRule::Yearly;
      break;
    case RepeatLunarYearly:
      choice.radio = RepeatRadio::Rule;
      choice.rule = RepeatRule::LunarYearly;
      break;
    default:
      choice.radio = RepeatRadio::None;
      break;
  }
  return choice;
}

uint16_t RepeatOfChoice(const RepeatChoice& choice, uint16_t current) {
  switch (choice.radio) {
    case RepeatRadio::Daily:
      return RepeatDaily;
    case RepeatRadio::Once:
      return RepeatOnce;
    case RepeatRadio::Rule:
      return RepeatOfRule(choice.rule);
    case RepeatRadio::None:
      break;
  }
  return current;
}

uint16_t WeekdayMaskOf(const RepeatChoice& choice) {
  if (choice.rule == RepeatRule::Workdays) return kWorkdays;
  return choice.rule == RepeatRule::Weekly ? static_cast<uint16_t>(choice.dayMask & kWeekdayBits) : 0;
}

ReminderEditorEnabling EditorEnabling(uint16_t repeat, bool soundOn, uint16_t action) {
  ReminderRecord record = MakeEmptyReminder();
  record.nRepeat = repeat;
  return EditorEnabling(RepeatChoiceOf(record, record.stWhen), soundOn, action);
}

ReminderEditorEnabling EditorEnabling(const RepeatChoice& choice, bool soundOn, uint16_t action) {
  ReminderEditorEnabling e;
  // A kind this program does not know keeps its date: the picker is not read.
  e.datePicker = choice.radio == RepeatRadio::Once || choice.radio == RepeatRadio::Rule;
  e.soundGroup = soundOn;
  e.programGroup = action == ActionRunProgram;
  e.ruleList = choice.radio == RepeatRadio::Rule;
  e.dayBoxes = e.ruleList && choice.rule == RepeatRule::Weekly;
  return e;
}

std::string RepeatRuleLine(const RepeatChoice& choice, const LocalTime& date) {
  if (choice.radio != RepeatRadio::Rule) return std::string();
  if (choice.rule == RepeatRule::LunarYearly) return LunarRepeatText(date);
  ReminderRecord record = MakeEmptyReminder();
  record.nRepeat = RepeatOfRule(choice.rule);
  record.stWhen = date;
  record.stWhen.wDayOfWeek = WeekdayMaskOf(choice);
  return RepeatText(record);
}

ReminderEditorInput OpenedInput(const ReminderRecord& record) {
  ReminderRecord copy = record;
  const ReminderEditorView view = OpenReminderEditor(copy, true);
  ReminderEditorInput input;
  input.soundOn = view.soundOn;
  input.boardOn = view.boardOn;
  input.forceOn = view.forceOn;
  input.title = FieldText(record.sTitle);
  input.message = FieldText(record.sMessage);
  input.soundPath = view.soundPath;
  input.programPath = view.programPath;
  input.date = record.stWhen;
  input.time = record.stWhen;
  input.dayMask = WeekdayMaskOf(RepeatChoiceOf(record, record.stWhen));
  return input;
}

const char* EditorRefusalText(EditorVerdict verdict) {
  switch (verdict) {
    case EditorVerdict::NeedCommandLine:
      return "必须指定启动任务的命令行!";
    case EditorVerdict::NeedSoundFile:
      return "请选择提示的声音文件!";
    case EditorVerdict::NeedWeekday:
      return "每周重复的提醒至少要选择星期中的一天!";
    case EditorVerdict::NeedLunarDate:
      return "农历每年的提醒只能选择1901年至2100年之间的日期!";
    case EditorVerdict::PathTooLong:
      return "所选文件的路径超过 255 个字符，无法保存在提醒事件中，请选择其他位置的文件。";
    case EditorVerdict::Accepted:
      break;
  }
  return "";
}

EditorVerdict ComposeReminder(const ReminderEditorInput& input, ReminderRecord& record,
                              const ReminderRecord* opened) {
  const bool knownKind = IsKnownRepeat(record.nRepeat);
  if (!knownKind && opened && record.nAction == opened->nAction && SameInput(input, OpenedInput(*opened))) {
    record = *opened;
    return EditorVerdict::Accepted;
  }
  ReminderRecord out = record;
  bool soundOn = input.soundOn;
  StoreText(out.sTitle, input.title);
  StoreText(out.sMessage, input.message);
  // The date fields of a kind this program does not know keep their meaning
  // to whoever wrote them.
  if (knownKind) {
    out.stWhen.wYear = input.date.wYear;
    out.stWhen.wMonth = input.date.wMonth;
    out.stWhen.wDayOfWeek =
        out.nRepeat == RepeatWeekly ? static_cast<uint16_t>(input.dayMask & kWeekdayBits) : input.date.wDayOfWeek;
    out.stWhen.wDay = input.date.wDay;
  }
  if (out.nRepeat == RepeatWeekly && out.stWhen.wDayOfWeek == 0) return EditorVerdict::NeedWeekday;
  calendar::LunarDate anchor;
  if (out.nRepeat == RepeatLunarYearly && !LunarAnchorOf(out, &anchor)) return EditorVerdict::NeedLunarDate;
  out.stWhen.wHour = input.time.wHour;
  out.stWhen.wMinute = input.time.wMinute;
  out.stWhen.wSecond = input.time.wSecond;
  out.stWhen.wMilliseconds = input.time.wMilliseconds;
  out.bEnabled = 1;
  KeepLatch(out, record);
  out.nFlags = 0;
  // The stored message decides the mode, so a message cut to nothing (or
  // one the user left empty) is no message.
  if (out.sMessage[0] != '\0')
    out.nFlags |= input.boardOn ? FlagTaskbarMessage : FlagMessage;
  else
    out.nFlags |= FlagNoMessage;
  // The command line and the sound file share sPath: a reminder that starts
  // a program plays no sound.
  if (out.nAction == ActionRunProgram) {
    if (input.programPath.empty()) return EditorVerdict::NeedCommandLine;
    if (input.programPath.size() >= kReminderPathSize) return EditorVerdict::PathTooLong;
    StoreText(out.sPath, input.programPath);
    soundOn = false;
  }
  if (soundOn) {
    if (input.soundPath.empty()) return EditorVerdict::NeedSoundFile;
    if (input.soundPath.size() >= kReminderPathSize) return EditorVerdict::PathTooLong;
    StoreText(out.sPath, input.soundPath);
    out.nFlags |= FlagSound;
  }
  if (input.forceOn) out.nFlags |= FlagForceAction;
  out.nId = ReminderIdFromTime(out.stWhen);
  record = out;
  return EditorVerdict::Accepted;
}

void KeepLatch(ReminderRecord& edited, const ReminderRecord& stored) {
  const bool sameMinute = edited.stWhen.wHour == stored.stWhen.wHour && edited.stWhen.wMinute == stored.stWhen.wMinute;
  edited.bFired = sameMinute ? stored.bFired : 0;
}

uint16_t DistinctReminderId(const ReminderList& list, uint16_t wanted, const ReminderRecord* self) {
  std::vector<bool> taken(0x10000, false);
  for (size_t i = 0; i < list.count(); ++i) {
    const ReminderRecord* r = list.At(i);
    if (r != self) taken[r->nId] = true;
  }
  // The list holds at most a few thousand records, far fewer than the keys,
  // so a free one is always found; the bound only guards the loop.
  uint16_t id = wanted;
  for (uint32_t tries = 0; tries < 0x10000 && taken[id]; ++tries) id = static_cast<uint16_t>(id + 1);
  return id;
}
