// RTF bodies come from an Outlook data file as they stand.
#include "outlook/standin/RtfText.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    velmora::outlook::standin::RtfToText(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
