// The ACT! connectors against the real stand-in helper programs and a stand-in database.
#include "connectors/act/CxACTAddrUtil.h"
#include "connectors/act/CxACTDateUtil.h"
#include "connectors/act/CxACTNoteUtil.h"
#include "connectors/act/CxACTTaskUtil.h"
#include "helpers/act/ActStore.h"

#include "platform/ConsoleUiHost.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <filesystem>

using namespace velmora::connectors;
using namespace velmora::helpers;
using namespace velmora::model;
using velmora::testing::ReadFile;
using velmora::testing::TempDir;
using velmora::testing::WriteFile;

namespace {

ActContactRec ActPerson(const char* first, const char* last, const char* email, const char* company)
{
    ActContactRec r;
    r.FirstName = first;
    r.LastName = last;
    r.FullName = std::string(first) + " " + last;
    r.BusinessEmail = email;
    r.Company = company;
    r.BusinessPhone = "555-0100";
    r.BusinessPhoneExtension = "12";
    return r;
}

CommAddrRec Person(const char* first, const char* last, const char* email, const char* company)
{
    CommAddrRec r;
    r.FirstName = first;
    r.LastName = last;
    r.Email = email;
    r.Company = company;
    r.SourceType = RecordSource::Outlook;
    return r;
}

class ActRoundTrip : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string error;
        auto store = ActStore::Create(pad, "chris", "secret", error);
        ASSERT_TRUE(store) << error;
        ASSERT_TRUE(store->Insert(std::vector{ActPerson("Ann", "Lee", "ann@acme.example", "Acme"),
                                              ActPerson("Bob", "Marsh", "bob@brix.example", "Brix")},
                                  error))
            << error;
    }

    template <class Connector>
    void Prepare(Connector& connector, const char* password = "secret")
    {
        connector.SetWorkFolder(work.Path());
        connector.DatabasePath = pad;
        connector.UserName = "Chris";
        connector.Password = password;
    }

    template <class Raw>
    std::vector<Raw> Stored()
    {
        std::string error;
        auto store = ActStore::Open(pad, error);
        std::vector<Raw> records;
        EXPECT_TRUE(store && store->ReadAll(records, error)) << error;
        return records;
    }

    TempDir work;
    const std::string pad = work.Path() + "Contacts.pad";
};

TEST_F(ActRoundTrip, LoadMergeAppendSubmitAndLoadAgain)
{
    CxACTAddrUtil connector;
    Prepare(connector);
    ASSERT_TRUE(connector.Load()) << connector.GetErrorText();
    EXPECT_FALSE(connector.HasError());
    ASSERT_EQ(connector.GetManager().Count(), 2u);
    const CommAddrRec& ann = *connector.GetManager().At(0);
    EXPECT_EQ(ann.WorkPhone, "555-0100x12");
    EXPECT_EQ(ann.SourceType, RecordSource::Act);
    ASSERT_TRUE(ann.SourceData.Get<ActContactRec>());
    EXPECT_EQ(ann.SourceData.Get<ActContactRec>()->RecordId, connector.RawAt(0).RecordId);
    EXPECT_EQ(velmora::platform::ReadStatusLine(work.Path() + "ACTAddrStatus.dat"), "Reading contacts 2 of 2");

    const CommAddrRec bobSame = *connector.GetManager().At(1);  // as a source would hand it back
    CommAddrRec annChanged = Person("ann", "LEE", "Ann@Acme.example", "Acme Corporation");
    annChanged.Title = "CEO";
    const CommAddrRec carla = Person("Carla", "Diaz", "carla@acme.example", "Acme");
    EXPECT_TRUE(connector.SubmitOne(&carla, false));
    EXPECT_TRUE(connector.SubmitOne(&annChanged, false));
    EXPECT_FALSE(connector.SubmitOne(&bobSame, false)) << "identical records are not sent";
    EXPECT_EQ(connector.RawAt(2).Operation, 1);
    EXPECT_EQ(connector.RawAt(0).Operation, 2);
    EXPECT_EQ(connector.RawAt(1).State, 0);
    EXPECT_EQ(connector.GetManager().At(0)->Company, "Acme Corporation");

    ASSERT_TRUE(connector.Submit());
    ASSERT_FALSE(connector.HasError()) << connector.GetErrorText();
    const auto stored = Stored<ActContactRec>();
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_EQ(stored[0].Company, "Acme Corporation");
    EXPECT_EQ(stored[0].Title, "CEO");
    EXPECT_EQ(stored[0].BusinessPhone, "555-0100") << "values the source lacks stay in ACT!";
    EXPECT_EQ(stored[0].BusinessPhoneExtension, "12");
    EXPECT_EQ(stored[0].FirstName, "ann");
    EXPECT_EQ(stored[1].Company, "Brix");
    EXPECT_EQ(stored[2].FirstName, "Carla");
    EXPECT_FALSE(stored[2].RecordId.empty());
    EXPECT_NE(stored[2].RecordId, stored[0].RecordId);

    // A second submission in the same run sends nothing again.
    EXPECT_EQ(connector.RawAt(2).State, 0);
    ASSERT_TRUE(connector.Submit());
    EXPECT_EQ(Stored<ActContactRec>().size(), 3u);

    ASSERT_TRUE(connector.Load());
    EXPECT_EQ(connector.GetManager().Count(), 3u);
    EXPECT_EQ(connector.GetManager().At(2)->Email, "carla@acme.example");
}

