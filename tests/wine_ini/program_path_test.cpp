// ProgramPath of the running program, and of a probe program copied into a
// directory so deep that "Ticora.ini" beside it does not fit in the caller's
// buffer.
#include "base/program_path.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

TEST(ProgramPathWin, FileBesideTheProgram) {
    char module[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, module, MAX_PATH);
    ASSERT_GT(n, 0u);
    ASSERT_LT(n, static_cast<DWORD>(MAX_PATH));
    std::string dir(module, std::string(module).rfind('\\') + 1);
    char buffer[kProgramPathSize];
    EXPECT_EQ(ProgramPath("Ticora.ini", buffer), buffer);
    EXPECT_EQ(std::string(buffer), dir + "Ticora.ini");
    EXPECT_EQ(std::string(ProgramPath("Help\\help.htm", buffer)), dir + "Help\\help.htm");
    EXPECT_EQ(std::string(ProgramPath("", buffer)), dir);
    EXPECT_EQ(ProgramPath("x", nullptr), nullptr);
}

TEST(ProgramPathWin, DeepDirectoryGivesEmptyPath) {
    char temp[MAX_PATH];
    ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
    // A directory of 247 characters, the most an ANSI directory path may have;
    // with "\t.exe" the program path fits the platform's limit, while the
    // directory plus "Ticora.ini" needs 259 bytes.
    std::string dir = std::string(temp) + "ticora_pp_" + std::to_string(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryA(dir.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    std::string deep = dir;
    ASSERT_LT(deep.size(), 200u);
    while (deep.size() < 247) {
        size_t room = 247 - deep.size();
        std::string next = deep + "\\" + std::string(room <= 41 ? room - 1 : std::min<size_t>(40, room - 3), 'd');
        ASSERT_TRUE(CreateDirectoryA(next.c_str(), nullptr)) << next;
        deep = next;
    }
    ASSERT_EQ(deep.size(), 247u);
    const std::string exe = deep + "\\t.exe";
    ASSERT_TRUE(CopyFileA(TICORA_TEST_BUILD_DIR "\\program_path_probe.exe", exe.c_str(), FALSE)) << GetLastError();
    const std::string report = dir + "\\report.txt";

    std::string cmd = "\"" + exe + "\" \"" + report + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    BOOL started = CreateProcessA(exe.c_str(), &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                  &si, &pi);
    ASSERT_TRUE(started) << GetLastError();
    WaitForSingleObject(pi.hProcess, 10 * 60 * 1000);
    DWORD code = 1;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    EXPECT_EQ(code, 0u);

    char line[1024];
    FILE* f = std::fopen(report.c_str(), "rb");
    ASSERT_NE(f, nullptr);
    std::string text;
    while (std::fgets(line, sizeof line, f)) text += line;
    std::fclose(f);
    // The file beside the program does not fit: empty. The bare directory does.
    EXPECT_EQ(text, "same|\nsame|" + deep + "\\\n");

    DeleteFileA(report.c_str());
    DeleteFileA(exe.c_str());
    while (deep.size() > dir.size()) {
        RemoveDirectoryA(deep.c_str());
        deep.erase(deep.rfind('\\'));
    }
    RemoveDirectoryA(dir.c_str());
}

}  // namespace
