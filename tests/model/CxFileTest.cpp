#include "model/CxFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace velmora::model;
using velmora::testing::ReadFile;
using velmora::testing::TempDir;
using velmora::testing::WriteFile;

TEST(CxFile, WritesLittleEndianValuesAndReadsThemBack)
{
    TempDir dir;
    const std::string path = dir.Path() + "data.dat";
    {
        CxFile file;
        ASSERT_TRUE(file.Open(path, "wb"));
        EXPECT_TRUE(file.WriteInt32(-2));
        EXPECT_TRUE(file.WriteDouble(1.5));
        EXPECT_TRUE(file.WriteFlag(true));
        EXPECT_TRUE(file.WriteString(""));
        EXPECT_TRUE(file.WriteString("Ann"));
    }
    EXPECT_EQ(ReadFile(path), std::string("\xFE\xFF\xFF\xFF"
                                          "\x00\x00\x00\x00\x00\x00\xF8\x3F"
                                          "\x01\x00\x00\x00"
                                          "\x00\x00\x00\x00"
                                          "\x03\x00\x00\x00"
                                          "Ann",
                                          27));
    CxFile file;
    ASSERT_TRUE(file.Open(path, "rb"));
    std::int32_t number = 0;
    double real = 0;
    bool flag = false;
    Text<8> empty = "x", name;
    std::int32_t length = -1;
    EXPECT_TRUE(file.ReadInt32(number));
    EXPECT_TRUE(file.ReadDouble(real));
    EXPECT_TRUE(file.ReadFlag(flag));
    EXPECT_TRUE(file.ReadString(empty, &length));
    EXPECT_TRUE(file.ReadString(name));
    EXPECT_EQ(number, -2);
    EXPECT_EQ(real, 1.5);
    EXPECT_TRUE(flag);
    EXPECT_TRUE(empty.empty());
    EXPECT_EQ(length, 0);
    EXPECT_EQ(name, "Ann");
    EXPECT_FALSE(file.ReadInt32(number)) << "end of file";
}

TEST(CxFile, ReadStringKeepsWhatFitsAndStillConsumesTheWholeString)
{
    TempDir dir;
    const std::string path = dir.Path() + "long.dat";
    {
        CxFile file;
        ASSERT_TRUE(file.Open(path, "wb"));
        file.WriteString(std::string(10000, 'a'));
        file.WriteInt32(77);
    }
    CxFile file;
    ASSERT_TRUE(file.Open(path, "rb"));
    Text<32> text;
    std::int32_t length = 0;
    ASSERT_TRUE(file.ReadString(text, &length));
    EXPECT_EQ(text.view(), std::string(31, 'a'));
    EXPECT_EQ(length, 10000);
    std::int32_t next = 0;
    ASSERT_TRUE(file.ReadInt32(next));
    EXPECT_EQ(next, 77);
}

TEST(CxFile, DamagedLengthsFailOrReadEmpty)
{
    TempDir dir;
    const struct {
        std::string bytes;
        bool ok;
    } cases[] = {
        {std::string("\xFF\xFF\xFF\x7F" "abc", 7), false},  // runs past the end of the file
        {std::string("\x05\x00\x00\x00" "ab", 6), false},
        {std::string("\xF6\xFF\xFF\xFF", 4), true},  // negative: the empty text
        {std::string("\x02\x00", 2), false},
    };
    for (const auto& c : cases) {
        WriteFile(dir.Path() + "bad.dat", c.bytes);
        CxFile file;
        ASSERT_TRUE(file.Open(dir.Path() + "bad.dat", "rb"));
        std::string text = "old";
        EXPECT_EQ(file.ReadString(text, 100), c.ok);
        if (c.ok) {
            EXPECT_EQ(text, "");
        }
    }
}

TEST(CxFile, ClosedFilesRefuseEverythingAndSizesAreReported)
{
    CxFile file;
    std::int32_t value = 0;
    EXPECT_FALSE(file.ReadInt32(value));
    EXPECT_FALSE(file.WriteInt32(1));
    EXPECT_FALSE(file.WriteLine("x"));
    EXPECT_FALSE(file.Open("", "rb"));
    EXPECT_FALSE(file.Open("/nonexistent/x", "rb"));

    TempDir dir;
    {
        CxFile log;
        ASSERT_TRUE(log.Open(dir.Path() + "log.txt", "w"));
        EXPECT_TRUE(log.WriteLine("one"));
    }
    EXPECT_EQ(ReadFile(dir.Path() + "log.txt"), "one\r\n");
    EXPECT_EQ(CxFile::FileSize(dir.Path() + "log.txt"), 5);
    EXPECT_EQ(CxFile::FileSize(dir.Path() + "missing"), -1);
    EXPECT_EQ(CxFile::FileSize(""), -1);
}

// Files of the data folder hold personal data: created private, never written through a link
// planted where they go.
TEST(CxFile, FilesForWritingArePrivateAndNeverFollowALink)
{
    velmora::testing::TempDir dir;
    velmora::model::CxFile file;
    ASSERT_TRUE(file.Open(dir.Path() + "VLLog.txt", "w"));
    file.Close();
    struct stat info {};
    ASSERT_EQ(::stat((dir.Path() + "VLLog.txt").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    velmora::testing::WriteFile(dir.Path() + "elsewhere.txt", "keep me");
    ASSERT_EQ(::symlink((dir.Path() + "elsewhere.txt").c_str(), (dir.Path() + "LNAddr.dat.part").c_str()), 0);
    for (const char* mode : {"wb", "a"})
        EXPECT_FALSE(file.Open(dir.Path() + "LNAddr.dat.part", mode)) << mode;
    EXPECT_EQ(velmora::testing::ReadFile(dir.Path() + "elsewhere.txt"), "keep me");
    EXPECT_TRUE(file.Open(dir.Path() + "elsewhere.txt", "rb")) << "reading is as before";
}
