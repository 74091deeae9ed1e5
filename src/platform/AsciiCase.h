#pragma once

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

}  // namespace velmora::platform
