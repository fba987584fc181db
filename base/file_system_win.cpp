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

bool Win32FileSystem::Note(bool ok) {
  const DWORD error = ok ? 0 : GetLastError();
  lastRefused_ = error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION || error == ERROR_ACCESS_DENIED;
  return ok;
}

bool Win32FileSystem::Rename(const char* source, const char* target) {
  return Note(MoveFileA(source, target) != 0);
}

bool Win32FileSystem::IsReadOnly(const char* path) {
  const DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

void Win32FileSystem::Pause(unsigned milliseconds) { Sleep(milliseconds); }

FileSystem::ReplaceResult Win32FileSystem::Replace(const char* source, const char* target) {
  static const MoveFileExFn moveFileEx = FindMoveFileEx();
  if (!moveFileEx) return ReplaceResult::kNotAvailable;
  if (Note(moveFileEx(source, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0))
    return ReplaceResult::kReplaced;
  return GetLastError() == ERROR_CALL_NOT_IMPLEMENTED ? ReplaceResult::kNotAvailable : ReplaceResult::kFailed;
}

FileSystem& DefaultFileSystem() {
  static Win32FileSystem files;
  return files;
}
