#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace velmora::platform {

// Letter case of ASCII letters only, as Windows compares names and as the stored texts
// (Windows-1252) are compared throughout: other bytes stay as they are.
inline char UpperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

inline char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string UpperAscii(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        c = UpperAscii(c);
    return upper;
}

// True when the two names are equal ignoring the case of ASCII letters, as Windows compares names.
inline bool EqualsNoCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

}  // namespace velmora::platform
