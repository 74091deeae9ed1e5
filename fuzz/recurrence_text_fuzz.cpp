// Recurrence texts come from the helper's data file as they stand.
#include "connectors/google/RecurrenceText.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    velmora::connectors::GEventRec event;
    event.RecurrenceText = std::string(reinterpret_cast<const char*>(data), size);
    velmora::connectors::ApplyRecurrenceText(event);
    return 0;
}
