#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/file_system.h"

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
