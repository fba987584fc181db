#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "base/file_system.h"
#include "base/file_system_win.h"
#include "base/safe_replace.h"

namespace {

std::string TempFile(const char* name) {
  char dir[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, dir);
  return std::string(dir) + name;
}

}  // namespace

// The reminder file is written while no other program can open it, and is an
// ordinary file again once closed.
TEST(StdFileSystemOnWindows, NobodyElseOpensAFileWhileItIsWritten) {
  const std::string path = TempFile("ticora_fs_share.rmd");
  StdFileSystem files;
  auto out = files.Create(path.c_str());
  ASSERT_TRUE(out);
  ASSERT_EQ(4u, out->Write("abcd", 4));

  HANDLE other = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                             nullptr, OPEN_EXISTING, 0, nullptr);
  DWORD error = GetLastError();
  EXPECT_EQ(INVALID_HANDLE_VALUE, other);
  EXPECT_EQ(static_cast<DWORD>(ERROR_SHARING_VIOLATION), error);
  if (other != INVALID_HANDLE_VALUE) CloseHandle(other);

  EXPECT_TRUE(out->Close());
  auto in = files.OpenRead(path.c_str());
  ASSERT_TRUE(in);
  EXPECT_EQ(4, in->Size());
  in.reset();
  EXPECT_TRUE(files.Remove(path.c_str()));
}

namespace {

// The system's files with one fault: changing call failAt fails, call crashAt
// and every later one change nothing (the program has ended there; the code
// under test has no exceptions to end it with), and oneStep false plays
// Windows 9x.
class FaultyFiles : public Win32FileSystem {
 public:
  int failAt = -1, crashAt = -1, calls = 0;
  bool oneStep = true;

  std::unique_ptr<FileStream> Create(const char* path) override {
    return Change() ? Win32FileSystem::Create(path) : nullptr;
  }
  bool Remove(const char* path) override { return Change() && Win32FileSystem::Remove(path); }
  bool Rename(const char* source, const char* target) override {
    return Change() && Win32FileSystem::Rename(source, target);
  }
  ReplaceResult Replace(const char* source, const char* target) override {
    if (!oneStep) return ReplaceResult::kNotAvailable;
    return Change() ? Win32FileSystem::Replace(source, target) : ReplaceResult::kFailed;
  }

 private:
  bool Change() {
    const int n = calls++;
    if (crashAt >= 0 && n >= crashAt) return false;
    return n != failAt;
  }
};

std::string ReadAll(const std::string& path) {
  std::string text;
  if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
    char buffer[256];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, got);
    std::fclose(f);
    return text;
  }
  return "<missing>";
}

}  // namespace

// The safe replacement on the system's own files, with MoveFileExA and without
// it: whichever call fails, or wherever the program ends, the next start finds
// the old or the new content, whole, and no moved-aside copy.
TEST(SafeReplaceOnWindows, EveryFailedOrEndedStepLeavesOneWholeFile) {
  const std::string path = TempFile("ticora_safe.ini");
  const std::string oldText = "[SYSTEM]\r\nX=1\r\n", newText = "[SYSTEM]\r\nX=2\r\nY=3\r\n";
  for (bool oneStep : {true, false}) {
    for (int crash : {0, 1}) {
      for (int at = 0; at < 6; ++at) {
        SCOPED_TRACE(std::string(oneStep ? "MoveFileExA" : "no MoveFileExA") + (crash ? ", ends at " : ", fails at ") +
                     std::to_string(at));
        FaultyFiles files;
        files.oneStep = oneStep;
        ASSERT_TRUE(WriteFileSafely(files, path.c_str(), oldText.data(), oldText.size()));
        files.calls = 0;
        (crash ? files.crashAt : files.failAt) = at;
        const bool reported = WriteFileSafely(files, path.c_str(), newText.data(), newText.size());
        files.crashAt = files.failAt = -1;
        RecoverReplacement(files, path.c_str());
        const std::string now = ReadAll(path);
        EXPECT_TRUE(now == oldText || now == newText) << now;
        if (!crash) {
          EXPECT_EQ(reported ? newText : oldText, now);
        }
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(ReplacementOldPath(path.c_str()).c_str()));
      }
    }
  }
  DeleteFileA(path.c_str());
  DeleteFileA(ReplacementTempPath(path.c_str()).c_str());
}

// On the system's files: a file another program holds open (sharing reading
// and writing, not deletion) is written in place after the replace was
// refused a few times; a read-only one keeps its content and its mark; the
// user's "<path>.old" and "<path>.tmp" stay exactly as they are.
TEST(SafeReplaceOnWindows, HeldReadOnlyAndForeignFiles) {
  const std::string path = TempFile("ticora_held.ini");
  const std::string oldText = "[SYSTEM]\r\nX=1\r\n", newText = "[SYSTEM]\r\nX=22\r\n";
  Win32FileSystem files;
  for (const char* suffix : {".old", ".tmp"}) {
    HANDLE h = CreateFileA((path + suffix).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(h, "mine", 4, &written, nullptr);
    CloseHandle(h);
  }
  ASSERT_TRUE(WriteFileSafely(files, path.c_str(), oldText.data(), oldText.size()));

  HANDLE other = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, other);
  const DWORD start = GetTickCount();
  EXPECT_TRUE(WriteFileSafely(files, path.c_str(), newText.data(), newText.size()));
  const DWORD took = GetTickCount() - start;
  CloseHandle(other);
  EXPECT_EQ(newText, ReadAll(path));
  EXPECT_LT(took, 3000u);

  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(WriteFileSafely(files, path.c_str(), oldText.data(), oldText.size()));
  EXPECT_EQ(newText, ReadAll(path));
  EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_READONLY),
            GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);

  for (const char* suffix : {".old", ".tmp"}) {
    EXPECT_EQ("mine", ReadAll(path + suffix)) << suffix;
    DeleteFileA((path + suffix).c_str());
  }
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(ReplacementTempPath(path.c_str()).c_str()));
  DeleteFileA(path.c_str());
}
