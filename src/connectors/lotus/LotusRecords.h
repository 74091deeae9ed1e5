#pragma once

#include "connectors/exchange/RecordFile.h"
#include "model/TextValue.h"

#include <array>
#include <concepts>
#include <cstdint>
#include <type_traits>

namespace velmora::connectors {

using model::Text;

// The Lotus Notes records exactly as the helper programs write them; dates are automation dates.
// Members named Carried* are filled by the helpers and kept unread. VisitFileFields lists every
// member in file order.

// One contact; the comment names the field key of each text.
struct LNContactRec {
    std::array<std::int32_t, 2> Carried{};
    Text<64> Id;                   // 1
    Text<64> FirstName;            // 2
    Text<64> MiddleName;           // 3
    Text<64> LastName;             // 4
    Text<64> Suffix;               // 5
    Text<256> DisplayName;         // 6
    Text<64> CompanyName;          // 7
    Text<64> Department;           // 8
    Text<64> JobTitle;             // 9
    Text<256> Location;            // 10
    Text<64> AssistantName;        // 11
    Text<64> ManagerName;          // 12
    Text<128> BusinessEmail;       // 13
    Text<128> PersonalEmail;       // 14
    Text<128> AssistantPhone;      // 15, which the conversion takes as the third e-mail
    Text<128> BusinessEmail2;      // 16
    Text<128> PersonalEmail2;      // 17
    Text<256> BusinessStreet;      // 18
    Text<32> BusinessCity;         // 19
    Text<32> BusinessState;        // 20
    Text<32> BusinessCountry;      // 21
    Text<32> BusinessPostal;       // 22
    Text<256> HomeStreet;          // 23
    Text<32> HomeCity;             // 24
    Text<32> HomeState;            // 25
    Text<32> HomeCountry;          // 26
    Text<32> HomePostal;           // 27
    Text<256> OtherStreet;         // 28
    Text<32> OtherCity;            // 29
    Text<32> OtherState;           // 30
    Text<32> OtherCountry;         // 31
    Text<32> OtherPostal;          // 32
    Text<32> PrimaryPhone;         // 33
    Text<32> BusinessPhone;        // 34
    Text<32> HomePhone;            // 35
    Text<32> MobilePhone;          // 36
    Text<32> BusinessFax;          // 37
    Text<32> HomeFax;              // 38
    Text<32> Pager;                // 39
    Text<64> InstantMessenger;     // 40
    Text<256> WebSite;             // 41
    Text<256> BlogSite;            // 42
    Text<64> SpouseName;           // 43
    Text<256> ChildrenNames;       // 44
    Text<4096> Note;               // 51
    Text<256> Category;            // 52
    std::array<Text<256>, 10> CustomValues;  // value i belongs to label i
    std::array<Text<64>, 10> CustomLabels;
    double BirthDate = 0;    // 53
    double Anniversary = 0;  // 54
};

// One calendar entry.
struct LNEventRec {
    std::array<std::int32_t, 2> Carried{};
    Text<64> CarriedId;
    Text<256> Subject;
    Text<256> Location;
    Text<20480> Body;
    Text<10> RepeatFlag;  // "1" when the entry repeats
    Text<256> Resources;
    Text<64> StartTimeZone;
    Text<64> EndTimeZone;
    double ShownStart = 0;  // as the detail view shows the entry
    double ShownEnd = 0;
    std::array<double, 2> CarriedDates{};
    double Start = 0;  // what the conversion takes
    double End = 0;
    Text<10> RepeatUnit;      // "D", "W", "MD", "MP" or "Y"
    Text<10> RepeatInterval;  // decimal
    Text<10> RepeatValue;     // decimal: a weekday mask (Sunday 1 ... Saturday 64) or a day of the month
    Text<10> CarriedRepeat;
    double CarriedDate = 0;
    Text<16> CarriedCode;
    double RepeatUntil = 0;
    Text<10> CarriedText1;
    std::int32_t CarriedInt = 0;
    Text<16> CarriedText2;
    double CarriedDate2 = 0;
    Text<10> CarriedText3;
    Text<10> CarriedText4;
    std::int32_t Private = 0;
};

// One to-do. Priority codes: 0 high, 1 normal, 2 low.
struct LNTodoRec {
    std::array<std::int32_t, 2> Carried{};
    Text<64> CarriedId;
    Text<256> Subject;
    Text<8192> Body;
    std::array<Text<256>, 2> CarriedTexts;
    std::int32_t Priority = 1;
    std::int32_t Private = 0;
    Text<36> CarriedCode;
    double Due = 0;
    double StartTime = 0;
    double EndTime = 0;  // when the to-do was done; 0 while it is open
    std::array<std::int32_t, 2> CarriedInts{};
    Text<16> CarriedText1;
    Text<256> CarriedText2;
    Text<256> CarriedText3;
    std::int32_t CarriedInt = 0;
    Text<256> CarriedLast;
};

// One notebook document.
struct LNNotebookRec {
    std::array<std::int32_t, 2> Carried{};
    Text<64> CarriedId;
    Text<256> Subject;
    Text<8192> Body;
    Text<256> Categories;
    std::int32_t BorderColor = 0;
    double DiaryDate = 0;
    double CreationTime = 0;
    double EditTime = 0;
};

template <class Rec, class Visitor>
    requires std::same_as<std::remove_const_t<Rec>, LNContactRec>
void VisitFileFields(Rec& r, Visitor& v)
{
    using namespace detail;
    VisitInts(v, r.Carried);
    for (auto* text : {&r.Id, &r.FirstName, &r.MiddleName, &r.LastName, &r.Suffix})
        v.Text("", *text);
    v.Text("", r.DisplayName);
    for (auto* text : {&r.CompanyName, &r.Department, &r.JobTitle})
        v.Text("", *text);
    v.Text("", r.Location);
    v.Text("", r.AssistantName);
    v.Text("", r.ManagerName);
    for (auto* text : {&r.BusinessEmail, &r.PersonalEmail, &r.AssistantPhone, &r.BusinessEmail2, &r.PersonalEmail2})
        v.Text("", *text);
    v.Text("", r.BusinessStreet);
    for (auto* text : {&r.BusinessCity, &r.BusinessState, &r.BusinessCountry, &r.BusinessPostal})
        v.Text("", *text);
    v.Text("", r.HomeStreet);
    for (auto* text : {&r.HomeCity, &r.HomeState, &r.HomeCountry, &r.HomePostal})
        v.Text("", *text);
    v.Text("", r.OtherStreet);
    for (auto* text : {&r.OtherCity, &r.OtherState, &r.OtherCountry, &r.OtherPostal, &r.PrimaryPhone, &r.BusinessPhone,
                       &r.HomePhone, &r.MobilePhone, &r.BusinessFax, &r.HomeFax, &r.Pager})
        v.Text("", *text);
    v.Text("", r.InstantMessenger);
    v.Text("", r.WebSite);
    v.Text("", r.BlogSite);
    v.Text("", r.SpouseName);
    v.Text("", r.ChildrenNames);
    v.Text("", r.Note);
    v.Text("", r.Category);
    VisitTexts(v, r.CustomValues);
    VisitTexts(v, r.CustomLabels);
    v.Date("", r.BirthDate);
    v.Date("", r.Anniversary);
}

template <class Rec, class Visitor>
    requires std::same_as<std::remove_const_t<Rec>, LNEventRec>
void VisitFileFields(Rec& r, Visitor& v)
{
    using namespace detail;
    VisitInts(v, r.Carried);
    v.Text("", r.CarriedId);
    v.Text("", r.Subject);
    v.Text("", r.Location);
    v.Text("", r.Body);
    v.Text("", r.RepeatFlag);
    v.Text("", r.Resources);
    v.Text("", r.StartTimeZone);
    v.Text("", r.EndTimeZone);
    v.Date("", r.ShownStart);
    v.Date("", r.ShownEnd);
    VisitDates(v, r.CarriedDates);
    v.Date("", r.Start);
    v.Date("", r.End);
    for (auto* text : {&r.RepeatUnit, &r.RepeatInterval, &r.RepeatValue, &r.CarriedRepeat})
        v.Text("", *text);
    v.Date("", r.CarriedDate);
    v.Text("", r.CarriedCode);
    v.Date("", r.RepeatUntil);
    v.Text("", r.CarriedText1);
    v.Int("", r.CarriedInt);
    v.Text("", r.CarriedText2);
    v.Date("", r.CarriedDate2);
    v.Text("", r.CarriedText3);
    v.Text("", r.CarriedText4);
    v.Int("", r.Private);
}

template <class Rec, class Visitor>
    requires std::same_as<std::remove_const_t<Rec>, LNTodoRec>
void VisitFileFields(Rec& r, Visitor& v)
{
    using namespace detail;
    VisitInts(v, r.Carried);
    v.Text("", r.CarriedId);
    v.Text("", r.Subject);
    v.Text("", r.Body);
    VisitTexts(v, r.CarriedTexts);
    v.Int("", r.Priority);
    v.Int("", r.Private);
    v.Text("", r.CarriedCode);
    v.Date("", r.Due);
    v.Date("", r.StartTime);
    v.Date("", r.EndTime);
    VisitInts(v, r.CarriedInts);
    v.Text("", r.CarriedText1);
    v.Text("", r.CarriedText2);
    v.Text("", r.CarriedText3);
    v.Int("", r.CarriedInt);
    v.Text("", r.CarriedLast);
}

template <class Rec, class Visitor>
    requires std::same_as<std::remove_const_t<Rec>, LNNotebookRec>
void VisitFileFields(Rec& r, Visitor& v)
{
    using namespace detail;
    VisitInts(v, r.Carried);
    v.Text("", r.CarriedId);
    v.Text("", r.Subject);
    v.Text("", r.Body);
    v.Text("", r.Categories);
    v.Int("", r.BorderColor);
    v.Date("", r.DiaryDate);
    v.Date("", r.CreationTime);
    v.Date("", r.EditTime);
}

}  // namespace velmora::connectors
