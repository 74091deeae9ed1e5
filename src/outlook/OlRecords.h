#pragma once

#include "dispatch/Dispatch.h"
#include "model/TextValue.h"

#include <array>
#include <cstdint>

namespace velmora::outlook {

using model::Text;
using ItemRef = dispatch::Ref<dispatch::IDispatch>;

// The records the Outlook readers keep per item, with the item's values as Outlook reported
// them. Each text's capacity is the buffer its property is read into (at most capacity - 1
// characters); dates are automation dates in local time; flags are 0 or 1.

// One contact item.
struct OlAddrRec {
    Text<1023> EntryID;
    Text<1023> StoreId;
    Text<32> Account;
    double Anniversary = 0;
    Text<64> AssistantName;
    Text<24> AssistantTelephoneNumber;
    double Birthday = 0;
    Text<24> Business2TelephoneNumber;
    Text<24> BusinessAddressCity;
    Text<24> BusinessAddressCountry;
    Text<12> BusinessAddressPostalCode;
    Text<12> BusinessAddressPostOfficeBox;
    Text<24> BusinessAddressState;
    Text<128> BusinessAddressStreet;
    Text<24> BusinessFaxNumber;
    Text<256> BusinessHomePage;
    Text<24> BusinessTelephoneNumber;
    Text<24> CallbackTelephoneNumber;
    Text<24> CarTelephoneNumber;
    Text<24> CompanyMainTelephoneNumber;
    Text<64> CompanyName;
    Text<32> ComputerNetworkName;
    Text<24> CustomerID;
    Text<32> Department;
    Text<64> Email1Address;
    Text<16> Email1AddressType;
    Text<64> Email1DisplayName;
    Text<64> Email2Address;
    Text<16> Email2AddressType;
    Text<64> Email2DisplayName;
    Text<64> Email3Address;
    Text<16> Email3AddressType;
    Text<64> Email3DisplayName;
    Text<64> FirstName;
    Text<256> FTPSite;
    Text<64> FullName;
    std::int32_t Gender = 0;
    Text<128> Hobby;
    Text<24> Home2TelephoneNumber;
    Text<24> HomeAddressCity;
    Text<24> HomeAddressCountry;
    Text<12> HomeAddressPostalCode;
    Text<12> HomeAddressPostOfficeBox;
    Text<24> HomeAddressState;
    Text<128> HomeAddressStreet;
    Text<24> HomeFaxNumber;
    Text<24> HomeTelephoneNumber;
    Text<32> IMAddress;
    Text<8> Initials;
    Text<24> ISDNNumber;
    Text<32> JobTitle;
    Text<8> Language;
    Text<64> LastName;
    Text<24> MailingAddressCity;
    Text<24> MailingAddressCountry;
    Text<12> MailingAddressPostalCode;
    Text<12> MailingAddressPostOfficeBox;
    Text<24> MailingAddressState;
    Text<128> MailingAddressStreet;
    Text<64> ManagerName;
    Text<64> MiddleName;
    Text<24> MobileTelephoneNumber;
    Text<64> NickName;
    Text<24> OtherAddressCity;
    Text<24> OtherAddressCountry;
    Text<12> OtherAddressPostalCode;
    Text<12> OtherAddressPostOfficeBox;
    Text<24> OtherAddressState;
    Text<128> OtherAddressStreet;
    Text<24> OtherTelephoneNumber;
    Text<24> PagerNumber;
    Text<256> PersonalHomePage;
    Text<24> PrimaryTelephoneNumber;
    Text<32> Profession;
    Text<24> RadioTelephoneNumber;
    Text<64> Spouse;
    Text<8> Suffix;  // Outlook is not asked for it: always empty
    Text<256> WebPage;
    Text<2048> Body;
    std::array<Text<64>, 10> UserValues;
    std::array<Text<64>, 10> UserNames;
    Text<31> FolderName;
    Text<256> Categories;
    double CreationTime = 0;
    double LastModificationTime = 0;
    ItemRef Item;
};

// The year of the end date Outlook reports for a series without end (31 December 4500).
constexpr int kOlNoEndYear = 4500;

// Outlook's recurrence types; -1 for an item that does not recur.
enum OlRecurrenceType : std::int32_t {
    olRecursNone = -1,
    olRecursDaily = 0,
    olRecursWeekly = 1,
    olRecursMonthly = 2,
    olRecursMonthNth = 3,
    olRecursYearly = 5,
    olRecursYearNth = 6,
};

// The members of an item's recurrence pattern.
struct OlRecurrenceFields {
    std::int32_t RecurrenceType = 0;
    std::int32_t Interval = 0;
    std::int32_t DayOfWeekMask = 0;
    std::int32_t DayOfMonth = 0;
    std::int32_t Instance = 0;
    std::int32_t MonthOfYear = 0;
    double PatternEndDate = 0;
};

// One appointment item.
struct OlDateRec : OlRecurrenceFields {
    std::int32_t AllDayEvent = 0;
    std::int32_t Duration = 0;  // minutes
    double End = 0;
    Text<1023> EntryID;
    Text<1023> StoreId;
    std::int32_t IsRecurring = 0;
    Text<255> Location;
    std::int32_t ReminderSet = 0;
    double ReminderTime = 0;
    std::int32_t ReminderMinutesBeforeStart = 0;
    double Start = 0;
    Text<255> Subject;
    Text<20479> Body;
    Text<31> FolderName;
    Text<255> Categories;
    double CreationTime = 0;
    double LastModificationTime = 0;
    // Read for the detail view only; the common record takes none of them.
    std::int32_t Sensitivity = 0;
    Text<255> Mileage;
    std::int32_t ResponseRequested = 0;
    std::int32_t ResponseStatus = 0;
    std::int32_t ReminderOverrideDefault = 0;
    std::int32_t ReminderPlaySound = 0;
    Text<259> ReminderSoundFile;
    ItemRef Item;
};

// One task item.
struct OlTaskRec : OlRecurrenceFields {
    Text<20479> Body;
    Text<255> CardData;
    std::int32_t Complete = 0;
    double DueDate = 0;
    Text<1023> EntryID;
    std::int32_t Importance = 0;
    std::int32_t IsRecurring = 0;
    Text<255> Mileage;
    std::int32_t Ordinal = 0;
    std::int32_t PercentComplete = 0;
    std::int32_t ReminderOverrideDefault = 0;
    std::int32_t ReminderPlaySound = 0;
    std::int32_t ReminderSet = 0;
    Text<259> ReminderSoundFile;
    double ReminderTime = 0;
    std::int32_t ResponseState = 0;
    Text<31> Role;
    std::int32_t Sensitivity = 0;
    double StartDate = 0;
    std::int32_t Status = 0;
    Text<255> Subject;
    std::int32_t TeamTask = 0;
    std::int32_t TotalWork = 0;
    Text<31> FolderName;
    Text<255> Categories;
    double CreationTime = 0;
    double LastModificationTime = 0;
    ItemRef Item;
};

// One note item.
struct OlNoteRec {
    Text<31> FolderName;
    Text<256> Categories;
    Text<1024> EntryID;
    Text<256> Subject;
    Text<20480> Body;
    double CreationTime = 0;
    double LastModificationTime = 0;
    std::int32_t Saved = 0;
    std::int32_t Color = 0;
    ItemRef Item;
};

}  // namespace velmora::outlook
