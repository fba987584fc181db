// The double-byte text helpers: cuts on character boundaries, and separators
// that are never the second byte of a GBK character ("\x81\x5c" is one
// character whose second byte equals a backslash).
#include "base/gbk_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(GbkText, CutsNeverSplitACharacter) {
  struct {
    const char* text;
    size_t max;
    size_t fit;
  } cases[] = {
      {"abc", 2, 2},
      {"ab\xd6\xd0", 3, 2},      // the character would need bytes 3 and 4
      {"ab\xd6\xd0", 4, 4},
      {"\xd6\xd0\xce\xc4", 3, 2},
      {"ab\x81", 3, 3},          // a lone lead byte before the end is a character
      {"", 5, 0},
      {nullptr, 5, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(c.fit, gbk::FitLength(c.text, c.max)) << (c.text ? c.text : "null");

  char out[3];
  EXPECT_EQ(1u, gbk::CopyText(out, sizeof out, "a\xd6\xd0z"));
  EXPECT_STREQ("a", out);
  EXPECT_EQ(2u, gbk::CopyText(out, sizeof out, "\xd6\xd0z"));
  EXPECT_STREQ("\xd6\xd0", out);
  EXPECT_EQ(0u, gbk::CopyText(out, sizeof out, nullptr));
  EXPECT_STREQ("", out);
}

TEST(GbkText, SeparatorsAreCharactersOfTheirOwn) {
  EXPECT_EQ(3u, gbk::DirectoryLength("C:\\x.exe"));
  EXPECT_EQ(3u, gbk::DirectoryLength("C:\\\x81\x5c.exe")) << "a trail byte is no backslash";
  EXPECT_EQ(7u, gbk::DirectoryLength("C:\\\x81\x5c\\\\x"));
  EXPECT_EQ(0u, gbk::DirectoryLength("x.exe"));
  EXPECT_EQ(8u, gbk::DirectoryLength("/srv/\x81\x5c/x")) << "a slash separates too";

  EXPECT_TRUE(gbk::EndsWithSeparator("C:\\Themes\\"));
  EXPECT_TRUE(gbk::EndsWithSeparator("/srv/"));
  EXPECT_FALSE(gbk::EndsWithSeparator("C:\\Themes\\\x81\x5c"));
  EXPECT_TRUE(gbk::EndsWithSeparator("C:\\\x81\x5c\\"));
  EXPECT_FALSE(gbk::EndsWithSeparator(""));

  char out[16];
  EXPECT_TRUE(gbk::JoinPath("D\x81\x5c", "a.wav", '\\', out, sizeof out));
  EXPECT_EQ(std::string("D\x81\x5c\\a.wav"), out);
  EXPECT_TRUE(gbk::JoinPath("D\\", "a.wav", '\\', out, sizeof out));
  EXPECT_EQ(std::string("D\\a.wav"), out);
  EXPECT_FALSE(gbk::JoinPath("0123456789", "abcde", '\\', out, sizeof out)) << "16 bytes with the terminator";
  EXPECT_STREQ("", out);
}

}  // namespace
