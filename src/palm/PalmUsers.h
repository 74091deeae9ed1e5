#pragma once

#include "platform/UiHost.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velmora::palm {

// One Palm user of this computer.
struct PalmUserInfo {
    std::uint32_t UserId = 0;
    std::string UserName;    // at most 63 characters
    std::string UserFolder;  // the folder's name inside the Palm Desktop folder, at most 255
};

// What Palm Desktop's user-data library answers, over a Palm Desktop folder copied from a
// Windows machine: the root is the Palm Desktop folder, and a user is a subfolder holding at
// least one Palm data folder with its data file (address/address.dat, datebook/datebook.dat,
// todo/todo.dat, memopad/memopad.dat or the Palm Desktop 6 databases), names matched without
// regard to case. The user's name is the folder name. Its ID is a positive 31-bit hash of the
// folder name, so a folder keeps its ID from run to run; a clash takes the next free number,
// folders being taken in name order.
//
// Every operation returns kNotLoaded until Load succeeded.
class PalmUserData {
public:
    static constexpr int kNotLoaded = -100;

    // False, and unloaded, when the folder does not exist.
    bool Load(const std::string& root);
    void Unload();
    bool Loaded() const { return mLoaded; }

    // The number of users, or kNotLoaded.
    std::int16_t UmGetUserCount() const;
    // The ID of the user at `index`; 0 on success.
    int UmGetUserID(std::uint16_t index, std::uint32_t& id) const;
    // The texts are cut to `size` - 1 characters; 0 on success, -1 for an unknown user.
    int UmGetUserName(std::uint32_t id, std::string& name, std::uint16_t size) const;
    int UmGetUserDirectory(std::uint32_t id, std::string& folder, std::uint16_t size) const;
    // The root folder, ending in '/'; 1 on success, 0 on failure.
    int UmGetRootDirectory(std::string& root, std::uint16_t size) const;

private:
    const PalmUserInfo* Find(std::uint32_t id) const;

    bool mLoaded = false;
    std::string mRoot;
    std::vector<PalmUserInfo> mUsers;
};

// The process's user-data library.
PalmUserData& UserDataLibrary();

// Loads the Palm Desktop libraries named by the flag bits, in this order, stopping at the first
// that fails: 1 condmgr, 2 the user-data library, 4 HSAPI, 8 instaide. Our own modules replace
// them; each loads when the Palm Desktop folder exists. True when every requested one loaded.
bool LoadPalmLibraries(unsigned flags);

// The Palm users in library order, read once per process: the first call that finds the Palm
// Desktop folder loads the libraries and reads the users; a failed count shows
// "Can not find any Palm users in your desktop environment." and leaves the list empty for the
// rest of the run. Without a Palm Desktop folder nothing is read and the next call tries again.
class PalmUserList {
public:
    void Load(platform::UiHost& ui);
    bool Initialised() const { return mInitialised; }
    const std::vector<PalmUserInfo>& Users() const { return mUsers; }

private:
    bool mInitialised = false;
    std::vector<PalmUserInfo> mUsers;
};

PalmUserList& ThePalmUserList();

// The user chosen for a stored user ID: the user with that ID, else the first one (also for an
// ID of 0); null when there are no users.
const PalmUserInfo* PickPalmUser(const std::vector<PalmUserInfo>& users, std::uint32_t storedId);
inline void LoadPalmUserList(platform::UiHost& ui)
{
    ThePalmUserList().Load(ui);
}

// The user's data folder, root folder and user folder joined, ending in '/'. False when the
// user-data library is not loaded or the root folder is unknown.
bool GetUserDataPath(std::uint32_t userId, std::string& path);
// A data file in the user's data folder ("address", "address.dat"), names matched without regard
// to case; false as GetUserDataPath.
bool GetUserDataFile(std::uint32_t userId, const char* subfolder, const char* file, std::string& path);

}  // namespace velmora::palm
