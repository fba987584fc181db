#include "calendar/lunar_calendar.h"

#include "calendar/lunar_table.h"

namespace calendar {

namespace {

const char* const kStems[10] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
const char* const kBranches[12] = {"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
const char* const kAnimals[12] = {"鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"};
const char* const kMonths[12] = {"正月", "二月", "三月", "四月", "五月", "六月",
                                 "七月", "八月", "九月", "十月", "冬月", "腊月"};
const char* const kDigits[10] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
const char* const kTerms[24] = {"小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨",
                                "立夏", "小满", "芒种", "夏至", "小暑", "大暑", "立秋", "处暑",
                                "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};
const char* const kWeekdays[7] = {"日", "一", "二", "三", "四", "五", "六"};

// Position 0..59 in the sexagenary cycle; 1984 began a cycle (甲子).
int CycleIndex(int lunarYear) { return ((lunarYear - 1984) % 60 + 60) % 60; }

}  // namespace

int LunarYear::Days() const {
  int days = 0;
  for (int i = 0; i < monthCount; ++i) days += lengths[i];
  return days;
}

bool LunarYearOf(int year, LunarYear* out) {
  if (year < kFirstLunarYear || year > kLastLunarYear) return false;
  const uint32_t word = kLunarYears[year - kFirstLunarYear];
  LunarYear y;
  y.year = year;
  y.leapMonth = static_cast<int>(word >> 13 & 0xF);
  y.monthCount = y.leapMonth ? 13 : 12;
  y.firstDay = DayNumber(Date{year, 1, 1}) + static_cast<int>(word >> 17 & 0x7F);
  for (int i = 0; i < y.monthCount; ++i) y.lengths[i] = word >> i & 1 ? 30 : 29;
  *out = y;
  return true;
}

bool ToLunar(const Date& date, LunarDate* out) {
  if (!IsValidDate(date)) return false;
  const int n = DayNumber(date);
  LunarYear y;
  // The lunar year begins between January 21 and February 20 of its Gregorian year.
  if (!LunarYearOf(date.year, &y) || n < y.firstDay) {
    if (!LunarYearOf(date.year - 1, &y)) return false;
  }
  int offset = n - y.firstDay;
  if (offset < 0 || offset >= y.Days()) return false;
  for (int i = 0; i < y.monthCount; ++i) {
    if (offset < y.lengths[i]) {
      LunarDate l;
      l.year = y.year;
      l.leap = y.leapMonth && i == y.leapMonth;
      l.month = y.leapMonth && i >= y.leapMonth ? i : i + 1;
      l.day = offset + 1;
      *out = l;
      return true;
    }
    offset -= y.lengths[i];
  }
  return false;
}

namespace {

// Index of the month in the year's sequence; -1 when the year has no such month.
int MonthIndex(const LunarYear& y, int month, bool leap) {
  if (month < 1 || month > 12) return -1;
  if (leap) return y.leapMonth == month ? month : -1;
  return y.leapMonth && month > y.leapMonth ? month : month - 1;
}

}  // namespace

int LunarMonthDays(int year, int month, bool leap) {
  LunarYear y;
  if (!LunarYearOf(year, &y)) return 0;
  const int index = MonthIndex(y, month, leap);
  return index < 0 ? 0 : y.lengths[index];
}

bool FromLunar(const LunarDate& lunar, Date* out) {
  LunarYear y;
  if (!LunarYearOf(lunar.year, &y)) return false;
  const int index = MonthIndex(y, lunar.month, lunar.leap);
  if (index < 0 || lunar.day < 1 || lunar.day > y.lengths[index]) return false;
  int n = y.firstDay + lunar.day - 1;
  for (int i = 0; i < index; ++i) n += y.lengths[i];
  *out = DateOfDayNumber(n);
  return true;
}

int SolarTermDay(int year, int index) {
  if (year < kFirstTermYear || year > kLastTermYear || index < 0 || index > 23) return 0;
  const uint8_t packed = kSolarTermDays[year - kFirstTermYear][index / 2];
  const int nibble = index % 2 == 0 ? packed & 0xF : packed >> 4;
  return nibble + TermDayBase(index);
}

int SolarTermOn(const Date& date) {
  if (!IsValidDate(date)) return kNoSolarTerm;
  for (int index = (date.month - 1) * 2; index <= (date.month - 1) * 2 + 1; ++index) {
    if (SolarTermDay(date.year, index) == date.day) return index;
  }
  return kNoSolarTerm;
}

std::string StemBranchName(int lunarYear) {
  const int i = CycleIndex(lunarYear);
  return std::string(kStems[i % 10]) + kBranches[i % 12];
}

std::string AnimalName(int lunarYear) { return kAnimals[CycleIndex(lunarYear) % 12]; }

std::string MonthName(int month, bool leap) {
  if (month < 1 || month > 12) return std::string();
  return (leap ? std::string("闰") : std::string()) + kMonths[month - 1];
}

std::string DayName(int day) {
  if (day < 1 || day > 30) return std::string();
  if (day == 10) return "初十";
  if (day == 20) return "二十";
  if (day == 30) return "三十";
  static const char* const kTens[3] = {"初", "十", "廿"};
  return std::string(kTens[day / 10]) + kDigits[day % 10];
}

std::string SolarTermName(int index) { return index >= 0 && index < 24 ? kTerms[index] : std::string(); }

std::string WeekdayName(int weekday) { return weekday >= 0 && weekday < 7 ? kWeekdays[weekday] : std::string(); }

}  // namespace calendar
