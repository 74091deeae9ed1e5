#include "connectors/exchange/ParamParser.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using velmora::connectors::ParamParser;
using velmora::testing::ReadFile;
using velmora::testing::TempDir;
using velmora::testing::WriteFile;

TEST(ParamParser, WritesCountThenIdTypeAndLengthPrefixedValues)
{
    ParamParser params;
    EXPECT_TRUE(params.SetParam(1000, 8, "C:\\a.pad"));
    EXPECT_TRUE(params.SetParam(1005, 8, "1"));
    EXPECT_TRUE(params.SetParam(1013, 8, ""));
    EXPECT_TRUE(params.SetParam(1005, 8, "2")) << "an existing identifier gets the new value";
    EXPECT_FALSE(params.SetParam(1005, 3, "2")) << "but never another type";
    const std::string expected("\x03\x00\x00\x00"
                               "\xE8\x03\x00\x00\x08\x00\x00\x00\x08\x00\x00\x00" "C:\\a.pad"
                               "\xED\x03\x00\x00\x08\x00\x00\x00\x01\x00\x00\x00" "2"
                               "\xF5\x03\x00\x00\x08\x00\x00\x00\x00\x00\x00\x00",
                               49);
    EXPECT_EQ(params.Bytes(), expected);

    TempDir dir;
    const std::string path = dir.Path() + "ACTAddrParam.dat";
    WriteFile(path, "an older, longer file that must go entirely");
    ::chmod(path.c_str(), 0644);
    ASSERT_TRUE(params.Save(path));
    EXPECT_EQ(ReadFile(path), expected);
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u) << "the file holds a password";

    ParamParser back;
    ASSERT_TRUE(back.Load(path));
    EXPECT_EQ(back.Get(1000), "C:\\a.pad");
    EXPECT_EQ(back.Get(1013), "");
    EXPECT_EQ(back.Get(1001), std::nullopt);
}

TEST(ParamParser, CutsValuesTo1023Bytes)
{
    ParamParser params;
    params.SetParam(1000, 8, std::string(1500, 'p'));
    const std::string bytes = params.Bytes();
    ASSERT_EQ(bytes.size(), 4u + 12u + 1023u);
    EXPECT_EQ(bytes.substr(12, 4), std::string("\xFF\x03\x00\x00", 4));
}

TEST(ParamParser, DamagedFilesDoNotLoad)
{
    ParamParser params;
    params.SetParam(1000, 8, "value");
    const std::string good = params.Bytes();
    TempDir dir;
    for (const std::string& bytes : {good.substr(0, good.size() - 1), good.substr(0, 3),
                                     std::string("\xFF\xFF\xFF\xFF", 4),
                                     std::string("\x01\x00\x00\x00\x01\x00\x00\x00\x08\x00\x00\x00\xFF\xFF\xFF\x7F", 16)}) {
        WriteFile(dir.Path() + "p.dat", bytes);
        ParamParser damaged;
        EXPECT_FALSE(damaged.Load(dir.Path() + "p.dat"));
        EXPECT_EQ(damaged.Get(1000), std::nullopt);
    }
    EXPECT_FALSE(params.Load(dir.Path() + "missing.dat"));
}
