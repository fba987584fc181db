// The built Dorvix.dll itself: its exports, its resources, and the answers of
// its version queries on systems that report themselves as different Windows
// versions. Only the three queries of the library are ever called here.
//
// The version answers are taken in child processes: Wine reports the version
// configured for an executable under HKCU\Software\Wine\AppDefaults\<exe
// name>\Version, so this test program copies itself under one name per
// version, sets that key for the name, and starts the copy with --dorvix-probe.
// The copy loads the library, asks its queries and the system's own version,
// and hands all of it back as its exit code.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "sysutil/windows_family.h"

#ifndef TICORA_TEST_BUILD_DIR
#error "TICORA_TEST_BUILD_DIR must name the build directory"
#endif

namespace {

const char kLibraryPath[] = TICORA_TEST_BUILD_DIR "\\Dorvix.dll";
const char kProbeFlag[] = "--dorvix-probe";

const char* const kExportNames[] = {"AdjustSystemTime", "ShutDownComputer", "IsWindows9XMe",
                                    "IsWindows2KXp", "IsWindowsNT"};

using QueryFn = int(WINAPI*)();

// Exit code of a probe: a marker, the three answers and the reported version.
constexpr DWORD kProbeMarker = 0x40000000;
constexpr DWORD kProbeNoLibrary = 0x2BAD;

DWORD EncodeProbe(int is9xMe, int is2kXp, int isNt, DWORD platform, DWORD major, DWORD minor) {
  return kProbeMarker | (is9xMe ? 1u : 0u) | (is2kXp ? 2u : 0u) | (isNt ? 4u : 0u) |
         ((platform & 0xF) << 4) | ((major & 0xFF) << 8) | ((minor & 0xFF) << 16);
}

struct ProbeResult {
  int is9xMe, is2kXp, isNt;
  DWORD platform, major, minor;
};

ProbeResult DecodeProbe(DWORD code) {
  return {static_cast<int>(code & 1), static_cast<int>((code >> 1) & 1),
          static_cast<int>((code >> 2) & 1), (code >> 4) & 0xF, (code >> 8) & 0xFF,
          (code >> 16) & 0xFF};
}

// The system's own version, with the plain record that every version accepts.
OSVERSIONINFOA ReportedVersion() {
  OSVERSIONINFOA info;
  std::memset(&info, 0, sizeof info);
  info.dwOSVersionInfoSize = sizeof info;
  GetVersionExA(&info);
  return info;
}

// In a probe copy this runs before the tests are even registered and ends the process.
struct ProbeMode {
  ProbeMode() {
    const char* commandLine = GetCommandLineA();
    if (commandLine == nullptr || std::strstr(commandLine, kProbeFlag) == nullptr) return;
    HMODULE library = LoadLibraryA(kLibraryPath);
    if (library == nullptr) ExitProcess(kProbeNoLibrary);
    auto is9xMe = reinterpret_cast<QueryFn>(GetProcAddress(library, "IsWindows9XMe"));
    auto is2kXp = reinterpret_cast<QueryFn>(GetProcAddress(library, "IsWindows2KXp"));
    auto isNt = reinterpret_cast<QueryFn>(GetProcAddress(library, "IsWindowsNT"));
    if (is9xMe == nullptr || is2kXp == nullptr || isNt == nullptr) ExitProcess(kProbeNoLibrary);
    const OSVERSIONINFOA v = ReportedVersion();
    ExitProcess(EncodeProbe(is9xMe(), is2kXp(), isNt(), v.dwPlatformId, v.dwMajorVersion,
                            v.dwMinorVersion));
  }
} g_probeMode;

class LibraryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    library_ = LoadLibraryA(kLibraryPath);
    ASSERT_NE(nullptr, library_) << "cannot load " << kLibraryPath;
  }
  void TearDown() override {
    if (library_ != nullptr) FreeLibrary(library_);
  }
  HMODULE library_ = nullptr;
};

TEST_F(LibraryTest, ExportsResolveByNameAndOrdinalToTheSameEntry) {
  for (int ordinal = 1; ordinal <= 5; ++ordinal) {
    const char* name = kExportNames[ordinal - 1];
    FARPROC byName = GetProcAddress(library_, name);
    FARPROC byOrdinal = GetProcAddress(library_, MAKEINTRESOURCEA(ordinal));
    EXPECT_NE(nullptr, byName) << name;
    EXPECT_EQ(byName, byOrdinal) << name << " @" << ordinal;
  }
  EXPECT_EQ(nullptr, GetProcAddress(library_, MAKEINTRESOURCEA(6)));
  // Decorated names are not exported.
  EXPECT_EQ(nullptr, GetProcAddress(library_, "_AdjustSystemTime@4"));
  EXPECT_EQ(nullptr, GetProcAddress(library_, "AdjustSystemTime@4"));
}

TEST_F(LibraryTest, QueriesAgreeWithTheReportedVersion) {
  auto is9xMe = reinterpret_cast<QueryFn>(GetProcAddress(library_, "IsWindows9XMe"));
  auto is2kXp = reinterpret_cast<QueryFn>(GetProcAddress(library_, "IsWindows2KXp"));
  auto isNt = reinterpret_cast<QueryFn>(GetProcAddress(library_, "IsWindowsNT"));
  ASSERT_TRUE(is9xMe && is2kXp && isNt);
  const OSVERSIONINFOA v = ReportedVersion();
  const int family = ClassifyWindowsFamily(v.dwPlatformId, v.dwMajorVersion, v.dwMinorVersion);
  // The stack is checked around the calls: a wrong calling convention would move it.
  EXPECT_EQ(AnswerIsWindows9XMe(family), is9xMe());
  EXPECT_EQ(AnswerIsWindows2KXp(family), is2kXp());
  EXPECT_EQ(AnswerIsWindowsNT(family), isNt());
}

