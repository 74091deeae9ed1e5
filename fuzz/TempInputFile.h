#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

// The fuzz input as a file, for readers that take a path.
class TempInputFile {
public:
    TempInputFile(const std::uint8_t* data, std::size_t size)
    {
        char pattern[] = "/tmp/velmora-fuzz-XXXXXX";
        const int fd = ::mkstemp(pattern);
        if (fd < 0)
            std::abort();
        mPath = pattern;
        for (std::size_t done = 0; done < size;) {
            const ssize_t n = ::write(fd, data + done, size - done);
            if (n <= 0)
                std::abort();
            done += static_cast<std::size_t>(n);
        }
        ::close(fd);
    }
    ~TempInputFile() { ::unlink(mPath.c_str()); }
    TempInputFile(const TempInputFile&) = delete;
    TempInputFile& operator=(const TempInputFile&) = delete;

    const std::string& Path() const { return mPath; }

private:
    std::string mPath;
};
