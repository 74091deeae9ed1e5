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

// An iCalendar text made ready for libical: lines unfolded; an RRULE whose UNTIL is damaged
// ("00000000") keeps its rule without the UNTIL (libical would drop the whole rule), which sets
// `*untilRepaired`; a long RDATE list is cut into lines of at most 400 values (libical keeps no
// more than 500 values of one property, and Notes writes a repeating meeting as one list).
std::string PrepareCalendarText(const std::string& text, bool* untilRepaired = nullptr);

// The last occurrence of a counted rule within a hundred years of its start; null when it has
// none. A rule whose days exist in none of its months (BYMONTH=2;BYMONTHDAY=30) is known to have
// none without a search.
icaltimetype LastOccurrence(icalrecurrencetype rule, icaltimetype start, int count);

// The TZID parameter of a property, or null.
const char* TzidOf(icalproperty* property);

}  // namespace velmora::helpers
