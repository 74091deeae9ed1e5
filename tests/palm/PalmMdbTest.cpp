// Palm Desktop 6 databases: our Access writer read back by libmdb, the value kinds of real
// Access files, the accessor's statements and failures, the readers and the recurrence rules.
#include "PalmTestSupport.h"

#include "helpers/palm/MdbTable.h"
#include "palm/PmInfo.h"
#include "palm/mdb/PmDBEx2Util.h"
#include "palmdat/Palm6Writer.h"

#include "model/CxDateTime.h"
#include "support/FixedZone.h"

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <cstdlib>

using namespace velmora::palm;
using velmora::tools::JetDatabase;
using velmora::tools::Palm6Database;
using velmora::tools::Palm6Row;
using V = JetDatabase::Value;

namespace velmora::palm {
void PrintTo(const PmDbValue& v, std::ostream* out)
{
    *out << static_cast<int>(v.ValueKind) << ":" << v.Integer << ":\"" << v.Text.substr(0, 40) << "\"";
}
}  // namespace velmora::palm

namespace {

PmDbValue Int(std::int32_t v) { return {PmDbValue::Kind::Integer, v, {}}; }
PmDbValue Bool(bool v) { return {PmDbValue::Kind::Boolean, v ? 1 : 0, {}}; }
PmDbValue Txt(std::string v) { return {PmDbValue::Kind::Text, 0, std::move(v)}; }
PmDbValue None() { return {}; }

std::vector<PmDbRow> Read(const std::string& path, const std::string& table, const std::vector<std::string>& columns)
{
    std::vector<PmDbRow> rows;
    std::string error;
    EXPECT_TRUE(velmora::helpers::ReadMdbTable(path, table, columns, rows, error)) << error;
    return rows;
}

class Mdb : public velmora::testing::PalmFiles {
protected:
    void TearDown() override
    {
        DataModule().ReaderProgram = "PalmMdbRead";
        DataModule().QueryTimeout = std::chrono::milliseconds(60'000);
        ::unsetenv("VELMORA_FAKE_HELPER");
        PalmFiles::TearDown();
    }
    std::string Save(const std::string& name, const JetDatabase& db)
    {
        const std::string path = Folder() + name;
        EXPECT_TRUE(db.Save(path));
        return path;
    }
};

TEST_F(Mdb, WriterIsReadBackExactlyByLibmdb)
{
    JetDatabase db;
    const auto t = db.AddTable("Kinds", {{"Long", JetDatabase::Type::LongInteger}, {"Int", JetDatabase::Type::Integer},
                                         {"Byte", JetDatabase::Type::Byte}, {"Flag", JetDatabase::Type::Boolean},
                                         {"Text", JetDatabase::Type::Text}, {"Memo", JetDatabase::Type::Memo},
                                         {"When", JetDatabase::Type::DateTime}});
    const std::string longMemo(50000, 'm');
    db.AddRow(t, {V::Of(std::int64_t{-2000000000}), V::Of(std::int64_t{-300}), V::Of(std::int64_t{255}),
                  V::Of(std::int64_t{1}), V::Of("Caf\xC3\xA9"), V::Of("short"), V::OfDate(39500.5)});
    db.AddRow(t, {V::Null(), V::Null(), V::Null(), V::Of(std::int64_t{0}), V::Of("\xC5\xBD" "ofie \xE2\x82\xAC"),
                  V::Of(longMemo), V::Null()});
    db.AddRow(t, {V::Of(std::int64_t{7}), V::Of(std::int64_t{0}), V::Of(std::int64_t{0}), V::Null(), V::Of(""),
                  V::Null(), V::Null()});
    const auto more = db.AddTable("Many", {{"N", JetDatabase::Type::LongInteger}, {"Name", JetDatabase::Type::Text}});
    for (int i = 0; i < 2000; ++i)  // several data pages
        db.AddRow(more, {V::Of(std::int64_t{i}), V::Of("row " + std::to_string(i))});
    const std::string path = Save("kinds.mdb", db);

    const auto rows = Read(path, "Kinds", {"Long", "Int", "Byte", "Flag", "Text", "Memo", "When"});
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], (PmDbRow{Int(-2000000000), Int(-300), Int(255), Bool(true), Txt("Caf\xC3\xA9"), Txt("short"), None()}));
    EXPECT_EQ(rows[1], (PmDbRow{None(), None(), None(), Bool(false), Txt("\xC5\xBD" "ofie \xE2\x82\xAC"), Txt(longMemo), None()}));
    EXPECT_EQ(rows[2], (PmDbRow{Int(7), Int(0), Int(0), Bool(false), Txt(""), Txt(""), None()}));
    const auto many = Read(path, "Many", {"Name", "N"});
    ASSERT_EQ(many.size(), 2000u);
    EXPECT_EQ(many[1999], (PmDbRow{Txt("row 1999"), Int(1999)}));

