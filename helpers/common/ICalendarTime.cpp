#include "ICalendarTime.h"

#include "model/CxDateTime.h"
#include "platform/AsciiCase.h"
#include "platform/CodePage.h"

#include <algorithm>
#include <string_view>
#include <vector>

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

namespace {

// A damaged UNTIL: anything but YYYYMMDD, optionally followed by Thhmmss and Z, of a real date.
bool IsDamagedUntil(std::string_view value)
{
    const auto digits = [&](std::size_t from, std::size_t n) {
        if (from + n > value.size())
            return false;
        for (std::size_t i = from; i < from + n; ++i)
            if (value[i] < '0' || value[i] > '9')
                return false;
        return true;
    };
    if (!digits(0, 8))
        return true;
    const int month = (value[4] - '0') * 10 + (value[5] - '0');
    const int day = (value[6] - '0') * 10 + (value[7] - '0');
    if (value.substr(0, 4) == "0000" || month < 1 || month > 12 || day < 1 || day > 31)
        return true;
    if (value.size() == 8)
        return false;
    const bool time = value.size() >= 15 && value[8] == 'T' && digits(9, 6);
    return !(time && (value.size() == 15 || (value.size() == 16 && value[15] == 'Z')));
}

// An RRULE line without its damaged UNTIL part (the rule is kept, without end); unchanged when
// its UNTIL is sound or absent.
std::string RepairedRule(std::string_view line, bool& repaired)
{
    std::size_t colon = line.find(':');
    if (colon == std::string_view::npos)
        return std::string(line);
    std::string out(line.substr(0, colon + 1));
    std::string_view parts = line.substr(colon + 1);
    bool first = true;
    for (std::size_t at = 0; at <= parts.size();) {
        const std::size_t semicolon = std::min(parts.find(';', at), parts.size());
        const std::string_view part = parts.substr(at, semicolon - at);
        at = semicolon + 1;
        if (platform::UpperAscii(part.substr(0, 6)) == "UNTIL=" && IsDamagedUntil(part.substr(6))) {
            repaired = true;
            continue;
        }
        out += (first ? "" : ";");
        out += part;
        first = false;
    }
    return out;
}

}  // namespace

std::string PrepareCalendarText(const std::string& text, bool* untilRepaired)
{
    constexpr std::size_t kValuesPerLine = 400;
    std::string unfolded;
    unfolded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 2 < text.size() && text[i + 1] == '\n' && (text[i + 2] == ' ' || text[i + 2] == '\t')) {
            i += 2;
            continue;
        }
        if (text[i] == '\n' && i + 1 < text.size() && (text[i + 1] == ' ' || text[i + 1] == '\t')) {
            ++i;
            continue;
        }
        unfolded += text[i];
    }
    std::string out;
    out.reserve(unfolded.size());
    std::size_t at = 0;
    while (at < unfolded.size()) {
        std::size_t end = unfolded.find('\n', at);
        end = end == std::string::npos ? unfolded.size() : end + 1;
        const std::string_view line = std::string_view(unfolded).substr(at, end - at);
        at = end;
        const std::string head6 = platform::UpperAscii(line.substr(0, 6));
        if (head6 == "RRULE:" || head6 == "RRULE;") {
            bool repaired = false;
            std::string_view body = line;
            while (!body.empty() && (body.back() == '\n' || body.back() == '\r'))
                body.remove_suffix(1);
            out += RepairedRule(body, repaired) + "\r\n";
            if (repaired && untilRepaired != nullptr)
                *untilRepaired = true;
            continue;
        }
        if (head6 != "RDATE:" && head6 != "RDATE;") {
            out += line;
            continue;
        }
        // The value starts after the first ':' outside quotes.
        std::size_t colon = 0;
        for (bool quoted = false; colon < line.size() && (quoted || line[colon] != ':'); ++colon)
            quoted = line[colon] == '"' ? !quoted : quoted;
        std::string_view values = line.substr(std::min(colon + 1, line.size()));
        while (!values.empty() && (values.back() == '\n' || values.back() == '\r'))
            values.remove_suffix(1);
        const std::string_view head = line.substr(0, std::min(colon + 1, line.size()));
        std::size_t count = 0;
        out += head;
        for (std::size_t v = 0; v <= values.size();) {
            const std::size_t comma = std::min(values.find(',', v), values.size());
            if (count == kValuesPerLine) {
                out += "\r\n";
                out += head;
                count = 0;
            }
            out += (count == 0 ? "" : ",");
            out += values.substr(v, comma - v);
            ++count;
            v = comma + 1;
        }
        out += "\r\n";
    }
    return out;
}

namespace {

// A monthly or yearly rule whose days of the month exist in none of its months (30 February,
// 31 April) never matches. libical would search centuries for its first occurrence.
bool NeverMatches(const icalrecurrencetype& rule)
{
    if ((rule.freq != ICAL_MONTHLY_RECURRENCE && rule.freq != ICAL_YEARLY_RECURRENCE) ||
        rule.by_month_day[0] == ICAL_RECURRENCE_ARRAY_MAX)
        return false;
    static constexpr int kLongest[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::vector<int> months;
    for (int i = 0; i < ICAL_BY_MONTH_SIZE && rule.by_month[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i)
        months.push_back(rule.by_month[i]);
    if (months.empty())
        months = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    for (int d = 0; d < ICAL_BY_MONTHDAY_SIZE && rule.by_month_day[d] != ICAL_RECURRENCE_ARRAY_MAX; ++d) {
        const int day = rule.by_month_day[d];
        for (int month : months)
            if (day < 0 || (month >= 1 && month <= 12 && day <= kLongest[month - 1]))
                return false;
    }
    return true;
}

}  // namespace

icaltimetype LastOccurrence(icalrecurrencetype rule, icaltimetype start, int count)
{
    if (NeverMatches(rule))
        return icaltime_null_time();
    icaltimetype horizon = start;
    horizon.year += 100;
    if (icaltime_is_null_time(rule.until) || icaltime_compare(rule.until, horizon) > 0)
        rule.until = horizon;
    rule.count = 0;
    icalrecur_iterator* it = icalrecur_iterator_new(rule, start);
    icaltimetype last = icaltime_null_time();
    for (int i = 0; it != nullptr && i < count; ++i) {
        const icaltimetype next = icalrecur_iterator_next(it);
        if (icaltime_is_null_time(next))
            break;
        last = next;
    }
    if (it != nullptr)
        icalrecur_iterator_free(it);
    return last;
}

const char* TzidOf(icalproperty* property)
{
    icalparameter* tzid = property != nullptr ? icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER) : nullptr;
    return tzid != nullptr ? icalparameter_get_tzid(tzid) : nullptr;
}

}  // namespace velmora::helpers
