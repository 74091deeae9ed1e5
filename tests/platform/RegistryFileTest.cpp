#include "platform/RegistryFile.h"

#include "platform/Folders.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>

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
