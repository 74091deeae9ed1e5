#include "model/CxDateTime.h"

#include "support/FixedZone.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>

using namespace velmora::model;
using velmora::platform::SystemTime;
using velmora::testing::FixedZone;

namespace {

SystemTime Date(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    SystemTime t;
    t.Year = static_cast<std::uint16_t>(year);
    t.Month = static_cast<std::uint16_t>(month);
    t.Day = static_cast<std::uint16_t>(day);
    t.Hour = static_cast<std::uint16_t>(hour);
    t.Minute = static_cast<std::uint16_t>(minute);
    t.Second = static_cast<std::uint16_t>(second);
    return t;
}


}  // namespace

TEST(CxDateTime, FormatsDatesOnlyWithinTheYears1931To2030)
{
    const struct {
        SystemTime date;
        const char* text;
    } cases[] = {
        {Date(1930, 12, 31), ""}, {Date(1931, 1, 1), "01/01/1931"}, {Date(2008, 3, 7), "03/07/2008"},
        {Date(2030, 12, 31), "12/31/2030"}, {Date(2031, 1, 1), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CxDateTime(c.date).FormatDate(), c.text) << c.date.Year;
    EXPECT_EQ(CxDateTime(Date(2008, 3, 7, 14, 5, 9)).FormatDateTime(), "03/07/2008 14:05:09");
}

TEST(CxDateTime, ConvertsAutomationDatesBothWays)
{
    const struct {
        double variant;
        SystemTime time;
        int dayOfWeek;
    } cases[] = {
        {0.0, Date(1899, 12, 30), 6},          {1.0, Date(1899, 12, 31), 0},
        {2.5, Date(1900, 1, 1, 12), 1},        {-1.25, Date(1899, 12, 29, 6), 5},
        {39514.5871, Date(2008, 3, 7, 14, 5, 25), 5}, {2958465.0, Date(9999, 12, 31), 5},
    };
    for (const auto& c : cases) {
        const CxDateTime value(c.variant);
        ASSERT_TRUE(value.Valid()) << c.variant;
        SystemTime expected = c.time;
        expected.DayOfWeek = static_cast<std::uint16_t>(c.dayOfWeek);
        EXPECT_EQ(value.GetSystemTime(), expected) << c.variant;
        const CxDateTime back(c.time);
        ASSERT_TRUE(back.Valid());
        EXPECT_NEAR(back.VariantTime(), c.variant, 1.0 / 86400) << c.variant;
    }
    EXPECT_FALSE(CxDateTime(std::nan("")).Valid());
    EXPECT_FALSE(CxDateTime(3e6).Valid());
    EXPECT_FALSE(CxDateTime(Date(2007, 2, 29)).Valid());
    EXPECT_FALSE(CxDateTime(SystemTime{}).Valid());
}

TEST(CxDateTime, TimeTConversionsUseLocalTime)
{
    FixedZone zone("EST5EDT,M3.2.0,M11.1.0");
    CxDateTime value(Date(2000, 1, 1));
    value.SetTimeT(86400 * 365);  // 1 January 1971 00:00 UTC
    EXPECT_EQ(value.GetSystemTime().Year, 1970);
    EXPECT_EQ(value.GetSystemTime().Hour, 19);
    const double july = CxDateTime(Date(2008, 7, 4, 12)).VariantTime();
    EXPECT_EQ(VariantToTimeT(july), 1215187200);  // 16:00 UTC under daylight saving
    EXPECT_DOUBLE_EQ(TimeTToVariant(1215187200), july);
}

TEST(DateHelpers, AddMonthsCarriesYearsAndCutsTheDayWithAFixedFebruary)
{
    const struct {
        SystemTime from;
        int months;
        SystemTime to;
    } cases[] = {
        {Date(2007, 1, 31), 1, Date(2007, 2, 28)},   {Date(2008, 1, 31), 1, Date(2008, 2, 28)},
        {Date(2008, 11, 15), 1, Date(2008, 12, 15)}, {Date(2008, 12, 15), 1, Date(2009, 1, 15)},
        {Date(2008, 12, 15), 12, Date(2009, 12, 15)}, {Date(2008, 3, 31), -1, Date(2008, 2, 28)},
        {Date(2008, 1, 15), -13, Date(2006, 12, 15)}, {Date(2008, 5, 31), 1, Date(2008, 6, 30)},
    };
    for (const auto& c : cases) {
        SystemTime from = c.from;
        from.Hour = 10;
        SystemTime expected = c.to;
        expected.Hour = 10;
        EXPECT_EQ(AddMonths(from, c.months), expected) << c.from.Year << "-" << c.from.Month << " + " << c.months;
    }
    EXPECT_EQ(AddYears(Date(2008, 2, 29), 1), Date(2009, 2, 28));
}

TEST(DateHelpers, AddDaysDropsTheTimeOfDay)
{
    SystemTime expected = Date(2008, 3, 1);
    expected.DayOfWeek = 6;
    EXPECT_EQ(AddDays(Date(2008, 2, 28, 10, 30), 2), expected);
    EXPECT_EQ(AddDays(Date(2008, 3, 1), -1).Day, 29);
    EXPECT_EQ(DaysInMonth(2008, 2), 29);
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(2008, 13), 0);
}

TEST(DateHelpers, MinutesOfDayArithmetic)
{
    EXPECT_EQ(MinutesOfDay(Date(2008, 1, 1, 13, 45)), 825);
    const SystemTime later = AddMinutesToTimeOfDay(Date(2008, 1, 1, 13, 45), 30);
    EXPECT_EQ(later.Hour, 14);
    EXPECT_EQ(later.Minute, 15);
    const SystemTime clamped = AddMinutesToTimeOfDay(Date(2008, 1, 1, 0, 10), -30);
    EXPECT_EQ(clamped.Hour, 0);
    EXPECT_EQ(clamped.Minute, 0);
}

TEST(DateHelpers, FormatOrNotAvailable)
{
    EXPECT_EQ(FormatDateOrNA(0.0009), "N/A");
    EXPECT_EQ(FormatTimeOrNA(0), "N/A");
    EXPECT_EQ(FormatDateOrNA(39514.5), "03/07/2008");
    EXPECT_EQ(FormatTimeOrNA(39514.5), "12:00:00");
}