TEST_F(ActRoundTrip, TwoSourceRecordsWithOneKeyBecomeOneAddedRecord)
{
    CxACTAddrUtil connector;
    Prepare(connector);
    ASSERT_TRUE(connector.Load());
    const CommAddrRec first = Person("Dan", "Ho", "dan@example.org", "");
    CommAddrRec second = first;
    second.Company = "Ho Consulting";
    EXPECT_TRUE(connector.SubmitOne(&first, false));
    EXPECT_TRUE(connector.SubmitOne(&second, false));
    ASSERT_EQ(connector.Count(), 3u);
    EXPECT_EQ(connector.RawAt(2).Operation, 1) << "still to be added, not an update of a record ACT! lacks";
    ASSERT_TRUE(connector.Submit());
    ASSERT_FALSE(connector.HasError()) << connector.GetErrorText();
    const auto stored = Stored<ActContactRec>();
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_EQ(stored[2].Company, "Ho Consulting");
}

TEST_F(ActRoundTrip, ASubmissionThatFailsPartWayChangesNothing)
{
    CxACTAddrUtil connector;
    Prepare(connector);
    ASSERT_TRUE(connector.Load());
    const CommAddrRec carla = Person("Carla", "Diaz", "carla@acme.example", "Acme");
    const CommAddrRec bobChanged = Person("Bob", "Marsh", "bob@brix.example", "Brix Holdings");
    connector.SubmitOne(&carla, false);
    connector.SubmitOne(&bobChanged, false);
    // Someone deletes Bob in ACT! meanwhile.
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(pad.c_str(), &db), SQLITE_OK);
    sqlite3_exec(db, "DELETE FROM contacts WHERE FirstName = 'Bob'", nullptr, nullptr, nullptr);
    sqlite3_close(db);

    ASSERT_TRUE(connector.Submit());
    EXPECT_TRUE(connector.HasError());
    EXPECT_NE(connector.GetErrorText().find("Nothing was changed"), std::string::npos) << connector.GetErrorText();
    const auto stored = Stored<ActContactRec>();
    ASSERT_EQ(stored.size(), 1u) << "Carla was not added either";
    EXPECT_EQ(connector.RawAt(2).State, 2) << "the changes stay marked for another try";
}

