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

// Which controls take input.
struct ReminderEditorEnabling {
  bool datePicker;    // a once-only reminder has a date
  bool soundGroup;    // sound path, try and browse
  bool programGroup;  // command line and browse
};
ReminderEditorEnabling EditorEnabling(uint16_t repeat, bool soundOn, uint16_t action);

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
};

enum class EditorVerdict {
  Accepted,
  NeedCommandLine,  // run-program action without a command line
  NeedSoundFile,    // sound box checked without a sound file
};

// The warning shown for a refusal ("" for Accepted).
const char* EditorRefusalText(EditorVerdict verdict);

// Composes the record of OK from input and record's own nRepeat and nAction
// (set by the radios as they are clicked). Only an accepted composition
// changes record; a refused one leaves it as it was. Texts are cut to their
// fields (63 and 255 bytes) without splitting a double-byte character; nId
// comes from the time's seconds and milliseconds.
EditorVerdict ComposeReminder(const ReminderEditorInput& input, ReminderRecord& record);

// A key for a record about to be stored in list: wanted when no other record
// holds it, else the next value up (wrapping past 0xFFFF) that none holds.
// self, when given, is the record in the list that is being replaced: its own
// key does not count as taken.
uint16_t DistinctReminderId(const ReminderList& list, uint16_t wanted, const ReminderRecord* self = nullptr);
