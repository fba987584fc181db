#include "tools/datagen/lunar_table_gen.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "calendar/lunar_table.h"
#include "tools/datagen/lunar_astronomy.h"

namespace datagen {

namespace {

constexpr double kUnixEpochJd = 2440587.5;  // 1970-01-01 0h UT
constexpr int kFirstSpanYear = calendar::kFirstLunarYear - 1;
constexpr int kLastSpanYear = calendar::kLastLunarYear + 1;

double DayOfJd(double jd) { return jd - kUnixEpochJd; }

}  // namespace

double CalendarZoneHours(double jdUt) {
  static const double k1929 = kUnixEpochJd + calendar::DayNumber(calendar::Date{1929, 1, 1}) - 8.0 / 24;
  return jdUt < k1929 ? (116.0 + 25.0 / 60) / 15.0 : 8.0;
}

int CalendarDayOf(double jde) {
  const double ut = TtToUt(jde);
  return static_cast<int>(std::floor(DayOfJd(ut) + CalendarZoneHours(ut) / 24.0));
}

LunarComputation ComputeLunarCalendar() {
  LunarComputation c;
  // Solar terms of the years the spans need.
  std::vector<std::array<int, 24>> termDayNumbers;
  for (int year = kFirstSpanYear; year <= kLastSpanYear; ++year) {
    std::array<int, 24> days{}, dom{};
    std::array<double, 24> instants{};
    for (int i = 0; i < 24; ++i) {
      instants[i] = SolarTermJde(year, i);
      days[i] = CalendarDayOf(instants[i]);
      const calendar::Date d = calendar::DateOfDayNumber(days[i]);
      if (d.year != year || d.month != i / 2 + 1) throw std::runtime_error("solar term outside its month");
      dom[i] = d.day;
    }
    termDayNumbers.push_back(days);
    if (year >= calendar::kFirstTermYear && year <= calendar::kLastTermYear) {
      c.termDays.push_back(dom);
      c.termInstants.push_back(instants);
    }
  }
  // New moons from October 1899 to March 2102.
  const int firstK = static_cast<int>(std::floor((kFirstSpanYear - 2000 + 0.75) * 12.3685));
  const int lastK = static_cast<int>(std::ceil((kLastSpanYear + 1 - 2000 + 0.25) * 12.3685));
  for (int k = firstK; k <= lastK; ++k) {
    const double jde = NewMoonJde(k);
    c.months.push_back({jde, CalendarDayOf(jde)});
  }
  const int count = static_cast<int>(c.months.size());
  auto monthHolding = [&](int day) {
    for (int i = 0; i + 1 < count; ++i) {
      if (c.months[i].firstDay <= day && day < c.months[i + 1].firstDay) return i;
    }
    throw std::runtime_error("no month holds the day");
  };
  std::vector<bool> hasPrincipalTerm(count, false);
  for (const auto& days : termDayNumbers) {
    for (int i = 1; i < 24; i += 2) {
      if (days[i] >= c.months.front().firstDay && days[i] < c.months.back().firstDay) {
        hasPrincipalTerm[monthHolding(days[i])] = true;
      }
    }
  }
  // Number the months span by span, from one eleventh month (the one holding
  // the winter solstice) to the next.
  struct Label {
    int lunarYear = 0, number = 0;
    bool leap = false;
  };
  std::vector<Label> labels(count);
  for (int year = kFirstSpanYear; year < kLastSpanYear; ++year) {
    const int from = monthHolding(termDayNumbers[year - kFirstSpanYear][23]);
    const int to = monthHolding(termDayNumbers[year + 1 - kFirstSpanYear][23]);
    int leap = -1;
    if (to - from == 13) {
      for (int i = from + 1; i < to && leap < 0; ++i) {
        if (!hasPrincipalTerm[i]) leap = i;
      }
      if (leap < 0) throw std::runtime_error("a thirteen-month span without a month lacking a principal term");
    } else if (to - from != 12) {
      throw std::runtime_error("a span of neither 12 nor 13 months");
    }
    int number = 11, lunarYear = year;
    for (int i = from; i < to; ++i) {
      if (i == leap) {
        labels[i] = {lunarYear, number, true};
        continue;
      }
      if (i != from) {
        number = number % 12 + 1;
        if (number == 1) ++lunarYear;
      }
      labels[i] = {lunarYear, number, false};
    }
  }
  for (int year = calendar::kFirstLunarYear; year <= calendar::kLastLunarYear; ++year) {
    calendar::LunarYear y;
    y.year = year;
    for (int i = 0; i + 1 < count; ++i) {
      if (labels[i].lunarYear != year) continue;
      if (y.monthCount == 0) {
        if (labels[i].number != 1 || labels[i].leap) throw std::runtime_error("a lunar year that does not begin with its first month");
        y.firstDay = c.months[i].firstDay;
      }
      if (labels[i].leap) y.leapMonth = labels[i].number;
      y.lengths[y.monthCount++] = c.months[i + 1].firstDay - c.months[i].firstDay;
    }
    if (y.monthCount != (y.leapMonth ? 13 : 12)) throw std::runtime_error("a lunar year with a wrong number of months");
    c.years.push_back(y);
  }
  return c;
}

std::vector<uint32_t> PackLunarYears(const LunarComputation& c) {
  std::vector<uint32_t> words;
  for (const calendar::LunarYear& y : c.years) {
    uint32_t bits = 0;
    for (int i = 0; i < y.monthCount; ++i) {
      if (y.lengths[i] != 29 && y.lengths[i] != 30) throw std::runtime_error("a month of neither 29 nor 30 days");
      if (y.lengths[i] == 30) bits |= 1u << i;
    }
    const int offset = y.firstDay - calendar::DayNumber(calendar::Date{y.year, 1, 1});
    if (offset < 0 || offset > 127) throw std::runtime_error("a new year outside the table's reach");
    words.push_back(calendar::PackLunarYear(bits, y.leapMonth, offset));
  }
  return words;
}

std::vector<std::array<uint8_t, 12>> PackSolarTerms(const LunarComputation& c) {
  std::vector<std::array<uint8_t, 12>> rows;
  for (const auto& days : c.termDays) {
    std::array<uint8_t, 12> row{};
    for (int i = 0; i < 24; ++i) {
      const int nibble = days[i] - calendar::TermDayBase(i);
      if (nibble < 0 || nibble > 15) throw std::runtime_error("a solar term outside its nibble");
      row[i / 2] |= static_cast<uint8_t>(i % 2 == 0 ? nibble : nibble << 4);
    }
    rows.push_back(row);
  }
  return rows;
}

std::string LunarTableSource(const LunarComputation& c) {
  std::string s =
      "// Written by ticora_datagen --lunar-table from the computation of the new\n"
      "// moons and solar terms; do not edit. See calendar/lunar_table.h.\n"
      "#include \"calendar/lunar_table.h\"\n\nnamespace calendar {\n\n"
      "const uint32_t kLunarYears[kLastLunarYear - kFirstLunarYear + 1] = {\n";
  char buf[64];
  const std::vector<uint32_t> words = PackLunarYears(c);
  for (size_t i = 0; i < words.size(); ++i) {
    if (i % 8 == 0) s += "   ";
    std::snprintf(buf, sizeof buf, " 0x%06x,", static_cast<unsigned>(words[i]));
    s += buf;
    if (i % 8 == 7 || i + 1 == words.size()) s += "\n";
  }
  s += "};\n\nconst uint8_t kSolarTermDays[kLastTermYear - kFirstTermYear + 1][12] = {\n";
  const auto rows = PackSolarTerms(c);
  for (size_t y = 0; y < rows.size(); ++y) {
    s += "    {";
    for (int j = 0; j < 12; ++j) {
      std::snprintf(buf, sizeof buf, "0x%02x%s", rows[y][j], j < 11 ? ", " : "");
      s += buf;
    }
    std::snprintf(buf, sizeof buf, "},  // %d\n", calendar::kFirstTermYear + static_cast<int>(y));
    s += buf;
  }
  s += "};\n\n}  // namespace calendar\n";
  return s;
}

namespace {

// Minutes from the nearest calendar midnight of instant jde, and its local time.
double MinutesFromMidnight(double jde, calendar::Date* date, int* hour, int* minute, int* second) {
  const double ut = TtToUt(jde);
  const double local = DayOfJd(ut) + CalendarZoneHours(ut) / 24.0;
  const double day = std::floor(local);
  *date = calendar::DateOfDayNumber(static_cast<int>(day));
  const double minutes = (local - day) * 1440.0;
  *hour = static_cast<int>(minutes / 60);
  *minute = static_cast<int>(minutes) % 60;
  *second = static_cast<int>(minutes * 60) % 60;
  return std::min(minutes, 1440.0 - minutes);
}

}  // namespace

std::vector<std::string> NearMidnightReport(const LunarComputation& c, double minutes) {
  std::vector<std::string> lines;
  char buf[160];
  auto add = [&](const char* what, double jde) {
    calendar::Date d;
    int h, m, sec;
    if (MinutesFromMidnight(jde, &d, &h, &m, &sec) >= minutes) return;
    if (!calendar::InRange(d)) return;
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d %s", d.year, d.month, d.day, h, m, sec, what);
    lines.push_back(buf);
  };
  for (const auto& month : c.months) add("new moon", month.newMoonJde);
  for (const auto& instants : c.termInstants) {
    for (int i = 0; i < 24; ++i) add(("solar term " + std::to_string(i)).c_str(), instants[i]);
  }
  return lines;
}

}  // namespace datagen
