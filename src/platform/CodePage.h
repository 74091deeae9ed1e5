#pragma once

#include <string>
#include <string_view>

namespace velmora::platform {

// Conversions between UTF-16 and Windows-1252, the 8-bit code page every record and exchange
// file of the system uses. A UTF-16 character that Windows-1252 cannot hold becomes '?'.
std::string ToNarrow(std::u16string_view wide);
std::u16string ToWide(std::string_view narrow);

}  // namespace velmora::platform
