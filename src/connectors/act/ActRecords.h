#pragma once

#include "model/TextValue.h"

#include <concepts>
#include <cstdint>
#include <type_traits>

namespace velmora::connectors {

// The ACT! records exactly as the helper programs exchange them. Each record kind lists its
// fields once, in file order, through VisitFields (on a record or a const record): the data
// files and the stand-in store follow that one list. A visitor has Text(name, text),
// Int(name, int32), Flag(name, uint8) and Date(name, double), each taking the field by
// reference; dates are automation dates, 0 = none.

// Every field of an ACT! contact, in id and file order: id, name, kind, capacity, member.
#define VELMORA_ACT_CONTACT_FIELDS(X) \
    X(1, "Record ID", Text, 64, RecordId) \
    X(2, "Record Creator", Text, 32, RecordCreator) \
    X(3, "Last Edited By", Text, 32, LastEditedBy) \
    X(4, "Record Manager", Text, 32, RecordManager) \
    X(5, "Category", Text, 256, Category) \
    X(6, "Name Prefix", Text, 32, NamePrefix) \
    X(7, "Name Suffix", Text, 32, NameSuffix) \
    X(8, "First Name", Text, 32, FirstName) \
    X(9, "Middle Name", Text, 32, MiddleName) \
    X(10, "Last Name", Text, 32, LastName) \
    X(11, "Full Name", Text, 32, FullName) \
    X(12, "Salutation", Text, 32, Salutation) \
    X(13, "Referred By", Text, 32, ReferredBy) \
    X(14, "Company", Text, 64, Company) \
    X(15, "Department", Text, 32, Department) \
    X(16, "Title", Text, 32, Title) \
    X(17, "Business Country", Text, 32, BusinessCountry) \
    X(18, "Business State", Text, 32, BusinessState) \
    X(19, "Business City", Text, 32, BusinessCity) \
    X(20, "Business Address 1", Text, 256, BusinessAddress1) \
    X(21, "Business Address 2", Text, 256, BusinessAddress2) \
    X(22, "Business Address 3", Text, 256, BusinessAddress3) \
    X(23, "Business Postal", Text, 16, BusinessPostal) \
    X(24, "Home Country", Text, 32, HomeCountry) \
    X(25, "Home State", Text, 32, HomeState) \
    X(26, "Home City", Text, 32, HomeCity) \
    X(27, "Home Address 1", Text, 256, HomeAddress1) \
    X(28, "Home Address 2", Text, 256, HomeAddress2) \
    X(29, "Home Address 3", Text, 256, HomeAddress3) \
    X(30, "Home Postal", Text, 16, HomePostal) \
    X(31, "Business Phone", Text, 24, BusinessPhone) \
    X(32, "Home Phone", Text, 24, HomePhone) \
    X(33, "Mobile Phone", Text, 24, MobilePhone) \
    X(34, "Pager", Text, 24, Pager) \
    X(35, "Fax", Text, 24, Fax) \
    X(36, "Alternate Phone", Text, 24, AlternatePhone) \
    X(37, "Fax Extension", Text, 24, FaxExtension) \
    X(38, "Pager Extension", Text, 24, PagerExtension) \
    X(39, "Business Phone Extension", Text, 24, BusinessPhoneExtension) \
    X(40, "Home Phone Extension", Text, 24, HomePhoneExtension) \
    X(41, "Mobile Phone Extension", Text, 24, MobilePhoneExtension) \
    X(42, "Alternate Phone Extension", Text, 24, AlternatePhoneExtension) \
    X(43, "Business E-mail", Text, 64, BusinessEmail) \
    X(44, "Personal E-mail", Text, 64, PersonalEmail) \
    X(45, "Website", Text, 256, Website) \
    X(46, "Instant Messenger", Text, 64, InstantMessenger) \
    X(47, "Spouse Name", Text, 32, SpouseName) \
    X(48, "User Defined 1", Text, 64, UserDefined1) \
    X(49, "User Defined 2", Text, 64, UserDefined2) \
    X(50, "User Defined 3", Text, 64, UserDefined3) \
    X(51, "User Defined 4", Text, 64, UserDefined4) \
    X(52, "User Defined 5", Text, 64, UserDefined5) \
    X(53, "User Defined 6", Text, 64, UserDefined6) \
    X(54, "User Defined 7", Text, 64, UserDefined7) \
    X(55, "User Defined 8", Text, 64, UserDefined8) \
    X(56, "User Defined 9", Text, 64, UserDefined9) \
    X(57, "User Defined 10", Text, 64, UserDefined10) \
    X(58, "Last Results", Text, 64, LastResults) \
    X(59, "Is User", Flag, 1, IsUser) \
    X(60, "Is Imported", Flag, 1, IsImported) \
    X(61, "Is Private", Flag, 1, IsPrivate) \
    X(62, "Birthday", Date, 8, Birthday) \
    X(63, "Create Date", Date, 8, CreateDate) \
    X(64, "Edit Date", Date, 8, EditDate) \
    X(65, "Last Attempt", Date, 8, LastAttempt) \
    X(66, "Last E-mail", Date, 8, LastEmail) \
    X(67, "Last Meeting", Date, 8, LastMeeting) \
    X(68, "Last Reach", Date, 8, LastReach) \
    X(69, "Last Letter", Date, 8, LastLetter) \
    X(70, "Secondary First Name", Text, 32, SecondaryFirstName) \
    X(71, "Secondary Last Name", Text, 32, SecondaryLastName) \
    X(72, "Secondary Contact", Text, 32, SecondaryContact) \
    X(73, "Secondary Company", Text, 64, SecondaryCompany) \
    X(74, "Secondary Title", Text, 32, SecondaryTitle) \
    X(75, "Secondary Country", Text, 32, SecondaryCountry) \
    X(76, "Secondary State", Text, 32, SecondaryState) \
    X(77, "Secondary City", Text, 32, SecondaryCity) \
    X(78, "Secondary Address 1", Text, 256, SecondaryAddress1) \
    X(79, "Secondary Address 2", Text, 256, SecondaryAddress2) \
    X(80, "Secondary Address 3", Text, 256, SecondaryAddress3) \
    X(81, "Secondary Postal", Text, 16, SecondaryPostal) \
    X(82, "Secondary Phone", Text, 24, SecondaryPhone) \
    X(83, "Secondary Mobile Phone", Text, 24, SecondaryMobilePhone) \
    X(84, "Secondary Fax", Text, 24, SecondaryFax) \
    X(85, "Secondary Phone Extension", Text, 24, SecondaryPhoneExtension) \
    X(86, "Secondary E-mail", Text, 64, SecondaryEmail) \
    X(87, "Secondary Website", Text, 256, SecondaryWebsite) \
    X(88, "Secondary Category", Text, 256, SecondaryCategory) \
    X(89, "Secondary Is Private", Flag, 1, SecondaryIsPrivate)

template <char Kind, std::size_t N>
struct ActField;
template <std::size_t N>
struct ActField<'T', N> {
    using Type = model::Text<N>;
};
template <std::size_t N>
struct ActField<'F', N> {
    using Type = std::uint8_t;
};
template <std::size_t N>
struct ActField<'D', N> {
    using Type = double;
};

// Kind letters for the field list: T text, F flag (one byte in memory, 4 in the file), D date.
#define VELMORA_ACT_KIND_Text 'T'
#define VELMORA_ACT_KIND_Flag 'F'
#define VELMORA_ACT_KIND_Date 'D'

struct ActContactRec {
    std::int32_t State = 0;      // 2: added or changed by this system
    std::int32_t Operation = 0;  // 1: add to ACT!, 2: update the ACT! record
#define VELMORA_DECLARE(id, name, kind, size, member) typename ActField<VELMORA_ACT_KIND_##kind, size>::Type member{};
    VELMORA_ACT_CONTACT_FIELDS(VELMORA_DECLARE)
#undef VELMORA_DECLARE
};

template <class Rec, class Visitor>
    requires std::same_as<std::remove_const_t<Rec>, ActContactRec>
void VisitFields(Rec& r, Visitor& v)
{
#define VELMORA_VISIT(id, name, kind, size, member) v.kind(#member, r.member);
    VELMORA_ACT_CONTACT_FIELDS(VELMORA_VISIT)
#undef VELMORA_VISIT
}

struct ActCalendarRec {
    std::int32_t State = 0;
    std::int32_t Operation = 0;
    model::Text<64> RecordId;
    model::Text<256> Regarding;  // the entry's description
    model::Text<256> Location;
    model::Text<8192> Details;   // the entry's note
    std::int32_t ActivityType = 0;  // 0 appointment, 1 meeting, 2 call, 3 to-do
    double Start = 0;
    double End = 0;
    double CreateTime = 0;
    double EditDate = 0;
    std::int32_t Reserved = 0;
    std::int32_t RecurrenceValue = 0;
    std::int32_t RecurrenceMode = 0;
    std::int32_t RecurrenceInterval = 0;
    std::int32_t RecurrenceWeekOfMonth = 0;
    std::int32_t RecurrenceMonth = 0;
    std::int32_t RecurrenceFrequency = 0;  // 0 none, 1 daily, 2 weekly, 3 monthly, 4 yearly
    double RecurrenceEnd = 0;
    std::uint8_t Private = 0;
    std::uint8_t AllDay = 0;
};

template <class Rec, class Visitor>
    requires std::same_as<std::remove_const_t<Rec>, ActCalendarRec>
void VisitFields(Rec& r, Visitor& v)
{
    v.Text("RecordId", r.RecordId);
    v.Text("Regarding", r.Regarding);
    v.Text("Location", r.Location);
    v.Text("Details", r.Details);
    v.Int("ActivityType", r.ActivityType);
    v.Date("Start", r.Start);
    v.Date("End", r.End);
    v.Date("CreateTime", r.CreateTime);
    v.Date("EditDate", r.EditDate);
    v.Int("Reserved", r.Reserved);
    v.Int("RecurrenceValue", r.RecurrenceValue);
    v.Int("RecurrenceMode", r.RecurrenceMode);
    v.Int("RecurrenceInterval", r.RecurrenceInterval);
    v.Int("RecurrenceWeekOfMonth", r.RecurrenceWeekOfMonth);
    v.Int("RecurrenceMonth", r.RecurrenceMonth);
    v.Int("RecurrenceFrequency", r.RecurrenceFrequency);
    v.Date("RecurrenceEnd", r.RecurrenceEnd);
    v.Flag("Private", r.Private);
    v.Flag("AllDay", r.AllDay);
}

struct ActTodoRec {
    std::int32_t State = 0;
    std::int32_t Operation = 0;
    model::Text<64> RecordId;
    model::Text<256> Regarding;   // the to-do's description
    model::Text<256> SecondText;  // carried unchanged
    model::Text<8192> Details;    // the to-do's note
    double CreateTime = 0;
    double EditDate = 0;
    std::int32_t Priority = 1;    // 0 high, 1 normal, 2 low
    std::int32_t Carried[6] = {}; // carried unchanged from ACT!
    double CarriedDate = 0;
    std::uint8_t Private = 0;
    double DueDate = 0;
    std::uint8_t Completed = 0;
};

template <class Rec, class Visitor>
    requires std::same_as<std::remove_const_t<Rec>, ActTodoRec>
void VisitFields(Rec& r, Visitor& v)
{
    v.Text("RecordId", r.RecordId);
    v.Text("Regarding", r.Regarding);
    v.Text("SecondText", r.SecondText);
    v.Text("Details", r.Details);
    v.Date("CreateTime", r.CreateTime);
    v.Date("EditDate", r.EditDate);
    v.Int("Priority", r.Priority);
    v.Int("Carried1", r.Carried[0]);
    v.Int("Carried2", r.Carried[1]);
    v.Int("Carried3", r.Carried[2]);
    v.Int("Carried4", r.Carried[3]);
    v.Int("Carried5", r.Carried[4]);
    v.Int("Carried6", r.Carried[5]);
    v.Date("CarriedDate", r.CarriedDate);
    v.Flag("Private", r.Private);
    v.Date("DueDate", r.DueDate);
    v.Flag("Completed", r.Completed);
}

struct ActNoteRec {
    std::int32_t State = 0;
    std::int32_t Operation = 0;
    model::Text<64> RecordId;
    model::Text<64> CreateUser;
    model::Text<64> EditUser;
    model::Text<64> ManageUser;
    model::Text<8192> NoteText;
    std::uint8_t Private = 0;
    double CreateTime = 0;
    double EditTime = 0;
};

template <class Rec, class Visitor>
    requires std::same_as<std::remove_const_t<Rec>, ActNoteRec>
void VisitFields(Rec& r, Visitor& v)
{
    v.Text("RecordId", r.RecordId);
    v.Text("CreateUser", r.CreateUser);
    v.Text("EditUser", r.EditUser);
    v.Text("ManageUser", r.ManageUser);
    v.Text("NoteText", r.NoteText);
    v.Flag("Private", r.Private);
    v.Date("CreateTime", r.CreateTime);
    v.Date("EditTime", r.EditTime);
}

// A record in a data file: State and Operation, then the fields.
template <class Rec, class Visitor>
    requires std::same_as<std::remove_const_t<Rec>, ActContactRec> || std::same_as<std::remove_const_t<Rec>, ActCalendarRec> ||
             std::same_as<std::remove_const_t<Rec>, ActTodoRec> || std::same_as<std::remove_const_t<Rec>, ActNoteRec>
void VisitFileFields(Rec& r, Visitor& v)
{
    v.Int("State", r.State);
    v.Int("Operation", r.Operation);
    VisitFields(r, v);
}

}  // namespace velmora::connectors
