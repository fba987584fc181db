// Ticora's entry point: common controls, the framework's module state, one
// message loop with the desktop clock, and the exit code of the quit message.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "base/single_instance.h"
#include "clock/clock_window_win.h"
#include "controls/message_loop_win.h"
#include "controls/module_win.h"
#include "dialogs/ticora_dialogs_win.h"
#include "resources/menu_ids.h"
#ifdef TICORA_START_TIME_SEAM
#include "base/local_time_win.h"
#endif

namespace {

#ifdef TICORA_START_TIME_SEAM
// The build of this program for the end-to-end tests: its clock starts at the
// time of day given on the command line ("HH:MM:SS") and runs on from there
// with the system's tick count, so that a test decides when a reminder falls
// due. The shipped program always shows the system's time.
class StartedAt : public TimeSource {
 public:
  explicit StartedAt(const char* commandLine) : start_(system_.Now()), ticks_(GetTickCount()) {
    int h = 0, m = 0, s = 0;
    if (commandLine && std::sscanf(commandLine, "%d:%d:%d", &h, &m, &s) == 3) {
      start_.wHour = static_cast<uint16_t>(h);
      start_.wMinute = static_cast<uint16_t>(m);
      start_.wSecond = static_cast<uint16_t>(s);
    }
  }
  LocalTime Now() override {
    LocalTime now = start_;
    const unsigned total = start_.wHour * 3600u + start_.wMinute * 60u + start_.wSecond + (GetTickCount() - ticks_) / 1000;
    now.wHour = static_cast<uint16_t>(total / 3600 % 24);
    now.wMinute = static_cast<uint16_t>(total / 60 % 60);
    now.wSecond = static_cast<uint16_t>(total % 60);
    return now;
  }

