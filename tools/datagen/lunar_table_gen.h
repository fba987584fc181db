// The lunar calendar computed by the rules of the national standard from the
// astronomy (tools/datagen/lunar_astronomy.h), and the compact table the
// program ships, as the C++ source calendar/lunar_table_data.cpp.
//
// Days are civil days in Beijing time (UTC+8). Before 1929 the calendar in
// force was computed for the local mean time of the Beijing meridian
// (116°25' E, UTC+7h45m40s), and so is this computation for those years.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "calendar/lunar_calendar.h"

namespace datagen {

// Hours ahead of universal time of the civil day the calendar uses at jdUt.
double CalendarZoneHours(double jdUt);
// The day number (calendar/gregorian.h) of the civil day holding instant jde.
int CalendarDayOf(double jde);

struct LunarComputation {
  std::vector<calendar::LunarYear> years;                 // lunar 1900-2100
  std::vector<std::array<int, 24>> termDays;               // Gregorian 1900-2101, day of month
  std::vector<std::array<double, 24>> termInstants;        // the same, JDE
  struct Month {
    double newMoonJde;
    int firstDay;
  };
  std::vector<Month> months;  // every lunar month from late 1899 to early 2102
};

LunarComputation ComputeLunarCalendar();

// The words of calendar::kLunarYears and the bytes of calendar::kSolarTermDays.
std::vector<uint32_t> PackLunarYears(const LunarComputation& c);
std::vector<std::array<uint8_t, 12>> PackSolarTerms(const LunarComputation& c);

// The source text of calendar/lunar_table_data.cpp.
std::string LunarTableSource(const LunarComputation& c);

// Instants within `minutes` of the calendar's midnight, where a small error
// of the series or of the time difference would move the day: one line each.
std::vector<std::string> NearMidnightReport(const LunarComputation& c, double minutes);

}  // namespace datagen
