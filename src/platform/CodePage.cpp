#include "CodePage.h"

#include <array>
#include <cstdint>

namespace velmora::platform {
namespace {

// Code points of the bytes 0x80-0x9F. The five bytes Windows-1252 leaves unassigned map to
// the C1 control of the same value, as Windows itself converts them, so every byte survives
// a round trip.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char ToAnsiChar(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(static_cast<unsigned char>(c));
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

}  // namespace

std::string ToNarrow(std::u16string_view wide)
{
    std::string narrow;
    narrow.reserve(wide.size());
    for (std::size_t i = 0; i < wide.size(); ++i) {
        const char16_t c = wide[i];
        const bool highSurrogate = c >= 0xD800 && c <= 0xDBFF;
        // A surrogate pair is one character outside the code page: one '?' for both halves.
        if (highSurrogate && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 && wide[i + 1] <= 0xDFFF)
            ++i;
        narrow.push_back(ToAnsiChar(c));
    }
    return narrow;
}

std::u16string ToWide(std::string_view narrow)
{
    std::u16string wide;
    wide.reserve(narrow.size());
    for (const char ch : narrow) {
        const auto byte = static_cast<unsigned char>(ch);
        wide.push_back(byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80u] : char16_t{byte});
    }
    return wide;
}

std::string AnsiToUtf8(std::string_view narrow)
{
    std::string utf8;
    utf8.reserve(narrow.size());
    for (const char16_t c : ToWide(narrow)) {
        if (c < 0x80) {
            utf8 += static_cast<char>(c);
        } else if (c < 0x800) {
            utf8 += static_cast<char>(0xC0 | (c >> 6));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            utf8 += static_cast<char>(0xE0 | (c >> 12));
            utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return utf8;
}

std::string Utf8ToAnsi(std::string_view utf8)
{
    std::u16string wide;
    wide.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        bool valid = length > 0 && i + length <= utf8.size();
        char32_t code = length == 1 ? lead : length == 2 ? (lead & 0x1F) : length == 3 ? (lead & 0x0F) : (lead & 0x07);
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        // Characters beyond 16 bits are outside the code page anyway.
        wide += valid && code < 0x10000 ? static_cast<char16_t>(code) : u'\uFFFD';
        i += valid ? length : 1;
    }
    return ToNarrow(wide);
}

}  // namespace velmora::platform