    std::vector<PmDbRow> none;
    std::string error;
    EXPECT_FALSE(velmora::helpers::ReadMdbTable(path, "Nope", {"N"}, none, error));
    EXPECT_FALSE(velmora::helpers::ReadMdbTable(path, "Many", {"Nope"}, none, error));
    EXPECT_EQ(error, "There is no column Nope in the table Many.");

    // mdbtools' own export agrees.
    if (std::system("command -v mdb-export > /dev/null") == 0) {
        const std::string csv = Folder() + "kinds.csv";
        ASSERT_EQ(std::system(("mdb-export '" + path + "' Kinds > '" + csv + "'").c_str()), 0);
        const std::string exported = velmora::testing::ReadFile(csv);
        EXPECT_EQ(exported.substr(0, exported.find('\n')), "Long,Int,Byte,Flag,Text,Memo,When");
        EXPECT_NE(exported.find("-2000000000,-300,255,1,\"Caf\xC3\xA9\",\"short\",\"02/22/08 12:00:00\""), std::string::npos)
            << exported.substr(0, 300);
    }
}

// Access files written by other software: the value kinds, and Jet 3 (Windows-1252) and Jet 4
// (Unicode) texts.
TEST_F(Mdb, ValueKindsOfRealAccessFiles)
{
    for (const char* name : {"jackcess_testV1997.mdb", "jackcess_testV2003.mdb"}) {
        const std::string path = velmora::testing::SharedFixture(std::string("mdb/") + name);
        if (path.empty())
            GTEST_SKIP() << "../shared/fixtures is not there";
        const auto rows = Read(path, "Table1", {"A", "B", "C", "D", "E", "F", "G", "H", "I"});
        const auto row = std::find_if(rows.begin(), rows.end(), [](const PmDbRow& r) { return r[0].Text == "abcdefg"; });
        ASSERT_NE(row, rows.end()) << name;
        EXPECT_EQ(*row, (PmDbRow{Txt("abcdefg"), Txt("hijklmnop"), Int(2), Int(222), Int(333333333), None(), None(),
                                    None(), Bool(true)}))
            << name;
    }
    const std::string northwind = velmora::testing::SharedFixture("mdb/mdbtestdata_nwind.mdb");
    const auto products = Read(northwind, "Products", {"ProductID", "ProductName", "Discontinued"});
    ASSERT_GT(products.size(), 10u);
    EXPECT_EQ(products[0][0].ValueKind, PmDbValue::Kind::Integer);
    EXPECT_EQ(products[0][2].ValueKind, PmDbValue::Kind::Boolean);
}

