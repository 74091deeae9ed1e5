// The Lotus Notes connectors: their parameter tables, the helper's folder, the conversions, and
// whole loads through the stand-in helpers from each kind of Notes export.
#include "connectors/lotus/CxLNAddrUtil.h"
#include "connectors/lotus/CxLNDateUtil.h"

#include "model/CxDateTime.h"
#include "platform/Folders.h"
#include "support/FixedZone.h"
#include "support/LoggedFiles.h"
#include "support/ScopedEnv.h"
#include "support/SharedFixture.h"

#include <gtest/gtest.h>

namespace velmora::testing {
namespace {

using namespace connectors;
using model::MakeDate;

class LotusConnectors : public LoggedFiles {
protected:
    template <class C>
    void Prepare(C& c)
    {
        c.SetWorkFolder(Folder());
        c.SetLogFolder(Folder());
        c.SetLogEnabled(true);
    }
};

TEST_F(LotusConnectors, ParameterTablesOfTheFourConnectors)
{
    CxLNAddrUtil addr;
    CxLNDateUtil date;
    CxLNTaskUtil task;
    CxLNNoteUtil note;
    addr.AddressBook = "Primary1/Org1!!names.nsf";
    for (CxLNBaseUtil* c : std::initializer_list<CxLNBaseUtil*>{&date, &task, &note})
        c->DatabaseName = "mail/jd.nsf";
    note.DatabaseName = "notebook.nsf";
    const struct {
        const char* name;
        HelperConnector* connector;
        const char* data;
        const char* database1008;
        const char* addressBook1009;
    } cases[] = {
        {"contacts", &addr, "LNAddr.dat", nullptr, "Primary1/Org1!!names.nsf"},
        {"calendar", &date, "LNDate.dat", "mail/jd.nsf", nullptr},
        {"to-dos", &task, "LNTask.dat", "mail/jd.nsf", nullptr},
        {"notebook", &note, "LNNote.dat", "notebook.nsf", nullptr},
    };
    for (const auto& k : cases) {
        k.connector->SetWorkFolder("/data/");
        k.connector->SetLogFolder("/logs/");
        k.connector->SetLogLevel(2);
        k.connector->SetLogEnabled(true);
        static_cast<CxLNBaseUtil*>(k.connector)->IdFile = "/notes/user.id";
        const ParamParser p = k.connector->Parameters();
        for (int empty : {1000, 1001, 1002})
            EXPECT_EQ(p.Get(empty), "") << k.name;
        EXPECT_EQ(p.Get(1003), k.data) << k.name;
        EXPECT_EQ(p.Get(1004), "/data/") << k.name;
        EXPECT_EQ(p.Get(1006).value_or("").substr(0, 2), "LN") << k.name;
        EXPECT_EQ(p.Get(1008), k.database1008 ? std::optional<std::string>(k.database1008) : std::nullopt) << k.name;
        EXPECT_EQ(p.Get(1009), k.addressBook1009 ? std::optional<std::string>(k.addressBook1009) : std::nullopt) << k.name;
        EXPECT_EQ(p.Get(1010), "/logs/") << k.name;
        EXPECT_EQ(p.Get(1011), "appdebug.log") << k.name;
        EXPECT_EQ(p.Get(1012), "2") << k.name;
        EXPECT_EQ(p.Get(1013), "1") << k.name;
        EXPECT_EQ(p.Get(1014), "/notes/user.id") << k.name;
    }
}

TEST_F(LotusConnectors, TheHelperRunsInTheNotesFolderOrInOurs)
{
    const std::string notes = Folder() + "Lotus/Notes/";
    std::filesystem::create_directories(notes);
    Put("notes.reg", "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Lotus\\Notes]\r\n\"Path\"=\"" + notes + "\"\r\n");
    for (const bool registered : {true, false}) {
        const ScopedEnv registry("VELMORA_REGISTRY", (Folder() + (registered ? "notes.reg" : "none.reg")).c_str());
        CxLNNoteUtil note;
        Prepare(note);
        note.DatabaseName = Folder() + "missing.nsf";
        EXPECT_FALSE(note.Load() && !note.HasError());
        EXPECT_EQ(note.GetErrorText(), "The Lotus Notes database " + Folder() + "missing.nsf cannot be found.");
        const std::string folder = registered ? notes : platform::ProgramFolder();
        EXPECT_TRUE(Logged("Get Lotus Notes Path: " + std::string(registered ? notes : "") + "\r\n")) << registered;
        EXPECT_TRUE(Logged("Set current directory: " + folder + "\r\n")) << registered;
    }
}

TEST_F(LotusConnectors, ContactConversion)
{
    LNContactRec r;
    r.HomePhone = "555-0101";
    r.AssistantPhone = "third@example.org";
    r.BusinessEmail2 = "second-work@example.org";
    r.PersonalEmail2 = "second-home@example.org";
    r.WebSite = "https://example.org";
    r.CustomValues[0] = std::string(80, 'v');
    r.CustomLabels[0] = "Region";
    r.Id = "0A1B";
    std::array<int, 10> keys{};
    keys[3] = 45;  // "Custom Field 1": no value
    keys[4] = 41;  // "Web Site"
    keys[5] = 1;   // "ID": no value
    keys[6] = 53;  // a date: no value
    const model::CommAddrRec c = ToCommon(r, keys);
    EXPECT_EQ(c.HomePhone, "555-0101");
    EXPECT_TRUE(c.WorkPhone.empty() && c.MobilePhone.empty() && c.PrimaryPhone.empty());
    EXPECT_EQ(c.Email3, "third@example.org") << "key 15 is the third e-mail";
    EXPECT_TRUE(c.Email.empty() && c.Email2.empty()) << "keys 16 and 17 never reach the common record";
    EXPECT_EQ(c.MappedCustom[3], "");
    EXPECT_EQ(c.MappedCustom[4], "https://example.org");
    EXPECT_EQ(c.MappedCustom[5], "");
    EXPECT_EQ(c.MappedCustom[6], "");
    EXPECT_EQ(c.Custom[0].size(), 63u);
    EXPECT_EQ(r.CustomValues[0].size(), 80u) << "kept whole in the raw record";
    EXPECT_EQ(c.CustomLabel[0], "Region");
    EXPECT_EQ(c.SourceType, 9);
    EXPECT_EQ(CxLNAddrUtil::FieldCount(), 54u);
    EXPECT_STREQ(CxLNAddrUtil::FieldLabelAt(14), "Assistant Phone");
    EXPECT_STREQ(CxLNAddrUtil::FieldLabelAt(54), "N/A");
    EXPECT_EQ(CxLNAddrUtil::FindField(51)->Size, 4096);
}

TEST_F(LotusConnectors, EventAndTodoConversion)
{
    const struct {
        const char* name;
        const char* flag;
        const char* unit;
        const char* value;
        model::RecurrenceRule expected;
    } cases[] = {
        {"weekly 42", "1", "W", "42", {.Kind = 2, .Interval = 2, .Weekdays = 42}},
        {"yearly from the start", "1", "Y", "99", {.Kind = 6, .Interval = 2, .DayOfMonth = 7, .Month = 3}},
        {"monthly by date", "1", "MD", "15", {.Kind = 4, .Interval = 2, .DayOfMonth = 15}},
        {"monthly by day", "1", "MP", "4", {.Kind = 3, .Interval = 2, .Weekdays = 4}},
        {"flag 0", "0", "W", "42", {}},
        {"flag empty", "", "D", "", {}},
        {"unknown unit", "1", "X", "1", {}},
    };
    for (const auto& k : cases) {
        LNEventRec e;
        e.Start = MakeDate(2008, 3, 7, 9, 0);
        e.End = MakeDate(2008, 3, 7, 10, 0);
        e.RepeatFlag = k.flag;
        e.RepeatUnit = k.unit;
        e.RepeatValue = k.value;
        e.RepeatInterval = "2x";
        EXPECT_EQ(ToCommon(e).Recurrence, k.expected) << k.name;
    }
    LNEventRec until;
    until.Start = MakeDate(2008, 3, 7, 9, 0);
    until.RepeatFlag = "1";
    until.RepeatUnit = "D";
    until.RepeatInterval = "1";
    until.RepeatUntil = MakeDate(2008, 4, 1);
    EXPECT_EQ(ToCommon(until).Recurrence.HasEnd, 1);
    EXPECT_EQ(ToCommon(until).Recurrence.EndDate.Month, 4);

    const double now = MakeDate(2008, 3, 10, 12, 0);
    const struct {
        const char* name;
        double end;
        std::int32_t priority;
        std::uint8_t completed;
        std::int32_t common;
    } todos[] = {
        {"done yesterday, high", now - 1, 0, 1, 1},
        {"done tomorrow, code 1", now + 1, 1, 0, 0},
        {"open, low", 0, 2, 0, 2},
    };
    for (const auto& k : todos) {
        LNTodoRec t;
        t.EndTime = k.end;
        t.Priority = k.priority;
        const model::CommTaskRec c = ToCommon(t, now);
        EXPECT_EQ(c.Completed, k.completed) << k.name;
        EXPECT_EQ(c.Priority, k.common) << k.name;
        EXPECT_EQ(c.DueDate, 0) << k.name;
    }
}

// Whole loads from the exports the stand-in helpers read.
TEST_F(LotusConnectors, LoadsEveryKindOfExport)
{
    Put("names.vcf", "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lee;Ann;;;\r\nFN:Ann Lee\r\nEMAIL;TYPE=WORK:ann@acme.example\r\n"
                     "EMAIL;TYPE=HOME:ann@home.example\r\nEMAIL:ann@third.example\r\nTEL;TYPE=HOME:555-0101\r\n"
                     "X-LOTUS-CHILD_UID:42\r\nEND:VCARD\r\n");
    Put("people.txt", "FirstName: Bob\r\nLastName: Marsh\r\nCompanyName: Brix\r\nOfficePhoneNumber: 555-0142\r\n"
                      "$UpdatedBy: CN=Admin\r\nForm: Person\r\nRegion: North\r\nShoeSize: 44\r\nComment: first line\r\n"
                      " second line\r\n\fFirstName: Carla\r\nLastName: Diaz\r\n");
    CxLNAddrUtil addr;
    Prepare(addr);
    for (const auto& [database, count] : {std::pair{std::string("names.nsf"), 1u}, std::pair{std::string("people.txt"), 2u}}) {
        addr.AddressBook = Folder() + database;
        ASSERT_TRUE(addr.Load() && !addr.HasError()) << addr.GetErrorText();
        ASSERT_EQ(addr.Manager().Count(), count) << database;
    }
    const model::CommAddrRec& bob = *addr.Manager().At(0);
    EXPECT_EQ(bob.Company, "Brix");
    EXPECT_EQ(bob.WorkPhone, "555-0142");
    EXPECT_EQ(bob.Note, "first line\r\nsecond line");
    EXPECT_EQ(bob.CustomLabel[0], "Region") << "items without a place, in file order";
    EXPECT_EQ(bob.Custom[1], "44");
    EXPECT_EQ(bob.CustomLabel[2], "");

    addr.AddressBook = Folder() + "names.vcf";
    ASSERT_TRUE(addr.Load());
    const model::CommAddrRec& ann = *addr.Manager().At(0);
    EXPECT_EQ(ann.Email, "ann@acme.example");
    EXPECT_EQ(ann.Email2, "ann@home.example");
    EXPECT_EQ(ann.Email3, "ann@third.example");
    EXPECT_EQ(ann.HomePhone, "555-0101");

    // A server database lies under the Notes root.
    const ScopedEnv root("VELMORA_NOTES_ROOT", (Folder() + "root").c_str());
    Put("root/Primary1/Mail/JD.ics", "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nDTSTART:20080303T090000\r\n"
                                     "DTEND:20080303T091500\r\nRDATE:20080304T090000,20080305T090000,20080306T090000\r\n"
                                     "SUMMARY:Stand-up\r\nEND:VEVENT\r\nBEGIN:VTODO\r\nSUMMARY:Call Ann\r\nPRIORITY:1\r\n"
                                     "DUE;VALUE=DATE:20080314\r\nEND:VTODO\r\nEND:VCALENDAR\r\n");
    CxLNDateUtil date;
    Prepare(date);
    date.DatabaseName = "Primary1!!mail\\jd.nsf";
    ASSERT_TRUE(date.Load() && !date.HasError()) << date.GetErrorText();
    ASSERT_EQ(date.Manager().Count(), 1u) << "daily RDATE dates are one series";
    EXPECT_EQ(date.Manager().At(0)->Recurrence, (model::RecurrenceRule{.Kind = 1, .HasEnd = 1,
                                                                       .EndDate = model::SystemTimeOf(MakeDate(2008, 3, 6, 9, 0)),
                                                                       .Interval = 1}));
    CxLNTaskUtil task;
    Prepare(task);
    task.DatabaseName = date.DatabaseName;
    ASSERT_TRUE(task.Load() && !task.HasError()) << task.GetErrorText();
    ASSERT_EQ(task.Manager().Count(), 1u);
    EXPECT_EQ(task.Manager().At(0)->Priority, 1);
    EXPECT_EQ(task.Manager().At(0)->DueDate, model::VariantToTimeT(MakeDate(2008, 3, 14)));

    Put("journal.txt", "Subject: Fair\nBody: Busy\f day\n two\nDiaryDate: 03/10/2008 09:30:00 PM\n\f\nSubject: List\nBody: Acme\n");
    CxLNNoteUtil note;
    Prepare(note);
    note.DatabaseName = Folder() + "JOURNAL.nsf";
    ASSERT_TRUE(note.Load() && !note.HasError()) << note.GetErrorText();
    ASSERT_EQ(note.Manager().Count(), 2u);
    EXPECT_EQ(note.Manager().At(0)->Text, "Busy day\r\ntwo") << "a form feed inside a body is dropped";
    const auto raw = note.Manager().At(0)->SourceData.Get<LNNotebookRec>();
    ASSERT_TRUE(raw);
    EXPECT_EQ(raw->DiaryDate, MakeDate(2008, 3, 10, 21, 30));
}

TEST_F(LotusConnectors, NotesCalendarHabits)
{
    const std::string rdate = SharedFixture("ics/kcalendarcore_notes901_rdate.ics");
    const std::string pacific = SharedFixture("ics/vpim_notes60_request.ics");
    if (rdate.empty() || pacific.empty())
        GTEST_SKIP() << "the shared fixtures are not there";
    const FixedZone zone("UTC");
    CxLNDateUtil date;
    Prepare(date);
    date.DatabaseName = rdate;
    ASSERT_TRUE(date.Load() && !date.HasError()) << date.GetErrorText();
    ASSERT_EQ(date.Manager().Count(), 4u) << "irregular RDATE periods are separate entries";
    EXPECT_EQ(date.Manager().At(3)->Start.Month, 12);
    EXPECT_EQ(date.Manager().At(3)->End.Hour, date.Manager().At(3)->Start.Hour + 2) << "the period's own length";
    EXPECT_EQ(date.Manager().At(0)->Recurrence.Kind, 0);

    date.DatabaseName = pacific;
    ASSERT_TRUE(date.Load() && !date.HasError()) << date.GetErrorText();
    ASSERT_EQ(date.Manager().Count(), 1u);
    const model::CommDateRec& meeting = *date.Manager().At(0);
    EXPECT_EQ(meeting.Subject, "hjold intyel");
    EXPECT_EQ(meeting.Start.Hour, 19) << "12:00 in the file's own Pacific zone (daylight time)";
    EXPECT_EQ(meeting.SourceData.Get<LNEventRec>()->StartTimeZone, "Pacific");
}

TEST_F(LotusConnectors, MissingDatabasesAndIdFilesAreClearErrors)
{
    CxLNAddrUtil addr;
    Prepare(addr);
    addr.AddressBook = Folder() + "names.nsf";
    EXPECT_FALSE(addr.Load() && !addr.HasError());
    EXPECT_EQ(addr.GetErrorText(), "The Lotus Notes database " + Folder() + "names.nsf cannot be found.");
    Put("names.vcf", "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:A\r\nEND:VCARD\r\n");
    addr.IdFile = Folder() + "user.id";
    EXPECT_FALSE(addr.Load() && !addr.HasError());
    EXPECT_EQ(addr.GetErrorText(), "The Lotus Notes ID file " + Folder() + "user.id cannot be found.");
    Put("user.id", "id");
    EXPECT_TRUE(addr.Load() && !addr.HasError()) << addr.GetErrorText();
}

}  // namespace
}  // namespace velmora::testing
