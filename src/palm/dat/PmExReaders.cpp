#include "PmExFile.h"

namespace velmora::palm {
namespace {

constexpr ExFileKind kAddrKind{
    .load = {.unit = "PalmAddrEx",
             .emptyPath = nullptr,
             .loading = "Loading Palm Desktop Contacts: %s",
             .failure = "Can not load Palm Desktop Contacts: %s",
             .success = "Palm Desktop Contacts information is loaded successfully."},
    .name = "Contacts",
    .version = 0x41420200,
    .reserved2 = 11,
    .customLabels = true,
    .fields = 73,
    .subfolder = "address",
    .file = "address.dat",
    .byUserLine = "Start loading Palm Desktop Contacts by user ID: %d",
    .recordsFailed = "Failed to load Contacts records.",
};
constexpr ExFileKind kDateKind{
    .load = {.unit = "PalmDateEx",
             .emptyPath = nullptr,
             .loading = "Loading Palm Desktop Calendar: %s",
             .failure = "Load Palm Desktop Calendar failed: %s",
             .success = "Palm Desktop Calendar information is loaded successfully."},
    .name = "Calendar",
    .version = 0x44420200,
    .reserved2 = 43,
    .customLabels = false,
    .fields = 27,
    .subfolder = "datebook",
    .file = "datebook.dat",
    .byUserLine = "Start loading Palm Desktop Calendar by user ID: %d",
    .recordsFailed = "Failed to load Calendar records.",
};
constexpr ExFileKind kTodoKind{
    .load = {.unit = "PalmTodoEx",
             .emptyPath = nullptr,
             .loading = "Loading Palm Desktop Tasks: %s",
             .failure = "Load Palm Desktop Tasks failed: %s",
             .success = "Palm Desktop Tasks information is loaded successfully."},
    .name = "Tasks",
    .version = 0x54440200,
    .reserved2 = 43,
    .customLabels = false,
    .fields = 25,
    .subfolder = "todo",
    .file = "todo.dat",
    .byUserLine = "Start loading Palm Desktop Tasks by user ID: %d",
    .recordsFailed = "Failed to load Tasks records.",
};
constexpr ExFileKind kMemoKind{
    .load = {.unit = "PalmMemoEx",
             .emptyPath = "Invalid Palm Desktop Notes database file name.",
             .loading = "Loading Palm Desktop Memos: %s",
             .failure = "Load Palm Desktop Memos failed: %s",
             .success = nullptr},
    .name = "Memos",
    .version = 0x4D500200,
    .reserved2 = 43,
    .customLabels = false,
    .fields = 14,
    .subfolder = "memopad",
    .file = "memopad.dat",
    .byUserLine = "Start loading Palm Desktop Memos by user ID: %d",
    .recordsFailed = "Failed to load Memos records.",
};

}  // namespace

PmAddrExUtil::PmAddrExUtil() : PmExReader(kAddrKind) {}
PmAddrExUtil::PmAddrExUtil(const std::string& path) : PmExReader(kAddrKind)
{
    LoadFile(path);
}

// Contacts, by index: 0-12 the shared head; 13 first name, 14 last name, 15 title, 16 company,
// 17 unused, 18 note, 19-25 phone numbers, 26-32 their label codes, 33-41 custom fields, 42
// unused, 43-47 work address (street, city, state, zip, country), 48 unused, 49-53 home address,
// 54 unused, 55-59 other address, 60-61 IM addresses, 62-63 their label codes, 64 home page,
// 65 birthday (8 bytes), 66-68 unused integers, 69-72 unused texts.
bool PmAddrExUtil::ReadField(PmAddrExRec& r, std::size_t index)
{
    if (index < kHeadFields)
        return ReadHeadField(r, r.CategoryName, index);
    const auto address = [this](PmAddrExRec::Address& a, std::size_t part) {
        switch (part) {
        case 0: return ReadTypedText(a.Street);
        case 1: return ReadTypedText(a.City);
        case 2: return ReadTypedText(a.State);
        case 3: return ReadTypedText(a.Zip);
        default: return ReadTypedText(a.Country);
        }
    };
    switch (index) {
    case 13: return ReadTypedText(r.FirstName);
    case 14: return ReadTypedText(r.LastName);
    case 15: return ReadTypedText(r.Title);
    case 16: return ReadTypedText(r.Company);
    case 18: return ReadTypedText(r.Note);
    case 64: return ReadTypedText(r.HomePage);
    case 65: return ReadTypedDouble(r.Birthday);
    default: break;
    }
    if (index >= 19 && index <= 25)
        return ReadTypedText(r.Phone[index - 19]);
    if (index >= 26 && index <= 32)
        return ReadTypedInt(r.PhoneLabel[index - 26]);
    if (index >= 33 && index <= 41)
        return ReadTypedText(r.Custom[index - 33]);
    if (index >= 43 && index <= 47)
        return address(r.Work, index - 43);
    if (index >= 49 && index <= 53)
        return address(r.Home, index - 49);
    if (index >= 55 && index <= 59)
        return address(r.Other, index - 55);
    if (index == 60 || index == 61)
        return ReadTypedText(r.Im[index - 60]);
    if (index == 62 || index == 63)
        return ReadTypedInt(r.ImLabel[index - 62]);
    if (index >= 69)
        return ReadUnusedText();
    return ReadUnusedInt();  // 17, 42, 48, 54, 66-68
}

PmDateExUtil::PmDateExUtil() : PmExReader(kDateKind) {}
PmDateExUtil::PmDateExUtil(const std::string& path) : PmExReader(kDateKind)
{
    LoadFile(path);
}

// Calendar, by index: 0-12 the shared head; 13 start, 14 end, 15 description, 16 unused,
// 17 note, 18 untimed, 19 alarm set, 20 alarm advance, 21 its unit, 22 repeat, 23 location,
// 24 unused integer, 25-26 unused texts.
bool PmDateExUtil::ReadField(PmDateExRec& r, std::size_t index)
{
    if (index < kHeadFields)
        return ReadHeadField(r, r.CategoryName, index);
    switch (index) {
    case 13: return ReadTypedInt(r.Start);
    case 14: return ReadTypedInt(r.End);
    case 15: return ReadTypedText(r.Description);
    case 17: return ReadTypedText(r.Note);
    case 18: return ReadTypedInt(r.Untimed);
    case 19: return ReadTypedInt(r.AlarmSet);
    case 20: return ReadTypedInt(r.AlarmAdvance);
    case 21: return ReadTypedInt(r.AlarmUnit);
    case 22: return ReadRepeat(r.Repeat);
    case 23: return ReadTypedText(r.Location);
    case 25:
    case 26: return ReadUnusedText();
    default: return ReadUnusedInt();  // 16, 24
    }
}

PmTodoExUtil::PmTodoExUtil() : PmExReader(kTodoKind) {}
PmTodoExUtil::PmTodoExUtil(const std::string& path) : PmExReader(kTodoKind)
{
    LoadFile(path);
}

// To-do, by index: 0-12 the shared head; 13 description, 14 due date, 15 completed,
// 16 priority, 17 note, 18 unused boolean, 19 unused date, 20 reminder, 21 unused date,
// 22 unused integer, 23 unused date, 24 repeat.
bool PmTodoExUtil::ReadField(PmTodoExRec& r, std::size_t index)
{
    if (index < kHeadFields)
        return ReadHeadField(r, r.CategoryName, index);
    switch (index) {
    case 13: return ReadTypedText(r.Description);
    case 14: return ReadTypedInt(r.DueDate);
    case 15: return ReadTypedInt(r.Completed);
    case 16: return ReadTypedInt(r.Priority);
    case 17: return ReadTypedText(r.Note);
    case 20: return ReadTypedInt(r.Reminder);
    case 24: return ReadRepeat(r.Repeat);
    default: return ReadUnusedInt();  // 18, 19, 21, 22, 23
    }
}

PmMemoExUtil::PmMemoExUtil() : PmExReader(kMemoKind) {}
PmMemoExUtil::PmMemoExUtil(const std::string& path) : PmExReader(kMemoKind)
{
    LoadFile(path);
}

// Memos, by index: 0-12 the shared head; 13 the memo's text.
bool PmMemoExUtil::ReadField(PmMemoExRec& r, std::size_t index)
{
    if (index < kHeadFields)
        return ReadHeadField(r, r.CategoryName, index);
    return ReadTypedText(r.Memo);
}

}  // namespace velmora::palm
