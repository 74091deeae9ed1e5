#include "ActConversions.h"

#include "model/CxDateTime.h"

#include <array>
#include <tuple>
#include <utility>

namespace velmora::connectors {
namespace {

using model::RecordSource;
using model::Text;

template <std::size_t N, std::size_t M>
void SetIfGiven(Text<N>& to, const Text<M>& from)
{
    model::CopyWhenGiven(to, from);
}

void SetIfGiven(double& to, double from)
{
    if (from != 0)
        to = from;
}

// A phone is the number, the letter x and the extension when there is one.
std::string JoinPhone(const Text<24>& number, const Text<24>& extension)
{
    if (number.empty())
        return {};
    return extension.empty() ? std::string(number.view()) : std::string(number.view()) + "x" + std::string(extension.view());
}

void SplitPhone(const Text<24>& phone, Text<24>& number, Text<24>& extension)
{
    if (phone.empty())
        return;
    const std::string_view text = phone.view();
    const auto x = text.find('x');
    number = text.substr(0, x);
    extension = x == std::string_view::npos ? std::string_view() : text.substr(x + 1);
}

// A street is its non-empty address lines joined by CR LF.
std::string JoinStreet(const Text<256>& line1, const Text<256>& line2, const Text<256>& line3)
{
    std::string street;
    for (const auto* line : {&line1, &line2, &line3}) {
        if (line->empty())
            continue;
        if (!street.empty())
            street += "\r\n";
        street += line->view();
    }
    return street;
}

// Lines 1-3 are the text up to the first, second and third CR LF; anything after a third is dropped.
void SplitStreet(const Text<256>& street, Text<256>& line1, Text<256>& line2, Text<256>& line3)
{
    if (street.empty())
        return;
    std::string_view rest = street.view();
    for (auto* line : {&line1, &line2, &line3}) {
        const auto end = rest.find("\r\n");
        *line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 2);
    }
}

// The field groups that convert together, as arrays of pointers that keep the record's constness.
template <class Act>
auto ActAddresses(Act& r)
{
    return std::array{
        std::tuple{&r.BusinessCountry, &r.BusinessState, &r.BusinessCity, &r.BusinessPostal, &r.BusinessAddress1,
                   &r.BusinessAddress2, &r.BusinessAddress3},
        std::tuple{&r.HomeCountry, &r.HomeState, &r.HomeCity, &r.HomePostal, &r.HomeAddress1, &r.HomeAddress2,
                   &r.HomeAddress3},
        std::tuple{&r.SecondaryCountry, &r.SecondaryState, &r.SecondaryCity, &r.SecondaryPostal, &r.SecondaryAddress1,
                   &r.SecondaryAddress2, &r.SecondaryAddress3}};
}

template <class Common>
auto CommonAddresses(Common& r)
{
    return std::array{&r.WorkAddr, &r.HomeAddr, &r.OtherAddr};
}

template <class Act>
auto ActPhones(Act& r)
{
    return std::array{std::pair{&r.BusinessPhone, &r.BusinessPhoneExtension}, std::pair{&r.HomePhone, &r.HomePhoneExtension},
                      std::pair{&r.MobilePhone, &r.MobilePhoneExtension}, std::pair{&r.Fax, &r.FaxExtension},
                      std::pair{&r.Pager, &r.PagerExtension}};
}

template <class Common>
auto CommonPhones(Common& r)
{
    return std::array{&r.WorkPhone, &r.HomePhone, &r.MobilePhone, &r.WorkFax, &r.Pager};
}

template <class Act>
auto ActUserDefined(Act& r)
{
    return std::array{&r.UserDefined1, &r.UserDefined2, &r.UserDefined3, &r.UserDefined4, &r.UserDefined5,
                      &r.UserDefined6, &r.UserDefined7, &r.UserDefined8, &r.UserDefined9, &r.UserDefined10};
}

std::int32_t ActivityTypeOf(std::int32_t type)
{
    return type >= 0 && type <= 3 ? type : 0;
}

}  // namespace

