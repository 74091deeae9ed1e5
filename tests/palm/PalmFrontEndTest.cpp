// The front-ends: which reader they take, what they leave out, and the common records they make.
#include "PalmTestSupport.h"
#include "support/FixedZone.h"

#include "palm/PalmUsers.h"
#include "palm/PmInfo.h"

#include "model/CxDateTime.h"

#include <cstdlib>

using namespace velmora::palm;
using velmora::tools::PalmDatWriter;

namespace {

constexpr std::uint32_t kPalm414 = 40104;

class FrontEnds : public velmora::testing::PalmFiles {
protected:
    const velmora::testing::FixedZone mUtc{"UTC"};
    void TearDown() override
    {
        ::unsetenv("VELMORA_REGISTRY");
        UserDataLibrary().Unload();
        PalmFiles::TearDown();
    }
    // A Palm Desktop folder whose user "Smith" holds the given files; returns the user's ID.
    std::uint32_t MakeUser(const std::vector<std::pair<std::string, std::string>>& files)
    {
        for (const auto& [name, bytes] : files)
            Put("Palm/Smith/" + name, bytes);
        const std::string reg = Put("palm.reg", "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\U.S. Robotics\\Pilot Desktop\\Core]\n"
                                                "\"DesktopPath\"=\"" + Folder() + "Palm/\"\n");
        ::setenv("VELMORA_REGISTRY", reg.c_str(), 1);
        EXPECT_TRUE(LoadPalmLibraries(15));
        std::uint32_t id = 0;
        UserDataLibrary().UmGetUserID(0, id);
        return id;
    }
};

TEST(PalmGeneration, ByVersion)
{
    struct Case {
        std::uint32_t version;
        int contacts;  // and memos
        int calendar;  // and to-dos
    };
    const Case cases[] = {
        {60000, 3, 3}, {kNoPalmVersion, 3, 3}, {40104, 2, 2}, {40102, 2, 2},
        {40100, 1, 1}, {30500, 1, 1},          {30000, 0, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PmAddrInfo(c.version).Generation(), c.contacts) << c.version;
        EXPECT_EQ(PmMemoInfo(c.version).Generation(), c.contacts) << c.version;
        EXPECT_EQ(PmDateInfo(c.version).Generation(), c.calendar) << c.version;
        EXPECT_EQ(PmTodoInfo(c.version).Generation(), c.calendar) << c.version;
    }
}

TEST_F(FrontEnds, LoadByUserTakesTheInstalledGenerationOnly)
{
    PmMemoExRec memo;
    memo.Memo = "Hello";
    PmDateRec event;
    event.Description = "Old";
    const std::uint32_t user = MakeUser({{"MemoPad/MemoPad.dat", PalmDatWriter::File({memo})},
                                         {"datebook/datebook.dat", PalmDatWriter::File({event})}});
    PmMemoInfo memos(kPalm414);
    ASSERT_TRUE(memos.LoadByUser(user));
    EXPECT_EQ(memos.LoadedGeneration(), 2);
    EXPECT_EQ(memos.GetCommonMgr().Count(), 1u);

    PmMemoInfo olderMemos(40100);  // the earlier reader, which a 4.x file does not fit
    EXPECT_FALSE(olderMemos.LoadByUser(user));
    EXPECT_EQ(olderMemos.LoadedGeneration(), 255);
    EXPECT_TRUE(Logged("Failed to load Palm Desktop Memo database by User: " + std::to_string(static_cast<int>(user))));

    PmMemoInfo newest(kNoPalmVersion);  // Palm Desktop 6 reads MemoPad.mdb, which is not there
    EXPECT_FALSE(newest.LoadByUser(user));
    EXPECT_TRUE(Logged("Open Palm Desktop Memos database failed: "));

    PmAddrInfo unknown(30000);
    EXPECT_FALSE(unknown.LoadByUser(user));
    EXPECT_TRUE(Logged("Unknown Palm Desktop version"));
    PmDateInfo calendar(30000);
    ASSERT_TRUE(calendar.LoadByUser(user));
    EXPECT_EQ(calendar.LoadedGeneration(), 1);
    EXPECT_EQ(calendar.GetCommonMgr().At(0)->Subject.view(), "Old");

    PmTodoInfo noFile(kPalm414);
    EXPECT_FALSE(noFile.LoadByUser(user));
    EXPECT_FALSE(noFile.LoadByUser(user + 1));
    EXPECT_TRUE(Logged("Failed to get user database path by user ID."));
}

TEST_F(FrontEnds, LoadByFileByExtensionWithTheEarlierReaderAsFallback)
{
    PmAddrRec early;
    early.FirstName = "Ann";
    early.Street = "1 Main Street";
    early.City = "Springfield";
    early.Zip = "98052";
    const std::string earlyFile = Put("OLD.DAT", PalmDatWriter::File({early}));
    PmAddrInfo contacts(kPalm414);
    ASSERT_TRUE(contacts.LoadByFile(earlyFile));
    EXPECT_EQ(contacts.LoadedGeneration(), 1);
    EXPECT_TRUE(Logged("Unable to load this file with Palm Desktop 4.1.4 file loader, try earlier loader version."));
    const velmora::model::CommAddrRec& c = *contacts.GetCommonMgr().At(0);
    EXPECT_EQ(c.WorkAddr.Street.view(), "1 Main Street");
    EXPECT_EQ(c.WorkAddr.Postal.view(), "98052");
    EXPECT_TRUE(c.HomeAddr.Street.empty());

    const std::string text = Put("address.txt", PalmDatWriter::File({PmAddrExRec{}}));
    EXPECT_FALSE(contacts.LoadByFile(text));
    EXPECT_EQ(contacts.LoadedGeneration(), 255);
    EXPECT_TRUE(Logged("Failed to load Palm Desktop Contacts data file: " + text));
    EXPECT_FALSE(contacts.LoadByFile(""));
    EXPECT_FALSE(contacts.LoadByFile(Folder() + "missing.mdb"));

    EXPECT_EQ(contacts.CheckFileType(earlyFile), 1);
    EXPECT_EQ(contacts.CheckFileType(Put("new.dat", PalmDatWriter::File({PmAddrExRec{}}))), 2);
    EXPECT_EQ(contacts.CheckFileType(Put("memos.dat", PalmDatWriter::File({PmMemoExRec{}}))), 255);
    EXPECT_EQ(contacts.CheckFileType(text), 255);
    EXPECT_EQ(contacts.CheckFileType(""), 0);
    EXPECT_TRUE(Logged("Check Palm Desktop Contacts file type: (" + earlyFile + ") - Palm Desktop 4.1 or earlier"));
    EXPECT_TRUE(Logged("Failed to check Palm Desktop Contacts file type: (" + text + ")"));
}

TEST_F(FrontEnds, DeletedAndArchivedRecordsAreLeftOut)
{
    std::vector<PmTodoExRec> todos(4);
    const std::int32_t statuses[] = {0, 0x04, 0x84, 0x101};
    for (std::size_t i = 0; i < todos.size(); ++i) {
        todos[i].Status = statuses[i];
        todos[i].Description = "todo " + std::to_string(i);
    }
    PmTodoInfo info(kPalm414);
    ASSERT_TRUE(info.LoadByFile(Put("todo.dat", PalmDatWriter::File(todos))));
    ASSERT_EQ(info.Count(), 2u);
    ASSERT_EQ(info.GetCommonMgr().Count(), 2u);
    EXPECT_EQ(info.GetCommonMgr().At(1)->Subject.view(), "todo 3");
    EXPECT_EQ(info.GetCommonMgr().At(1)->Status, 0x101);
    EXPECT_EQ(info.At(1)->Common, info.GetCommonMgr().At(1));
    const auto source = info.GetCommonMgr().At(1)->SourceData.Get<PmTodoSourceRec>();
    ASSERT_TRUE(source);
    EXPECT_EQ(info.GetCommonMgr().At(1)->SourceData.Data(), info.At(1));
    EXPECT_EQ(std::get<const PmTodoExRec*>(source->Record)->Description.view(), "todo 3");

    info.Reset();
    EXPECT_EQ(info.Count(), 0u);
    EXPECT_EQ(info.GetCommonMgr().Count(), 0u);
    EXPECT_EQ(info.LoadedGeneration(), 0);
}

TEST_F(FrontEnds, ContactConversion)
{
    PmAddrExRec r;
    r.FirstName = "Ann";
    r.LastName = "Lee";
    r.Phone[0] = "555-0001";
    r.Phone[1] = "555-0002";
    r.Phone[2] = "555-0003";
    r.PhoneLabel[2] = 6;  // pager: not carried
    r.Phone[3] = "ann@example.org";
    r.PhoneLabel[3] = 4;
    r.Phone[4] = "555-0005";
    r.PhoneLabel[4] = 7;
    r.Work.Zip = "98052";
    r.Other.Street = "Elsewhere";
    r.Custom[8] = "nine";
    r.CategoryId = 1;
    r.Birthday = 0x07B20101;  // 1 January 1970
    PmAddrExRec noBirthday = r;
    noBirthday.Birthday = 0;
    PmAddrExRec badBirthday = r;
    badBirthday.Birthday = 2001 * 65536 + 13 * 256 + 1;
    PmAddrInfo info(kPalm414);
    info.SetCustomKey(0, 12);  // Mobile Phone
    info.SetCustomKey(1, 6);   // Home Phone: no slot carries it
    info.SetCustomKey(2, 34);  // Birthday: not a text
    info.SetCustomKey(9, 43);  // Custom 9
    EXPECT_FALSE(info.SetCustomKey(10, 1));
    ASSERT_TRUE(info.LoadByFile(Put("address.dat", PalmDatWriter::File({r, noBirthday, badBirthday}, {{1, 1, "VIP"}}))));
    const velmora::model::CommAddrRec& c = *info.GetCommonMgr().At(0);
    EXPECT_EQ(c.WorkPhone.view(), "555-0002");  // two slots of code 0: the later wins
    EXPECT_EQ(c.Email.view(), "ann@example.org");
    EXPECT_EQ(c.MobilePhone.view(), "555-0005");
    EXPECT_TRUE(c.Pager.empty());
    EXPECT_EQ(c.WorkAddr.Postal.view(), "98052");
    EXPECT_EQ(c.OtherAddr.Street.view(), "Elsewhere");
    EXPECT_EQ(c.Custom[8].view(), "nine");
    EXPECT_EQ(c.Category.view(), "VIP");
    EXPECT_EQ(c.SourceType, 1);
    EXPECT_EQ(c.Birthday, velmora::model::MakeDate(1970, 1, 1));
    EXPECT_EQ(info.GetCommonMgr().At(1)->Birthday, 0);
    EXPECT_EQ(info.GetCommonMgr().At(2)->Birthday, 0);
    EXPECT_EQ(c.MappedCustom[0].view(), "555-0005");
    EXPECT_TRUE(c.MappedCustom[1].empty());
    EXPECT_TRUE(c.MappedCustom[2].empty());
    EXPECT_EQ(c.MappedCustom[9].view(), "nine");

    const auto& source = *info.At(0);
    EXPECT_EQ(PmAddrInfo::GetFieldText(source, 5), "555-0001");  // the first slot of the code
    EXPECT_EQ(PmAddrInfo::GetFieldText(source, 6), "N/A");
    EXPECT_EQ(PmAddrInfo::GetFieldText(source, 34), "N/A");
    EXPECT_EQ(PmAddrInfo::GetFieldText(source, 44), "VIP");
    EXPECT_EQ(info.GetFieldCount(), 45);
    EXPECT_EQ(info.GetFieldKey(44), 45);
    EXPECT_STREQ(info.GetFieldName(44), "Note");
    EXPECT_STREQ(info.GetFieldName(45), "N/A");
    EXPECT_EQ(PmAddrInfo(40100).GetFieldCount(), 23);
    EXPECT_EQ(PmAddrInfo(60200).GetFieldCount(), 54);
    EXPECT_STREQ(GetPhoneLabelName(7), "Mobile Phone");
    EXPECT_STREQ(GetPhoneLabelName(9), "Work Phone");
}

TEST_F(FrontEnds, CalendarConversionAndRepeatEnds)
{
    const auto seconds = [](int year, int month, int day) {
        return static_cast<std::int32_t>(velmora::model::VariantToTimeT(velmora::model::MakeDate(year, month, day)));
    };
    struct Case {
        std::int32_t end;
        bool hasEnd;
        int endYear;
    };
    const Case cases[] = {{seconds(2019, 6, 30), true, 2019}, {seconds(2025, 1, 31), true, 2025}, {0x749DCEFF, false, 0}, {0, false, 0}};
    std::vector<PmDateExRec> events;
    for (const Case& c : cases) {
        PmDateExRec e;
        e.Description = "Weekly";
        e.Start = seconds(2008, 3, 3) + 9 * 3600;
        e.End = e.Start + 1800;
        e.AlarmSet = 1;
        e.AlarmAdvance = 2;
        e.AlarmUnit = 1;
        e.Repeat.Type = 2;
        e.Repeat.Interval = 2;
        e.Repeat.DaysMask = 0x0A;
        e.Repeat.EndDate = c.end;
        events.push_back(e);
    }
    PmDateExRec yearly;
    yearly.Repeat.Type = 5;
    yearly.Repeat.Interval = 1;
    yearly.Repeat.DayOfMonth = 21;
    yearly.Repeat.MonthIndex = 3;
    yearly.Untimed = 7;
    events.push_back(yearly);
    PmDateExRec other;
    other.Repeat.Type = 6;
    events.push_back(other);
    PmDateInfo info(kPalm414);
    ASSERT_TRUE(info.LoadByFile(Put("datebook.dat", PalmDatWriter::File(events))));
    ASSERT_EQ(info.GetCommonMgr().Count(), events.size());
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const velmora::model::CommDateRec& c = *info.GetCommonMgr().At(i);
        EXPECT_EQ(c.Recurrence.Kind, 2);
        EXPECT_EQ(c.Recurrence.Interval, 2);
        EXPECT_EQ(c.Recurrence.Weekdays, 0x0A);
        EXPECT_EQ(c.Recurrence.HasEnd, cases[i].hasEnd ? 1 : 0) << i;
        EXPECT_EQ(c.Recurrence.EndDate.Year, cases[i].endYear) << i;
        EXPECT_EQ(c.Start.Hour, 9);
        EXPECT_EQ(c.End.Minute, 30);
        EXPECT_EQ(c.ReminderSet, 1);
        EXPECT_EQ(c.ReminderLead, 2);
        EXPECT_EQ(c.ReminderUnit, 2);  // hours
    }
    const velmora::model::CommDateRec& y = *info.GetCommonMgr().At(4);
    EXPECT_EQ(y.Recurrence.Kind, 6);
    EXPECT_EQ(y.Recurrence.Month, 4);
    EXPECT_EQ(y.Recurrence.DayOfMonth, 21);
    EXPECT_EQ(y.AllDay, 1);
    EXPECT_EQ(y.ReminderSet, 0);
    EXPECT_EQ(info.GetCommonMgr().At(5)->Recurrence.Kind, 0);
}

