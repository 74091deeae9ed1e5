#include "NotesRecords.h"

#include "helpers/common/ICalendarTime.h"
#include "helpers/google/ContactMapping.h"

#include "model/CxDateTime.h"
#include "platform/AsciiCase.h"
#include "platform/CodePage.h"

#include <libical/ical.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string_view>

namespace velmora::helpers {
namespace {

using connectors::LNContactRec;
using connectors::LNEventRec;
using connectors::LNNotebookRec;
using connectors::LNTodoRec;

template <std::size_t N>
void SetIfEmpty(model::Text<N>& member, std::string_view value)
{
    if (member.empty())
        member = value;
}

// --- vCard -----------------------------------------------------------------------------------

void TakeEmail(LNContactRec& r, const VCardProperty& p, const std::string& value)
{
    // Work addresses first in the business slot, home ones in the personal slot; the rest fill
    // what is free, the third slot last.
    if (p.HasType("WORK") && r.BusinessEmail.empty())
        r.BusinessEmail = value;
    else if (p.HasType("HOME") && r.PersonalEmail.empty())
        r.PersonalEmail = value;
    else if (r.BusinessEmail.empty())
        r.BusinessEmail = value;
    else if (r.PersonalEmail.empty())
        r.PersonalEmail = value;
    else
        SetIfEmpty(r.AssistantPhone, value);
}

void TakePhone(LNContactRec& r, const VCardProperty& p, const std::string& value)
{
    if (p.HasType("FAX"))
        SetIfEmpty(p.HasType("HOME") ? r.HomeFax : r.BusinessFax, value);
    else if (p.HasType("CELL"))
        SetIfEmpty(r.MobilePhone, value);
    else if (p.HasType("PAGER"))
        SetIfEmpty(r.Pager, value);
    else if (p.HasType("WORK"))
        SetIfEmpty(r.BusinessPhone, value);
    else if (p.HasType("HOME"))
        SetIfEmpty(r.HomePhone, value);
    else
        SetIfEmpty(r.PrimaryPhone, value);
    if (p.HasType("PREF"))
        SetIfEmpty(r.PrimaryPhone, value);
}

void TakeAddress(LNContactRec& r, const VCardProperty& p)
{
    // post office box; extended address; street; locality; region; postal code; country
    std::vector<std::string> c = p.Components();
    c.resize(7);
    for (std::string& part : c)
        part = platform::Utf8ToAnsi(part);
    std::string street = c[2];
    if (!c[1].empty())
        street += (street.empty() ? "" : "\r\n") + c[1];
    if (p.HasType("WORK") && r.BusinessStreet.empty() && r.BusinessCity.empty()) {
        r.BusinessStreet = street, r.BusinessCity = c[3], r.BusinessState = c[4], r.BusinessPostal = c[5];
        r.BusinessCountry = c[6];
    } else if (p.HasType("HOME") && r.HomeStreet.empty() && r.HomeCity.empty()) {
        r.HomeStreet = street, r.HomeCity = c[3], r.HomeState = c[4], r.HomePostal = c[5], r.HomeCountry = c[6];
    } else if (r.OtherStreet.empty() && r.OtherCity.empty()) {
        r.OtherStreet = street, r.OtherCity = c[3], r.OtherState = c[4], r.OtherPostal = c[5], r.OtherCountry = c[6];
    }
}

// --- structured text -------------------------------------------------------------------------

template <auto Member>
void Put(LNContactRec& r, const std::string& value)
{
    r.*Member = value;
}

// The items of the Notes contacts template, by where they go.
const struct {
    std::initializer_list<std::string_view> Names;
    void (*Set)(LNContactRec&, const std::string&);
} kContactItems[] = {
    {{"FirstName"}, Put<&LNContactRec::FirstName>},
    {{"MiddleInitial", "MiddleName"}, Put<&LNContactRec::MiddleName>},
    {{"LastName"}, Put<&LNContactRec::LastName>},
    {{"Suffix"}, Put<&LNContactRec::Suffix>},
    {{"FullName", "DisplayName"}, Put<&LNContactRec::DisplayName>},
    {{"CompanyName"}, Put<&LNContactRec::CompanyName>},
    {{"Department"}, Put<&LNContactRec::Department>},
    {{"JobTitle"}, Put<&LNContactRec::JobTitle>},
    {{"Location"}, Put<&LNContactRec::Location>},
    {{"Assistant"}, Put<&LNContactRec::AssistantName>},
    {{"Manager"}, Put<&LNContactRec::ManagerName>},
    {{"MailAddress", "InternetAddress"}, Put<&LNContactRec::BusinessEmail>},
    {{"HomeEmail", "PersonalEmail"}, Put<&LNContactRec::PersonalEmail>},
    {{"OtherEmail", "Email3"}, Put<&LNContactRec::AssistantPhone>},
    {{"OfficeStreetAddress"}, Put<&LNContactRec::BusinessStreet>},
    {{"OfficeCity"}, Put<&LNContactRec::BusinessCity>},
    {{"OfficeState"}, Put<&LNContactRec::BusinessState>},
    {{"OfficeCountry"}, Put<&LNContactRec::BusinessCountry>},
    {{"OfficeZIP"}, Put<&LNContactRec::BusinessPostal>},
    {{"StreetAddress"}, Put<&LNContactRec::HomeStreet>},
    {{"City"}, Put<&LNContactRec::HomeCity>},
    {{"State"}, Put<&LNContactRec::HomeState>},
    {{"Country"}, Put<&LNContactRec::HomeCountry>},
    {{"Zip"}, Put<&LNContactRec::HomePostal>},
    {{"OtherStreetAddress"}, Put<&LNContactRec::OtherStreet>},
    {{"OtherCity"}, Put<&LNContactRec::OtherCity>},
    {{"OtherState"}, Put<&LNContactRec::OtherState>},
    {{"OtherCountry"}, Put<&LNContactRec::OtherCountry>},
    {{"OtherZip"}, Put<&LNContactRec::OtherPostal>},
    {{"PrimaryPhoneNumber"}, Put<&LNContactRec::PrimaryPhone>},
    {{"OfficePhoneNumber"}, Put<&LNContactRec::BusinessPhone>},
    {{"PhoneNumber"}, Put<&LNContactRec::HomePhone>},
    {{"CellPhoneNumber"}, Put<&LNContactRec::MobilePhone>},
    {{"OfficeFAXPhoneNumber"}, Put<&LNContactRec::BusinessFax>},
    {{"HomeFAXPhoneNumber"}, Put<&LNContactRec::HomeFax>},
    {{"PagerNumber"}, Put<&LNContactRec::Pager>},
    {{"InstantMessagingID", "IMAddress"}, Put<&LNContactRec::InstantMessenger>},
    {{"WebSite"}, Put<&LNContactRec::WebSite>},
    {{"BlogURL", "BlogSite"}, Put<&LNContactRec::BlogSite>},
    {{"Spouse"}, Put<&LNContactRec::SpouseName>},
    {{"Children"}, Put<&LNContactRec::ChildrenNames>},
    {{"Comment", "Body"}, Put<&LNContactRec::Note>},
    {{"Categories"}, Put<&LNContactRec::Category>},
    {{"Birthday"}, [](LNContactRec& r, const std::string& v) { r.BirthDate = ParseNotesDate(v); }},
    {{"Anniversary"}, [](LNContactRec& r, const std::string& v) { r.Anniversary = ParseNotesDate(v); }},
};

// Items Notes keeps for itself: "$" items and the form's name.
bool IsSystemItem(std::string_view name)
{
    return name.empty() || name.front() == '$' || platform::EqualsNoCase(name, "Form") || platform::EqualsNoCase(name, "Type");
}

// --- iCalendar -------------------------------------------------------------------------------

std::int32_t WeekdayMaskOf(double date)
{
    return 1 << model::SystemTimeOf(date).DayOfWeek;
}

void SetRepeat(LNEventRec& e, const char* unit, int interval, std::int32_t value, double until)
{
    e.RepeatFlag = "1";
    e.RepeatUnit = unit;
    e.RepeatInterval = std::to_string(interval);
    e.RepeatValue = std::to_string(value);
    e.RepeatUntil = until;
}

// The repeat of an RRULE: unit, interval, the weekday mask or day of month, the last date.
void ApplyRule(const icalrecurrencetype& rule, icaltimetype start, const char* tzid, icalcomponent* calendar,
               LNEventRec& e)
{
    const int interval = rule.interval > 0 ? rule.interval : 1;
    double until = 0;
    if (!icaltime_is_null_time(rule.until)) {
        until = LocalMoment(rule.until, tzid, calendar).value;
    } else if (rule.count > 0) {
        // A counted series ends with its last occurrence; a rule that never matches has none.
        until = LocalMoment(LastOccurrence(rule, start, std::min(rule.count, 10000)), tzid, calendar).value;
    }
    // A series that ends before it starts has no occurrence: it is the single entry.
    if (until != 0 && until < e.Start - 1.0 / 86400)
        return;
    const bool hasDay = rule.by_day[0] != ICAL_RECURRENCE_ARRAY_MAX;
    const bool hasMonthDay = rule.by_month_day[0] != ICAL_RECURRENCE_ARRAY_MAX;
    switch (rule.freq) {
    case ICAL_DAILY_RECURRENCE: SetRepeat(e, "D", interval, 0, until); break;
    case ICAL_WEEKLY_RECURRENCE: {
        std::int32_t mask = 0;
        for (int i = 0; i < ICAL_BY_DAY_SIZE && rule.by_day[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i)
            mask |= WeekdayBit(rule.by_day[i]);
        SetRepeat(e, "W", interval, mask != 0 ? mask : WeekdayMaskOf(e.Start), until);
        break;
    }
    case ICAL_MONTHLY_RECURRENCE:
        if (hasDay && !hasMonthDay)
            SetRepeat(e, "MP", interval, WeekdayBit(rule.by_day[0]), until);
        else
            SetRepeat(e, "MD", interval, hasMonthDay ? rule.by_month_day[0] : model::SystemTimeOf(e.Start).Day, until);
        break;
    case ICAL_YEARLY_RECURRENCE: SetRepeat(e, "Y", interval, 0, until); break;
    default: break;
    }
}

struct Occurrence {
    double Start;
    double End;
};

// A regular step between the occurrences: unit and interval; false for irregular ones.
bool RegularStep(const std::vector<Occurrence>& dates, const char*& unit, int& interval)
{
    if (dates.size() < 2)
        return false;
    const double length = dates[0].End - dates[0].Start;
    const model::SystemTime first = model::SystemTimeOf(dates[0].Start);
    const auto days = [&](std::size_t i) { return std::lround(dates[i].Start - dates[i - 1].Start); };
    const auto sameTime = [&](std::size_t i) {
        const model::SystemTime t = model::SystemTimeOf(dates[i].Start);
        return t.Hour == first.Hour && t.Minute == first.Minute &&
               std::fabs((dates[i].End - dates[i].Start) - length) < 1.0 / 86400;
    };
    bool uniform = days(1) > 0;
    for (std::size_t i = 1; i < dates.size() && uniform; ++i)
        uniform = days(i) == days(1) && sameTime(i);
    if (uniform && days(1) % 7 == 0) {
        unit = "W";
        interval = static_cast<int>(days(1) / 7);
        return true;
    }
    // Same day of the month (and month, for years) at a constant number of months.
    int months = 0;
    bool monthly = true;
    for (std::size_t i = 1; i < dates.size() && monthly; ++i) {
        const model::SystemTime a = model::SystemTimeOf(dates[i - 1].Start);
        const model::SystemTime b = model::SystemTimeOf(dates[i].Start);
        const int step = (b.Year - a.Year) * 12 + (b.Month - a.Month);
        monthly = b.Day == first.Day && step > 0 && (months == 0 || step == months) && sameTime(i);
        months = step;
    }
    if (monthly) {
        unit = months % 12 == 0 ? "Y" : "MD";
        interval = months % 12 == 0 ? months / 12 : months;
        return true;
    }
    if (uniform) {
        unit = "D";
        interval = static_cast<int>(days(1));
        return true;
    }
    return false;
}

// Every RDATE value of the entry (periods, or date-times with the entry's own length).
std::vector<Occurrence> RdatesOf(icalcomponent* event, icalcomponent* calendar, double length)
{
    std::vector<Occurrence> dates;
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY); p != nullptr && dates.size() < 100000;
         p = icalcomponent_get_next_property(event, ICAL_RDATE_PROPERTY)) {
        const icaldatetimeperiodtype value = icalproperty_get_rdate(p);
        const char* tzid = TzidOf(p);
        if (!icaltime_is_null_time(value.time)) {
            const double start = LocalMoment(value.time, tzid, calendar).value;
            dates.push_back({start, start + length});
        } else if (!icaltime_is_null_time(value.period.start)) {
            const double start = LocalMoment(value.period.start, tzid, calendar).value;
            double end = LocalMoment(value.period.end, tzid, calendar).value;
            if (icaltime_is_null_time(value.period.end))
                end = start + icaldurationtype_as_int(value.period.duration) / 86400.0;
            dates.push_back({start, end});
        }
    }
    std::sort(dates.begin(), dates.end(), [](const auto& a, const auto& b) { return a.Start < b.Start; });
    return dates;
}

LNEventRec EventOf(icalcomponent* event, icalcomponent* calendar, std::vector<LNEventRec>& extra)
{
    LNEventRec e;
    e.Subject = Ansi(icalcomponent_get_summary(event));
    e.Location = Ansi(icalcomponent_get_location(event));
    e.Body = Ansi(icalcomponent_get_description(event));
    icalproperty* dtstart = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
    const icaltimetype startTime = dtstart != nullptr ? icalproperty_get_dtstart(dtstart) : icaltime_null_time();
    const Moment start = LocalMoment(startTime, TzidOf(dtstart), calendar);
    icalproperty* dtend = icalcomponent_get_first_property(event, ICAL_DTEND_PROPERTY);
    const Moment end = dtend != nullptr ? LocalMoment(icalproperty_get_dtend(dtend), TzidOf(dtend), calendar)
                                        : LocalMoment(icalcomponent_get_dtend(event), TzidOf(dtstart), calendar);
    e.ShownStart = e.Start = start.value;
    e.ShownEnd = e.End = end.value != 0 ? end.value : start.value;
    if (const char* zone = TzidOf(dtstart))
        e.StartTimeZone = Ansi(zone);
    if (const char* zone = TzidOf(dtend))
        e.EndTimeZone = Ansi(zone);
    if (icalproperty* cls = icalcomponent_get_first_property(event, ICAL_CLASS_PROPERTY)) {
        const icalproperty_class kind = icalproperty_get_class(cls);
        e.Private = kind == ICAL_CLASS_PRIVATE || kind == ICAL_CLASS_CONFIDENTIAL ? 1 : 0;
    }
    if (icalproperty* resources = icalcomponent_get_first_property(event, ICAL_RESOURCES_PROPERTY))
        e.Resources = Ansi(icalproperty_get_resources(resources));
    if (icalproperty* rrule = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY)) {
        ApplyRule(icalproperty_get_rrule(rrule), startTime, TzidOf(dtstart), calendar, e);
        return e;
    }
    std::vector<Occurrence> dates = RdatesOf(event, calendar, e.End - e.Start);
    if (dates.empty())
        return e;
    if (dates.front().Start > e.Start + 1.0 / 86400)
        dates.insert(dates.begin(), {e.Start, e.End});
    const char* unit = nullptr;
    int interval = 0;
    if (RegularStep(dates, unit, interval)) {
        const std::string_view u = unit;
        const std::int32_t value = u == "W" ? WeekdayMaskOf(dates[0].Start) : u == "MD" ? model::SystemTimeOf(dates[0].Start).Day : 0;
        SetRepeat(e, unit, interval, value, dates.back().Start);
        return e;
    }
    // Irregular dates: each one an entry of its own.
    for (std::size_t i = 1; i < dates.size(); ++i) {
        LNEventRec one = e;
        one.ShownStart = one.Start = dates[i].Start;
        one.ShownEnd = one.End = dates[i].End;
        extra.push_back(std::move(one));
    }
    e.ShownStart = e.Start = dates[0].Start;
    e.ShownEnd = e.End = dates[0].End;
    return e;
}

