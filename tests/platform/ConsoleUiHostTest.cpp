#include "platform/ConsoleUiHost.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using velmora::platform::ConsoleUiHost;
using velmora::testing::TempDir;
using velmora::testing::WriteFile;

TEST(ConsoleUiHost, TheWaitWindowShowsTheStatusFilesFirstLineOnceItHasOne)
{
    TempDir dir;
    const std::string status = dir.Path() + "ACTAddrStatus.dat";
    std::FILE* out = std::tmpfile();
    ConsoleUiHost host(out);
    host.SetWaitText("no window yet");
    EXPECT_EQ(host.WaitText(), "");

    host.StartWaitWindow(nullptr);
    host.SetWaitText("Loading ACT! Contacts ...");
    WriteFile(status, "Reading contacts 200 of 200\r\n");
    host.WatchStatusFile(status);
    EXPECT_FALSE(std::filesystem::exists(status)) << "an earlier run's status file is deleted";
    host.ProcessEvents();
    EXPECT_EQ(host.WaitText(), "Loading ACT! Contacts ...");
    WriteFile(status, "");
    host.Pause(10);
    EXPECT_EQ(host.WaitText(), "Loading ACT! Contacts ...") << "an empty status file changes nothing";
    WriteFile(status, "Reading contacts 10 of 200\r\nsecond line\r\n");
    host.ProcessEvents();
    EXPECT_EQ(host.WaitText(), "Reading contacts 10 of 200");
    host.StopWaitWindow();
    std::fclose(out);
}
