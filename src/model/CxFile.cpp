#include "CxFile.h"

#include "platform/PrivateFile.h"

#include <sys/stat.h>

#include <array>
#include <cstring>

namespace velmora::model {
namespace {

std::uint32_t Load32(const unsigned char* bytes)
{
    return std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 | std::uint32_t{bytes[2]} << 16 |
           std::uint32_t{bytes[3]} << 24;
}

void Store32(unsigned char* bytes, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<unsigned char>(value >> (8 * i));
}

constexpr std::size_t kBufferSize = 256 * 1024;

}  // namespace

bool CxFile::Open(const std::string& path, const char* mode)
{
    if (path.empty() || mode == nullptr || mode[0] == '\0')
        return false;
    Close();
    mFile = platform::OpenPrivateFile(path, mode);
    if (mFile == nullptr)
        return false;
    // Data files of a large address book run to hundreds of megabytes: large blocks keep the
    // system calls few. Reading goes through this file's own buffer instead of the stream's.
    if (mode[0] == 'r') {
        std::setvbuf(mFile, nullptr, _IONBF, 0);
        mReadBuffer = std::make_unique<char[]>(kBufferSize);
    } else {
        std::setvbuf(mFile, nullptr, _IOFBF, kBufferSize);
    }
    return true;
}

void CxFile::Close()
{
    if (mFile != nullptr)
        std::fclose(mFile);
    mFile = nullptr;
    mReadBuffer.reset();
    mReadNext = mReadEnd = nullptr;
}

bool CxFile::Flush()
{
    return mFile != nullptr && std::fflush(mFile) == 0;
}

// An empty text may have no buffer at all: zero bytes never reach the C library. A CxFile
// belongs to one thread, so the stream is used without its lock (a record file is read and
// written a few bytes at a time, and the lock cost more than the copying).
bool CxFile::ReadBytesFromFile(void* buffer, std::size_t size)
{
    if (mFile == nullptr || mReadBuffer == nullptr)
        return false;
    auto* out = static_cast<char*>(buffer);
    for (;;) {
        const auto buffered = static_cast<std::size_t>(mReadEnd - mReadNext);
        const std::size_t take = std::min(buffered, size);
        if (take > 0)
            std::memcpy(out, mReadNext, take);
        mReadNext += take;
        out += take;
        size -= take;
        if (size == 0)
            return true;
        const std::size_t got = ::fread_unlocked(mReadBuffer.get(), 1, kBufferSize, mFile);
        if (got == 0)
            return false;
        mReadNext = mReadBuffer.get();
        mReadEnd = mReadNext + got;
    }
}

bool CxFile::WriteBytes(const void* buffer, std::size_t size)
{
    return mFile != nullptr && (size == 0 || ::fwrite_unlocked(buffer, 1, size, mFile) == size);
}

bool CxFile::ReadInt32(std::int32_t& value)
{
    std::array<unsigned char, 4> bytes{};
    if (!ReadBytes(bytes.data(), bytes.size()))
        return false;
    value = static_cast<std::int32_t>(Load32(bytes.data()));
    return true;
}

bool CxFile::ReadDouble(double& value)
{
    std::array<unsigned char, 8> bytes{};
    if (!ReadBytes(bytes.data(), bytes.size()))
        return false;
    const std::uint64_t bits = Load32(bytes.data()) | std::uint64_t{Load32(bytes.data() + 4)} << 32;
    std::memcpy(&value, &bits, sizeof value);
    return true;
}

bool CxFile::ReadFlag(bool& value)
{
    std::array<unsigned char, 4> bytes{};
    if (!ReadBytes(bytes.data(), bytes.size()))
        return false;
    value = bytes[0] != 0;
    return true;
}

bool CxFile::ReadString(std::string& value, std::size_t maxLength, std::int32_t* storedLength)
{
    std::string_view text;
    const bool read = ReadStringView(text, maxLength, storedLength);
    value.assign(text);
    return read;
}

bool CxFile::ReadStringView(std::string_view& value, std::size_t maxLength, std::int32_t* storedLength)
{
    value = {};
    std::int32_t length = 0;
    if (!ReadInt32(length))
        return false;
    if (storedLength != nullptr)
        *storedLength = length;
    if (length <= 0)
        return true;
    const auto total = static_cast<std::size_t>(length);
    const std::size_t kept = std::min(total, maxLength);
    // A whole string in the buffer is viewed where it lies; one cut short is copied out first,
    // since skipping its rest may refill the buffer.
    if (kept == total && total <= static_cast<std::size_t>(mReadEnd - mReadNext)) {
        value = {mReadNext, total};
        mReadNext += total;
        return true;
    }
    mScratch.resize(kept);
    if (!ReadBytes(mScratch.data(), kept))
        return false;
    value = mScratch;
    // The rest is read and dropped rather than skipped with a seek, which would not notice
    // a length that runs past the end of the file.
    std::array<char, 4096> discard{};
    for (std::size_t left = total - kept; left > 0;) {
        const std::size_t chunk = std::min(left, discard.size());
        if (!ReadBytes(discard.data(), chunk))
            return false;
        left -= chunk;
    }
    return true;
}

bool CxFile::WriteInt32(std::int32_t value)
{
    std::array<unsigned char, 4> bytes{};
    Store32(bytes.data(), static_cast<std::uint32_t>(value));
    return WriteBytes(bytes.data(), bytes.size());
}

bool CxFile::WriteDouble(double value)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    std::array<unsigned char, 8> bytes{};
    Store32(bytes.data(), static_cast<std::uint32_t>(bits));
    Store32(bytes.data() + 4, static_cast<std::uint32_t>(bits >> 32));
    return WriteBytes(bytes.data(), bytes.size());
}

bool CxFile::WriteFlag(bool value)
{
    const std::array<unsigned char, 4> bytes{static_cast<unsigned char>(value ? 1 : 0), 0, 0, 0};
    return WriteBytes(bytes.data(), bytes.size());
}

bool CxFile::WriteString(std::string_view text)
{
    if (text.size() > static_cast<std::size_t>(INT32_MAX))
        return false;
    return WriteInt32(static_cast<std::int32_t>(text.size())) && WriteBytes(text.data(), text.size());
}

bool CxFile::WriteLine(std::string_view text)
{
    return WriteBytes(text.data(), text.size()) && WriteBytes("\r\n", 2);
}

std::int64_t CxFile::FileSize(const std::string& path)
{
    if (path.empty())
        return -1;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return -1;
    return static_cast<std::int64_t>(info.st_size);
}

}  // namespace velmora::model