std::int32_t PriorityCodeOf(int icalPriority)
{
    // iCalendar: 1-4 high, 5 medium, 6-9 low, 0 undefined.
    if (icalPriority >= 1 && icalPriority <= 4)
        return 0;
    if (icalPriority >= 6 && icalPriority <= 9)
        return 2;
    return 1;
}

LNTodoRec TodoOf(icalcomponent* todo, icalcomponent* calendar)
{
    LNTodoRec t;
    t.Subject = Ansi(icalcomponent_get_summary(todo));
    t.Body = Ansi(icalcomponent_get_description(todo));
    if (icalproperty* p = icalcomponent_get_first_property(todo, ICAL_PRIORITY_PROPERTY))
        t.Priority = PriorityCodeOf(icalproperty_get_priority(p));
    if (icalproperty* cls = icalcomponent_get_first_property(todo, ICAL_CLASS_PROPERTY)) {
        const icalproperty_class kind = icalproperty_get_class(cls);
        t.Private = kind == ICAL_CLASS_PRIVATE || kind == ICAL_CLASS_CONFIDENTIAL ? 1 : 0;
    }
    if (icalproperty* due = icalcomponent_get_first_property(todo, ICAL_DUE_PROPERTY))
        t.Due = LocalMoment(icalproperty_get_due(due), TzidOf(due), calendar).value;
    if (icalproperty* start = icalcomponent_get_first_property(todo, ICAL_DTSTART_PROPERTY))
        t.StartTime = LocalMoment(icalproperty_get_dtstart(start), TzidOf(start), calendar).value;
    if (icalproperty* done = icalcomponent_get_first_property(todo, ICAL_COMPLETED_PROPERTY))
        t.EndTime = LocalMoment(icalproperty_get_completed(done), nullptr, calendar).value;
    return t;
}

