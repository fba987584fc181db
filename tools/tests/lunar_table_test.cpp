// The shipped lunar table against the computation it is written from, and
// the astronomy against the worked examples of its sources.
#include <gtest/gtest.h>

#include <cmath>

#include "calendar/lunar_calendar.h"
#include "calendar/lunar_table.h"
#include "tools/datagen/lunar_astronomy.h"
#include "tools/datagen/lunar_table_gen.h"

namespace {

const datagen::LunarComputation& Computed() {
    static const datagen::LunarComputation c = datagen::ComputeLunarCalendar();
    return c;
}

TEST(LunarAstronomy, MatchesWorkedExamples) {
    // New moon of 1977 February: JDE 2443192.65118 (Meeus, example 49.a).
    EXPECT_NEAR(datagen::NewMoonJde(-283), 2443192.65118, 0.00002);
    // The sun on 1992 October 13.0 TD: apparent longitude 199°54'21.8" (example 25.b).
    EXPECT_NEAR(datagen::ApparentSunLongitude(2448908.5), 199.0 + 54.0 / 60 + 21.8 / 3600, 1.0 / 3600);
    // Delta T of the polynomials at their reference years.
    EXPECT_NEAR(datagen::DeltaTSeconds(2000), 63.86, 1e-9);
    EXPECT_NEAR(datagen::DeltaTSeconds(1900), -2.79, 1e-9);
    EXPECT_NEAR(datagen::DeltaTSeconds(1950), 29.07, 1e-9);
    // The 2024 March equinox: 03-20 03:06 UTC.
    const double equinox = datagen::TtToUt(datagen::SolarTermJde(2024, 5));
    EXPECT_NEAR(equinox, 2460389.5 + (3 + 6.0 / 60) / 24, 1.5 / 1440);
}

TEST(LunarAstronomy, CalendarDayUsesBeijingTimeAndTheOldMeridianBefore1929) {
    EXPECT_DOUBLE_EQ(datagen::CalendarZoneHours(2460000.0), 8.0);
    EXPECT_NEAR(datagen::CalendarZoneHours(2420000.0), 7.0 + 45.0 / 60 + 40.0 / 3600, 1e-9);
}

TEST(LunarTable, IsWhatTheComputationWrites) {
    const auto& c = Computed();
    const std::vector<uint32_t> words = datagen::PackLunarYears(c);
    ASSERT_EQ(words.size(), std::size(calendar::kLunarYears));
    int months = 0, leapMonths = 0;
    for (size_t i = 0; i < words.size(); ++i) {
        EXPECT_EQ(words[i], calendar::kLunarYears[i]) << "lunar year " << calendar::kFirstLunarYear + i;
        const calendar::LunarYear& want = c.years[i];
        calendar::LunarYear got;
        ASSERT_TRUE(calendar::LunarYearOf(want.year, &got));
        EXPECT_EQ(got.firstDay, want.firstDay) << want.year;
        EXPECT_EQ(got.leapMonth, want.leapMonth) << want.year;
        ASSERT_EQ(got.monthCount, want.monthCount) << want.year;
        for (int m = 0; m < want.monthCount; ++m) EXPECT_EQ(got.lengths[m], want.lengths[m]) << want.year << " " << m;
        months += want.monthCount;
        leapMonths += want.leapMonth != 0;
    }
    EXPECT_EQ(months, 2486);
    EXPECT_EQ(leapMonths, 74);
    ASSERT_EQ(c.termDays.size(), std::size(calendar::kSolarTermDays));
    for (size_t y = 0; y < c.termDays.size(); ++y) {
        const int year = calendar::kFirstTermYear + static_cast<int>(y);
        for (int i = 0; i < 24; ++i) EXPECT_EQ(calendar::SolarTermDay(year, i), c.termDays[y][i]) << year << " " << i;
    }
}

TEST(LunarTable, TheSourceIsWrittenAgainByteForByte) {
    // The generator is deterministic: the same text every run.
    EXPECT_EQ(datagen::LunarTableSource(Computed()), datagen::LunarTableSource(datagen::ComputeLunarCalendar()));
}

// The instants the Hong Kong Observatory names as within minutes of midnight
// in its 1901-2100 conversion tables. The computation puts each of them in
// the last minutes before midnight, so the table holds the earlier day.
TEST(LunarTable, PublishedNearMidnightInstantsFallBeforeMidnight) {
    const std::vector<std::string> lines = datagen::NearMidnightReport(Computed(), 3.0);
    const char* const published[] = {
        "2057-09-28 23:5", "2089-09-04 23:5", "2097-08-07 23:5", "2021-12-21 23:5",
        "2051-03-20 23:5", "2083-02-03 23:5", "2084-03-19 23:5",
    };
    for (const char* p : published) {
        bool found = false;
        for (const std::string& line : lines) found = found || line.compare(0, 15, p) == 0;
        EXPECT_TRUE(found) << p;
    }
}

}  // namespace
