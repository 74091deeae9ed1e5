// velmora-batch end to end: the demo data (scripts/make-demo.sh) migrated from the stand-in
// Google account into the stand-in ACT! database by the real helpers, twice.
#include "helpers/act/ActStore.h"
#include "platform/Folders.h"
#include "support/DavServers.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include <sys/wait.h>

using velmora::testing::ReadFile;

namespace {

struct ShellRun {
    int status;
    std::string output;
};

ShellRun Shell(const std::string& command)
{
    ShellRun run{-1, {}};
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr)
        return run;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        run.output.append(buffer, n);
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

bool HasLine(const std::string& output, const std::string& line)
{
    return ("\n" + output).find("\n" + line + "\n") != std::string::npos;
}

// The number of lines that start with `prefix`.
std::size_t LinesStarting(const std::string& output, const std::string& prefix)
{
    const std::string text = "\n" + output;
    std::size_t count = 0;
    for (auto pos = text.find("\n" + prefix); pos != std::string::npos; pos = text.find("\n" + prefix, pos + 1))
        ++count;
    return count;
}

// The demo (scripts/make-demo.sh) made in the test's data home, with `source` chosen.
struct Demo {
    std::string bin = velmora::platform::ProgramFolder();
    std::string home = std::getenv("XDG_DATA_HOME");
    std::string data = home + "/corvane/VLACT/";