// --- mail documents --------------------------------------------------------------------------

// "1, 3, 5" (weekday numbers, Sunday 0) as a weekday mask.
std::int32_t WeekdayList(const std::string& text)
{
    std::int32_t mask = 0;
    for (char c : text)
        if (c >= '0' && c <= '6')
            mask |= 1 << (c - '0');
    return mask;
}

LNEventRec EventOf(const NotesDocument& d)
{
    LNEventRec e;
    e.Subject = platform::Utf8ToAnsi(d.First({"Subject"}));
    e.Location = platform::Utf8ToAnsi(d.First({"Location", "Room"}));
    e.Body = platform::Utf8ToAnsi(d.First({"Body"}));
    e.Resources = platform::Utf8ToAnsi(d.First({"Resources", "RequiredResources"}));
    e.StartTimeZone = d.First({"StartTimeZone"});
    e.EndTimeZone = d.First({"EndTimeZone"});
    e.ShownStart = e.Start = ParseNotesDate(d.First({"StartDateTime", "StartDate", "CalendarDateTime"}));
    e.ShownEnd = e.End = ParseNotesDate(d.First({"EndDateTime", "EndDate"}));
    if (e.End == 0)
        e.ShownEnd = e.End = e.Start;
    e.Private = d.First({"OrgConfidential"}) == "1" ? 1 : 0;
    if (d.First({"Repeats"}) == "1") {
        const std::string unit = platform::UpperAscii(d.First({"RepeatUnit"}));
        const std::string adjust = d.First({"RepeatAdjust"});
        std::int32_t value = 0;
        if (unit == "W")
            value = adjust.empty() ? WeekdayMaskOf(e.Start) : WeekdayList(adjust);
        else if (unit == "MD")
            value = adjust.empty() ? model::SystemTimeOf(e.Start).Day : std::atoi(adjust.c_str());
        else if (unit == "MP")
            value = adjust.empty() ? WeekdayMaskOf(e.Start) : WeekdayList(adjust.substr(adjust.find('.') + 1));
        const std::string interval = d.First({"RepeatInterval"});
        SetRepeat(e, unit.c_str(), interval.empty() ? 1 : std::max(1, std::atoi(interval.c_str())), value,
                  ParseNotesDate(d.First({"RepeatUntil"})));
    }
    return e;
}

