// The stand-in Outlook: real data files (the shared fixtures and files of our own writer) read by
// OutlookPstRead, served through the object model and read by the Outlook readers.
#include "outlook/OlAddrUtil.h"
#include "outlook/OlDateUtil.h"
#include "outlook/OlNoteUtil.h"
#include "outlook/OlTaskUtil.h"
#include "outlook/standin/PstWire.h"
#include "outlook/standin/RecurrenceBlob.h"
#include "outlook/standin/RtfText.h"
#include "outlook/standin/StandInOutlook.h"

#include "helpers/outlook/PstFileReader.h"
#include "model/CxDateTime.h"
#include "pst/PstDemo.h"
#include "pst/PstItems.h"
#include "support/FixedZone.h"
#include "support/LoggedFiles.h"
#include "support/SharedFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace velmora::testing {
namespace {

using namespace outlook;
using namespace outlook::standin;
using model::MakeDate;
using tools::PstFolderSpec;
using tools::PstItem;

class StandIn : public LoggedFiles {
protected:
    void TearDown() override
    {
        ConfigureStandInOutlook("");
        TheOutlookSession().Reset();
        LoggedFiles::TearDown();
    }

    std::string Write(const std::vector<PstFolderSpec>& folders)
    {
        return Put("test.pst", tools::WritePst(folders));
    }
};

TEST_F(StandIn, ReadsTheOutlookFixture)
{
    const std::string file = SharedFixture("pst/duckdb-pst_unittest.pst");
    if (file.empty())
        GTEST_SKIP() << "the shared fixtures are not there";
    const FixedZone zone("America/New_York");
    ConfigureStandInOutlook(file);
    OlAddrUtil contacts;
    OlDateUtil calendar;
    OlTaskUtil tasks;
    OlNoteUtil notes;
    ASSERT_TRUE(contacts.Load() && calendar.Load() && tasks.Load() && notes.Load()) << Log();

    ASSERT_EQ(contacts.Manager().Count(), 3u) << "two contacts and a distribution list";
    const model::CommAddrRec& linus = *contacts.Manager().At(0);
    EXPECT_EQ(linus.FirstName, "Linus");
    EXPECT_EQ(linus.LastName, "Cat");
    EXPECT_EQ(linus.Company, "Intellekt");
    EXPECT_EQ(linus.Title, "Director of Leisure");
    EXPECT_EQ(linus.Email, "linus@intellekt.fyi");
    EXPECT_EQ(linus.SourceData.Get<OlAddrRec>()->FolderName, "Contacts");
    EXPECT_EQ(linus.SourceData.Get<OlAddrRec>()->EntryID.size(), 48u) << "24 bytes as hex";

    ASSERT_EQ(calendar.Manager().Count(), 1u);
    const model::CommDateRec& christmas = *calendar.Manager().At(0);
    EXPECT_EQ(christmas.Subject, "Christmas Day");
    EXPECT_EQ(christmas.AllDay, 1);
    EXPECT_EQ(christmas.Start.Month, 12);
    EXPECT_EQ(christmas.Start.Day, 25);
    EXPECT_EQ(christmas.Start.Hour, 0) << "stored in UTC, shown in local time";
    EXPECT_EQ(christmas.Recurrence.Kind, 6);
    EXPECT_EQ(christmas.Recurrence.Month, 12);
    EXPECT_EQ(christmas.Recurrence.DayOfMonth, 25);

    ASSERT_EQ(tasks.Manager().Count(), 1u);
    const model::CommTaskRec& task = *tasks.Manager().At(0);
    EXPECT_EQ(task.Subject, "Release DuckDB extension");
    EXPECT_EQ(task.Priority, 1) << "high importance";
    EXPECT_NE(task.Note.view().find("dusted off my Surface"), std::string_view::npos) << "the text of the RTF body";

    ASSERT_EQ(notes.Manager().Count(), 2u);
    EXPECT_EQ(notes.Manager().At(0)->Text, "This UI hasn't changed since I used Outlook on Win9x. Awesome.");
}

TEST_F(StandIn, ATasksDueDateIsTheSameDayInEveryTimeZone)
{
    const std::string file = SharedFixture("pst/duckdb-pst_unittest.pst");
    if (file.empty())
        GTEST_SKIP() << "the shared fixtures are not there";
    for (const char* zone : {"UTC", "America/Los_Angeles", "Asia/Tokyo", "Pacific/Kiritimati"}) {
        const FixedZone tz(zone);
        ConfigureStandInOutlook(file);
        OlTaskUtil tasks;
        ASSERT_TRUE(tasks.Load());
        const model::SystemTime due = model::SystemTimeOf(tasks.Manager().At(0)->SourceData.Get<OlTaskRec>()->DueDate);
        EXPECT_EQ(due.Year * 10000 + due.Month * 100 + due.Day, 20251225) << zone;
    }
}

TEST_F(StandIn, ReadsADataFileWithAPassword)
{
    const std::string file = SharedFixture("pst/java-libpst_passworded.pst");
    if (file.empty())
        GTEST_SKIP() << "the shared fixtures are not there";
    ConfigureStandInOutlook(file);
    OlAddrUtil contacts;
    ASSERT_TRUE(contacts.Load());
    ASSERT_EQ(contacts.Manager().Count(), 2u);
    EXPECT_EQ(contacts.Manager().At(1)->Email, "contact1@rjohnson.id.au");
}

// What our writer writes, libpff reads back exactly.
TEST_F(StandIn, OurWriterRoundTripsThroughLibpff)
{
    std::vector<PstFolderSpec> folders = tools::BulkOutlookFolders(1500, 300);
    PstItem big(PstFolderKind::Contacts, u"IPM.Contact");
    big.Set(u"FirstName", u"Big").Set(u"Body", std::u16string(20000, u'x'));  // over several blocks
    folders[0].Messages.push_back(big.Message());
    const std::string path = Write(folders);

    PstStore store;
    std::string error;
    ASSERT_TRUE(helpers::ReadPstFile(path, store, error)) << error;
    EXPECT_EQ(store.RecordKey, tools::kPstRecordKey);
    ASSERT_EQ(store.Folders.size(), 4u);
    for (std::size_t f = 0; f < folders.size(); ++f) {
        ASSERT_EQ(store.Folders[f].Items.size(), folders[f].Messages.size());
        for (std::size_t i = 0; i < folders[f].Messages.size(); ++i) {
            for (const PstProperty& written : folders[f].Messages[i].Properties) {
                const PstPropertySet& read = store.Folders[f].Items[i];
                const auto found = std::find_if(read.begin(), read.end(), [&](const PstProperty& p) {
                    return p.Key == written.Key && p.Type == written.Type;
                });
                ASSERT_NE(found, read.end()) << "folder " << f << " item " << i;
                EXPECT_EQ(found->Value, written.Value);
            }
        }
    }
    if (std::system("command -v pffexport >/dev/null 2>&1") == 0) {
        const std::string target = Folder() + "export";
        EXPECT_EQ(std::system(("pffexport -q -t '" + target + "' '" + path + "' >/dev/null 2>&1").c_str()), 0);
        EXPECT_TRUE(std::filesystem::exists(target + ".export/Top of Personal Folders/Contacts/Contact01501/Contact.txt"));
    }
}

TEST_F(StandIn, ReadersGetWhatOurWriterStored)
{
    PstItem contact(PstFolderKind::Contacts, u"IPM.Contact");
    contact.Set(u"FirstName", u"Ann").Set(u"Body", std::u16string(3000, u'n')).Set(u"Gender", 2);
    for (int i = 1; i <= 12; ++i)
        contact.UserField(u"Field " + std::u16string(1, static_cast<char16_t>(u'A' + i)), u"v");
    contact.UserField(u"Visits", 4);
    PstItem appointment(PstFolderKind::Calendar, u"IPM.Appointment");
    RecurrencePattern weekly;
    weekly.RecurrenceType = 1;
    weekly.Interval = 2;
    weekly.DayOfWeekMask = 2 | 8;
    weekly.PatternStartDate = MakeDate(2008, 3, 3);
    weekly.NoEndDate = true;
    appointment.Set(u"Subject", u"Team call").SetDate(u"Start", MakeDate(2008, 3, 3, 14, 0))
        .SetDate(u"End", MakeDate(2008, 3, 3, 14, 30)).Set(u"ReminderSet", 1).Set(u"ReminderMinutesBeforeStart", 120)
        .Set(u"Sensitivity", 2).Set(u"ResponseStatus", 3).Set(u"ResponseRequested", 1).Set(u"ReminderPlaySound", 1)
        .Set(u"ReminderSoundFile", u"chime.wav").Recur(weekly);
    PstItem broken(PstFolderKind::Calendar, u"IPM.Appointment");
    broken.Set(u"Subject", u"Broken").Set(u"IsRecurring", 1);  // no pattern stored
    PstItem task(PstFolderKind::Tasks, u"IPM.Task");
    task.Set(u"Subject", u"Repaint").Set(u"Status", 4).Set(u"PercentComplete", 25);
    PstItem noSubject(PstFolderKind::Notes, u"IPM.StickyNote");
    noSubject.Set(u"Body", u"text only").Set(u"Color", 1);
    ConfigureStandInOutlook(Write({{u"Contacts", u"IPF.Contact", {contact.Message()}},
                                   {u"Calendar", u"IPF.Appointment", {appointment.Message(), broken.Message()}},
                                   {u"Tasks", u"IPF.Task", {task.Message()}},
                                   {u"Notes", u"IPF.StickyNote", {noSubject.Message()}}}));

    OlAddrUtil contacts;
    OlDateUtil calendar;
    TheOutlookSession().OutlookVersionCode = 6;
    OlTaskUtil tasks;
    OlNoteUtil notes;
    ASSERT_TRUE(contacts.Load() && calendar.Load() && tasks.Load() && notes.Load()) << Log();
    const OlAddrRec c = *contacts.Manager().At(0)->SourceData.Get<OlAddrRec>();
    EXPECT_EQ(c.Body.size(), 2047u);
    EXPECT_EQ(c.Gender, 2);
    EXPECT_EQ(c.UserNames[0], "Field B");
    EXPECT_EQ(c.UserValues[9], "v");
    EXPECT_EQ(c.UserNames[9], "Field K") << "ten of thirteen";

    const model::CommDateRec& call = *calendar.Manager().At(0);
    EXPECT_EQ(call.Start.Hour, 14);
    EXPECT_EQ(call.DurationMinutes, 30);
    EXPECT_EQ(call.ReminderLead, 2);
    EXPECT_EQ(call.ReminderUnit, 2);
    EXPECT_EQ(call.Recurrence, (model::RecurrenceRule{.Kind = 2, .HasEnd = 1, .EndDate = model::SystemTimeOf(MakeDate(4500, 12, 31)),
                                                      .Interval = 2, .Weekdays = 2 | 8}))
        << "no end, as Outlook reports it";
    const OlDateRec shown = *call.SourceData.Get<OlDateRec>();  // what the detail view shows
    EXPECT_EQ(shown.Sensitivity, 2);
    EXPECT_EQ(shown.ResponseStatus, 3);
    EXPECT_EQ(shown.ResponseRequested, 1);
    EXPECT_EQ(shown.ReminderPlaySound, 1);
    EXPECT_EQ(shown.ReminderSoundFile, "chime.wav");
    EXPECT_EQ(call.Private, 0) << "the common record does not take the sensitivity";
    EXPECT_EQ(calendar.Manager().At(1)->Recurrence.Kind, 0);
    EXPECT_TRUE(Logged("The recurrence pattern of a recurring item cannot be read"));

    EXPECT_EQ(tasks.Manager().At(0)->TaskStatus, 4);
    EXPECT_EQ(tasks.Manager().At(0)->SourceData.Get<OlTaskRec>()->PercentComplete, 25);
    EXPECT_EQ(notes.Manager().At(0)->Text, "text only");
    EXPECT_EQ(notes.Manager().At(0)->Subject, "");
    EXPECT_EQ(notes.Manager().At(0)->Color, 1);
}

TEST_F(StandIn, DamagedOrMissingFilesFailTheLoadWithTheReasonLogged)
{
    const std::string whole = tools::WritePst(tools::BulkOutlookFolders(50, 10));
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"truncated.pst", whole.substr(0, whole.size() / 3)},
        {"header-only.pst", whole.substr(0, 600)},
        {"garbage.pst", std::string(70000, '\x5A')},
        {"empty.pst", std::string()},
    };
    for (const auto& k : cases) {
        ConfigureStandInOutlook(Put(k.name, k.bytes));
        OlAddrUtil contacts;
        // A damaged file either fails or loads what is sound; it never ends the process.
        if (!contacts.Load()) {
            EXPECT_TRUE(Logged("cannot be read")) << k.name;
        }
    }
    ConfigureStandInOutlook(Folder() + "missing.pst");
    OlAddrUtil missing;
    EXPECT_FALSE(missing.Load());
    EXPECT_TRUE(Logged("Failed to execute CoCreateInstance, hr=0x80004005"));
}