    explicit Demo(const std::string& source)
    {
        const ShellRun made =
            Shell("bash " VELMORA_SOURCE_DIR "/scripts/make-demo.sh '" + bin + "' '" + home + "' " + source + " 2>&1");
        EXPECT_EQ(made.status, 0) << made.output;
    }
    // `prefix` runs before the program in the same shell (a ulimit, say).
    ShellRun Batch(const std::string& arguments, const std::string& prefix = "") const
    {
        return Shell(prefix + "'" + bin + "velmora-batch' " + arguments);
    }
};

// A second run (dry) marks every record of the demo Same.
void ExpectAllSame(const Demo& demo, std::size_t records)
{
    const ShellRun second = demo.Batch("--dry-run 2>/dev/null");
    ASSERT_EQ(second.status, 0) << second.output;
    EXPECT_EQ(LinesStarting(second.output, "Same\t"), records) << second.output;
    EXPECT_EQ(LinesStarting(second.output, "New\t") + LinesStarting(second.output, "Different\t"), 0u) << second.output;
}

TEST(BatchEndToEnd, MigratesTheDemoAndASecondRunFindsItMigrated)
{
    const Demo demo("google");
    const std::string& data = demo.data;
    // Each Different record says what differs from ACT! and what the migration writes there.
    const ShellRun explained = demo.Batch("--dry-run --explain 2>/dev/null");
    ASSERT_EQ(explained.status, 0) << explained.output;
    for (const char* line : {"Different\t[x]\tBob Marsh\tbob@brix.example\t555-0142\tBrix & Sons Ltd\tBuyer\n"
                             "\t\tCompany\tin ACT!: Brix & Sons\twrites: Brix & Sons Ltd\n"
                             "\t\tTitle\tin ACT!: (empty)\twrites: Buyer",
                             "Different\t[x]\tTeam call\t14:00:00\t14:30:00\tNo\tRoom 2\n"
                             "\t\tLocation\tin ACT!: (empty)\twrites: Room 2"})
        EXPECT_TRUE(HasLine(explained.output, line)) << line << "\n---\n" << explained.output;
    EXPECT_EQ(LinesStarting(explained.output, "\t\t"), 3u) << explained.output;
    const ShellRun first = demo.Batch("2>/dev/null");
    ASSERT_EQ(first.status, 0) << first.output;
    for (const char* line : {"Same\t[ ]\tAnn Lee\tann.lee@acme.example\t555-0100x12\tAcme Corporation\t",
                             "Different\t[x]\tBob Marsh\tbob@brix.example\t555-0142\tBrix & Sons Ltd\tBuyer",
                             "New\t[x]\tDora Kim\tdora.kim@example.org\t555-0199\tKim Design\tOwner",
                             "New\t[x]\tEd Nov\xC3\xA1k\ted.novak@example.net\t\t\t",
                             "Same\t[ ]\tQuarterly review\t09:00:00\t10:30:00\tNo\tRoom 1",
                             "Different\t[x]\tTeam call\t14:00:00\t14:30:00\tNo\tRoom 2",
                             "New\t[x]\tTrade fair\t00:00:00\t00:00:00\tNo\t",
                             "Number of Contact Records Migrated:\t3", "Number of Calendar Records Migrated:\t2",
                             "Number of Task Records Migrated:\t0", "Number of Notes Records Migrated:\t0"})
        EXPECT_TRUE(HasLine(first.output, line)) << line << "\n---\n" << first.output;

    std::string error;
    auto store = velmora::helpers::ActStore::Open(data + "Demo.pad", error);
    ASSERT_TRUE(store) << error;
    std::vector<velmora::helpers::ActContactRec> contacts;
    std::vector<velmora::helpers::ActCalendarRec> calendar;
    ASSERT_TRUE(store->ReadAll(contacts, error) && store->ReadAll(calendar, error)) << error;
    ASSERT_EQ(contacts.size(), 5u);
    EXPECT_EQ(contacts[1].Company, "Brix & Sons Ltd");
    EXPECT_EQ(contacts[1].Title, "Buyer");
    EXPECT_EQ(contacts[3].FullName, "Dora Kim");
    EXPECT_EQ(contacts[3].MobilePhone, "555-0199");
    EXPECT_EQ(contacts[4].LastName, "Nov\xE1k") << "stored in Windows-1252";
    ASSERT_EQ(calendar.size(), 3u);
    EXPECT_EQ(calendar[1].Location, "Room 2");
    EXPECT_EQ(calendar[1].RecurrenceFrequency, 2);
    EXPECT_EQ(calendar[1].RecurrenceValue, 2 | 8);
    EXPECT_EQ(calendar[2].Regarding, "Trade fair");

    const std::string log = ReadFile(data + "VLLog.txt");
    EXPECT_EQ(log.rfind("Migrating information to ACT! ...\r\n\r\nMigrating Contact item:\r\n\tDisplay Name: Bob Marsh\r\n", 0), 0u);
    EXPECT_NE(log.find("\tDisplay Name: Ed Nov\xE1k\r\n"), std::string::npos);
    EXPECT_NE(log.find("Migrating Calendar item:\r\n\tSubject: Team call\r\n\tLocation: Room 2\r\n\tDate: 03/03/2008\r\n"),
              std::string::npos);
    EXPECT_EQ(log.substr(log.size() - 55), "Migrating information to ACT! completed successfully.\r\n");

    // Everything is now the same (Ed Novak's note, which an ACT! contact cannot hold, is not
    // compared).
    ExpectAllSame(demo, 4u + 3u);
}

// The same demo account on a real CardDAV/CalDAV server gives the same preview as its folder.
TEST(BatchEndToEnd, TheGoogleDemoFromACardDavServer)
{
    const Demo demo("google");
    const ShellRun fromFolder = demo.Batch("--dry-run 2>/dev/null");
    ASSERT_EQ(fromFolder.status, 0) << fromFolder.output;

    const velmora::testing::DavServerProcess server(velmora::testing::DavServerProcess::Kind::Radicale, "demo@example.org", "demo");
    ASSERT_TRUE(server.Running()) << server.Log();
    const std::string account = demo.data + "GoogleAccounts/demo@example.org/";
    ASSERT_EQ(server.Request("PUT", "/demo@example.org/contacts/", "text/vcard", ReadFile(account + "contacts.vcf")), 201);
    ASSERT_EQ(server.Request("PUT", "/demo@example.org/work/", "text/calendar", ReadFile(account + "work.ics")), 201);
    const ShellRun set = Shell("sed -i 's|^GGEmail=.*|&\\nGGServerURL=" + server.Url() + "|' '" + demo.data + "VLACT.ini'");
    ASSERT_EQ(set.status, 0);
    std::filesystem::remove_all(account);  // nothing can come from the folder now
    const ShellRun fromServer = demo.Batch("--dry-run 2>/dev/null");
    ASSERT_EQ(fromServer.status, 0) << fromServer.output;
    // The records in the order of their addresses on the server, which are its own.
    const auto lines = [](const std::string& text) {
        std::multiset<std::string> sorted;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);)
            sorted.insert(line);
        return sorted;
    };
    EXPECT_EQ(lines(fromServer.output), lines(fromFolder.output)) << fromServer.output;
}

