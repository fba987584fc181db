#include "clock/formatters.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

LocalTime MakeTime(int year, int month, int day, int dayOfWeek, int hour,
                   int minute, int second) {
  LocalTime t;
  t.wYear = static_cast<uint16_t>(year);
  t.wMonth = static_cast<uint16_t>(month);
  t.wDay = static_cast<uint16_t>(day);
  t.wDayOfWeek = static_cast<uint16_t>(dayOfWeek);
  t.wHour = static_cast<uint16_t>(hour);
  t.wMinute = static_cast<uint16_t>(minute);
  t.wSecond = static_cast<uint16_t>(second);
  return t;
}

// GBK bytes of the fixed parts of the date text, written out so the test
// does not depend on the compiler's own literal conversion.
const std::string kNian = "\xC4\xEA";     // 年
const std::string kYue = "\xD4\xC2";      // 月
const std::string kRi = "\xC8\xD5";       // 日
const std::string kXingqi = "\xD0\xC7\xC6\xDA";  // 星期
const char* const kWeekdayBytes[7] = {"\xC8\xD5", "\xD2\xBB", "\xB6\xFE",
                                      "\xC8\xFD", "\xCB\xC4", "\xCE\xE5",
                                      "\xC1\xF9"};  // 日一二三四五六

std::string Date(const LocalTime& t, size_t size = 128) {
  char buf[128];
  std::memset(buf, 'x', sizeof buf);
  size_t n = FormatDate(buf, size, t);
  EXPECT_EQ(n, std::strlen(buf));
  return std::string(buf);
}

std::string Time(const LocalTime& t, size_t size = 32) {
  char buf[32];
  std::memset(buf, 'x', sizeof buf);
  size_t n = FormatClockTime(buf, size, t);
  EXPECT_EQ(n, std::strlen(buf));
  return std::string(buf);
}

TEST(FormatClockTimeTest, TwoDigitFieldsWithLeadingZeros) {
  EXPECT_EQ(Time(MakeTime(2026, 1, 1, 4, 9, 5, 7)), "09:05:07");
  EXPECT_EQ(Time(MakeTime(2026, 1, 1, 4, 0, 0, 0)), "00:00:00");
  EXPECT_EQ(Time(MakeTime(2026, 1, 1, 4, 23, 59, 59)), "23:59:59");
}

TEST(FormatClockTimeTest, StaysInsideSmallBuffers) {
  LocalTime t = MakeTime(2026, 1, 1, 4, 9, 5, 7);
  EXPECT_EQ(Time(t, 5), "09:0");
  EXPECT_EQ(Time(t, 1), "");
  char guard[4] = {'a', 'b', 'c', 'd'};
  EXPECT_EQ(FormatClockTime(guard, 0, t), 0u);
  EXPECT_EQ(guard[0], 'a');
  EXPECT_EQ(FormatClockTime(nullptr, 10, t), 0u);
}

TEST(FormatDateTest, ExactGbkBytesWithSpacePaddedFields) {
  EXPECT_EQ(Date(MakeTime(2026, 12, 7, 1, 0, 0, 0)),
            "2026" + kNian + "12" + kYue + " 7" + kRi + "," + kXingqi +
                kWeekdayBytes[1]);
  EXPECT_EQ(Date(MakeTime(2026, 3, 15, 0, 0, 0, 0)),
            "2026" + kNian + " 3" + kYue + "15" + kRi + "," + kXingqi +
                kWeekdayBytes[0]);
  // Years below 1000 are padded to four places.
  EXPECT_EQ(Date(MakeTime(999, 1, 1, 2, 0, 0, 0)).substr(0, 6),
            " 999" + kNian);
}

TEST(FormatDateTest, EachDayOfWeekHasItsCharacter) {
  for (int d = 0; d < 7; ++d) {
    std::string text = Date(MakeTime(2026, 12, 6 + d, d, 0, 0, 0));
    EXPECT_EQ(text.substr(text.size() - 2), kWeekdayBytes[d]) << d;
  }
}

TEST(FormatDateTest, BadDayOfWeekIsRecomputedOrWrapped) {
  // Monday 7 December 2026 with a day-of-week the system never gives.
  std::string text = Date(MakeTime(2026, 12, 7, 9, 0, 0, 0));
  EXPECT_EQ(text.substr(text.size() - 2), kWeekdayBytes[1]);
  text = Date(MakeTime(2026, 12, 7, 65535, 0, 0, 0));
  EXPECT_EQ(text.substr(text.size() - 2), kWeekdayBytes[1]);
  // No valid date to compute from: the field modulo 7 (9 -> Tuesday).
  text = Date(MakeTime(2026, 2, 30, 9, 0, 0, 0));
  EXPECT_EQ(text.substr(text.size() - 2), kWeekdayBytes[2]);
  text = Date(MakeTime(0, 0, 0, 13, 0, 0, 0));
  EXPECT_EQ(text.substr(text.size() - 2), kWeekdayBytes[6]);
}

TEST(FormatDateTest, CutNeverSplitsADoubleByteCharacter) {
  LocalTime t = MakeTime(2026, 12, 7, 1, 0, 0, 0);
  std::string full = Date(t);
  // "2026" is 4 bytes, then the two bytes of 年: a 6-byte buffer keeps 5
  // bytes at most, which would end in a lone lead byte.
  EXPECT_EQ(Date(t, 6), "2026");
  EXPECT_EQ(Date(t, 7), "2026" + kNian);
  for (size_t size = 1; size <= full.size() + 1; ++size) {
    std::string cut = Date(t, size);
    ASSERT_LT(cut.size(), size);
    EXPECT_EQ(full.compare(0, cut.size(), cut), 0) << size;
    EXPECT_GE(cut.size() + 2, size - 1) << size;  // at most one byte lost
  }
  EXPECT_EQ(Date(t, full.size() + 1), full);
}

TEST(WeekdayOfDateTest, KnownDatesAndInvalidOnes) {
  EXPECT_EQ(WeekdayOfDate(2026, 12, 7), 1);
  EXPECT_EQ(WeekdayOfDate(2000, 2, 29), 2);
  EXPECT_EQ(WeekdayOfDate(1900, 3, 1), 4);
  EXPECT_EQ(WeekdayOfDate(1900, 2, 29), -1);
  EXPECT_EQ(WeekdayOfDate(2026, 13, 1), -1);
  EXPECT_EQ(WeekdayOfDate(2026, 4, 31), -1);
  EXPECT_EQ(WeekdayOfDate(0, 1, 1), -1);
}

}  // namespace