TEST(PstWire, EveryCutOfAnAnswerIsRefused)
{
    PstStore store;
    store.RecordKey = "key";
    PstFolder folder;
    folder.Properties.push_back({PstKey{.Kind = PstKeyKind::Tag, .Tag = 0x3001}, 0x001F, std::string("N\0", 2)});
    PstPropertySet item;
    item.push_back({PstKey{.Kind = PstKeyKind::NamedString, .Name = u"Keywords"}, 0x101F, "abc"});
    item.push_back({PstKey{.Kind = PstKeyKind::NamedNumber, .Number = 0x8005}, 0x001F, ""});
    folder.Items = {item, item};
    store.Folders = {folder};
    const std::string bytes = EncodeStore(store);
    PstStore back;
    std::string error;
    ASSERT_TRUE(DecodeStore(bytes, back, error));
    EXPECT_EQ(back.Folders[0].Items[1][0].Key.Name, u"Keywords");
    for (std::size_t n = 0; n < bytes.size(); ++n)
        EXPECT_FALSE(DecodeStore(std::string_view(bytes).substr(0, n), back, error)) << n;
    EXPECT_FALSE(DecodeStore(bytes + "x", back, error));
    EXPECT_FALSE(DecodeStore(EncodeError("no such file"), back, error));
    EXPECT_EQ(error, "no such file");
}