TEST_F(Mdb, RecurrenceRules)
{
    const velmora::testing::FixedZone utc("UTC");
    const std::int32_t march7 = 1204880400;  // 2008-03-07 09:00
    struct Case {
        const char* rule;
        bool calendar;
        std::int32_t type, interval, mask, week, day, month, end;
    };
    const Case cases[] = {
        {"D2 #0", true, 1, 2, 0, 0, 0, 0, 0x749DCEFF},
        {"W1 MO WE FR 20101231T000000", true, 2, 1, 42, 0, 0, 0, 1293753600},
        {"MP1 2+ TU #0", true, 3, 1, 4, 1, 0, 0, 0x749DCEFF},
        {"MD3 15 #0", false, 4, 3, 0, 0, 15, 0, 0x749DCEFF},
        {"YM1 3 #0", true, 5, 1, 0, 0, 7, 2, 0x749DCEFF},
        {"YM1 3 #0", false, 0, 0, 0, 0, 0, 0, 0},
        {"D1", true, 1, 1, 0, 0, 0, 0, 0},
        {"", true, 0, 0, 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const PalmRepeat r = ParseRepeatRule(c.rule, c.calendar, march7);
        EXPECT_EQ(r.Type, c.type) << c.rule;
        EXPECT_EQ(r.Interval, c.interval) << c.rule;
        EXPECT_EQ(r.DaysMask, c.mask) << c.rule;
        EXPECT_EQ(r.WeekIndex, c.week) << c.rule;
        EXPECT_EQ(r.DayOfMonth, c.day) << c.rule;
        EXPECT_EQ(r.MonthIndex, c.month) << c.rule;
        EXPECT_EQ(r.EndDate, c.end) << c.rule;
    }
}

TEST_F(Mdb, ContactsAndMemosThroughTheReaders)
{
    Palm6Row ann{{"Record ID", V::Of(std::int64_t{41})}, {"Category", V::Of(std::int64_t{3})},
                 {"First Name", V::Of("Ann")}, {"Last Name", V::Of("Lee")}, {"English Name", V::Of("Ann Lee")},
                 {"Work Phone", V::Of("555-0100")}, {"Work Mobile", V::Of("ann@example.org")},
                 {"E-mail 1", V::Of("not@used.example")}, {"Phone Label1", V::Of(std::int64_t{0})},
                 {"Phone Label2", V::Of(std::int64_t{2})}, {"Phone Label3", V::Of(std::int64_t{4})},
                 {"Phone Label4", V::Of(std::int64_t{1})}, {"Phone Label5", V::Of(std::int64_t{3})},
                 {"Phone Label6", V::Of(std::int64_t{7})}, {"Phone Label7", V::Of(std::int64_t{5})}, {"Birthday", V::Of(std::int64_t{1968 * 65536 + 4 * 256 + 21})},
                 {"Chat1", V::Of("annlee")}, {"Chat1 LabelID", V::Of(std::int64_t{2})}, {"Custom 14", V::Of("fourteen")},
                 {"Private", V::Of(std::int64_t{1})}};
    Palm6Row stranger{{"Record ID", V::Of(std::int64_t{42})}, {"Category", V::Of(std::int64_t{99})},
                      {"Last Name", V::Of("Unknown")}};
    const std::string address =
        Save("Address.mdb", Palm6Database(kDbContacts, {ann, stranger}, {{3, "Business"}, {4, "Personal"}}));
    PmAddrEx2Util contacts(address);
    ASSERT_TRUE(contacts.Loaded());
    ASSERT_EQ(contacts.GetDataMgr().Count(), 2u);
    const PmAddrEx2Rec& a = *contacts.GetDataMgr().At(0);
    EXPECT_EQ(a.FirstName.view(), "Ann");
    EXPECT_EQ(a.PhoneText[4].view(), "ann@example.org");  // the third slot, labelled e-mail
    EXPECT_EQ(a.PhoneText[0].view(), "555-0100");
    EXPECT_EQ(a.CategoryName.view(), "Business");
    EXPECT_EQ(a.Private, 1);
    EXPECT_EQ(a.Custom[13].view(), "fourteen");
    EXPECT_EQ(contacts.GetDataMgr().At(1)->CategoryName.view(), "");
    EXPECT_EQ(contacts.LargestRecordId(), 42);
    EXPECT_EQ(contacts.Categories().Count(), 2u);
    EXPECT_TRUE(Logged("Execute SQL Query: SELECT [ID], [Name], [Status], [Color] FROM Category "));
    EXPECT_TRUE(Logged("Loading Palm Desktop Contacts main records completed successfully."));

    PmAddrInfo info(60200);
    ASSERT_TRUE(info.LoadByFile(address));
    EXPECT_EQ(info.LoadedGeneration(), 3);
    const velmora::model::CommAddrRec& c = *info.GetCommonMgr().At(0);
    EXPECT_EQ(c.DisplayName.view(), "Ann Lee");
    EXPECT_EQ(c.Email.view(), "ann@example.org");
    EXPECT_EQ(c.WorkPhone.view(), "555-0100");
    EXPECT_EQ(c.Im1.view(), "annlee");
    EXPECT_EQ(c.Birthday, velmora::model::MakeDate(1968, 4, 21));
    EXPECT_EQ(PmAddrInfo::GetFieldText(*info.At(0), 37), "annlee");  // IM MSN, label 2
    EXPECT_EQ(info.CheckFileType(address), 3);

    const std::string memo(50000, 'n');
    const std::string memos = Save("MemoPad.mdb", Palm6Database(kDbMemo, {{{"Note", V::Of(memo)}}}, {}));
    PmMemoEx2Util reader(memos);
    ASSERT_TRUE(reader.Loaded());
    ASSERT_EQ(reader.GetDataMgr().Count(), 1u);
    EXPECT_EQ(reader.GetDataMgr().At(0)->Memo.size(), 40959u);

    const std::string empty = Save("Empty.mdb", Palm6Database(kDbMemo, {}, {}));
    PmMemoEx2Util none(empty);
    EXPECT_TRUE(none.Loaded());
    EXPECT_EQ(none.GetDataMgr().Count(), 0u);
    EXPECT_TRUE(Logged("Failed to query the first record of the Memo main table."));
}

TEST_F(Mdb, CalendarAndToDoRules)
{
    const velmora::testing::FixedZone utc("UTC");
    Palm6Row event{{"Summary", V::Of("Review")}, {"Start Time", V::Of(std::int64_t{1204880400})},
                   {"End Time", V::Of(std::int64_t{1204884000})}, {"Repeated Event", V::Of("YM1 3 #0")},
                   {"Alarm", V::Of(std::int64_t{1})}, {"Alarm Advance", V::Of(std::int64_t{10})},
                   {"Location", V::Of("Room 1")}};
    Palm6Row weekly{{"Summary", V::Of("Call")}, {"Repeated Event", V::Of("MP1 2+ TU #0")}};
    PmDateInfo calendar(60200);
    ASSERT_TRUE(calendar.LoadByFile(Save("DateBook.mdb", Palm6Database(kDbCalendar, {event, weekly}, {}))));
    const velmora::model::CommDateRec& e = *calendar.GetCommonMgr().At(0);
    EXPECT_EQ(e.Subject.view(), "Review");
    EXPECT_EQ(e.Location.view(), "Room 1");
    EXPECT_EQ(e.Recurrence.Kind, 6);
    EXPECT_EQ(e.Recurrence.Month, 3);
    EXPECT_EQ(e.Recurrence.DayOfMonth, 7);
    EXPECT_EQ(e.ReminderLead, 10);
    EXPECT_EQ(calendar.GetCommonMgr().At(1)->Recurrence.Kind, 3);
    EXPECT_EQ(calendar.GetCommonMgr().At(1)->Recurrence.Weekdays, 4);  // Tuesday

    Palm6Row todo{{"Description", V::Of("Plan")}, {"Priority", V::Of(std::int64_t{1})},
                  {"Repeat Info", V::Of("YM1 3 #0")}, {"Alarm Set", V::Of(std::int64_t{1})},
                  {"Completed", V::Of(std::int64_t{1})}};
    PmTodoInfo tasks(60200);
    ASSERT_TRUE(tasks.LoadByFile(Save("Todolist.mdb", Palm6Database(kDbTodo, {todo}, {}))));
    const velmora::model::CommTaskRec& t = *tasks.GetCommonMgr().At(0);
    EXPECT_EQ(t.Subject.view(), "Plan");
    EXPECT_EQ(t.Priority, 1);
    EXPECT_EQ(t.Recurrence.Kind, 0);  // the to-do list knows no yearly rule
    EXPECT_EQ(t.ReminderSet, 1);
    EXPECT_EQ(t.Completed, 1);
}

TEST_F(Mdb, DamagedDatabasesLoadEmptyWithTheirErrorsLogged)
{
    const std::string text = Put("notes.mdb", "this is not an Access database");
    PmMemoEx2Util notAccess(text);
    EXPECT_TRUE(notAccess.Loaded());
    EXPECT_EQ(notAccess.GetDataMgr().Count(), 0u);
    EXPECT_TRUE(Logged("Database Query Error, Query String=SELECT [Record ID], [Status], [Placement], [Private], "
                       "[Category], [Note] FROM Main , Error=The file is not an Access database."));
    EXPECT_FALSE(PmMemoEx2Util(Folder() + "missing.mdb").Loaded());
    EXPECT_FALSE(PmMemoEx2Util("").Loaded());
    EXPECT_TRUE(Logged("Invalid Palm Desktop Notes database name."));

    // libmdb crashes on this file: the catalog's usage-map row number (page 2, offset 55) is
    // damaged. The reader program ends, the load is empty and the error is logged.
    std::string damaged = Palm6Database(kDbMemo, {{{"Note", V::Of("hi")}}}, {}).Build();
    damaged[2 * 4096 + 55] = 42;
    PmMemoEx2Util crashing(Put("Crashing.mdb", damaged));
    EXPECT_TRUE(crashing.Loaded());
    EXPECT_EQ(crashing.GetDataMgr().Count(), 0u);
    EXPECT_TRUE(Logged("Database Query Error, Query String=SELECT [Record ID], [Status], [Placement], [Private], "
                       "[Category], [Note] FROM Main , Error=the database reader stopped on the file"));

    // A database fuzzing found that crashes libmdb the same way (in mdb_map_find_next, reading
    // the catalog): the reader program ends, the wizard does not.
    const std::size_t stops = TimesLogged("Error=the database reader stopped on the file");
    PmAddrEx2Util fuzzed(VELMORA_SOURCE_DIR "/tests/palm/inputs/libmdb-crash-in-map-find-next.mdb");
    EXPECT_TRUE(fuzzed.Loaded());
    EXPECT_EQ(fuzzed.GetDataMgr().Count(), 0u);
    EXPECT_GT(TimesLogged("Error=the database reader stopped on the file"), stops);

    // A reader that crashes or hangs on a file ends as a query error.
    const std::string memos = Save("MemoPad.mdb", Palm6Database(kDbMemo, {{{"Note", V::Of("hi")}}}, {}));
    DataModule().ReaderProgram = "velmora-fake-helper";
    ::setenv("VELMORA_FAKE_HELPER", "crash", 1);
    PmMemoEx2Util crashed(memos);
    EXPECT_TRUE(crashed.Loaded());
    EXPECT_EQ(crashed.GetDataMgr().Count(), 0u);
    EXPECT_TRUE(Logged("Error=the database reader stopped on the file: signal 6"));
    ::setenv("VELMORA_FAKE_HELPER", "sleep:10000", 1);
    DataModule().QueryTimeout = std::chrono::milliseconds(300);
    PmMemoEx2Util hung(memos);
    EXPECT_EQ(hung.GetDataMgr().Count(), 0u);
    EXPECT_TRUE(Logged("Error=the database reader was still running after 0 seconds"));
}

TEST_F(Mdb, AccessorKeepsToItsStatement)
{
    const std::string memos = Save("MemoPad.mdb", Palm6Database(kDbMemo, {{{"Note", V::Of("a")}}, {{"Note", V::Of("b")}}}, {}));
    PmMDBAccessor accessor(kDbMemo, memos);
    PmDbRow row;
    ASSERT_TRUE(accessor.SelectFirst("Main", {"Note"}, row));
    EXPECT_EQ(row, (PmDbRow{Txt("a")}));
    EXPECT_EQ(accessor.Statement(), "SELECT [Note] FROM Main ");
    EXPECT_FALSE(accessor.SelectNext("SELECT [Status] FROM Main ", row));
    EXPECT_TRUE(Logged("This query is not same with former query. Ignore this query."));
    EXPECT_FALSE(accessor.SelectNext("", row));
    EXPECT_TRUE(Logged("Invalid query string found."));
    ASSERT_TRUE(accessor.SelectNext(accessor.Statement(), row));
    EXPECT_EQ(row, (PmDbRow{Txt("b")}));
    EXPECT_FALSE(accessor.SelectNext(accessor.Statement(), row));
    EXPECT_FALSE(accessor.ExecSql("DELETE FROM Main", false));
    // Another database of the same type closes this one's connection first.
    PmMDBAccessor other(kDbMemo, memos);
    EXPECT_TRUE(Logged("The connection is already opened, close it now."));
    PmMDBAccessor missing(kDbMemo, Folder() + "none.mdb");
    EXPECT_TRUE(Logged("The file doesn't exist. Abort."));
}

}  // namespace
