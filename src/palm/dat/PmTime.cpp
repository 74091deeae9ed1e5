#include "PmTime.h"

#include "model/CxDateTime.h"

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
    platform::SystemTime time;
    return model::LocalSystemTime(mSeconds, time) ? time : platform::SystemTime{};
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
