#include "base/single_instance.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string NameOf(const char* modulePath) {
  char out[kInstanceNameSize];
  return InstanceName(modulePath, out, sizeof out) ? out : std::string("(none)");
}

TEST(InstanceName, OneNamePerDirectoryWhateverTheCaseOrFile) {
  const std::string base = NameOf("C:\\Program Files\\Ticora\\Ticora.exe");
  EXPECT_EQ(0u, base.find("Ticora.Instance."));
  EXPECT_EQ(32u, base.size());
  // Same directory: case and the program's own name do not matter.
  EXPECT_EQ(base, NameOf("c:\\PROGRAM FILES\\ticora\\Ticora.exe"));
  EXPECT_EQ(base, NameOf("C:\\Program Files\\Ticora\\Other.exe"));
  EXPECT_EQ(base, NameOf("C:/Program Files/Ticora/Ticora.exe"));
  // Other directories, a parent or a child included, run clocks of their own.
  for (const char* other : {"C:\\Program Files\\Ticora2\\Ticora.exe", "C:\\Program Files\\Ticora.exe",
                            "C:\\Program Files\\Ticora\\bin\\Ticora.exe", "D:\\Program Files\\Ticora\\Ticora.exe"})
    EXPECT_NE(base, NameOf(other)) << other;
  // A second byte of a two-byte character is not a letter to fold: 0x81 0x61
  // and 0x81 0x41 are different characters.
  EXPECT_NE(NameOf("C:\\\x81\x61\\T.exe"), NameOf("C:\\\x81\x41\\T.exe"));
  EXPECT_EQ(NameOf("C:\\\xd6\xd0" "a\\T.exe"), NameOf("C:\\\xd6\xd0" "A\\T.exe"));
}

TEST(InstanceName, RefusesPathsWithoutDirectoryAndSmallBuffers) {
  char out[kInstanceNameSize] = "x";
  EXPECT_FALSE(InstanceName("Ticora.exe", out, sizeof out));
  EXPECT_STREQ("", out);
  EXPECT_FALSE(InstanceName(nullptr, out, sizeof out));
  EXPECT_FALSE(InstanceName("C:\\T\\Ticora.exe", out, kInstanceNameSize - 8));
  EXPECT_STREQ("", out);
}

}  // namespace
