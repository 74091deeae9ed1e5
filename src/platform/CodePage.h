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

}  // namespace velmora::platform