TEST(RecurrenceBlob, EveryKindWithAndWithoutEnd)
{
    const struct {
        const char* name;
        RecurrencePattern p;
    } cases[] = {
        {"daily", {.RecurrenceType = 0, .Interval = 3}},
        {"every weekday", {.RecurrenceType = 0, .Interval = 1, .DayOfWeekMask = 0x3E}},
        {"weekly", {.RecurrenceType = 1, .Interval = 2, .DayOfWeekMask = 2 | 8}},
        {"monthly", {.RecurrenceType = 2, .Interval = 1, .DayOfMonth = 15}},
        {"month-nth", {.RecurrenceType = 3, .Interval = 2, .DayOfWeekMask = 4, .Instance = 5}},
        {"yearly", {.RecurrenceType = 5, .Interval = 1, .DayOfMonth = 14, .MonthOfYear = 5}},
        {"year-nth", {.RecurrenceType = 6, .Interval = 2, .DayOfWeekMask = 2, .Instance = 1, .MonthOfYear = 5}},
    };
    for (const auto& k : cases) {
        for (const bool withEnd : {true, false}) {
            RecurrencePattern p = k.p;
            p.PatternStartDate = MakeDate(2008, 5, 14);
            p.NoEndDate = !withEnd;
            p.PatternEndDate = withEnd ? MakeDate(2010, 5, 14) : MakeDate(4500, 12, 31);
            for (const bool appointment : {true, false}) {
                RecurrencePattern read;
                ASSERT_TRUE(DecodeRecurrenceBlob(tools::RecurrenceBlob(p, appointment), read)) << k.name;
                EXPECT_EQ(read.RecurrenceType, p.RecurrenceType) << k.name;
                EXPECT_EQ(read.Interval, p.Interval) << k.name;
                EXPECT_EQ(read.DayOfWeekMask, p.DayOfWeekMask) << k.name;
                EXPECT_EQ(read.DayOfMonth, p.DayOfMonth) << k.name;
                EXPECT_EQ(read.Instance, p.Instance) << k.name;
                EXPECT_EQ(read.NoEndDate, !withEnd) << k.name;
                EXPECT_EQ(model::SystemTimeOf(read.PatternEndDate).Year, withEnd ? 2010 : 4500) << k.name;
                if (p.RecurrenceType >= 5) {
                    EXPECT_EQ(read.MonthOfYear, 5) << k.name;
                }
            }
        }
    }
}

