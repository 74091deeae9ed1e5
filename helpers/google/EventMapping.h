#pragma once

#include "connectors/google/GoogleRecords.h"

#include <string>
#include <vector>

namespace velmora::helpers {

// One iCalendar file as Google Calendar exports it: the calendar and its events.
struct GoogleCalendarFile {
    connectors::GCalendarRec calendar;
    std::vector<connectors::GEventRec> events;
};

// Reads a VCALENDAR with libical. Every date and date-time becomes local time (all-day dates stay
// the dates they are); a repeating event gets its DTSTART, DTEND and RRULE lines as recurrence
// text (in local time, no zone) and its numeric recurrence fields from the rule. Changed single
// occurrences of a series (RECURRENCE-ID) are not separate events. False with `error` for a file
// that cannot be read or is no calendar.
bool ReadCalendarFile(const std::string& path, GoogleCalendarFile& file, std::string& error);

// The same for a calendar's text; `source` ("The file x.ics") names it in the error and the log,
// and the calendar gets no summary (a file's is its name).
bool ReadCalendarText(const std::string& text, const std::string& source, GoogleCalendarFile& file, std::string& error);

}  // namespace velmora::helpers
