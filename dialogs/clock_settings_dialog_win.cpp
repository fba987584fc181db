#include "dialogs/clock_settings_dialog_win.h"

#include <commctrl.h>

#include "base/gbk_text.h"
#include "base/gbk_text_win.h"
#include "base/ini_file.h"
#include "base/program_path.h"
#include "base/theme_file.h"
#include "clock/clock_settings.h"
#include "clock/clock_window_win.h"
#include "clock/program_resources_win.h"
#include "controls/dpi_win.h"
#include "controls/edit_win.h"
#include "controls/folder_browser_win.h"
#include "controls/list_row_colours_win.h"
#include "dialogs/reminder_editor.h"
#include "dialogs/reminder_editor_dialog_win.h"
#include "dialogs/reminder_file_win.h"
#include "reminders/program_reminders_win.h"
#include "resources/clock_settings_ids.h"

namespace {

// A cut folder would name another folder, and the chime would fall silent.
const char kThemeDirectoryTooLong[] =
    "声音主题文件夹的路径超过 127 个字符，无法保存，请选择路径较短的文件夹。";

// The theme directory's browser: its status line shows the selected folder's path.
class ThemeFolderBrowser : public FolderBrowser {
 public:
  using FolderBrowser::FolderBrowser;

 protected:
  bool validateSelection(const char* path, char* status) override {
    FolderStatusText(path, status, kStatusSize);
    return true;
  }
};

}  // namespace

// ------------------------------------------------------------ the list control

ReminderListView::ReminderListView() { OnReflected<WM_NOTIFY>(&ReminderListView::OnNotify); }

LRESULT ReminderListView::OnNotify(NMHDR& header) {
  LRESULT answer = 0;
  const auto colourOf = [](LPARAM data, COLORREF* colour) {
    const auto c = RowTextColour(static_cast<uint32_t>(data));
    if (c) *colour = *c;
    return c.has_value();
  };
  if (!AnswerRowColours(header, colourOf, answer)) SetMsgHandled(false);
  return answer;
}

// ------------------------------------------------------------------ the dialog

ClockSettingsDialog::ClockSettingsDialog(ReminderList& reminders, const DialogActions& actions)
    : reminders_(reminders), actions_(WithSystemDefaults(actions)) {
  OnMessage<WM_INITDIALOG>(&ClockSettingsDialog::OnInitDialog);
  OnMessage<WM_PAINT>(&ClockSettingsDialog::OnPaint);
  OnCommand(IDC_THEME_TRY, BN_CLICKED, &ClockSettingsDialog::OnTry);
  OnCommand(IDC_THEME_BROWSE, BN_CLICKED, &ClockSettingsDialog::OnBrowse);
  OnCommand(IDC_QUIET_HOURS, BN_CLICKED, &ClockSettingsDialog::OnQuietHours);
  OnCommand(IDC_REMINDER_ADD, BN_CLICKED, &ClockSettingsDialog::OnAdd);
  OnCommand(IDC_REMINDER_EDIT, BN_CLICKED, &ClockSettingsDialog::OnEdit);
  OnCommand(IDC_REMINDER_DELETE, BN_CLICKED, &ClockSettingsDialog::OnDelete);
  OnNotify(IDC_REMINDER_LIST, NM_DBLCLK, &ClockSettingsDialog::OnListDoubleClick);
  OnCommand(IDOK, &ClockSettingsDialog::OnOk);
  OnCommand(IDCANCEL, &ClockSettingsDialog::OnCancel);
  OnCommand(IDC_CLOCK_SETTINGS_HELP, &ClockSettingsDialog::OnHelp);
}

INT_PTR ClockSettingsDialog::Run(HWND owner) { return DoModal(owner, IDD_CLOCK_SETTINGS); }

INT_PTR ClockSettingsDialog::RunEditor(ReminderEditorDialog& editor) { return editor.Run(hwnd()); }

ListView ClockSettingsDialog::List() const { return ListView(GetDlgItem(hwnd(), IDC_REMINDER_LIST)); }

uint32_t ClockSettingsDialog::RowData(int row) const { return static_cast<uint32_t>(List().ItemData(row)); }

std::string ClockSettingsDialog::ThemeDirectoryText() const {
  return Edit(GetDlgItem(hwnd(), IDC_THEME_DIRECTORY)).Text();
}

