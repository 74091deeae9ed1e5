#include "helpers/common/HelperSide.h"

#include "platform/IniFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace velmora::helpers;
using velmora::platform::IniFile;
using velmora::testing::TempDir;

TEST(HelperSide, ControlFileSaysRunningAndHearsStop)
{
    TempDir dir;
    const std::string path = dir.Path() + "ACTAddr.ini";
    {
        ControlFile control(path);
        EXPECT_EQ(IniFile::Load(path).GetInt("Status", "Running", 0), 1);
        EXPECT_FALSE(control.StopRequested());
        IniFile file = IniFile::Load(path);
        file.Set("Status", "Stop", "1");
        file.Save(path, 0600);
        EXPECT_TRUE(control.StopRequested());
    }
    EXPECT_EQ(IniFile::Load(path).GetInt("Status", "Running", 1), 0);
}

TEST(HelperSide, ErrorFilesCountTheirTexts)
{
    TempDir dir;
    const std::string path = dir.Path() + "ACTAddrErr.dat";
    ASSERT_TRUE(WriteErrorFile(path, {"first", "Invalid user name or password."}));
    const IniFile file = IniFile::Load(path);
    EXPECT_EQ(file.GetInt("Error", "Error.Count", 0), 2);
    EXPECT_EQ(file.Get("Error", "Error.2"), "Invalid user name or password.");
}
