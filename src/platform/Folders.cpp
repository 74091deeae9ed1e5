#include "Folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>

namespace velmora::platform {
namespace {

std::string WithSlash(std::string path)
{
    if (!path.empty() && path.back() != '/')
        path += '/';
    return path;
}

std::string AbsoluteEnv(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr && value[0] == '/' ? WithSlash(value) : std::string();
}

// Reads XDG_DOCUMENTS_DIR="..." from user-dirs.dirs; "$HOME/" at its start stands for the
// home folder, and only absolute results count.
std::string DocumentsFromUserDirs(const std::string& home)
{
    std::string config = AbsoluteEnv("XDG_CONFIG_HOME");
    if (config.empty() && !home.empty())
        config = home + ".config/";
    if (config.empty())
        return {};
    std::ifstream in(config + "user-dirs.dirs");
    std::string line;
    constexpr std::string_view kKey = "XDG_DOCUMENTS_DIR=\"";
    while (std::getline(in, line)) {
        if (line.rfind(kKey, 0) != 0)
            continue;
        const auto end = line.find('"', kKey.size());
        if (end == std::string::npos)
            return {};
        std::string value = line.substr(kKey.size(), end - kKey.size());
        constexpr std::string_view kHome = "$HOME";
        if (value.rfind(kHome, 0) == 0 && !home.empty())
            value = home + value.substr(value.size() > kHome.size() ? kHome.size() + 1 : kHome.size());
        return value.empty() || value[0] != '/' ? std::string() : WithSlash(value);
    }
    return {};
}

}  // namespace

std::string HomeFolder()
{
    const std::string fromEnv = AbsoluteEnv("HOME");
    if (!fromEnv.empty())
        return fromEnv;
    const passwd* entry = getpwuid(getuid());
    return entry != nullptr && entry->pw_dir != nullptr && entry->pw_dir[0] == '/' ? WithSlash(entry->pw_dir)
                                                                                    : std::string();
}

std::string UserDataHome()
{
    const std::string fromEnv = AbsoluteEnv("XDG_DATA_HOME");
    if (!fromEnv.empty())
        return fromEnv;
    const std::string home = HomeFolder();
    return home.empty() ? std::string() : home + ".local/share/";
}

std::string DataFolderPath()
{
    const std::string base = UserDataHome();
    return base.empty() ? std::string() : base + "corvane/VLACT/";
}

std::string ProgramFolder()
{
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : WithSlash(exe.parent_path().string());
}

std::string HelperFolderOf(const std::string& programFolder)
{
    const std::string installed = programFolder + "../libexec/velmora/";
    std::error_code error;
    return !programFolder.empty() && std::filesystem::is_directory(installed, error) ? installed : programFolder;
}

std::string HelperFolder()
{
    return HelperFolderOf(ProgramFolder());
}

std::string DocumentsFolder()
{
    const std::string home = HomeFolder();
    const std::string fromUserDirs = DocumentsFromUserDirs(home);
    if (!fromUserDirs.empty())
        return fromUserDirs;
    return home.empty() ? std::string() : home + "Documents/";
}

}  // namespace velmora::platform
