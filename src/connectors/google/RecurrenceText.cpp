#include "RecurrenceText.h"

#include "model/CSV.h"
#include "platform/AsciiCase.h"
#include "model/CxDateTime.h"

#include <optional>
#include <string>

namespace velmora::connectors {
namespace {

constexpr auto npos = std::string_view::npos;

std::optional<int> Digits(std::string_view text)
{
    if (text.empty() || text.find_first_not_of("0123456789") != npos)
        return std::nullopt;
    int value = 0;
    for (const char c : text)
        value = value * 10 + (c - '0');
    return value;
}

// YYYYMMDD, the letter T exactly at position 8 (the first T of the value), then hhmmss when a
// digit follows the T, else midnight. Time-zone parameters and a trailing Z are not looked at.
std::optional<double> ReadDateTime(std::string_view value)
{
    if (value.find('T') != 8)
        return std::nullopt;
    const auto year = Digits(value.substr(0, 4)), month = Digits(value.substr(4, 2)), day = Digits(value.substr(6, 2));
    if (!year || !month || !day)
        return std::nullopt;
    platform::SystemTime time;
    time.Year = static_cast<std::uint16_t>(*year);
    time.Month = static_cast<std::uint16_t>(*month);
    time.Day = static_cast<std::uint16_t>(*day);
    if (value.size() > 9 && value[9] >= '0' && value[9] <= '9') {
        if (value.size() < 15)
            return std::nullopt;
        const auto hour = Digits(value.substr(9, 2)), minute = Digits(value.substr(11, 2)), second = Digits(value.substr(13, 2));
        if (!hour || !minute || !second)
            return std::nullopt;
        time.Hour = static_cast<std::uint16_t>(*hour);
        time.Minute = static_cast<std::uint16_t>(*minute);
        time.Second = static_cast<std::uint16_t>(*second);
    }
    double date = 0;
    return model::SystemTimeToVariant(time, date) ? std::optional(date) : std::nullopt;
}

// The digits after the key's first occurrence: of the next 10 characters the leading digits, none
// giving 0; ten digits in a row store nothing. False when the key does not occur.
bool ReadNumber(std::string_view text, std::string_view key, std::int32_t& value)
{
    const auto at = text.find(key);
    if (at == npos)
        return false;
    const std::string_view next = text.substr(at + key.size(), 10);
    std::size_t digits = 0;
    while (digits < next.size() && next[digits] >= '0' && next[digits] <= '9')
        ++digits;
    if (digits == 10)
        return true;
    value = digits == 0 ? 0 : *Digits(next.substr(0, digits));
    return true;
}

// BYDAY=SU,MO,...: each plain day code adds its bit; items with an ordinal (1MO, -1FR) add nothing.
void ReadWeekdays(std::string_view text, std::int32_t& mask)
{
    constexpr std::string_view kKey = "BYDAY=";
    const auto at = text.find(kKey);
    if (at == npos)
        return;
    std::string_view list = text.substr(at + kKey.size());
    list = list.substr(0, list.find_first_of(";\r\n"));
    static constexpr std::string_view kDays[] = {"SU", "MO", "TU", "WE", "TH", "FR", "SA"};
    const model::CSV items(std::string(list).c_str());
    for (std::size_t i = 0; i < items.FieldCount(); ++i) {
        const std::string_view item = std::string_view(items.Field(i)).substr(0, 9);
        for (std::size_t day = 0; day < 7; ++day) {
            if (item == kDays[day])
                mask |= 1 << day;
        }
    }
}

void ReadMoment(std::string_view text, std::string_view key, double& moment)
{
    const auto at = text.find(key);
    const auto colon = at == npos ? npos : text.find(':', at);
    if (colon == npos)
        return;
    if (const auto value = ReadDateTime(text.substr(colon + 1)))
        moment = *value;
}

}  // namespace

void ApplyRecurrenceText(GEventRec& e)
{
    const std::string_view text = e.RecurrenceText.view();
    if (text.empty()) {
        e.RecurrenceType = 0;
        return;
    }
    ReadMoment(text, "DTSTART", e.Start);
    ReadMoment(text, "DTEND", e.End);
    const auto rrule = text.find("RRULE:");
    if (rrule == npos) {
        e.RecurrenceType = 0;
        return;
    }
    const auto freq = text.find("FREQ=", rrule);
    const auto semicolon = freq == npos ? npos : text.find(';', freq);
    if (semicolon == npos)
        return;
    const std::string frequency = platform::UpperAscii(text.substr(freq + 5, semicolon - freq - 5));
    const std::string_view rest = text.substr(semicolon);
    if (frequency == "DAILY") {
        e.RecurrenceType = 1;
        ReadNumber(rest, "INTERVAL=", e.Interval);
    } else if (frequency == "WEEKLY") {
        e.RecurrenceType = 2;
        ReadWeekdays(rest, e.Weekdays);
    } else if (frequency == "MONTHLY") {
        ReadNumber(rest, "INTERVAL=", e.Interval);
        if (ReadNumber(rest, "BYMONTHDAY=", e.DayOfMonth)) {
            e.RecurrenceType = 4;
        } else if (const auto week = rest.find("BYWEEKNO="); week != npos) {
            e.RecurrenceType = 3;
            ReadNumber(rest, "BYWEEKNO=", e.WeekOrMonth);
            ReadWeekdays(rest.substr(week), e.Weekdays);
        }
    } else if (frequency == "YEARLY") {
        ReadNumber(rest, "INTERVAL=", e.Interval);
        if (ReadNumber(rest, "BYMONTH=", e.WeekOrMonth)) {
            e.RecurrenceType = 6;
            ReadNumber(rest, "BYMONTHDAY=", e.DayOfMonth);
        } else {
            e.RecurrenceType = 5;
        }
    }
}

}  // namespace velmora::connectors
