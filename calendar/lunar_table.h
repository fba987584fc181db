// The compact lunar calendar table the program ships: one word per lunar
// year and the days of the solar terms. It is written by the data generator
// (ticora_datagen --lunar-table), which computes it from the astronomy;
// never edit lunar_table_data.cpp by hand.
#pragma once
#include <cstdint>

namespace calendar {

// Lunar years kFirstLunarYear..kLastLunarYear (the lunar year that holds
// 1901-01-01 to the one that holds 2100-12-31). Word layout:
//   bits 0-12   the months in order, leap month included: 1 = 30 days, 0 = 29;
//   bits 13-16  the leap month follows month n (0: no leap month);
//   bits 17-23  the first day of the year: days after January 1.
constexpr int kFirstLunarYear = 1900;
constexpr int kLastLunarYear = 2100;
extern const uint32_t kLunarYears[kLastLunarYear - kFirstLunarYear + 1];

// Solar terms of the Gregorian years kFirstTermYear..kLastTermYear: term i
// (0 the minor cold ... 23 the winter solstice) falls in month i / 2 + 1 on
// day nibble + (i even ? 3 : 18); byte j holds term 2j in its low nibble and
// term 2j + 1 in its high nibble.
constexpr int kFirstTermYear = 1900;
constexpr int kLastTermYear = 2101;
constexpr int TermDayBase(int index) { return index % 2 == 0 ? 3 : 18; }
extern const uint8_t kSolarTermDays[kLastTermYear - kFirstTermYear + 1][12];

constexpr uint32_t PackLunarYear(uint32_t monthBits, int leapMonth, int newYearOffset) {
  return monthBits | static_cast<uint32_t>(leapMonth) << 13 | static_cast<uint32_t>(newYearOffset) << 17;
}

}  // namespace calendar
