#pragma once

#include <cstdint>

namespace velmora::platform {

// A calendar moment split into its parts, as the Windows SYSTEMTIME structure holds it.
// Stored files and the record model carry dates in this shape, so it is kept field for field.
struct SystemTime {
    std::uint16_t Year = 0;
    std::uint16_t Month = 0;      // 1-12
    std::uint16_t DayOfWeek = 0;  // 0 Sunday - 6 Saturday
    std::uint16_t Day = 0;        // 1-31
    std::uint16_t Hour = 0;
    std::uint16_t Minute = 0;
    std::uint16_t Second = 0;
    std::uint16_t Milliseconds = 0;

    friend bool operator==(const SystemTime&, const SystemTime&) = default;
};

// Compares the calendar dates only (year, then month, then day); time and day of week are
// ignored. A missing first date is the smaller one, a missing second date the larger one.
// Returns -1, 0 or 1.
int CompareSystemDate(const SystemTime* first, const SystemTime* second);

}  // namespace velmora::platform
