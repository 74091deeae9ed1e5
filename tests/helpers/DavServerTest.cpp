// The Google helpers reading a CardDAV/CalDAV server: real Radicale and Xandikos servers on
// 127.0.0.1, and a scripted server of the test's own for what real servers do not do on demand
// (answers cut off, answers that never come, answers that are no multistatus).
#include "connectors/google/CxGAddrUtil.h"
#include "connectors/google/CxGDateUtil.h"
#include "helpers/google/DavXml.h"

#include "support/DavServers.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace velmora::connectors;
using namespace velmora::helpers;
using velmora::testing::DavServerProcess;
using velmora::testing::ReadFile;
using velmora::testing::ScriptedServer;
using velmora::testing::TempDir;
using velmora::testing::WriteFile;

namespace {

std::string Card(const std::string& uid, const std::string& name, const std::string& extra = "")
{
    return "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:" + uid + "\r\nFN:" + name + "\r\nN:" + name + ";;;;\r\n" + extra + "END:VCARD\r\n";
}

const std::string kZoe = Card("zoe", "Zoë Müller",
                              "EMAIL;TYPE=INTERNET;TYPE=WORK:zoe@work.example\r\nTEL;TYPE=CELL:+49 170 1234567\r\n"
                              "ADR;TYPE=WORK:;;Unter den Linden 5\\, Hof;Berlin;;10117;Germany\r\n"
                              "item1.X-CUSTOM:gold\r\nitem1.X-ABLabel:Level\r\nNOTE:Met at CeBIT\\nhall 9\r\n");

std::string Event(const std::string& uid, const std::string& summary, const std::string& start, const std::string& extra = "")
{
    return "BEGIN:VEVENT\r\nUID:" + uid + "\r\nDTSTAMP:20080101T000000Z\r\nDTSTART:" + start + "\r\nDURATION:PT1H\r\nSUMMARY:" +
           summary + "\r\n" + extra + "END:VEVENT\r\n";
}

std::string Calendar(const std::string& events)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Velmora test//EN\r\n" + events + "END:VCALENDAR\r\n";
}

class DavHelpersTest : public ::testing::Test {
protected:
    template <class Connector>
    void Prepare(Connector& connector, const std::string& server, const std::string& password = "secret")
    {
        connector.SetWorkFolder(work.Path());
        connector.SetLogFolder(work.Path());
        connector.SetLogEnabled(true);
        connector.SetLogLevel(3);
        connector.AccountEmail = "chris";
        connector.Password = password;
        connector.ServerURL = server;
    }
    std::string Log() const { return ReadFile(work.Path() + "appdebug.log"); }

    TempDir work;
};

class RadicaleTest : public DavHelpersTest {
protected:
    void SetUp() override { ASSERT_TRUE(server.Running()) << "radicale did not start (scripts/install-deps.sh installs it)\n" << server.Log(); }

    // Two address books and two calendars, one holding only tasks besides.
    void Seed()
    {
        ASSERT_EQ(server.MakeAddressBook("/chris/friends/", "Friends"), 201);
        ASSERT_EQ(server.MakeAddressBook("/chris/work/", "Work people"), 201);
        ASSERT_EQ(server.Request("PUT", "/chris/friends/zoe.vcf", "text/vcard", kZoe), 201);
        ASSERT_EQ(server.Request("PUT", "/chris/friends/ann.vcf", "text/vcard", Card("ann", "Ann Lee")), 201);
        ASSERT_EQ(server.Request("PUT", "/chris/work/bob.vcf", "text/vcard", Card("bob", "Bob Stone")), 201);
        ASSERT_EQ(server.MakeCalendar("/chris/home/", "Home"), 201);
        ASSERT_EQ(server.MakeCalendar("/chris/office/", "Office"), 201);
        ASSERT_EQ(server.Request("PUT", "/chris/home/e1.ics", "text/calendar", Calendar(Event("e1", "Dentist", "20080310T080000Z"))), 201);
        ASSERT_EQ(server.Request("PUT", "/chris/office/e2.ics", "text/calendar",
                                 Calendar(Event("e2", "Team call", "20080303T140000Z", "RRULE:FREQ=WEEKLY;COUNT=4\r\n"))),
                  201);
        ASSERT_EQ(server.Request("PUT", "/chris/office/e3.ics", "text/calendar", Calendar(Event("e3", "Review", "20080307T090000Z"))), 201);
    }

