#include "themeedit/theme_editor_dialog_win.h"

#include <commctrl.h>
#include <mmsystem.h>

#include <string>

#include "base/gbk_text_win.h"
#include "controls/list_view_win.h"
#include "controls/module_win.h"
#include "dialogs/about_dialog_win.h"
#include "resources/app_ids.h"
#include "resources/belvane_ids.h"
#include "themeedit/theme_save_win.h"

const char kBelvaneCaption[] = "整点声音主题";

EditorServices StandardEditorServices() {
  EditorServices s;
  s.chooseFile = &ChooseFile;
  s.ask = [](HWND owner, const char* text, UINT type) { return MessageBoxA(owner, text, kBelvaneCaption, type); };
  // No SND_FILENAME: a name that is a system sound's alias plays that sound,
  // and an unplayable one the system's default.
  s.play = [](const char* sound) { PlaySoundA(sound, nullptr, SND_ASYNC); };
  s.about = [](HWND owner) { ShowAboutDialog(owner, IDC_HAND_BELVANE, "about_belvane.bmp"); };
  return s;
}

ThemeEditorDialog::ThemeEditorDialog(EditorServices services) : services_(std::move(services)) {
  OnMessage<WM_INITDIALOG>(&ThemeEditorDialog::OnInitDialog);
  OnCommand(IDC_MODE_12, BN_CLICKED, &ThemeEditorDialog::OnMode12);
  OnCommand(IDC_MODE_24, BN_CLICKED, &ThemeEditorDialog::OnMode24);
  OnCommand(IDC_TRY_SOUND, BN_CLICKED, &ThemeEditorDialog::OnTry);
  OnCommand(IDC_BROWSE_SOUND, BN_CLICKED, &ThemeEditorDialog::OnBrowse);
  OnNotify(IDC_HOUR_LIST, NM_DBLCLK, &ThemeEditorDialog::OnDoubleClick);
  OnCommand(IDC_OPEN_THEME, BN_CLICKED, &ThemeEditorDialog::OnOpenTheme);
  OnCommand(IDC_SAVE_THEME, BN_CLICKED, &ThemeEditorDialog::OnSaveTheme);
  OnCommand(IDOK, &ThemeEditorDialog::OnEnd);
  OnCommand(IDCANCEL, &ThemeEditorDialog::OnEnd);
  OnCommand(IDC_EDITOR_ABOUT, &ThemeEditorDialog::OnAbout);
}

bool ThemeEditorDialog::OnInitDialog(HWND) {
  const HWND dlg = hwnd();
  // Centred on a visible, not minimised owner, else on the work area.
  RECT reference{};
  const HWND owner = GetWindow(dlg, GW_OWNER);
  if (!(owner && IsWindowVisible(owner) && !IsIconic(owner) && GetWindowRect(owner, &reference)) &&
      !SystemParametersInfoA(SPI_GETWORKAREA, 0, &reference, 0))
    reference = DesktopRect();
  InitLook(reference, nullptr);
  const HINSTANCE instance = module::Instance();
  largeIcon_.Reset(static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_PROGRAM), IMAGE_ICON,
                                                 GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0)));
  smallIcon_.Reset(static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_PROGRAM), IMAGE_ICON,
                                                 GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0)));
  SetIcons(largeIcon_.get(), smallIcon_.get());
  hours_.Init(GetDlgItem(dlg, IDC_HOUR_LIST), themeMode_);
  ShowModeRadio();
  return true;
}

void ThemeEditorDialog::ShowModeRadio() {
  CheckRadioButton(hwnd(), IDC_MODE_12, IDC_MODE_24, themeMode_ == 12 ? IDC_MODE_12 : IDC_MODE_24);
}

// Every row follows the chosen mode, also after a file of another mode (5,
// 30 ...) had set them.
void ThemeEditorDialog::SetMode(int mode) {
  if (themeMode_ == mode) return;
  themeMode_ = mode;
  for (int row = 0; row < kHourRows; ++row) hours_.SetRowData(row, RowDataFor(row, mode));
}

void ThemeEditorDialog::OnMode12(int, int, HWND) { SetMode(12); }
void ThemeEditorDialog::OnMode24(int, int, HWND) { SetMode(24); }

void ThemeEditorDialog::OnTry(int, int, HWND) {
  const int row = hours_.SelectedRow();
  if (row < 0) return;
  services_.play(hours_.Sound(row).c_str());
}

void ThemeEditorDialog::BrowseForRow(int row) {
  char path[kEditorPathSize] = {};
  if (services_.chooseFile(FileDialogUse::BrowseSound, hwnd(), path)) hours_.SetSound(row, path);
}

void ThemeEditorDialog::OnBrowse(int, int, HWND) {
  const int row = hours_.SelectedRow();
  if (row >= 0) BrowseForRow(row);
}

// A double click that names no row (below the last one) opens nothing: a
// choice there would have nowhere to go.
LRESULT ThemeEditorDialog::OnDoubleClick(NMHDR& header) {
  const int row = ListView::ActivatedItem(header);
  if (row >= 0 && row < kHourRows) BrowseForRow(row);
  return 0;
}

void ThemeEditorDialog::OnOpenTheme(int, int, HWND) {
  char path[kEditorPathSize] = {};
  if (!services_.chooseFile(FileDialogUse::OpenTheme, hwnd(), path)) return;
  const OpenedTheme theme = OpenThemeFile(path, SystemLeadByte);
  themeMode_ = theme.mode;
  ShowModeRadio();
  for (int row = 0; row < kHourRows; ++row) {
    hours_.SetRowData(row, theme.rowData[row]);
    hours_.SetSound(row, theme.sounds[row].c_str());
  }
}

void ThemeEditorDialog::OnSaveTheme(int, int, HWND) {
  char path[kEditorPathSize] = {};
  if (!services_.chooseFile(FileDialogUse::SaveTheme, hwnd(), path)) return;
  std::string sounds[kHourRows];
  for (int row = 0; row < kHourRows; ++row) sounds[row] = hours_.Sound(row);
  // The mode the radios show is the one saved.
  const int mode = IsDlgButtonChecked(hwnd(), IDC_MODE_12) == BST_CHECKED ? 12 : 24;
  const ThemeSavePlan plan = PlanThemeSave(mode, sounds, path, [](const char* file) {
    return GetFileAttributesA(file) != INVALID_FILE_ATTRIBUTES;
  }, SystemLeadByte);
  const HWND dlg = hwnd();
  if (!plan.fits) {
    services_.ask(dlg, PathTooLongText(plan.directory, SystemLeadByte).c_str(), MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  const std::string failure =
      CarryOutThemeSave(plan, [&](const char* text, UINT type) { return services_.ask(dlg, text, type); });
  if (!failure.empty()) services_.ask(dlg, failure.c_str(), MB_OK | MB_ICONEXCLAMATION);
}

void ThemeEditorDialog::OnEnd(int id, int, HWND) { End(id); }

void ThemeEditorDialog::OnAbout(int, int, HWND) { services_.about(hwnd()); }