model::CommAddrRec ToCommon(const ActContactRec& act)
{
    model::CommAddrRec common;
    common.FirstName = act.FirstName;
    common.MiddleName = act.MiddleName;
    common.LastName = act.LastName;
    common.DisplayName = act.FullName;
    common.Salutation = act.Salutation;
    common.Company = act.Company;
    common.Department = act.Department;
    common.Title = act.Title;
    const auto phones = ActPhones(act);
    const auto commonPhones = CommonPhones(common);
    for (std::size_t i = 0; i < phones.size(); ++i)
        *commonPhones[i] = JoinPhone(*phones[i].first, *phones[i].second);
    common.Email = act.BusinessEmail;
    common.Email2 = act.PersonalEmail;
    const auto addresses = ActAddresses(act);
    const auto commonAddresses = CommonAddresses(common);
    for (std::size_t i = 0; i < addresses.size(); ++i) {
        const auto [country, state, city, postal, line1, line2, line3] = addresses[i];
        model::PostalAddress& to = *commonAddresses[i];
        to.Country = *country;
        to.State = *state;
        to.City = *city;
        to.Postal = *postal;
        to.Street = JoinStreet(*line1, *line2, *line3);
    }
    common.WorkHomePage = act.Website;
    common.Im1 = act.InstantMessenger;
    common.SpouseName = act.SpouseName;
    common.Birthday = act.Birthday;
    common.Category = act.Category;
    const auto userDefined = ActUserDefined(act);
    for (std::size_t i = 0; i < userDefined.size(); ++i)
        common.Custom.Set(i, userDefined[i]->view());
    common.CreationTime = act.CreateDate;
    common.LastModificationTime = act.EditDate;
    common.SourceType = RecordSource::Act;
    return common;
}

void FromCommon(const model::CommAddrRec& common, ActContactRec& act)
{
    SetIfGiven(act.FirstName, common.FirstName);
    SetIfGiven(act.MiddleName, common.MiddleName);
    SetIfGiven(act.LastName, common.LastName);
    SetIfGiven(act.FullName, common.DisplayName);
    SetIfGiven(act.Salutation, common.Salutation);
    SetIfGiven(act.Company, common.Company);
    SetIfGiven(act.Department, common.Department);
    SetIfGiven(act.Title, common.Title);
    const auto phones = ActPhones(act);
    const auto commonPhones = CommonPhones(common);
    for (std::size_t i = 0; i < phones.size(); ++i)
        SplitPhone(*commonPhones[i], *phones[i].first, *phones[i].second);
    SetIfGiven(act.BusinessEmail, common.Email);
    SetIfGiven(act.PersonalEmail, common.Email2);
    const auto addresses = ActAddresses(act);
    const auto commonAddresses = CommonAddresses(common);
    for (std::size_t i = 0; i < addresses.size(); ++i) {
        const auto [country, state, city, postal, line1, line2, line3] = addresses[i];
        const model::PostalAddress& from = *commonAddresses[i];
        SetIfGiven(*country, from.Country);
        SetIfGiven(*state, from.State);
        SetIfGiven(*city, from.City);
        SetIfGiven(*postal, from.Postal);
        SplitStreet(from.Street, *line1, *line2, *line3);
    }
    SetIfGiven(act.Website, common.WorkHomePage);
    SetIfGiven(act.InstantMessenger, common.Im1);
    SetIfGiven(act.SpouseName, common.SpouseName);
    SetIfGiven(act.Birthday, common.Birthday);
    SetIfGiven(act.Category, common.Category);
    const auto userDefined = ActUserDefined(act);
    for (std::size_t i = 0; i < userDefined.size(); ++i)
        SetIfGiven(*userDefined[i], common.MappedCustom[i].empty() ? common.Custom[i] : common.MappedCustom[i]);
}

// ACT! keeps a repetition as frequency, mode, value, interval, week of month and month.
model::CommDateRec ToCommon(const ActCalendarRec& act)
{
    model::CommDateRec common;
    common.Subject = act.Regarding;
    common.Location = act.Location;
    common.Note = act.Details;
    common.ActivityType = ActivityTypeOf(act.ActivityType);
    common.Start = model::SystemTimeOf(act.Start);
    common.End = model::SystemTimeOf(act.End);
    common.Private = act.Private;
    common.AllDay = act.AllDay;
    common.SourceType = RecordSource::Act;
    model::RecurrenceRule& rule = common.Recurrence;
    rule.Interval = act.RecurrenceInterval;
    const bool byDay = act.RecurrenceMode == 1;  // on a day of the month rather than an n-th weekday
    switch (act.RecurrenceFrequency) {
    case 1: rule.Kind = 1; break;
    case 2:
        rule.Kind = 2;
        rule.Weekdays = act.RecurrenceValue;
        break;
    case 3:
        rule.Kind = byDay ? 4 : 3;
        (byDay ? rule.DayOfMonth : rule.Weekdays) = act.RecurrenceValue;
        rule.WeekOfMonth = byDay ? 0 : act.RecurrenceWeekOfMonth;
        break;
    case 4:
        rule.Kind = byDay ? 6 : 5;
        (byDay ? rule.DayOfMonth : rule.Weekdays) = act.RecurrenceValue;
        rule.WeekOfMonth = byDay ? 0 : act.RecurrenceWeekOfMonth;
        rule.Month = act.RecurrenceMonth;
        break;
    default: rule.Kind = 0; break;
    }
    // An end of 1.0 or less (a time on 30 or 31 December 1899) is no end.
    if (rule.Kind != 0 && act.RecurrenceEnd > 1.0) {
        rule.HasEnd = 1;
        rule.EndDate = model::SystemTimeOf(act.RecurrenceEnd);
    }
    return common;
}

