#include "EventMapping.h"

#include "helpers/common/ICalendarTime.h"
#include "helpers/common/SourceFile.h"

#include "diagnostics/CxDebugUtil.h"
#include "model/CxDateTime.h"
#include "platform/CodePage.h"

#include <libical/ical.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>

namespace velmora::helpers {
namespace {

using connectors::GEventRec;

// "DTSTART:20080307T093000" or "DTSTART;VALUE=DATE:20080307", in local time.
std::string MomentLine(const char* name, const Moment& moment)
{
    const model::CxDateTime time(moment.value);
    const auto& t = time.GetSystemTime();
    char text[64];
    if (moment.isDate)
        std::snprintf(text, sizeof text, "%s;VALUE=DATE:%04d%02d%02d", name, t.Year, t.Month, t.Day);
    else
        std::snprintf(text, sizeof text, "%s:%04d%02d%02dT%02d%02d%02d", name, t.Year, t.Month, t.Day, t.Hour, t.Minute, t.Second);
    return text;
}

// The numeric fields of a rule: type, interval, weekdays, day of month, month, the week number
// of a monthly rule or the month of a yearly one, and its end. False, with the fields cleared,
// for a series that ends before it starts: it has no occurrence and is the single entry.
bool ApplyRule(const icalrecurrencetype& rule, icaltimetype start, const Moment& startMoment, GEventRec& e,
               icalcomponent* calendar, const char* tzid)
{
    const model::CxDateTime first(startMoment.value);
    const auto& s = first.GetSystemTime();
    const bool hasDay = rule.by_day[0] != ICAL_RECURRENCE_ARRAY_MAX;
    const bool hasMonthDay = rule.by_month_day[0] != ICAL_RECURRENCE_ARRAY_MAX;
    const int position = hasDay ? icalrecurrencetype_day_position(rule.by_day[0]) : 0;
    const int month = rule.by_month[0] != ICAL_RECURRENCE_ARRAY_MAX ? rule.by_month[0] : s.Month;
    e.Interval = rule.interval > 0 ? rule.interval : 1;
    switch (rule.freq) {
    case ICAL_DAILY_RECURRENCE: e.RecurrenceType = 1; break;
    case ICAL_WEEKLY_RECURRENCE:
        e.RecurrenceType = 2;
        for (int i = 0; i < ICAL_BY_DAY_SIZE && rule.by_day[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i)
            e.Weekdays |= WeekdayBit(rule.by_day[i]);
        if (e.Weekdays == 0)
            e.Weekdays = 1 << s.DayOfWeek;
        break;
    case ICAL_MONTHLY_RECURRENCE:
        if (hasDay && position != 0 && !hasMonthDay) {
            e.RecurrenceType = 3;
            e.Weekdays = WeekdayBit(rule.by_day[0]);
            e.WeekOrMonth = position < 0 ? 5 : position;  // 5: the last one in the month
        } else {
            e.RecurrenceType = 4;
            e.DayOfMonth = hasMonthDay ? rule.by_month_day[0] : s.Day;
        }
        break;
    case ICAL_YEARLY_RECURRENCE:
        e.MonthOfYear = month;
        if (hasDay && position != 0 && !hasMonthDay) {
            e.RecurrenceType = 5;
            e.Weekdays = WeekdayBit(rule.by_day[0]);
            e.WeekOrMonth = position < 0 ? 5 : position;
        } else {
            e.RecurrenceType = 6;
            e.DayOfMonth = hasMonthDay ? rule.by_month_day[0] : s.Day;
            e.WeekOrMonth = month;
        }
        break;
    default: e.RecurrenceType = 0; break;
    }
    e.RecurrenceStart = startMoment.value;
    if (!icaltime_is_null_time(rule.until)) {
        e.HasEnd = 1;
        e.RecurrenceEnd = LocalMoment(rule.until, tzid, calendar).value;
    } else if (rule.count > 0) {
        // The end of a counted series is its last occurrence; a rule that never matches has none
        // and so no end.
        const icaltimetype last = LastOccurrence(rule, start, std::min(rule.count, 100000));
        if (!icaltime_is_null_time(last)) {
            e.HasEnd = 1;
            e.RecurrenceEnd = LocalMoment(last, tzid, calendar).value;
        }
    }
    if (e.HasEnd == 0 || e.RecurrenceEnd == 0 || e.RecurrenceEnd >= startMoment.value - 1.0 / 86400)
        return true;
    VL_LOG(diagnostics::CxDebugUtil::kInfo, "GDateUtil", "The series \"%s\" ends before it starts; it is a single entry.",
           e.Title.c_str());
    e.RecurrenceType = e.HasEnd = e.Interval = e.Weekdays = e.DayOfMonth = e.MonthOfYear = e.WeekOrMonth = 0;
    e.RecurrenceStart = e.RecurrenceEnd = 0;
    return false;
}

// Reminders: display 1, e-mail 2, sound 3; amounts in the largest whole unit (0 minutes,
// 1 hours, 2 days, 3 weeks) before the start.
void ApplyAlarms(icalcomponent* event, GEventRec& e)
{
    std::size_t count = 0;
    for (icalcomponent* alarm = icalcomponent_get_first_component(event, ICAL_VALARM_COMPONENT);
         alarm != nullptr && count < 3; alarm = icalcomponent_get_next_component(event, ICAL_VALARM_COMPONENT)) {
        icalproperty* trigger = icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY);
        if (trigger == nullptr)
            continue;
        const icaltriggertype when = icalproperty_get_trigger(trigger);
        int seconds = icaltime_is_null_time(when.time) ? -icaldurationtype_as_int(when.duration) : 0;
        seconds = std::max(seconds, 0);
        int unit = 0, amount = seconds / 60;
        for (const auto& [size, code] : {std::pair{604800, 3}, std::pair{86400, 2}, std::pair{3600, 1}}) {
            if (seconds >= size && seconds % size == 0) {
                unit = code;
                amount = seconds / size;
                break;
            }
        }
        icalproperty* action = icalcomponent_get_first_property(alarm, ICAL_ACTION_PROPERTY);
        const icalproperty_action kind = action != nullptr ? icalproperty_get_action(action) : ICAL_ACTION_DISPLAY;
        e.ReminderMethods[count] = kind == ICAL_ACTION_EMAIL ? 2 : kind == ICAL_ACTION_AUDIO ? 3 : 1;
        e.ReminderAmounts[count] = amount;
        e.ReminderUnits[count] = unit;
        ++count;
    }
    e.ReminderCount = static_cast<std::int32_t>(count);
}

GEventRec ToEvent(icalcomponent* event, icalcomponent* calendar)
{
    GEventRec e;
    e.Title = Ansi(icalcomponent_get_summary(event));
    e.Where = Ansi(icalcomponent_get_location(event));
    e.Description = Ansi(icalcomponent_get_description(event));
    icalproperty* dtstart = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
    const icaltimetype startTime = dtstart != nullptr ? icalproperty_get_dtstart(dtstart) : icaltime_null_time();
    const Moment start = LocalMoment(startTime, TzidOf(dtstart), calendar);
    icalproperty* dtend = icalcomponent_get_first_property(event, ICAL_DTEND_PROPERTY);
    const Moment end = dtend != nullptr ? LocalMoment(icalproperty_get_dtend(dtend), TzidOf(dtend), calendar)
                                        : LocalMoment(icalcomponent_get_dtend(event), TzidOf(dtstart), calendar);
    e.Start = start.value;
    e.End = end.value != 0 ? end.value : start.value;
    e.AllDay = start.isDate ? 1 : 0;
    if (icalproperty* visibility = icalcomponent_get_first_property(event, ICAL_CLASS_PROPERTY)) {
        const icalproperty_class cls = icalproperty_get_class(visibility);
        e.Visibility = cls == ICAL_CLASS_PRIVATE ? 2 : cls == ICAL_CLASS_CONFIDENTIAL ? 3 : cls == ICAL_CLASS_PUBLIC ? 1 : 0;
    }
    ApplyAlarms(event, e);
    std::string categories;
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_CATEGORIES_PROPERTY); p != nullptr;
         p = icalcomponent_get_next_property(event, ICAL_CATEGORIES_PROPERTY))
        categories += (categories.empty() ? "" : ",") + Ansi(icalproperty_get_categories(p));
    e.Category = categories;
    if (icalproperty* created = icalcomponent_get_first_property(event, ICAL_CREATED_PROPERTY))
        e.CreationTime = LocalMoment(icalproperty_get_created(created), nullptr, calendar).value;
    if (icalproperty* modified = icalcomponent_get_first_property(event, ICAL_LASTMODIFIED_PROPERTY))
        e.LastModificationTime = LocalMoment(icalproperty_get_lastmodified(modified), nullptr, calendar).value;

