#include "themeedit/theme_save_win.h"

#include <vector>

#include "base/theme_file.h"

namespace {

bool Exists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

bool ReplaceFile(const char* source, const char* target) {
  using MoveFileExFn = BOOL(WINAPI*)(LPCSTR, LPCSTR, DWORD);
  // Bound at run time: Windows 9x has no MoveFileExA.
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  auto moveFileEx = kernel ? reinterpret_cast<MoveFileExFn>(
                                 reinterpret_cast<void*>(GetProcAddress(kernel, "MoveFileExA")))
                           : nullptr;
  if (moveFileEx) {
    if (moveFileEx(source, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    if (GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) return false;
  }
  if (Exists(target) && !DeleteFileA(target)) return false;
  return MoveFileA(source, target) != 0;
}

std::string CarryOutThemeSave(const ThemeSavePlan& plan, const std::function<int(const char*, UINT)>& ask) {
  std::vector<std::string> failedCopies;
  auto copyHour = [&](int number) {
    if (number < 1 || number > static_cast<int>(plan.hours.size())) return;
    const HourCopy& hour = plan.hours[number - 1];
    switch (hour.action) {
      case CopyAction::AlreadyThere:
      case CopyAction::NoSound:
        return;
      case CopyAction::AskThenCopy:
        if (ask(OverwriteQuestion(hour.target).c_str(), MB_YESNO | MB_ICONQUESTION) == IDNO) return;
        break;
      case CopyAction::Copy:
        break;
    }
    if (!CopyFileA(hour.source.c_str(), hour.target.c_str(), FALSE)) failedCopies.push_back(hour.target);
  };

  // The temporary file starts as a copy of the current theme file, so that
  // its other lines stay.
  char temporary[MAX_PATH] = {};
  bool written = GetTempFileNameA(plan.directory.c_str(), "thm", 0, temporary) != 0;
  if (written && Exists(plan.themeFile.c_str())) written = CopyFileA(plan.themeFile.c_str(), temporary, FALSE) != 0;
  // No copies when not even the theme file can be begun: nothing is saved.
  if (written) {
    written = WriteTheme(temporary, plan.mode, copyHour);
    written = written && ReplaceFile(temporary, plan.themeFile.c_str());
  }
  if (temporary[0] && Exists(temporary)) DeleteFileA(temporary);
  return SaveFailureText(plan.themeFile, written, failedCopies);
}
