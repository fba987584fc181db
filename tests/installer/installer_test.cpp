// The installer and its uninstaller, run silently as a user's machine would,
// in a Wine prefix made fresh for this test: an older version is installed,
// the user's own files are put in, this version is installed over it with
// "start with Windows" chosen, the installed clock is started from its
// shortcut, and the uninstaller leaves nothing but the user's files.
// The tests run in order; each one starts where the one before it stopped.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "dialogs/auto_start.h"
#include "dialogs/auto_start_win.h"
#include "resources/menu_ids.h"
#include "tests/support/program_dir.h"
#include "tests/support/reminder_fakes.h"
#include <ticora_version.h>  // written by the build

namespace {

const DWORD kTimeout = 300000;
const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Ticora";
const char* const kShortcuts[][2] = {{"Ticora 桌面时钟.lnk", "Ticora.exe"},
                                     {"Belvane 声音主题生成器.lnk", "Belvane.exe"}};

std::string Folder(int csidl) {
  char path[MAX_PATH] = "";
  SHGetFolderPathA(nullptr, csidl, nullptr, 0, path);
  return path;
}
std::string InstallDir() { return Folder(CSIDL_PROGRAM_FILES) + "\\Ticora"; }
std::string Installed(const std::string& name) { return InstallDir() + "\\" + name; }
std::string MenuFolder() { return Folder(CSIDL_COMMON_PROGRAMS) + "\\Ticora"; }

// The files the installer ships, relative to the installation directory.
std::vector<std::string> ShippedFiles() {
  std::vector<std::string> files;
  std::ifstream list(TICORA_TEST_FILE_LIST);
  for (std::string line; std::getline(list, line);) {
    for (char& c : line) c = c == '/' ? '\\' : c;
    if (!line.empty()) files.push_back(line);
  }
  return files;
}

// Every file below dir, by its path relative to dir, with its content.
void ReadTree(const std::string& dir, const std::string& prefix, std::map<std::string, std::string>* out) {
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((dir + "\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = data.cFileName;
    if (name == "." || name == "..") continue;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      ReadTree(dir + "\\" + name, prefix + name + "\\", out);
    } else {
      std::ifstream f(dir + "\\" + name, std::ios::binary);
      (*out)[prefix + name].assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    }
  } while (FindNextFileA(find, &data));
  FindClose(find);
}

bool WriteFile(const std::string& path, const std::string& content) {
  CreateDirectoryA(path.substr(0, path.find_last_of('\\')).c_str(), nullptr);
  std::ofstream f(path, std::ios::binary);
  f << content;
  return static_cast<bool>(f.flush());
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// A value of the uninstall entry; "" when it (or the entry) is missing.
std::string UninstallValue(const char* name) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return "";
  char value[MAX_PATH] = "";
  DWORD size = sizeof value;
  DWORD type = 0;
  const bool ok = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS;
  RegCloseKey(key);
  return ok && type == REG_SZ ? value : "";
}

std::string RunValue(HKEY root) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, kRunKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return "";
  char value[MAX_PATH] = "";
  DWORD size = sizeof value;
  const bool ok = RegQueryValueExA(key, kRunValueName, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) ==
                  ERROR_SUCCESS;
  RegCloseKey(key);
  return ok ? value : "";
}

// The program a shortcut starts.
std::string ShortcutTarget(const std::string& lnk) {
  std::string target;
  IShellLinkA* link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&link))))
    return target;
  IPersistFile* file = nullptr;
  if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    wchar_t wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, lnk.c_str(), -1, wide, MAX_PATH);
    char path[MAX_PATH] = "";
    if (SUCCEEDED(file->Load(wide, STGM_READ)) && SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, 0))) target = path;
    file->Release();
  }
  link->Release();
  return target;
}

// Runs an installer or uninstaller to its end; its exit code, or -1.
long RunToEnd(const std::string& exe, const char* arguments) {
  RunningProgram program;
  DWORD code = 0;
  if (!program.Start(exe, "C:\\", arguments) || !program.WaitForExit(kTimeout, &code)) return -1;
  return static_cast<long>(code);
}

// The user's own files: settings that differ from the shipped ones (an analog
// face), a reminder and a theme of their own.
std::map<std::string, std::string> UserFiles() {
  ReminderRecord reminder = MakeReminder(1, "mine", RepeatOnce, 8, 30);
  reminder.bEnabled = 0;
  return {{"Ticora.ini", "[SYSTEM]\r\nbClockMode=1\r\n"},
          {"Ticora.rmd", ReminderFileText({reminder})},
          {"Themes\\Mine\\theme.ini", "[Theme]\r\nName=Mine\r\n"},
          {"Themes\\Mine\\Hour01.wav", "RIFF"}};
}

void ExpectShippedFilesInstalled() {
  for (const std::string& f : ShippedFiles()) EXPECT_TRUE(Exists(Installed(f))) << f;
}

