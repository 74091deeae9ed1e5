// What the stand-in Lotus Notes helpers make of Notes exports, including damaged and huge ones.
#include "helpers/common/SourceFile.h"
#include "helpers/lotus/NotesExport.h"
#include "helpers/lotus/NotesRecords.h"
#include "helpers/lotus/StructuredText.h"

#include "model/CxDateTime.h"
#include "support/FixedZone.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>


namespace velmora::testing {
namespace {

using namespace helpers;
using model::MakeDate;

TEST(NotesDates, TheFormsNotesWrites)
{
    const struct {
        const char* text;
        double date;
    } cases[] = {
        {"12/25/2025 09:00:00 AM", MakeDate(2025, 12, 25, 9, 0)},
        {"12/25/2025 09:00 PM", MakeDate(2025, 12, 25, 21, 0)},
        {"12/25/2025 12:30:00 AM", MakeDate(2025, 12, 25, 0, 30)},
        {"12/25/2025", MakeDate(2025, 12, 25)},
        {"3/7/08", MakeDate(2008, 3, 7)},
        {"2025-12-25T09:00:00", MakeDate(2025, 12, 25, 9, 0)},
        {"2025-12-25 09:00", MakeDate(2025, 12, 25, 9, 0)},
        {"2025-12-25", MakeDate(2025, 12, 25)},
        {"20251225T090000", MakeDate(2025, 12, 25, 9, 0)},
        {"12/25/2025 09:00:00 AM EST", MakeDate(2025, 12, 25, 9, 0)},
        {"03/10/2008, 03/11/2008", MakeDate(2008, 3, 10)},
        {"  ", 0},
        {"yesterday", 0},
        {"13/45/2025", 0},
        {"12/25/2025 25:00", 0},
    };
    for (const auto& k : cases)
        EXPECT_EQ(ParseNotesDate(k.text), k.date) << k.text;
}

TEST(StructuredText, DocumentsItemsAndContinuations)
{
    const std::vector<NotesDocument> docs = ParseStructuredText(
        "Subject: One\rBody: first\r second\r\r\fSubject: Two\nNot an item line\n\f\f\nBody:\n  x\n\fjunk before any item\n");
    ASSERT_EQ(docs.size(), 3u) << "CR-only lines; documents without items skipped";
    EXPECT_EQ(*docs[0].Find("body"), "first\r\nsecond");
    EXPECT_EQ(*docs[1].Find("Subject"), "Two\r\nNot an item line");
    EXPECT_EQ(*docs[2].Find("Body"), "x");
    EXPECT_EQ(docs[2].Find("Missing"), nullptr);
}

TEST(StructuredText, AFiftyMegabyteExportReads)
{
    std::string text;
    for (int i = 0; text.size() < 50'000'000; ++i)
        text += "Subject: Document " + std::to_string(i) + "\nBody: " + std::string(400, 'b') + "\n continued\n\f";
    const std::vector<NotesDocument> docs = ParseStructuredText(text);
    EXPECT_GT(docs.size(), 100000u);
    EXPECT_EQ(*docs[100000].Find("Body"), std::string(400, 'b') + "\r\ncontinued");
}

TEST(NotesCalendarExports, RdateListsBecomeSeriesOrEntries)
{
    const FixedZone zone("UTC");
    const auto calendarOf = [](const std::string& rdates) {
        NotesCalendar c;
        std::string error;
        EXPECT_TRUE(ReadNotesCalendar("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nDTSTART:20080303T090000Z\r\n"
                                      "DTEND:20080303T100000Z\r\nRDATE:" + rdates + "\r\nSUMMARY:S\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n",
                                      c, error))
            << error;
        return c;
    };
    const struct {
        const char* name;
        std::string rdates;
        std::size_t entries;
        const char* unit;
        const char* interval;
        const char* value;
    } cases[] = {
        {"weekly", "20080310T090000Z,20080317T090000Z", 1, "W", "1", "2"},
        {"every two days", "20080305T090000Z,20080307T090000Z", 1, "D", "2", "0"},
        {"monthly on the 3rd", "20080403T090000Z,20080503T090000Z", 1, "MD", "1", "3"},
        {"yearly", "20090303T090000Z,20100303T090000Z", 1, "Y", "1", "0"},
        {"irregular", "20080305T090000Z,20080317T090000Z", 3, "", "", ""},
        {"another hour", "20080304T110000Z", 2, "", "", ""},
    };
    for (const auto& k : cases) {
        const NotesCalendar c = calendarOf(k.rdates);
        ASSERT_EQ(c.Events.size(), k.entries) << k.name;
        EXPECT_EQ(c.Events[0].RepeatUnit, k.unit) << k.name;
        EXPECT_EQ(c.Events[0].RepeatInterval, k.interval) << k.name;
        EXPECT_EQ(c.Events[0].RepeatValue, k.value) << k.name;
        EXPECT_EQ(c.Events[0].RepeatFlag, k.entries == 1 ? "1" : "") << k.name;
    }
    std::string many = "20080304T090000Z";
    for (int day = 1; day < 10000; ++day) {
        const model::SystemTime t = model::SystemTimeOf(MakeDate(2008, 3, 4) + day * 3 + (day % 2));
        char one[32];
        std::snprintf(one, sizeof one, "\r\n ,%04d%02d%02dT090000Z", t.Year, t.Month, t.Day);  // folded as Notes folds
        many += one;
    }
    EXPECT_EQ(calendarOf(many).Events.size(), 10001u) << "10,000 irregular dates: one entry each";
}

TEST(NotesCalendarExports, RulesWithoutOccurrencesOrWithADamagedEnd)
{
    NotesCalendar c;
    std::string error;
    ASSERT_TRUE(ReadNotesCalendar("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"
                                  "BEGIN:VEVENT\r\nDTSTART:20080303T090000\r\nRRULE:FREQ=WEEKLY;UNTIL=20070101\r\nEND:VEVENT\r\n"
                                  "BEGIN:VEVENT\r\nDTSTART:20080303T090000\r\nRRULE:FREQ=WEEKLY;UNTIL=00000000\r\nEND:VEVENT\r\n"
                                  "BEGIN:VEVENT\r\nDTSTART:20080303T090000\r\nRRULE:FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=30;COUNT=5\r\n"
                                  "END:VEVENT\r\nEND:VCALENDAR\r\n",
                                  c, error))
        << error;
    ASSERT_EQ(c.Events.size(), 3u);
    EXPECT_EQ(c.Events[0].RepeatFlag, "") << "ends before it starts: the single entry";
    EXPECT_EQ(c.Events[1].RepeatUnit, "W") << "a damaged UNTIL keeps the rule";
    EXPECT_EQ(c.Events[1].RepeatUntil, 0);
    EXPECT_EQ(c.Events[2].RepeatUnit, "Y");
    EXPECT_EQ(c.Events[2].RepeatUntil, 0) << "no occurrence, no end";
}

TEST(NotesExports, FindingTheExportOfADatabase)
{
    TempDir dir;
    WriteFile(dir.Path() + "Names.TXT", "FirstName: A\n");
    WriteFile(dir.Path() + "srv/mail/jd.ics", "BEGIN:VCALENDAR\nEND:VCALENDAR\n");
    NotesExport found;
    std::string error;
    ASSERT_TRUE(FindNotesExport(dir.Path() + "names.nsf", dir.Path(), {ExportKind::VCard, ExportKind::StructuredText}, found, error));
    EXPECT_EQ(found.Kind, ExportKind::StructuredText);
    EXPECT_EQ(found.Path, dir.Path() + "Names.TXT");
    ASSERT_TRUE(FindNotesExport("SRV!!Mail/JD.NSF", dir.Path(), {ExportKind::ICalendar}, found, error)) << error;
    EXPECT_EQ(found.Path, dir.Path() + "srv/mail/jd.ics");
    EXPECT_FALSE(FindNotesExport(dir.Path() + "names.nsf", dir.Path(), {ExportKind::ICalendar}, found, error));
    EXPECT_EQ(error, "The Lotus Notes database " + dir.Path() + "names.nsf cannot be found.");
    EXPECT_FALSE(FindNotesExport("", dir.Path(), {ExportKind::VCard}, found, error));
    std::string text;
    EXPECT_FALSE(ReadSourceFile("/dev/zero", text, error)) << "no regular file";
    EXPECT_EQ(error, "The file /dev/zero is no regular file; it is not read.");
    EXPECT_FALSE(ReadSourceFile(dir.Path(), text, error));
    ASSERT_EQ(::mkfifo((dir.Path() + "contacts.vcf").c_str(), 0600), 0);
    EXPECT_FALSE(ReadSourceFile(dir.Path() + "contacts.vcf", text, error)) << "a FIFO is refused, not waited on";
    EXPECT_FALSE(ReadSourceFile(dir.Path() + "missing.vcf", text, error));
    EXPECT_TRUE(ReadSourceFile(dir.Path() + "missing.vcf", text, error, true));
    EXPECT_TRUE(ReadSourceFile(dir.Path() + "Names.TXT", text, error));
    EXPECT_EQ(text, "FirstName: A\n");
}

}  // namespace
}  // namespace velmora::testing