LNTodoRec TodoOf(const NotesDocument& d)
{
    LNTodoRec t;
    t.Subject = platform::Utf8ToAnsi(d.First({"Subject"}));
    t.Body = platform::Utf8ToAnsi(d.First({"Body"}));
    // Notes: Importance 1 high, 2 medium, 3 low.
    const std::string importance = d.First({"Importance"});
    t.Priority = importance == "1" ? 0 : importance == "3" ? 2 : 1;
    t.Private = d.First({"OrgConfidential"}) == "1" ? 1 : 0;
    t.Due = ParseNotesDate(d.First({"DueDateTime", "DueDate"}));
    t.StartTime = ParseNotesDate(d.First({"StartDateTime", "StartDate"}));
    t.EndTime = ParseNotesDate(d.First({"CompletedDateTime", "DateCompleted"}));
    return t;
}

}  // namespace

LNContactRec ContactOf(const VCard& card)
{
    LNContactRec r;
    int webSites = 0;
    for (const VCardProperty& p : card.properties) {
        const std::string value = platform::Utf8ToAnsi(p.Text());
        if (p.name == "N") {
            std::vector<std::string> c = p.Components();  // family; given; additional; prefix; suffix
            c.resize(5);
            r.LastName = platform::Utf8ToAnsi(c[0]);
            r.FirstName = platform::Utf8ToAnsi(c[1]);
            r.MiddleName = platform::Utf8ToAnsi(c[2]);
            r.Suffix = platform::Utf8ToAnsi(c[4]);
        } else if (p.name == "FN") {
            r.DisplayName = value;
        } else if (p.name == "ORG") {
            std::vector<std::string> c = p.Components();
            c.resize(2);
            r.CompanyName = platform::Utf8ToAnsi(c[0]);
            r.Department = platform::Utf8ToAnsi(c[1]);
        } else if (p.name == "TITLE") {
            r.JobTitle = value;
        } else if (p.name == "EMAIL") {
            TakeEmail(r, p, value);
        } else if (p.name == "TEL") {
            TakePhone(r, p, value);
        } else if (p.name == "ADR") {
            TakeAddress(r, p);
        } else if (p.name == "URL") {
            if (webSites++ == 0)
                r.WebSite = value;
            else
                SetIfEmpty(r.BlogSite, value);
        } else if (p.name == "BDAY") {
            r.BirthDate = ParseVCardDate(p.value);
        } else if (p.name == "ANNIVERSARY" || p.name == "X-ANNIVERSARY") {
            r.Anniversary = ParseVCardDate(p.value);
        } else if (p.name == "NOTE") {
            r.Note = value;
        } else if (p.name == "CATEGORIES") {
            std::string joined;
            for (const std::string& c : p.List())
                joined += (joined.empty() ? "" : ", ") + platform::Utf8ToAnsi(c);
            r.Category = joined;
        } else if (p.name == "IMPP" || p.name == "X-AIM" || p.name == "X-JABBER" || p.name == "X-MSN" || p.name == "X-ICQ") {
            SetIfEmpty(r.InstantMessenger, value);
        } else if (p.name == "X-ASSISTANT") {
            r.AssistantName = value;
        } else if (p.name == "X-MANAGER") {
            r.ManagerName = value;
        } else if (p.name == "X-SPOUSE") {
            r.SpouseName = value;
        }
    }
    return r;
}

