#include "OlDateUtil.h"

#include "OlItemFields.h"

#include "diagnostics/CxDebugUtil.h"
#include "model/CxDateTime.h"

#include <cmath>

namespace velmora::outlook {
namespace {

constexpr const char* kUnit = "OlDate";

constexpr WalkTexts kTexts{
    .Unit = kUnit,
    .NameRead = "Got the name of the Calendar folder: %s",
    .NameFailed = "Failed to get the name of the folder. hr=0x%x",
    .StoreRead = "Got the StoreID of the Calendar folder: %s",
    .StoreFailed = "Failed to get the StoreID of the Calendar folder. hr=0x%x",
    .ItemsFailed = "Failed to get Calendar Items property.",
    .ItemsFailedHasCode = false,
};

// The reminder's lead time in minutes: from the reminder time before Outlook 2007, from the
// minutes before the start since.
std::int32_t ReminderMinutes(const OlDateRec& r, std::int32_t versionCode)
{
    if (versionCode <= 3) {
        if (r.ReminderTime <= 0)
            return 0;
        // Whole seconds first: a quarter of an hour is 14.99999 minutes as a difference of dates.
        const long long seconds = std::llround((r.Start - r.ReminderTime) * 86400.0);
        return static_cast<std::int32_t>(seconds / 60);
    }
    return r.ReminderSet != 0 ? r.ReminderMinutesBeforeStart : 0;
}

}  // namespace

std::int32_t DurationMinutes(const platform::SystemTime& start, const platform::SystemTime& end)
{
    return model::MinutesOfDay(end) - model::MinutesOfDay(start);
}

model::RecurrenceRule RecurrenceOf(const OlRecurrenceFields& p)
{
    model::RecurrenceRule rule;
    if (p.RecurrenceType < 0)
        return rule;
    switch (p.RecurrenceType) {
    case olRecursDaily:
        rule = {.Kind = 1, .Interval = p.Interval, .Weekdays = p.DayOfWeekMask};
        break;
    case olRecursWeekly:
        rule = {.Kind = 2, .Interval = p.Interval, .Weekdays = p.DayOfWeekMask};
        break;
    case olRecursMonthly:
        rule = {.Kind = 4, .Interval = p.Interval, .DayOfMonth = p.DayOfMonth};
        break;
    case olRecursMonthNth:
        rule = {.Kind = 3, .Interval = p.Interval, .Weekdays = p.DayOfWeekMask, .WeekOfMonth = p.Instance};
        break;
    case olRecursYearly:
        rule = {.Kind = 6, .Interval = 1, .DayOfMonth = p.DayOfMonth, .Month = p.MonthOfYear};
        break;
    case olRecursYearNth:
        rule = {.Kind = 5, .Interval = p.Interval, .Weekdays = p.DayOfWeekMask, .Month = p.MonthOfYear,
                .WeekOfMonth = p.Instance};
        break;
    default: break;
    }
    if (p.PatternEndDate > 1.0) {
        rule.HasEnd = 1;
        rule.EndDate = model::SystemTimeOf(p.PatternEndDate);
    }
    return rule;
}

model::CommDateRec ToCommon(const OlDateRec& r, std::int32_t versionCode)
{
    model::CommDateRec c;
    c.Subject = r.Subject;
    c.Note = r.Body;
    c.Location = r.Location;
    c.Category = r.Categories;
    c.Start = model::SystemTimeOf(r.Start);
    c.End = model::SystemTimeOf(r.End);
    c.AllDay = r.AllDayEvent;
    c.ReminderSet = r.ReminderSet;
    c.DurationMinutes = DurationMinutes(c.Start, c.End);
    const std::int32_t lead = ReminderMinutes(r, versionCode);
    if (lead > 0) {
        c.ReminderOn = 1;
        if (lead < 60)
            c.ReminderLead = lead, c.ReminderUnit = 1;
        else if (lead < 1440)
            c.ReminderLead = lead / 60, c.ReminderUnit = 2;
        else
            c.ReminderLead = lead / 1440, c.ReminderUnit = 3;
    }
    // An item that says it recurs but whose pattern could not be read keeps type -1: it
    // converts as a single entry instead of a daily series of interval 0.
    c.Recurrence = RecurrenceOf(r);
    c.CreationTime = r.CreationTime;
    c.LastModificationTime = r.LastModificationTime;
    c.SourceType = model::RecordSource::Outlook;
    return c;
}

OlDateUtil::OlDateUtil() : OlReader(OlDefaultFolder::Calendar, kUnit)
{
    Init();
}

const WalkTexts& OlDateUtil::Texts() const
{
    return kTexts;
}

void OlDateUtil::ReadItem(CDispCmd& item, OlDateRec& raw)
{
    static constexpr ItemProperty<OlDateRec> kFirst[] = {
        {u"EntryID", ReadMember<&OlDateRec::EntryID>},
        {u"AllDayEvent", ReadFlag<&OlDateRec::AllDayEvent>},
        {u"Duration", ReadMember<&OlDateRec::Duration>},
        {u"End", ReadMember<&OlDateRec::End>},
        {u"Start", ReadMember<&OlDateRec::Start>},
        {u"ReminderSet", ReadFlag<&OlDateRec::ReminderSet>},
    };
    ReadProperties(item, kFirst, raw);
    if (TheOutlookSession().OutlookVersionCode > 3)
        item.GetLong(u"ReminderMinutesBeforeStart", raw.ReminderMinutesBeforeStart);
    else
        item.GetDate(u"ReminderTime", raw.ReminderTime);
    item.GetString(u"Subject", raw.Subject);
    if (ReadBody)
        item.GetString(u"Body", raw.Body);
    item.GetString(u"Location", raw.Location);
    item.GetString(u"Categories", raw.Categories);
    item.GetBool(u"IsRecurring", raw.IsRecurring);
    ReadRecurrence(item, raw.IsRecurring, raw, kUnit);
    item.GetDate(u"CreationTime", raw.CreationTime);
    item.GetDate(u"LastModificationTime", raw.LastModificationTime);
    static constexpr ItemProperty<OlDateRec> kShown[] = {
        {u"Sensitivity", ReadMember<&OlDateRec::Sensitivity>},
        {u"Mileage", ReadMember<&OlDateRec::Mileage>},
        {u"ResponseRequested", ReadFlag<&OlDateRec::ResponseRequested>},
        {u"ResponseStatus", ReadMember<&OlDateRec::ResponseStatus>},
        {u"ReminderOverrideDefault", ReadFlag<&OlDateRec::ReminderOverrideDefault>},
        {u"ReminderPlaySound", ReadFlag<&OlDateRec::ReminderPlaySound>},
        {u"ReminderSoundFile", ReadMember<&OlDateRec::ReminderSoundFile>},
    };
    ReadProperties(item, kShown, raw);
}

model::CommDateRec OlDateUtil::Convert(const OlDateRec& raw) const
{
    return ToCommon(raw, TheOutlookSession().OutlookVersionCode);
}

}  // namespace velmora::outlook