    DavServerProcess server{DavServerProcess::Kind::Radicale};
};

TEST_F(RadicaleTest, EveryAddressBookAndCalendarFromABareHostOrOneFromItsAddress)
{
    Seed();
    CxGAddrUtil contacts;
    Prepare(contacts, server.Url());
    ASSERT_TRUE(contacts.Load()) << contacts.GetErrorText();
    ASSERT_EQ(contacts.Manager().Count(), 3u);
    EXPECT_EQ(contacts.RawAt(0).DisplayName, "Ann Lee") << "books in the order of their addresses, cards too";
    EXPECT_EQ(contacts.RawAt(1).DisplayName, "Zo\xEB M\xFCller");
    EXPECT_EQ(contacts.RawAt(2).DisplayName, "Bob Stone");

    CxGDateUtil calendar;
    Prepare(calendar, server.Url() + "/");
    ASSERT_TRUE(calendar.Load()) << calendar.GetErrorText();
    ASSERT_EQ(calendar.Calendars().size(), 2u);
    EXPECT_EQ(calendar.Calendars()[0].Name, "Home");
    EXPECT_EQ(calendar.Calendars()[1].Name, "Office");
    ASSERT_EQ(calendar.Manager().Count(), 3u);
    EXPECT_EQ(calendar.RawAt(1).Title, "Team call");
    EXPECT_EQ(calendar.RawAt(1).RecurrenceType, 2);

    Prepare(contacts, server.Url() + "/chris/work/");
    ASSERT_TRUE(contacts.Load()) << contacts.GetErrorText();
    ASSERT_EQ(contacts.Manager().Count(), 1u) << "the address of one address book reads only it";
    Prepare(calendar, server.Url() + "/chris/work/");
    ASSERT_TRUE(calendar.Load()) << "an address book's address still leads to the calendars: " << calendar.GetErrorText();
    EXPECT_EQ(calendar.Calendars().size(), 2u);

    const std::string log = Log();
    EXPECT_EQ(log.find("secret"), std::string::npos) << "the password is in no log line";
    EXPECT_NE(log.find("requests"), std::string::npos);
}

TEST_F(RadicaleTest, TheServerGivesTheRecordsTheFolderGives)
{
    const std::string ann = Card("ann", "Ann Lee", "EMAIL:ann@acme.example\r\nORG:Acme\\, Europe\r\nCATEGORIES:Friends,Golf\r\n");
    WriteFile(work.Path() + "GoogleAccounts/chris/password", "secret\n");
    WriteFile(work.Path() + "GoogleAccounts/chris/contacts.vcf", ann + kZoe);
    const std::string call = Event("e1", "Team call", "20080303T140000Z",
                                   "RRULE:FREQ=WEEKLY;INTERVAL=2;BYDAY=MO,WE;UNTIL=20080630T140000Z\r\nLOCATION:Room 1\\, east\r\n"
                                   "BEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:-PT10M\r\nEND:VALARM\r\n");
    const std::string review = Event("e2", "Review", "20080307T090000Z", "DESCRIPTION:Figures\\nand plans\r\n");
    WriteFile(work.Path() + "GoogleAccounts/chris/work.ics", Calendar(call + review));

    ASSERT_EQ(server.MakeAddressBook("/chris/contacts/", "Contacts"), 201);
    ASSERT_EQ(server.Request("PUT", "/chris/contacts/1.vcf", "text/vcard", ann), 201);
    ASSERT_EQ(server.Request("PUT", "/chris/contacts/2.vcf", "text/vcard", kZoe), 201);
    ASSERT_EQ(server.MakeCalendar("/chris/work/", "Work"), 201);
    ASSERT_EQ(server.Request("PUT", "/chris/work/1.ics", "text/calendar", Calendar(call)), 201);
    ASSERT_EQ(server.Request("PUT", "/chris/work/2.ics", "text/calendar", Calendar(review)), 201);

    CxGAddrUtil contacts;
    CxGDateUtil calendar;
    std::string folderFiles[2], serverFiles[2];
    for (const std::string& address : {std::string(), server.Url()}) {
        Prepare(contacts, address);
        Prepare(calendar, address);
        ASSERT_TRUE(contacts.Load()) << contacts.GetErrorText();
        ASSERT_TRUE(calendar.Load()) << calendar.GetErrorText();
        std::string* files = address.empty() ? folderFiles : serverFiles;
        files[0] = ReadFile(contacts.FilePath(contacts.Files().Data));
        files[1] = ReadFile(calendar.FilePath(calendar.Files().Data));
    }
    EXPECT_EQ(contacts.Manager().Count(), 2u);
    EXPECT_EQ(calendar.Manager().Count(), 2u);
    EXPECT_EQ(serverFiles[0], folderFiles[0]) << "the contacts' data files are identical";
    EXPECT_EQ(serverFiles[1], folderFiles[1]) << "the events' data files are identical";
}