void FromCommon(const model::CommDateRec& common, ActCalendarRec& act)
{
    SetIfGiven(act.Regarding, common.Subject);
    SetIfGiven(act.Location, common.Location);
    SetIfGiven(act.Details, common.Note);
    act.ActivityType = ActivityTypeOf(common.ActivityType);
    SetIfGiven(act.Start, model::VariantOf(common.Start));
    SetIfGiven(act.End, model::VariantOf(common.End));
    act.Private = common.Private != 0 ? 1 : 0;
    act.AllDay = common.AllDay != 0 ? 1 : 0;

    const model::RecurrenceRule& rule = common.Recurrence;
    struct Row {
        std::int32_t value, mode, interval, weekOfMonth, month, frequency;
    };
    Row row{0, 0, 0, 0, 0, 0};
    switch (rule.Kind) {
    case 1: row = {1, 3, rule.Interval, 0, 0, 1}; break;
    case 2: row = {rule.Weekdays, 2, rule.Interval, 0, 0, 2}; break;
    case 3: row = {rule.Weekdays, 2, rule.Interval, rule.WeekOfMonth, 0, 3}; break;
    case 4: row = {rule.DayOfMonth, 1, rule.Interval, 0, 0, 3}; break;
    case 5: row = {rule.Weekdays, 3, rule.Interval, rule.WeekOfMonth, rule.Month, 4}; break;
    case 6: row = {rule.DayOfMonth, 1, rule.Interval, 0, rule.Month, 4}; break;
    default: break;
    }
    act.RecurrenceValue = row.value;
    act.RecurrenceMode = row.mode;
    act.RecurrenceInterval = row.interval;
    act.RecurrenceWeekOfMonth = row.weekOfMonth;
    act.RecurrenceMonth = row.month;
    act.RecurrenceFrequency = row.frequency;
    act.RecurrenceEnd = rule.HasEnd != 0 ? model::VariantOf(rule.EndDate) : 0;
}

// ACT! priorities run 0 high, 1 normal, 2 low; common ones 0 normal, 1 high, 2 low.
model::CommTaskRec ToCommon(const ActTodoRec& act)
{
    model::CommTaskRec common;
    common.Subject = act.Regarding;
    common.Note = act.Details;
    common.Priority = act.Priority == 0 ? 1 : act.Priority == 2 ? 2 : 0;
    common.DueDate = act.DueDate != 0 ? static_cast<std::int32_t>(model::VariantToTimeT(act.DueDate)) : 0;
    common.Private = act.Private;
    common.Completed = act.Completed;
    common.SourceType = RecordSource::Act;
    return common;
}

void FromCommon(const model::CommTaskRec& common, ActTodoRec& act)
{
    SetIfGiven(act.Regarding, common.Subject);
    SetIfGiven(act.Details, common.Note);
    act.Priority = common.Priority == 1 ? 0 : common.Priority == 2 ? 2 : 1;
    act.Private = common.Private != 0 ? 1 : 0;
    act.Completed = common.Completed != 0 ? 1 : 0;
    if (common.DueDate != 0)
        act.DueDate = model::TimeTToVariant(common.DueDate);
}

model::CommNoteRec ToCommon(const ActNoteRec& act)
{
    model::CommNoteRec common;
    common.Text = act.NoteText;
    common.CreationTime = act.CreateTime;
    common.LastModificationTime = act.EditTime;
    common.SourceType = RecordSource::Act;
    return common;
}

void FromCommon(const model::CommNoteRec& common, ActNoteRec& act)
{
    SetIfGiven(act.NoteText, common.Text);  // cut to 8191 characters by the field
    SetIfGiven(act.CreateTime, common.CreationTime);
    SetIfGiven(act.EditTime, common.LastModificationTime);
}

}  // namespace velmora::connectors
