// Recurrence blobs come from an Outlook data file as they stand.
#include "outlook/standin/RecurrenceBlob.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    velmora::outlook::standin::RecurrencePattern pattern;
    velmora::outlook::standin::DecodeRecurrenceBlob(std::string_view(reinterpret_cast<const char*>(data), size), pattern);
    return 0;
}