TEST_F(RadicaleTest, AWrongPasswordAndAnEmptyAccountAreClearErrors)
{
    CxGAddrUtil contacts;
    Prepare(contacts, server.Url(), "wrong");
    EXPECT_FALSE(contacts.Load());
    EXPECT_EQ(contacts.GetErrorText(), "The server refused the user name or password.");

    Prepare(contacts, server.Url());
    EXPECT_FALSE(contacts.Load());
    EXPECT_EQ(contacts.GetErrorText(), "No address book was found on " + server.Url() + ".");
    EXPECT_FALSE(std::filesystem::exists(contacts.FilePath(contacts.Files().Data))) << "no data file for a failed read";
    CxGDateUtil calendar;
    Prepare(calendar, server.Url());
    EXPECT_FALSE(calendar.Load());
    EXPECT_EQ(calendar.GetErrorText(), "No calendar was found on " + server.Url() + ".");
}

TEST_F(DavHelpersTest, XandikosFromABareHost)
{
    DavServerProcess server(DavServerProcess::Kind::Xandikos);
    ASSERT_TRUE(server.Running()) << "xandikos did not start (scripts/install-deps.sh installs it)\n" << server.Log();
    ASSERT_EQ(server.Request("PUT", "/user/contacts/addressbook/ann.vcf", "text/vcard", Card("ann", "Ann Lee")), 201);
    ASSERT_EQ(server.Request("PUT", "/user/contacts/addressbook/zoe.vcf", "text/vcard", kZoe), 201);
    ASSERT_EQ(server.Request("PUT", "/user/calendars/calendar/e1.ics", "text/calendar", Calendar(Event("e1", "Dentist", "20080310T080000Z"))),
              201);

    CxGAddrUtil contacts;
    Prepare(contacts, server.Url());
    ASSERT_TRUE(contacts.Load()) << contacts.GetErrorText();
    ASSERT_EQ(contacts.Manager().Count(), 2u);
    EXPECT_EQ(contacts.RawAt(1).PrimaryEmail, "zoe@work.example");
    CxGDateUtil calendar;
    Prepare(calendar, server.Url());
    ASSERT_TRUE(calendar.Load()) << calendar.GetErrorText();
    ASSERT_EQ(calendar.Manager().Count(), 1u);
    EXPECT_EQ(calendar.RawAt(0).Title, "Dentist");
}

// The scripted server's answers, by the request's first line and Depth header.
std::string Multistatus(const std::string& responses)
{
    return "<?xml version=\"1.0\"?><D:multistatus xmlns:D=\"DAV:\" xmlns:A=\"urn:ietf:params:xml:ns:carddav\">" + responses +
           "</D:multistatus>";
}

std::string Response(const std::string& href, const std::string& properties)
{
    return "<D:response><D:href>" + href + "</D:href><D:propstat><D:prop>" + properties +
           "</D:prop><D:status>HTTP/1.1 200 OK</D:status></D:propstat></D:response>";
}

const std::string kBookSelf = Multistatus(Response("/book/", "<D:resourcetype><D:collection/><A:addressbook/></D:resourcetype>"));
const std::string kBookListing =
    Multistatus(Response("/book/", "<D:resourcetype><D:collection/><A:addressbook/></D:resourcetype>") +
                Response("/book/a.vcf", "<D:resourcetype/><D:getetag>\"1\"</D:getetag>") +
                Response("/book/b.vcf", "<D:resourcetype/><D:getetag>\"2\"</D:getetag>"));

// Discovery and listing answered; the query or a batch of cards (REPORT) answered by `cards`.
using CardsAnswer = std::function<std::string(const std::string& request, const std::atomic<bool>& stopping)>;
ScriptedServer::Answer BookServer(CardsAnswer cards)
{
    return [cards](const std::string& request, const std::atomic<bool>& stopping) {
        if (request.starts_with("PROPFIND /book/ ") && request.find("Depth: 0") != std::string::npos)
            return ScriptedServer::Http(207, kBookSelf);
        if (request.starts_with("PROPFIND /book/ "))
            return ScriptedServer::Http(207, kBookListing);
        if (request.starts_with("REPORT /book/ "))
            return cards(request, stopping);
        return ScriptedServer::Http(404, "");
    };
}

