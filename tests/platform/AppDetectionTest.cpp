#include "platform/AppDetection.h"

#include "platform/Folders.h"
#include "support/PeBuilder.h"
#include "support/WineDrive.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace velmora::platform;
using velmora::testing::MakeWineDriveC;
using velmora::testing::PeBuilder;
using velmora::testing::WriteFile;

namespace {

Registry RegistryOf(const std::string& body)
{
    const std::string path = DataFolderPath() + "test.reg";
    WriteFile(path, "REGEDIT4\r\n" + body);
    return Registry::FromFiles({path});
}

}  // namespace

TEST(AppDetection, DefaultActDatabaseIsTheFirstPadFileOfTheFirstUsableFolder)
{
    std::string found = "stale";
    EXPECT_FALSE(FindDefaultActDatabase(found));
    EXPECT_EQ(found, "");

    const std::string act = DocumentsFolder() + "ACT/";
    std::filesystem::create_directories(act);
    EXPECT_FALSE(FindDefaultActDatabase(found)) << "an ACT folder with only . and ..";

    WriteFile(act + "A file.txt", "not a folder");
    WriteFile(act + "0/Databases/skip.pad", "one-letter folders are skipped");
    WriteFile(act + "ACT 7./Databases/skip.pad", "names ending in a dot are skipped");
    WriteFile(act + "ACT for Win 8/databases/notes.txt", "");
    WriteFile(act + "ACT for Win 8/databases/Demo.PAD", "");
    WriteFile(act + "ACT for Win 8/databases/Contacts.pad", "");
    ASSERT_TRUE(FindDefaultActDatabase(found));
    EXPECT_EQ(found, act + "ACT for Win 8/databases/Contacts.pad");
}

TEST(AppDetection, ActProgramFromItsInstallKey)
{
    const std::string drive = MakeWineDriveC();
    const std::string key = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\ACT\\Install]\r\n";
    std::string path = "stale";
    EXPECT_FALSE(GetActExePath(RegistryOf(key + "\"AppName\"=\"Act8.exe\"\r\n"), path));
    EXPECT_EQ(path, "");
    EXPECT_FALSE(GetActExePath(RegistryOf(key + "\"InstallPath\"=\"C:\\\\ACT\"\r\n"), path));
    WriteFile(drive + "Program Files/ACT/ACT8.EXE", "");
    for (const char* folder : {"C:\\\\Program Files\\\\act", "C:\\\\Program Files\\\\act\\\\"}) {
        ASSERT_TRUE(GetActExePath(
            RegistryOf(key + "\"InstallPath\"=\"" + folder + "\"\r\n\"AppName\"=\"Act8.exe\"\r\n"), path));
        EXPECT_EQ(path, drive + "Program Files/ACT/ACT8.EXE");
    }
}

TEST(AppDetection, LotusNotesFilesFromItsProgramAndDataFolders)
{
    const std::string drive = MakeWineDriveC();
    WriteFile(drive + "Lotus/Notes/notes.exe", PeBuilder{.major = 8, .minor = 5, .build = 2, .revision = 0}.Build());
    WriteFile(drive + "Lotus/Notes/Data/user.id", "");
    const Registry registry = RegistryOf("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Lotus\\Notes]\r\n"
                                         "\"Path\"=\"C:\\\\Lotus\\\\Notes\\\\\"\r\n"
                                         "[HKEY_CURRENT_USER\\SOFTWARE\\Lotus\\Notes\\Installer]\r\n"
                                         "\"DATADIR\"=\"C:\\\\Lotus\\\\Notes\\\\Data\"\r\n");
    std::string value;
    ASSERT_TRUE(GetNotesProgramFolder(registry, value));
    EXPECT_EQ(value, drive + "Lotus/Notes/");
    ASSERT_TRUE(GetNotesExePath(registry, value));
    EXPECT_EQ(value, drive + "Lotus/Notes/notes.exe");
    ASSERT_TRUE(GetNotesIdFile(registry, value));
    EXPECT_EQ(value, drive + "Lotus/Notes/Data/user.id");
    ASSERT_TRUE(GetNotesDataFolder(registry, value));
    EXPECT_EQ(value, drive + "Lotus/Notes/Data/") << "a separator is added to DATADIR";
    ASSERT_TRUE(GetNotesAddressBook(registry, value));
    EXPECT_EQ(value, drive + "Lotus/Notes/Data/names.nsf");
    EXPECT_FALSE(GetNotesNotebook(registry, value)) << "only an existing notebook counts";
    WriteFile(drive + "Lotus/Notes/Data/Notebook.nsf", "");
    ASSERT_TRUE(GetNotesNotebook(registry, value));
    EXPECT_EQ(value, drive + "Lotus/Notes/Data/Notebook.nsf");
    ASSERT_TRUE(GetNotesVersion(registry, value));
    EXPECT_EQ(value, "8.5.2.0");

    const Registry emptyDataDir =
        RegistryOf("[HKEY_CURRENT_USER\\SOFTWARE\\Lotus\\Notes\\Installer]\r\n\"DATADIR\"=\"\"\r\n");
    EXPECT_FALSE(GetNotesDataFolder(emptyDataDir, value));
    EXPECT_FALSE(GetNotesVersion(emptyDataDir, value));
}

TEST(AppDetection, OutlookProgramAndVersion)
{
    const std::string drive = MakeWineDriveC();
    const Registry registry =
        RegistryOf("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\OUTLOOK.EXE]\r\n"
                   "\"Path\"=\"C:\\\\Office12\\\\\"\r\n");
    std::string value;
    ASSERT_TRUE(GetOutlookExePath(registry, value));
    EXPECT_EQ(value, drive + "Office12/OUTLOOK.EXE");
    EXPECT_FALSE(GetOutlookVersion(registry, value)) << "no program there yet";
    WriteFile(drive + "Office12/outlook.exe", PeBuilder{.pe32Plus = true, .major = 12}.Build());
    ASSERT_TRUE(GetOutlookVersion(registry, value));
    EXPECT_EQ(value, "12.5.3.21");
}
