#include <gtest/gtest.h>

#include <string>

#include "controls/link_command.h"

namespace {

std::string Command(const char* registered, const char* target, size_t size = hyperlink::kCommandSize) {
  char out[hyperlink::kCommandSize + 8];
  std::fill(std::begin(out), std::end(out), 'x');
  const bool ok = hyperlink::BuildOpenCommand(registered, target, out, size);
  return ok ? std::string(out) : "<none:" + std::string(out) + ">";
}

}  // namespace

TEST(LinkCommandTest, RegisteredCommandLinesWithAndWithoutPlaceholder) {
  struct Case {
    const char* registered;
    const char* expected;
  } cases[] = {
      // The quoted placeholder and everything after it give way to the target.
      {"\"C:\\程序\\浏览器.exe\" -nohome \"%1\" -new", "\"C:\\程序\\浏览器.exe\" -nohome  http://a/"},
      // A bare placeholder: cut there (the space before it stays).
      {"C:\\浏览器.exe %1", "C:\\浏览器.exe  http://a/"},
      // A quoted one wins over an earlier bare one.
      {"b.exe %1 \"%1\"", "b.exe %1  http://a/"},
      // None: the target goes after one space.
      {"C:\\程序\\浏览器.exe -nohome", "C:\\程序\\浏览器.exe -nohome http://a/"},
      {"", " http://a/"},
      // A lead byte takes the quote after it as its second byte: that quote
      // opens no "%1" in quotes, so only the bare %1 is found.
      {"a\x81\"%1\"", "a\x81\" http://a/"},
      // "%1" split by a double-byte character is no placeholder.
      {"a%\xb3\xcc" "1", "a%\xb3\xcc" "1 http://a/"},
  };
  for (const Case& c : cases) EXPECT_EQ(Command(c.registered, "http://a/"), c.expected) << c.registered;
}

TEST(LinkCommandTest, ACommandThatDoesNotFitIsNotBuilt) {
  EXPECT_EQ(Command("ab %1", "xyz", 8), "ab  xyz");
  EXPECT_EQ(Command("ab %1", "xyzw", 8), "<none:>");
}

TEST(LinkCommandTest, TargetIsTheFirst127BytesOfTheTextWithoutHalfCharacters) {
  char target[hyperlink::kTargetSize];
  const std::string ascii(200, 'a');
  hyperlink::TargetFromText(ascii.c_str(), target);
  EXPECT_EQ(std::string(target), std::string(127, 'a'));
  // 126 ASCII bytes then a two-byte character: the character does not fit.
  const std::string mixed = std::string(126, 'a') + "点b";
  hyperlink::TargetFromText(mixed.c_str(), target);
  EXPECT_EQ(std::string(target), std::string(126, 'a'));
  hyperlink::TargetFromText("mailto:support@example.com", target);
  EXPECT_STREQ(target, "mailto:support@example.com");
}

TEST(LinkCommandTest, AlignmentAndHoverSteps) {
  EXPECT_EQ(hyperlink::AlignmentOf(0x0), hyperlink::Align::Left);
  EXPECT_EQ(hyperlink::AlignmentOf(0x1), hyperlink::Align::Center);
  EXPECT_EQ(hyperlink::AlignmentOf(0x2), hyperlink::Align::Right);
  EXPECT_EQ(hyperlink::AlignmentOf(0x3), hyperlink::Align::Right);
  EXPECT_EQ(hyperlink::AlignmentOf(0x101), hyperlink::Align::Center);

  struct Case {
    bool hover, inside;
    bool newHover, redraw, capture, release;
  } cases[] = {
      {false, true, true, true, true, false},  // entering (wherever the move is)
      {false, false, true, true, true, false},
      {true, true, true, false, false, false},  // moving inside
      {true, false, false, true, false, true},  // leaving
  };
  for (const Case& c : cases) {
    const hyperlink::HoverStep s = hyperlink::TrackHover(c.hover, c.inside);
    EXPECT_EQ(s.hover, c.newHover);
    EXPECT_EQ(s.redraw, c.redraw);
    EXPECT_EQ(s.capture, c.capture);
    EXPECT_EQ(s.release, c.release);
  }
}
