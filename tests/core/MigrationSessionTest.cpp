// The loading and submission steps against the real stand-in helpers, seen through the UI host.
#include "core/LoadAndCompare.h"
#include "core/MigrateToTarget.h"
#include "core/SessionManagers.h"
#include "core/UndoMigration.h"

#include "connectors/act/CxACTDateUtil.h"
#include "helpers/act/ActStore.h"
#include "support/RecordingUiHost.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <algorithm>
#include <filesystem>

using namespace velmora;
using namespace velmora::core;
using velmora::testing::ReadFile;
using velmora::testing::RecordingUiHost;
using velmora::testing::WriteFile;

namespace {

bool Called(const RecordingUiHost& ui, const std::string& call)
{
    return std::find(ui.Calls.begin(), ui.Calls.end(), call) != ui.Calls.end();
}

class MigrationSession : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(GetDataFolder(app.DataFolder));
        std::string error;
        auto store = helpers::ActStore::Create(pad, "demo", "demo", error);
        ASSERT_TRUE(store) << error;
        helpers::ActContactRec ann;
        ann.FirstName = "Ann";
        ann.LastName = "Lee";
        ann.FullName = "Ann Lee";
        ann.BusinessEmail = "ann@acme.example";
        ann.Company = "Acme";
        helpers::ActCalendarRec review;
        review.Regarding = "Review";
        review.Start = review.End = 39514.375;  // 7 March 2008 09:00
        ASSERT_TRUE(store->Insert(std::vector{ann}, error) && store->Insert(std::vector{review}, error)) << error;

        const std::string account = app.DataFolder + "GoogleAccounts/demo@example.org/";
        WriteFile(account + "password", "g\n");
        WriteFile(account + "contacts.vcf", "BEGIN:VCARD\nVERSION:3.0\nFN:Ann Lee\nN:Lee;Ann;;;\n"
                                            "EMAIL;TYPE=WORK:ann@acme.example\nORG:Acme\nEND:VCARD\n"
                                            "BEGIN:VCARD\nVERSION:3.0\nFN:Bo Wu\nN:Wu;Bo;;;\nEND:VCARD\n");
        WriteFile(account + "cal.ics", "BEGIN:VCALENDAR\nVERSION:2.0\nBEGIN:VEVENT\nDTSTART:20080307T090000\n"
                                       "DTEND:20080307T090000\nSUMMARY:Review\nLOCATION:Room 2\nEND:VEVENT\nEND:VCALENDAR\n");
        AppSettings& s = app.Settings;
        s.SourceApp = AppType::Google;
        s.ACTPadName = pad;
        s.ACTUserName = "demo";
        s.ACTPassword.Plain = "demo";
        s.GGEmail = "demo@example.org";
        s.GGPassword.Plain = "g";
    }

    void SelectChanged()
    {
        Session& session = app.Session;
        session.SelectedAddr.Clear(false);
        session.SelectedDate.Clear(false);
        for (std::size_t i = 0; i < ContactsOf(session, AppType::Google)->Count(); ++i) {
            if (ContactsOf(session, AppType::Google)->At(i)->Status != 0)
                session.SelectedAddr.Append(ContactsOf(session, AppType::Google)->At(i));
        }
        for (std::size_t i = 0; i < CalendarOf(session, AppType::Google)->Count(); ++i) {
            if (CalendarOf(session, AppType::Google)->At(i)->Status != 0)
                session.SelectedDate.Append(CalendarOf(session, AppType::Google)->At(i));
        }
    }

    velmora::testing::TempDir padFolder;
    AppContext app;
    RecordingUiHost ui;
    std::string pad = padFolder.Path() + "Demo.pad";
};

