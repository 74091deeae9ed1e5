#include "AppCommon.h"

#include "diagnostics/CxDebugUtil.h"
#include "platform/Folders.h"
#include "platform/RegistryFile.h"

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

namespace velmora::core {
namespace {

// Makes one folder unless it is there already.
bool EnsureFolder(const std::string& path)
{
    if (::mkdir(path.c_str(), 0700) == 0)
        return true;
    std::error_code error;
    return errno == EEXIST && std::filesystem::is_directory(path, error);
}

// The data folder holds passwords and personal data: one that others may read or enter is
// closed to them.
void CloseToOthers(const std::string& folder)
{
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || (info.st_mode & 077) == 0)
        return;
    if (::chmod(folder.c_str(), 0700) == 0)
        VL_LOG(diagnostics::CxDebugUtil::kError, "AppCommon", "The data folder %s was open to other users; it is now 0700.",
               folder.c_str());
}

}  // namespace

AppContext& App()
{
    static AppContext context;
    return context;
}

bool GetDataFolder(std::string& folder)
{
    folder.clear();
    const std::string base = platform::UserDataHome();
    if (base.empty())
        return false;
    std::error_code error;
    std::filesystem::create_directories(base, error);
    const std::string corvane = base + "corvane/";
    if (!EnsureFolder(base) || !EnsureFolder(corvane) || !EnsureFolder(corvane + "VLCommon/") ||
        !EnsureFolder(corvane + "VLACT/"))
        return false;
    folder = corvane + "VLACT/";
    return true;
}

std::string GetModuleFolder()
{
    return platform::ProgramFolder();
}

namespace {

// Parameter files hold passwords in plain text; one left behind by a run that was killed while
// its helper ran must not stay. Every helper family names its parameter files "*Param.dat".
void RemoveStaleParameterFiles(const std::string& dataFolder)
{
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(dataFolder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() > 9 && name.ends_with("Param.dat") && !entry.is_directory(error))
            std::filesystem::remove(entry.path(), error);
    }
}

}  // namespace

void AppStartup(AppContext& app)
{
    app.SettingsFile = GetDataFolder(app.DataFolder) ? app.DataFolder + "VLACT.ini" : GetModuleFolder() + "corvane.ini";
    if (!app.DataFolder.empty())
        RemoveStaleParameterFiles(app.DataFolder);
    LoadSettings(app.Settings, app.SettingsFile);
    auto& log = diagnostics::CxDebugUtil::Instance();
    log.SetFolder(app.DataFolder);
    log.SetEnabled(app.Settings.EnableDebug);
    log.SetLevel(app.Settings.LogLevel);
    platform::Registry::SetDamageReport(
        [](const std::string& message) { VL_LOG(diagnostics::CxDebugUtil::kError, "Registry", "%s", message.c_str()); });
    if (!app.DataFolder.empty())
        CloseToOthers(app.DataFolder);
    app.Session.Clear();
}

void AppShutdown(AppContext& app)
{
    if (!SaveSettings(app.Settings, app.SettingsFile))
        VL_LOG(diagnostics::CxDebugUtil::kError, "AppCommon", "Failed to save settings to file: %s", app.SettingsFile.c_str());
    app.Session.Clear();
}

}  // namespace velmora::core
