#include "PalmOptions.h"

#include "palm/PalmInstall.h"
#include "palm/PalmUsers.h"
#include "palm/PmInfo.h"
#include "platform/PeVersion.h"
#include "platform/WindowsPath.h"

namespace velmora::core {
namespace {

std::string PalmVersionText()
{
    std::string folder;
    platform::FileVersion version;
    if (palm::GetPalmDesktopPath(folder) != palm::kPalmPathOk ||
        !platform::GetFileVersion(platform::ResolveNoCase(folder + "palm.exe"), version))
        return {};
    return platform::FormatVersion(version);
}

int FileKind(int dataType, const std::string& path)
{
    switch (dataType) {
    case 0: return palm::PmAddrInfo().CheckFileType(path);
    case 1: return palm::PmDateInfo().CheckFileType(path);
    case 2: return palm::PmTodoInfo().CheckFileType(path);
    case 3: return palm::PmMemoInfo().CheckFileType(path);
    default: return palm::kGenerationFailed;
    }
}

}  // namespace

PalmOptions ReadPalmOptions(platform::UiHost& ui, std::uint32_t storedUserId)
{
    palm::LoadPalmUserList(ui);
    PalmOptions options{.Version = PalmVersionText()};
    const auto& users = palm::ThePalmUserList().Users();
    for (const palm::PalmUserInfo& user : users)
        options.Users.push_back({.Name = user.UserName, .Id = user.UserId});
    if (const palm::PalmUserInfo* chosen = palm::PickPalmUser(users, storedUserId))
        options.Chosen = static_cast<int>(chosen - users.data());
    return options;
}

bool IsKnownPalmFile(int dataType, const std::string& path)
{
    return FileKind(dataType, path) != palm::kGenerationFailed;
}

}  // namespace velmora::core
