// The ACT! helper killed at a random moment of its submission, fifty times per data type, or of
// an undo: the stand-in database stays intact and either unchanged or fully updated (or fully
// reverted), and the run reports the failure.
#include "connectors/act/CxACTAddrUtil.h"
#include "connectors/act/CxACTDateUtil.h"
#include "connectors/act/CxACTNoteUtil.h"
#include "connectors/act/CxACTTaskUtil.h"
#include "helpers/act/ActStore.h"

#include "model/CxDateTime.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <random>

namespace velmora::testing {
namespace {

using namespace connectors;
using namespace helpers;
using namespace model;

constexpr std::size_t kRecords = 40;
constexpr int kTrials = 50;

std::string IntegrityOf(const std::string& pad)
{
    sqlite3* db = nullptr;
    std::string result = "cannot open";
    if (sqlite3_open_v2(pad.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* check = nullptr;
        if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &check, nullptr) == SQLITE_OK &&
            sqlite3_step(check) == SQLITE_ROW)
            result = reinterpret_cast<const char*>(sqlite3_column_text(check, 0));
        sqlite3_finalize(check);
    }
    sqlite3_close(db);
    return result;
}

template <class Raw>
std::size_t StoredCount(const std::string& pad)
{
    std::string error;
    auto store = ActStore::Open(pad, error);
    std::vector<Raw> records;
    EXPECT_TRUE(store && store->ReadAll(records, error)) << error;
    return records.size();
}

CommAddrRec ContactNo(std::size_t i)
{
    CommAddrRec r;
    r.FirstName = "First" + std::to_string(i);
    r.LastName = "Last";
    r.Email = "p" + std::to_string(i) + "@example.org";
    return r;
}

CommDateRec EntryNo(std::size_t i)
{
    CommDateRec r;
    r.Subject = "Meeting " + std::to_string(i);
    r.Start = r.End = SystemTimeOf(MakeDate(2008, 3, 1 + static_cast<int>(i % 28), 9, 0));
    return r;
}

CommTaskRec TaskNo(std::size_t i)
{
    CommTaskRec r;
    r.Subject = "Task " + std::to_string(i);
    return r;
}

CommNoteRec NoteNo(std::size_t i)
{
    CommNoteRec r;
    r.Text = "Note " + std::to_string(i);
    return r;
}

template <class Connector, class Raw, class Make>
void KillDuringSubmission(Make make)
{
    TempDir dir;
    const std::string pad = dir.Path() + "Fault.pad";
    std::string error;
    ASSERT_TRUE(ActStore::Create(pad, "chris", "secret", error)) << error;
    std::mt19937 random(20261210);
    std::size_t stored = 0;
    for (int trial = 0; trial < kTrials; ++trial) {
        Connector connector;
        connector.SetWorkFolder(dir.Path());
        connector.DatabasePath = pad;
        connector.UserName = "chris";
        connector.Password = "secret";
        ASSERT_TRUE(connector.Load() && !connector.HasError()) << connector.GetErrorText();
        for (std::size_t i = 0; i < kRecords; ++i) {
            const auto record = make(static_cast<std::size_t>(trial) * kRecords + i);
            connector.SubmitOne(&record, false);
        }
        // The helper goes through every record of the data file (only what this run added or
        // changed: the new ones); killed after 0 to all of them and 5 more: the last ones let a
        // submission finish.
        const std::size_t inFile = kRecords;
        const std::size_t killAfter = std::uniform_int_distribution<std::size_t>(0, inFile + 5)(random);
        const ScopedEnv kill("VELMORA_ACT_HELPER_KILL_AFTER", std::to_string(killAfter).c_str());
        const bool submitted = connector.Submit() && !connector.HasError();
        ASSERT_EQ(IntegrityOf(pad), "ok") << "trial " << trial;
        const std::size_t now = StoredCount<Raw>(pad);
        if (killAfter <= inFile) {  // the last record is gone through before the commit
            EXPECT_FALSE(submitted) << "trial " << trial;
            EXPECT_NE(connector.GetErrorText().find("ended abnormally (signal SIGKILL)"), std::string::npos)
                << connector.GetErrorText();
            EXPECT_EQ(now, stored) << "a killed submission changes nothing, trial " << trial;
        } else {
            EXPECT_TRUE(submitted) << connector.GetErrorText();
            EXPECT_EQ(now, stored + kRecords) << "trial " << trial;
        }
        stored = now;
    }
}

TEST(ActFaultInjection, ContactsAreIntactAndUnchangedOrFullyUpdated)
{
    KillDuringSubmission<CxACTAddrUtil, ActContactRec>(ContactNo);
}

TEST(ActFaultInjection, CalendarEntriesAreIntactAndUnchangedOrFullyUpdated)
{
    KillDuringSubmission<CxACTDateUtil, ActCalendarRec>(EntryNo);
}

TEST(ActFaultInjection, TasksAreIntactAndUnchangedOrFullyUpdated)
{
    KillDuringSubmission<CxACTTaskUtil, ActTodoRec>(TaskNo);
}

TEST(ActFaultInjection, NotesAreIntactAndUnchangedOrFullyUpdated)
{
    KillDuringSubmission<CxACTNoteUtil, ActNoteRec>(NoteNo);
}

TEST(ActFaultInjection, AnUndoIsWholeOrNotAtAll)
{
    TempDir dir;
    const std::string pad = dir.Path() + "Undo.pad";
    std::string error;
    ASSERT_TRUE(ActStore::Create(pad, "chris", "secret", error)) << error;
    std::mt19937 random(20261211);
    for (int trial = 0; trial < 10; ++trial) {
        CxACTAddrUtil connector;
        connector.SetWorkFolder(dir.Path());
        connector.DatabasePath = pad;
        connector.UserName = "chris";
        connector.Password = "secret";
        connector.MigrationId = "M" + std::to_string(trial);
        ASSERT_TRUE(connector.Load()) << connector.GetErrorText();
        const std::size_t before = StoredCount<ActContactRec>(pad);
        for (std::size_t i = 0; i < kRecords; ++i) {
            const CommAddrRec record = ContactNo(static_cast<std::size_t>(trial) * kRecords + i);
            connector.SubmitOne(&record, false);
        }
        ASSERT_TRUE(connector.Submit() && !connector.HasError()) << connector.GetErrorText();
        const std::size_t killAfter = std::uniform_int_distribution<std::size_t>(0, kRecords + 5)(random);
        ActUndoCounts counts;
        bool undone = false;
        {
            const ScopedEnv kill("VELMORA_ACT_HELPER_KILL_AFTER", std::to_string(killAfter).c_str());
            undone = connector.UndoMigration(counts);
        }
        ASSERT_EQ(IntegrityOf(pad), "ok") << "trial " << trial;
        const std::size_t now = StoredCount<ActContactRec>(pad);
        if (killAfter <= kRecords) {  // the last record is taken back before the commit
            EXPECT_FALSE(undone) << "trial " << trial;
            EXPECT_EQ(now, before + kRecords) << "a killed undo changes nothing, trial " << trial;
            ASSERT_TRUE(connector.UndoMigration(counts)) << connector.GetErrorText();  // the next one does it all
        } else {
            EXPECT_TRUE(undone) << connector.GetErrorText();
            EXPECT_EQ(counts.Removed, kRecords);
        }
        EXPECT_EQ(StoredCount<ActContactRec>(pad), before) << "trial " << trial;
    }
}

}  // namespace
}  // namespace velmora::testing