// The demo's Palm Desktop user, found through the registry file: Palm Desktop 4.1.4 with its four
// 4.x files, or Palm Desktop 6.2 with the same records in its four Access databases, read and
// migrated by the ACT! helpers.
class PalmBatch : public ::testing::TestWithParam<const char*> {};

TEST_P(PalmBatch, MigratesTheDemoPalmDesktopUser)
{
    const Demo demo(GetParam());
    const std::string& data = demo.data;
    const ShellRun first = demo.Batch("2>/dev/null");
    ASSERT_EQ(first.status, 0) << first.output;
    // The Palm contacts carry no display name: the preview names them by first and last name.
    for (const char* line : {"Same\t[ ]\tAnn Lee\tann.lee@acme.example\t\tAcme Corporation\t",
                             "Different\t[x]\tBob Marsh\tbob@brix.example\t\tBrix & Sons Ltd\t",
                             "New\t[x]\tGina Okafor\tgina@okafor.example\t\tOkafor Imports\tDirector",
                             "Same\t[ ]\tQuarterly review\t09:00:00\t10:30:00\tNo\tRoom 1",
                             "New\t[x]\tStand-up\t09:00:00\t09:15:00\tNo\t",
                             "New\t[x]\tSend price list to Gina\tHigh\t03/14/2008\t",
                             "New\t[x]\tFile expense reports\tLow\t\t",
                             "Number of Contact Records Migrated:\t3", "Number of Calendar Records Migrated:\t2",
                             "Number of Task Records Migrated:\t3", "Number of Notes Records Migrated:\t2"})
        EXPECT_TRUE(HasLine(first.output, line)) << line << "\n---\n" << first.output;

    std::string error;
    auto store = velmora::helpers::ActStore::Open(data + "Demo.pad", error);
    ASSERT_TRUE(store) << error;
    std::vector<velmora::helpers::ActContactRec> contacts;
    std::vector<velmora::helpers::ActCalendarRec> calendar;
    std::vector<velmora::helpers::ActTodoRec> todos;
    ASSERT_TRUE(store->ReadAll(contacts, error) && store->ReadAll(calendar, error) && store->ReadAll(todos, error))
        << error;
    ASSERT_EQ(contacts.size(), 5u);
    EXPECT_EQ(contacts[3].FullName, "Gina Okafor") << "named as ACT! names a new contact";
    EXPECT_EQ(contacts[3].MobilePhone, "555-0312");
    EXPECT_EQ(contacts[3].Category, "Business");
    ASSERT_EQ(calendar.size(), 4u);
    EXPECT_EQ(calendar[3].Regarding, "Stand-up");
    EXPECT_EQ(calendar[3].RecurrenceFrequency, 2);
    EXPECT_EQ(calendar[3].RecurrenceValue, 0x3E);
    EXPECT_GT(calendar[3].RecurrenceEnd, 0) << "the series ends in June 2008";
    ASSERT_EQ(todos.size(), 5u);
    EXPECT_EQ(todos[2].Regarding, "Send price list to Gina");
    EXPECT_EQ(todos[2].Priority, 0) << "high";

    // A second run finds everything migrated, the memos matched by their text.
    ExpectAllSame(demo, 4u + 3u + 3u + 2u);
}

INSTANTIATE_TEST_SUITE_P(BatchEndToEnd, PalmBatch, ::testing::Values("palm", "palm6"));

