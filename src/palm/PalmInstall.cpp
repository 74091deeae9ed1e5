#include "PalmInstall.h"

#include "platform/Folders.h"
#include "platform/IniFile.h"
#include "platform/PeVersion.h"
#include "platform/WindowsPath.h"

namespace velmora::palm {
namespace {

using platform::RegistryHive;

constexpr const char* kPilotKey = "Software\\U.S. Robotics\\Pilot Desktop\\Core";
constexpr const char* kPalmSourceKey = "Software\\PalmSource\\Desktop\\Core";

std::string AsFolder(std::string path)
{
    if (!path.empty() && path.back() != '/')
        path += '/';
    return path;
}

}  // namespace

int GetPalmDesktopPath(const platform::Registry& registry, const std::string& iniPath, std::string& folder,
                       std::size_t size)
{
    folder.clear();
    if (size == 0)
        return kPalmPathNoBuffer;
    std::string value = platform::IniFile::Load(iniPath).GetString("Path", "PDPath", "", 260);
    bool fromHotSync = false;
    if (value.empty()) {
        RegistryHive hive = RegistryHive::CurrentUser;
        const char* key = kPilotKey;
        if (!registry.HasKey(hive, key)) {
            hive = RegistryHive::LocalMachine;
            key = kPalmSourceKey;
            if (!registry.HasKey(hive, key))
                return kPalmPathNotFound;
        }
        if (auto desktop = registry.ReadString(hive, key, "DesktopPath")) {
            value = *desktop;
        } else if (auto hotSync = registry.ReadString(hive, key, "HotSyncPath")) {
            value = *hotSync;
            fromHotSync = true;
        } else {
            return kPalmPathNotFound;
        }
    }
    if (value.size() >= size)
        return kPalmPathTooLong;
    auto mapped = platform::MapWindowsPath(value);
    if (!mapped || mapped->empty())
        return kPalmPathNotFound;
    if (fromHotSync) {
        // The HotSync program's folder: everything up to the last separator.
        const auto slash = mapped->find_last_of('/');
        mapped->erase(slash + 1);
    }
    folder = AsFolder(*mapped);
    return kPalmPathOk;
}

int GetPalmDesktopPath(std::string& folder)
{
    return GetPalmDesktopPath(platform::Registry::FromEnvironment(), platform::ProgramFolder() + "corvane.ini",
                              folder);
}

std::uint32_t GetPalmDesktopVersion(const std::string& palmFolder)
{
    platform::FileVersion version;
    if (palmFolder.empty() || !platform::GetFileVersion(platform::ResolveNoCase(palmFolder + "palm.exe"), version))
        return kNoPalmVersion;
    return std::uint32_t{version.Major} * 10000 + std::uint32_t{version.Minor} * 100 + version.Build;
}

std::uint32_t GetPalmDesktopVersion()
{
    std::string folder;
    return GetPalmDesktopPath(folder) == kPalmPathOk ? GetPalmDesktopVersion(folder) : kNoPalmVersion;
}

}  // namespace velmora::palm
