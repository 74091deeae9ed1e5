#include "core/AppSettings.h"

#include "platform/Base64.h"
#include "platform/IniFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace velmora::core;
using velmora::platform::IniFile;
using velmora::testing::ReadFile;
using velmora::testing::TempDir;
using velmora::testing::WriteFile;

namespace {

class SettingsTest : public ::testing::Test {
protected:
    // Saves, then reads back into fresh settings, as a restart does.
    AppSettings Restart(AppSettings& settings)
    {
        EXPECT_TRUE(SaveSettings(settings, path));
        AppSettings next;
        next.SourceApp = 99;  // loading starts from the defaults
        LoadSettings(next, path);
        return next;
    }
    std::string Key(const char* key) const { return IniFile::Load(path).Get("VLACT", key).value_or("<missing>"); }

    TempDir dir;
    const std::string path = dir.Path() + "VLACT.ini";
};

TEST_F(SettingsTest, AFirstRunHasTheDefaults)
{
    AppSettings settings;
    settings.SourceApp = 3;
    LoadSettings(settings, path);
    EXPECT_EQ(settings.SourceApp, 0);
    EXPECT_TRUE(settings.SyncAddr && settings.SyncDate && settings.SyncTask && settings.SyncNote);
    EXPECT_EQ(settings.LogLevel, 3);
    EXPECT_FALSE(settings.EnableDebug);
    EXPECT_EQ(settings.NewColor, 0x008000);
    EXPECT_EQ(settings.DiffColor, 0xFF0000);
    EXPECT_EQ(settings.SameColor, 0);
    EXPECT_TRUE(settings.ACTSaveUser && settings.GGSaveEmail && settings.Opp && settings.OppNotes);
    EXPECT_FALSE(settings.ACTSavePassword || settings.GGSavePassword || settings.LNSavePassword);
    EXPECT_EQ(settings.OLMode, 1);
    EXPECT_EQ(settings.OLCustomLabel[0], "Custom 1");
    EXPECT_EQ(settings.GGCustomLabel[8], "Custom 9");
    EXPECT_EQ(settings.PDCustomID[4], 0);
    EXPECT_EQ(settings.GGServerURL, "") << "no server: the account folder";
}

TEST_F(SettingsTest, EverySettingSurvivesARestart)
{
    AppSettings settings;
    settings.SourceApp = 5;
    settings.EnableDebug = true;
    settings.LogLevel = 1;
    settings.SyncTask = false;
    settings.DiffColor = 255;
    settings.ACTPadName = "/home/u/ACT/Databases/Contacts.pad";
    settings.OLAppName = std::string(300, 'o');
    settings.PDUseNoteFile = true;
    settings.PDNoteFileName = "/data/memo.dat";
    settings.PDUserID = 123456;
    settings.LNCustom = true;
    settings.LNCustomID[8] = 77;
    settings.GGCustomLabel[2] = "Nickname";
    settings.GGServerURL = "https://dav.example.org/remote.php/dav";
    const AppSettings back = Restart(settings);
    EXPECT_EQ(back.SourceApp, 5);
    EXPECT_TRUE(back.EnableDebug);
    EXPECT_EQ(back.LogLevel, 1);
    EXPECT_FALSE(back.SyncTask);
    EXPECT_EQ(back.DiffColor, 255);
    EXPECT_EQ(back.ACTPadName, settings.ACTPadName);
    EXPECT_EQ(back.OLAppName.view(), std::string(259, 'o'));
    EXPECT_TRUE(back.PDUseNoteFile);
    EXPECT_EQ(back.PDNoteFileName, "/data/memo.dat");
    EXPECT_EQ(back.PDUserID, 123456);
    EXPECT_TRUE(back.LNCustom);
    EXPECT_EQ(back.LNCustomID[8], 77);
    EXPECT_EQ(back.GGCustomLabel[2], "Nickname");
    EXPECT_EQ(back.GGServerURL, "https://dav.example.org/remote.php/dav");
    EXPECT_EQ(Key("SyncTask"), "0");
    EXPECT_EQ(Key("PDUserID"), "123456");

    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(SettingsTest, PasswordsOfEveryLengthUpTo63RoundTripAsBase64)
{
    std::string password;
    for (int length = 0; length <= 63; ++length) {
        AppSettings settings;
        settings.ACTSavePassword = settings.GGSavePassword = settings.LNSavePassword = true;
        settings.ACTPassword.Plain = password;
        settings.GGPassword.Plain = password + "g";
        settings.LNPassword.Plain = password + "l";
        const AppSettings back = Restart(settings);
        ASSERT_EQ(back.ACTPassword.Plain.view(), password);
        ASSERT_EQ(back.GGPassword.Plain.view(), password + "g");
        ASSERT_EQ(back.LNPassword.Plain.view(), password + "l");
        ASSERT_EQ(Key("ACTPassword"), velmora::platform::EncodePassword(password));
        ASSERT_EQ(back.ACTPassword.Encoded, Key("ACTPassword"));
        password += static_cast<char>('!' + (length * 7) % 90);
    }
    // An OAuth 2 token as the Google password fills the whole 255 characters.
    AppSettings token;
    token.GGSavePassword = true;
    token.GGPassword.Plain = "Bearer " + std::string(248, 't');
    EXPECT_EQ(Restart(token).GGPassword.Plain.view(), "Bearer " + std::string(248, 't'));
    // A shorter password replaces a longer one completely.
    AppSettings settings;
    settings.ACTSavePassword = true;
    settings.ACTPassword.Plain = "ab";
    EXPECT_EQ(Restart(settings).ACTPassword.Plain, "ab");
}

TEST_F(SettingsTest, SaveSwitchesKeepNamesAndPasswordsOutOfTheFile)
{
    AppSettings settings;
    settings.ACTUserName = "Chris";
    settings.ACTPassword.Plain = "secret";
    settings.GGEmail = "chris@example.org";
    settings.GGPassword.Plain = "gsecret";
    settings.LNPassword.Plain = "lsecret";
    settings.ACTSaveUser = false;
    settings.GGSaveEmail = false;
    const AppSettings back = Restart(settings);
    for (const char* key : {"ACTUserName", "ACTPassword", "GGEmail", "GGPassword", "LNPassword"})
        EXPECT_EQ(Key(key), "") << key;
    EXPECT_EQ(back.ACTUserName, "");
    EXPECT_EQ(back.GGEmail, "");
    EXPECT_EQ(back.ACTPassword.Plain, "");
    EXPECT_EQ(back.LNPassword.Encoded, "");

    // A password left in the file is not read while its switch is off.
    WriteFile(path, "[VLACT]\nACTSavePassword=0\nACTPassword=c2VjcmV0\nGGSaveEmail=0\nGGEmail=x@y.z\n"
                    "ACTSaveUser=0\nACTUserName=Kept\n");
    AppSettings loaded;
    LoadSettings(loaded, path);
    EXPECT_EQ(loaded.ACTPassword.Plain, "");
    EXPECT_EQ(loaded.GGEmail, "");
    EXPECT_EQ(loaded.ACTUserName, "Kept") << "the ACT! user name is always read";
}

TEST_F(SettingsTest, KeysOfOtherConnectorsAndSectionsAreLeftAsTheyAre)
{
    const std::string dormant = "DNHostName=crm.example.com\r\nDNPassword=ZG4=\r\nSFToken=abc123\r\nSGAddrLead=1\r\n";
    WriteFile(path, "; written by an older version\r\n[VLACT]\r\nSourceApp=2\r\n" + dormant + "\r\n[Window]\r\nLeft=10\r\n");
    AppSettings settings;
    LoadSettings(settings, path);
    EXPECT_EQ(settings.SourceApp, 2);
    settings.SourceApp = 4;
    ASSERT_TRUE(SaveSettings(settings, path));
    const std::string text = ReadFile(path);
    EXPECT_EQ(text.rfind("; written by an older version\r\n[VLACT]\r\nSourceApp=4\r\n" + dormant, 0), 0u) << text;
    EXPECT_NE(text.find("\r\n[Window]\r\nLeft=10\r\n"), std::string::npos);
    EXPECT_EQ(text.find('\n', 0), text.find("\r\n", 0) + 1) << "the file keeps its CR LF line ends";
}

}  // namespace