void ClockSettingsDialog::ReadThemeDirectory() {
  gbk::CopyText(themeDirectory, sizeof themeDirectory, ThemeDirectoryText().c_str());
}

void ClockSettingsDialog::ShowRow(int row, const ReminderRecord& record, bool insert) {
  ListView list = List();
  const LPARAM data = static_cast<LPARAM>(ReminderRowData(record));
  if (insert) {
    row = list.InsertItem(row, "", data);
    if (row < 0) return;
  } else {
    list.SetItem(row, "", data);
  }
  list.SetItemText(row, 1, FieldText(record.sTitle).c_str());
  list.SetItemText(row, 2, RepeatText(record).c_str());
  list.SetChecked(row, record.bEnabled != 0);
}

bool ClockSettingsDialog::OnInitDialog(HWND) {
  HWND dlg = hwnd();
  InitLook(DesktopRect(), ProgramIcon());
  char iniPath[kProgramPathSize];
  ProgramPath("Ticora.ini", iniPath);
  IniReadString(iniPath, ini_keys::kSystem, ini_keys::kSignalFile, "", themeDirectory, sizeof themeDirectory);
  // A value read byte-wise may end in half a character.
  gbk::CopyText(themeDirectory, sizeof themeDirectory, std::string(themeDirectory).c_str());
  SetDlgItemTextA(dlg, IDC_THEME_DIRECTORY, themeDirectory);
  quiet = ReadQuietHours(iniPath);
  CheckDlgButton(dlg, IDC_QUIET_HOURS, quiet.on ? BST_CHECKED : BST_UNCHECKED);
  for (int id : {IDC_QUIET_FROM, IDC_QUIET_TO}) Edit(GetDlgItem(dlg, id)).SetLimit(2);
  SetDlgItemInt(dlg, IDC_QUIET_FROM, static_cast<UINT>(quiet.from), FALSE);
  SetDlgItemInt(dlg, IDC_QUIET_TO, static_cast<UINT>(quiet.to), FALSE);
  EnableQuietHours();

  ListView list = List();
  reminderListView_.Attach(list.hwnd());
  const DWORD extended = LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT;
  list.SetExtendedStyle(extended, extended);
  list.InsertColumn(0, "S", 20);
  list.InsertColumn(1, "标题", 200);
  list.InsertColumn(2, "类型", 100);
  list.SetColumnWidth(2, LVSCW_AUTOSIZE_USEHEADER);
  // Each record goes in at the top: the rows show the list in reverse order.
  for (size_t i = 0; i < reminders_.count(); ++i) ShowRow(0, *reminders_.At(i), true);
  return true;
}

void ClockSettingsDialog::OnPaint() {
  PaintDC dc(hwnd());
  // The places are those at 96 DPI, moved with the controls at the dialog's DPI.
  auto px = [this](int v) { return ScaleToWindow(hwnd(), v); };
  DrawHeaderImage(dc.get(), 2, px(20), px(26));
  DrawHeaderImage(dc.get(), 3, px(20), px(116));
}

void ClockSettingsDialog::OnTry(int, int, HWND) {
  ReadThemeDirectory();
  char themeFile[kThemePathSize];
  char sound[kThemeValueSize];
  char path[kThemePathSize];
  if (!JoinThemePath(themeDirectory, kThemeFileName, themeFile, sizeof themeFile, SystemLeadByte)) return;
  if (ReadThemeHourFile(themeFile, 4, sound, sizeof sound) == 0) return;
  if (JoinThemePath(themeDirectory, sound, path, sizeof path, SystemLeadByte)) actions_.playSound(path);
}

void ClockSettingsDialog::OnBrowse(int, int, HWND) {
  char initial[FolderBrowser::kPathSize];
  FolderBrowserStart(ThemeDirectoryText().c_str(), initial, sizeof initial);
  ThemeFolderBrowser browser("选择文件夹", "选择整点提示声音主题文件夹:", initial);
  if (browser.Browse(hwnd())) SetDlgItemTextA(hwnd(), IDC_THEME_DIRECTORY, browser.Result());
}

void ClockSettingsDialog::EnableQuietHours() {
  const BOOL on = IsDlgButtonChecked(hwnd(), IDC_QUIET_HOURS) == BST_CHECKED;
  for (int id : {IDC_QUIET_FROM, IDC_QUIET_TO}) EnableWindow(GetDlgItem(hwnd(), id), on);
}

void ClockSettingsDialog::OnQuietHours(int, int, HWND) { EnableQuietHours(); }

