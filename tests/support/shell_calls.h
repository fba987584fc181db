// Recording what the code under test asks of the notification area, in place
// of Shell_NotifyIconA.
#pragma once
#include <windows.h>

#include <shellapi.h>

#include <vector>

struct ShellCall {
  DWORD message;
  NOTIFYICONDATAA data;
};

// Every call recorded so far, oldest first.
inline std::vector<ShellCall> g_shellCalls;

// Records the call and answers that it was carried out.
inline BOOL WINAPI RecordShellCall(DWORD message, PNOTIFYICONDATAA data) {
  g_shellCalls.push_back({message, *data});
  return TRUE;
}
