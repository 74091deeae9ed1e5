#include "PmEarlyFile.h"

namespace velmora::palm {
namespace {

constexpr EarlyFileKind kAddrKind{
    .load = {.unit = "PalmAddr",
             .emptyPath = nullptr,
             .loading = "Loading Palm Desktop Address Book:%s",
             .failure = "Can not load Palm Desktop Contacts: %s",
             .success = "Palm Desktop address book was loaded successfully."},
    .version = 0x41420100,
    .nameCapacity = 260,
    .secondTextCapacity = 0,
    .fields = 30,
    .subfolder = "address",
    .file = "address.dat",
    .byUserLine = "Loading Palm Desktop address book file by user: User(%d) - File(%s)",
    .noUserLine = "Failed to get Palm Desktop data path by user, User ID=%d",
    .logsUnknownFields = true,
    .stepLines = {"Failed to open Palm Desktop address book file: %s", "Failed to check Palm Desktop address book file version.",
                  "Failed to read Palm Desktop address book database file name.",
                  "Failed to load Palm Desktop address book records."},
};
constexpr EarlyFileKind kDateKind{
    .load = {.unit = "PalmDate",
             .emptyPath = nullptr,
             .loading = "Loading Palm Desktop datebook: %s",
             .failure = "Failed to load Palm Desktop datebook: %s",
             .success = nullptr},
    .version = 0x44420100,
    .nameCapacity = 256,
    .secondTextCapacity = 512,
    .fields = 15,
    .subfolder = "datebook",
    .file = "datebook.dat",
    .byUserLine = nullptr,
    .noUserLine = nullptr,
    .logsUnknownFields = false,
    .stepLines = {},
};
constexpr EarlyFileKind kTodoKind{
    .load = {.unit = "PalmTodo",
             .emptyPath = nullptr,
             .loading = "Loading Palm Desktop todo list: %s",
             .failure = "Load Palm Desktop todo list failed: %s",
             .success = nullptr},
    .version = 0x54440100,
    .nameCapacity = 256,
    .secondTextCapacity = 256,
    .fields = 10,
    .subfolder = "todo",
    .file = "todo.dat",
    .byUserLine = nullptr,
    .noUserLine = nullptr,
    .logsUnknownFields = false,
    .stepLines = {},
};
constexpr EarlyFileKind kMemoKind{
    .load = {.unit = "PalmMemo",
             .emptyPath = "Invalid Palm Desktop memopad database file name.",
             .loading = "Loading Palm Desktop memopad: %s",
             .failure = "Load Palm Desktop memopad failed: %s",
             .success = nullptr},
    .version = 0x4D500100,
    .nameCapacity = 256,
    .secondTextCapacity = 256,
    .fields = 6,
    .subfolder = "memopad",
    .file = "memopad.dat",
    .byUserLine = nullptr,
    .noUserLine = "Can not get Palm Desktop user data path. User ID=%d",
    .logsUnknownFields = false,
    .stepLines = {},
};

}  // namespace

PmAddrUtil::PmAddrUtil() : PmEarlyReader(kAddrKind) {}
PmAddrUtil::PmAddrUtil(const std::string& path) : PmEarlyReader(kAddrKind)
{
    LoadFile(path);
}

// Contacts, by index: 0 record ID, 1 status, 2 placement, 3 last name, 4 first name, 5 title,
// 6 company, 7/9/11/13/15 phone label codes with 8/10/12/14/16 their numbers, 17 street,
// 18 city, 19 state, 20 zip, 21 country, 22 note, 23 unused, 24 category ID, 25-28 custom
// fields, 29 unused.
bool PmAddrUtil::ReadField(PmAddrRec& r, std::size_t index)
{
    switch (index) {
    case 0: return ReadTypedInt(r.RecordId);
    case 1: return ReadTypedInt(r.Status);
    case 2: return ReadTypedInt(r.Placement);
    case 3: return ReadTypedText(r.LastName);
    case 4: return ReadTypedText(r.FirstName);
    case 5: return ReadTypedText(r.Title);
    case 6: return ReadTypedText(r.Company);
    case 17: return ReadTypedText(r.Street);
    case 18: return ReadTypedText(r.City);
    case 19: return ReadTypedText(r.State);
    case 20: return ReadTypedText(r.Zip);
    case 21: return ReadTypedText(r.Country);
    case 22: return ReadTypedText(r.Note);
    case 24: {
        if (!ReadTypedInt(r.CategoryId))
            return false;
        std::string name;
        GetCategoryName(r.CategoryId, name);
        r.CategoryName = name;
        return true;
    }
    default: break;
    }
    if (index >= 7 && index <= 16) {
        const std::size_t phone = (index - 7) / 2;
        return (index - 7) % 2 == 0 ? ReadTypedInt(r.PhoneLabel[phone]) : ReadTypedText(r.Phone[phone]);
    }
    if (index >= 25 && index <= 28)
        return ReadTypedText(r.Custom[index - 25]);
    return ReadUnusedInt();  // 23, 29
}

PmDateUtil::PmDateUtil() : PmEarlyReader(kDateKind) {}
PmDateUtil::PmDateUtil(const std::string& path) : PmEarlyReader(kDateKind)
{
    LoadFile(path);
}

// Calendar, by index: 0 record ID, 1 status, 2 placement, 3 start, 4 end, 5 description,
// 6 unused, 7 note, 8 untimed, 9 private, 10 category ID, 11 alarm set, 12 alarm advance,
// 13 its unit, 14 repeat.
bool PmDateUtil::ReadField(PmDateRec& r, std::size_t index)
{
    switch (index) {
    case 0: return ReadTypedInt(r.RecordId);
    case 1: return ReadTypedInt(r.Status);
    case 2: return ReadTypedInt(r.Placement);
    case 3: return ReadTypedInt(r.Start);
    case 4: return ReadTypedInt(r.End);
    case 5: return ReadTypedText(r.Description);
    case 7: return ReadTypedText(r.Note);
    case 8: return ReadTypedInt(r.Untimed);
    case 9: return ReadTypedInt(r.Private);
    case 10: return ReadTypedInt(r.CategoryId);
    case 11: return ReadTypedInt(r.AlarmSet);
    case 12: return ReadTypedInt(r.AlarmAdvance);
    case 13: return ReadTypedInt(r.AlarmUnit);
    case 14: return ReadRepeat(r.Repeat);
    default: return ReadUnusedInt();  // 6
    }
}

PmTodoUtil::PmTodoUtil() : PmEarlyReader(kTodoKind) {}
PmTodoUtil::PmTodoUtil(const std::string& path) : PmEarlyReader(kTodoKind)
{
    LoadFile(path);
}

// To-do, by index: 0 record ID, 1 status, 2 placement, 3 description, 4 due date,
// 5 completed, 6 priority, 7 private, 8 category ID, 9 note.
bool PmTodoUtil::ReadField(PmTodoRec& r, std::size_t index)
{
    switch (index) {
    case 0: return ReadTypedInt(r.RecordId);
    case 1: return ReadTypedInt(r.Status);
    case 2: return ReadTypedInt(r.Placement);
    case 3: return ReadTypedText(r.Description);
    case 4: return ReadTypedInt(r.DueDate);
    case 5: return ReadTypedInt(r.Completed);
    case 6: return ReadTypedInt(r.Priority);
    case 7: return ReadTypedInt(r.Private);
    case 8: return ReadTypedInt(r.CategoryId);
    default: return ReadTypedText(r.Note);  // 9
    }
}

PmMemoUtil::PmMemoUtil() : PmEarlyReader(kMemoKind) {}
PmMemoUtil::PmMemoUtil(const std::string& path) : PmEarlyReader(kMemoKind)
{
    LoadFile(path);
}

// Memos, by index: 0 record ID, 1 status, 2 placement, 3 text, 4 private, 5 category ID.
bool PmMemoUtil::ReadField(PmMemoRec& r, std::size_t index)
{
    switch (index) {
    case 0: return ReadTypedInt(r.RecordId);
    case 1: return ReadTypedInt(r.Status);
    case 2: return ReadTypedInt(r.Placement);
    case 3: return ReadTypedText(r.Memo);
    case 4: return ReadTypedInt(r.Private);
    default: return ReadTypedInt(r.CategoryId);  // 5
    }
}

}  // namespace velmora::palm
