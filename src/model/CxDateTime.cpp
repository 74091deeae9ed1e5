#include "CxDateTime.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace velmora::model {
namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr double kFirstVariant = -657434.0;  // 1 January 100
constexpr double kLastVariant = 2958466.0;   // 1 January 10000, excluded

// Days since 1 January 1970 of a proleptic Gregorian date, and back (H. Hinnant's algorithms).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, std::int64_t& y, unsigned& m, unsigned& d)
{
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2);
}

const std::int64_t kVariantEpoch = DaysFromCivil(1899, 12, 30);

SystemTime FromTm(const std::tm& local)
{
    SystemTime time;
    time.Year = static_cast<std::uint16_t>(local.tm_year + 1900);
    time.Month = static_cast<std::uint16_t>(local.tm_mon + 1);
    time.DayOfWeek = static_cast<std::uint16_t>(local.tm_wday);
    time.Day = static_cast<std::uint16_t>(local.tm_mday);
    time.Hour = static_cast<std::uint16_t>(local.tm_hour);
    time.Minute = static_cast<std::uint16_t>(local.tm_min);
    time.Second = static_cast<std::uint16_t>(std::min(local.tm_sec, 59));
    return time;
}

}  // namespace

bool LocalSystemTime(std::int64_t seconds, SystemTime& time)
{
    const auto t = static_cast<std::time_t>(seconds);
    std::tm local{};
    if (localtime_r(&t, &local) == nullptr || local.tm_year + 1900 < 1 || local.tm_year + 1900 > 9999)
        return false;
    time = FromTm(local);
    return true;
}

bool IsLeapYear(int year)
{
    return year % 400 == 0 || (year % 4 == 0 && year % 100 != 0);
}

int DaysInMonth(int year, int month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool SystemTimeToVariant(const SystemTime& time, double& variantTime)
{
    if (time.Year < 100 || time.Year > 9999 || time.Day < 1 || time.Day > DaysInMonth(time.Year, time.Month) ||
        time.Hour > 23 || time.Minute > 59 || time.Second > 59)
        return false;
    const auto days = static_cast<double>(DaysFromCivil(time.Year, time.Month, time.Day) - kVariantEpoch);
    const double fraction = (time.Hour * 3600.0 + time.Minute * 60.0 + time.Second) / kSecondsPerDay;
    variantTime = days >= 0 ? days + fraction : days - fraction;
    return true;
}

bool VariantToSystemTime(double variantTime, SystemTime& time)
{
    if (!(variantTime >= kFirstVariant && variantTime < kLastVariant))
        return false;
    auto day = static_cast<std::int64_t>(std::trunc(variantTime));
    auto seconds = static_cast<std::int64_t>(std::llround(std::fabs(variantTime - std::trunc(variantTime)) * kSecondsPerDay));
    if (seconds >= 86400) {
        seconds -= 86400;
        ++day;
    }
    std::int64_t year = 0;
    unsigned month = 0, dayOfMonth = 0;
    CivilFromDays(day + kVariantEpoch, year, month, dayOfMonth);
    if (year < 100 || year > 9999)
        return false;
    time.Year = static_cast<std::uint16_t>(year);
    time.Month = static_cast<std::uint16_t>(month);
    time.Day = static_cast<std::uint16_t>(dayOfMonth);
    // 30 December 1899 was a Saturday.
    time.DayOfWeek = static_cast<std::uint16_t>(((day % 7) + 7 + 6) % 7);
    time.Hour = static_cast<std::uint16_t>(seconds / 3600);
    time.Minute = static_cast<std::uint16_t>(seconds / 60 % 60);
    time.Second = static_cast<std::uint16_t>(seconds % 60);
    time.Milliseconds = 0;
    return true;
}

SystemTime SystemTimeOf(double variantTime)
{
    SystemTime time;
    return VariantToSystemTime(variantTime, time) ? time : SystemTime{};
}

double VariantOf(const SystemTime& time)
{
    double variantTime = 0;
    return SystemTimeToVariant(time, variantTime) ? variantTime : 0;
}

double MakeDate(int year, int month, int day, int hour, int minute, int second)
{
    const auto part = [](int value) { return static_cast<std::uint16_t>(std::clamp(value, 0, 65535)); };
    return VariantOf({part(year), part(month), 0, part(day), part(hour), part(minute), part(second), 0});
}

CxDateTime::CxDateTime()
{
    SetTimeT(static_cast<std::int64_t>(std::time(nullptr)));
}

CxDateTime::CxDateTime(const SystemTime& time)
{
    SetSystemTime(time);
}

CxDateTime::CxDateTime(double variantTime)
{
    SetVariant(variantTime);
}

void CxDateTime::SetVariant(double variantTime)
{
    mVariant = variantTime;
    mValid = VariantToSystemTime(variantTime, mSystemTime);
}

void CxDateTime::SetSystemTime(const SystemTime& time)
{
    mSystemTime = time;
    mValid = SystemTimeToVariant(time, mVariant);
}

void CxDateTime::SetTimeT(std::int64_t seconds)
{
    SystemTime time;
    if (!LocalSystemTime(seconds, time)) {
        mValid = false;
        return;
    }
    SetSystemTime(time);
}

std::string CxDateTime::FormatDate() const
{
    if (mSystemTime.Year <= 1930 || mSystemTime.Year > 2030)
        return {};
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", mSystemTime.Month, mSystemTime.Day, mSystemTime.Year);
    return text;
}

std::string CxDateTime::FormatTime() const
{
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", mSystemTime.Hour, mSystemTime.Minute, mSystemTime.Second);
    return text;
}

std::string CxDateTime::FormatDateTime() const
{
    return FormatDate() + " " + FormatTime();
}

std::int64_t VariantToTimeT(double variantTime)
{
    SystemTime time;
    if (!VariantToSystemTime(variantTime, time))
        return -1;
    std::tm local{};
    local.tm_year = time.Year - 1900;
    local.tm_mon = time.Month - 1;
    local.tm_mday = time.Day;
    local.tm_hour = time.Hour;
    local.tm_min = time.Minute;
    local.tm_sec = time.Second;
    local.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&local));
}

