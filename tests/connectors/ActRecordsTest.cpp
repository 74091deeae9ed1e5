// One record of each ACT! data file layout, written and read back byte for byte against bytes
// built here from the layouts' field lists.
#include "connectors/exchange/RecordFile.h"
#include "connectors/act/CxACTAddrUtil.h"

#include "support/ByteBuilder.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace velmora::connectors;
using velmora::testing::ByteBuilder;
using velmora::testing::ReadFile;
using velmora::testing::TempDir;
using velmora::testing::WriteFile;

namespace {

template <class Raw>
void ExpectLayout(const Raw& record, const std::string& expected, Raw& readBack)
{
    TempDir dir;
    const std::string path = dir.Path() + "record.dat";
    ASSERT_EQ(WriteDataFile(path, std::vector<Raw>{record}, [](std::int32_t) {}), DataFileResult::Ok);
    const std::string bytes = ReadFile(path);
    ASSERT_EQ(bytes.size(), expected.size() + 4);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\x01\x00\x00\x00", 4));
    EXPECT_EQ(bytes.substr(4), expected);
    int records = 0;
    EXPECT_EQ(ReadDataFile<Raw>(path, [](std::int32_t) {}, [&](Raw&& r) {
                  readBack = std::move(r);
                  ++records;
                  return true;
              }),
              DataFileResult::Ok);
    EXPECT_EQ(records, 1);
    // Every shorter file is damaged, never a record with missing fields.
    for (std::size_t cut = 4; cut < bytes.size(); cut += 7) {
        WriteFile(path, bytes.substr(0, cut));
        EXPECT_EQ(ReadDataFile<Raw>(path, [](std::int32_t) {}, [](Raw&&) { return true; }), DataFileResult::Damaged);
    }
}

TEST(ActLayouts, Contact)
{
    ActContactRec record;
    record.State = 2;
    record.Operation = 1;
    record.RecordId = "R-1";
    record.FirstName = "Ann";
    record.SecondaryCategory = "VIP";
    record.IsPrivate = 1;
    record.SecondaryIsPrivate = 1;
    record.Birthday = 29000.5;
    ByteBuilder b;
    b.Int32(2).Int32(1);
    for (int id = 1; id <= 58; ++id)
        b.String(id == 1 ? "R-1" : id == 8 ? "Ann" : "");
    b.Flag(false).Flag(false).Flag(true);  // 59-61
    for (int id = 62; id <= 69; ++id)
        b.Double(id == 62 ? 29000.5 : 0);
    for (int id = 70; id <= 88; ++id)
        b.String(id == 88 ? "VIP" : "");
    b.Flag(true);  // 89
    ActContactRec back;
    ExpectLayout(record, b.Bytes(), back);
    EXPECT_EQ(back.State, 2);
    EXPECT_EQ(back.RecordId, "R-1");
    EXPECT_EQ(back.FirstName, "Ann");
    EXPECT_EQ(back.SecondaryCategory, "VIP");
    EXPECT_EQ(back.Birthday, 29000.5);
    EXPECT_EQ(back.IsPrivate, 1);
    EXPECT_EQ(back.IsUser, 0);
    EXPECT_EQ(back.SecondaryIsPrivate, 1);

    EXPECT_EQ(CxACTAddrUtil::FieldCount(), 89u);
    EXPECT_STREQ(CxACTAddrUtil::FieldNameAt(42), "Business E-mail");
    EXPECT_EQ(CxACTAddrUtil::FieldIdAt(88), 89);
    EXPECT_STREQ(CxACTAddrUtil::FieldNameAt(89), "N/A");
    ASSERT_NE(CxACTAddrUtil::FieldById(62), nullptr);
    EXPECT_EQ(CxACTAddrUtil::FieldById(62)->Type, velmora::model::FieldType::Date);
    EXPECT_EQ(CxACTAddrUtil::FieldById(90), nullptr);
}

TEST(ActLayouts, Calendar)
{
    ActCalendarRec record;
    record.State = 2;
    record.Operation = 2;
    record.RecordId = "C-9";
    record.Regarding = "Review";
    record.Location = "Room 1";
    record.Details = "Bring figures";
    record.ActivityType = 1;
    record.Start = 39514.375;
    record.End = 39514.4375;
    record.CreateTime = 39500;
    record.EditDate = 39501;
    record.Reserved = 77;
    record.RecurrenceValue = 10;
    record.RecurrenceMode = 2;
    record.RecurrenceInterval = 2;
    record.RecurrenceWeekOfMonth = 3;
    record.RecurrenceMonth = 4;
    record.RecurrenceFrequency = 2;
    record.RecurrenceEnd = 39600;
    record.Private = 1;
    record.AllDay = 0;
    ByteBuilder b;
    b.Int32(2).Int32(2).String("C-9").String("Review").String("Room 1").String("Bring figures").Int32(1);
    b.Double(39514.375).Double(39514.4375).Double(39500).Double(39501).Int32(77);
    b.Int32(10).Int32(2).Int32(2).Int32(3).Int32(4).Int32(2).Double(39600).Flag(true).Flag(false);
    ActCalendarRec back;
    ExpectLayout(record, b.Bytes(), back);
    EXPECT_EQ(back.Details, "Bring figures");
    EXPECT_EQ(back.Reserved, 77);
    EXPECT_EQ(back.RecurrenceEnd, 39600);
    EXPECT_EQ(back.Private, 1);
}

TEST(ActLayouts, Todo)
{
    ActTodoRec record;
    record.RecordId = "T-1";
    record.Regarding = "Call";
    record.SecondText = "kept";
    record.Details = "note";
    record.CreateTime = 1;
    record.EditDate = 2;
    record.Priority = 2;
    record.Carried[0] = 5;
    record.Carried[5] = 6;
    record.CarriedDate = 3;
    record.Private = 1;
    record.DueDate = 39600.5;
    record.Completed = 1;
    ByteBuilder b;
    b.Int32(0).Int32(0).String("T-1").String("Call").String("kept").String("note").Double(1).Double(2).Int32(2);
    b.Int32(5).Int32(0).Int32(0).Int32(0).Int32(0).Int32(6).Double(3).Flag(true).Double(39600.5).Flag(true);
    ActTodoRec back;
    ExpectLayout(record, b.Bytes(), back);
    EXPECT_EQ(back.Carried[5], 6);
    EXPECT_EQ(back.DueDate, 39600.5);
    EXPECT_EQ(back.Completed, 1);
}

TEST(ActLayouts, Note)
{
    ActNoteRec record;
    record.State = 2;
    record.Operation = 1;
    record.RecordId = "N-1";
    record.CreateUser = "chris";
    record.EditUser = "dana";
    record.ManageUser = "chris";
    record.NoteText = "Line 1\r\nLine 2";
    record.Private = 0;
    record.CreateTime = 39500.25;
    record.EditTime = 39501.75;
    ByteBuilder b;
    b.Int32(2).Int32(1).String("N-1").String("chris").String("dana").String("chris").String("Line 1\r\nLine 2");
    b.Flag(false).Double(39500.25).Double(39501.75);
    ActNoteRec back;
    ExpectLayout(record, b.Bytes(), back);
    EXPECT_EQ(back.NoteText, "Line 1\r\nLine 2");
    EXPECT_EQ(back.EditTime, 39501.75);
}

TEST(ActLayouts, AFlagIsReadFromItsFirstByteOnly)
{
    TempDir dir;
    ByteBuilder b;
    b.Int32(1).Int32(0).Int32(0);
    for (int field = 0; field < 5; ++field)
        b.String("");
    b.Int32(0x01010100);  // private: first byte 0, the rest ignored
    b.Double(0).Double(0);
    WriteFile(dir.Path() + "n.dat", b.Bytes());
    ActNoteRec back;
    back.Private = 1;
    ASSERT_EQ(ReadDataFile<ActNoteRec>(dir.Path() + "n.dat", [](std::int32_t) {}, [&](ActNoteRec&& r) {
                  back = std::move(r);
                  return true;
              }),
              DataFileResult::Ok);
    EXPECT_EQ(back.Private, 0);
}

}  // namespace