TEST(RecurrenceBlob, ShortOrLyingBlobsAreNoRecurrence)
{
    RecurrencePattern p{.RecurrenceType = 1, .Interval = 1, .DayOfWeekMask = 2, .PatternStartDate = MakeDate(2008, 1, 7),
                        .PatternEndDate = MakeDate(2008, 12, 29)};
    const std::string blob = tools::RecurrenceBlob(p, false);
    RecurrencePattern read;
    for (std::size_t n = 0; n < blob.size(); ++n)
        EXPECT_FALSE(DecodeRecurrenceBlob(std::string_view(blob).substr(0, n), read)) << n;
    std::string lying = blob;
    lying[38] = '\xFF';  // the deleted instance count
    EXPECT_FALSE(DecodeRecurrenceBlob(lying, read));
    std::string badMask = blob;
    badMask[22] = '\xFF';
    EXPECT_FALSE(DecodeRecurrenceBlob(badMask, read));
    std::string zeroInterval = blob;
    zeroInterval[14] = '\0';
    EXPECT_FALSE(DecodeRecurrenceBlob(zeroInterval, read));
}

TEST(RtfText, KeepsTheTextOnly)
{
    const struct {
        const char* rtf;
        std::u16string text;
    } cases[] = {
        {R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0\fswiss Calibri;}}{\colortbl ;\red0\green0\blue0;})"
         R"({\*\generator Riched20;}\pard\f0 Hello\par World\par})",
         u"Hello\r\nWorld"},
        {R"({\rtf1 caf\'e9 \u8364? and \{braces\}\tab end})", u"caf\u00E9 \u20AC and {braces}\tend"},
        {R"({\rtf1\uc2 x\u20320\'c4\'e3y})", u"x\u4F60y"},
        {R"({\rtf1{\*\htmltag64 <p>}\htmlrtf {\f0 hidden}\htmlrtf0 shown})", u"shown"},
        {R"({\rtf1 unbalanced {\b bold)", u"unbalanced bold"},
        {"", u""},
    };
    for (const auto& k : cases)
        EXPECT_EQ(RtfToText(k.rtf), k.text) << k.rtf;
    EXPECT_EQ(RtfToText(std::string(100000, '{') + "x"), u"") << "nesting is bounded";
}

}  // namespace
}  // namespace velmora::testing
