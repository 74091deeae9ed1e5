#pragma once

#include "connectors/exchange/RecordFile.h"
#include "model/TextValue.h"

#include <array>
#include <concepts>
#include <cstdint>
#include <type_traits>

namespace velmora::connectors {

using model::Text;

// The Google records exactly as the helper programs write them. Kind codes are 32-bit; 0 marks
// an unused slot; a value of a kind is the first slot with that kind code. Dates are automation
// dates. VisitFileFields lists every member in file order (arrays whole, empty slots included).

// E-mail kinds: 1 home, 2 work, 3 other. Address kinds likewise. Phone kinds: 1 home, 2 work,
// 3 mobile, 4 home fax, 5 work fax, 6 pager, 7 other. Web kinds: 1 home, 2 work, 3 home page,
// 4 FTP, 5 blog, 6 profile, 7 other. IM kinds: 1 GTalk, 2 AIM, 3 Yahoo, 4 Skype, 5 QQ, 6 MSN,
// 7 ICQ, 8 Jabber. Date kinds: 1 birthday, 2 anniversary, 3 other. Relation kinds: 1 spouse,
// 3 mother, 4 father, 11 manager, 12 assistant (others carried).
struct GContactRec {
    std::array<std::int32_t, 3> Carried{};
    Text<64> FirstName, MiddleName, LastName, DisplayName, NickName, CompanyName, JobTitle;

    std::array<std::int32_t, 5> EmailKinds{};
    std::array<Text<64>, 5> Emails;
    Text<64> PrimaryEmail;

    std::array<std::int32_t, 5> AddressKinds{};
    std::array<Text<256>, 5> FormattedAddresses;
    std::array<Text<32>, 5> Cities;
    std::array<Text<16>, 5> States;
    std::array<Text<16>, 5> Countries;
    std::array<Text<32>, 5> PostalCodes;
    std::array<Text<128>, 5> Streets;
    std::array<Text<32>, 5> PoBoxes;
    std::array<Text<64>, 5> Neighborhoods;

    std::array<std::int32_t, 10> PhoneKinds{};
    std::array<Text<32>, 10> Phones;
    Text<32> PrimaryPhone;

    std::array<std::int32_t, 10> WebKinds{};
    std::array<Text<256>, 10> WebSites;
    Text<256> PrimaryWebSite;

    std::array<std::int32_t, 10> ImKinds{};
    std::array<Text<64>, 10> Ims;
    Text<64> PrimaryIm;

    std::array<Text<64>, 10> CustomLabels;
    std::array<Text<64>, 10> CustomFields;  // value i belongs to label i

    std::array<std::int32_t, 5> DateKinds{};
    std::array<double, 5> Dates{};

    std::array<std::int32_t, 20> RelationKinds{};
    std::array<Text<64>, 20> Relations;

