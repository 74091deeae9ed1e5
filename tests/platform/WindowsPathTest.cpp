#include "platform/AsciiCase.h"
#include "platform/WindowsPath.h"

#include "support/WineDrive.h"

#include <gtest/gtest.h>

using namespace velmora::platform;
using velmora::testing::MakeWineDriveC;
using velmora::testing::WriteFile;

TEST(WindowsPath, DrivePathsMapThroughTheWinePrefixMatchingNamesWithoutCase)
{
    const std::string drive = MakeWineDriveC();
    WriteFile(drive + "Program Files/Palm/palm.exe", "x");
    const struct {
        const char* windows;
        std::optional<std::string> mapped;
    } cases[] = {
        {"C:\\program files\\PALM\\Palm.EXE", drive + "Program Files/Palm/palm.exe"},
        {"c:\\Program Files\\Palm\\", drive + "Program Files/Palm/"},
        {"C:/Program Files/palm", drive + "Program Files/Palm"},
        {"C:\\Program Files\\Palm\\New\\file.dat", drive + "Program Files/Palm/New/file.dat"},
        {"C:", drive},
        {"/opt/act/act.exe", "/opt/act/act.exe"},
        {"D:\\data", std::nullopt},
        {"\\\\server\\share", std::nullopt},
        {"relative\\path", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MapWindowsPath(c.windows), c.mapped) << c.windows;
}

TEST(WindowsPath, FindsNamesWithoutCasePreferringTheExactOneThenNameOrder)
{
    velmora::testing::TempDir dir;
    WriteFile(dir.Path() + "ADDRESS.DAT", "1");
    WriteFile(dir.Path() + "address.DAT", "2");
    WriteFile(dir.Path() + "Address.dat", "3");
    EXPECT_EQ(FindNameNoCase(dir.Path(), "Address.dat"), dir.Path() + "Address.dat");
    EXPECT_EQ(FindNameNoCase(dir.Path(), "address.dat"), dir.Path() + "ADDRESS.DAT");
    EXPECT_EQ(FindNameNoCase(dir.Path(), "memo.dat"), std::nullopt);
    EXPECT_TRUE(EqualsNoCase("Notes.EXE", "notes.exe"));
    EXPECT_FALSE(EqualsNoCase("notes", "notes.exe"));
}
