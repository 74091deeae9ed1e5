#include "platform/Folders.h"
#include "platform/OpenDocument.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

using namespace velmora::platform;
using velmora::testing::ReadFile;
using velmora::testing::TempDir;
using velmora::testing::WriteFile;

namespace {

// Sets an environment variable for one scope.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : mName(name)
    {
        if (const char* old = std::getenv(name))
            mOld = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv()
    {
        if (mOld)
            ::setenv(mName, mOld->c_str(), 1);
        else
            ::unsetenv(mName);
    }

private:
    const char* mName;
    std::optional<std::string> mOld;
};

std::string WaitForFile(const std::string& path)
{
    for (int i = 0; i < 200 && !std::filesystem::exists(path); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return ReadFile(path);
}

}  // namespace

TEST(Folders, FollowTheXdgVariables)
{
    const std::string home = HomeFolder();
    EXPECT_EQ(UserDataHome(), std::string(std::getenv("XDG_DATA_HOME")) + "/");
    EXPECT_EQ(DataFolderPath(), UserDataHome() + "corvane/VLACT/");
    {
        ScopedEnv relative("XDG_DATA_HOME", "relative/data");
        EXPECT_EQ(UserDataHome(), home + ".local/share/") << "a relative XDG_DATA_HOME is ignored";
    }
    EXPECT_EQ(DocumentsFolder(), home + "Documents/");
    WriteFile(std::string(std::getenv("XDG_CONFIG_HOME")) + "/user-dirs.dirs",
              "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
    EXPECT_EQ(DocumentsFolder(), home + "Dokumente/");
    const std::string program = ProgramFolder();
    ASSERT_FALSE(program.empty());
    EXPECT_EQ(program.back(), '/');
    EXPECT_TRUE(std::filesystem::exists(program + "platform_tests"));
}

// Helpers sit beside the programs in the build tree and under libexec in an installed tree.
TEST(Folders, HelpersAreFoundInTheBuildTreeOrTheInstalledTree)
{
    TempDir tree;
    std::filesystem::create_directories(tree.Path() + "build/bin");
    EXPECT_EQ(HelperFolderOf(tree.Path() + "build/bin/"), tree.Path() + "build/bin/");
    std::filesystem::create_directories(tree.Path() + "usr/bin");
    std::filesystem::create_directories(tree.Path() + "usr/libexec/velmora");
    EXPECT_EQ(HelperFolderOf(tree.Path() + "usr/bin/"), tree.Path() + "usr/bin/../libexec/velmora/");
    EXPECT_EQ(HelperFolder(), ProgramFolder()) << "the tests run in the build tree";
}

TEST(OpenDocument, StartsProgramsAndHandsEverythingElseToTheDesktop)
{
    TempDir bin;
    const std::string record = bin.Path() + "opened.txt";
    WriteFile(bin.Path() + "xdg-open", "#!/bin/sh\necho \"$@\" > '" + record + "'\n");
    ::chmod((bin.Path() + "xdg-open").c_str(), 0755);
    ScopedEnv path("PATH", bin.Path() + ":/usr/bin:/bin");

    EXPECT_FALSE(OpenDocument(""));
    ASSERT_TRUE(OpenDocument("mailto:support@velmora.example"));
    EXPECT_EQ(WaitForFile(record), "mailto:support@velmora.example\n");
    std::filesystem::remove(record);

    const std::string program = bin.Path() + "viewer";
    WriteFile(program, "#!/bin/sh\necho started > '" + record + "'\n");
    ::chmod(program.c_str(), 0755);
    ASSERT_TRUE(OpenDocument(program));
    EXPECT_EQ(WaitForFile(record), "started\n");
}
