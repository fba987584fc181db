#include "tests/support/program_dir.h"

#include <cstdio>

namespace {

std::string Join(const char* base, const char* name) {
  std::string s = base;
  if (!s.empty() && s.back() != '\\') s += '\\';
  return s + name;
}

void RemoveTree(const std::string& dir) {
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &fd);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      std::string name = fd.cFileName;
      if (name == "." || name == "..") continue;
      std::string full = dir + "\\" + name;
      if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(full);
      } else {
        SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(full.c_str());
      }
    } while (FindNextFileA(h, &fd));
    FindClose(h);
  }
  RemoveDirectoryA(dir.c_str());
}

void MakeParents(const std::string& path) {
  for (size_t i = 3; i < path.size(); ++i)
    if (path[i] == '\\') CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
}

struct WindowSearch {
  DWORD pid;
  bool visibleOnly;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == search->pid && (!search->visibleOnly || IsWindowVisible(hwnd))) search->found.push_back(hwnd);
  return TRUE;
}

}  // namespace

std::string DistPath(const char* name) { return Join(TICORA_TEST_DIST_DIR, name); }
std::string BuildPath(const char* name) { return Join(TICORA_TEST_BUILD_DIR, name); }

ProgramDir::ProgramDir() {
  static int counter = 0;
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  char name[64];
  snprintf(name, sizeof name, "ticora-e2e-%lu-%d-%lu", GetCurrentProcessId(), ++counter, GetTickCount());
  dir_ = Join(temp, name);
  CreateDirectoryA(dir_.c_str(), nullptr);
}

ProgramDir::~ProgramDir() { RemoveTree(dir_); }

std::string ProgramDir::Path(const char* name) const { return Join(dir_.c_str(), name); }

bool ProgramDir::CopyFromDist(const char* name) { return CopyFrom(DistPath(name), name); }

bool ProgramDir::CopyFrom(const std::string& source, const char* name) {
  std::string target = Path(name);
  MakeParents(target);
  return CopyFileA(source.c_str(), target.c_str(), FALSE) != FALSE;
}

bool ProgramDir::Write(const char* name, const std::string& content) {
  std::string target = Path(name);
  MakeParents(target);
  FILE* f = fopen(target.c_str(), "wb");
  if (!f) return false;
  bool ok = fwrite(content.data(), 1, content.size(), f) == content.size();
  return fclose(f) == 0 && ok;
}

std::string ProgramDir::Read(const char* name) const {
  std::string out;
  FILE* f = fopen(Path(name).c_str(), "rb");
  if (!f) return out;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
  fclose(f);
  return out;
}

bool ProgramDir::Exists(const char* name) const {
  return GetFileAttributesA(Path(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

RunningProgram::~RunningProgram() {
  if (pi_.hProcess) {
    if (Running()) {
      TerminateProcess(pi_.hProcess, 99);
      WaitForSingleObject(pi_.hProcess, 5000);
    }
    CloseHandle(pi_.hProcess);
    CloseHandle(pi_.hThread);
  }
}

bool RunningProgram::Start(const std::string& exe, const std::string& workDir, const std::string& arguments) {
  STARTUPINFOA si{};
  si.cb = sizeof si;
  std::string cmd = "\"" + exe + "\"";
  if (!arguments.empty()) cmd += " " + arguments;
  std::vector<char> line(cmd.begin(), cmd.end());
  line.push_back('\0');
  return CreateProcessA(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, workDir.c_str(), &si,
                        &pi_) != FALSE;
}

std::vector<HWND> RunningProgram::Windows(bool visibleOnly) const {
  WindowSearch search{pi_.dwProcessId, visibleOnly, {}};
  EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND RunningProgram::WaitForWindow(DWORD timeoutMs, bool visibleOnly) const {
  HWND found = nullptr;
  WaitUntil(timeoutMs, [&] {
    auto windows = Windows(visibleOnly);
    if (!windows.empty()) found = windows.front();
    return found != nullptr || !Running();
  });
  return found;
}

bool RunningProgram::WaitForIdle(DWORD timeoutMs) const {
  return pi_.hProcess && WaitForInputIdle(pi_.hProcess, timeoutMs) == 0;
}

bool RunningProgram::WaitForExit(DWORD timeoutMs, DWORD* exitCode) {
  if (WaitForSingleObject(pi_.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
  if (exitCode) GetExitCodeProcess(pi_.hProcess, exitCode);
  return true;
}

bool RunningProgram::Running() const { return pi_.hProcess && WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT; }

int ProfileInt(const std::string& file, const char* section, const char* key, int def) {
  return static_cast<int>(GetPrivateProfileIntA(section, key, def, file.c_str()));
}