// The demo's Outlook data file, written by our writer, read through the stand-in Outlook and its
// reader program, and migrated by the ACT! helpers.
TEST(BatchEndToEnd, MigratesTheDemoOutlookDataFile)
{
    const Demo demo("outlook");
    const ShellRun first = demo.Batch("2>/dev/null");
    ASSERT_EQ(first.status, 0) << first.output;
    for (const char* line : {"Same\t[ ]\tAnn Lee\tann.lee@acme.example\t\tAcme Corporation\t",
                             "Different\t[x]\tBob Marsh\tbob@brix.example\t\tBrix & Sons Ltd\tBuyer",
                             "New\t[x]\tDora Kim\tdora.kim@example.org\t\tKim Design\tOwner",
                             "Same\t[ ]\tTeam call\t14:00:00\t14:30:00\tNo\t",
                             "New\t[x]\tCompany anniversary\t00:00:00\t00:00:00\tYes\t",
                             "New\t[x]\tWait for the printer's quote\tLow\t03/10/2008\t",
                             "Number of Contact Records Migrated:\t4", "Number of Calendar Records Migrated:\t5",
                             "Number of Task Records Migrated:\t5", "Number of Notes Records Migrated:\t5"})
        EXPECT_TRUE(HasLine(first.output, line)) << line << "\n---\n" << first.output;

    std::string error;
    auto store = velmora::helpers::ActStore::Open(demo.data + "Demo.pad", error);
    ASSERT_TRUE(store) << error;
    std::vector<velmora::helpers::ActContactRec> contacts;
    std::vector<velmora::helpers::ActCalendarRec> calendar;
    ASSERT_TRUE(store->ReadAll(contacts, error) && store->ReadAll(calendar, error)) << error;
    ASSERT_EQ(contacts.size(), 6u);
    EXPECT_EQ(contacts[1].UserDefined1, "Gina") << "the first user-defined field";
    EXPECT_EQ(contacts[1].UserDefined2, "North-West");
    EXPECT_EQ(contacts[3].FullName, "Dora Kim");
    EXPECT_EQ(contacts[3].Category, "Clients, Design");
    EXPECT_EQ(contacts[4].LastName, "Nov\xE1k");
    ASSERT_EQ(calendar.size(), 7u);
    EXPECT_EQ(calendar[2].Regarding, "Stand-up");
    EXPECT_GT(calendar[2].RecurrenceEnd, 0) << "the daily series ends in June 2008";

    // A second run finds everything migrated.
    ExpectAllSame(demo, 5u + 7u + 5u + 6u);
}

// The demo's Lotus Notes exports (a vCard address book, an iCalendar mail database, a
// structured-text notebook) read by the stand-in Notes helpers and migrated by the ACT! helpers.
TEST(BatchEndToEnd, MigratesTheDemoLotusNotesExports)
{
    const Demo demo("lotus");
    const ShellRun first = demo.Batch("2>/dev/null");
    ASSERT_EQ(first.status, 0) << first.output;
    for (const char* line : {"Same\t[ ]\tAnn Lee\tann.lee@acme.example\t\tAcme Corporation\t",
                             "Different\t[x]\tBob Marsh\tbob@brix.example\t\tBrix & Sons Ltd\tBuyer",
                             "New\t[x]\tHana Sato\thana.sato@example.jp\t\tSato Trading\tPartner",
                             "Same\t[ ]\tQuarterly review\t09:00:00\t10:30:00\tNo\tRoom 1",
                             "New\t[x]\tSend the catalogue to Hana\tHigh\t03/14/2008\t",
                             "New\t[x]\tRenew the stand booking\tNormal\tN/A\t",
                             "Number of Contact Records Migrated:\t2", "Number of Calendar Records Migrated:\t1",
                             "Number of Task Records Migrated:\t2", "Number of Notes Records Migrated:\t2"})
        EXPECT_TRUE(HasLine(first.output, line)) << line << "\n---\n" << first.output;

    std::string error;
    auto store = velmora::helpers::ActStore::Open(demo.data + "Demo.pad", error);
    ASSERT_TRUE(store) << error;
    std::vector<velmora::helpers::ActCalendarRec> calendar;
    std::vector<velmora::helpers::ActNoteRec> notes;
    ASSERT_TRUE(store->ReadAll(calendar, error) && store->ReadAll(notes, error)) << error;
    ASSERT_EQ(calendar.size(), 3u);
    EXPECT_EQ(calendar[2].Regarding, "Sales meeting");
    EXPECT_EQ(calendar[2].RecurrenceFrequency, 2) << "four weekly RDATE dates are a weekly series";
    EXPECT_GT(calendar[2].RecurrenceEnd, 0);
    ASSERT_EQ(notes.size(), 4u);
    EXPECT_EQ(notes[2].NoteText, "Stand 12 was busy all day.\r\nBring more catalogues next time.");

    // A second run finds everything migrated, the notebook documents matched by their text.
    ExpectAllSame(demo, 3u + 2u + 2u + 2u);
}

