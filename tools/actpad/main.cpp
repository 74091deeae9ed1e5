// velmora-actpad: makes and inspects stand-in ACT! databases, for the demo, the tests and users
// who want to see what a migration wrote.
//
//   velmora-actpad create PAD USER PASSWORD [--samples]
//   velmora-actpad list PAD contacts|calendar|todos|notes
//   velmora-actpad dump PAD contacts|calendar|todos|notes RECORD-ID
#include "helpers/act/ActStore.h"

#include "model/CxDateTime.h"
#include "platform/CodePage.h"
#include "platform/CommandLine.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

using namespace velmora;
using namespace velmora::helpers;

namespace {

const platform::ProgramHelp kHelp{
    "velmora-actpad",
    "velmora-actpad create PAD USER PASSWORD [--samples]\n"
    "       velmora-actpad list PAD contacts|calendar|todos|notes\n"
    "       velmora-actpad dump PAD contacts|calendar|todos|notes RECORD-ID\n"
    "       velmora-actpad history PAD\n"
    "       velmora-actpad undo PAD [MIGRATION]",
    "Makes and inspects the ACT! contact databases (.pad files) Velmora migrates into.\n"
    "\n"
    "  create  a new database with one user and password (--samples adds three contacts and\n"
    "          calendar entries, to-dos and notes)\n"
    "  list    one line per record of a kind, tab-separated\n"
    "  dump    every field of one record\n"
    "  history the migrations the database journals, the latest first: identifier, time,\n"
    "          records added and changed per kind, whether undone\n"
    "  undo    undo a migration (by default the last one not undone yet)\n"
    "  --help, --version  this text, or the version\n"
    "\n"
    "Exit status: 0 success, 1 the database cannot be made or read, 2 wrong arguments.\n"
    "Files: only the PAD named. Environment: none.\n",
};

int Usage()
{
    return platform::UsageError(kHelp);
}

int Fail(const std::string& error)
{
    std::fprintf(stderr, "velmora-actpad: %s\n", platform::AnsiToUtf8(error).c_str());
    return 1;
}

std::string Date(double value)
{
    return value == 0 ? std::string("-") : model::CxDateTime(value).FormatDateTime();
}

// One line per record: its record ID and main fields, separated by " | ".
std::string Summary(const ActContactRec& r)
{
    return std::string(r.FullName.view()) + " | " + std::string(r.Company.view()) + " | " +
           std::string(r.BusinessEmail.view()) + " | " + std::string(r.BusinessPhone.view());
}
std::string Summary(const ActCalendarRec& r)
{
    return Date(r.Start) + " | " + std::string(r.Regarding.view()) + " | " + std::string(r.Location.view());
}
std::string Summary(const ActTodoRec& r)
{
    static const char* const kPriorities[] = {"high", "normal", "low"};
    const char* priority = r.Priority >= 0 && r.Priority <= 2 ? kPriorities[r.Priority] : "?";
    return std::string(r.Regarding.view()) + " | " + priority + " | due " + Date(r.DueDate) + (r.Completed ? " | done" : "");
}
std::string Summary(const ActNoteRec& r)
{
    const std::string_view text = r.NoteText.view();
    return std::string(text.substr(0, text.find_first_of("\r\n")));
}

// Every field as "Name: value".
struct FieldPrinter {
    template <std::size_t N>
    void Text(const char* name, const model::Text<N>& value) { Print(name, std::string(value.view())); }
    void Int(const char* name, std::int32_t value) { Print(name, std::to_string(value)); }
    void Flag(const char* name, std::uint8_t value) { Print(name, value ? "1" : "0"); }
    void Date(const char* name, double value) { Print(name, ::Date(value)); }
    static void Print(const char* name, const std::string& value)
    {
        std::printf("%s: %s\n", name, platform::AnsiToUtf8(value).c_str());
    }
};

template <class Raw>
int List(const ActStore& store, const char* recordId)
{
    std::vector<Raw> records;
    std::string error;
    if (!store.ReadAll(records, error))
        return Fail(error);
    for (const Raw& record : records) {
        if (recordId == nullptr) {
            std::printf("%s | %s\n", record.RecordId.c_str(), platform::AnsiToUtf8(Summary(record)).c_str());
        } else if (record.RecordId == recordId) {
            FieldPrinter printer;
            VisitFields(record, printer);
            return 0;
        }
    }
    return recordId == nullptr ? 0 : Fail(std::string("no record with the ID ") + recordId);
}

bool AddSamples(ActStore& store, std::string& error)
{
    std::vector<ActContactRec> contacts(3);
    const char* const people[][7] = {
        {"Ann", "Lee", "Acme Corporation", "ann.lee@acme.example", "555-0100", "12", "1 Main Street"},
        {"Bob", "Marsh", "Brix & Sons", "bob@brix.example", "555-0142", "", "7 Harbour Road"},
        {"Carla", "Diaz", "Acme Corporation", "carla.diaz@acme.example", "555-0177", "3", "1 Main Street"},
    };
    for (std::size_t i = 0; i < contacts.size(); ++i) {
        ActContactRec& c = contacts[i];
        c.FirstName = people[i][0];
        c.LastName = people[i][1];
        c.FullName = std::string(people[i][0]) + " " + people[i][1];
        c.Company = people[i][2];
        c.BusinessEmail = people[i][3];
        c.BusinessPhone = people[i][4];
        c.BusinessPhoneExtension = people[i][5];
        c.BusinessAddress1 = people[i][6];
        c.BusinessCity = "Springfield";
        c.BusinessState = "WA";
        c.BusinessPostal = "98052";
        c.BusinessCountry = "USA";
        c.CreateDate = c.EditDate = model::MakeDate(2008, 3, 1, 9, 0);
    }
    std::vector<ActCalendarRec> calendar(2);
    calendar[0].Regarding = "Quarterly review";
    calendar[0].Location = "Room 1";
    calendar[0].ActivityType = 1;
    calendar[0].Start = model::MakeDate(2008, 3, 7, 9, 0);
    calendar[0].End = model::MakeDate(2008, 3, 7, 10, 30);
    calendar[1].Regarding = "Team call";
    calendar[1].ActivityType = 2;
    calendar[1].Start = model::MakeDate(2008, 3, 3, 14, 0);
    calendar[1].End = model::MakeDate(2008, 3, 3, 14, 30);
    calendar[1].RecurrenceFrequency = 2;  // weekly on Mondays and Wednesdays, every 2 weeks
    calendar[1].RecurrenceMode = 2;
    calendar[1].RecurrenceValue = 2 | 8;
    calendar[1].RecurrenceInterval = 2;
    std::vector<ActTodoRec> todos(2);
    todos[0].Regarding = "Send the price list to Bob";
    todos[0].Priority = 0;
    todos[0].DueDate = model::MakeDate(2008, 3, 10, 0, 0);
    todos[1].Regarding = "Book the trade show stand";
    std::vector<ActNoteRec> notes(2);
    notes[0].NoteText = "Ann asked for a quote on 200 units.\r\nCall back before Friday.";
    notes[0].CreateTime = model::MakeDate(2008, 3, 4, 11, 15);
    notes[1].NoteText = "Bob prefers e-mail to phone calls.";
    return store.Insert(contacts, error) && store.Insert(calendar, error) && store.Insert(todos, error) &&
           store.Insert(notes, error);
}

template <class F>
int WithKind(const std::string& kind, F&& run)
{
    if (kind == "contacts")
        return run(ActContactRec{});
    if (kind == "calendar")
        return run(ActCalendarRec{});
    if (kind == "todos")
        return run(ActTodoRec{});
    if (kind == "notes")
        return run(ActNoteRec{});
    return Usage();
}

int History(const ActStore& store)
{
    std::vector<ActStore::Migration> migrations;
    std::string error;
    if (!store.Migrations(migrations, error))
        return Fail(error);
    for (const ActStore::Migration& m : migrations) {
        std::printf("%s\t%s\tadded %zu %zu %zu %zu\tchanged %zu %zu %zu %zu\t%s\n", m.Id.c_str(), Date(m.Time).c_str(),
                    m.Added[0], m.Added[1], m.Added[2], m.Added[3], m.Updated[0], m.Updated[1], m.Updated[2],
                    m.Updated[3], m.Undone ? "undone" : "");
    }
    return 0;
}

int Undo(ActStore& store, std::string migration)
{
    std::string error;
    if (migration.empty()) {
        std::vector<ActStore::Migration> migrations;
        if (!store.Migrations(migrations, error))
            return Fail(error);
        const auto last = std::find_if(migrations.begin(), migrations.end(), [](const auto& m) { return !m.Undone; });
        if (last == migrations.end())
            return Fail("There is no migration to undo.");
        migration = last->Id;
    }
    const auto undo = [&](auto kind, const char* noun) {
        ActStore::UndoResult result;
        if (!store.Undo<decltype(kind)>(migration, result, error))
            return false;
        std::printf("%s: removed %zu, restored %zu, left %zu%s\n", noun, result.Removed, result.Restored, result.Left,
                    result.NothingToUndo ? " (nothing to undo)" : "");
        return true;
    };
    if (!undo(ActContactRec{}, "contacts") || !undo(ActCalendarRec{}, "calendar") || !undo(ActTodoRec{}, "todos") ||
        !undo(ActNoteRec{}, "notes"))
        return Fail(error);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (const int status = platform::StandardOptions(
            argc, argv, kHelp, [](const char* option) { return std::strcmp(option, "--samples") == 0; }, true);
        status >= 0)
        return status;
    if (argc < 3)
        return Usage();
    const std::string command = argv[1];
    const std::string pad = argv[2];
    std::string error;
    if (command == "create" && (argc == 5 || (argc == 6 && std::strcmp(argv[5], "--samples") == 0))) {
        const auto store = ActStore::Create(pad, platform::Utf8ToAnsi(argv[3]), platform::Utf8ToAnsi(argv[4]), error);
        if (!store || (argc == 6 && !AddSamples(*store, error)))
            return Fail(error);
        return 0;
    }
    if ((command == "history" && argc == 3) || (command == "undo" && (argc == 3 || argc == 4))) {
        const auto store = ActStore::Open(pad, error);
        if (!store)
            return Fail(error);
        return command == "history" ? History(*store) : Undo(*store, argc == 4 ? argv[3] : "");
    }
    const bool list = command == "list" && argc == 4;
    const bool dump = command == "dump" && argc == 5;
    if (!list && !dump)
        return Usage();
    const auto store = ActStore::Open(pad, error);
    if (!store)
        return Fail(error);
    const char* recordId = dump ? argv[4] : nullptr;
    return WithKind(argv[3], [&](auto kind) { return List<decltype(kind)>(*store, recordId); });
}
