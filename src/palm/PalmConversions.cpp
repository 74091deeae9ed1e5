#include "PalmConversions.h"

#include "dat/PmTime.h"

#include "model/CxDateTime.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string_view>

namespace velmora::palm {
namespace {

using model::CommAddrRec;
using model::PostalAddress;

// A phone number into the common member its label code names; pagers and unknown codes are
// not carried, empty numbers are skipped, and a later slot of the same code wins.
void PlacePhone(CommAddrRec& c, std::int32_t code, const model::TextValue& number)
{
    if (number.empty())
        return;
    const std::string_view value = number.view();
    switch (code) {
    case 0: c.WorkPhone = value; break;
    case 1: c.HomePhone = value; break;
    case 2: c.WorkFax = value; break;
    case 3: c.OtherPhone = value; break;
    case 4: c.Email = value; break;
    case 5: c.PrimaryPhone = value; break;
    case 7: c.MobilePhone = value; break;
    default: break;
    }
}

template <class Address>
void PlaceAddress(PostalAddress& to, const Address& from)
{
    to.Street = from.Street;
    to.City = from.City;
    to.State = from.State;
    to.Postal = from.Zip;
    to.Country = from.Country;
}

// What every generation's contact gives alike: names, company, title, phones by label code,
// note, the custom values (as many as the generation has, up to ten) and the category.
template <class Palm>
CommAddrRec ContactCommon(const Palm& palm)
{
    CommAddrRec c;
    c.FirstName = palm.FirstName;
    c.LastName = palm.LastName;
    c.Company = palm.Company;
    c.Title = palm.Title;
    for (std::size_t i = 0; i < std::size(palm.Phone); ++i)
        PlacePhone(c, palm.PhoneLabel[i], palm.Phone[i]);
    c.Note = palm.Note;
    for (std::size_t i = 0; i < std::min(std::size(palm.Custom), c.Custom.size()); ++i)
        c.Custom.Set(i, palm.Custom[i].view());
    c.Category = palm.CategoryName;
    return c;
}

template <std::size_t N, std::size_t M>
void CopyIfSet(model::Text<N>& to, const model::Text<M>& from)
{
    if (!from.empty())
        to = from;
}

// Reminder units: Palm 0 minutes, 1 hours, 2 days; common 1 minutes, 2 hours, 3 days.
void SetReminder(model::CommDateRec& c, std::int32_t alarmSet, std::int32_t advance, std::int32_t unit)
{
    if (alarmSet == 0)
        return;
    c.ReminderSet = 1;
    c.ReminderOn = 1;
    c.ReminderLead = advance;
    c.ReminderUnit = unit == 1 ? 2 : unit == 2 ? 3 : 1;
}

template <class Palm>
model::CommDateRec DateCommon(const Palm& palm)
{
    model::CommDateRec c;
    CopyIfSet(c.Subject, palm.Description);
    CopyIfSet(c.Note, palm.Note);
    c.AllDay = palm.Untimed != 0 ? 1 : 0;
    c.Start = PmTime(palm.Start).ToSystemTime();
    c.End = PmTime(palm.End).ToSystemTime();
    SetReminder(c, palm.AlarmSet, palm.AlarmAdvance, palm.AlarmUnit);
    c.Recurrence = ToRecurrence(palm.Repeat);
    return c;
}

template <class Palm>
model::CommTaskRec TaskCommon(const Palm& palm)
{
    model::CommTaskRec c;
    CopyIfSet(c.Subject, palm.Description);
    CopyIfSet(c.Note, palm.Note);
    c.Completed = palm.Completed != 0 ? 1 : 0;
    c.DueDate = palm.DueDate;
    c.Priority = ToPriority(palm.Priority);
    c.Private = palm.Private != 0 ? 1 : 0;
    if (c.Private != 0)
        c.Sensitivity = 2;
    return c;
}

template <class Palm>
model::CommNoteRec NoteCommon(const Palm& palm)
{
    model::CommNoteRec c;
    c.Text = palm.Memo;
    std::string_view subject = palm.Memo.view().substr(0, 255);
    subject = subject.substr(0, subject.find("\r\n"));
    c.Subject = subject;
    c.Private = palm.Private;
    c.IdNumber = palm.RecordId;
    return c;
}

// Palm Desktop 6 keeps the weekday of a monthly-by-position rule in the days mask, the common
// record's own form.
model::RecurrenceRule Ex2Recurrence(const PalmRepeat& repeat)
{
    model::RecurrenceRule rule = ToRecurrence(repeat);
    if (repeat.Type == 3)
        rule.Weekdays = repeat.DaysMask;
    return rule;
}

}  // namespace

double PackedDateToVariant(double packed)
{
    if (!std::isfinite(packed) || packed <= 0 || packed > 0x7FFFFFFF || packed != std::floor(packed))
        return 0;
    const auto value = static_cast<std::uint32_t>(packed);
    return model::MakeDate(static_cast<int>(value >> 16), static_cast<int>((value >> 8) & 0xFF),
                           static_cast<int>(value & 0xFF));
}

const char* GetPhoneLabelName(std::int32_t code)
{
    static constexpr const char* kLabels[] = {"Work Phone", "Home Phone", "Fax",   "Other Phone",
                                              "E-mail",     "Main Phone", "Pager", "Mobile Phone"};
    return code >= 0 && code < 8 ? kLabels[code] : kLabels[0];
}

model::RecurrenceRule ToRecurrence(const PalmRepeat& repeat)
{
    model::RecurrenceRule rule;
    switch (repeat.Type) {
    case 1:
        rule.Kind = 1;
        rule.Weekdays = repeat.DayIndex;
        break;
    case 2:
        rule.Kind = 2;
        rule.Weekdays = repeat.DaysMask;
        rule.WeekOfMonth = 1;
        break;
    case 3:
        rule.Kind = 3;
        rule.Weekdays = repeat.DayIndex;
        rule.WeekOfMonth = repeat.WeekIndex;
        break;
    case 4:
        rule.Kind = 4;
        rule.DayOfMonth = repeat.DayOfMonth;
        break;
    case 5:
        rule.Kind = 6;
        rule.DayOfMonth = repeat.DayOfMonth;
        rule.Month = repeat.MonthIndex + 1;
        break;
    default: return rule;
    }
    rule.Interval = repeat.Interval;
    if (repeat.EndDate != 0 && repeat.EndDate != kPalmNoEnd) {
        rule.HasEnd = 1;
        rule.EndDate = PmTime(repeat.EndDate).ToSystemTime();
    }
    return rule;
}

std::int32_t ToPriority(std::int32_t palmPriority)
{
    return palmPriority == 1 ? 1 : palmPriority == 5 ? 2 : 0;
}

CommAddrRec ToCommon(const PmAddrRec& palm)
{
    CommAddrRec c = ContactCommon(palm);
    PlaceAddress(c.WorkAddr, palm);  // the only address
    return c;
}

CommAddrRec ToCommon(const PmAddrExRec& palm)
{
    CommAddrRec c = ContactCommon(palm);
    PlaceAddress(c.WorkAddr, palm.Work);
    PlaceAddress(c.HomeAddr, palm.Home);
    PlaceAddress(c.OtherAddr, palm.Other);
    c.Birthday = PackedDateToVariant(palm.Birthday);
    return c;
}

model::CommDateRec ToCommon(const PmDateRec& palm)
{
    return DateCommon(palm);
}

model::CommDateRec ToCommon(const PmDateExRec& palm)
{
    model::CommDateRec c = DateCommon(palm);
    CopyIfSet(c.Location, palm.Location);
    return c;
}

model::CommTaskRec ToCommon(const PmTodoRec& palm)
{
    return TaskCommon(palm);
}

model::CommTaskRec ToCommon(const PmTodoExRec& palm)
{
    model::CommTaskRec c = TaskCommon(palm);
    c.Alarm = c.ReminderSet = palm.Reminder != 0 ? 1 : 0;
    c.Recurrence = ToRecurrence(palm.Repeat);
    return c;
}

model::CommNoteRec ToCommon(const PmMemoRec& palm)
{
    return NoteCommon(palm);
}

model::CommNoteRec ToCommon(const PmMemoExRec& palm)
{
    return NoteCommon(palm);
}

CommAddrRec ToCommon(const PmAddrEx2Rec& palm)
{
    CommAddrRec c = ContactCommon(palm);
    c.MiddleName = palm.MiddleName;
    c.Prefix = palm.Prefix;
    c.Suffix = palm.Suffix;
    c.NickName = palm.NickName;
    c.DisplayName = palm.EnglishName;
    PlaceAddress(c.WorkAddr, palm.Work);
    PlaceAddress(c.HomeAddr, palm.Home);
    PlaceAddress(c.OtherAddr, palm.Other);
    c.Im1 = palm.Chat[0];
    c.Im2 = palm.Chat[1];
    c.AssistantName = palm.AssistantName;
    c.AssistantPhone = palm.AssistantPhone;
    c.Birthday = PackedDateToVariant(static_cast<double>(static_cast<std::uint32_t>(palm.Birthday)));
    c.Anniversary = PackedDateToVariant(static_cast<double>(static_cast<std::uint32_t>(palm.Anniversary)));
    return c;
}

model::CommDateRec ToCommon(const PmDateEx2Rec& palm)
{
    model::CommDateRec c;
    CopyIfSet(c.Subject, palm.Summary);
    CopyIfSet(c.Note, palm.Note);
    CopyIfSet(c.Location, palm.Location);
    c.AllDay = palm.Untimed;
    c.Start = PmTime(palm.Start).ToSystemTime();
    c.End = PmTime(palm.End).ToSystemTime();
    SetReminder(c, palm.Alarm, palm.AlarmAdvance, palm.AlarmUnit);
    c.Recurrence = Ex2Recurrence(palm.Repeat);
    return c;
}

model::CommTaskRec ToCommon(const PmTodoEx2Rec& palm)
{
    model::CommTaskRec c = TaskCommon(palm);
    c.Alarm = c.ReminderSet = palm.AlarmSet != 0 ? 1 : 0;
    c.Recurrence = Ex2Recurrence(palm.Repeat);
    return c;
}

model::CommNoteRec ToCommon(const PmMemoEx2Rec& palm)
{
    return NoteCommon(palm);
}

}  // namespace velmora::palm
