#include "PmDBEx2Util.h"

namespace velmora::palm {
namespace {

const Ex2Kind kAddrKind{
    .dataType = kDbContacts,
    .unit = "PalmAddrEx2",
    .queryName = "Contacts",
    .subfolder = "address",
    .file = "Address.mdb",
    .emptyPathLine = nullptr,
    .loadingLine = "Loading Palm Desktop Contacts:%s",
    .openFailedLine = "Open Palm Desktop Contacts database failed: %s",
    .byUserLine = "Start loading Palm Desktop Contacts by user ID: %d",
    .loadName = "Contacts",
    .columns = {"Record ID", "Status", "Placement", "Private", "Category", "Note", "Prefix", "First Name", "Middle Name",
         "Last Name", "Suffix", "NickName", "Anniversary", "Birthday", "Profession", "Company", "Job Title",
         "Assistant Name", "Assistant Phone", "Work Street", "Work City", "Work State", "Work Zip", "Work Country",
         "Home Street", "Home City", "Home State", "Home Zip", "Home Country", "Other Street", "Other City",
         "Other State", "Other Zip", "Other Country", "Work Phone", "Work Fax", "Work Mobile", "Home Phone", "Home Fax",
         "Home Mobile", "Other Phone", "Other Fax", "Other Mobile", "Work E-mail", "E-mail 1", "E-mail 2", "E-mail 3",
         "Pager", "Custom 1", "Custom 2", "Custom 3", "Custom 4", "Primary Contact", "Phone Label1", "Phone Label2",
         "Phone Label3", "Phone Label4", "Phone Label5", "Phone Label6", "Phone Label7", "First Yomi", "Last Yomi",
         "Company Yomi", "Chat1", "Chat2", "Chat1 LabelID", "Chat2 LabelID", "Website", "Custom 5", "Custom 6",
         "Custom 7", "Custom 8", "Custom 9", "Custom 10", "Custom 11", "Custom 12", "Custom 13", "Custom 14",
         "Birthday AlarmSet", "Birthday AlarmAdv", "Avatar", "Addr Label1", "Addr Label2", "Addr Label3",
         "Anniversary AlarmSet", "Anniversary AlarmAdv", "English Name", "Picture URL", "Picture Filename",
         "Picture MIME type", "Picture Sync counter", "Ringtone URL", "Ringtone Filename", "Ringtone MIME type",
         "Ringtone Sync counter"},
};
const Ex2Kind kDateKind{
    .dataType = kDbCalendar,
    .unit = "PalmDateEx2",
    .queryName = "Calendar",
    .subfolder = "datebook",
    .file = "DateBook.mdb",
    .emptyPathLine = nullptr,
    .loadingLine = "Loading Palm Desktop Calendar: %s",
    .openFailedLine = "Open Palm Desktop Calendar database failed: %s",
    .byUserLine = "Start loading Palm Desktop Calendar by user ID: %d",
    .loadName = "Calendar",
    .columns = {"Record ID", "Status", "Placement", "Private", "Category", "Note", "Start Time", "End Time", "Untimed",
         "Time Zone", "Location", "Summary", "Alarm", "Alarm Advance", "Alarm Unit", "Repeated Event"},
};
const Ex2Kind kTodoKind{
    .dataType = kDbTodo,
    .unit = "PalmTodoEx2",
    .queryName = "Task",
    .subfolder = "todo",
    .file = "Todolist.mdb",
    .emptyPathLine = "Invalid Palm Desktop Task database file name.",
    .loadingLine = "Loading Palm Desktop Tasks: %s",
    .openFailedLine = "Open Palm Desktop Tasks database failed: %s",
    .byUserLine = "Start loading Palm Desktop Tasks by user ID: %d",
    .loadName = "Tasks",
    .columns = {"Record ID", "Status", "Placement", "Private", "Category", "Note", "Description", "Due Date", "Completed",
         "Priority", "Repeat On Complete Date", "Complete Date", "Alarm Set", "Alarm Time", "Alarm Advance",
         "Repeat Start Date", "Repeat Info"},
};
const Ex2Kind kMemoKind{
    .dataType = kDbMemo,
    .unit = "PalmMemoEx2",
    .queryName = "Memo",
    .subfolder = "MemoPad",
    .file = "MemoPad.mdb",
    .emptyPathLine = "Invalid Palm Desktop Notes database name.",
    .loadingLine = "Loading Palm Desktop Notes: %s",
    .openFailedLine = "Open Palm Desktop Memos database failed: %s",
    .byUserLine = "Start loading Palm Desktop Memos by user ID: %d",
    .loadName = "Memos",
    .columns = {"Record ID", "Status", "Placement", "Private", "Category", "Note"},
};

// Columns 0-5, the same in every table.
template <class Rec, class Note>
void ReadHead(Rec& r, const PmDbRow& row, Note& note)
{
    ColumnAsInt(row[0], r.RecordId);
    ColumnAsInt(row[1], r.Status);
    ColumnAsInt(row[2], r.Placement);
    ColumnAsBool(row[3], r.Private);
    ColumnAsInt(row[4], r.Category);
    ColumnAsText(row[5], note);
}

void ReadAddress(PmAddrEx2Rec::Address& a, const PmDbRow& row, std::size_t first)
{
    ColumnAsText(row[first], a.Street);
    ColumnAsText(row[first + 1], a.City);
    ColumnAsText(row[first + 2], a.State);
    ColumnAsText(row[first + 3], a.Zip);
    ColumnAsText(row[first + 4], a.Country);
}

}  // namespace

const std::vector<std::string>& Ex2Columns(int dataType)
{
    static const std::vector<std::string> kNone;
    switch (dataType) {
    case kDbContacts: return kAddrKind.columns;
    case kDbCalendar: return kDateKind.columns;
    case kDbTodo: return kTodoKind.columns;
    case kDbMemo: return kMemoKind.columns;
    default: return kNone;
    }
}

PmAddrEx2Util::PmAddrEx2Util() : PmEx2Reader(kAddrKind) {}
PmAddrEx2Util::PmAddrEx2Util(const std::string& path) : PmEx2Reader(kAddrKind)
{
    mLoaded = LoadFile(path);
}

// The columns by their place in the contacts column list; "Other Fax" to "Pager" (41-47) are
// read but not kept: e-mail addresses and pagers come through the seven phone slots.
void PmAddrEx2Util::Read(PmAddrEx2Rec& r, const PmDbRow& row)
{
    if (row.size() == mKind.columns.size()) {
        ReadHead(r, row, r.Note);
        ColumnAsText(row[6], r.Prefix);
        ColumnAsText(row[7], r.FirstName);
        ColumnAsText(row[8], r.MiddleName);
        ColumnAsText(row[9], r.LastName);
        ColumnAsText(row[10], r.Suffix);
        ColumnAsText(row[11], r.NickName);
        ColumnAsInt(row[12], r.Anniversary);
        ColumnAsInt(row[13], r.Birthday);
        ColumnAsText(row[14], r.Profession);
        ColumnAsText(row[15], r.Company);
        ColumnAsText(row[16], r.Title);
        ColumnAsText(row[17], r.AssistantName);
        ColumnAsText(row[18], r.AssistantPhone);
        ReadAddress(r.Work, row, 19);
        ReadAddress(r.Home, row, 24);
        ReadAddress(r.Other, row, 29);
        for (std::size_t i = 0; i < 7; ++i) {
            ColumnAsText(row[34 + i], r.Phone[i]);
            ColumnAsInt(row[53 + i], r.PhoneLabel[i]);
        }
        for (std::size_t i = 0; i < 4; ++i)
            ColumnAsText(row[48 + i], r.Custom[i]);
        ColumnAsInt(row[52], r.PrimaryContact);
        ColumnAsText(row[60], r.FirstYomi);
        ColumnAsText(row[61], r.LastYomi);
        ColumnAsText(row[62], r.CompanyYomi);
        ColumnAsText(row[63], r.Chat[0]);
        ColumnAsText(row[64], r.Chat[1]);
        ColumnAsInt(row[65], r.ChatLabel[0]);
        ColumnAsInt(row[66], r.ChatLabel[1]);
        ColumnAsText(row[67], r.Website);
        for (std::size_t i = 0; i < 10; ++i)
            ColumnAsText(row[68 + i], r.Custom[4 + i]);
        ColumnAsBool(row[78], r.BirthdayAlarmSet);
        ColumnAsInt(row[79], r.BirthdayAlarmAdvance);
        ColumnAsInt(row[80], r.Avatar);
        for (std::size_t i = 0; i < 3; ++i)
            ColumnAsInt(row[81 + i], r.AddressLabel[i]);
        ColumnAsBool(row[84], r.AnniversaryAlarmSet);
        ColumnAsInt(row[85], r.AnniversaryAlarmAdvance);
        ColumnAsText(row[86], r.EnglishName);
        ColumnAsText(row[87], r.PictureUrl);
        ColumnAsText(row[88], r.PictureFileName);
        ColumnAsText(row[89], r.PictureMimeType);
        ColumnAsText(row[90], r.PictureSyncCounter);
        ColumnAsText(row[91], r.RingtoneUrl);
        ColumnAsText(row[92], r.RingtoneFileName);
        ColumnAsText(row[93], r.RingtoneMimeType);
        ColumnAsText(row[94], r.RingtoneSyncCounter);
    }
    // Per label code the number of the last slot carrying it.
    for (std::size_t i = 0; i < 7; ++i) {
        if (r.PhoneLabel[i] >= 0 && r.PhoneLabel[i] < 8)
            r.PhoneText[r.PhoneLabel[i]] = r.Phone[i];
    }
    r.CategoryName = CategoryName(r.Category);
}

PmDateEx2Util::PmDateEx2Util() : PmEx2Reader(kDateKind) {}
PmDateEx2Util::PmDateEx2Util(const std::string& path) : PmEx2Reader(kDateKind)
{
    mLoaded = LoadFile(path);
}

void PmDateEx2Util::Read(PmDateEx2Rec& r, const PmDbRow& row)
{
    if (row.size() == mKind.columns.size()) {
        ReadHead(r, row, r.Note);
        ColumnAsInt(row[6], r.Start);
        ColumnAsInt(row[7], r.End);
        ColumnAsBool(row[8], r.Untimed);
        ColumnAsText(row[9], r.TimeZone);
        ColumnAsText(row[10], r.Location);
        ColumnAsText(row[11], r.Summary);
        ColumnAsBool(row[12], r.Alarm);
        ColumnAsInt(row[13], r.AlarmAdvance);
        ColumnAsInt(row[14], r.AlarmUnit);
        ColumnAsText(row[15], r.RepeatRule);
    }
    r.CategoryName = CategoryName(r.Category);
    r.Repeat = ParseRepeatRule(r.RepeatRule.view(), true, r.Start);
}

PmTodoEx2Util::PmTodoEx2Util() : PmEx2Reader(kTodoKind) {}
PmTodoEx2Util::PmTodoEx2Util(const std::string& path) : PmEx2Reader(kTodoKind)
{
    mLoaded = LoadFile(path);
}

void PmTodoEx2Util::Read(PmTodoEx2Rec& r, const PmDbRow& row)
{
    if (row.size() == mKind.columns.size()) {
        ReadHead(r, row, r.Note);
        ColumnAsText(row[6], r.Description);
        ColumnAsInt(row[7], r.DueDate);
        ColumnAsBool(row[8], r.Completed);
        ColumnAsInt(row[9], r.Priority);
        ColumnAsBool(row[10], r.RepeatOnCompleteDate);
        ColumnAsInt(row[11], r.CompleteDate);
        ColumnAsBool(row[12], r.AlarmSet);
        ColumnAsInt(row[13], r.AlarmTime);
        ColumnAsInt(row[14], r.AlarmAdvance);
        ColumnAsInt(row[15], r.RepeatStartDate);
        ColumnAsText(row[16], r.RepeatRule);
    }
    r.CategoryName = CategoryName(r.Category);
    r.Repeat = ParseRepeatRule(r.RepeatRule.view(), false, 0);
}

PmMemoEx2Util::PmMemoEx2Util() : PmEx2Reader(kMemoKind) {}
PmMemoEx2Util::PmMemoEx2Util(const std::string& path) : PmEx2Reader(kMemoKind)
{
    mLoaded = LoadFile(path);
}

void PmMemoEx2Util::Read(PmMemoEx2Rec& r, const PmDbRow& row)
{
    if (row.size() == mKind.columns.size()) {
        ReadHead(r, row, r.Memo);
        r.MemoLength = static_cast<std::int32_t>(r.Memo.size());
    }
    r.CategoryName = CategoryName(r.Category);
}

}  // namespace velmora::palm
