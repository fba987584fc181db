// The clock settings dialog: the chime's sound-theme directory, and the
// reminders of the program's one live list, added, edited, switched and
// deleted through the reminder editor. Add, edit and delete act on the list
// at once (the clock's tick sees them while the dialog is open); OK stores the
// check boxes, writes the reminder file when the list changed and stores the
// theme directory.
#pragma once
#include <windows.h>

#include <string>

#include "controls/list_view_win.h"
#include "controls/subclass_win.h"
#include "dialogs/dialog_actions_win.h"
#include "dialogs/dialog_look_win.h"
#include "dialogs/reminder_rows.h"
#include "reminders/hourly_chime.h"
#include "reminders/reminder_list.h"

class ClockWindow;
class ReminderEditorDialog;

// The reminder list control: paints each row's text in the colour of its
// repetition, from the notifications its dialog reflects back to it.
class ReminderListView : public SubclassedControl {
 public:
  ReminderListView();

 private:
  LRESULT OnNotify(NMHDR& header);
};

class ClockSettingsDialog : public LookedDialog {
 public:
  // reminders is the list the dialog edits; the reminder file and the settings
  // file are the program's ("Ticora.rmd" and "Ticora.ini" beside it).
  explicit ClockSettingsDialog(ReminderList& reminders, const DialogActions& actions = DialogActions());

  // Runs the dialog modally; IDOK or IDCANCEL (-1 when it cannot open).
  INT_PTR Run(HWND owner);

  // The theme directory: read when the dialog opens, the stored text after IDOK.
  char themeDirectory[kThemeDirectorySize] = {};
  // The chime's quiet hours: read when the dialog opens, stored after IDOK.
  QuietHours quiet;

 protected:
  // Runs the reminder editor on editor's record; what Add and Edit open. Tests
  // may run a scripted editor instead.
  virtual INT_PTR RunEditor(ReminderEditorDialog& editor);

 private:
  bool OnInitDialog(HWND focus);
  void OnPaint();
  void OnTry(int id, int code, HWND control);
  void OnBrowse(int id, int code, HWND control);
  void OnQuietHours(int id, int code, HWND control);
  void EnableQuietHours();
  void OnAdd(int id, int code, HWND control);
  void OnEdit(int id, int code, HWND control);
  void OnDelete(int id, int code, HWND control);
  LRESULT OnListDoubleClick(NMHDR& header);
  void OnOk(int id, int code, HWND control);
  void OnCancel(int id, int code, HWND control);
  void OnHelp(int id, int code, HWND control);

  ListView List() const;
  uint32_t RowData(int row) const;
  std::string ThemeDirectoryText() const;
  void EditRow(int row);
  void ShowRow(int row, const ReminderRecord& record, bool insert);
  void ReadThemeDirectory();

  ReminderList& reminders_;
  DialogActions actions_;
  ReminderListView reminderListView_;
};

// The tray command: runs the dialog over the program's reminders, owned by
// owner, and on OK hands the theme directory to clock's chime.
void RunClockSettings(ClockWindow& clock, HWND owner);