    if (icalproperty* rrule = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY)) {
        const icalrecurrencetype rule = icalproperty_get_rrule(rrule);
        if (!ApplyRule(rule, startTime, start, e, calendar, TzidOf(dtstart)))
            return e;
        char* ruleText = icalrecurrencetype_as_string_r(const_cast<icalrecurrencetype*>(&rule));
        e.RecurrenceText = MomentLine("DTSTART", start) + "\r\n" + MomentLine("DTEND", {e.End, end.isDate || start.isDate}) +
                           "\r\nRRULE:" + (ruleText != nullptr ? ruleText : "");
        icalmemory_free_buffer(ruleText);
    }
    return e;
}

std::string XProperty(icalcomponent* calendar, const char* name)
{
    for (icalproperty* p = icalcomponent_get_first_property(calendar, ICAL_X_PROPERTY); p != nullptr;
         p = icalcomponent_get_next_property(calendar, ICAL_X_PROPERTY)) {
        if (const char* x = icalproperty_get_x_name(p); x != nullptr && std::string_view(x) == name)
            return Ansi(icalproperty_get_value_as_string(p));
    }
    return {};
}

}  // namespace

bool ReadCalendarFile(const std::string& path, GoogleCalendarFile& file, std::string& error)
{
    std::string text;
    if (!ReadSourceFile(path, text, error) || !ReadCalendarText(text, "The file " + path, file, error))
        return false;
    file.calendar.Summary = Ansi(std::filesystem::path(path).filename().string().c_str());
    return true;
}

