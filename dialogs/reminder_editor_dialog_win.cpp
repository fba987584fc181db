#include "dialogs/reminder_editor_dialog_win.h"

#include <commctrl.h>

#include <cstring>

#include "base/gbk_text.h"
#include "base/local_time_win.h"
#include "clock/program_resources_win.h"
#include "controls/combo_box_win.h"
#include "controls/date_time_picker_win.h"
#include "controls/dpi_win.h"
#include "controls/edit_win.h"
#include "dialogs/reminder_editor.h"
#include "resources/reminder_editor_ids.h"

namespace {

const char kSoundFilter[] = "Wave Files\0*.wav\0All Files\0*.*\0";
const char kProgramFilter[] = "Execute Files\0*.exe;*.com\0All Files\0*.*\0";
// What the path edits take: well beyond the record's field, so that a path
// too long is refused at OK rather than cut while it is typed or pasted.
const size_t kTypedPathLimit = 1024;
// Height of the repetition rule's rows (dialog units) that the template added
// above the message.
constexpr int kRuleRowsHeight = 28;

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
  OnCommand(IDC_EDITOR_RULE, BN_CLICKED, &ReminderEditorDialog::OnRepeat);
  OnCommand(IDC_EDITOR_RULE_LIST, CBN_SELCHANGE, &ReminderEditorDialog::OnRuleList);
  for (int box = 0; box < kDayBoxes; ++box)
    OnCommand(IDC_EDITOR_DAY_FIRST + box, BN_CLICKED, &ReminderEditorDialog::OnDayBox);
  OnNotify(IDC_EDITOR_DATE, DTN_DATETIMECHANGE, &ReminderEditorDialog::OnDateChanged);
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

void ReminderEditorDialog::NewOnDay(int year, int month, int day) {
  isExisting = FALSE;
  onDay_ = true;
  dayYear_ = year;
  dayMonth_ = month;
  dayDay_ = day;
}

std::string ReminderEditorDialog::Text(int id) const { return Edit(GetDlgItem(hwnd(), id)).Text(); }

bool ReminderEditorDialog::Checked(int id) const { return IsDlgButtonChecked(hwnd(), id) == BST_CHECKED; }

bool ReminderEditorDialog::OnInitDialog(HWND) {
  HWND dlg = hwnd();
  InitLook(DesktopRect(), ProgramIcon());
  const ReminderEditorView view = onDay_ ? OpenReminderEditorOnDay(record, dayYear_, dayMonth_, dayDay_)
                                         : OpenReminderEditor(record, isExisting != FALSE);
  opened_ = record;
  soundOn_ = view.soundOn;
  boardOn_ = view.boardOn;
  forceOn_ = view.forceOn;
  SetDlgItemTextA(dlg, IDC_EDITOR_PROGRAM_PATH, view.programPath.c_str());
  SetDlgItemTextA(dlg, IDC_EDITOR_SOUND_PATH, view.soundPath.c_str());
  DateTimePicker date(GetDlgItem(dlg, IDC_EDITOR_DATE));
  if (isExisting || onDay_) date.SetTime(record.stWhen);
  if (isExisting) {
    ApplyCalendarPalette(date);
    DateTimePicker(GetDlgItem(dlg, IDC_EDITOR_TIME)).SetTime(record.stWhen);
  }
  ComboBox rules(GetDlgItem(dlg, IDC_EDITOR_RULE_LIST));
  for (int rule = 0; rule < kRepeatRules; ++rule) rules.AddItem(RepeatRuleText(static_cast<RepeatRule>(rule)));
  choice_ = RepeatChoiceOf(record, PickerValue(date.hwnd()));
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
  // A kind this program does not know checks none of the radios. (Their ids
  // are no range: the rule's came later.)
  CheckDlgButton(dlg, IDC_EDITOR_DAILY, choice_.radio == RepeatRadio::Daily ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(dlg, IDC_EDITOR_ONCE, choice_.radio == RepeatRadio::Once ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(dlg, IDC_EDITOR_RULE, choice_.radio == RepeatRadio::Rule ? BST_CHECKED : BST_UNCHECKED);
  if (record.nAction <= ActionRunProgram)
    CheckRadioButton(dlg, IDC_EDITOR_ACTION_NONE, IDC_EDITOR_ACTION_PROGRAM, IDC_EDITOR_ACTION_NONE + record.nAction);
  ShowChoice();
  return true;
}

// The rule, the day boxes and the rule's line as the choice says.
void ReminderEditorDialog::ShowChoice() {
  HWND dlg = hwnd();
  ComboBox(GetDlgItem(dlg, IDC_EDITOR_RULE_LIST)).Select(static_cast<int>(choice_.rule));
  // Only a weekly rule ticks days; the ticks of 每周 stay in the choice while
  // another rule is shown.
  const uint16_t ticked = choice_.radio == RepeatRadio::Rule ? WeekdayMaskOf(choice_) : 0;
  for (int box = 0; box < kDayBoxes; ++box)
    CheckDlgButton(dlg, IDC_EDITOR_DAY_FIRST + box, (ticked & DayBoxBit(box)) ? BST_CHECKED : BST_UNCHECKED);
  SetDlgItemTextA(dlg, IDC_EDITOR_RULE_LINE,
                  RepeatRuleLine(choice_, PickerValue(GetDlgItem(dlg, IDC_EDITOR_DATE))).c_str());
  UpdateEnabling();
}

void ReminderEditorDialog::UpdateEnabling() {
  HWND dlg = hwnd();
  const ReminderEditorEnabling e = EditorEnabling(choice_, Checked(IDC_EDITOR_SOUND), record.nAction);
  EnableWindow(GetDlgItem(dlg, IDC_EDITOR_DATE), e.datePicker);
  EnableWindow(GetDlgItem(dlg, IDC_EDITOR_RULE_LIST), e.ruleList);
  for (int box = 0; box < kDayBoxes; ++box) EnableWindow(GetDlgItem(dlg, IDC_EDITOR_DAY_FIRST + box), e.dayBoxes);
  for (int id : {IDC_EDITOR_SOUND_PATH, IDC_EDITOR_SOUND_TRY, IDC_EDITOR_SOUND_BROWSE})
    EnableWindow(GetDlgItem(dlg, id), e.soundGroup);
  for (int id : {IDC_EDITOR_PROGRAM_PATH, IDC_EDITOR_PROGRAM_BROWSE}) EnableWindow(GetDlgItem(dlg, id), e.programGroup);
}

void ReminderEditorDialog::OnPaint() {
  PaintDC dc(hwnd());
  // The two headers sit beside the labels that the repetition's rows pushed down.
  RECT rows{0, 0, 0, kRuleRowsHeight};
  MapDialogRect(hwnd(), &rows);
  auto px = [this](int v) { return ScaleToWindow(hwnd(), v); };
  DrawHeaderImage(dc.get(), 9, px(20), px(132) + rows.bottom);
  DrawHeaderImage(dc.get(), 6, px(20), px(302) + rows.bottom);
}

void ReminderEditorDialog::OnRepeat(int id, int, HWND) {
  choice_.radio = id == IDC_EDITOR_ONCE ? RepeatRadio::Once
                  : id == IDC_EDITOR_RULE ? RepeatRadio::Rule
                                          : RepeatRadio::Daily;
  record.nRepeat = RepeatOfChoice(choice_, record.nRepeat);
  ShowChoice();
}

void ReminderEditorDialog::OnRuleList(int, int, HWND) {
  const int selected = ComboBox(GetDlgItem(hwnd(), IDC_EDITOR_RULE_LIST)).Selected();
  if (selected < 0 || selected >= kRepeatRules) return;
  choice_.rule = static_cast<RepeatRule>(selected);
  record.nRepeat = RepeatOfChoice(choice_, record.nRepeat);
  ShowChoice();
}

void ReminderEditorDialog::OnDayBox(int, int, HWND) {
  uint16_t mask = 0;
  for (int box = 0; box < kDayBoxes; ++box)
    if (Checked(IDC_EDITOR_DAY_FIRST + box)) mask = static_cast<uint16_t>(mask | DayBoxBit(box));
  choice_.dayMask = mask;
  ShowChoice();
}

LRESULT ReminderEditorDialog::OnDateChanged(NMHDR&) {
  ShowChoice();
  return 0;
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
  input.dayMask = WeekdayMaskOf(choice_);
  const EditorVerdict verdict = ComposeReminder(input, record, isExisting ? &opened_ : nullptr);
  if (verdict != EditorVerdict::Accepted) {
    MessageBoxA(hwnd(), EditorRefusalText(verdict), kTicoraCaption, MB_OK | MB_ICONWARNING);
    return;
  }
  End(IDOK);
}

void ReminderEditorDialog::OnCancel(int, int, HWND) { End(IDCANCEL); }
