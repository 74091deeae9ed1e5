#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace velmora::testing {

// Little-endian bytes built value by value, for the expected contents of binary files.
class ByteBuilder {
public:
    ByteBuilder& Int32(std::int32_t value)
    {
        for (int i = 0; i < 4; ++i)
            mBytes += static_cast<char>((static_cast<std::uint32_t>(value) >> (8 * i)) & 0xFF);
        return *this;
    }
    ByteBuilder& Double(double value)
    {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        for (int i = 0; i < 8; ++i)
            mBytes += static_cast<char>((bits >> (8 * i)) & 0xFF);
        return *this;
    }
    ByteBuilder& Flag(bool value) { return Int32(value ? 1 : 0); }
    ByteBuilder& String(std::string_view text)
    {
        Int32(static_cast<std::int32_t>(text.size()));
        mBytes += text;
        return *this;
    }
    const std::string& Bytes() const { return mBytes; }

private:
    std::string mBytes;
};

}  // namespace velmora::testing
