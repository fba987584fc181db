#include "reminders/file_system_win.h"

#include <windows.h>

namespace {

typedef BOOL(WINAPI* MoveFileExFn)(LPCSTR, LPCSTR, DWORD);

// Bound at run time so that the program still loads where kernel32 lacks it.
MoveFileExFn FindMoveFileEx() {
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  return kernel ? reinterpret_cast<MoveFileExFn>(
                      reinterpret_cast<void*>(GetProcAddress(kernel, "MoveFileExA")))
                : nullptr;
}

}  // namespace

bool Win32FileSystem::Replace(const char* source, const char* target) {
  static const MoveFileExFn moveFileEx = FindMoveFileEx();
  if (moveFileEx) {
    if (moveFileEx(source, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    if (GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) return false;
  }
  // Windows 9x: there is no atomic replace. The complete new file stays under
  // the source name if the rename after the delete fails.
  if (GetFileAttributesA(target) != INVALID_FILE_ATTRIBUTES && !DeleteFileA(target)) return false;
  return MoveFileA(source, target) != 0;
}