TEST_F(MigrationSession, LoadingMarksTheSourceAndASecondRoundFindsEverythingMigrated)
{
    ASSERT_TRUE(LoadAndCompare(app, ui, nullptr, AppType::Google, AppType::Act));
    EXPECT_EQ(ui.Calls.front(), "wait start");
    EXPECT_TRUE(Called(ui, "wait text Loading ACT! Todos and Opportunities ..."));
    EXPECT_TRUE(Called(ui, "wait watch " + app.DataFolder + "GAddrStatus.dat"));
    EXPECT_EQ(ui.PausedMilliseconds % 200, 0);
    const auto* contacts = ContactsOf(app.Session, AppType::Google);
    ASSERT_EQ(contacts->Count(), 2u);
    EXPECT_EQ(contacts->At(0)->Status, model::RecStatus::Same);
    EXPECT_EQ(contacts->At(0)->MatchedRec, ContactsOf(app.Session, AppType::Act)->At(0));
    EXPECT_EQ(contacts->At(1)->Status, model::RecStatus::New);
    EXPECT_EQ(CalendarOf(app.Session, AppType::Google)->At(0)->Status, model::RecStatus::Different);

    SelectChanged();
    ui.Calls.clear();
    ASSERT_TRUE(MigrateToTarget(app, ui, nullptr, AppType::Act));
    EXPECT_TRUE(Called(ui, "wait text Migrating information to ACT! ..."));
    const std::string log = ReadFile(app.DataFolder + "VLLog.txt");
    EXPECT_EQ(log.rfind("Migrating information to ACT! ...\r\n\r\nMigrating Contact item:\r\n\tDisplay Name: Bo Wu", 0), 0u) << log;
    EXPECT_NE(log.find("\tSubject: Review\r\n\tLocation: Room 2\r\n"), std::string::npos);
    EXPECT_NE(log.find("Migrating information to ACT! completed successfully.\r\n"), std::string::npos);

    // Leaving the option page again reloads everything and recomputes every mark.
    ASSERT_TRUE(LoadAndCompare(app, ui, nullptr, AppType::Google, AppType::Act));
    EXPECT_EQ(ContactsOf(app.Session, AppType::Act)->Count(), 2u);
    for (std::size_t i = 0; i < 2; ++i)
        EXPECT_EQ(ContactsOf(app.Session, AppType::Google)->At(i)->Status, model::RecStatus::Same) << i;
    EXPECT_EQ(CalendarOf(app.Session, AppType::Google)->At(0)->Status, model::RecStatus::Same);
}

TEST_F(MigrationSession, WithOnlyNotesTheGoogleLoaderLoadsNothingAndSucceeds)
{
    app.Settings.SyncAddr = app.Settings.SyncDate = app.Settings.SyncTask = false;
    ASSERT_TRUE(LoadAndCompare(app, ui, nullptr, AppType::Google, AppType::Act));
    EXPECT_TRUE(Called(ui, "wait text Loading ACT! Notes ..."));
    EXPECT_TRUE(Called(ui, "wait text Loading information from Google account ..."));
    EXPECT_FALSE(Called(ui, "wait text Loading Google Contacts ..."));
    EXPECT_EQ(ContactsOf(app.Session, AppType::Google), nullptr);
    EXPECT_NE(NotesOf(app.Session, AppType::Act), nullptr);
}

TEST_F(MigrationSession, AFailingLoadStopsWithItsMessage)
{
    app.Settings.GGPassword.Plain = "wrong";
    EXPECT_FALSE(LoadAndCompare(app, ui, nullptr, AppType::Google, AppType::Act));
    EXPECT_EQ(ui.Calls.back(), "message Error|Loading Google Contacts Error: Invalid account name or password for the "
                               "Google account demo@example.org.|error");
    EXPECT_TRUE(Called(ui, "wait stop"));
    const auto* calendar = CalendarOf(app.Session, AppType::Google);
    EXPECT_TRUE(calendar == nullptr || calendar->Count() == 0) << "later data types are not loaded";
    for (const char* left : {"GDateParam.dat", "GDate.dat"})
        EXPECT_FALSE(std::filesystem::exists(app.DataFolder + left)) << left;
    EXPECT_EQ(ContactsOf(app.Session, AppType::Act)->Count(), 1u) << "ACT! keeps what it loaded";

    ui.Calls.clear();
    app.Settings.ACTPassword.Plain = "wrong";
    EXPECT_FALSE(LoadAndCompare(app, ui, nullptr, AppType::Google, AppType::Act));
    EXPECT_EQ(ui.Calls.back(), "message Error|Loading ACT! Contacts Error: Invalid user name or password for the ACT! database.|error");
    EXPECT_FALSE(Called(ui, "wait text Loading information from Google account ..."));
}

TEST_F(MigrationSession, SourcesWithoutTheirDataFailWithTheirOwnMessage)
{
    // No Outlook data file: as on a computer without Outlook.
    EXPECT_FALSE(LoadAndCompare(app, ui, nullptr, AppType::Outlook, AppType::Act));
    EXPECT_TRUE(Called(ui, "wait text Loading information from Outlook ..."));
    EXPECT_EQ(ui.Calls.back(), "message Error|Failed to load Outlook Contacts information.|error");
    ui.Calls.clear();
    app.Settings.LNAddrName = app.DataFolder + "names.nsf";
    EXPECT_FALSE(LoadAndCompare(app, ui, nullptr, AppType::LotusNotes, AppType::Act));
    EXPECT_EQ(ui.Calls.back(), "message Error|Loading Lotus Notes Contacts Error: The Lotus Notes database " + app.DataFolder +
                                   "names.nsf cannot be found.|error");
}