TEST_F(FrontEnds, TaskAndMemoConversion)
{
    std::vector<PmTodoExRec> todos(5);
    const std::int32_t priorities[] = {1, 2, 3, 5, 9};
    for (std::size_t i = 0; i < todos.size(); ++i)
        todos[i].Priority = priorities[i];
    todos[0].Private = 1;
    todos[0].Reminder = 1;
    todos[0].Completed = 4;
    todos[0].DueDate = 86400;
    PmTodoInfo tasks(kPalm414);
    ASSERT_TRUE(tasks.LoadByFile(Put("todo.dat", PalmDatWriter::File(todos))));
    const std::int32_t expected[] = {1, 0, 0, 2, 0};
    for (std::size_t i = 0; i < todos.size(); ++i)
        EXPECT_EQ(tasks.GetCommonMgr().At(i)->Priority, expected[i]) << priorities[i];
    const velmora::model::CommTaskRec& t = *tasks.GetCommonMgr().At(0);
    EXPECT_EQ(t.Private, 1);
    EXPECT_EQ(t.Sensitivity, 2);
    EXPECT_EQ(t.Alarm, 1);
    EXPECT_EQ(t.ReminderSet, 1);
    EXPECT_EQ(t.Completed, 1);
    EXPECT_EQ(t.DueDate, 86400);

    PmMemoExRec shopping;
    shopping.Memo = "Shopping\r\nmilk";
    shopping.RecordId = 42;
    PmMemoExRec oneLine;
    oneLine.Memo = std::string(300, 'w');
    PmMemoInfo memos(kPalm414);
    ASSERT_TRUE(memos.LoadByFile(Put("memopad.dat", PalmDatWriter::File({shopping, oneLine}))));
    const velmora::model::CommNoteRec& n = *memos.GetCommonMgr().At(0);
    EXPECT_EQ(n.Subject.view(), "Shopping");
    EXPECT_EQ(n.Text.view(), "Shopping\r\nmilk");
    EXPECT_EQ(n.IdNumber, 42);
    EXPECT_EQ(memos.GetCommonMgr().At(1)->Subject.view(), std::string(255, 'w'));
}

}  // namespace
