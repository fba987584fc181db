#include "base/file_system_win.h"

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

bool Win32FileSystem::Exists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

bool Win32FileSystem::Rename(const char* source, const char* target) {
  return MoveFileA(source, target) != 0;
}

FileSystem::ReplaceResult Win32FileSystem::Replace(const char* source, const char* target) {
  static const MoveFileExFn moveFileEx = FindMoveFileEx();
  if (!moveFileEx) return ReplaceResult::kNotAvailable;
  if (moveFileEx(source, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return ReplaceResult::kReplaced;
  return GetLastError() == ERROR_CALL_NOT_IMPLEMENTED ? ReplaceResult::kNotAvailable : ReplaceResult::kFailed;
}

FileSystem& DefaultFileSystem() {
  static Win32FileSystem files;
  return files;
}