    Text<4096> CarriedText;
    Text<10240> Note;
    Text<256> Groups;  // category names
    double CreationTime = 0;
    double LastModificationTime = 0;
};

// Reminder units: 0 minutes, 1 hours, 2 days, 3 weeks. Recurrence types number like the
// common record's Kind.
struct GEventRec {
    std::array<std::int32_t, 3> Carried{};
    Text<32> CarriedCode;
    Text<256> Title;
    Text<256> Where;
    double Start = 0;
    double End = 0;
    std::int32_t AllDay = 0;
    std::int32_t Visibility = 0;  // 2 private
    std::int32_t SecondCode = 0;
    std::int32_t ReminderCount = 0;
    std::array<std::int32_t, 3> ReminderMethods{};
    std::array<std::int32_t, 3> ReminderAmounts{};
    std::array<std::int32_t, 3> ReminderUnits{};
    Text<4096> RecurrenceText;  // DTSTART, DTEND and RRULE lines, CR LF separated
    std::int32_t RecurrenceType = 0;
    std::int32_t HasEnd = 0;
    double RecurrenceStart = 0;
    double RecurrenceEnd = 0;  // until
    std::int32_t Interval = 0;
    std::int32_t Weekdays = 0;  // Sunday 1 ... Saturday 64
    std::int32_t DayOfMonth = 0;
    std::int32_t MonthOfYear = 0;
    std::int32_t WeekOrMonth = 0;  // week number of a monthly rule, month of a yearly one
    std::array<Text<4096>, 2> CarriedTexts;
    Text<10240> Description;
    Text<256> Category;
    double CreationTime = 0;
    double LastModificationTime = 0;
};

struct GCalendarRec {
    Text<256> Name;
    Text<1024> Description;
    Text<1024> Summary;
    Text<256> TimeZone;
};


template <class Rec, class Visitor>
    requires std::same_as<std::remove_const_t<Rec>, GContactRec>
void VisitFileFields(Rec& r, Visitor& v)
{
    using namespace detail;
    VisitInts(v, r.Carried);
    for (auto* name : {&r.FirstName, &r.MiddleName, &r.LastName, &r.DisplayName, &r.NickName, &r.CompanyName, &r.JobTitle})
        v.Text("", *name);
    VisitInts(v, r.EmailKinds);
    VisitTexts(v, r.Emails);
    v.Text("", r.PrimaryEmail);
    VisitInts(v, r.AddressKinds);
    VisitTexts(v, r.FormattedAddresses);
    VisitTexts(v, r.Cities);
    VisitTexts(v, r.States);
    VisitTexts(v, r.Countries);
    VisitTexts(v, r.PostalCodes);
    VisitTexts(v, r.Streets);
    VisitTexts(v, r.PoBoxes);
    VisitTexts(v, r.Neighborhoods);
    VisitInts(v, r.PhoneKinds);
    VisitTexts(v, r.Phones);
    v.Text("", r.PrimaryPhone);
    VisitInts(v, r.WebKinds);
    VisitTexts(v, r.WebSites);
    v.Text("", r.PrimaryWebSite);
    VisitInts(v, r.ImKinds);
    VisitTexts(v, r.Ims);
    v.Text("", r.PrimaryIm);
    VisitTexts(v, r.CustomLabels);
    VisitTexts(v, r.CustomFields);
    VisitInts(v, r.DateKinds);
    VisitDates(v, r.Dates);
    VisitInts(v, r.RelationKinds);
    VisitTexts(v, r.Relations);
    v.Text("", r.CarriedText);
    v.Text("", r.Note);
    v.Text("", r.Groups);
    v.Date("", r.CreationTime);
    v.Date("", r.LastModificationTime);
}

// Note that the category follows the description in the file.
template <class Rec, class Visitor>
    requires std::same_as<std::remove_const_t<Rec>, GEventRec>
void VisitFileFields(Rec& r, Visitor& v)
{
    using namespace detail;
    VisitInts(v, r.Carried);
    v.Text("", r.CarriedCode);
    v.Text("", r.Title);
    v.Text("", r.Where);
    v.Date("", r.Start);
    v.Date("", r.End);
    v.Int("", r.AllDay);
    v.Int("", r.Visibility);
    v.Int("", r.SecondCode);
    v.Int("", r.ReminderCount);
    VisitInts(v, r.ReminderMethods);
    VisitInts(v, r.ReminderAmounts);
    VisitInts(v, r.ReminderUnits);
    v.Text("", r.RecurrenceText);
    v.Int("", r.RecurrenceType);
    v.Int("", r.HasEnd);
    v.Date("", r.RecurrenceStart);
    v.Date("", r.RecurrenceEnd);
    v.Int("", r.Interval);
    v.Int("", r.Weekdays);
    v.Int("", r.DayOfMonth);
    v.Int("", r.MonthOfYear);
    v.Int("", r.WeekOrMonth);
    VisitTexts(v, r.CarriedTexts);
    v.Text("", r.Description);
    v.Text("", r.Category);
    v.Date("", r.CreationTime);
    v.Date("", r.LastModificationTime);
}

template <class Rec, class Visitor>
    requires std::same_as<std::remove_const_t<Rec>, GCalendarRec>
void VisitFileFields(Rec& r, Visitor& v)
{
    v.Text("", r.Name);
    v.Text("", r.Description);
    v.Text("", r.Summary);
    v.Text("", r.TimeZone);
}

}  // namespace velmora::connectors
