#include <gtest/gtest.h>

#include <cstring>

#include "tests/support/reminder_fakes.h"
#include "reminders/reminder_record.h"

namespace {

void PutU16(Bytes& b, size_t offset, uint16_t v) {
  b[offset] = static_cast<uint8_t>(v & 0xFF);
  b[offset + 1] = static_cast<uint8_t>(v >> 8);
}

void PutText(Bytes& b, size_t offset, const char* text) {
  std::memcpy(b.data() + offset, text, std::strlen(text) + 1);
}

}  // namespace

// A record laid out byte by byte as the file holds it reads back field by field.
TEST(ReminderRecordTest, FileBytesMapOntoFields) {
  Bytes b(604, 0);
  PutText(b, 0, "Title");
  PutU16(b, 64, 1);       // bFired
  PutU16(b, 66, 3);       // nAction
  PutU16(b, 68, 1);       // bEnabled
  PutU16(b, 70, 0x1E2A);  // nId
  PutU16(b, 72, 1);       // nRepeat
  PutU16(b, 74, 0x0121);  // nFlags
  const uint16_t when[8] = {2024, 12, 2, 31, 23, 59, 30, 0x0102};
  for (int i = 0; i < 8; ++i) PutU16(b, 76 + 2 * i, when[i]);
  PutText(b, 92, "line 1\r\nline 2");
  PutText(b, 348, "C:\\Program Files\\app.exe -x");

  ReminderRecord r;
  std::memcpy(&r, b.data(), sizeof r);
  EXPECT_EQ(FieldText(r.sTitle), "Title");
  EXPECT_EQ(r.bFired, 1);
  EXPECT_EQ(r.nAction, ActionRunProgram);
  EXPECT_EQ(r.bEnabled, 1);
  EXPECT_EQ(r.nId, 0x1E2A);
  EXPECT_EQ(r.nRepeat, RepeatOnce);
  EXPECT_EQ(r.nFlags, FlagSound | FlagMessage | FlagForceAction);
  EXPECT_EQ(r.stWhen.wYear, 2024);
  EXPECT_EQ(r.stWhen.wMonth, 12);
  EXPECT_EQ(r.stWhen.wDayOfWeek, 2);
  EXPECT_EQ(r.stWhen.wDay, 31);
  EXPECT_EQ(r.stWhen.wHour, 23);
  EXPECT_EQ(r.stWhen.wMinute, 59);
  EXPECT_EQ(r.stWhen.wSecond, 30);
  EXPECT_EQ(r.stWhen.wMilliseconds, 0x0102);
  EXPECT_EQ(FieldText(r.sMessage), "line 1\r\nline 2");
  EXPECT_EQ(FieldText(r.sPath), "C:\\Program Files\\app.exe -x");

  // And the struct gives the same bytes back.
  EXPECT_EQ(RecordBytes(r), b);
}

// Fields from a file need no terminator: readers stop at the field's end.
TEST(ReminderRecordTest, UnterminatedFieldsAreReadWithinTheirWidth) {
  ReminderRecord r = MakeEmptyReminder();
  std::memset(r.sTitle, 'T', sizeof r.sTitle);
  std::memset(&r.bFired, 0x7F, 12);  // the bytes right after the title are not text
  EXPECT_EQ(FieldText(r.sTitle), std::string(64, 'T'));
  EXPECT_EQ(FieldLength(r.sTitle, sizeof r.sTitle), 64u);

  char small[10];
  EXPECT_EQ(CopyFieldTo(r.sTitle, small, sizeof small), 9u);
  EXPECT_STREQ(small, "TTTTTTTTT");
  char big[100];
  EXPECT_EQ(CopyFieldTo(r.sTitle, big, sizeof big), 64u);
  EXPECT_EQ(std::strlen(big), 64u);

  std::memset(r.sPath, 'P', sizeof r.sPath);
  EXPECT_EQ(FieldText(r.sPath).size(), 256u);

  char untouched = 'x';
  EXPECT_EQ(CopyFieldTo(r.sTitle, &untouched, 0), 0u);
  EXPECT_EQ(untouched, 'x');
}

TEST(ReminderRecordTest, SetFieldTextCutsAndZeroFills) {
  ReminderRecord r;
  std::memset(static_cast<void*>(&r), 0xAB, sizeof r);
  EXPECT_TRUE(SetFieldText(r.sTitle, "abc"));
  EXPECT_EQ(FieldText(r.sTitle), "abc");
  for (size_t i = 3; i < sizeof r.sTitle; ++i) ASSERT_EQ(r.sTitle[i], 0) << i;
  EXPECT_EQ(r.bFired, 0xABAB) << "the neighbouring field must stay untouched";

  std::string longText(300, 'm');
  EXPECT_FALSE(SetFieldText(r.sMessage, longText.c_str()));
  EXPECT_EQ(FieldText(r.sMessage), std::string(255, 'm'));
  EXPECT_EQ(r.sMessage[255], 0);
}

TEST(ReminderRecordTest, IdFromTimeUsesSecondsAndMilliseconds) {
  LocalTime t = MakeTime(2024, 1, 1, 8, 30, 42);
  t.wMilliseconds = 999;
  EXPECT_EQ(ReminderIdFromTime(t), (42 << 8) | (999 % 256));
  t.wSecond = 0;
  t.wMilliseconds = 256;
  EXPECT_EQ(ReminderIdFromTime(t), 0);
}
