#include "core/AppCommon.h"

#include "diagnostics/CxDebugUtil.h"
#include "platform/Folders.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

using namespace velmora::core;
using velmora::diagnostics::CxDebugUtil;
using velmora::testing::WriteFile;

namespace {

int Mode(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? static_cast<int>(info.st_mode & 0777) : -1;
}

// A run killed while its helper ran leaves a parameter file with a password in it: the next
// start deletes every such file, and nothing else.
TEST(AppCommon, StartupDeletesStaleParameterFiles)
{
    const std::string folder = velmora::platform::UserDataHome() + "corvane/VLACT/";
    std::filesystem::create_directories(folder);
    for (const char* name : {"ACTAddrParam.dat", "GDateParam.dat", "LNNoteParam.dat", "ACTAddr.dat"})
        velmora::testing::WriteFile(folder + name, "secret");
    AppContext app;
    AppStartup(app);
    for (const char* name : {"ACTAddrParam.dat", "GDateParam.dat", "LNNoteParam.dat"})
        EXPECT_FALSE(std::filesystem::exists(folder + name)) << name;
    EXPECT_TRUE(std::filesystem::exists(folder + "ACTAddr.dat"));
    EXPECT_EQ(Mode(folder), 0700) << "a data folder open to others is closed to them";
    EXPECT_NE(velmora::testing::ReadFile(folder + "appdebug.log").find("was open to other users; it is now 0700."),
              std::string::npos);
    CxDebugUtil::Instance().SetFolder("");
}

TEST(AppCommon, StartupMakesTheDataFolderAndShutdownSavesTheSettings)
{
    const std::string data = velmora::platform::UserDataHome();
    {
        AppContext app;
        AppStartup(app);
        EXPECT_EQ(app.DataFolder, data + "corvane/VLACT/");
        EXPECT_EQ(app.SettingsFile, data + "corvane/VLACT/VLACT.ini");
        EXPECT_EQ(Mode(data + "corvane/VLACT"), 0700);
        EXPECT_EQ(Mode(data + "corvane/VLCommon"), 0700);
        EXPECT_EQ(CxDebugUtil::Instance().Folder(), app.DataFolder);
        app.Settings.EnableDebug = true;
        app.Settings.LogLevel = 1;
        AppShutdown(app);
        EXPECT_EQ(Mode(app.SettingsFile), 0600);
    }
    AppContext again;
    AppStartup(again);
    EXPECT_TRUE(again.Settings.EnableDebug);
    EXPECT_TRUE(CxDebugUtil::Instance().Enabled());
    EXPECT_EQ(CxDebugUtil::Instance().Level(), 1);
    CxDebugUtil::Instance().SetEnabled(false);
    CxDebugUtil::Instance().SetFolder("");
}

TEST(AppCommon, WithoutADataFolderTheSettingsFileIsBesideTheProgram)
{
    const std::string blocker = velmora::platform::UserDataHome() + "blocker";
    WriteFile(blocker, "a file where a folder should be");
    const std::string saved = std::getenv("XDG_DATA_HOME");
    ::setenv("XDG_DATA_HOME", (blocker + "/data").c_str(), 1);
    std::string folder = "stale";
    EXPECT_FALSE(GetDataFolder(folder));
    EXPECT_EQ(folder, "");
    AppContext app;
    AppStartup(app);
    ::setenv("XDG_DATA_HOME", saved.c_str(), 1);
    EXPECT_EQ(app.DataFolder, "");
    EXPECT_EQ(app.SettingsFile, GetModuleFolder() + "corvane.ini");
    EXPECT_TRUE(app.Settings.SyncAddr);
    CxDebugUtil::Instance().SetFolder("");
}

// Stands for a connector: counts how many are alive.
struct CountedConnector {
    static inline int alive = 0;
    CountedConnector() { ++alive; }
    ~CountedConnector() { --alive; }
    velmora::model::CommAddrRec record;
};

TEST(Session, ClearDestroysTheConnectorsAndOnlyEmptiesTheSelections)
{
    Slot<CountedConnector> first = MakeSlot<CountedConnector>();
    Slot<CountedConnector> second = MakeSlot<CountedConnector>();
    EXPECT_EQ(CountedConnector::alive, 2);

    Session session;
    session.SelectedAddr.Append(&first->record);
    session.SelectedAddr.Append(&second->record);
    first.reset();
    EXPECT_EQ(CountedConnector::alive, 1);
    session.Clear();
    EXPECT_EQ(session.SelectedAddr.Count(), 0u);
    EXPECT_EQ(session.Act.Addr, nullptr);
    EXPECT_EQ(CountedConnector::alive, 1) << "the selection lists never own their records";
}

}  // namespace