TEST_F(DavHelpersTest, ARefusedVCardIsSkippedAndTheRestRead)
{
    ScriptedServer server(BookServer([](const std::string&, const std::atomic<bool>&) {
        return ScriptedServer::Http(207, Multistatus(Response("/book/a.vcf", "<A:address-data>" + Card("a", "Ann Lee") + "</A:address-data>") +
                                                     Response("/book/b.vcf", "<A:address-data>no card at all</A:address-data>")));
    }));
    CxGAddrUtil contacts;
    Prepare(contacts, server.Url() + "/book/", "Bearer token-42");
    ASSERT_TRUE(contacts.Load()) << contacts.GetErrorText();
    ASSERT_EQ(contacts.Manager().Count(), 1u);
    EXPECT_NE(Log().find("/book/b.vcf is not a vCard; skipped"), std::string::npos) << Log();
    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u) << "one address: no well-known lookup; the cards in one query";
    EXPECT_NE(requests[0].find("Authorization: Bearer token-42\r\n"), std::string::npos) << "a bearer token as OAuth 2";
    EXPECT_EQ(Log().find("token-42"), std::string::npos);
}

TEST_F(DavHelpersTest, AServerThatLimitsItsAnswersIsAskedInSmallerParts)
{
    int batches = 0;
    ScriptedServer server(BookServer([&batches](const std::string& request, const std::atomic<bool>&) {
        // The query is refused as too large; the first batch is answered for its first card only.
        if (request.find("addressbook-query") != std::string::npos)
            return ScriptedServer::Http(207, Multistatus("<D:response><D:href>/book/</D:href><D:status>HTTP/1.1 507 Insufficient Storage"
                                                         "</D:status></D:response>"));
        const std::string a = Response("/book/a.vcf", "<A:address-data>" + Card("a", "Ann Lee") + "</A:address-data>");
        const std::string b = Response("/book/b.vcf", "<A:address-data>" + Card("b", "Bob Stone") + "</A:address-data>");
        return ScriptedServer::Http(207, Multistatus(++batches == 1 ? a : b));
    }));
    CxGAddrUtil contacts;
    Prepare(contacts, server.Url() + "/book/");
    ASSERT_TRUE(contacts.Load()) << contacts.GetErrorText();
    ASSERT_EQ(contacts.Manager().Count(), 2u);
    EXPECT_EQ(contacts.RawAt(1).DisplayName, "Bob Stone");
    EXPECT_EQ(batches, 2);
    EXPECT_NE(server.Requests()[0].find("Authorization: Basic Y2hyaXM6c2VjcmV0\r\n"), std::string::npos) << "HTTP Basic otherwise";
}

