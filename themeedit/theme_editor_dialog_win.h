// Belvane's one window: the sound file of each hour of a 12- or 24-hour
// cycle, tried, browsed for, opened from and saved as a sound-theme directory.
#pragma once
#include <windows.h>

#include <functional>

#include "controls/handles_win.h"
#include "dialogs/dialog_look_win.h"
#include "themeedit/file_dialog_win.h"
#include "themeedit/hour_list_view_win.h"

// The caption of every message box Belvane shows.
extern const char kBelvaneCaption[];

// What the editor asks of the user and the system; tests replace them.
struct EditorServices {
  // A file dialog of one use; true with the chosen path (kEditorPathSize bytes).
  std::function<bool(FileDialogUse use, HWND owner, char* path)> chooseFile;
  // A message box captioned kBelvaneCaption; its answer.
  std::function<int(HWND owner, const char* text, UINT type)> ask;
  // Starts playing a sound in the background.
  std::function<void(const char* sound)> play;
  // The About box.
  std::function<void(HWND owner)> about;
};
EditorServices StandardEditorServices();

class ThemeEditorDialog : public LookedDialog {
 public:
  explicit ThemeEditorDialog(EditorServices services = StandardEditorServices());

  int Mode() const { return themeMode_; }
  HourListView& Hours() { return hours_; }

 private:
  bool OnInitDialog(HWND focus);
  void OnMode12(int id, int code, HWND control);
  void OnMode24(int id, int code, HWND control);
  void OnTry(int id, int code, HWND control);
  void OnBrowse(int id, int code, HWND control);
  LRESULT OnDoubleClick(NMHDR& header);
  void OnOpenTheme(int id, int code, HWND control);
  void OnSaveTheme(int id, int code, HWND control);
  void OnEnd(int id, int code, HWND control);
  void OnAbout(int id, int code, HWND control);

  void SetMode(int mode);
  void ShowModeRadio();
  void BrowseForRow(int row);

  EditorServices services_;
  HourListView hours_;
  int themeMode_ = 12;
  Icon largeIcon_;
  Icon smallIcon_;
};
