#include "dialogs/reminder_editor_dialog_win.h"

#include <commctrl.h>

#include <cstring>

#include "base/gbk_text.h"
#include "base/local_time_win.h"
#include "clock/program_resources_win.h"
#include "controls/date_time_picker_win.h"
#include "controls/edit_win.h"
#include "dialogs/reminder_editor.h"
#include "resources/reminder_editor_ids.h"

namespace {

const char kSoundFilter[] = "Wave Files\0*.wav\0All Files\0*.*\0";
const char kProgramFilter[] = "Execute Files\0*.exe;*.com\0All Files\0*.*\0";
// What the path edits take: well beyond the record's field, so that a path
// too long is refused at OK rather than cut while it is typed or pasted.
const size_t kTypedPathLimit = 1024;

// The picker's value; the system's time when it holds none.
LocalTime PickerValue(HWND picker) {
  LocalTime t;
  if (!DateTimePicker(picker).GetTime(&t)) t = SystemTimeSource().Now();
  return t;
}

}  // namespace

ReminderEditorDialog::ReminderEditorDialog(const DialogActions& actions) : actions_(WithSystemDefaults(actions)) {
  OnMessage<WM_INITDIALOG>(&ReminderEditorDialog::OnInitDialog);
  OnMessage<WM_PAINT>(&ReminderEditorDialog::OnPaint);
  OnCommand(IDC_EDITOR_DAILY, BN_CLICKED, &ReminderEditorDialog::OnRepeat);
  OnCommand(IDC_EDITOR_ONCE, BN_CLICKED, &ReminderEditorDialog::OnRepeat);
  OnCommand(IDC_EDITOR_SOUND, BN_CLICKED, &ReminderEditorDialog::OnSoundBox);
  for (int id = IDC_EDITOR_ACTION_NONE; id <= IDC_EDITOR_ACTION_PROGRAM; ++id)
    OnCommand(id, BN_CLICKED, &ReminderEditorDialog::OnAction);
  OnCommand(IDC_EDITOR_SOUND_BROWSE, BN_CLICKED, &ReminderEditorDialog::OnBrowseSound);
  OnCommand(IDC_EDITOR_PROGRAM_BROWSE, BN_CLICKED, &ReminderEditorDialog::OnBrowseProgram);
  OnCommand(IDC_EDITOR_SOUND_TRY, BN_CLICKED, &ReminderEditorDialog::OnTry);
  OnCommand(IDC_EDITOR_HELP, &ReminderEditorDialog::OnHelp);
  OnCommand(IDOK, &ReminderEditorDialog::OnOk);
  OnCommand(IDCANCEL, &ReminderEditorDialog::OnCancel);
}

INT_PTR ReminderEditorDialog::Run(HWND owner) { return DoModal(owner, IDD_REMINDER_EDITOR); }

std::string ReminderEditorDialog::Text(int id) const { return Edit(GetDlgItem(hwnd(), id)).Text(); }

bool ReminderEditorDialog::Checked(int id) const { return IsDlgButtonChecked(hwnd(), id) == BST_CHECKED; }

