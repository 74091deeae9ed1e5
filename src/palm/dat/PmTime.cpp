#include "PmTime.h"

#include <cstdio>
#include <ctime>
#include <limits>

namespace velmora::palm {

bool PmTime::FromFields(int year, int month, int day, int hour, int minute, int second)
{
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    fields.tm_isdst = -1;
    const std::time_t value = std::mktime(&fields);
    if (value == static_cast<std::time_t>(-1) || value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        return false;
    mSeconds = static_cast<std::int32_t>(value);
    return true;
}

platform::SystemTime PmTime::ToSystemTime() const
{
    const std::time_t value = mSeconds;
    std::tm fields{};
    if (localtime_r(&value, &fields) == nullptr)
        return {};
    platform::SystemTime time;
    time.Year = static_cast<std::uint16_t>(fields.tm_year + 1900);
    time.Month = static_cast<std::uint16_t>(fields.tm_mon + 1);
    time.DayOfWeek = static_cast<std::uint16_t>(fields.tm_wday);
    time.Day = static_cast<std::uint16_t>(fields.tm_mday);
    time.Hour = static_cast<std::uint16_t>(fields.tm_hour);
    time.Minute = static_cast<std::uint16_t>(fields.tm_min);
    time.Second = static_cast<std::uint16_t>(fields.tm_sec);
    return time;
}

std::string PmTime::ToDateText() const
{
    const platform::SystemTime t = ToSystemTime();
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", t.Month, t.Day, t.Year);
    return text;
}

std::string PmTime::ToTimeText() const
{
    const platform::SystemTime t = ToSystemTime();
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.Hour, t.Minute, t.Second);
    return text;
}

}  // namespace velmora::palm