void ClockSettingsDialog::OnAdd(int, int, HWND) {
  ReminderEditorDialog editor(actions_);
  if (RunEditor(editor) != IDOK) return;
  editor.record.nId = DistinctReminderId(reminders_, editor.record.nId);
  if (!reminders_.Append(editor.record)) return;
  ShowRow(List().ItemCount(), editor.record, true);
}

void ClockSettingsDialog::EditRow(int row) {
  if (row < 0) return;
  const uint16_t id = RowDataId(RowData(row));
  const ReminderRecord* stored = reminders_.FindById(id);
  if (!stored) return;
  ReminderEditorDialog editor(actions_);
  editor.isExisting = TRUE;
  editor.record = *stored;
  if (RunEditor(editor) != IDOK) return;
  // The list may have changed while the editor was open (nothing else edits
  // it today, but the record is looked up again rather than trusted).
  stored = reminders_.FindById(id);
  if (!stored) return;
  // It may have fired while the editor was open.
  KeepLatch(editor.record, *stored);
  editor.record.nId = DistinctReminderId(reminders_, editor.record.nId, stored);
  if (!reminders_.ReplaceById(id, editor.record)) return;
  ShowRow(row, editor.record, false);
}

void ClockSettingsDialog::OnEdit(int, int, HWND) { EditRow(List().SelectedItem()); }

LRESULT ClockSettingsDialog::OnListDoubleClick(NMHDR&) {
  // The row under the cursor; a double click below the rows names none.
  const ListView list = List();
  const DWORD at = GetMessagePos();
  POINT point{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
  ScreenToClient(list.hwnd(), &point);
  UINT flags = 0;
  const int row = list.HitTest(point, &flags);
  if (row >= 0 && (flags & LVHT_ONITEM)) EditRow(row);
  return 0;
}

void ClockSettingsDialog::OnDelete(int, int, HWND) {
  const int row = List().SelectedItem();
  if (row < 0) return;
  if (reminders_.RemoveById(RowDataId(RowData(row)))) List().DeleteItem(row);
}

void ClockSettingsDialog::OnOk(int, int, HWND) {
  HWND dlg = hwnd();
  if (ThemeDirectoryText().size() >= sizeof themeDirectory) {
    MessageBoxA(dlg, kThemeDirectoryTooLong, kTicoraCaption, MB_OK | MB_ICONWARNING);
    HWND edit = GetDlgItem(dlg, IDC_THEME_DIRECTORY);
    Edit(edit).SelectAll();
    SetFocus(edit);
    return;
  }
  const ListView list = List();
  const int rows = list.ItemCount();
  for (int row = 0; row < rows; ++row) reminders_.SetEnabledById(RowData(row), list.Checked(row) ? 1 : 0);
  // A failed save is reported and the dialog closes all the same: the list
  // stays marked modified, so the next OK saves it again.
  if (reminders_.modified()) SaveReminderFile(hwnd(), reminders_);
  ReadThemeDirectory();
  char iniPath[kProgramPathSize];
  ProgramPath("Ticora.ini", iniPath);
  IniWriteString(iniPath, ini_keys::kSystem, ini_keys::kSignalFile, themeDirectory);
  // An hour that is no hour (empty, over 23) keeps the value it had.
  quiet.on = IsDlgButtonChecked(hwnd(), IDC_QUIET_HOURS) == BST_CHECKED;
  quiet.from = HourFromText(Edit(GetDlgItem(hwnd(), IDC_QUIET_FROM)).Text().c_str(), quiet.from);
  quiet.to = HourFromText(Edit(GetDlgItem(hwnd(), IDC_QUIET_TO)).Text().c_str(), quiet.to);
  WriteQuietHours(iniPath, quiet);
  End(IDOK);
}

void ClockSettingsDialog::OnCancel(int, int, HWND) { End(IDCANCEL); }

void ClockSettingsDialog::OnHelp(int, int, HWND) { actions_.openHelp(hwnd(), "#remind"); }

void RunClockSettings(ClockWindow& clock, HWND owner) {
  ClockSettingsDialog dialog(ProgramReminders());
  if (dialog.Run(owner) != IDOK) return;
  TimedCheckSettings settings = clock.RunSettings();
  SetThemeDirectory(settings, dialog.themeDirectory);
  settings.quiet = dialog.quiet;
  clock.ApplySettings(settings);
}
