#include "Base64.h"

#include <cstdint>

namespace velmora::platform {
namespace {

constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int SextetOf(char c)
{
    const auto pos = kAlphabet.find(c);
    return pos == std::string_view::npos ? -1 : static_cast<int>(pos);
}

}  // namespace

std::string EncodePassword(std::string_view plain)
{
    std::string out;
    out.reserve((plain.size() + 2) / 3 * 4);
    std::size_t i = 0;
    for (; i + 3 <= plain.size(); i += 3) {
        const std::uint32_t group = (std::uint32_t{static_cast<unsigned char>(plain[i])} << 16) |
                                    (std::uint32_t{static_cast<unsigned char>(plain[i + 1])} << 8) |
                                    std::uint32_t{static_cast<unsigned char>(plain[i + 2])};
        out += kAlphabet[(group >> 18) & 63];
        out += kAlphabet[(group >> 12) & 63];
        out += kAlphabet[(group >> 6) & 63];
        out += kAlphabet[group & 63];
    }
    const std::size_t rest = plain.size() - i;
    if (rest > 0) {
        std::uint32_t group = std::uint32_t{static_cast<unsigned char>(plain[i])} << 16;
        if (rest == 2)
            group |= std::uint32_t{static_cast<unsigned char>(plain[i + 1])} << 8;
        out += kAlphabet[(group >> 18) & 63];
        out += kAlphabet[(group >> 12) & 63];
        out += rest == 2 ? kAlphabet[(group >> 6) & 63] : '=';
        out += '=';
    }
    return out;
}

std::string DecodePassword(std::string_view encoded)
{
    std::string out;
    std::uint32_t bits = 0;
    int bitCount = 0;
    for (const char c : encoded) {
        const int sextet = SextetOf(c);
        if (sextet < 0)
            break;
        bits = (bits << 6) | static_cast<std::uint32_t>(sextet);
        bitCount += 6;
        if (bitCount >= 8) {
            bitCount -= 8;
            out += static_cast<char>((bits >> bitCount) & 0xFF);
        }
    }
    return out;
}

}  // namespace velmora::platform