TEST_F(DavHelpersTest, AnswersCutOffNeverComingOrUnreadableAreErrors)
{
    struct Case {
        const char* name;
        CardsAnswer answer;
        std::string error;  // what the error text begins with
    };
    CxGAddrUtil contacts;
    const std::string controlFile = work.Path() + contacts.Files().Control;
    const Case cases[] = {
        {"cut off mid-transfer", [](const std::string&, const std::atomic<bool>&) { return ScriptedServer::Http(207, Multistatus("")).substr(0, 120); },
         "transfer closed"},
        {"never comes; stopped",
         [&](const std::string&, const std::atomic<bool>& stopping) {
             WriteFile(controlFile, "[Status]\r\nRunning=1\r\nStop=1\r\n");
             for (int i = 0; i < 300 && !stopping; ++i)
                 std::this_thread::sleep_for(std::chrono::milliseconds(100));
             return std::string();
         },
         "Stopped on request."},
        {"no multistatus", [](const std::string&, const std::atomic<bool>&) { return ScriptedServer::Http(207, "<html>busy</html>"); },
         "The server http://127.0.0.1:"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedServer server(BookServer(c.answer));
        Prepare(contacts, server.Url() + "/book/");
        EXPECT_FALSE(contacts.Load());
        EXPECT_TRUE(contacts.GetErrorText().starts_with(c.error)) << contacts.GetErrorText();
        EXPECT_FALSE(std::filesystem::exists(contacts.FilePath(contacts.Files().Data)));
    }
}

TEST_F(DavHelpersTest, PlainHttpOnlyOnThisComputer)
{
    CxGAddrUtil contacts;
    Prepare(contacts, "http://calendar.example.org/dav/");
    EXPECT_FALSE(contacts.Load());
    EXPECT_EQ(contacts.GetErrorText(), "A server that is not on this computer is reached only over https: http://calendar.example.org/dav/");
}

TEST_F(DavHelpersTest, RedirectsAtMostFiveAndWithinTheScheme)
{
    struct Case {
        const char* name;
        int hops;              // redirects before the book answers
        const char* location;  // where they lead: a path of this server, or another scheme
        bool loads;
    };
    const Case cases[] = {
        {"five hops", 5, "/hop", true},
        {"six hops", 6, "/hop", false},
        {"to https", 1, "https://127.0.0.1:1/book/", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        int hops = 0;
        const ScriptedServer::Answer book = BookServer([](const std::string&, const std::atomic<bool>&) {
            return ScriptedServer::Http(207, Multistatus(Response("/book/a.vcf", "<A:address-data>" + Card("a", "Ann Lee") + "</A:address-data>")));
        });
        ScriptedServer server([&](const std::string& request, const std::atomic<bool>& stopping) {
            if (request.find(" /start ") != std::string::npos || request.find(" /hop ") != std::string::npos) {
                if (hops++ < c.hops - 1)
                    return ScriptedServer::Http(301, "", std::string("Location: ") + c.location + "\r\n");
                return ScriptedServer::Http(301, "", std::string("Location: ") + (c.location[0] == '/' ? "/book/" : c.location) + "\r\n");
            }
            return book(request, stopping);
        });
        CxGAddrUtil contacts;
        Prepare(contacts, server.Url() + "/start");
        EXPECT_EQ(contacts.Load(), c.loads) << contacts.GetErrorText();
        if (!c.loads) {
            EXPECT_EQ(contacts.GetErrorText(), "The server " + server.Url() + "/start redirected too often or to another scheme.");
        }
        EXPECT_EQ(Log().find("secret"), std::string::npos);
    }
}

TEST_F(DavHelpersTest, ACertificateNobodyVouchesForIsAnError)
{
    DavServerProcess server(DavServerProcess::Kind::SelfSignedHttps);
    ASSERT_TRUE(server.Running()) << "openssl or python3 is missing\n" << server.Log();
    CxGAddrUtil contacts;
    Prepare(contacts, server.Url() + "/book/");
    EXPECT_FALSE(contacts.Load());
    EXPECT_NE(contacts.GetErrorText().find("certificate"), std::string::npos) << contacts.GetErrorText();
}

TEST(DavXml, MultistatusWithAnyPrefixesAndNothingElse)
{
    std::vector<DavResource> resources;
    ASSERT_TRUE(ParseMultistatus(
        "<m:multistatus xmlns:m=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:caldav\"><m:response><m:href>/cal/</m:href>"
        "<m:propstat><m:prop><m:resourcetype><m:collection/><c:calendar/></m:resourcetype><m:displayname>Work</m:displayname>"
        "<c:supported-calendar-component-set><c:comp name=\"VTODO\"/></c:supported-calendar-component-set></m:prop>"
        "<m:status>HTTP/1.1 200 OK</m:status></m:propstat><m:propstat><m:prop><m:getetag/></m:prop>"
        "<m:status>HTTP/1.1 404 Not Found</m:status></m:propstat></m:response>"
        "<m:response><m:href>/cal/gone.ics</m:href><m:status>HTTP/1.1 404 Not Found</m:status></m:response></m:multistatus>",
        resources));
    ASSERT_EQ(resources.size(), 2u);
    EXPECT_TRUE(resources[0].calendar);
    EXPECT_FALSE(resources[0].events) << "a calendar of tasks only";
    EXPECT_EQ(resources[0].displayName, "Work");
    EXPECT_EQ(resources[1].status, 404);

    for (const char* refused : {"<multistatus/>", "<D:multistatus xmlns:D=\"DAV:\">", "<html/>",
                                "<!DOCTYPE m [<!ENTITY a \"aaaa\">]><m:multistatus xmlns:m=\"DAV:\">&a;</m:multistatus>"}) {
        EXPECT_FALSE(ParseMultistatus(refused, resources)) << refused;
    }
}

}  // namespace
