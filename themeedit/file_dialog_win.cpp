#include "themeedit/file_dialog_win.h"

#include <commdlg.h>

namespace {

const char kSoundFilter[] = "Wave Files (*.wav)\0*.wav\0All Files (*.*)\0*.*\0";
const char kThemeFilter[] = "整点报时声音主题 (*.ini)\0*.ini\0All Files (*.*)\0*.*\0";

// The explorer-style dialog with a hook resizes properly; the hook itself
// handles nothing.
UINT_PTR CALLBACK PassiveHook(HWND, UINT, WPARAM, LPARAM) { return 0; }

DWORD StructSize() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  const bool known = GetVersionExA(&version) != FALSE;
  return FileDialogStructSize(known, version.dwMajorVersion, version.dwMinorVersion);
}

}  // namespace

FileDialog::FileDialog(bool save, const char* filter, DWORD flags, HWND owner)
    : save_(save), filter_(filter), flags_(flags), owner_(owner) {}

bool FileDialog::Show() {
  OPENFILENAMEA ofn{};
  ofn.lStructSize = StructSize();
  ofn.hwndOwner = owner_ ? owner_ : GetActiveWindow();
  ofn.lpstrFilter = filter_;
  ofn.lpstrFile = file_;
  ofn.nMaxFile = sizeof file_;
  ofn.lpstrFileTitle = title_;
  ofn.nMaxFileTitle = sizeof title_;
  ofn.Flags = flags_ | OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLESIZING;
  ofn.lpfnHook = &PassiveHook;
  file_[0] = '\0';
  return (save_ ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn)) != FALSE;
}

bool ChooseFile(FileDialogUse use, HWND owner, char* path) {
  const bool save = use == FileDialogUse::SaveTheme;
  const char* filter = use == FileDialogUse::BrowseSound ? kSoundFilter : kThemeFilter;
  const DWORD flags = save ? (OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_CREATEPROMPT)
                           : (OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST);
  FileDialog dialog(save, filter, flags, owner);
  if (!dialog.Show()) return false;
  lstrcpynA(path, dialog.Path(), static_cast<int>(kEditorPathSize));
  return true;
}
