// A stand-in Dorvix.dll for the end-to-end tests: the same five exports, but
// instead of setting the clock or shutting down it appends one line per call to
// "dorvix_calls.txt" in its own directory, for example
//   ShutDownComputer 1 0
//   AdjustSystemTime 2026-12-08 10:11:12
// Lines end with "\n". The queries answer as an NT 5.1 system would.
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

HINSTANCE g_module = nullptr;

// Appends line to dorvix_calls.txt beside this library. Returns false when the
// file cannot be written.
bool AppendCall(const char* line) {
  char path[MAX_PATH + 32];
  const DWORD length = GetModuleFileNameA(g_module, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return false;
  char* slash = std::strrchr(path, '\\');
  char* nameStart = slash != nullptr ? slash + 1 : path;
  const size_t room = sizeof path - static_cast<size_t>(nameStart - path);
  std::snprintf(nameStart, room, "%s", "dorvix_calls.txt");

  HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  SetFilePointer(file, 0, nullptr, FILE_END);
  const DWORD size = static_cast<DWORD>(std::strlen(line));
  DWORD written = 0;
  const BOOL ok = WriteFile(file, line, size, &written, nullptr);
  CloseHandle(file);
  return ok && written == size;
}

}  // namespace

extern "C" {

int WINAPI AdjustSystemTime(const SYSTEMTIME* time) {
  char line[96];
  if (time == nullptr) {
    AppendCall("AdjustSystemTime (null)\n");
    return 0;
  }
  std::snprintf(line, sizeof line, "AdjustSystemTime %04u-%02u-%02u %02u:%02u:%02u\n",
                time->wYear, time->wMonth, time->wDay, time->wHour, time->wMinute,
                time->wSecond);
  AppendCall(line);
  return 1;
}

int WINAPI ShutDownComputer(int force, int restart) {
  char line[64];
  std::snprintf(line, sizeof line, "ShutDownComputer %d %d\n", force, restart);
  AppendCall(line);
  return 1;
}

int WINAPI IsWindows9XMe() { return 0; }
int WINAPI IsWindows2KXp() { return 1; }
int WINAPI IsWindowsNT() { return 1; }

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) g_module = instance;
  return TRUE;
}

}  // extern "C"
