#pragma once

#include <libical/ical.h>

#include <cstdint>
#include <string>

namespace velmora::helpers {

// A text of an iCalendar file in Windows-1252, its lines separated by CR LF as records keep them.
std::string Ansi(const char* utf8);

// A moment of the file in local time: UTC and zoned times are converted (a zone the file defines
// in a VTIMEZONE first, else the system's zone of that name), floating times and dates taken as
// they stand.
struct Moment {
    double value = 0;
    bool isDate = false;
};

Moment LocalMoment(icaltimetype time, const char* tzid, icalcomponent* calendar);

// The weekday of a BYDAY value as a bit: Sunday 1, Monday 2 ... Saturday 64; 0 for none.
std::int32_t WeekdayBit(short day);

// The TZID parameter of a property, or null.
const char* TzidOf(icalproperty* property);

}  // namespace velmora::helpers
