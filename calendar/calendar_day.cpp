#include "calendar/calendar_day.h"

namespace calendar {

namespace {

struct LunarFestival {
  int month, day;
  const char* name;
};
const LunarFestival kLunarFestivals[] = {
    {1, 1, "春节"}, {1, 15, "元宵节"}, {5, 5, "端午节"}, {7, 7, "七夕"},
    {8, 15, "中秋节"}, {9, 9, "重阳节"}, {12, 8, "腊八节"},
};
struct PublicFestival {
  int month, day;
  const char* name;
};
const PublicFestival kPublicFestivals[] = {{1, 1, "元旦"}, {5, 1, "劳动节"}, {10, 1, "国庆节"}};
constexpr int kQingming = 6;

bool IsLastDayOfLunarYear(const Date& date) {
  LunarDate next;
  return ToLunar(DateOfDayNumber(DayNumber(date) + 1), &next) && next.month == 1 && !next.leap && next.day == 1;
}

}  // namespace

std::vector<std::string> Festivals(const Date& date) {
  std::vector<std::string> names;
  LunarDate lunar;
  if (ToLunar(date, &lunar) && !lunar.leap) {
    for (const LunarFestival& f : kLunarFestivals) {
      if (f.month == lunar.month && f.day == lunar.day) names.push_back(f.name);
    }
  }
  if (IsValidDate(date) && IsLastDayOfLunarYear(date)) names.push_back("除夕");
  if (SolarTermOn(date) == kQingming) names.push_back(SolarTermName(kQingming));
  for (const PublicFestival& f : kPublicFestivals) {
    if (f.month == date.month && f.day == date.day) names.push_back(f.name);
  }
  return names;
}

CellLabel CellLabelOf(const Date& date) {
  LunarDate lunar;
  if (!ToLunar(date, &lunar)) return CellLabel();
  const std::vector<std::string> festivals = Festivals(date);
  if (!festivals.empty()) return {festivals.front(), CellMark::Festival};
  const int term = SolarTermOn(date);
  if (term != kNoSolarTerm) return {SolarTermName(term), CellMark::SolarTerm};
  if (lunar.day == 1) return {MonthName(lunar.month, lunar.leap), CellMark::MonthStart};
  return {DayName(lunar.day), CellMark::Plain};
}

std::string DayDescription(const Date& date) {
  if (!IsValidDate(date)) return std::string();
  std::string text = std::to_string(date.year) + "年" + std::to_string(date.month) + "月" +
                     std::to_string(date.day) + "日 星期" + WeekdayName(Weekday(date));
  LunarDate lunar;
  if (!ToLunar(date, &lunar)) return text;
  text += " 农历" + StemBranchName(lunar.year) + AnimalName(lunar.year) + "年 " + MonthName(lunar.month, lunar.leap) +
          DayName(lunar.day);
  const int term = SolarTermOn(date);
  if (term != kNoSolarTerm) text += " " + SolarTermName(term);
  for (const std::string& name : Festivals(date)) {
    if (term == kQingming && name == SolarTermName(kQingming)) continue;  // named once, as the term
    text += " " + name;
  }
  return text;
}

}  // namespace calendar
