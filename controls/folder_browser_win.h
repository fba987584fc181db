// The platform's folder browser around one call: a caption, an instruction
// above the folder tree, an initial selection, and a status line that shows
// what validateSelection makes of the folder under the cursor. The user of
// the browser says what that is.
#pragma once
#include <windows.h>

class FolderBrowser {
 public:
  static constexpr size_t kPathSize = 260;
  static constexpr size_t kStatusSize = 256;

  FolderBrowser(const char* caption, const char* instruction, const char* initial);
  virtual ~FolderBrowser() = default;

  // Runs the browser from the top of the shell namespace, file-system folders
  // only. True when the user confirmed a folder that has a path; Result() then holds it.
  bool Browse(HWND owner);
  const char* Result() const { return result_; }

 protected:
  // The status text (status, kStatusSize bytes) for the selected folder's
  // path ("" for a folder without one) and whether OK may be pressed.
  virtual bool validateSelection(const char* path, char* status) = 0;

 private:
  static int CALLBACK Callback(HWND window, UINT msg, LPARAM param, LPARAM self);

  char caption_[64];
  char instruction_[128];
  char result_[kPathSize] = {};
  char initial_[kPathSize];
  bool statusText_ = true;
};
