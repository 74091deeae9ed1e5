#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace velmora::outlook::standin {

// The little-endian bytes of Outlook data files, their recurrence blobs and the data file
// reader's answer, written and read in one way.

// Appends the low `bytes` bytes of `value`, least significant first.
inline void PutLe(std::string& out, std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>(value >> (8 * i)));
}

// Overwrites `bytes` bytes at `at` (which must lie inside `out`).
inline void SetLe(std::string& out, std::size_t at, std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out[at + static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * i));
}

// The value of up to eight bytes.
inline std::uint64_t LeValue(std::string_view bytes)
{
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < bytes.size() && i < 8; ++i)
        v |= static_cast<std::uint64_t>(static_cast<std::uint8_t>(bytes[i])) << (8 * i);
    return v;
}

// Reads from bytes, failing for good at the first read past their end; a failed read gives 0 or
// nothing.
class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : mBytes(bytes) {}

    bool Ok() const { return mOk; }
    std::size_t Left() const { return mOk ? mBytes.size() - mPos : 0; }
    void Fail() { mOk = false; }

    std::string_view Bytes(std::size_t n)
    {
        if (!mOk || n > mBytes.size() - mPos) {
            mOk = false;
            return {};
        }
        const std::string_view out = mBytes.substr(mPos, n);
        mPos += n;
        return out;
    }
    void Skip(std::size_t n) { Bytes(n); }
    std::uint8_t U8() { return static_cast<std::uint8_t>(LeValue(Bytes(1))); }
    std::uint16_t U16() { return static_cast<std::uint16_t>(LeValue(Bytes(2))); }
    std::uint32_t U32() { return static_cast<std::uint32_t>(LeValue(Bytes(4))); }
    // A 32-bit length and that many bytes.
    std::string_view Counted() { return Bytes(U32()); }
    // A 32-bit count of entries each at least `minimum` bytes long, refused when the bytes left
    // cannot hold them.
    bool Count(std::uint32_t& n, std::size_t minimum)
    {
        n = U32();
        if (mOk && n > Left() / minimum)
            mOk = false;
        return mOk;
    }

private:
    std::string_view mBytes;
    std::size_t mPos = 0;
    bool mOk = true;
};

// UTF-16LE bytes of a text, and the text of UTF-16LE bytes (an odd last byte is dropped).
inline std::string Utf16LeBytes(std::u16string_view text)
{
    std::string bytes;
    for (char16_t c : text)
        PutLe(bytes, c, 2);
    return bytes;
}

inline std::u16string Utf16LeText(std::string_view bytes)
{
    std::u16string text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        text.push_back(static_cast<char16_t>(LeValue(bytes.substr(i, 2))));
    return text;
}

}  // namespace velmora::outlook::standin
