#pragma once

#include <string>

namespace velmora::core {

// One migration per data folder at a time: an exclusive lock on "VLACT.lock" in the data folder,
// held from Acquire until the object is destroyed (or the process ends). Two runs at once would
// read ACT! before either writes and add the same records twice.
class MigrationLock {
public:
    static constexpr const char* kBusyMessage = "Another migration is using this data folder.";

    MigrationLock() = default;
    MigrationLock(const MigrationLock&) = delete;
    MigrationLock& operator=(const MigrationLock&) = delete;
    ~MigrationLock();

    // False when another process holds the lock. A data folder that cannot be determined, or a
    // lock file that cannot be made, locks nothing and is no reason to refuse.
    bool Acquire(const std::string& dataFolder);

private:
    int mFd = -1;
};

}  // namespace velmora::core