bool ReadCalendarText(const std::string& text, const std::string& source, GoogleCalendarFile& file, std::string& error)
{
    bool repaired = false;
    const std::unique_ptr<icalcomponent, void (*)(icalcomponent*)> calendar(
        icalparser_parse_string(PrepareCalendarText(text, &repaired).c_str()), icalcomponent_free);
    if (repaired)
        VL_LOG(diagnostics::CxDebugUtil::kInfo, "GDateUtil", "%s has a damaged UNTIL; its rules are kept without end.",
               source.c_str());
    if (calendar == nullptr || icalcomponent_isa(calendar.get()) != ICAL_VCALENDAR_COMPONENT) {
        error = source + " is not an iCalendar calendar.";
        return false;
    }
    icalcomponent* cal = calendar.get();
    file.calendar.Name = XProperty(cal, "X-WR-CALNAME");
    file.calendar.Description = XProperty(cal, "X-WR-CALDESC");
    std::string zone = XProperty(cal, "X-WR-TIMEZONE");
    if (icalcomponent* vtimezone = icalcomponent_get_first_component(cal, ICAL_VTIMEZONE_COMPONENT); zone.empty() && vtimezone) {
        if (icalproperty* tzid = icalcomponent_get_first_property(vtimezone, ICAL_TZID_PROPERTY))
            zone = Ansi(icalproperty_get_tzid(tzid));
    }
    file.calendar.TimeZone = zone;
    for (icalcomponent* event = icalcomponent_get_first_component(cal, ICAL_VEVENT_COMPONENT); event != nullptr;
         event = icalcomponent_get_next_component(cal, ICAL_VEVENT_COMPONENT)) {
        if (icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY) == nullptr)
            file.events.push_back(ToEvent(event, cal));
    }
    return true;
}

}  // namespace velmora::helpers
