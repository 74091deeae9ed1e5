#pragma once

#include "platform/SystemTime.h"

#include <cstdint>

namespace velmora::model {

// How a calendar entry or a to-do repeats.
struct RecurrenceRule {
    // 0 none, 1 daily, 2 weekly, 3 monthly on the n-th weekday, 4 monthly on a day of the month,
    // 5 yearly on the n-th weekday of a month, 6 yearly on a date.
    std::int32_t Kind = 0;
    std::uint8_t HasEnd = 0;
    platform::SystemTime EndDate{};  // the last date of the series when HasEnd is set
    std::int32_t Interval = 0;       // every n days, weeks, months or years
    // Sunday 1, Monday 2, Tuesday 4, Wednesday 8, Thursday 16, Friday 32, Saturday 64:
    // the days of a weekly series, the weekday of kinds 3 and 5.
    std::int32_t Weekdays = 0;
    std::int32_t DayOfMonth = 0;   // kinds 4 and 6
    std::int32_t Month = 0;        // 1-12, kinds 5 and 6
    std::int32_t WeekOfMonth = 0;  // kinds 3 and 5: which occurrence of the weekday

    friend bool operator==(const RecurrenceRule&, const RecurrenceRule&) = default;
};

}  // namespace velmora::model
