#pragma once

#include <string>
#include <string_view>

namespace velmora::platform {

// Conversions between UTF-16 and Windows-1252, the 8-bit code page every record and exchange
// file of the system uses. A UTF-16 character that Windows-1252 cannot hold becomes '?'.
std::string ToNarrow(std::u16string_view wide);
std::u16string ToWide(std::string_view narrow);

// The same between UTF-8 (what terminals, Qt and exported vCard and iCalendar files use) and
// Windows-1252. Invalid UTF-8 sequences become '?'.
std::string AnsiToUtf8(std::string_view narrow);
std::string Utf8ToAnsi(std::string_view utf8);

// True when every character is 7-bit ASCII, which reads the same in both: no conversion needed.
inline bool IsAscii(std::string_view text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

}  // namespace velmora::platform
