// Finding Palm Desktop: its folder, its version and its users.
#include "PalmTestSupport.h"

#include "palm/PalmInstall.h"
#include "palm/PalmUsers.h"
#include "platform/Folders.h"
#include "support/PeBuilder.h"
#include "support/RecordingUiHost.h"
#include "support/WineDrive.h"

#include <cstdlib>
#include <filesystem>

using namespace velmora::palm;
using velmora::platform::Registry;
using velmora::testing::WriteFile;

namespace {

class PalmInstall : public velmora::testing::PalmFiles {
protected:
    Registry RegistryOf(const std::string& keys)
    {
        return Registry::FromFiles({Put("palm.reg", "Windows Registry Editor Version 5.00\n\n" + keys)});
    }
    // Points the environment's registry at a Palm Desktop folder.
    void UsePalmFolder(const std::string& folder)
    {
        const std::string reg = Put("env.reg", "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\U.S. Robotics\\Pilot Desktop\\Core]\n"
                                               "\"DesktopPath\"=\"" + folder + "\"\n");
        ::setenv("VELMORA_REGISTRY", reg.c_str(), 1);
    }
    void TearDown() override
    {
        ::unsetenv("VELMORA_REGISTRY");
        UserDataLibrary().Unload();
        PalmFiles::TearDown();
    }
};

TEST_F(PalmInstall, DesktopPathFromOverrideOrRegistry)
{
    const std::string drive = velmora::testing::MakeWineDriveC();
    std::filesystem::create_directories(drive + "Palm");
    const std::string pilot = "[HKEY_CURRENT_USER\\Software\\U.S. Robotics\\Pilot Desktop\\Core]\n";
    const std::string palmSource = "[HKEY_LOCAL_MACHINE\\Software\\PalmSource\\Desktop\\Core]\n";
    struct Case {
        std::string registry;
        std::string ini;
        int status;
        std::string folder;
    };
    const Case cases[] = {
        {pilot + "\"DesktopPath\"=\"C:\\\\Palm\\\\\"\n", "", 0, drive + "Palm/"},
        {pilot + "\"DesktopPath\"=\"C:\\\\Palm\"\n", "[Path]\nPDPath=/opt/palm\n", 0, "/opt/palm/"},
        {palmSource + "\"DesktopPath\"=\"/srv/palm/\"\n", "", 0, "/srv/palm/"},
        {palmSource + "\"HotSyncPath\"=\"C:\\\\Palm\\\\Hotsync.exe\"\n", "", 0, drive + "Palm/"},
        // The first key that exists is the only one asked.
        {pilot + palmSource + "\"DesktopPath\"=\"/srv/palm/\"\n", "", kPalmPathNotFound, ""},
        {"", "[Path]\nPDPath=\n", kPalmPathNotFound, ""},
        {pilot + "\"DesktopPath\"=\"D:\\\\Palm\"\n", "", kPalmPathNotFound, ""},
        {pilot + "\"DesktopPath\"=\"/" + std::string(300, 'p') + "\"\n", "", kPalmPathTooLong, ""},
    };
    for (const Case& c : cases) {
        const std::string ini = Put("corvane.ini", c.ini);
        std::string folder;
        EXPECT_EQ(GetPalmDesktopPath(RegistryOf(c.registry), ini, folder), c.status) << c.registry << c.ini;
        EXPECT_EQ(folder, c.folder) << c.registry << c.ini;
    }
}

TEST_F(PalmInstall, VersionOfPalmExe)
{
    struct Case {
        std::uint16_t major, minor, build, revision;
        std::uint32_t version;
    };
    for (const Case c : {Case{4, 1, 4, 2, 40104}, Case{6, 0, 108, 0, 60108}, Case{4, 1, 0, 0, 40100}}) {
        velmora::testing::PeBuilder exe;
        exe.major = c.major;
        exe.minor = c.minor;
        exe.build = c.build;
        exe.revision = c.revision;
        Put("pd/Palm.EXE", exe.Build());
        EXPECT_EQ(GetPalmDesktopVersion(Folder() + "pd/"), c.version);
        std::filesystem::remove(Folder() + "pd/Palm.EXE");
    }
    EXPECT_EQ(GetPalmDesktopVersion(Folder() + "pd/"), kNoPalmVersion);
    Put("pd/palm.exe", "not a program");
    EXPECT_EQ(GetPalmDesktopVersion(Folder() + "pd/"), kNoPalmVersion);
}

TEST_F(PalmInstall, UsersAreFoldersWithPalmData)
{
    const std::string root = Folder() + "Palm/";
    WriteFile(root + "SmithJ/address/address.dat", "x");
    WriteFile(root + "jones/MEMOPAD/memopad.MDB", "x");
    WriteFile(root + "Empty/address/readme.txt", "x");
    std::filesystem::create_directories(root + "Backup");
    PalmUserData library;
    EXPECT_EQ(library.UmGetUserCount(), PalmUserData::kNotLoaded);
    ASSERT_TRUE(library.Load(root));
    ASSERT_EQ(library.UmGetUserCount(), 2);
    std::uint32_t first = 0;
    std::uint32_t second = 0;
    ASSERT_EQ(library.UmGetUserID(0, first), 0);
    ASSERT_EQ(library.UmGetUserID(1, second), 0);
    EXPECT_NE(first, second);
    EXPECT_GT(first, 0u);
    EXPECT_LE(first, 0x7FFFFFFFu);
    std::string name;
    ASSERT_EQ(library.UmGetUserName(first, name, 64), 0);
    EXPECT_EQ(name, "SmithJ");
    ASSERT_EQ(library.UmGetUserName(second, name, 3), 0);
    EXPECT_EQ(name, "jo");

    // The same folders keep their IDs, whatever else changes.
    WriteFile(root + "Adams/todo/todo.dat", "x");
    PalmUserData again;
    ASSERT_TRUE(again.Load(root));
    ASSERT_EQ(again.UmGetUserCount(), 3);
    std::uint32_t id = 0;
    again.UmGetUserID(1, id);  // Adams, SmithJ, jones
    EXPECT_EQ(id, first);
    EXPECT_FALSE(again.Load(Folder() + "nowhere/"));
    EXPECT_EQ(again.UmGetUserCount(), PalmUserData::kNotLoaded);

    UsePalmFolder(root);
    ASSERT_TRUE(LoadPalmLibraries(15));
    std::string path;
    ASSERT_TRUE(GetUserDataPath(first, path));
    EXPECT_EQ(path, root + "SmithJ/");
    EXPECT_FALSE(GetUserDataPath(12345, path));
}

TEST_F(PalmInstall, UserListIsReadOncePerRun)
{
    velmora::testing::RecordingUiHost ui;
    PalmUserList noFolderYet;
    noFolderYet.Load(ui);  // no Palm Desktop folder: tried again next time
    EXPECT_FALSE(noFolderYet.Initialised());

    UsePalmFolder(Folder() + "missing/");
    PalmUserList failing;
    failing.Load(ui);
    failing.Load(ui);
    EXPECT_TRUE(failing.Initialised());
    EXPECT_TRUE(failing.Users().empty());
    ASSERT_EQ(ui.Calls.size(), 1u);
    EXPECT_EQ(ui.Calls[0], "message Error|Can not find any Palm users in your desktop environment.|error");

    std::filesystem::create_directories(Folder() + "empty");
    UsePalmFolder(Folder() + "empty/");
    PalmUserList none;
    none.Load(ui);
    EXPECT_TRUE(none.Initialised());
    EXPECT_TRUE(none.Users().empty());
    EXPECT_EQ(ui.Calls.size(), 1u);

    WriteFile(Folder() + "full/Ann/datebook/datebook.dat", "x");
    WriteFile(Folder() + "full/Bob/todo/todo.dat", "x");
    UsePalmFolder(Folder() + "full/");
    PalmUserList users;
    users.Load(ui);
    ASSERT_EQ(users.Users().size(), 2u);
    EXPECT_EQ(users.Users()[1].UserName, "Bob");
    EXPECT_EQ(users.Users()[1].UserFolder, "Bob");
    EXPECT_EQ(PickPalmUser(users.Users(), users.Users()[1].UserId), &users.Users()[1]);
    EXPECT_EQ(PickPalmUser(users.Users(), 0), &users.Users()[0]);
    EXPECT_EQ(PickPalmUser(users.Users(), 99), &users.Users()[0]);
    EXPECT_EQ(PickPalmUser({}, 0), nullptr);
}

}  // namespace

// Installed under Wine, Palm Desktop is found through the prefix's own registry, with nothing
// exported.
TEST_F(PalmInstall, FoundInsideWineWithoutExports)
{
    const std::string drive = velmora::testing::MakeWineDriveC();
    std::filesystem::create_directories(drive + "Program Files (x86)/Palm");
    std::filesystem::remove(velmora::platform::DataFolderPath() + "registry.reg");
    WriteFile(std::string(std::getenv("WINEPREFIX")) + "/user.reg",
              "WINE REGISTRY Version 2\n;; All keys relative to \\\\User\\\\S-1-5-21-0-0-0-1000\n\n#arch=win64\n\n"
              "[Software\\\\U.S. Robotics\\\\Pilot Desktop\\\\Core] 1700000000\n#time=1da2b3c4d5e6f70\n"
              "\"DesktopPath\"=\"C:\\\\Program Files (x86)\\\\Palm\\\\\"\n");
    std::string folder;
    EXPECT_EQ(GetPalmDesktopPath(folder), kPalmPathOk);
    EXPECT_EQ(folder, drive + "Program Files (x86)/Palm/");
    std::filesystem::remove(std::string(std::getenv("WINEPREFIX")) + "/user.reg");
}
