#include "core/CxVLLog.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace velmora::core;
using namespace velmora::model;
using velmora::testing::ReadFile;
using velmora::testing::TempDir;

TEST(CxVLLog, WritesOneBlockPerRecordKind)
{
    TempDir dir;
    CxVLLog log(dir.Path());
    ASSERT_TRUE(log.Open());
    log.WriteLine("Migrating information to ACT! ...\r\n");

    CommAddrRec contact;
    contact.DisplayName = "Ann Lee";
    contact.Company = "Acme";
    contact.PrimaryPhone = "555-0100";
    log.LogContact(&contact);

    CommDateRec entry;
    entry.Subject = "Review";
    entry.Start = {2008, 3, 5, 7, 9, 30, 0, 0};
    entry.End = {2008, 3, 5, 7, 10, 15, 5, 0};
    log.LogCalendar(&entry);

    CommTaskRec task;
    task.Subject = "Call Bob";
    log.LogTask(&task);

    CommNoteRec note;
    note.Text = "First line\r\nsecond line";
    log.LogNote(&note);
    log.LogNote(nullptr);
    log.WriteLine("Migrating information to ACT! completed successfully.");
    log.Close();

    EXPECT_EQ(ReadFile(dir.Path() + "VLLog.txt"),
              "Migrating information to ACT! ...\r\n\r\n"
              "Migrating Contact item:\r\n"
              "\tDisplay Name: Ann Lee\r\n\tCompany: Acme\r\n\tTitle: <empty>\r\n\tEmail: <empty>\r\n"
              "\tPrimary Phone: 555-0100\r\n"
              "Contact item migrated successfully...\r\n\r\n"
              "Migrating Calendar item:\r\n"
              "\tSubject: Review\r\n\tLocation: <empty>\r\n\tDate: 03/07/2008\r\n\tStart Time: 09:30:00\r\n"
              "\tEnd Time: 10:15:05\r\n"
              "Calendar item migrated successfully...\r\n\r\n"
              "Migrating Task item:\r\n\tSubject: Call Bob\r\nTask item migrated successfully...\r\n\r\n"
              "Migrating Note item:\r\n\tBrief Note: First line\r\nNote item migrated successfully...\r\n\r\n"
              "Migrating information to ACT! completed successfully.\r\n");
}

TEST(CxVLLog, BriefNotesAreTheFirstLineCutTo255)
{
    const struct {
        std::string text;
        std::string brief;
    } cases[] = {
        {"\r\nafter a break", "<empty>"}, {"unix\nlines", "unix"}, {"one line", "one line"},
        {std::string(300, 'n'), std::string(255, 'n')}, {"cr\ronly", "cr\ronly"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        CxVLLog log(dir.Path());
        ASSERT_TRUE(log.Open());
        CommNoteRec note;
        note.Text = c.text;
        log.LogNote(&note);
        log.Close();
        EXPECT_EQ(ReadFile(dir.Path() + "VLLog.txt"),
                  "Migrating Note item:\r\n\tBrief Note: " + c.brief + "\r\nNote item migrated successfully...\r\n\r\n");
    }
    EXPECT_EQ(CxVLLog::FormatField(2, "Label", ""), "\t\tLabel: <empty>");
}

TEST(CxVLLog, WithoutADataFolderNothingIsWrittenAndNothingFails)
{
    CxVLLog log("");
    EXPECT_FALSE(log.Open());
    CommTaskRec task;
    log.LogTask(&task);
    log.WriteLine("ignored");
    EXPECT_FALSE(log.IsOpen());
}
