// The reminder editor: a modal dialog that edits its own copy of one
// reminder. The caller sets isExisting and record (or calls NewOnDay) before
// the run and reads record after IDOK; the editor never touches the reminder
// list.
#pragma once
#include <windows.h>

#include <string>

#include "controls/edit_win.h"
#include "dialogs/dialog_actions_win.h"
#include "dialogs/dialog_look_win.h"
#include "dialogs/reminder_editor.h"
#include "reminders/reminder_record.h"

class ReminderEditorDialog : public LookedDialog {
 public:
  explicit ReminderEditorDialog(const DialogActions& actions = DialogActions());

  // Runs the editor modally; IDOK or IDCANCEL (-1 when it cannot open).
  INT_PTR Run(HWND owner);

  // The next run opens on a new once-only reminder of year-month-day.
  void NewOnDay(int year, int month, int day);

  BOOL isExisting = FALSE;
  ReminderRecord record = MakeEmptyReminder();

 private:
  bool OnInitDialog(HWND focus);
  void OnPaint();
  void OnRepeat(int id, int code, HWND control);
  void OnRuleList(int id, int code, HWND control);
  void OnDayBox(int id, int code, HWND control);
  LRESULT OnDateChanged(NMHDR& header);
  void OnSoundBox(int id, int code, HWND control);
  void OnAction(int id, int code, HWND control);
  void OnBrowseSound(int id, int code, HWND control);
  void OnBrowseProgram(int id, int code, HWND control);
  void OnTry(int id, int code, HWND control);
  void OnHelp(int id, int code, HWND control);
  void OnOk(int id, int code, HWND control);
  void OnCancel(int id, int code, HWND control);

  void UpdateEnabling();
  void ShowChoice();
  void Browse(int editId, const char* filter);
  std::string Text(int id) const;
  bool Checked(int id) const;

  DialogActions actions_;
  ByteLimitedEdit titleEdit_;
  ByteLimitedEdit messageEdit_;
  bool soundOn_ = false;
  bool boardOn_ = false;
  bool forceOn_ = false;
  RepeatChoice choice_;
  ReminderRecord opened_ = MakeEmptyReminder();  // the record as it was opened
  bool onDay_ = false;
  int dayYear_ = 0, dayMonth_ = 0, dayDay_ = 0;
};
