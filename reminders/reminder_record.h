// The reminder record: 604 bytes, little-endian, identical in memory and in the
// reminder file "Ticora.rmd" (records laid end to end, no header).
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>

#include "base/local_time.h"

#if defined(__BYTE_ORDER__) && defined(__ORDER_LITTLE_ENDIAN__)
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__,
              "reminder records are stored as raw little-endian bytes");
#endif

// Preset action (nAction).
enum : uint16_t {
  ActionNone = 0,        // message and sound only
  ActionShutdown = 1,
  ActionRestart = 2,
  ActionRunProgram = 3,
};

// Repetition (nRepeat); the rules of each kind are in repeat_rules.h. A
// value not listed here is kept as it is and never fires.
enum : uint16_t {
  RepeatDaily = 0,
  RepeatOnce = 1,
  RepeatWeekly = 2,        // the days of the week in wDayOfWeek (bit 0 Sunday)
  RepeatMonthly = 3,       // day wDay of every month
  RepeatYearly = 4,        // wMonth-wDay every year
  RepeatLunarYearly = 5,   // the lunar month and day of the date every lunar year
};

// Option bits (nFlags).
enum : uint16_t {
  FlagSound = 0x0001,
  FlagNoMessage = 0x0010,
  FlagMessage = 0x0020,
  FlagTaskbarMessage = 0x0040,
  FlagForceAction = 0x0100,
};

constexpr size_t kReminderTitleSize = 64;
constexpr size_t kReminderMessageSize = 256;
constexpr size_t kReminderPathSize = 256;

struct ReminderRecord {
  char sTitle[kReminderTitleSize];      // NUL-terminated when written by the program
  uint16_t bFired;                      // 1 while fired in the current minute
  uint16_t nAction;                     // Action*
  uint16_t bEnabled;                    // 1 = active
  uint16_t nId;                         // lookup key, not unique
  uint16_t nRepeat;                     // Repeat*
  uint16_t nFlags;                      // Flag* bits
  LocalTime stWhen;                     // date and time of the reminder; for RepeatWeekly
                                        // wDayOfWeek holds the days of the week
  char sMessage[kReminderMessageSize];  // may hold CR LF
  char sPath[kReminderPathSize];        // sound file, or command line for ActionRunProgram
};

// The layout needs no packing: every field sits on its natural alignment.
static_assert(std::is_trivially_copyable<ReminderRecord>::value, "records are copied as bytes");
static_assert(sizeof(ReminderRecord) == 604, "reminder record size");
static_assert(offsetof(ReminderRecord, sTitle) == 0, "sTitle offset");
static_assert(offsetof(ReminderRecord, bFired) == 64, "bFired offset");
static_assert(offsetof(ReminderRecord, nAction) == 66, "nAction offset");
static_assert(offsetof(ReminderRecord, bEnabled) == 68, "bEnabled offset");
static_assert(offsetof(ReminderRecord, nId) == 70, "nId offset");
static_assert(offsetof(ReminderRecord, nRepeat) == 72, "nRepeat offset");
static_assert(offsetof(ReminderRecord, nFlags) == 74, "nFlags offset");
static_assert(offsetof(ReminderRecord, stWhen) == 76, "stWhen offset");
static_assert(offsetof(ReminderRecord, stWhen.wHour) == 84, "stWhen.wHour offset");
static_assert(offsetof(ReminderRecord, stWhen.wMilliseconds) == 90, "stWhen.wMilliseconds offset");
static_assert(offsetof(ReminderRecord, sMessage) == 92, "sMessage offset");
static_assert(offsetof(ReminderRecord, sPath) == 348, "sPath offset");

constexpr size_t kReminderRecordSize = sizeof(ReminderRecord);

// A record with every byte zero (empty texts, ActionNone, RepeatDaily, disabled).
ReminderRecord MakeEmptyReminder();

// Text fields read from a file need not carry a terminator within their width.
// These readers stop at the first NUL or at the end of the field, whichever
// comes first, and never read past the field.
size_t FieldLength(const char* field, size_t width);
std::string FieldText(const char* field, size_t width);
template <size_t N>
std::string FieldText(const char (&field)[N]) {
  return FieldText(field, N);
}

// Copies a field into out (outSize bytes), cutting it to outSize - 1 bytes and
// always terminating it; returns the number of bytes copied. Nothing is written
// when outSize is 0.
size_t CopyFieldTo(const char* field, size_t width, char* out, size_t outSize);
template <size_t N>
size_t CopyFieldTo(const char (&field)[N], char* out, size_t outSize) {
  return CopyFieldTo(field, N, out, outSize);
}

// A record's texts as terminated strings, for handing on: text fields read
// from a file may lack a terminator.
struct RecordTexts {
  explicit RecordTexts(const ReminderRecord& record);
  char title[kReminderTitleSize + 1];
  char message[kReminderMessageSize + 1];
  char path[kReminderPathSize + 1];
};

// Stores text in a field: at most width - 1 bytes, then the terminator, and
// zeros in the rest of the field. Returns false when the text had to be cut.
bool SetFieldText(char* field, size_t width, const char* text);
template <size_t N>
bool SetFieldText(char (&field)[N], const char* text) {
  return SetFieldText(field, N, text);
}

// The key the reminder editor derives from a reminder's time: high byte the
// seconds, low byte the milliseconds modulo 256.
uint16_t ReminderIdFromTime(const LocalTime& when);