TEST_F(ActRoundTrip, LoginAndDatabaseFailuresComeBackAsErrors)
{
    WriteFile(work.Path() + "notes.txt", "plain text, not a database");
    const struct {
        std::string database;
        const char* password;
        std::string error;
    } cases[] = {
        {pad, "wrong", "Invalid user name or password for the ACT! database."},
        {work.Path() + "missing.pad", "secret", "The ACT! database " + work.Path() + "missing.pad does not exist."},
        {work.Path() + "notes.txt", "secret", "The file " + work.Path() + "notes.txt is not an ACT! database."},
    };
    for (const auto& c : cases) {
        CxACTAddrUtil connector;
        Prepare(connector, c.password);
        connector.DatabasePath = c.database;
        EXPECT_FALSE(connector.Load());
        EXPECT_TRUE(connector.HasError());
        EXPECT_EQ(connector.GetErrorText(), c.error);
        EXPECT_EQ(connector.GetManager().Count(), 0u);
    }
}

// A database another program holds is waited for, then refused as in use; one nobody may write
// is refused before anything is tried.
TEST_F(ActRoundTrip, ALockedOrReadOnlyDatabaseIsAClearError)
{
    sqlite3* holder = nullptr;
    ASSERT_EQ(sqlite3_open(pad.c_str(), &holder), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(holder, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    CxACTAddrUtil locked;
    Prepare(locked);
    EXPECT_FALSE(locked.Load());
    EXPECT_EQ(locked.GetErrorText(), "The ACT! database is in use by another program.");
    sqlite3_exec(holder, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(holder);

    const std::string readOnly = work.Path() + "ReadOnly.pad";
    std::filesystem::copy_file(pad, readOnly);
    std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    CxACTAddrUtil connector;
    Prepare(connector);
    connector.DatabasePath = readOnly;
    EXPECT_FALSE(connector.Load());
    EXPECT_EQ(connector.GetErrorText(), "The ACT! database " + readOnly + " is read-only.");
}

TEST_F(ActRoundTrip, CalendarTodosAndNotesRoundTrip)
{
    CxACTDateUtil calendar;
    CxACTTaskUtil todos;
    CxACTNoteUtil notes;
    Prepare(calendar);
    Prepare(todos);
    Prepare(notes);
    todos.SetOpportunities(false);
    ASSERT_TRUE(calendar.Load() && todos.Load() && notes.Load()) << calendar.GetErrorText() << todos.GetErrorText();
    EXPECT_EQ(calendar.GetManager().Count() + todos.GetManager().Count() + notes.GetManager().Count(), 0u);

    CommDateRec entry;
    entry.Subject = "Review";
    entry.Start = {2008, 3, 5, 7, 9, 0, 0, 0};
    entry.End = {2008, 3, 5, 7, 10, 0, 0, 0};
    entry.Recurrence.Kind = 2;
    entry.Recurrence.Interval = 2;
    entry.Recurrence.Weekdays = 2 | 8;
    CommTaskRec task;
    task.Subject = "Call Bob";
    task.Priority = 1;
    CommNoteRec note;
    note.Subject = "Plans";
    note.Text = "Ship in May";
    EXPECT_TRUE(calendar.SubmitOne(&entry, true));
    EXPECT_TRUE(todos.SubmitOne(&task, true));
    EXPECT_TRUE(notes.SubmitOne(&note, true));
    EXPECT_FALSE(calendar.HasError() || todos.HasError() || notes.HasError())
        << calendar.GetErrorText() << todos.GetErrorText() << notes.GetErrorText();

    ASSERT_TRUE(calendar.Load() && todos.Load() && notes.Load());
    ASSERT_EQ(calendar.GetManager().Count(), 1u);
    EXPECT_EQ(calendar.GetManager().At(0)->Recurrence.Weekdays, 2 | 8);
    EXPECT_EQ(calendar.GetManager().At(0)->Start.Hour, 9);
    ASSERT_EQ(todos.GetManager().Count(), 1u);
    EXPECT_EQ(todos.GetManager().At(0)->Priority, 1);
    EXPECT_EQ(todos.RawAt(0).Priority, 0);
    ASSERT_EQ(notes.GetManager().Count(), 1u);
    EXPECT_EQ(notes.GetManager().At(0)->Text, "Ship in May");
    EXPECT_EQ(notes.GetManager().At(0)->Subject, "") << "ACT! notes have no subject";
}

}  // namespace