class Installer : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { CoInitialize(nullptr); }
  static void TearDownTestSuite() { CoUninitialize(); }
};

TEST_F(Installer, OlderVersionInstallsUnderProgramFilesWithoutStartingWithWindows) {
  ASSERT_EQ(0, RunToEnd(TICORA_TEST_OLDER_INSTALLER, "/S"));
  ExpectShippedFilesInstalled();
  EXPECT_EQ("1.0.0", UninstallValue("DisplayVersion"));
  EXPECT_EQ(InstallDir(), UninstallValue("InstallLocation"));
  RegistryRunValues run;
  EXPECT_FALSE(AutoStartStored(run));
  // The user changes the settings, adds a reminder and makes a theme.
  for (const auto& f : UserFiles()) ASSERT_TRUE(WriteFile(Installed(f.first), f.second)) << f.first;
}

TEST_F(Installer, UpgradeKeepsTheUsersFilesAndRecordsTheChoices) {
  ASSERT_EQ(0, RunToEnd(TICORA_TEST_INSTALLER, "/S /AUTOSTART"));
  ExpectShippedFilesInstalled();
  std::map<std::string, std::string> tree;
  ReadTree(InstallDir(), "", &tree);
  for (const auto& f : UserFiles()) EXPECT_EQ(f.second, tree[f.first]) << f.first;
  EXPECT_EQ(TICORA_VERSION_TEXT, UninstallValue("DisplayVersion"));
  EXPECT_EQ("\"" + Installed("Uninstall.exe") + "\"", UninstallValue("UninstallString"));
  EXPECT_NE("", UninstallValue("DisplayName"));
  // The value the program settings write, so that their box shows it ticked.
  char command[MAX_PATH];
  ASSERT_TRUE(AutoStartCommand(Installed("Ticora.exe").c_str(), command, sizeof command));
  EXPECT_EQ(command, RunValue(HKEY_LOCAL_MACHINE));
  EXPECT_EQ("", RunValue(HKEY_CURRENT_USER));
  RegistryRunValues run;
  EXPECT_TRUE(AutoStartStored(run));
  for (const auto& s : kShortcuts) {
    EXPECT_STRCASEEQ(Installed(s[1]).c_str(), ShortcutTarget(MenuFolder() + "\\" + s[0]).c_str()) << s[0];
  }
}

TEST_F(Installer, ReadMeIsGbkTextWithWindowsLineEnds) {
  std::ifstream f(Installed("ReadMe.txt"), std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
  EXPECT_EQ(0u, text.find("Ticora " TICORA_VERSION_TEXT " 自述\r\n"));  // a GBK literal
  for (size_t i = text.find('\n'); i != std::string::npos; i = text.find('\n', i + 1)) {
    ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "a bare line feed at " << i;
  }
}

TEST_F(Installer, InstalledClockStartsFromItsShortcutWithTheUsersSettings) {
  const std::string exe = ShortcutTarget(MenuFolder() + "\\" + kShortcuts[0][0]);
  ASSERT_FALSE(exe.empty());
  RunningProgram clock;
  ASSERT_TRUE(clock.Start(exe, InstallDir()));
  HWND window = clock.WaitForWindow(kTimeout);
  ASSERT_NE(nullptr, window);
  // The user's settings chose the analog face, 136 pixels square.
  ASSERT_TRUE(RunningProgram::WaitUntil(kTimeout, [window] {
    RECT r{};
    return IsWindow(window) && !IsIconic(window) && GetWindowRect(window, &r) && r.right - r.left == 136 &&
           r.bottom - r.top == 136;
  }));
  PostMessageA(window, WM_COMMAND, IDM_CLOSE, 0);
  DWORD code = 1;
  ASSERT_TRUE(clock.WaitForExit(kTimeout, &code));
  EXPECT_EQ(0u, code);
}

TEST_F(Installer, UninstallerLeavesOnlyTheUsersFiles) {
  std::map<std::string, std::string> before;
  ReadTree(InstallDir(), "", &before);
  // The uninstaller runs from a copy of itself and returns at once: wait for
  // the entry and the uninstaller to go.
  ASSERT_EQ(0, RunToEnd(Installed("Uninstall.exe"), "/S"));
  EXPECT_TRUE(RunningProgram::WaitUntil(kTimeout, [] {
    return UninstallValue("DisplayVersion").empty() && !Exists(Installed("Uninstall.exe"));
  }));
  std::map<std::string, std::string> after;
  ReadTree(InstallDir(), "", &after);
  std::map<std::string, std::string> expected;
  for (const auto& f : UserFiles()) expected[f.first] = before[f.first];
  EXPECT_EQ(expected, after);
  EXPECT_FALSE(Exists(MenuFolder()));
  EXPECT_EQ("", RunValue(HKEY_LOCAL_MACHINE));
  RegistryRunValues run;
  EXPECT_FALSE(AutoStartStored(run));
}

}  // namespace
