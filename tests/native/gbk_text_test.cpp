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

// The same path read by the rules of three code pages: "\xe9\x5c" is one
// character in GBK and Shift-JIS but "é\" on a Western system, and
// "\x95\x5c" leads only where 0x95 is a lead byte.
bool NoLeadBytes(unsigned char) { return false; }
bool ShiftJisLead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

TEST(GbkText, LeadByteRuleIsTheCallersCodePage) {
  struct {
    gbk::LeadByteRule rule;
    const char* path;
    size_t directory;
    bool endsWithSeparator;
  } cases[] = {
      {NoLeadBytes, "C:\\caf\xe9\\theme.ini", 8, false},
      {gbk::IsLeadByte, "C:\\caf\xe9\\theme.ini", 3, false},
      {ShiftJisLead, "C:\\caf\xe9\\theme.ini", 3, false},
      {NoLeadBytes, "C:\\caf\xe9\\", 8, true},
      {gbk::IsLeadByte, "C:\\caf\xe9\\", 3, false},
      {ShiftJisLead, "C:\\\x95\\a", 3, false},
      {NoLeadBytes, "C:\\\x95\\a", 5, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(c.directory, gbk::DirectoryLength(c.path, c.rule));
    EXPECT_EQ(c.endsWithSeparator, gbk::EndsWithSeparator(c.path, c.rule));
  }
  // A cut keeps a lead byte with its second byte only where it leads.
  EXPECT_EQ(4u, gbk::FitLength("ab\xe9\x5c", 4, NoLeadBytes));
  EXPECT_EQ(2u, gbk::FitLength("ab\xe9\x5c" "c", 3, gbk::IsLeadByte));
  char out[32];
  ASSERT_TRUE(gbk::JoinPath("C:\\caf\xe9\\", "theme.ini", '\\', out, sizeof out, NoLeadBytes));
  EXPECT_STREQ("C:\\caf\xe9\\theme.ini", out);
}

// Long paths in messages lose their middle: the root and the end stay, the
// result never exceeds the limit nor splits a character.
TEST(GbkText, ShortenedPathsKeepTheirEnds) {
  const std::string deep = "C:\\" + std::string(200, 'd') + "\\folder\\theme.ini";
  struct {
    std::string path;
    size_t max;
    std::string expect;
  } cases[] = {
      {"C:\\short\\theme.ini", 60, "C:\\short\\theme.ini"},
      {deep, 40, "C:\\...\\folder\\theme.ini"},
      {"C:\\one\\two\\three\\four\\five\\six.wav", 24, "C:\\...\\four\\five\\six.wav"},
      {"C:\\" + std::string(100, 'n') + ".wav", 20, "C:\\..." + std::string(10, 'n') + ".wav"},
      {std::string(30, 'x'), 10, "x..." + std::string(6, 'x')},
  };
  for (const auto& c : cases) {
    const std::string got = gbk::ShortenPath(c.path, c.max);
    EXPECT_EQ(c.expect, got);
    EXPECT_LE(got.size(), c.max);
  }
  // Double-byte characters on both sides of every cut.
  std::string wide = "C:\\";
  for (int i = 0; i < 60; ++i) wide += "\xb5\x5c";
  wide += "\\\xc9\xf9\xd2\xf4.wav";
  for (size_t max = 8; max < wide.size(); ++max) {
    const std::string got = gbk::ShortenPath(wide, max);
    ASSERT_LE(got.size(), max);
    const size_t dots = got.find("...");
    ASSERT_NE(std::string::npos, dots);
    const std::string head = got.substr(0, dots), tail = got.substr(dots + 3);
    ASSERT_EQ(head.size(), gbk::FitLength(head.c_str(), head.size())) << max;
    ASSERT_EQ(0, wide.compare(0, head.size(), head));
    ASSERT_EQ(0, wide.compare(wide.size() - tail.size(), tail.size(), tail));
    // The tail starts on a character of the whole path.
    ASSERT_EQ(wide.size() - tail.size(), gbk::FitLength(wide.c_str(), wide.size() - tail.size())) << max;
  }
}
