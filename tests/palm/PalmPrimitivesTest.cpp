// The .dat primitives, byte by byte: what each read consumes, what it keeps and when it fails.
#include "PalmTestSupport.h"

#include "palm/dat/PmDBUtil.h"
#include "palm/dat/PmTime.h"
#include "support/FixedZone.h"

#include <cstdlib>
#include <sys/file.h>
#include <fcntl.h>
#include <unistd.h>

using velmora::palm::PalmExtField;
using velmora::palm::PalmRepeat;
using velmora::palm::PmCategory;
using velmora::palm::PmCategoryMgr;
using velmora::palm::PmDBUtil;
using velmora::tools::PalmDatWriter;

namespace {

class Primitives : public velmora::testing::PalmFiles {
protected:
    // Reads the bytes followed by one marker Long.
    PmDBUtil& Open(const PalmDatWriter& w)
    {
        const std::string bytes = w.Bytes() + std::string("\x2A\0\0\0", 4);
        db.OpenData(bytes.data(), bytes.size());
        return db;
    }
    // True when the next Long is the marker, that is, the read before consumed exactly its value.
    bool AtMarker()
    {
        std::int32_t marker = 0;
        return db.ReadLong(marker) && marker == 42;
    }
    PmDBUtil db;
};

TEST_F(Primitives, CStringLengthFormsAtTheOneByteLimit)
{
    for (const std::size_t length : {0u, 254u, 255u, 300u}) {
        PalmDatWriter w;
        w.CString(std::string(length, 'a'));
        EXPECT_EQ(w.Size(), length + (length < 255 ? 1 : 3)) << length;
        std::string text;
        ASSERT_TRUE(Open(w).ReadCString(text, 300)) << length;
        EXPECT_EQ(text.size(), length);
        EXPECT_TRUE(AtMarker());
    }
    PalmDatWriter w;
    w.CString(std::string(20, 'b'));
    std::string text;
    std::size_t needed = 0;
    EXPECT_FALSE(Open(w).ReadCString(text, 19, &needed));
    EXPECT_EQ(needed, 20u);
}

TEST_F(Primitives, TypedTextsAreKeptUpTo8191CharactersAndConsumedWhole)
{
    PalmDatWriter empty;
    empty.Text("");
    EXPECT_EQ(empty.Size(), 9u);
    std::string text = "x";
    ASSERT_TRUE(Open(empty).ReadTypedText(text));
    EXPECT_EQ(text, "");
    EXPECT_TRUE(AtMarker());

    PalmDatWriter longText;
    longText.Text(std::string(10000, 'm'));
    ASSERT_TRUE(Open(longText).ReadTypedText(text));
    EXPECT_EQ(text, std::string(8191, 'm'));
    EXPECT_TRUE(AtMarker());

    // Into a record field: cut to its capacity.
    velmora::model::Text<32> field;
    ASSERT_TRUE(Open(longText).ReadTypedText(field));
    EXPECT_EQ(field.view(), std::string(31, 'm'));
}

TEST_F(Primitives, TypedIntegersAcceptOnlyTheirTags)
{
    for (const std::int32_t tag : {1, 3, 6}) {
        PalmDatWriter w;
        w.Int(77, tag);
        std::int32_t value = 0;
        EXPECT_TRUE(Open(w).ReadTypedInt(value)) << tag;
        EXPECT_EQ(value, 77);
    }
    PalmDatWriter text;
    text.Int(77, 5);
    std::int32_t value = 0;
    EXPECT_FALSE(Open(text).ReadTypedInt(value));
}

TEST_F(Primitives, ExtendedFieldsByCount)
{
    struct Case {
        PalmExtField field;
        std::size_t size;
    };
    PalmExtField withData;
    withData.Count = 5;
    withData.Data = {1, 2, 3, 4, 5};
    PalmExtField pair;
    pair.Count = 2;
    pair.First = 9;
    pair.Second = 8;
    PalmExtField pairWithData = pair;
    pairWithData.Data = {7, 7, 7};
    const Case cases[] = {{PalmExtField{}, 8}, {pair, 20}, {pairWithData, 23}, {withData, 13}};
    for (const Case& c : cases) {
        PalmDatWriter w;
        w.Ext(c.field);
        EXPECT_EQ(w.Size(), c.size);
        PalmExtField read;
        ASSERT_TRUE(Open(w).ReadExtField(read)) << c.size;
        EXPECT_EQ(read.Count, c.field.Count);
        EXPECT_EQ(read.Data, c.field.Data);
        EXPECT_EQ(read.First, c.field.First);
        EXPECT_TRUE(AtMarker());
    }
}

TEST_F(Primitives, RepeatEventsWithClassDefinitionsReferencesAndExceptions)
{
    PalmRepeat weekly;
    weekly.Type = 2;
    weekly.Interval = 1;
    weekly.DayIndex = 3;
    weekly.DaysMask = 0x2A;
    weekly.EndDate = 1234;
    PalmRepeat monthly;
    monthly.Type = 4;
    monthly.Interval = 2;
    monthly.DayOfMonth = 15;
    PalmRepeat yearly;
    yearly.Type = 5;
    yearly.Interval = 1;
    yearly.DayOfMonth = 21;
    yearly.MonthIndex = 3;
    PalmDatWriter w;
    w.Repeat(PalmRepeat{}, {1, 2});  // class entry 0: 4 + 2 + 8 + 2 bytes
    EXPECT_EQ(w.Size(), 16u);
    w.Repeat(weekly, {100, 200, 300}).Repeat(monthly).Repeat(yearly);

    PmDBUtil& file = Open(w);
    PalmRepeat read;
    ASSERT_TRUE(file.ReadRepeat(read));
    EXPECT_EQ(read.Type, 0);
    ASSERT_TRUE(file.ReadRepeat(read));  // defines the class; exceptions dropped
    EXPECT_EQ(read.Type, 2);
    EXPECT_EQ(read.DaysMask, 0x2A);
    EXPECT_EQ(read.EndDate, 1234);
    ASSERT_TRUE(file.ReadRepeat(read));  // refers to it
    EXPECT_EQ(read.DayOfMonth, 15);
    ASSERT_TRUE(file.ReadRepeat(read));
    EXPECT_EQ(read.DayOfMonth, 21);
    EXPECT_EQ(read.MonthIndex, 3);
    EXPECT_TRUE(AtMarker());
}

TEST_F(Primitives, DamagedValuesFailTheRead)
{
    PalmRepeat repeat;
    PalmExtField field;
    std::string text;
    std::int32_t value = 0;
    const struct {
        const char* name;
        PalmDatWriter bytes;
        std::function<bool(PmDBUtil&)> read;
    } cases[] = {
        {"a repeat of the wrong tag", PalmDatWriter().Long(9).Short(0).Short(0), [&](PmDBUtil& d) { return d.ReadRepeat(repeat); }},
        {"a repeat with a wrong class marker", PalmDatWriter().Long(8).Short(0).Short(0xFFFF).Short(2).Short(0),
         [&](PmDBUtil& d) { return d.ReadRepeat(repeat); }},
        {"65535 exception dates in a few bytes", PalmDatWriter().Long(8).Short(0xFFFF),
         [&](PmDBUtil& d) { return d.ReadRepeat(repeat); }},
        {"two gigabytes of extended data announced", PalmDatWriter().Long(64).Long(0x7FFFFFFF),
         [&](PmDBUtil& d) { return d.ReadExtField(field); }},
        {"a negative extended length", PalmDatWriter().Long(64).Long(1).Long(0).Long(0).Long(-5),
         [&](PmDBUtil& d) { return d.ReadExtField(field); }},
        {"a text running past the end", PalmDatWriter().Long(5).Long(0).Byte(0xFF).Short(60000).Raw("abc"),
         [&](PmDBUtil& d) { return d.ReadTypedText(text); }},
        {"half a Long", PalmDatWriter().Short(1), [&](PmDBUtil& d) { return d.ReadLong(value); }},
    };
    for (const auto& c : cases) {
        // Without the marker: a read that ran on into it would not see the end of the data.
        const std::string bytes = c.bytes.Bytes();
        db.OpenData(bytes.data(), bytes.size());
        EXPECT_FALSE(c.read(db)) << c.name;
    }
}

TEST_F(Primitives, OpenIsExclusive)
{
    const std::string path = Put("held.dat", "data");
    EXPECT_FALSE(db.Open("", 2));
    EXPECT_FALSE(db.Open(Folder() + "missing.dat", 2));
    const int other = ::open(path.c_str(), O_RDONLY);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
    EXPECT_FALSE(db.Open(path, 2));
    ::close(other);
    ASSERT_TRUE(db.Open(path, 2));
    PmDBUtil second;
    EXPECT_FALSE(second.Open(path, 2));  // while this reader holds it
    db.Close();
    db.Close();
    EXPECT_TRUE(second.Open(path, 2));
}

TEST(PmCategoryMgr, AddRules)
{
    PmCategoryMgr categories;
    ASSERT_TRUE(categories.Add(PmCategory(0, 0, "Unfiled")));
    ASSERT_TRUE(categories.Add(PmCategory(1, 5, "Business")));
    ASSERT_TRUE(categories.Add(PmCategory(2, 9, "Personal")));
    ASSERT_TRUE(categories.Add(PmCategory(-1, -1, "A/B:C")));
    const PmCategory* added = categories.FindByName("a/b:c");
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->GetIndex(), 3);
    EXPECT_EQ(added->GetID(), 10);  // the largest of the filled slots 0-2, plus one
    EXPECT_EQ(added->GetFileName(), "A_B_C");
    EXPECT_NE(added->GetFlags() & PmCategory::kChanged, 0u);
    EXPECT_FALSE(categories.Add(PmCategory(4, 5, "Same ID")));
    EXPECT_FALSE(categories.Add(PmCategory(2, 11, "Taken slot")));
    EXPECT_FALSE(categories.Add(PmCategory(16, 12, "No slot")));
    EXPECT_EQ(categories.FindByName(""), nullptr);
    EXPECT_EQ(categories.GetAt(16), nullptr);
    for (int i = 4; i < 16; ++i)
        EXPECT_TRUE(categories.Add(PmCategory(-1, 100 + i, "C" + std::to_string(i))));
    EXPECT_FALSE(categories.Add(PmCategory(-1, 200, "Full")));
    EXPECT_EQ(categories.GetCount(), 16u);
}

TEST(PmTime, LocalTextsAndFields)
{
    const velmora::testing::FixedZone newYork("America/New_York");
    velmora::palm::PmTime time;
    ASSERT_TRUE(time.FromFields(2005, 1, 15, 13, 4, 5));
    EXPECT_EQ(time.GetValue(), 1105812245);  // 18:04:05 UTC
    EXPECT_EQ(time.ToDateText(), "01/15/2005");
    EXPECT_EQ(time.ToTimeText(), "13:04:05");
    EXPECT_EQ(time.GetYear(), 2005);
    EXPECT_EQ(velmora::palm::PmTime(0x749DCEFF).GetYear(), 2031);
}

}  // namespace