double TimeTToVariant(std::int64_t seconds)
{
    SystemTime time;
    double variantTime = 0;
    if (!LocalSystemTime(seconds, time) || !SystemTimeToVariant(time, variantTime))
        return 0;
    return variantTime;
}

SystemTime AddDays(const SystemTime& time, int days)
{
    double variantTime = 0;
    SystemTime result;
    if (!SystemTimeToVariant(time, variantTime) || !VariantToSystemTime(std::trunc(variantTime) + days, result))
        return time;
    return result;
}

SystemTime AddMonths(const SystemTime& time, int months)
{
    static constexpr int kFixedDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (time.Month < 1 || time.Month > 12)
        return time;
    const std::int64_t total = std::int64_t{time.Year} * 12 + (time.Month - 1) + months;
    const std::int64_t year = total >= 0 ? total / 12 : -((-total + 11) / 12);
    const auto month = static_cast<int>(total - year * 12) + 1;
    if (year < 1 || year > 9999)
        return time;
    SystemTime result = time;
    result.Year = static_cast<std::uint16_t>(year);
    result.Month = static_cast<std::uint16_t>(month);
    result.Day = static_cast<std::uint16_t>(std::min<int>(time.Day, kFixedDays[month - 1]));
    return result;
}

SystemTime AddYears(const SystemTime& time, int years)
{
    return AddMonths(time, 12 * years);
}

int MinutesOfDay(const SystemTime& time)
{
    return time.Hour * 60 + time.Minute;
}

SystemTime AddMinutesToTimeOfDay(const SystemTime& time, int minutes)
{
    const int total = std::max(0, MinutesOfDay(time) + minutes);
    SystemTime result = time;
    result.Hour = static_cast<std::uint16_t>(total / 60);
    result.Minute = static_cast<std::uint16_t>(total % 60);
    return result;
}

std::string FormatDateOrNA(double variantTime)
{
    return variantTime < 0.001 ? "N/A" : CxDateTime(variantTime).FormatDate();
}

std::string FormatTimeOrNA(double variantTime)
{
    return variantTime < 0.001 ? "N/A" : CxDateTime(variantTime).FormatTime();
}

}  // namespace velmora::model