TEST_F(MigrationSession, NothingSelectedRunsNoHelperAndLogsASuccessfulRun)
{
    ASSERT_TRUE(LoadAndCompare(app, ui, nullptr, AppType::Google, AppType::Act));
    ui.Calls.clear();
    ASSERT_TRUE(MigrateToTarget(app, ui, nullptr, AppType::Act));
    for (const std::string& call : ui.Calls)
        EXPECT_EQ(call.find("wait watch"), std::string::npos) << call;
    EXPECT_EQ(ReadFile(app.DataFolder + "VLLog.txt"),
              "Migrating information to ACT! ...\r\n\r\nMigrating information to ACT! completed successfully.\r\n");
    EXPECT_FALSE(MigrateToTarget(app, ui, nullptr, AppType::Google)) << "only ACT! is a target";
}

TEST_F(MigrationSession, IdenticalRecordsAreLoggedButNotSentAndAFailedCalendarEndsTheRun)
{
    ASSERT_TRUE(LoadAndCompare(app, ui, nullptr, AppType::Google, AppType::Act));
    Session& session = app.Session;
    session.SelectedAddr.Append(ContactsOf(session, AppType::Google)->At(0));  // identical to ACT!'s Ann
    session.SelectedAddr.Append(ContactsOf(session, AppType::Google)->At(1));
    session.SelectedDate.Append(CalendarOf(session, AppType::Google)->At(0));
    // The calendar entry goes away in ACT! before the run: its update cannot be applied.
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(pad.c_str(), &db), SQLITE_OK);
    sqlite3_exec(db, "DELETE FROM calendar", nullptr, nullptr, nullptr);
    sqlite3_close(db);

    ui.Calls.clear();
    EXPECT_FALSE(MigrateToTarget(app, ui, nullptr, AppType::Act));
    ASSERT_FALSE(ui.Calls.empty());
    EXPECT_EQ(ui.Calls.back().rfind("message Error|Failed to submit Calendar changes to ACT!, Error=Nothing was changed", 0), 0u)
        << ui.Calls.back();
    const std::string log = ReadFile(app.DataFolder + "VLLog.txt");
    EXPECT_NE(log.find("Display Name: Ann Lee"), std::string::npos);
    EXPECT_NE(log.find("Display Name: Bo Wu"), std::string::npos);
    EXPECT_EQ(log.find("Migrating Calendar item:"), std::string::npos) << "the calendar entry was not migrated";
    EXPECT_NE(log.find("Failed to migrate Calendar items:\r\n\tError: Nothing was changed"), std::string::npos) << log;
    EXPECT_NE(log.find("\tRecords not migrated: 1\r\n"), std::string::npos) << log;
    EXPECT_EQ(log.find("completed successfully"), std::string::npos);
    EXPECT_EQ(session.Migrated, (std::array<std::size_t, 4>{2, 0, 0, 0})) << "only what was submitted counts";

    std::string error;
    auto store = helpers::ActStore::Open(pad, error);
    std::vector<helpers::ActContactRec> contacts;
    ASSERT_TRUE(store->ReadAll(contacts, error));
    EXPECT_EQ(contacts.size(), 2u) << "the contacts went through; Ann was not sent again";

    // What landed is taken back; the calendar part has nothing to undo.
    UndoOutcome outcome;
    ASSERT_TRUE(UndoMigration(app, ui, nullptr, session.LastMigration, outcome));
    EXPECT_EQ(outcome.Kinds[0].Removed, 1u);
    EXPECT_TRUE(outcome.Kinds[1].NothingToUndo);
    EXPECT_EQ(ui.Calls.back(), "message Undo Migration|The migration was undone. Removed: 1 contact.|information");
    store = helpers::ActStore::Open(pad, error);
    ASSERT_TRUE(store->ReadAll(contacts, error));
    EXPECT_EQ(contacts.size(), 1u) << "Bo, added by the migration, is gone again";
    EXPECT_NE(ReadFile(app.DataFolder + "VLLog.txt").find("\tContacts removed: 1\r\n"), std::string::npos);
}

}  // namespace

namespace {

// A connector whose helper delivers data and reports an error all the same.
class DeliveringConnector : public connectors::HelperConnector {
public:
    DeliveringConnector()
        : HelperConnector({"CxTestCommon"}, "velmora-fake-helper", {"T.dat", "TParam.dat", "TErr.dat", "TStatus.dat", ""})
    {
    }
    bool Load() override { return RunHelper(connectors::HelperMode::Load); }

protected:
    void AddParams(connectors::ParamParser&) const override {}
};

TEST(LoadThroughHelper, AReportedErrorFailsTheLoadEvenWithData)
{
    velmora::testing::TempDir work;
    ::setenv("VELMORA_FAKE_HELPER", ("error:" + work.Path() + "TErr.dat").c_str(), 1);
    DeliveringConnector connector;
    connector.SetWorkFolder(work.Path());
    RecordingUiHost ui;
    std::string error;
    EXPECT_FALSE(LoadThroughHelper(connector, ui, work.Path() + "TStatus.dat", error));
    ::unsetenv("VELMORA_FAKE_HELPER");
    EXPECT_EQ(error, "Quota exceeded");
}

}  // namespace
