// velmora-palmdat: writes Palm Desktop data for the demo and for the fuzz corpus.
//
//   velmora-palmdat demo PALM-FOLDER
//   velmora-palmdat demo6 PALM-FOLDER
//   velmora-palmdat samples FOLDER
//
// demo makes PALM-FOLDER a Palm Desktop 4.1.4 folder: a palm.exe whose version resource says
// 4.1.4.0, and the user "Demo" with a 4.x address book, datebook, to-do list and memo pad.
// demo6 makes it a Palm Desktop 6.2 folder with the same records in the user's four Access
// databases. samples writes the demo's records into one 4.x and one earlier file of each kind.
#include "Palm6Writer.h"
#include "PalmDatWriter.h"

#include "palm/dat/PmTime.h"
#include "palm/mdb/PmMDBAccessor.h"
#include "support/PeBuilder.h"

#include <cstdio>
#include <cstring>
#include <string>

using namespace velmora;
using tools::PalmDatWriter;

namespace {

std::int32_t LocalTime(int year, int month, int day, int hour, int minute)
{
    palm::PmTime time;
    time.FromFields(year, month, day, hour, minute, 0);
    return time.GetValue();
}

std::vector<palm::PmAddrExRec> Contacts()
{
    std::vector<palm::PmAddrExRec> contacts(4);
    const char* const people[][6] = {
        {"Ann", "Lee", "Acme Corporation", "ann.lee@acme.example", "555-0100x12", "1 Main Street"},
        {"Bob", "Marsh", "Brix & Sons Ltd", "bob@brix.example", "555-0142", "7 Harbour Road"},
        {"Gina", "Okafor", "Okafor Imports", "gina@okafor.example", "555-0311", "22 Quay Lane"},
        {"Hal", "Berg", "", "hal.berg@example.net", "555-0388", ""},
    };
    for (std::size_t i = 0; i < contacts.size(); ++i) {
        palm::PmAddrExRec& c = contacts[i];
        c.RecordId = static_cast<std::int32_t>(1001 + i);
        c.CategoryId = i < 3 ? 1 : 2;
        c.FirstName = people[i][0];
        c.LastName = people[i][1];
        c.Company = people[i][2];
        c.Phone[0] = people[i][4];
        c.PhoneLabel[0] = 0;
        c.Phone[1] = people[i][3];
        c.PhoneLabel[1] = 4;
        c.PhoneLabel[2] = 7;
        c.Work.Street = people[i][5];
        c.Work.City = people[i][5][0] != '\0' ? "Springfield" : "";
        c.Work.State = people[i][5][0] != '\0' ? "WA" : "";
        c.Work.Zip = people[i][5][0] != '\0' ? "98052" : "";
        c.Work.Country = people[i][5][0] != '\0' ? "USA" : "";
    }
    contacts[2].Phone[2] = "555-0312";
    contacts[2].Title = "Director";
    contacts[2].Birthday = 1968 * 65536 + 4 * 256 + 21;
    contacts[2].Note = "Prefers calls in the morning.";
    contacts[3].Home.Street = "4 Elm Court";
    contacts[3].Home.City = "Portland";
    return contacts;
}

std::vector<palm::PmDateExRec> Calendar()
{
    std::vector<palm::PmDateExRec> events(3);
    events[0].Description = "Quarterly review";
    events[0].Location = "Room 1";
    events[0].Start = LocalTime(2008, 3, 7, 9, 0);
    events[0].End = LocalTime(2008, 3, 7, 10, 30);
    events[1].Description = "Supplier visit";
    events[1].Location = "Okafor Imports";
    events[1].Start = LocalTime(2008, 3, 12, 14, 0);
    events[1].End = LocalTime(2008, 3, 12, 15, 0);
    events[1].AlarmSet = 1;
    events[1].AlarmAdvance = 15;
    events[2].Description = "Stand-up";
    events[2].Start = LocalTime(2008, 3, 3, 9, 0);
    events[2].End = LocalTime(2008, 3, 3, 9, 15);
    events[2].Repeat.Type = 2;
    events[2].Repeat.Interval = 1;
    events[2].Repeat.DaysMask = 0x3E;  // Monday to Friday
    events[2].Repeat.EndDate = LocalTime(2008, 6, 30, 0, 0);
    for (std::size_t i = 0; i < events.size(); ++i)
        events[i].RecordId = static_cast<std::int32_t>(2001 + i);
    return events;
}

std::vector<palm::PmTodoExRec> Todos()
{
    std::vector<palm::PmTodoExRec> todos(3);
    todos[0].Description = "Send price list to Gina";
    todos[0].Priority = 1;
    todos[0].DueDate = LocalTime(2008, 3, 14, 0, 0);
    todos[1].Description = "Renew trade fair stand";
    todos[1].Priority = 3;
    todos[1].Note = "Stand 12 again if possible.";
    todos[2].Description = "File expense reports";
    todos[2].Priority = 5;
    todos[2].Completed = 1;
    for (std::size_t i = 0; i < todos.size(); ++i)
        todos[i].RecordId = static_cast<std::int32_t>(3001 + i);
    return todos;
}

std::vector<palm::PmMemoExRec> Memos()
{
    std::vector<palm::PmMemoExRec> memos(2);
    memos[0].Memo = "Shopping\r\nmilk\r\ncoffee";
    memos[1].Memo = "Trade fair contacts\r\nGina Okafor, Hal Berg";
    memos[1].Private = 1;
    for (std::size_t i = 0; i < memos.size(); ++i)
        memos[i].RecordId = static_cast<std::int32_t>(4001 + i);
    return memos;
}

int MakeDemo(const std::string& folder)
{
    testing::PeBuilder exe;
    exe.major = 4;
    exe.minor = 1;
    exe.build = 4;
    exe.revision = 0;
    const std::vector<PalmDatWriter::Category> categories = {{1, 1, "Business"}, {2, 2, "Personal"}};
    const std::string user = folder + "/Demo/";
    const bool saved = tools::SaveFile(folder + "/palm.exe", exe.Build()) &&
                       tools::SaveFile(user + "address/address.dat", PalmDatWriter::File(Contacts(), categories)) &&
                       tools::SaveFile(user + "datebook/datebook.dat", PalmDatWriter::File(Calendar(), categories)) &&
                       tools::SaveFile(user + "todo/todo.dat", PalmDatWriter::File(Todos(), categories)) &&
                       tools::SaveFile(user + "memopad/memopad.dat", PalmDatWriter::File(Memos(), categories));
    if (!saved) {
        std::fprintf(stderr, "velmora-palmdat: cannot write into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}

// The demo's records as Palm Desktop 6 rows.
using V = tools::JetDatabase::Value;

std::vector<tools::Palm6Row> Rows6(const std::vector<palm::PmAddrExRec>& contacts)
{
    std::vector<tools::Palm6Row> rows;
    for (const palm::PmAddrExRec& c : contacts) {
        tools::Palm6Row row{{"Record ID", V::Of(std::int64_t{c.RecordId})}, {"Category", V::Of(std::int64_t{c.CategoryId})},
                            {"First Name", V::Of(c.FirstName.view())}, {"Last Name", V::Of(c.LastName.view())},
                            {"Company", V::Of(c.Company.view())}, {"Job Title", V::Of(c.Title.view())},
                            {"Note", V::Of(c.Note.view())}, {"Work Street", V::Of(c.Work.Street.view())},
                            {"Work City", V::Of(c.Work.City.view())}, {"Work State", V::Of(c.Work.State.view())},
                            {"Work Zip", V::Of(c.Work.Zip.view())}, {"Work Country", V::Of(c.Work.Country.view())},
                            {"Home Street", V::Of(c.Home.Street.view())}, {"Home City", V::Of(c.Home.City.view())},
                            {"Birthday", V::Of(static_cast<std::int64_t>(c.Birthday))}};
        static const char* const kSlots[] = {"Work Phone", "Work Fax", "Work Mobile", "Home Phone", "Home Fax",
                                             "Home Mobile", "Other Phone"};
        for (std::size_t i = 0; i < 7; ++i) {
            row[kSlots[i]] = V::Of(c.Phone[i].view());
            row["Phone Label" + std::to_string(i + 1)] = V::Of(std::int64_t{c.PhoneLabel[i]});
        }
        rows.push_back(row);
    }
    return rows;
}

std::vector<tools::Palm6Row> Rows6(const std::vector<palm::PmDateExRec>& events)
{
    std::vector<tools::Palm6Row> rows;
    for (const palm::PmDateExRec& e : events) {
        std::string rule;
        if (e.Repeat.Type == 2) {
            // Weekly on the demo's working days, until its end date.
            palm::PmTime end(e.Repeat.EndDate);
            const auto t = end.ToSystemTime();
            char date[16];
            std::snprintf(date, sizeof date, "%04d%02d%02d", t.Year, t.Month, t.Day);
            rule = "W" + std::to_string(e.Repeat.Interval) + " MO TU WE TH FR " + date + "T000000";
        }
        rows.push_back({{"Record ID", V::Of(std::int64_t{e.RecordId})}, {"Summary", V::Of(e.Description.view())},
                        {"Location", V::Of(e.Location.view())}, {"Start Time", V::Of(std::int64_t{e.Start})},
                        {"End Time", V::Of(std::int64_t{e.End})}, {"Alarm", V::Of(std::int64_t{e.AlarmSet})},
                        {"Alarm Advance", V::Of(std::int64_t{e.AlarmAdvance})}, {"Repeated Event", V::Of(rule)}});
    }
    return rows;
}

std::vector<tools::Palm6Row> Rows6(const std::vector<palm::PmTodoExRec>& todos)
{
    std::vector<tools::Palm6Row> rows;
    for (const palm::PmTodoExRec& t : todos)
        rows.push_back({{"Record ID", V::Of(std::int64_t{t.RecordId})}, {"Description", V::Of(t.Description.view())},
                        {"Priority", V::Of(std::int64_t{t.Priority})}, {"Due Date", V::Of(std::int64_t{t.DueDate})},
                        {"Completed", V::Of(std::int64_t{t.Completed})}, {"Note", V::Of(t.Note.view())}});
    return rows;
}

std::vector<tools::Palm6Row> Rows6(const std::vector<palm::PmMemoExRec>& memos)
{
    std::vector<tools::Palm6Row> rows;
    for (const palm::PmMemoExRec& m : memos)
        rows.push_back({{"Record ID", V::Of(std::int64_t{m.RecordId})}, {"Note", V::Of(m.Memo.view())},
                        {"Private", V::Of(std::int64_t{m.Private})}});
    return rows;
}

int MakeDemo6(const std::string& folder)
{
    testing::PeBuilder exe;
    exe.major = 6;
    exe.minor = 2;
    exe.build = 0;
    exe.revision = 0;
    const std::vector<tools::Palm6Category> categories = {{1, "Business"}, {2, "Personal"}};
    const std::string user = folder + "/Demo/";
    const bool saved = tools::SaveFile(folder + "/palm.exe", exe.Build()) &&
                       tools::Palm6Database(palm::kDbContacts, Rows6(Contacts()), categories).Save(user + "address/Address.mdb") &&
                       tools::Palm6Database(palm::kDbCalendar, Rows6(Calendar()), categories).Save(user + "datebook/DateBook.mdb") &&
                       tools::Palm6Database(palm::kDbTodo, Rows6(Todos()), categories).Save(user + "todo/Todolist.mdb") &&
                       tools::Palm6Database(palm::kDbMemo, Rows6(Memos()), categories).Save(user + "MemoPad/MemoPad.mdb");
    if (!saved) {
        std::fprintf(stderr, "velmora-palmdat: cannot write into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}

// The demo's records in the earlier layout.
palm::PmAddrRec Early(const palm::PmAddrExRec& r)
{
    palm::PmAddrRec e;
    e.RecordId = r.RecordId;
    e.FirstName = r.FirstName;
    e.LastName = r.LastName;
    e.Company = r.Company;
    e.Title = r.Title;
    for (std::size_t i = 0; i < 5; ++i) {
        e.Phone[i] = r.Phone[i];
        e.PhoneLabel[i] = r.PhoneLabel[i];
    }
    e.Street = r.Work.Street;
    e.City = r.Work.City;
    e.Note = r.Note;
    e.CategoryId = r.CategoryId;
    return e;
}

palm::PmDateRec Early(const palm::PmDateExRec& r)
{
    palm::PmDateRec e;
    e.Description = r.Description;
    e.Start = r.Start;
    e.End = r.End;
    e.AlarmSet = r.AlarmSet;
    e.Repeat = r.Repeat;
    return e;
}

palm::PmTodoRec Early(const palm::PmTodoExRec& r)
{
    palm::PmTodoRec e;
    e.Description = r.Description;
    e.Priority = r.Priority;
    e.Note = r.Note;
    return e;
}

palm::PmMemoRec Early(const palm::PmMemoExRec& r)
{
    palm::PmMemoRec e;
    e.Memo = r.Memo;
    e.Private = r.Private;
    return e;
}

template <class Rec>
auto EarlyAll(const std::vector<Rec>& records)
{
    std::vector<decltype(Early(records.front()))> early;
    for (const Rec& r : records)
        early.push_back(Early(r));
    return early;
}

int MakeSamples(const std::string& folder)
{
    const std::vector<PalmDatWriter::Category> categories = {{1, 1, "Business"}, {2, 2, "Personal"}};
    const std::string f = folder + "/";
    const bool saved = tools::SaveFile(f + "address-ex.dat", PalmDatWriter::File(Contacts(), categories)) &&
                       tools::SaveFile(f + "address-early.dat", PalmDatWriter::File(EarlyAll(Contacts()), categories)) &&
                       tools::SaveFile(f + "datebook-ex.dat", PalmDatWriter::File(Calendar(), categories)) &&
                       tools::SaveFile(f + "datebook-early.dat", PalmDatWriter::File(EarlyAll(Calendar()), categories)) &&
                       tools::SaveFile(f + "todo-ex.dat", PalmDatWriter::File(Todos(), categories)) &&
                       tools::SaveFile(f + "todo-early.dat", PalmDatWriter::File(EarlyAll(Todos()), categories)) &&
                       tools::SaveFile(f + "memopad-ex.dat", PalmDatWriter::File(Memos(), categories)) &&
                       tools::SaveFile(f + "memopad-early.dat", PalmDatWriter::File(EarlyAll(Memos()), categories));
    if (!saved) {
        std::fprintf(stderr, "velmora-palmdat: cannot write into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "demo") == 0)
        return MakeDemo(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "demo6") == 0)
        return MakeDemo6(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "samples") == 0)
        return MakeSamples(argv[2]);
    std::fputs("usage: velmora-palmdat demo|demo6 PALM-FOLDER | samples FOLDER\n", stderr);
    return 2;
}
