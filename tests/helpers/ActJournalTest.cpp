// The ACT! store's journal: a migration undone leaves the store exactly as it was.
#include "helpers/act/ActStore.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <string>
#include <vector>

namespace velmora::testing {
namespace {

using helpers::ActCalendarRec;
using helpers::ActContactRec;
using helpers::ActNoteRec;
using helpers::ActStore;
using helpers::ActTodoRec;

// Every row of the four record tables, every column as stored, in record ID order.
std::string Snapshot(const std::string& pad)
{
    sqlite3* db = nullptr;
    std::string all;
    if (sqlite3_open_v2(pad.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        return "cannot open";
    for (const char* table : {"contacts", "calendar", "todos", "notes"}) {
        sqlite3_stmt* rows = nullptr;
        sqlite3_prepare_v2(db, (std::string("SELECT * FROM ") + table + " ORDER BY RecordId").c_str(), -1, &rows, nullptr);
        while (sqlite3_step(rows) == SQLITE_ROW) {
            all += table;
            for (int c = 0; c < sqlite3_column_count(rows); ++c) {
                const auto* bytes = static_cast<const char*>(sqlite3_column_blob(rows, c));
                all += "|" + std::to_string(sqlite3_column_type(rows, c)) + ":" +
                       std::string(bytes != nullptr ? bytes : "", static_cast<std::size_t>(sqlite3_column_bytes(rows, c)));
            }
            all += "\n";
        }
        sqlite3_finalize(rows);
    }
    sqlite3_close(db);
    return all;
}

void Exec(const std::string& pad, const std::string& sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(pad.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

// A migration of one kind: the stored records each changed by `change` (merges) and `added`
// new ones, applied under `migration`.
template <class Raw, class Change>
void Migrate(ActStore& store, const std::string& migration, Change change, std::vector<Raw> added)
{
    std::string error;
    std::vector<Raw> records;
    ASSERT_TRUE(store.ReadAll(records, error)) << error;
    for (Raw& record : records) {
        change(record);
        record.State = 2;
        record.Operation = 2;
    }
    for (Raw& record : added) {
        record.State = 2;
        record.Operation = 1;
        records.push_back(record);
    }
    ASSERT_TRUE(store.Apply(records, error, {}, migration)) << error;
}

// A store with two records of every kind, one of them with a text Windows-1252 cannot hold.
std::unique_ptr<ActStore> Filled(const std::string& pad)
{
    std::string error;
    auto store = ActStore::Create(pad, "chris", "secret", error);
    EXPECT_TRUE(store) << error;
    ActContactRec ann, bob;
    ann.FirstName = "Ann";
    ann.Company = "Acme";
    bob.FirstName = "Bob";
    ActCalendarRec review;
    review.Regarding = "Review";
    review.Start = 39500.375;
    ActTodoRec call;
    call.Regarding = "Call";
    ActNoteRec note;
    note.NoteText = "Budget";
    EXPECT_TRUE(store->Insert(std::vector{ann, bob}, error) && store->Insert(std::vector{review}, error) &&
                store->Insert(std::vector{call}, error) && store->Insert(std::vector{note}, error))
        << error;
    Exec(pad, "UPDATE contacts SET Title = 'Ma\xC3\xAEtre \xE2\x82\xAC \xE6\x9D\xB1' WHERE FirstName = 'Bob'");
    return store;
}

template <class Raw>
ActStore::UndoResult UndoKind(ActStore& store, const std::string& migration)
{
    ActStore::UndoResult result;
    std::string error;
    EXPECT_TRUE(store.Undo<Raw>(migration, result, error)) << error;
    return result;
}

TEST(ActJournal, UndoingAMigrationOfEveryKindRestoresTheStoreExactly)
{
    TempDir dir;
    const std::string pad = dir.Path() + "Undo.pad";
    auto store = Filled(pad);
    const std::string before = Snapshot(pad);

    ActContactRec dora;
    dora.FirstName = "Dora";
    Migrate<ActContactRec>(*store, "M1", [](ActContactRec& r) { r.Company = "Brix"; }, {dora});
    ActCalendarRec fair;
    fair.Regarding = "Fair";
    Migrate<ActCalendarRec>(*store, "M1", [](ActCalendarRec& r) { r.Location = "Room 2"; }, {fair});
    Migrate<ActTodoRec>(*store, "M1", [](ActTodoRec& r) { r.Regarding = "Call Bob"; }, {ActTodoRec{}});
    Migrate<ActNoteRec>(*store, "M1", [](ActNoteRec& r) { r.NoteText = "Budget 2009"; }, {ActNoteRec{}});
    ASSERT_NE(Snapshot(pad), before);

    const auto contacts = UndoKind<ActContactRec>(*store, "M1");
    EXPECT_EQ(contacts.Removed, 1u);
    EXPECT_EQ(contacts.Restored, 2u);
    EXPECT_EQ(contacts.Left, 0u);
    UndoKind<ActCalendarRec>(*store, "M1");
    UndoKind<ActTodoRec>(*store, "M1");
    UndoKind<ActNoteRec>(*store, "M1");
    EXPECT_EQ(Snapshot(pad), before) << "every field, the same record IDs, the added records gone";

    EXPECT_TRUE(UndoKind<ActContactRec>(*store, "M1").NothingToUndo) << "a second undo does nothing";
    EXPECT_TRUE(UndoKind<ActContactRec>(*store, "no such migration").NothingToUndo);
    std::vector<ActStore::Migration> migrations;
    std::string error;
    ASSERT_TRUE(store->Migrations(migrations, error)) << error;
    ASSERT_EQ(migrations.size(), 1u) << "samples are not a migration";
    EXPECT_EQ(migrations[0].Id, "M1");
    EXPECT_EQ(migrations[0].Added, (std::array<std::size_t, 4>{1, 1, 1, 1}));
    EXPECT_EQ(migrations[0].Updated, (std::array<std::size_t, 4>{2, 1, 1, 1}));
    EXPECT_TRUE(migrations[0].Undone);
}

TEST(ActJournal, ARecordChangedAfterTheMigrationIsLeftAsItIs)
{
    TempDir dir;
    const std::string pad = dir.Path() + "Changed.pad";
    auto store = Filled(pad);
    ActContactRec dora;
    dora.FirstName = "Dora";
    Migrate<ActContactRec>(*store, "M1", [](ActContactRec& r) { r.Company = "Brix"; }, {dora});
    Exec(pad, "UPDATE contacts SET Company = 'Edited in ACT!' WHERE FirstName = 'Ann'; "
              "UPDATE contacts SET Title = 'Edited' WHERE FirstName = 'Dora'");
    const auto result = UndoKind<ActContactRec>(*store, "M1");
    EXPECT_EQ(result.Left, 2u);
    EXPECT_EQ(result.Restored, 1u);  // Bob
    EXPECT_EQ(result.Removed, 0u);
    std::vector<ActContactRec> contacts;
    std::string error;
    ASSERT_TRUE(store->ReadAll(contacts, error)) << error;
    ASSERT_EQ(contacts.size(), 3u);
    EXPECT_EQ(contacts[0].Company, "Edited in ACT!");
    EXPECT_EQ(contacts[1].Company, "");
    EXPECT_EQ(contacts[2].Title, "Edited");
}

TEST(ActJournal, TheJournalKeepsTheLastMigrationsOnly)
{
    TempDir dir;
    const std::string pad = dir.Path() + "Cap.pad";
    auto store = Filled(pad);
    std::string error;
    ASSERT_TRUE(store->SetKeptMigrations(3, error)) << error;
    for (int i = 1; i <= 5; ++i)
        Migrate<ActNoteRec>(*store, "M" + std::to_string(i), [i](ActNoteRec& r) { r.NoteText = "v" + std::to_string(i); }, {});
    std::vector<ActStore::Migration> migrations;
    ASSERT_TRUE(store->Migrations(migrations, error)) << error;
    ASSERT_EQ(migrations.size(), 3u);
    EXPECT_EQ(migrations[0].Id, "M5");
    EXPECT_EQ(migrations[2].Id, "M3");
    EXPECT_TRUE(UndoKind<ActNoteRec>(*store, "M1").NothingToUndo) << "dropped from the journal";
    EXPECT_EQ(UndoKind<ActNoteRec>(*store, "M5").Restored, 1u);
    std::vector<ActNoteRec> notes;
    ASSERT_TRUE(store->ReadAll(notes, error)) << error;
    EXPECT_EQ(notes.at(0).NoteText, "v4");
    EXPECT_FALSE(store->SetKeptMigrations(0, error));
}

}  // namespace
}  // namespace velmora::testing
