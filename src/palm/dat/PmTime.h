#pragma once

#include "platform/SystemTime.h"

#include <cstdint>
#include <string>

namespace velmora::palm {

// A Palm Desktop date and time: seconds since 1970-01-01 00:00 UTC, shown in local time.
class PmTime {
public:
    explicit PmTime(std::int32_t seconds = 0) : mSeconds(seconds) {}
    // Local calendar fields; daylight saving as the time zone has it on that day. False when
    // the moment cannot be held in 32 bits.
    bool FromFields(int year, int month, int day, int hour, int minute, int second);

    std::int32_t GetValue() const { return mSeconds; }

    // Local time, milliseconds 0; all zero when the system cannot convert the moment.
    platform::SystemTime ToSystemTime() const;
    int GetYear() const { return ToSystemTime().Year; }
    int GetDay() const { return ToSystemTime().Day; }
    // "MM/DD/YYYY" and "hh:mm:ss".
    std::string ToDateText() const;
    std::string ToTimeText() const;

private:
    std::int32_t mSeconds;
};

}  // namespace velmora::palm