// One migration per data folder: a run that finds the folder's lock taken refuses, and two runs
// started together never add a record twice.
TEST(BatchEndToEnd, OneMigrationPerDataFolderAtATime)
{
    const Demo demo("google");
    {
        const int held = ::open((demo.data + "VLACT.lock").c_str(), O_RDWR | O_CREAT, 0600);
        ASSERT_GE(held, 0);
        ASSERT_EQ(::flock(held, LOCK_EX), 0);
        const ShellRun refused = demo.Batch("2>&1");
        EXPECT_EQ(refused.status, 1);
        EXPECT_EQ(refused.output, "Another migration is using this data folder.\n");
        ::close(held);
    }
    const ShellRun both = Shell("cd '" + demo.bin + "' && (XDG_DATA_HOME='" + demo.home + "' ./velmora-batch > /dev/null 2>&1; "
                                "echo first $?) & (XDG_DATA_HOME='" + demo.home + "' ./velmora-batch > /dev/null 2>&1; "
                                "echo second $?) & wait");
    EXPECT_NE(both.output.find(" 0"), std::string::npos) << both.output;
    std::string error;
    auto store = velmora::helpers::ActStore::Open(demo.data + "Demo.pad", error);
    ASSERT_TRUE(store) << error;
    std::vector<velmora::helpers::ActContactRec> contacts;
    ASSERT_TRUE(store->ReadAll(contacts, error)) << error;
    EXPECT_EQ(contacts.size(), 5u) << "no contact added twice";
}

// A full disk (a file size limit on the run and its helpers): a clear failure on the helper's side
// (its data file) and on ours (the submission's data file), no partial file left to be read, and
// nothing lost in ACT!.
TEST(BatchEndToEnd, AFullDiskIsAClearFailureAndLosesNothing)
{
    const auto contactsIn = [](const Demo& demo) {
        std::string error;
        auto store = velmora::helpers::ActStore::Open(demo.data + "Demo.pad", error);
        std::vector<velmora::helpers::ActContactRec> contacts;
        EXPECT_TRUE(store && store->ReadAll(contacts, error)) << error;
        return contacts.size();
    };
    const auto noPartFiles = [](const Demo& demo) {
        for (const auto& entry : std::filesystem::directory_iterator(demo.data))
            EXPECT_NE(entry.path().extension(), ".part") << entry.path();
    };
    {
        const Demo demo("google");
        std::string many;
        for (int i = 0; i < 400; ++i)
            many += "BEGIN:VCARD\nVERSION:3.0\nFN:Person " + std::to_string(i) + "\nN:P" + std::to_string(i) +
                    ";Person;;;\nEMAIL;TYPE=WORK:p" + std::to_string(i) + "@example.org\nEND:VCARD\n";
        std::ofstream(demo.data + "GoogleAccounts/demo@example.org/contacts.vcf", std::ios::app) << many;
        const ShellRun full = demo.Batch("2>&1", "ulimit -f 64; ");
        EXPECT_EQ(full.status, 1) << full.output;
        EXPECT_NE(full.output.find("Loading Google Contacts Error: Cannot write the data file " + demo.data + "GAddr.dat."),
                  std::string::npos)
            << full.output;
        EXPECT_EQ(contactsIn(demo), 3u);
        noPartFiles(demo);
    }
    const Demo demo("outlook");
    const ShellRun bulk = Shell("'" + demo.bin + "velmora-pst' bulk '" + demo.home + "/Outlook Files/Demo.pst' 2000 0");
    ASSERT_EQ(bulk.status, 0);
    const ShellRun full = demo.Batch("2>&1", "ulimit -f 256; ");
    EXPECT_EQ(full.status, 1) << full.output;
    EXPECT_NE(full.output.find("Failed to submit Contact changes to ACT!, Error=The data file " + demo.data +
                               "ACTAddr.dat for Corvane.ACTAddrUtil cannot be written."),
              std::string::npos)
        << full.output;
    EXPECT_NE(ReadFile(demo.data + "VLLog.txt").find("\tRecords not migrated: 2000\r\n"), std::string::npos);
    EXPECT_EQ(contactsIn(demo), 3u);
    noPartFiles(demo);
}