TEST_F(LibraryTest, CarriesVersionInformationAndIcon) {
  HRSRC version = FindResourceA(library_, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(16));
  ASSERT_NE(nullptr, version);
  const DWORD size = SizeofResource(library_, version);
  const BYTE* bytes = static_cast<const BYTE*>(LockResource(LoadResource(library_, version)));
  ASSERT_NE(nullptr, bytes);
  // The fixed part starts with its signature, followed by the struct version,
  // then the file version as two 32-bit halves.
  const BYTE signature[4] = {0xBD, 0x04, 0xEF, 0xFE};
  const BYTE* fixed = nullptr;
  for (DWORD i = 0; i + 16 <= size; i += 4) {
    if (std::memcmp(bytes + i, signature, 4) == 0) {
      fixed = bytes + i;
      break;
    }
  }
  ASSERT_NE(nullptr, fixed);
  DWORD high = 0;
  DWORD low = 0;
  std::memcpy(&high, fixed + 8, 4);
  std::memcpy(&low, fixed + 12, 4);
  EXPECT_EQ(MAKELONG(21, 1), high);
  EXPECT_EQ(MAKELONG(0, 3152), low);
  EXPECT_NE(nullptr, FindResourceA(library_, MAKEINTRESOURCEA(128), MAKEINTRESOURCEA(14)));
}

// Directory of this test program, with a trailing backslash.
std::string OwnDirectory(std::string* ownPath) {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  if (length == 0 || length >= sizeof path) return std::string();
  *ownPath = path;
  const std::string full(path);
  return full.substr(0, full.find_last_of('\\') + 1);
}

// Sets or removes the version Wine reports to executables named exeName.
bool SetAppVersion(const std::string& exeName, const char* version) {
  const std::string keyPath = "Software\\Wine\\AppDefaults\\" + exeName;
  if (version == nullptr) return RegDeleteKeyA(HKEY_CURRENT_USER, keyPath.c_str()) == ERROR_SUCCESS;
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                      &key, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const LONG status =
      RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                     static_cast<DWORD>(std::strlen(version) + 1));
  RegCloseKey(key);
  return status == ERROR_SUCCESS;
}

// Runs exePath with the probe flag and returns its exit code, or 0 on failure.
DWORD RunProbe(const std::string& exePath) {
  std::string commandLine = "\"" + exePath + "\" " + kProbeFlag;
  STARTUPINFOA startup;
  std::memset(&startup, 0, sizeof startup);
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process;
  std::memset(&process, 0, sizeof process);
  if (!CreateProcessA(exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    return 0;
  }
  DWORD code = 0;
  if (WaitForSingleObject(process.hProcess, 900000) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 1);
  } else if (!GetExitCodeProcess(process.hProcess, &code)) {
    code = 0;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

TEST(LibraryVersionTest, QueriesOnEveryReportedWindowsVersion) {
  struct Case {
    const char* wineVersion;
    DWORD platform, major, minor;
    int is9xMe, is2kXp, isNt;
  };
  const Case cases[] = {
      {"win95", VER_PLATFORM_WIN32_WINDOWS, 4, 0, 1, 0, 0},
      {"win98", VER_PLATFORM_WIN32_WINDOWS, 4, 10, 1, 0, 0},
      {"winme", VER_PLATFORM_WIN32_WINDOWS, 4, 90, 1, 0, 0},
      {"nt40", VER_PLATFORM_WIN32_NT, 4, 0, 0, 0, 1},
      {"win2k", VER_PLATFORM_WIN32_NT, 5, 0, 0, 1, 1},
      {"winxp", VER_PLATFORM_WIN32_NT, 5, 1, 0, 1, 1},
      // A program without a compatibility manifest is told 6.2 by Windows 8.1
      // and later (and by Wine set to them): a family the library does not know.
      {"win10", VER_PLATFORM_WIN32_NT, 6, 2, 0, 0, 0},
  };
  std::string ownPath;
  const std::string directory = OwnDirectory(&ownPath);
  ASSERT_FALSE(directory.empty());
  for (const Case& c : cases) {
    const std::string exeName = std::string("dorvix_probe_") + c.wineVersion + ".exe";
    const std::string exePath = directory + exeName;
    ASSERT_TRUE(CopyFileA(ownPath.c_str(), exePath.c_str(), FALSE)) << exePath;
    ASSERT_TRUE(SetAppVersion(exeName, c.wineVersion)) << exeName;
    const DWORD code = RunProbe(exePath);
    SetAppVersion(exeName, nullptr);
    DeleteFileA(exePath.c_str());

    ASSERT_NE(kProbeNoLibrary, code) << c.wineVersion << ": the probe could not load the library";
    ASSERT_EQ(kProbeMarker, code & 0xF0000000) << c.wineVersion << ": probe failed, code " << code;
    const ProbeResult r = DecodeProbe(code);
    // First that the system really reported the version asked for ...
    EXPECT_EQ(c.platform, r.platform) << c.wineVersion;
    EXPECT_EQ(c.major, r.major) << c.wineVersion;
    EXPECT_EQ(c.minor, r.minor) << c.wineVersion;
    // ... then what the library made of it.
    EXPECT_EQ(c.is9xMe, r.is9xMe) << c.wineVersion;
    EXPECT_EQ(c.is2kXp, r.is2kXp) << c.wineVersion;
    EXPECT_EQ(c.isNt, r.isNt) << c.wineVersion;
  }
}

}  // namespace
