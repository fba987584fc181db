// End-to-end test support: a temporary program directory holding copies of the
// built programs and data files, and a started program driven from outside.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Windows path of the distribution folder and the Windows build tree.
std::string DistPath(const char* name);
std::string BuildPath(const char* name);

class ProgramDir {
 public:
  ProgramDir();
  ~ProgramDir();  // removes the directory and everything in it
  ProgramDir(const ProgramDir&) = delete;
  ProgramDir& operator=(const ProgramDir&) = delete;

  const std::string& Dir() const { return dir_; }
  std::string Path(const char* name) const;
  // Copies a file from the distribution folder (keeping its relative name).
  bool CopyFromDist(const char* name);
  bool CopyFrom(const std::string& source, const char* name);
  bool Write(const char* name, const std::string& content);
  std::string Read(const char* name) const;
  bool Exists(const char* name) const;

 private:
  std::string dir_;
};

class RunningProgram {
 public:
  RunningProgram() = default;
  ~RunningProgram();  // kills the process if it still runs
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  bool Start(const std::string& exe, const std::string& workDir, const std::string& arguments = "");
  DWORD Pid() const { return pi_.dwProcessId; }
  // The process's visible top-level windows right now.
  std::vector<HWND> Windows(bool visibleOnly = true) const;
  // Waits until the process shows a top-level window; null on time-out or exit.
  HWND WaitForWindow(DWORD timeoutMs, bool visibleOnly = true) const;
  // Waits until the process's start-up is over: its thread waits in its
  // message loop with nothing to do (false on time-out).
  bool WaitForIdle(DWORD timeoutMs) const;
  // Waits for the process to end; true with its exit code, false on time-out.
  bool WaitForExit(DWORD timeoutMs, DWORD* exitCode);
  bool Running() const;
  // Holds and lets go of the program's main thread (a process held by a busy
  // machine or a debugger).
  bool Suspend() const { return SuspendThread(pi_.hThread) != static_cast<DWORD>(-1); }
  bool Resume() const { return ResumeThread(pi_.hThread) != static_cast<DWORD>(-1); }
  // Waits until pred() holds, checking every 50 ms.
  template <class Pred>
  static bool WaitUntil(DWORD timeoutMs, Pred pred) {
    DWORD start = GetTickCount();
    for (;;) {
      if (pred()) return true;
      if (GetTickCount() - start > timeoutMs) return false;
      Sleep(50);
    }
  }

 private:
  PROCESS_INFORMATION pi_{};
};

// Reads an integer key of a profile file with the platform's own function.
int ProfileInt(const std::string& file, const char* section, const char* key, int def);
