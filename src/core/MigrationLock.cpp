#include "MigrationLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace velmora::core {

MigrationLock::~MigrationLock()
{
    if (mFd >= 0)
        ::close(mFd);
}

bool MigrationLock::Acquire(const std::string& dataFolder)
{
    if (dataFolder.empty())
        return true;
    const std::string path = dataFolder + "VLACT.lock";
    mFd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (mFd < 0)
        return true;
    if (::flock(mFd, LOCK_EX | LOCK_NB) == 0)
        return true;
    const bool busy = errno == EWOULDBLOCK;
    ::close(mFd);
    mFd = -1;
    return !busy;
}

}  // namespace velmora::core
