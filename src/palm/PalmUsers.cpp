#include "PalmUsers.h"

#include "PalmInstall.h"

#include "platform/WindowsPath.h"

#include <algorithm>
#include <filesystem>
#include <set>

namespace fs = std::filesystem;

namespace velmora::palm {
namespace {

constexpr std::uint32_t kIdMask = 0x7FFFFFFF;

// The data files whose presence makes a folder a Palm user's folder.
constexpr const char* kDataFiles[][2] = {
    {"address", "address.dat"},   {"datebook", "datebook.dat"}, {"todo", "todo.dat"},
    {"memopad", "memopad.dat"},   {"address", "Address.mdb"},   {"datebook", "DateBook.mdb"},
    {"todo", "Todolist.mdb"},     {"MemoPad", "MemoPad.mdb"},
};

bool IsUserFolder(const std::string& folder)
{
    for (const auto& [subfolder, file] : kDataFiles) {
        const auto data = platform::FindNameNoCase(folder, subfolder);
        std::error_code error;
        if (data && fs::is_directory(*data, error)) {
            const auto path = platform::FindNameNoCase(*data + "/", file);
            if (path && fs::is_regular_file(*path, error))
                return true;
        }
    }
    return false;
}

// FNV-1a of the folder name, within 1 .. 0x7FFFFFFF.
std::uint32_t HashId(const std::string& name)
{
    std::uint32_t hash = 2166136261u;
    for (const char c : name) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    hash &= kIdMask;
    return hash != 0 ? hash : 1;
}

std::string Cut(const std::string& text, std::uint16_t size)
{
    return size == 0 ? std::string() : text.substr(0, size - 1u);
}

}  // namespace

bool PalmUserData::Load(const std::string& root)
{
    Unload();
    std::error_code error;
    if (root.empty() || !fs::is_directory(root, error))
        return false;
    std::set<std::string> names;
    for (fs::directory_iterator it(root, error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        if (it->is_directory(typeError))
            names.insert(it->path().filename().string());
    }
    std::set<std::uint32_t> taken;
    for (const std::string& name : names) {
        if (mUsers.size() == 0x7FFF || !IsUserFolder(root + name + "/"))
            continue;
        std::uint32_t id = HashId(name);
        while (taken.count(id) != 0)
            id = id == kIdMask ? 1 : id + 1;
        taken.insert(id);
        mUsers.push_back({id, name, name});
    }
    mRoot = root.back() == '/' ? root : root + "/";
    mLoaded = true;
    return true;
}

void PalmUserData::Unload()
{
    mLoaded = false;
    mRoot.clear();
    mUsers.clear();
}

const PalmUserInfo* PalmUserData::Find(std::uint32_t id) const
{
    const auto found = std::find_if(mUsers.begin(), mUsers.end(), [id](const PalmUserInfo& u) { return u.UserId == id; });
    return found != mUsers.end() ? &*found : nullptr;
}

std::int16_t PalmUserData::UmGetUserCount() const
{
    return mLoaded ? static_cast<std::int16_t>(mUsers.size()) : static_cast<std::int16_t>(kNotLoaded);
}

int PalmUserData::UmGetUserID(std::uint16_t index, std::uint32_t& id) const
{
    if (!mLoaded)
        return kNotLoaded;
    if (index >= mUsers.size())
        return -1;
    id = mUsers[index].UserId;
    return 0;
}

int PalmUserData::UmGetUserName(std::uint32_t id, std::string& name, std::uint16_t size) const
{
    if (!mLoaded)
        return kNotLoaded;
    const PalmUserInfo* user = Find(id);
    if (user == nullptr)
        return -1;
    name = Cut(user->UserName, size);
    return 0;
}

int PalmUserData::UmGetUserDirectory(std::uint32_t id, std::string& folder, std::uint16_t size) const
{
    if (!mLoaded)
        return kNotLoaded;
    const PalmUserInfo* user = Find(id);
    if (user == nullptr)
        return -1;
    folder = Cut(user->UserFolder, size);
    return 0;
}

int PalmUserData::UmGetRootDirectory(std::string& root, std::uint16_t size) const
{
    if (!mLoaded || mRoot.size() >= size)
        return 0;
    root = mRoot;
    return 1;
}

PalmUserData& UserDataLibrary()
{
    static PalmUserData library;
    return library;
}

bool LoadPalmLibraries(unsigned flags)
{
    for (unsigned bit = 1; bit <= 8; bit <<= 1) {
        if ((flags & bit) == 0)
            continue;
        std::string folder;
        if (bit == 2)
            UserDataLibrary().Unload();
        if (GetPalmDesktopPath(folder) != kPalmPathOk)
            return false;
        std::error_code error;
        const bool loaded = bit == 2 ? UserDataLibrary().Load(folder) : fs::is_directory(folder, error);
        if (!loaded)
            return false;
    }
    return true;
}

void PalmUserList::Load(platform::UiHost& ui)
{
    if (mInitialised)
        return;
    std::string folder;
    if (GetPalmDesktopPath(folder) != kPalmPathOk)
        return;
    LoadPalmLibraries(15);
    mUsers.clear();
    const PalmUserData& library = UserDataLibrary();
    const std::int16_t count = library.UmGetUserCount();
    for (std::int16_t i = 0; i < count; ++i) {
        PalmUserInfo user;
        library.UmGetUserID(static_cast<std::uint16_t>(i), user.UserId);
        library.UmGetUserName(user.UserId, user.UserName, 64);
        library.UmGetUserDirectory(user.UserId, user.UserFolder, 256);
        mUsers.push_back(std::move(user));
    }
    if (count < 0)
        ui.ShowMessage(nullptr, "Error", "Can not find any Palm users in your desktop environment.",
                       platform::MessageIcon::Error);
    mInitialised = true;
}

PalmUserList& ThePalmUserList()
{
    static PalmUserList list;
    return list;
}

const PalmUserInfo* PickPalmUser(const std::vector<PalmUserInfo>& users, std::uint32_t storedId)
{
    const auto found =
        std::find_if(users.begin(), users.end(), [storedId](const PalmUserInfo& u) { return u.UserId == storedId; });
    if (found != users.end())
        return &*found;
    return users.empty() ? nullptr : &users.front();
}

bool GetUserDataPath(std::uint32_t userId, std::string& path)
{
    const PalmUserData& library = UserDataLibrary();
    std::string root;
    std::string folder;
    if (library.UmGetRootDirectory(root, 260) == 0 || library.UmGetUserDirectory(userId, folder, 260) != 0)
        return false;
    path = root + folder + "/";
    return true;
}

bool GetUserDataFile(std::uint32_t userId, const char* subfolder, const char* file, std::string& path)
{
    std::string folder;
    if (!GetUserDataPath(userId, folder))
        return false;
    path = platform::ResolveNoCase(folder + subfolder + "/" + file);
    return true;
}

}  // namespace velmora::palm
