#include "platform/IniFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

using velmora::platform::IniFile;
using velmora::testing::ReadFile;
using velmora::testing::TempDir;
using velmora::testing::WriteFile;

namespace {

IniFile Parse(const std::string& text)
{
    TempDir dir;
    WriteFile(dir.Path() + "f.ini", text);
    return IniFile::Load(dir.Path() + "f.ini");
}

}  // namespace

TEST(IniFile, ReadsWithWindowsProfileRules)
{
    const IniFile ini = Parse("\xEF\xBB\xBF[vlact]\r\n"
                              "; comment\r\n"
                              "  Name =  padded value  \r\n"
                              "name=second\r\n"
                              "Quoted=\"  in quotes \"\r\n"
                              "Empty=\r\n"
                              "Number=  42abc\r\n"
                              "Negative=-7\r\n"
                              "Letters=abc\r\n"
                              "Huge=99999999999\r\n"
                              "[VLACT]\r\n"
                              "Later=ignored\r\n");
    EXPECT_EQ(ini.Get("VLACT", "NAME"), "padded value");
    EXPECT_EQ(ini.Get("VLACT", "Quoted"), "  in quotes ");
    EXPECT_EQ(ini.Get("VLACT", "Later"), std::nullopt) << "only the first section of a name counts";
    EXPECT_EQ(ini.Get("Other", "Name"), std::nullopt);
    EXPECT_EQ(ini.GetString("VLACT", "Name", "d", 7), "padded");
    EXPECT_EQ(ini.GetString("VLACT", "Missing", "default", 256), "default");
    EXPECT_EQ(ini.GetString("VLACT", "Empty", "default", 256), "");

    const struct {
        const char* key;
        int value;
    } ints[] = {{"Number", 42}, {"Negative", -7}, {"Letters", 0}, {"Huge", 2147483647}, {"Empty", 5}, {"Missing", 5}};
    for (const auto& c : ints)
        EXPECT_EQ(ini.GetInt("VLACT", c.key, 5), c.value) << c.key;
}

TEST(IniFile, WritingChangesOnlyTheKeyWritten)
{
    TempDir dir;
    const std::string path = dir.Path() + "settings.ini";
    WriteFile(path, "; keep me\r\n[VLACT]\r\nSourceApp=2\r\nDNHostName=crm.example\r\n\r\n[Other]\r\nx=1\r\n");
    IniFile ini = IniFile::Load(path);
    ini.Set("vlact", "sourceapp", "5");
    ini.Set("VLACT", "NewKey", "new");
    ini.Set("Fresh", "a", "b");
    ini.Set("VLACT", "Injected", "ok\r\n[VLACT]\r\nSourceApp=9");
    ASSERT_TRUE(ini.Save(path, 0600));
    EXPECT_EQ(ReadFile(path), "; keep me\r\n[VLACT]\r\nSourceApp=5\r\nDNHostName=crm.example\r\nNewKey=new\r\n"
                              "Injected=ok\r\n\r\n[Other]\r\nx=1\r\n\r\n[Fresh]\r\na=b\r\n");
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1) << "no temporary file is left";
}

TEST(IniFile, NewFilesUseLineFeedsAndUnwritableFoldersFail)
{
    TempDir dir;
    IniFile ini = IniFile::Load(dir.Path() + "missing.ini");
    EXPECT_EQ(ini.Get("S", "k"), std::nullopt);
    ini.Set("S", "k", "v");
    ASSERT_TRUE(ini.Save(dir.Path() + "new.ini", 0600));
    EXPECT_EQ(ReadFile(dir.Path() + "new.ini"), "[S]\nk=v\n");
    WriteFile(dir.Path() + "file", "not a folder");
    EXPECT_FALSE(ini.Save(dir.Path() + "file/new.ini", 0600));
}

// A settings file as Windows reads it, whatever its line ends, and a file of a million junk lines
// read in one pass.
TEST(IniFile, CrOnlyLineEndsAndHugeFiles)
{
    const IniFile cr = Parse("[VLACT]\rSourceApp=3\rLogLevel=2\r");
    EXPECT_EQ(cr.GetInt("VLACT", "SourceApp", 0), 3);
    EXPECT_EQ(cr.GetInt("VLACT", "LogLevel", 0), 2);
    const IniFile mixed = Parse("[A]\r\nx=1\ny=2\rz=3");
    EXPECT_EQ(mixed.Get("A", "z"), "3");

    std::string huge = "[VLACT]\n";
    for (int i = 0; i < 1'000'000; ++i)
        huge += "junk line " + std::to_string(i) + "\n";
    for (int i = 0; i < 200; ++i)
        huge += "Key" + std::to_string(i) + "=" + std::to_string(i) + "\n";
    IniFile ini = Parse(huge);
    for (int i = 0; i < 200; ++i)
        EXPECT_EQ(ini.GetInt("VLACT", "key" + std::to_string(i), -1), i);
    ini.Set("VLACT", "Key7", "changed");
    EXPECT_EQ(ini.Get("VLACT", "Key7"), "changed") << "the index follows a change";
}