bool ReminderEditorDialog::OnInitDialog(HWND) {
  HWND dlg = hwnd();
  InitLook(DesktopRect(), ProgramIcon());
  const ReminderEditorView view = OpenReminderEditor(record, isExisting != FALSE);
  soundOn_ = view.soundOn;
  boardOn_ = view.boardOn;
  forceOn_ = view.forceOn;
  SetDlgItemTextA(dlg, IDC_EDITOR_PROGRAM_PATH, view.programPath.c_str());
  SetDlgItemTextA(dlg, IDC_EDITOR_SOUND_PATH, view.soundPath.c_str());
  if (isExisting) {
    DateTimePicker date(GetDlgItem(dlg, IDC_EDITOR_DATE));
    date.SetTime(record.stWhen);
    ApplyCalendarPalette(date);
    DateTimePicker(GetDlgItem(dlg, IDC_EDITOR_TIME)).SetTime(record.stWhen);
  }
  // The title and the message take no more bytes than their fields hold. A
  // path cut short would name another file or drop a command's arguments:
  // the path edits take more, and OK refuses what does not fit.
  titleEdit_.Attach(GetDlgItem(dlg, IDC_EDITOR_TITLE), kReminderTitleSize - 1);
  messageEdit_.Attach(GetDlgItem(dlg, IDC_EDITOR_MESSAGE), kReminderMessageSize - 1);
  Edit(GetDlgItem(dlg, IDC_EDITOR_SOUND_PATH)).SetLimit(kTypedPathLimit);
  Edit(GetDlgItem(dlg, IDC_EDITOR_PROGRAM_PATH)).SetLimit(kTypedPathLimit);
  SetDlgItemTextA(dlg, IDC_EDITOR_TITLE, FieldText(record.sTitle).c_str());
  SetDlgItemTextA(dlg, IDC_EDITOR_MESSAGE, FieldText(record.sMessage).c_str());
  CheckDlgButton(dlg, IDC_EDITOR_SOUND, soundOn_ ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(dlg, IDC_EDITOR_BOARD, boardOn_ ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(dlg, IDC_EDITOR_FORCE, forceOn_ ? BST_CHECKED : BST_UNCHECKED);
  // A stored value outside the radios' range checks none of them.
  if (record.nRepeat <= RepeatOnce)
    CheckRadioButton(dlg, IDC_EDITOR_DAILY, IDC_EDITOR_ONCE, IDC_EDITOR_DAILY + record.nRepeat);
  if (record.nAction <= ActionRunProgram)
    CheckRadioButton(dlg, IDC_EDITOR_ACTION_NONE, IDC_EDITOR_ACTION_PROGRAM, IDC_EDITOR_ACTION_NONE + record.nAction);
  UpdateEnabling();
  return true;
}

void ReminderEditorDialog::UpdateEnabling() {
  HWND dlg = hwnd();
  const ReminderEditorEnabling e = EditorEnabling(record.nRepeat, Checked(IDC_EDITOR_SOUND), record.nAction);
  EnableWindow(GetDlgItem(dlg, IDC_EDITOR_DATE), e.datePicker);
  for (int id : {IDC_EDITOR_SOUND_PATH, IDC_EDITOR_SOUND_TRY, IDC_EDITOR_SOUND_BROWSE})
    EnableWindow(GetDlgItem(dlg, id), e.soundGroup);
  for (int id : {IDC_EDITOR_PROGRAM_PATH, IDC_EDITOR_PROGRAM_BROWSE}) EnableWindow(GetDlgItem(dlg, id), e.programGroup);
}

void ReminderEditorDialog::OnPaint() {
  PaintDC dc(hwnd());
  DrawHeaderImage(dc.get(), 9, 20, 132);
  DrawHeaderImage(dc.get(), 6, 20, 302);
}

void ReminderEditorDialog::OnRepeat(int id, int, HWND) {
  record.nRepeat = id == IDC_EDITOR_ONCE ? RepeatOnce : RepeatDaily;
  UpdateEnabling();
}

void ReminderEditorDialog::OnSoundBox(int, int, HWND) { UpdateEnabling(); }

void ReminderEditorDialog::OnAction(int id, int, HWND) {
  record.nAction = static_cast<uint16_t>(id - IDC_EDITOR_ACTION_NONE);
  UpdateEnabling();
}

void ReminderEditorDialog::Browse(int editId, const char* filter) {
  char file[MAX_PATH] = {};
  gbk::CopyText(file, sizeof file, Text(editId).c_str());
  if (!actions_.openFile(hwnd(), filter, file)) return;
  if (std::strlen(file) >= kReminderPathSize) {
    MessageBoxA(hwnd(), EditorRefusalText(EditorVerdict::PathTooLong), kTicoraCaption, MB_OK | MB_ICONWARNING);
    return;
  }
  SetDlgItemTextA(hwnd(), editId, file);
}

void ReminderEditorDialog::OnBrowseSound(int, int, HWND) { Browse(IDC_EDITOR_SOUND_PATH, kSoundFilter); }

void ReminderEditorDialog::OnBrowseProgram(int, int, HWND) { Browse(IDC_EDITOR_PROGRAM_PATH, kProgramFilter); }

void ReminderEditorDialog::OnTry(int, int, HWND) { actions_.playSound(Text(IDC_EDITOR_SOUND_PATH).c_str()); }

void ReminderEditorDialog::OnHelp(int, int, HWND) { actions_.openHelp(hwnd(), "#event"); }

void ReminderEditorDialog::OnOk(int, int, HWND) {
  soundOn_ = Checked(IDC_EDITOR_SOUND);
  boardOn_ = Checked(IDC_EDITOR_BOARD);
  forceOn_ = Checked(IDC_EDITOR_FORCE);
  ReminderEditorInput input;
  input.soundOn = soundOn_;
  input.boardOn = boardOn_;
  input.forceOn = forceOn_;
  input.title = Text(IDC_EDITOR_TITLE);
  input.message = Text(IDC_EDITOR_MESSAGE);
  input.soundPath = Text(IDC_EDITOR_SOUND_PATH);
  input.programPath = Text(IDC_EDITOR_PROGRAM_PATH);
  input.date = PickerValue(GetDlgItem(hwnd(), IDC_EDITOR_DATE));
  input.time = PickerValue(GetDlgItem(hwnd(), IDC_EDITOR_TIME));
  const EditorVerdict verdict = ComposeReminder(input, record);
  if (verdict != EditorVerdict::Accepted) {
    MessageBoxA(hwnd(), EditorRefusalText(verdict), kTicoraCaption, MB_OK | MB_ICONWARNING);
    return;
  }
  End(IDOK);
}

void ReminderEditorDialog::OnCancel(int, int, HWND) { End(IDCANCEL); }