 private:
  SystemTimeSource system_;
  LocalTime start_;
  DWORD ticks_;
};

// "--record-tray": the records meant for the shell are appended to "tray.log"
// in the current directory, one line each (message, flags, record size, then
// title and text of a balloon), and handed on to the shell, whose answer is
// taken as success.
BOOL WINAPI RecordTray(DWORD message, PNOTIFYICONDATAA data) {
  char line[512];
  const int n = std::snprintf(line, sizeof line, "%lu %u %lu %s|%s|%u\r\n", static_cast<unsigned long>(message),
                              data->uFlags, static_cast<unsigned long>(data->cbSize),
                              (data->uFlags & NIF_INFO) ? data->szInfoTitle : "", (data->uFlags & NIF_INFO) ? data->szInfo : "",
                              (data->uFlags & NIF_INFO) ? data->uTimeout : 0u);
  HANDLE file = CreateFileA("tray.log", FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    WriteFile(file, line, n > 0 ? static_cast<DWORD>(n) : 0, &written, nullptr);
    CloseHandle(file);
  }
  // The record is what the test looks at: a shell without a notification area
  // (a headless display) must not turn the balloon into a board.
  Shell_NotifyIconA(message, data);
  return TRUE;
}

// "TicoraAtTime.Hold" posted to the clock with a number of milliseconds as
// its first parameter: the program's thread sleeps that long, as a program
// held up by a busy machine would, and no tick comes meanwhile.
UINT g_holdMessage = 0;

LRESULT CALLBACK HoldHook(int code, WPARAM removed, LPARAM data) {
  MSG* msg = reinterpret_cast<MSG*>(data);
  if (code == HC_ACTION && removed == PM_REMOVE && g_holdMessage && msg->message == g_holdMessage) {
    Sleep(static_cast<DWORD>(msg->wParam));
    msg->message = WM_NULL;
  }
  return CallNextHookEx(nullptr, code, removed, data);
}

// "--shell=N": the clock takes the shell for version N.
int ShellVersionArgument(const char* commandLine) {
  const char* p = commandLine ? std::strstr(commandLine, "--shell=") : nullptr;
  return p ? std::atoi(p + 8) : 0;
}
#endif

struct ClockSearch {
  ATOM mark;
  HWND found;
};

BOOL CALLBACK MatchClock(HWND window, LPARAM data) {
  ClockSearch* search = reinterpret_cast<ClockSearch*>(data);
  if (!GetPropA(window, MAKEINTATOM(search->mark))) return TRUE;
  search->found = window;
  return FALSE;
}

// The running clock of this program directory: the top-level window that
// carries the instance's name as a property. Null while there is none.
HWND FindRunningClock(ATOM mark) {
  ClockSearch search{mark, nullptr};
  EnumWindows(&MatchClock, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Another clock of this directory holds the instance: show it if it is hidden
// and bring it forward. Returns true when this process should end (the clock
// was found, or it never came up); false when that clock ended while this one
// waited, so that this one owns the instance now and runs as the clock.
bool HandOverToRunningClock(const char* name, HANDLE instance) {
  // A clock still starting has its window a moment later; under emulation a
  // start can take a minute.
  const DWORD started = GetTickCount();
  while (GetTickCount() - started < 120000) {
    const ATOM mark = GlobalFindAtomA(name);
    if (HWND clock = mark ? FindRunningClock(mark) : nullptr) {
      if (!IsWindowVisible(clock)) PostMessageA(clock, WM_COMMAND, IDM_SHOW_HIDE, 0);
      SetForegroundWindow(clock);
      return true;
    }
    const DWORD wait = WaitForSingleObject(instance, 100);
    if (wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED) return false;
  }
  return true;
}

int Run(int showCommand, TimeSource* time, const char* instanceName, const char* commandLine) {
  auto loop = std::make_unique<MessageLoop>();
  TicoraDialogs dialogs;
  ClockServices services;
  services.time = time;
  services.dialogs = &dialogs;
#ifdef TICORA_START_TIME_SEAM
  if (commandLine && std::strstr(commandLine, "--record-tray")) services.shellNotify = &RecordTray;
  services.shellVersion = ShellVersionArgument(commandLine);
  g_holdMessage = RegisterWindowMessageA("TicoraAtTime.Hold");
  SetWindowsHookExA(WH_GETMESSAGE, &HoldHook, nullptr, GetCurrentThreadId());
#else
  (void)commandLine;
#endif
  ClockWindow clock(services);
  // A failed creation destroys the clock object first, then the loop.
  if (!clock.CreateClock(nullptr, false, nullptr)) return 0;
  ShowWindow(clock.hwnd(), showCommand);
  // A second start of this directory's program finds the clock by this mark.
  const ATOM mark = instanceName[0] ? GlobalAddAtomA(instanceName) : 0;
  if (mark) SetPropA(clock.hwnd(), MAKEINTATOM(mark), reinterpret_cast<HANDLE>(1));
  const int exitCode = loop->Run();
  // The loop leaves the thread's table before the clock object (and with it
  // the notification-area icon) goes.
  loop.reset();
  if (mark) GlobalDeleteAtom(mark);
  return exitCode;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
  // The date pickers of the reminder editor and the time correction, and the
  // list view and up-down controls of the settings dialogs: a comctl32 that
  // registers its classes on request only would otherwise fail those dialogs.
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_DATE_CLASSES | ICC_LISTVIEW_CLASSES | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&icc);
  // One clock per program directory: two would fire every reminder twice
  // and overwrite each other's files. A second start hands over and ends.
  char path[MAX_PATH + 1] = {};
  char name[kInstanceNameSize] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH || !InstanceName(path, name, sizeof name)) name[0] = '\0';
  HANDLE running = name[0] ? CreateMutexA(nullptr, TRUE, name) : nullptr;
  if (running && GetLastError() == ERROR_ALREADY_EXISTS && HandOverToRunningClock(name, running)) {
    CloseHandle(running);
    return 0;
  }
  module::Init(instance);
#ifdef TICORA_START_TIME_SEAM
  StartedAt time(commandLine);
  int exitCode = Run(showCommand, &time, name, commandLine);
#else
  int exitCode = Run(showCommand, nullptr, name, commandLine);
#endif
  module::Shutdown();
  if (running) {
    ReleaseMutex(running);
    CloseHandle(running);
  }
  return exitCode;
}
