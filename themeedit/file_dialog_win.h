// The editor's open and save file dialogs: one object per use, shown once,
// returning the chosen full path.
#pragma once
#include <windows.h>

#include "themeedit/theme_rows.h"

enum class FileDialogUse {
  BrowseSound,  // open, wave files, the file must exist
  OpenTheme,    // open, theme files, the file must exist
  SaveTheme,    // save, theme files, overwrite and create prompts
};

class FileDialog {
 public:
  // filter: description and pattern pairs, each NUL-terminated, then a NUL.
  // owner: null means the window active when the dialog is shown.
  FileDialog(bool save, const char* filter, DWORD flags, HWND owner);
  // True with the chosen full path in Path(); false when cancelled.
  bool Show();
  const char* Path() const { return file_; }

 private:
  bool save_;
  const char* filter_;
  DWORD flags_;
  HWND owner_;
  char file_[kEditorPathSize] = {};
  char title_[256] = {};
};

// Shows the file dialog of one of the editor's uses; true with the chosen
// path in path (kEditorPathSize bytes).
bool ChooseFile(FileDialogUse use, HWND owner, char* path);
