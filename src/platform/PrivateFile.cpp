#include "PrivateFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <cstring>

namespace velmora::platform {

std::FILE* OpenPrivateFile(const std::string& path, const char* mode)
{
    if (mode == nullptr || (mode[0] != 'w' && mode[0] != 'a'))
        return std::fopen(path.c_str(), mode);
    const bool update = std::strchr(mode, '+') != nullptr;
    int flags = O_CREAT | O_NOFOLLOW | O_CLOEXEC | (update ? O_RDWR : O_WRONLY);
    flags |= mode[0] == 'w' ? O_TRUNC : O_APPEND;
    const int fd = ::open(path.c_str(), flags, 0600);
    if (fd < 0)
        return nullptr;
    std::FILE* file = ::fdopen(fd, mode);
    if (file == nullptr)
        ::close(fd);
    return file;
}

void ReportFileSizeLimitAsError()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace velmora::platform
