#include "diagnostics/CxDebugUtil.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/syscall.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <regex>

using velmora::diagnostics::CxDebugUtil;
using velmora::testing::ReadFile;
using velmora::testing::TempDir;
using velmora::testing::WriteFile;

namespace {

class DebugLogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        log.SetFolder(dir.Path());
        log.SetEnabled(false);
        log.SetLevel(3);
    }
    void TearDown() override { log.SetFolder(""); }

    std::string Written() const { return ReadFile(dir.Path() + "appdebug.log"); }

    TempDir dir;
    CxDebugUtil& log = CxDebugUtil::Instance();
};

TEST_F(DebugLogTest, LinesHaveTheDocumentedShape)
{
    log.SetEnabled(true);
    log.Log(2, "CxACTAddr", 79, "Load ACT! Contacts information %s.", "successfully");
    log.Log(0, "C:\\src\\common\\ACT\\CxACTAddr", 1234567, "Failed to open file: %s", "/tmp/x");
    log.Log(0, nullptr, 5, "no source");
    char thread[32];
    std::snprintf(thread, sizeof thread, "%05lx", static_cast<unsigned long>(::syscall(SYS_gettid)));
    const std::string stamp = R"(\[\d{4}/\d{2}/\d{2} \d{2}:\d{2}:\d{2}\])";
    const std::regex expected(stamp + R"(\[CxACTAddr           \(79  \)\]\[)" + thread + R"(\]\[   \] - Load ACT! Contacts information successfully\.\r\n)" +
                              stamp + R"(\[CxACTAddr           \(1234567\)\]\[)" + thread + R"(\]\[!!!\] - Failed to open file: /tmp/x\r\n)" +
                              stamp + R"(\[<null>              \(5   \)\]\[)" + thread + R"(\]\[!!!\] - no source\r\n)");
    const std::string text = Written();
    EXPECT_TRUE(std::regex_match(text, expected)) << text;
}

TEST_F(DebugLogTest, ErrorsAreAlwaysWrittenAndInformationOnlyWhenEnabledAtLevelThree)
{
    const struct {
        bool enabled;
        int level;
        int messageLevel;
        bool written;
    } cases[] = {
        {false, 3, 0, true}, {false, 3, 2, false}, {true, 1, 2, false}, {true, 0, 0, true},
        {true, 3, 2, true},  {true, 9, 2, true},   {true, -4, 2, false},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(dir.Path() + "appdebug.log");
        log.SetEnabled(c.enabled);
        log.SetLevel(c.level);
        log.Log(c.messageLevel, "AppCommon", 1, "message");
        EXPECT_EQ(!Written().empty(), c.written) << c.enabled << " " << c.level << " " << c.messageLevel;
    }
    log.SetLevel(9);
    EXPECT_EQ(log.Level(), 3);
    log.SetLevel(-1);
    EXPECT_EQ(log.Level(), 0);
}

TEST_F(DebugLogTest, RotatesOnlyWhenTheFileIsLargerThanTenMebibytes)
{
    const std::string path = dir.Path() + "appdebug.log";
    WriteFile(path, std::string(CxDebugUtil::kMaxSize, 'x'));
    log.Log(0, "AppCommon", 1, "appended");
    EXPECT_GT(std::filesystem::file_size(path), static_cast<std::uintmax_t>(CxDebugUtil::kMaxSize));
    EXPECT_FALSE(std::filesystem::exists(path + ".old.log"));

    const auto fullSize = std::filesystem::file_size(path);
    log.Log(0, "AppCommon", 2, "fresh");
    EXPECT_EQ(std::filesystem::file_size(path + ".old.log"), fullSize);
    const std::string text = Written();
    EXPECT_NE(text.find("fresh"), std::string::npos);
    EXPECT_LT(text.size(), 200u);
}

TEST_F(DebugLogTest, WithoutAFolderNothingIsWritten)
{
    log.SetFolder("");
    log.Log(0, "AppCommon", 1, "dropped");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 0);
    log.SetFolder(dir.Path() + "missing/");
    log.Log(0, "AppCommon", 1, "dropped too");
    EXPECT_EQ(log.Path(), dir.Path() + "missing/appdebug.log");
}

TEST_F(DebugLogTest, LongMessagesAreCutAtFortyKibibytes)
{
    const std::string longText(100000, 'm');
    log.Log(0, "AppCommon", 1, "%s", longText.c_str());
    const std::string text = Written();
    const auto start = text.find(" - ") + 3;
    EXPECT_EQ(text.substr(start), std::string(40 * 1024 - 1, 'm') + "\r\n");
}

}  // namespace
