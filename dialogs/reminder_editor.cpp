#include "dialogs/reminder_editor.h"

#include <cstring>
#include <vector>

#include "base/gbk_text.h"

namespace {

// Stores text in a field: as much as fits without splitting a character, the
// rest of the field zero.
template <size_t N>
void StoreText(char (&field)[N], const std::string& text) {
  std::memset(field, 0, N);
  gbk::CopyText(field, N, text.c_str());
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

ReminderEditorEnabling EditorEnabling(uint16_t repeat, bool soundOn, uint16_t action) {
  return {repeat == RepeatOnce, soundOn, action == ActionRunProgram};
}

const char* EditorRefusalText(EditorVerdict verdict) {
  switch (verdict) {
    case EditorVerdict::NeedCommandLine:
      return "必须指定启动任务的命令行!";
    case EditorVerdict::NeedSoundFile:
      return "请选择提示的声音文件!";
    case EditorVerdict::Accepted:
      break;
  }
  return "";
}

EditorVerdict ComposeReminder(const ReminderEditorInput& input, ReminderRecord& record) {
  ReminderRecord out = record;
  bool soundOn = input.soundOn;
  StoreText(out.sTitle, input.title);
  StoreText(out.sMessage, input.message);
  out.stWhen.wYear = input.date.wYear;
  out.stWhen.wMonth = input.date.wMonth;
  out.stWhen.wDayOfWeek = input.date.wDayOfWeek;
  out.stWhen.wDay = input.date.wDay;
  out.stWhen.wHour = input.time.wHour;
  out.stWhen.wMinute = input.time.wMinute;
  out.stWhen.wSecond = input.time.wSecond;
  out.stWhen.wMilliseconds = input.time.wMilliseconds;
  out.bEnabled = 1;
  out.bFired = 0;
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
    StoreText(out.sPath, input.programPath);
    soundOn = false;
  }
  if (soundOn) {
    if (input.soundPath.empty()) return EditorVerdict::NeedSoundFile;
    StoreText(out.sPath, input.soundPath);
    out.nFlags |= FlagSound;
  }
  if (input.forceOn) out.nFlags |= FlagForceAction;
  out.nId = ReminderIdFromTime(out.stWhen);
  record = out;
  return EditorVerdict::Accepted;
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
