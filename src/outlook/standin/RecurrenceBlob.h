#pragma once

#include <cstdint>
#include <string_view>

namespace velmora::outlook::standin {

// An item's recurrence as Outlook's recurrence pattern object reports it, decoded from the
// recurrence blob an appointment or task stores. Dates are automation dates of the local day.
struct RecurrencePattern {
    std::int32_t RecurrenceType = 0;  // olRecursDaily 0, Weekly 1, Monthly 2, MonthNth 3, Yearly 5, YearNth 6
    std::int32_t Interval = 0;
    std::int32_t DayOfWeekMask = 0;   // Sunday 1 ... Saturday 64
    std::int32_t DayOfMonth = 0;
    std::int32_t Instance = 0;        // 1-4, 5 for the last
    std::int32_t MonthOfYear = 0;
    std::int32_t Occurrences = 0;
    bool NoEndDate = false;
    double PatternStartDate = 0;
    // The last day of the series; for a series without end, 31 December 4500, as Outlook
    // reports it.
    double PatternEndDate = 0;
};

// The blob's recurrence pattern, little-endian:
//   reader version 2 (0x3004), writer version 2 (0x3004), frequency 2 (0x200A daily, 0x200B
//   weekly, 0x200C monthly, 0x200D yearly), pattern type 2 (0 day, 1 week, 2 month, 3 month-nth,
//   4 month-end; 0xA-0xC their Hijri forms), calendar type 2, first date-time 4, period 4
//   (minutes for a daily day pattern, else weeks or months), sliding flag 4,
//   pattern-specific: none (day), day mask 4 (week), day of month 4 (month, month-end),
//   day mask 4 and instance 4 (month-nth);
//   end type 4 (0x2021 by date, 0x2022 after a number, 0x2023 or 0xFFFFFFFF never),
//   occurrence count 4, first day of week 4, deleted instance count 4 and the dates 4 each,
//   modified instance count 4 and the dates 4 each, start date 4 and end date 4 (minutes since
//   1 January 1601, local time).
// An appointment's blob continues after these fields; the rest is not needed.
// False for a blob that is short, whose counts do not fit in it, or whose values are out of
// range: such an item is taken as not recurring.
bool DecodeRecurrenceBlob(std::string_view blob, RecurrencePattern& pattern);

}  // namespace velmora::outlook::standin
