#include "platform/RegistryFile.h"

#include "platform/Folders.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

using namespace velmora::platform;
using velmora::testing::TempDir;
using velmora::testing::WriteFile;

namespace {

std::string Utf16(const std::string& text)
{
    std::string out = "\xFF\xFE";
    for (const char c : text) {
        out += c;
        out += '\0';
    }
    return out;
}

}  // namespace

TEST(Registry, ReadsStringValuesOfBothExportFormats)
{
    TempDir dir;
    WriteFile(dir.Path() + "v4.reg", "REGEDIT4\r\n\r\n"
                                     "[HKEY_LOCAL_MACHINE\\SOFTWARE\\ACT\\Install]\r\n"
                                     "\"InstallPath\"=\"C:\\\\Program Files\\\\ACT\\\\\"\r\n"
                                     "\"AppName\"=\"Act\\\"8\\\".exe\"\r\n"
                                     "@=\"default\"\r\n"
                                     "\"Count\"=dword:00000003\r\n");
    // Windows Registry Editor 5 files are UTF-16; expandable strings come as hex(2) bytes,
    // here split over two lines.
    WriteFile(dir.Path() + "v5.reg", Utf16("Windows Registry Editor Version 5.00\r\n\r\n"
                                           "[HKEY_CURRENT_USER\\Software\\Lotus\\Notes\\Installer]\r\n"
                                           "\"DATADIR\"=hex(2):43,00,3a,00,5c,00,\\\r\n"
                                           "  44,00,00,00\r\n"
                                           "[-HKEY_CURRENT_USER\\Software\\Removed]\r\n"
                                           "\"x\"=\"y\"\r\n"
                                           "[HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Lotus\\Notes]\r\n"
                                           "\"Path\"=\"C:\\\\Lotus\\\\Notes\\\\\"\r\n"));
    const Registry registry = Registry::FromFiles({dir.Path() + "v4.reg", dir.Path() + "v5.reg"});
    EXPECT_EQ(registry.ReadString(RegistryHive::LocalMachine, "software\\act\\INSTALL", "installpath"),
              "C:\\Program Files\\ACT\\");
    EXPECT_EQ(registry.ReadString(RegistryHive::LocalMachine, "SOFTWARE\\ACT\\Install", "AppName"), "Act\"8\".exe");
    EXPECT_EQ(registry.ReadString(RegistryHive::LocalMachine, "SOFTWARE\\ACT\\Install", ""), "default");
    EXPECT_EQ(registry.ReadString(RegistryHive::LocalMachine, "SOFTWARE\\ACT\\Install", "Count"), std::nullopt);
    EXPECT_EQ(registry.ReadString(RegistryHive::CurrentUser, "SOFTWARE\\ACT\\Install", "AppName"), std::nullopt);
    EXPECT_EQ(registry.ReadString(RegistryHive::CurrentUser, "Software\\Lotus\\Notes\\Installer", "DATADIR"), "C:\\D");
    EXPECT_EQ(registry.ReadString(RegistryHive::CurrentUser, "Software\\Removed", "x"), std::nullopt);
    EXPECT_EQ(registry.ReadString(RegistryHive::LocalMachine, "SOFTWARE\\Lotus\\Notes", "Path"), "C:\\Lotus\\Notes\\")
        << "a 32-bit program's view of the registry";
}

TEST(Registry, FilesComeFromTheEnvironmentOrTheDataFolder)
{
    TempDir dir;
    const std::string key = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\ACT\\Install]\n";
    WriteFile(dir.Path() + "a.reg", "REGEDIT4\n" + key + "\"AppName\"=\"first\"\n\"InstallPath\"=\"C:\\\\A\"\n");
    WriteFile(dir.Path() + "b.reg", "REGEDIT4\n" + key + "\"AppName\"=\"second\"\n");
    WriteFile(DataFolderPath() + "registry.reg", "REGEDIT4\n" + key + "\"AppName\"=\"data folder\"\n");

    EXPECT_EQ(Registry::FromEnvironment().ReadString(RegistryHive::LocalMachine, "SOFTWARE\\ACT\\Install", "AppName"),
              "data folder");
    ::setenv("VELMORA_REGISTRY", (dir.Path() + "a.reg::" + dir.Path() + "b.reg:" + dir.Path() + "none.reg").c_str(), 1);
    const Registry registry = Registry::FromEnvironment();
    ::unsetenv("VELMORA_REGISTRY");
    EXPECT_EQ(registry.ReadString(RegistryHive::LocalMachine, "SOFTWARE\\ACT\\Install", "AppName"), "second");
    EXPECT_EQ(registry.ReadString(RegistryHive::LocalMachine, "SOFTWARE\\ACT\\Install", "InstallPath"), "C:\\A");
}

