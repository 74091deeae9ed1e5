// The stand-in Google helpers on files shaped like Google's exports, and the Google connectors
// running them.
#include "connectors/google/CxGAddrUtil.h"
#include "connectors/google/CxGDateUtil.h"
#include "helpers/google/ContactMapping.h"
#include "helpers/google/EventMapping.h"

#include "connectors/google/RecurrenceText.h"
#include "model/CxDateTime.h"
#include "platform/Folders.h"
#include "support/FixedZone.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <filesystem>

using namespace velmora::connectors;
using namespace velmora::helpers;
using namespace velmora::model;
using velmora::testing::TempDir;
using velmora::testing::WriteFile;

namespace {

const char* const kContacts =
    "BEGIN:VCARD\r\n"
    "VERSION:3.0\r\n"
    "FN:Zoë Müller\r\n"
    "N:Müller;Zoë;;;\r\n"
    "EMAIL;TYPE=INTERNET;TYPE=HOME:zoe@home.example\r\n"
    "EMAIL;TYPE=INTERNET;TYPE=WORK;TYPE=pref:zoe@work.example\r\n"
    "TEL;TYPE=CELL:+49 170 1234567\r\n"
    "TEL;TYPE=WORK,FAX:+49 30 7654321\r\n"
    "ADR;TYPE=WORK:;;Unter den Linden 5\\, Hof;Berlin;;10117;Germany\r\n"
    "ORG:Acme\\, Europe\r\n"
    "TITLE:Director\r\n"
    "BDAY:1980-03-22\r\n"
    "item1.X-ABDATE:2005-06-01\r\n"
    "item1.X-ABLabel:_$!<Anniversary>!$_\r\n"
    "item2.X-ABRELATEDNAMES:Jan\r\n"
    "item2.X-ABLabel:_$!<Spouse>!$_\r\n"
    "item3.X-CUSTOM:gold\r\n"
    "item3.X-ABLabel:Level\r\n"
    "X-SKYPE:zoe.m\r\n"
    "CATEGORIES:myContacts,Friends\r\n"
    "NOTE:Met at CeBIT\\, hall 9.\\nCall in spring; bring sam\r\n"
    " ples.\r\n"
    "END:VCARD\r\n"
    "BEGIN:VCARD\r\n"
    "VERSION:4.0\r\n"
    "FN:Ann Lee\r\n"
    "N:Lee;Ann;;;\r\n"
    "EMAIL:ann@acme.example\r\n"
    "END:VCARD\r\n";

TEST(GoogleContactsHelper, MapsAGoogleExport)
{
    const auto cards = ParseVCards(kContacts);
    ASSERT_EQ(cards.size(), 2u);
    const GContactRec r = ToGoogleContact(cards[0]);
    EXPECT_EQ(r.DisplayName, "Zo\xEB M\xFCller") << "UTF-8 becomes Windows-1252";
    EXPECT_EQ(r.FirstName, "Zo\xEB");
    EXPECT_EQ(r.CompanyName, "Acme, Europe");
    EXPECT_EQ(r.PrimaryEmail, "zoe@work.example") << "the preferred address";
    const CommAddrRec c = ToCommon(r, {});
    EXPECT_EQ(c.Email, "zoe@work.example");
    EXPECT_EQ(c.Email2, "zoe@home.example");
    EXPECT_EQ(c.MobilePhone, "+49 170 1234567");
    EXPECT_EQ(c.WorkFax, "+49 30 7654321");
    EXPECT_EQ(c.WorkAddr.Street, "Unter den Linden 5, Hof");
    EXPECT_EQ(c.WorkAddr.City, "Berlin");
    EXPECT_EQ(c.WorkAddr.Country, "Germany");
    EXPECT_EQ(CxDateTime(c.Birthday).FormatDate(), "03/22/1980");
    EXPECT_EQ(CxDateTime(c.Anniversary).FormatDate(), "06/01/2005");
    EXPECT_EQ(c.SpouseName, "Jan");
    EXPECT_EQ(c.CustomLabel[0], "Level");
    EXPECT_EQ(c.Custom[0], "gold");
    EXPECT_EQ(c.Category, "myContacts,Friends");
    EXPECT_EQ(c.Note, "Met at CeBIT, hall 9.\r\nCall in spring; bring samples.");
    EXPECT_EQ(FieldText(r, 55), "zoe.m") << "IM(Skype)";

    const CommAddrRec ann = ToCommon(ToGoogleContact(cards[1]), {});
    EXPECT_EQ(ann.Email, "ann@acme.example") << "an untyped address is the primary one";
}

TEST(GoogleContactsHelper, ReadsTheRealGmailSamples)
{
    const std::string folder = "../../../../shared/fixtures/vcard/";
    std::error_code error;
    const std::string path = std::filesystem::canonical(std::filesystem::path(velmora::platform::ProgramFolder()) / folder, error).string();
    if (error)
        GTEST_SKIP() << "the shared sample files are not beside the project";
    std::ifstream in(path + "/ez-vcard_John_Doe_GMAIL.vcf", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto cards = ParseVCards(text);
    ASSERT_EQ(cards.size(), 1u);
    const GContactRec r = ToGoogleContact(cards[0]);
    EXPECT_EQ(r.LastName, "Doe");
    EXPECT_EQ(r.MiddleName, "Richter, James");
    EXPECT_EQ(FieldText(r, 84), "Jenny");
    EXPECT_EQ(FieldText(r, 82), "03/01/1975");
    EXPECT_EQ(FieldText(r, 27), "Crescent moon drive\r\n555-asd\r\nNice Area, Albaney, New York 12345\r\nUnited States of America");
    EXPECT_EQ(FieldText(r, 45), "http://www.ibm.com");
    EXPECT_NE(r.Note.view().find("Favotire Color: Blue"), std::string_view::npos);
}

const char* const kCalendar =
    "BEGIN:VCALENDAR\r\n"
    "PRODID:-//Google Inc//Google Calendar 70.9054//EN\r\n"
    "VERSION:2.0\r\n"
    "X-WR-CALNAME:Work\r\n"
    "X-WR-TIMEZONE:UTC\r\n"
    "BEGIN:VEVENT\r\n"
    "DTSTART;VALUE=DATE:20080310\r\n"
    "DTEND;VALUE=DATE:20080311\r\n"
    "SUMMARY:Trade fair\r\n"
    "CLASS:PRIVATE\r\n"
    "END:VEVENT\r\n"
    "BEGIN:VEVENT\r\n"
    "DTSTART:20080303T140000Z\r\n"
    "DTEND:20080303T143000Z\r\n"
    "RRULE:FREQ=WEEKLY;INTERVAL=2;BYDAY=MO,WE;UNTIL=20080630T140000Z\r\n"
    "SUMMARY:Team call\r\n"
    "LOCATION:Room 1\\, east\r\n"
    "BEGIN:VALARM\r\n"
    "ACTION:DISPLAY\r\n"
    "TRIGGER:-PT10M\r\n"
    "END:VALARM\r\n"
    "BEGIN:VALARM\r\n"
    "ACTION:EMAIL\r\n"
    "TRIGGER:-P1D\r\n"
    "END:VALARM\r\n"
    "END:VEVENT\r\n"
    "BEGIN:VEVENT\r\n"
    "DTSTART:20080307T090000Z\r\n"
    "DTEND:20080307T100000Z\r\n"
    "RRULE:FREQ=MONTHLY;BYDAY=1FR;COUNT=3\r\n"
    "SUMMARY:Monthly review\r\n"
    "DESCRIPTION:Figures\\nand plans\r\n"
    "END:VEVENT\r\n"
    "END:VCALENDAR\r\n";

TEST(VCardReader, LineEndsOfEveryKindAndFolding)
{
    for (const char* end : {"\r\n", "\n", "\r"}) {
        const std::string e = end;
        const std::string text = "BEGIN:VCARD" + e + "VERSION:3.0" + e + "FN:Ann" + e + " Lee" + e + "END:VCARD" + e +
                                 "BEGIN:VCARD" + e + "FN:Bob" + e + "END:VCARD" + e;
        const auto cards = ParseVCards(text);
        ASSERT_EQ(cards.size(), 2u) << "line ends " << (e == "\r" ? "CR" : e == "\n" ? "LF" : "CR LF");
        EXPECT_EQ(cards[0].properties.at(1).Text(), "AnnLee");
    }
}

// A value ending in a lone backslash keeps its last part (found by fuzzing: an ORG or NICKNAME
// of nothing but that crashed the mapping, which takes the first part).
TEST(VCardReader, ATrailingBackslashKeepsTheLastPart)
{
    const auto cards = ParseVCards("BEGIN:VCARD\nVERSION:3.0\nORG:Acme\\\nNICKNAME:\\\nN:Lee;Ann\\\nEND:VCARD\n");
    ASSERT_EQ(cards.size(), 1u);
    const auto& p = cards[0].properties;
    EXPECT_EQ(p.at(1).Components(), std::vector<std::string>{"Acme\\"});
    EXPECT_EQ(p.at(2).List(), std::vector<std::string>{"\\"});
    EXPECT_EQ(p.at(3).Components(), (std::vector<std::string>{"Lee", "Ann\\"}));
    const GContactRec contact = ToGoogleContact(cards[0]);
    EXPECT_EQ(contact.CompanyName, "Acme\\");
    EXPECT_EQ(contact.NickName, "\\");
}

// Hostile shapes cost time and memory in proportion to what they hold.
TEST(VCardReader, ManyEmptyCardsKeepNothingAndManyGroupsStayLinear)
{
    std::string empty;
    for (int i = 0; i < 1'000'000; ++i)
        empty += "BEGIN:VCARD\n";
    EXPECT_TRUE(ParseVCards(empty).empty());
    EXPECT_TRUE(ParseVCards("BEGIN:VCARD\nEND:VCARD\nBEGIN:VCARD\nVERSION:3.0\nEND:VCARD\n").size() == 1u);

    std::string grouped = "BEGIN:VCARD\nVERSION:3.0\n";
    constexpr int kGroups = 50'000;
    for (int i = 0; i < kGroups; ++i)
        grouped += "item" + std::to_string(i) + ".TEL:555-" + std::to_string(i) + "\nitem" + std::to_string(i) +
                   ".X-ABLabel:Line " + std::to_string(i) + "\n";
    grouped += "END:VCARD\n";
    const auto cards = ParseVCards(grouped);
    ASSERT_EQ(cards.size(), 1u);
    std::size_t labelled = 0;
    for (const VCardProperty& p : cards[0].properties)
        labelled += p.name == "TEL" && !cards[0].LabelOf(p).empty() ? 1u : 0u;
    EXPECT_EQ(labelled, static_cast<std::size_t>(kGroups));
    EXPECT_EQ(cards[0].LabelOf(cards[0].properties[3]), "Line 1");
}

// Rules that never match, end before they start, or carry a damaged UNTIL, each decided on
// purpose; six hundred never-matching rules cost bounded work.
TEST(GoogleCalendarHelper, RulesWithoutOccurrencesOrWithADamagedEnd)
{
    TempDir dir;
    std::string text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n";
    const auto event = [&](const std::string& summary, const std::string& rule) {
        text += "BEGIN:VEVENT\r\nDTSTART:20080303T090000\r\nDTEND:20080303T100000\r\nSUMMARY:" + summary +
                "\r\nRRULE:" + rule + "\r\nEND:VEVENT\r\n";
    };
    event("before", "FREQ=WEEKLY;UNTIL=20070101T000000");
    event("damaged", "FREQ=WEEKLY;UNTIL=00000000;BYDAY=MO");
    for (int i = 0; i < 600; ++i)
        event("never " + std::to_string(i), "FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=30;COUNT=5");
    text += "END:VCALENDAR\r\n";
    WriteFile(dir.Path() + "odd.ics", text);
    GoogleCalendarFile file;
    std::string error;
    ASSERT_TRUE(ReadCalendarFile(dir.Path() + "odd.ics", file, error)) << error;
    ASSERT_EQ(file.events.size(), 602u);
    EXPECT_EQ(file.events[0].RecurrenceType, 0) << "a series that ends before it starts is the single entry";
    EXPECT_TRUE(file.events[0].RecurrenceText.empty());
    EXPECT_EQ(file.events[1].RecurrenceType, 2) << "a damaged UNTIL keeps the rule";
    EXPECT_EQ(file.events[1].HasEnd, 0);
    EXPECT_EQ(file.events[1].Weekdays, 2);
    EXPECT_EQ(file.events[2].RecurrenceType, 6);
    EXPECT_EQ(file.events[2].HasEnd, 0) << "a rule without occurrence has no end";
}

TEST(GoogleCalendarHelper, MapsAGoogleExport)
{
    const velmora::testing::FixedZone utc("UTC");
    TempDir dir;
    WriteFile(dir.Path() + "work.ics", kCalendar);
    GoogleCalendarFile file;
    std::string error;
    ASSERT_TRUE(ReadCalendarFile(dir.Path() + "work.ics", file, error)) << error;
    EXPECT_EQ(file.calendar.Name, "Work");
    EXPECT_EQ(file.calendar.TimeZone, "UTC");
    ASSERT_EQ(file.events.size(), 3u);

    const GEventRec& fair = file.events[0];
    EXPECT_EQ(fair.AllDay, 1);
    EXPECT_EQ(fair.Visibility, 2);
    EXPECT_EQ(CxDateTime(fair.Start).FormatDateTime(), "03/10/2008 00:00:00");
    EXPECT_EQ(fair.RecurrenceText, "");

    GEventRec call = file.events[1];
    EXPECT_EQ(call.Where, "Room 1, east");
    EXPECT_EQ(call.ReminderCount, 2);
    EXPECT_EQ(call.ReminderAmounts[0], 10);
    EXPECT_EQ(call.ReminderUnits[0], 0);
    EXPECT_EQ(call.ReminderMethods[1], 2);
    EXPECT_EQ(call.ReminderAmounts[1], 1);
    EXPECT_EQ(call.ReminderUnits[1], 2);
    EXPECT_EQ(call.RecurrenceType, 2);
    EXPECT_EQ(call.Interval, 2);
    EXPECT_EQ(call.Weekdays, 2 | 8);
    EXPECT_EQ(call.HasEnd, 1);
    EXPECT_EQ(CxDateTime(call.RecurrenceEnd).FormatDate(), "06/30/2008");
    EXPECT_EQ(call.RecurrenceText.view().substr(0, 50), "DTSTART:20080303T140000\r\nDTEND:20080303T143000\r\nRR");

    // What the connector makes of it after applying the recurrence text.
    ApplyRecurrenceText(call);
    const CommDateRec common = ToCommon(call);
    EXPECT_EQ(common.Recurrence.Kind, 2);
    EXPECT_EQ(common.Recurrence.Interval, 2);
    EXPECT_EQ(common.Recurrence.Weekdays, 2 | 8);
    EXPECT_EQ(common.Start.Hour, 14);
    EXPECT_EQ(common.ReminderOn, 2);

    GEventRec review = file.events[2];
    EXPECT_EQ(review.RecurrenceType, 3);
    EXPECT_EQ(review.WeekOrMonth, 1);
    EXPECT_EQ(review.Weekdays, 32);
    EXPECT_EQ(CxDateTime(review.RecurrenceEnd).FormatDate(), "05/02/2008") << "the third first Friday";
    EXPECT_EQ(review.Description, "Figures\r\nand plans");
    ApplyRecurrenceText(review);
    EXPECT_EQ(ToCommon(review).Recurrence.Kind, 3) << "the monthly weekday rule keeps the helper's type";
}

class GoogleAccountTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteFile(account + "password", "g-secret\n");
        WriteFile(account + "contacts.vcf", kContacts);
        WriteFile(account + "work.ics", kCalendar);
    }

