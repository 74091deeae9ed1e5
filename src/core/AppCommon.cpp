#include "AppCommon.h"

#include "diagnostics/CxDebugUtil.h"
#include "platform/Folders.h"

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

void AppStartup(AppContext& app)
{
    app.SettingsFile = GetDataFolder(app.DataFolder) ? app.DataFolder + "VLACT.ini" : GetModuleFolder() + "corvane.ini";
    LoadSettings(app.Settings, app.SettingsFile);
    auto& log = diagnostics::CxDebugUtil::Instance();
    log.SetFolder(app.DataFolder);
    log.SetEnabled(app.Settings.EnableDebug);
    log.SetLevel(app.Settings.LogLevel);
    app.Session.Clear();
}

void AppShutdown(AppContext& app)
{
    if (!SaveSettings(app.Settings, app.SettingsFile))
        VL_LOG(diagnostics::CxDebugUtil::kError, "AppCommon", "Failed to save settings to file: %s", app.SettingsFile.c_str());
    app.Session.Clear();
}

}  // namespace velmora::core
