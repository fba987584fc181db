#include "dialogs/clock_settings_dialog_win.h"

#include <commctrl.h>

#include <vector>

#include "base/gbk_text.h"
#include "base/ini_file.h"
#include "base/program_path.h"
#include "base/theme_file.h"
#include "clock/clock_settings.h"
#include "clock/program_resources_win.h"
#include "controls/list_row_colours_win.h"
#include "clock/clock_window_win.h"
#include "dialogs/folder_browser_win.h"
#include "dialogs/reminder_editor.h"
#include "dialogs/reminder_editor_dialog_win.h"
#include "reminders/program_reminders_win.h"
#include "resources/clock_settings_ids.h"

namespace {

// The save failed: the changes are kept in the running program, and the
// dialog stays open so that OK can be tried again.
const char kSaveFailed[] =
    "无法写入提醒事件文件 Ticora.rmd（磁盘已满或没有写入权限？）。\n"
    "所做的修改仍在程序中有效，请排除问题后再按“确定”保存。";

uint32_t RowData(HWND list, int row) {
  LVITEMA item{};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  if (!SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return 0;
  return static_cast<uint32_t>(item.lParam);
}

bool RowChecked(HWND list, int row) {
  const UINT state = static_cast<UINT>(SendMessageA(list, LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK));
  return (state >> 12) == 2;
}

void SetRowChecked(HWND list, int row, bool checked) {
  LVITEMA item{};
  item.stateMask = LVIS_STATEIMAGEMASK;
  item.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
  SendMessageA(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

void SetRowText(HWND list, int row, int column, const char* text) {
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = const_cast<char*>(text);
  SendMessageA(list, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
}

void AddColumn(HWND list, int index, const char* header, int width) {
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.pszText = const_cast<char*>(header);
  column.cx = width;
  column.iSubItem = index;
  SendMessageA(list, LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&column));
}

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

HWND ClockSettingsDialog::List() const { return GetDlgItem(hwnd(), IDC_REMINDER_LIST); }

int ClockSettingsDialog::SelectedRow() const {
  return static_cast<int>(SendMessageA(List(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void ClockSettingsDialog::ReadThemeDirectory() {
  std::vector<char> text(static_cast<size_t>(GetWindowTextLengthA(GetDlgItem(hwnd(), IDC_THEME_DIRECTORY))) + 1, '\0');
  GetDlgItemTextA(hwnd(), IDC_THEME_DIRECTORY, text.data(), static_cast<int>(text.size()));
  gbk::CopyText(themeDirectory, sizeof themeDirectory, text.data());
}

void ClockSettingsDialog::ShowRow(int row, const ReminderRecord& record, bool insert) {
  HWND list = List();
  const std::string title = FieldText(record.sTitle);
  LVITEMA item{};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  item.iItem = row;
  item.pszText = const_cast<char*>("");
  item.lParam = static_cast<LPARAM>(ReminderRowData(record));
  if (insert) {
    row = static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    if (row < 0) return;
  } else {
    SendMessageA(list, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
  SetRowText(list, row, 1, title.c_str());
  SetRowText(list, row, 2, RepeatText(record.nRepeat));
  SetRowChecked(list, row, record.bEnabled != 0);
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

  HWND list = List();
  reminderListView_.Attach(list);
  const DWORD extended = LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT;
  SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
  AddColumn(list, 0, "S", 20);
  AddColumn(list, 1, "标题", 200);
  AddColumn(list, 2, "类型", 100);
  SendMessageA(list, LVM_SETCOLUMNWIDTH, 2, LVSCW_AUTOSIZE_USEHEADER);
  // Each record goes in at the top: the rows show the list in reverse order.
  for (size_t i = 0; i < reminders_.count(); ++i) ShowRow(0, *reminders_.At(i), true);
  return true;
}

void ClockSettingsDialog::OnPaint() {
  PaintDC dc(hwnd());
  DrawHeaderImage(dc.get(), 2, 20, 26);
  DrawHeaderImage(dc.get(), 3, 20, 116);
}

void ClockSettingsDialog::OnTry(int, int, HWND) {
  ReadThemeDirectory();
  char themeFile[kThemePathSize];
  char sound[kThemeValueSize];
  char path[kThemePathSize];
  if (!JoinThemePath(themeDirectory, kThemeFileName, themeFile, sizeof themeFile)) return;
  if (ReadThemeHourFile(themeFile, 4, sound, sizeof sound) == 0) return;
  if (JoinThemePath(themeDirectory, sound, path, sizeof path)) actions_.playSound(path);
}

void ClockSettingsDialog::OnBrowse(int, int, HWND) {
  std::vector<char> text(static_cast<size_t>(GetWindowTextLengthA(GetDlgItem(hwnd(), IDC_THEME_DIRECTORY))) + 1, '\0');
  GetDlgItemTextA(hwnd(), IDC_THEME_DIRECTORY, text.data(), static_cast<int>(text.size()));
  char initial[FolderBrowser::kPathSize];
  FolderBrowserStart(text.data(), initial, sizeof initial);
  FolderBrowser browser("选择文件夹", "选择整点提示声音主题文件夹:", initial);
  if (browser.Browse(hwnd())) SetDlgItemTextA(hwnd(), IDC_THEME_DIRECTORY, browser.Result());
}

void ClockSettingsDialog::OnAdd(int, int, HWND) {
  ReminderEditorDialog editor(actions_);
  if (RunEditor(editor) != IDOK) return;
  editor.record.nId = DistinctReminderId(reminders_, editor.record.nId);
  if (!reminders_.Append(editor.record)) return;
  ShowRow(static_cast<int>(SendMessageA(List(), LVM_GETITEMCOUNT, 0, 0)), editor.record, true);
}

void ClockSettingsDialog::EditRow(int row) {
  if (row < 0) return;
  const uint16_t id = RowDataId(RowData(List(), row));
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
  editor.record.nId = DistinctReminderId(reminders_, editor.record.nId, stored);
  if (!reminders_.ReplaceById(id, editor.record)) return;
  ShowRow(row, editor.record, false);
}

void ClockSettingsDialog::OnEdit(int, int, HWND) { EditRow(SelectedRow()); }

LRESULT ClockSettingsDialog::OnListDoubleClick(NMHDR&) {
  // The row under the cursor; a double click below the rows names none.
  LVHITTESTINFO hit{};
  const DWORD at = GetMessagePos();
  hit.pt = {static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
  ScreenToClient(List(), &hit.pt);
  const int row = static_cast<int>(SendMessageA(List(), LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  if (row >= 0 && (hit.flags & LVHT_ONITEM)) EditRow(row);
  return 0;
}

void ClockSettingsDialog::OnDelete(int, int, HWND) {
  const int row = SelectedRow();
  if (row < 0) return;
  if (reminders_.RemoveById(RowDataId(RowData(List(), row)))) SendMessageA(List(), LVM_DELETEITEM, row, 0);
}

void ClockSettingsDialog::OnOk(int, int, HWND) {
  HWND list = List();
  const int rows = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < rows; ++row)
    reminders_.SetEnabledById(RowData(list, row), RowChecked(list, row) ? 1 : 0);
  if (reminders_.modified()) {
    char rmdPath[kProgramPathSize];
    ProgramPath("Ticora.rmd", rmdPath);
    if (!reminders_.Save(rmdPath)) {
      MessageBoxA(hwnd(), kSaveFailed, kTicoraCaption, MB_OK | MB_ICONWARNING);
      return;
    }
  }
  ReadThemeDirectory();
  char iniPath[kProgramPathSize];
  ProgramPath("Ticora.ini", iniPath);
  IniWriteString(iniPath, ini_keys::kSystem, ini_keys::kSignalFile, themeDirectory);
  End(IDOK);
}

void ClockSettingsDialog::OnCancel(int, int, HWND) { End(IDCANCEL); }

void ClockSettingsDialog::OnHelp(int, int, HWND) { actions_.openHelp(hwnd(), "#remind"); }

void RunClockSettings(ClockWindow& clock, HWND owner) {
  ClockSettingsDialog dialog(ProgramReminders());
  if (dialog.Run(owner) != IDOK) return;
  TimedCheckSettings settings = clock.RunSettings();
  SetThemeDirectory(settings, dialog.themeDirectory);
  clock.ApplySettings(settings);
}
