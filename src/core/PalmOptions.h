#pragma once

#include "platform/UiHost.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velmora::core {

// What the Palm Desktop options page offers, read from the Palm Desktop installation.
struct PalmOptions {
    struct User {
        std::string Name;
        std::uint32_t Id = 0;
    };
    std::string Version;      // "%d.%d.%d.%d" of palm.exe; empty when Palm Desktop or it is missing
    std::vector<User> Users{};  // in the order Palm Desktop keeps them
    int Chosen = -1;          // the user with the stored ID, else the first; -1 without users
};

// Reads the users once per run (a failure to count them is reported through `ui`) and the
// installed version; `storedUserId` is the user chosen last time.
PalmOptions ReadPalmOptions(platform::UiHost& ui, std::uint32_t storedUserId);

// Whether one of the Palm front-ends can read the file as its data type (0 contacts, 1 calendar,
// 2 to-dos, 3 memos).
bool IsKnownPalmFile(int dataType, const std::string& path);

}  // namespace velmora::core