LNContactRec ContactOf(const NotesDocument& document)
{
    LNContactRec r;
    std::size_t custom = 0;
    for (const auto& [name, utf8] : document.Items) {
        const std::string value = platform::Utf8ToAnsi(utf8);
        bool placed = IsSystemItem(name);
        for (const auto& item : kContactItems) {
            if (placed)
                break;
            for (std::string_view known : item.Names)
                if (platform::EqualsNoCase(name, known)) {
                    item.Set(r, value);
                    placed = true;
                    break;
                }
        }
        if (!placed && custom < r.CustomValues.size() && !value.empty()) {
            r.CustomLabels[custom] = platform::Utf8ToAnsi(name);
            r.CustomValues[custom] = value;
            ++custom;
        }
    }
    return r;
}

bool ReadNotesCalendar(const std::string& text, NotesCalendar& calendar, std::string& error)
{
    const std::unique_ptr<icalcomponent, void (*)(icalcomponent*)> root(
        icalparser_parse_string(PrepareCalendarText(text).c_str()), icalcomponent_free);  // a damaged UNTIL: no end
    if (root == nullptr || icalcomponent_isa(root.get()) != ICAL_VCALENDAR_COMPONENT) {
        error = "The Lotus Notes export is not an iCalendar calendar.";
        return false;
    }
    icalcomponent* cal = root.get();
    for (icalcomponent* event = icalcomponent_get_first_component(cal, ICAL_VEVENT_COMPONENT); event != nullptr;
         event = icalcomponent_get_next_component(cal, ICAL_VEVENT_COMPONENT)) {
        if (icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY) != nullptr)
            continue;  // a changed occurrence of a series, not an entry of its own
        std::vector<LNEventRec> extra;
        calendar.Events.push_back(EventOf(event, cal, extra));
        for (LNEventRec& e : extra)
            calendar.Events.push_back(std::move(e));
    }
    for (icalcomponent* todo = icalcomponent_get_first_component(cal, ICAL_VTODO_COMPONENT); todo != nullptr;
         todo = icalcomponent_get_next_component(cal, ICAL_VTODO_COMPONENT))
        calendar.Todos.push_back(TodoOf(todo, cal));
    return true;
}

NotesCalendar CalendarOf(const std::vector<NotesDocument>& documents)
{
    NotesCalendar calendar;
    for (const NotesDocument& d : documents) {
        const std::string form = platform::UpperAscii(d.First({"Form"}));
        if (form == "TASK" || (form.empty() && d.Find("DueDateTime") != nullptr))
            calendar.Todos.push_back(TodoOf(d));
        else if (form == "APPOINTMENT" || (form.empty() && d.Find("StartDateTime") != nullptr))
            calendar.Events.push_back(EventOf(d));
    }
    return calendar;
}

LNNotebookRec NotebookOf(const NotesDocument& d)
{
    LNNotebookRec n;
    n.Subject = platform::Utf8ToAnsi(d.First({"Subject"}));
    n.Body = platform::Utf8ToAnsi(d.First({"Body"}));
    n.Categories = platform::Utf8ToAnsi(d.First({"Categories"}));
    n.DiaryDate = ParseNotesDate(d.First({"DiaryDate"}));
    n.CreationTime = ParseNotesDate(d.First({"$Created", "Created"}));
    n.EditTime = ParseNotesDate(d.First({"$Revisions", "LastModified"}));
    return n;
}

}  // namespace velmora::helpers
