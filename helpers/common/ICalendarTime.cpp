#include "ICalendarTime.h"

#include "model/CxDateTime.h"
#include "platform/CodePage.h"

namespace velmora::helpers {

std::string Ansi(const char* utf8)
{
    if (utf8 == nullptr)
        return {};
    std::string text;
    for (const char c : platform::Utf8ToAnsi(utf8)) {
        if (c == '\n' && (text.empty() || text.back() != '\r'))
            text += '\r';
        text += c;
    }
    return text;
}

Moment LocalMoment(icaltimetype time, const char* tzid, icalcomponent* calendar)
{
    if (icaltime_is_null_time(time))
        return {};
    if (time.is_date)
        return {model::MakeDate(time.year, time.month, time.day), true};
    const icaltimezone* zone = nullptr;
    if (icaltime_is_utc(time))
        zone = icaltimezone_get_utc_timezone();
    else if (tzid != nullptr) {
        zone = icalcomponent_get_timezone(calendar, tzid);
        if (zone == nullptr)
            zone = icaltimezone_get_builtin_timezone(tzid);
    }
    if (zone == nullptr)
        return {model::MakeDate(time.year, time.month, time.day, time.hour, time.minute, time.second), false};
    return {model::TimeTToVariant(static_cast<std::int64_t>(icaltime_as_timet_with_zone(time, zone))), false};
}

std::int32_t WeekdayBit(short day)
{
    const int weekday = static_cast<int>(icalrecurrencetype_day_day_of_week(day));  // 1 Sunday ... 7 Saturday
    return weekday >= 1 && weekday <= 7 ? 1 << (weekday - 1) : 0;
}

const char* TzidOf(icalproperty* property)
{
    icalparameter* tzid = property != nullptr ? icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER) : nullptr;
    return tzid != nullptr ? icalparameter_get_tzid(tzid) : nullptr;
}

}  // namespace velmora::helpers
