#pragma once

#include "TextValue.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace velmora::model {

// A binary file of little-endian values, as the exchange data files are written: 32-bit
// integers, 8-byte doubles, 4-byte flag slots (the flag in the first byte) and strings stored
// as a 32-bit length followed by that many bytes. Every read and write on a closed file fails.
class CxFile {
public:
    CxFile() = default;
    CxFile(const CxFile&) = delete;
    CxFile& operator=(const CxFile&) = delete;
    ~CxFile() { Close(); }

    // A C-stream open ("rb", "wb", "w"); false for an empty path or mode or a failed open. A file
    // opened for writing is created with mode 0600 and never through a symbolic link.
    bool Open(const std::string& path, const char* mode);
    void Close();
    // Hands buffered writes to the system; false when that fails (a full disk, say).
    bool Flush();
    bool IsOpen() const { return mFile != nullptr; }

    bool ReadInt32(std::int32_t& value);
    bool ReadDouble(double& value);
    bool ReadFlag(bool& value);

    // Reads a stored string. A stored length of 0 or less is the empty text. Of a longer string
    // the first `maxLength` characters are kept and the rest is skipped, so the next value is
    // still read from the right place. False when the file ends before the string does.
    // `storedLength`, when given, receives the stored length.
    bool ReadString(std::string& value, std::size_t maxLength, std::int32_t* storedLength = nullptr);
    template <std::size_t N>
    bool ReadString(Text<N>& value, std::int32_t* storedLength = nullptr)
    {
        std::string_view text;
        const bool read = ReadStringView(text, Text<N>::MaxLength, storedLength);
        value = text;
        return read;
    }

    bool WriteInt32(std::int32_t value);
    bool WriteDouble(double value);
    bool WriteFlag(bool value);
    // The 32-bit length and the bytes, without terminator; the empty text is the length 0 alone.
    bool WriteString(std::string_view text);
    // The text followed by CR LF.
    bool WriteLine(std::string_view text);

    // Size in bytes of an existing file; -1 for an empty path or a file that cannot be opened.
    static std::int64_t FileSize(const std::string& path);

private:
    // A file opened for reading is read through a buffer of its own: a record file is read a
    // few bytes at a time, and most reads are then a copy out of that buffer.
    bool ReadBytes(void* buffer, std::size_t size)
    {
        if (size > static_cast<std::size_t>(mReadEnd - mReadNext))
            return ReadBytesFromFile(buffer, size);
        if (size > 0)
            std::memcpy(buffer, mReadNext, size);
        mReadNext += size;
        return true;
    }
    bool ReadBytesFromFile(void* buffer, std::size_t size);
    // Like ReadString; the view is valid until the next read.
    bool ReadStringView(std::string_view& value, std::size_t maxLength, std::int32_t* storedLength);
    bool WriteBytes(const void* buffer, std::size_t size);

    std::FILE* mFile = nullptr;
    std::unique_ptr<char[]> mReadBuffer;
    const char* mReadNext = nullptr;  // the unread part of the buffer
    const char* mReadEnd = nullptr;
    std::string mScratch;  // a text longer than the buffer holds, reused so that reading allocates little
};

}  // namespace velmora::model
