#include "AtomicFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace velmora::platform {

bool WriteFileAtomically(const std::string& path, std::string_view data, mode_t mode)
{
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return false;
    bool written = ::fchmod(fd, mode) == 0;
    for (std::size_t done = 0; written && done < data.size();) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        written = n > 0;
        done += written ? static_cast<std::size_t>(n) : 0;
    }
    written = written && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace velmora::platform
