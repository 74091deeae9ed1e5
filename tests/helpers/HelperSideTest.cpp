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

TEST(HelperSide, AParameterFileIsDeletedOnceRead)
{
    velmora::testing::TempDir dir;
    const std::string path = dir.Path() + "TParam.dat";
    velmora::connectors::ParamParser written;
    written.SetParam(1001, velmora::connectors::ParamParser::kText, "password");
    ASSERT_TRUE(written.Save(path));
    std::string program = "helper";
    char* argv[] = {program.data(), const_cast<char*>(path.c_str()), nullptr};
    velmora::connectors::ParamParser read;
    ASSERT_TRUE(velmora::helpers::ReadParams(2, argv, read));
    EXPECT_EQ(read.Get(1001), "password");
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_FALSE(velmora::helpers::ReadParams(2, argv, read)) << "gone";
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