TEST(BatchEndToEnd, AFailedLoginEndsWithTheMessageAndStatusOne)
{
    const Demo demo("google");
    ASSERT_EQ(Shell("sed -i 's/^GGPassword=.*/GGPassword=d3Jvbmc=/' '" + demo.data + "VLACT.ini'").status, 0);
    const ShellRun run = demo.Batch("2>&1 >/dev/null");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("Error: Loading Google Contacts Error: Invalid account name or password for the Google "
                              "account demo@example.org."),
              std::string::npos)
        << run.output;
}

}  // namespace

// Every installed program answers --help and --version and refuses what it does not know with
// its usage on standard error and status 2.
TEST(BatchEndToEnd, ProgramsHaveCommandLineManners)
{
    const std::string bin = velmora::platform::ProgramFolder();
    for (const char* program : {"velmora-batch", "velmora-actpad", "velmora", "velmora-actview", "GAddrUtil", "PalmMdbRead"}) {
        const std::string path = "env -u DISPLAY QT_QPA_PLATFORM=offscreen '" + bin + program + "'";
        const ShellRun version = Shell(path + " --version 2>&1");
        EXPECT_EQ(version.status, 0) << program;
        EXPECT_EQ(version.output, std::string(program) + " 0.1\n") << program;
        const ShellRun help = Shell(path + " --help 2>/dev/null");
        EXPECT_EQ(help.status, 0) << program;
        EXPECT_EQ(help.output.rfind(std::string("usage: ") + program, 0), 0u) << help.output;
        EXPECT_NE(help.output.find("Exit status"), std::string::npos) << program;
        const ShellRun wrong = Shell(path + " --no-such-option 2>&1 >/dev/null");
        EXPECT_EQ(wrong.status, 2) << program;
        EXPECT_NE(wrong.output.find(std::string("usage: ") + program), std::string::npos) << wrong.output;
    }
}

// A migration is listed and taken back by --undo-last; a second one finds nothing to undo.
TEST(BatchEndToEnd, TheLastMigrationIsListedAndUndone)
{
    const Demo demo("google");
    const std::string pad = demo.data + "Demo.pad";
    const ShellRun before = Shell("'" + demo.bin + "velmora-actpad' list '" + pad + "' contacts");
    ASSERT_EQ(demo.Batch("2>/dev/null").status, 0);
    const ShellRun listed = demo.Batch("--list-migrations 2>&1");
    ASSERT_EQ(listed.status, 0) << listed.output;
    EXPECT_EQ(LinesStarting(listed.output, "20"), 1u) << listed.output;
    EXPECT_NE(listed.output.find("\t2 1 0 0\t1 1 0 0\tno\n"), std::string::npos) << listed.output;

    const ShellRun undone = demo.Batch("--undo-last 2>/dev/null");
    ASSERT_EQ(undone.status, 0) << undone.output;
    EXPECT_TRUE(HasLine(undone.output, "Contact records removed: 2, restored: 1, left as changed since: 0")) << undone.output;
    EXPECT_EQ(Shell("'" + demo.bin + "velmora-actpad' list '" + pad + "' contacts").output, before.output)
        << "ACT! is as it was";
    const ShellRun again = demo.Batch("--undo-last 2>&1");
    EXPECT_EQ(again.status, 1);
    EXPECT_NE(again.output.find("There is no migration to undo."), std::string::npos) << again.output;
    EXPECT_EQ(demo.Batch("--undo-last --dry-run 2>/dev/null").status, 2) << "alone or not at all";
}
