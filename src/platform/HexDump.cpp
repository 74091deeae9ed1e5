#include "HexDump.h"

#include <algorithm>

namespace velmora::platform {

std::string HexDump(std::span<const std::byte> bytes)
{
    constexpr std::size_t kMaxBytes = 1024;
    constexpr char kDigits[] = "0123456789abcdef";
    const std::size_t count = std::min(bytes.size(), kMaxBytes);
    std::string text;
    text.reserve(count * 3);
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0)
            text += ' ';
        const auto value = std::to_integer<unsigned>(bytes[i]);
        text += kDigits[value >> 4];
        text += kDigits[value & 0xF];
    }
    return text;
}

}  // namespace velmora::platform