namespace {

// A registry file as Wine writes it in a 64-bit prefix.
std::string WineFile(const std::string& relativeTo, const std::string& body)
{
    return "WINE REGISTRY Version 2\n;; All keys relative to " + relativeTo + "\n\n#arch=win64\n\n" + body;
}

// Expandable strings in Wine's hex(2): form are UTF-16.
std::string Utf16Hex(const std::string& text)
{
    std::string hex;
    char byte[8];
    for (const char c : text + std::string(1, '\0')) {
        std::snprintf(byte, sizeof byte, "%02x,00,", static_cast<unsigned char>(c));
        hex += byte;
    }
    hex.pop_back();
    return hex;
}

std::vector<std::string> gReported;

}  // namespace

TEST(Registry, WithoutExportsTheWinePrefixOwnRegistryIsRead)
{
    const std::string prefix = std::getenv("WINEPREFIX");
    std::filesystem::create_directories(prefix);
    std::filesystem::remove(DataFolderPath() + "registry.reg");
    WriteFile(prefix + "/system.reg",
              WineFile("\\\\Machine",
                       "[Software\\\\Wow6432Node\\\\Lotus\\\\Notes] 1700000000\n#time=1da2b3c4d5e6f70\n"
                       "\"Path\"=\"C:\\\\Program Files (x86)\\\\Lotus\\\\Notes\\\\\"\n"
                       "\"Name\"=\"Caf\\xe9 \\\"Notes\\\"\"\n"
                       "\"Data\"=str(2):\"%ProgramFiles%\\\\Lotus\\\\Data\"\n"
                       "\"Expanded\"=hex(2):" + Utf16Hex("%SystemRoot%\\x") + "\n"
                       "@=\"default\"\n\n"
                       "[Software\\\\ACT\\\\Install] 1700000001\n#class=\"x\"\n\"InstallPath\"=\"C:\\\\ACT\\\\\"\n"));
    WriteFile(prefix + "/user.reg",
              WineFile("\\\\User\\\\S-1-5-21-0-0-0-1000",
                       "[Software\\\\U.S. Robotics\\\\Pilot Desktop\\\\Core] 1700000002\n"
                       "\"DesktopPath\"=\"C:\\\\Program Files (x86)\\\\Palm\\\\\"\n"));
    const Registry registry = Registry::FromEnvironment();
    constexpr auto kMachine = RegistryHive::LocalMachine;
    EXPECT_EQ(registry.ReadString(kMachine, "SOFTWARE\\Lotus\\Notes", "Path"), "C:\\Program Files (x86)\\Lotus\\Notes\\")
        << "a 32-bit program's key in a 64-bit prefix";
    EXPECT_EQ(registry.ReadString(kMachine, "SOFTWARE\\Lotus\\Notes", "name"), "Caf\xE9 \"Notes\"");
    EXPECT_EQ(registry.ReadString(kMachine, "SOFTWARE\\Lotus\\Notes", "Data"), "%ProgramFiles%\\Lotus\\Data");
    EXPECT_EQ(registry.ReadString(kMachine, "SOFTWARE\\Lotus\\Notes", "Expanded"), "%SystemRoot%\\x");
    EXPECT_EQ(registry.ReadString(kMachine, "SOFTWARE\\Lotus\\Notes", ""), "default");
    EXPECT_EQ(registry.ReadString(kMachine, "SOFTWARE\\ACT\\Install", "InstallPath"), "C:\\ACT\\");
    EXPECT_EQ(registry.ReadString(RegistryHive::CurrentUser, "Software\\U.S. Robotics\\Pilot Desktop\\Core", "DesktopPath"),
              "C:\\Program Files (x86)\\Palm\\");
    EXPECT_FALSE(registry.HasKey(RegistryHive::CurrentUser, "SOFTWARE\\ACT\\Install")) << "each file is its own hive";

    // A file cut off inside a value is read up to it, and said once.
    Registry::SetDamageReport([](const std::string& message) { gReported.push_back(message); });
    WriteFile(prefix + "/system.reg", WineFile("\\\\Machine", "[Software\\\\A] 1\n\"One\"=\"1\"\n\"Two\"=\"unterminat"
                                                              "\n[Software\\\\B] 2\n\"Three\"=\"3\"\n"));
    for (int i = 0; i < 2; ++i) {
        const Registry cut = Registry::FromEnvironment();
        EXPECT_EQ(cut.ReadString(kMachine, "SOFTWARE\\A", "One"), "1");
        EXPECT_FALSE(cut.ReadString(kMachine, "SOFTWARE\\A", "Two"));
        EXPECT_FALSE(cut.HasKey(kMachine, "SOFTWARE\\B"));
    }
    Registry::SetDamageReport(nullptr);
    ASSERT_EQ(gReported.size(), 1u);
    EXPECT_EQ(gReported[0], "The registry file " + prefix + "/system.reg is damaged at line 8; what comes before it is read.");

    std::filesystem::remove_all(prefix);
    EXPECT_FALSE(Registry::FromEnvironment().HasKey(kMachine, "SOFTWARE\\A")) << "no prefix, no registry";
}
