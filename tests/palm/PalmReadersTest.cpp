// The 4.x and earlier readers over whole files: headers, categories, schema, records and the
// rules for damaged files.
#include "PalmTestSupport.h"

#include "palm/dat/PmEarlyFile.h"
#include "palm/dat/PmExFile.h"

#include <filesystem>

using namespace velmora::palm;
using velmora::tools::PalmDatWriter;

namespace {

using Readers = velmora::testing::PalmFiles;

PmAddrExRec SampleContact()
{
    PmAddrExRec c;
    c.RecordId = 17;
    c.CategoryId = 1;
    c.FirstName = "Ann";
    c.LastName = "Lee";
    c.Company = "Acme";
    c.Phone[0] = "555-0100";
    c.Phone[6] = "ann@example.org";
    c.PhoneLabel[6] = 4;
    c.Custom[8] = "ninth";
    c.Other.Country = "Peru";
    c.Im[1] = "annlee";
    c.ImLabel[1] = 3;
    c.HomePage = "http://example.org";
    c.Birthday = 1968 * 65536 + 4 * 256 + 21;
    c.Ext[1].Count = 4;
    c.Ext[1].Data = {1, 2, 3, 4};
    return c;
}

TEST_F(Readers, ContactsRoundTripFieldByField)
{
    PmAddrExRec second = SampleContact();
    second.Status = 0x04;  // deleted records are still read; the front-end leaves them out
    const std::string path = Put("address.dat", PalmDatWriter::File({SampleContact(), second}, {{1, 1, "Business"}}));
    PmAddrExUtil reader(path);
    ASSERT_TRUE(reader.Loaded());
    ASSERT_EQ(reader.GetDataMgr().Count(), 2u);
    const PmAddrExRec& r = *reader.GetDataMgr().At(0);
    EXPECT_EQ(r.RecordId, 17);
    EXPECT_EQ(r.CategoryName.view(), "Business");
    EXPECT_EQ(r.FirstName.view(), "Ann");
    EXPECT_EQ(r.LastName.view(), "Lee");
    EXPECT_EQ(r.Phone[6].view(), "ann@example.org");
    EXPECT_EQ(r.PhoneLabel[6], 4);
    EXPECT_EQ(r.Custom[8].view(), "ninth");
    EXPECT_EQ(r.Other.Country.view(), "Peru");
    EXPECT_EQ(r.Im[1].view(), "annlee");
    EXPECT_EQ(r.ImLabel[1], 3);
    EXPECT_EQ(r.HomePage.view(), "http://example.org");
    EXPECT_EQ(r.Birthday, 1968 * 65536 + 4 * 256 + 21);
    EXPECT_EQ(r.Ext[1].Data, (std::vector<std::uint8_t>{1, 2, 3, 4}));
    EXPECT_EQ(reader.GetDataMgr().At(1)->Status, 0x04);
    EXPECT_EQ(reader.CustomLabels()[0], "Custom 1");
    EXPECT_TRUE(Logged("Palm Desktop Contacts information is loaded successfully."));
}

TEST_F(Readers, CalendarToDoAndMemoRoundTrip)
{
    PmDateExRec event;
    event.Description = "Review";
    event.Location = "Room 1";
    event.Start = 1000;
    event.End = 2000;
    event.Repeat.Type = 2;
    event.Repeat.DaysMask = 0x14;
    PmDateExRec yearly = event;
    yearly.Repeat = PalmRepeat{};
    yearly.Repeat.Type = 5;
    yearly.Repeat.DayOfMonth = 3;
    yearly.Repeat.MonthIndex = 11;
    PmDateExUtil calendar(Put("datebook.dat", PalmDatWriter::File({event, yearly})));
    ASSERT_TRUE(calendar.Loaded());
    ASSERT_EQ(calendar.GetDataMgr().Count(), 2u);
    EXPECT_EQ(calendar.GetDataMgr().At(0)->Location.view(), "Room 1");
    EXPECT_EQ(calendar.GetDataMgr().At(0)->Repeat.DaysMask, 0x14);
    EXPECT_EQ(calendar.GetDataMgr().At(1)->Repeat.MonthIndex, 11);
    EXPECT_EQ(calendar.GetDataMgr().At(1)->Location.view(), "Room 1");

    PmTodoExRec todo;
    todo.Description = "Call";
    todo.Priority = 5;
    todo.Repeat.Type = 4;
    todo.Repeat.DayOfMonth = 9;
    PmTodoExUtil todos(Put("todo.dat", PalmDatWriter::File({todo, todo})));
    ASSERT_TRUE(todos.Loaded());
    ASSERT_EQ(todos.GetDataMgr().Count(), 2u);
    EXPECT_EQ(todos.GetDataMgr().At(1)->Repeat.DayOfMonth, 9);
    EXPECT_EQ(todos.GetDataMgr().At(1)->Priority, 5);

    PmMemoExRec memo;
    memo.Memo = std::string(10000, 'q');
    PmMemoExUtil memos(Put("memopad.dat", PalmDatWriter::File({memo, memo})));
    ASSERT_TRUE(memos.Loaded());
    ASSERT_EQ(memos.GetDataMgr().Count(), 2u);
    EXPECT_EQ(memos.GetDataMgr().At(1)->Memo.view(), std::string(8191, 'q'));
}

TEST_F(Readers, HeaderChecks)
{
    // Only the 19 characters after the five-byte prefix are checked.
    std::string otherPrefix = PalmDatWriter::File(std::vector<PmMemoExRec>{});
    otherPrefix.replace(0, 5, "ABCDE");
    EXPECT_TRUE(PmMemoExUtil(Put("prefix.dat", otherPrefix)).Loaded());
    std::string badMagic = otherPrefix;
    badMagic[10] = 'X';
    EXPECT_FALSE(PmMemoExUtil(Put("magic.dat", badMagic)).Loaded());
    EXPECT_TRUE(Logged("Incorrect database magic code: "));
    EXPECT_TRUE(Logged("Failed to check magic code."));

    const std::string calendar = Put("datebook.dat", PalmDatWriter::File(std::vector<PmDateExRec>(2)));
    EXPECT_FALSE(PmAddrExUtil(calendar).Loaded());
    EXPECT_TRUE(Logged("Incorrect database version:1145176576"));
    EXPECT_TRUE(Logged("Failed to check database version."));
    EXPECT_TRUE(Logged("Can not load Palm Desktop Contacts: " + calendar));
    const std::string todo = Put("todo.dat", PalmDatWriter::File(std::vector<PmTodoExRec>(1)));
    EXPECT_FALSE(PmMemoExUtil(todo).Loaded());
    EXPECT_TRUE(Logged("Incorrect database version:1413743104"));

    EXPECT_FALSE(PmMemoExUtil("").Loaded());
    EXPECT_TRUE(Logged("Invalid Palm Desktop Notes database file name."));
    EXPECT_FALSE(PmTodoExUtil(Folder() + "none.dat").Loaded());
    EXPECT_TRUE(Logged("Failed to open file: " + Folder() + "none.dat"));
}

TEST_F(Readers, RecordCountIsTheQuotientOfTheFieldTotal)
{
    struct Case {
        std::int32_t total;
        std::size_t records;
    };
    for (const Case c : {Case{0, 0}, Case{146, 2}, Case{147, 2}}) {
        PalmDatWriter w;
        w.ExHeader(0x41420200, "address.dat").Categories({}).Schema(74, 73, 73, c.total);
        for (std::size_t i = 0; i < c.records; ++i)
            w.Record(SampleContact());
        PmAddrExUtil reader(Put("count.dat", w.Bytes()));
        EXPECT_TRUE(reader.Loaded()) << c.total;
        EXPECT_EQ(reader.GetDataMgr().Count(), c.records) << c.total;
    }
    for (const std::int32_t fieldsPerRow : {0, -3}) {
        PalmDatWriter w;
        w.ExHeader(0x4D500200, "memopad.dat").Categories({}).Schema(64, fieldsPerRow, 14, 28);
        EXPECT_FALSE(PmMemoExUtil(Put("zero.dat", w.Bytes())).Loaded());
    }
    PalmDatWriter tooManyFields;
    tooManyFields.ExHeader(0x4D500200, "memopad.dat").Categories({}).Schema(64, 15, 15, 0);
    EXPECT_FALSE(PmMemoExUtil(Put("wide.dat", tooManyFields.Bytes())).Loaded());
    EXPECT_TRUE(Logged("Failed to load database schema information."));
}

TEST_F(Readers, ADamagedRecordFailsTheLoadKeepingTheRecordsBeforeIt)
{
    PmMemoExRec memo;
    memo.Memo = "first";
    PalmDatWriter w;
    w.ExHeader(0x4D500200, "memopad.dat").Categories({}).Schema(64, 14, 14, 14 * 3);
    w.Record(memo).Record(memo).Int(1, 5);  // the third record starts with a wrong tag
    PmMemoExUtil reader(Put("damaged.dat", w.Bytes()));
    EXPECT_FALSE(reader.Loaded());
    EXPECT_EQ(reader.GetDataMgr().Count(), 2u);
    EXPECT_EQ(TimesLogged("Error reading Palm Desktop Memos, current file position: "), 1u);
    EXPECT_TRUE(Logged("Failed to load Memos records."));
    EXPECT_TRUE(Logged("Load Palm Desktop Memos failed: "));
}

TEST_F(Readers, CategoryTables)
{
    PmTodoExRec todo;
    todo.CategoryId = 7;
    PmTodoExUtil reader(Put("todo.dat", PalmDatWriter::File({todo}, {{1, 7, "Errands"}, {2, 9, "Work"}})));
    ASSERT_TRUE(reader.Loaded());
    EXPECT_EQ(reader.GetDataMgr().At(0)->CategoryName.view(), "Errands");
    ASSERT_NE(reader.Categories(), nullptr);
    EXPECT_EQ(reader.Categories()->GetCount(), 3u);
    EXPECT_EQ(reader.Categories()->GetAt(0)->GetName(), "Unfiled");
    EXPECT_TRUE(Logged("Read category:Work"));

    EXPECT_FALSE(PmTodoExUtil(Put("dup.dat", PalmDatWriter::File({todo}, {{1, 7, "A"}, {2, 7, "B"}}))).Loaded());
    EXPECT_TRUE(Logged("Failed to load category information."));
}

TEST_F(Readers, EarlierFilesRoundTrip)
{
    PmAddrRec contact;
    contact.LastName = "Lee";
    contact.PhoneLabel[4] = 7;
    contact.Phone[4] = "555-0199";
    contact.Custom[3] = "four";
    contact.CategoryId = 1;
    PmAddrUtil contacts(Put("address.dat", PalmDatWriter::File({contact}, {{1, 1, "Business"}})));
    ASSERT_TRUE(contacts.Loaded());
    ASSERT_EQ(contacts.GetDataMgr().Count(), 1u);
    EXPECT_EQ(contacts.GetDataMgr().At(0)->Phone[4].view(), "555-0199");
    EXPECT_EQ(contacts.GetDataMgr().At(0)->Custom[3].view(), "four");
    EXPECT_EQ(contacts.GetDataMgr().At(0)->CategoryName.view(), "Business");

    PmDateRec kept;
    kept.Description = "kept";
    kept.Repeat.Type = 1;
    PmDateRec noEnd = kept;
    noEnd.End = -1;
    PmDateUtil calendar(Put("datebook.dat", PalmDatWriter::File({noEnd, kept})));
    ASSERT_TRUE(calendar.Loaded());
    ASSERT_EQ(calendar.GetDataMgr().Count(), 1u);
    EXPECT_EQ(calendar.GetDataMgr().At(0)->Description.view(), "kept");

    PmTodoRec todo;
    todo.Note = "n";
    PmMemoRec memo;
    memo.Memo = "m";
    EXPECT_EQ(PmTodoUtil(Put("todo.dat", PalmDatWriter::File({todo}))).GetDataMgr().Count(), 1u);
    EXPECT_EQ(PmMemoUtil(Put("memopad.dat", PalmDatWriter::File({memo, memo}))).GetDataMgr().Count(), 2u);

    // A 4.x file fails the earlier reader's version check.
    EXPECT_FALSE(PmMemoUtil(Put("ex.dat", PalmDatWriter::File(std::vector<PmMemoExRec>(1)))).Loaded());
}

TEST_F(Readers, EarlierContactsCustomLabelsAndUnknownFields)
{
    PmAddrRec contact;
    contact.FirstName = "First";
    PmAddrRec next;
    next.FirstName = "Second";
    PalmDatWriter w;
    w.EarlyHeader(0x41420100, "address.dat", "one\ntwo\nthree\nfour\nfive\nsix\n").Categories({});
    w.Schema(74, 32, 30, 64);
    w.Record(contact).Record(next);  // 30 fields each: the two extra indexes read nothing
    PmAddrUtil reader;
    const std::string bytes = w.Bytes();
    ASSERT_TRUE(reader.LoadData(bytes.data(), bytes.size()));  // as from a file, without one
    ASSERT_TRUE(reader.Loaded());
    EXPECT_EQ(reader.SecondText(), "one\ntwo\nthree\nfour\n");
    EXPECT_EQ(reader.CustomLabels()[0], "one");
    EXPECT_EQ(reader.CustomLabels()[3], "four");
    EXPECT_EQ(reader.CustomLabels()[4], "");
    EXPECT_TRUE(Logged("the max custom label is 4. Break now."));
    ASSERT_EQ(reader.GetDataMgr().Count(), 2u);
    EXPECT_EQ(reader.GetDataMgr().At(1)->FirstName.view(), "Second");
    EXPECT_EQ(TimesLogged("Unknown field ID read (ID=30), ignore it."), 2u);
    EXPECT_EQ(TimesLogged("Unknown field ID read (ID=31), ignore it."), 2u);
}

TEST_F(Readers, EarlierFilesKeepTheRecordsBeforeDamage)
{
    PmMemoRec memo;
    memo.Memo = "ok";
    PalmDatWriter w;
    w.EarlyHeader(0x4D500100, "memopad.dat", "").Categories({}).Schema(64, 6, 6, 6 * 3);
    w.Record(memo).Record(memo).Int(1).Int(0).Int(0).Long(5).Long(0).Byte(200);  // text cut short
    PmMemoUtil reader(Put("memopad.dat", w.Bytes()));
    EXPECT_TRUE(reader.Loaded());
    EXPECT_EQ(reader.GetDataMgr().Count(), 2u);
}

// A row announcing millions of fields past the kind's own (which read nothing) is refused at
// once instead of costing minutes per record (found by fuzzing; the input is in the corpus).
TEST_F(Readers, EarlierFilesRefuseAbsurdRowWidths)
{
    PmMemoRec memo;
    memo.Memo = "ok";
    for (const std::int32_t perRow : {256, 257, 0x40000000}) {
        PalmDatWriter w;
        w.EarlyHeader(0x4D500100, "memopad.dat", "").Categories({}).Schema(64, perRow, 6, perRow);
        w.Record(memo);
        PmMemoUtil reader;
        const std::string bytes = w.Bytes();
        EXPECT_EQ(reader.LoadData(bytes.data(), bytes.size()), perRow <= 256) << perRow;
    }
    EXPECT_TRUE(Logged("Failed to read field count."));
}

// To-do files written by another project's generator: the earlier layout (-v1), the 4.x layout
// (-v2, -SGv2) and two odd mixes that both readers must refuse or read without harm.
TEST_F(Readers, SharedToDoFixtures)
{
    const std::string folder = velmora::testing::SharedFixture("palm-dat-todo");
    if (folder.empty())
        GTEST_SKIP() << "../shared/fixtures is not there";
    // Opening for writing needs a writable copy.
    std::size_t exFiles = 0;
    std::size_t earlyFiles = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        const std::string copy = Put(name, velmora::testing::ReadFile(entry.path().string()));
        PmTodoExUtil ex(copy);
        PmTodoUtil early(copy);
        const bool v2 = name.find("-v2") != std::string::npos || name.find("-SGv2") != std::string::npos;
        const bool v1 = name.find("-v1") != std::string::npos && name.find("SG") == std::string::npos;
        if (name == "Palm-minimal-v2.dat" || name == "Palm-minimal-SGv1.dat") {
            EXPECT_FALSE(ex.Loaded()) << name;  // a 4.x version number without the 4.x header,
            EXPECT_FALSE(early.Loaded()) << name;  // or the 4.x header with the earlier number
            continue;
        }
        if (v2) {
            EXPECT_TRUE(ex.Loaded()) << name;
            exFiles += ex.Loaded();
        }
        if (v1) {
            EXPECT_TRUE(early.Loaded()) << name;
            earlyFiles += early.Loaded();
        }
        EXPECT_FALSE(ex.Loaded() && early.Loaded()) << name;
    }
    EXPECT_EQ(exFiles, 8u);
    EXPECT_EQ(earlyFiles, 5u);

    PmTodoExUtil todos(Put("todos.dat", velmora::testing::ReadFile(folder + "/Palm-todos-v2.dat")));
    ASSERT_TRUE(todos.Loaded());
    EXPECT_GT(todos.GetDataMgr().Count(), 1u);
    PmTodoExUtil weekly(Put("weekly.dat", velmora::testing::ReadFile(folder + "/Palm-repeat_by_week-v2.dat")));
    ASSERT_TRUE(weekly.Loaded());
    ASSERT_GE(weekly.GetDataMgr().Count(), 1u);
    EXPECT_EQ(weekly.GetDataMgr().At(0)->Repeat.Type, 2);
}

}  // namespace