    template <class Connector>
    void Prepare(Connector& connector, const char* password = "g-secret")
    {
        connector.SetWorkFolder(work.Path());
        connector.AccountEmail = "Chris@Example.org";
        connector.Password = password;
    }

    TempDir work;
    const std::string account = work.Path() + "GoogleAccounts/chris@example.org/";
};

TEST_F(GoogleAccountTest, ConnectorsLoadTheAccountThroughTheHelpers)
{
    CxGAddrUtil contacts;
    Prepare(contacts);
    ASSERT_TRUE(contacts.Load()) << contacts.GetErrorText();
    EXPECT_FALSE(contacts.HasError());
    ASSERT_EQ(contacts.Manager().Count(), 2u);
    EXPECT_EQ(contacts.Manager().At(0)->Email, "zoe@work.example");
    ASSERT_TRUE(contacts.Manager().At(0)->SourceData.Get<GContactRec>());
    EXPECT_EQ(contacts.Manager().At(0)->SourceData.Get<GContactRec>()->PrimaryEmail, "zoe@work.example");

    CxGDateUtil calendar;
    Prepare(calendar);
    ASSERT_TRUE(calendar.Load()) << calendar.GetErrorText();
    EXPECT_EQ(calendar.Manager().Count(), 3u);
    ASSERT_EQ(calendar.Calendars().size(), 1u);
    EXPECT_EQ(calendar.Calendars()[0].Name, "Work");

    WriteFile(account + "contacts.vcf", "");
    ASSERT_TRUE(contacts.Load()) << "an account without contacts loads empty";
    EXPECT_EQ(contacts.Manager().Count(), 0u);
}

TEST_F(GoogleAccountTest, AWrongPasswordOrAccountIsOneClearError)
{
    CxGAddrUtil contacts;
    Prepare(contacts, "wrong");
    EXPECT_FALSE(contacts.Load());
    EXPECT_TRUE(contacts.HasError());
    EXPECT_EQ(contacts.GetErrorText(), "Invalid account name or password for the Google account Chris@Example.org.");
    CxGDateUtil calendar;
    Prepare(calendar);
    calendar.AccountEmail = "nobody@example.org";
    EXPECT_FALSE(calendar.Load());
    EXPECT_EQ(calendar.GetErrorText(), "There is no Google account nobody@example.org.");
    calendar.AccountEmail = "../GoogleAccounts/chris@example.org";
    EXPECT_FALSE(calendar.Load());
    EXPECT_EQ(calendar.GetErrorText(), "There is no Google account ../GoogleAccounts/chris@example.org.");
    EXPECT_EQ(calendar.Manager().Count(), 0u);
}

}  // namespace
