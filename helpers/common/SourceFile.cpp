#include "SourceFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace velmora::helpers {

bool ReadSourceFile(const std::string& path, std::string& text, std::string& error, bool missingIsEmpty)
{
    constexpr off_t kMaxSize = off_t{1} << 30;
    text.clear();
    // Opened without waiting (a FIFO would block the open), then checked on the descriptor.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT && missingIsEmpty)
            return true;
        error = "The file " + path + " cannot be read: " + std::strerror(errno) + ".";
        return false;
    }
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0;
    if (ok && !S_ISREG(info.st_mode)) {
        error = "The file " + path + " is no regular file; it is not read.";
        ok = false;
    } else if (ok && info.st_size > kMaxSize) {
        error = "The file " + path + " is larger than 1 GiB; it is not read.";
        ok = false;
    }
    if (ok) {
        text.resize(static_cast<std::size_t>(info.st_size));
        std::size_t got = 0;
        while (got < text.size()) {
            const ssize_t n = ::read(fd, text.data() + got, text.size() - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            got += static_cast<std::size_t>(n);
        }
        text.resize(got);  // a file that shrank while being read gives what it held
    } else if (error.empty()) {
        error = "The file " + path + " cannot be read.";
    }
    ::close(fd);
    return ok;
}

}  // namespace velmora::helpers
