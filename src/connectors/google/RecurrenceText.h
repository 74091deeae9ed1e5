#pragma once

#include "GoogleRecords.h"

namespace velmora::connectors {

// Completes an event from its recurrence text (its DTSTART, DTEND and RRULE lines). Numbers
// found replace the record's, weekday bits found are added to its mask, and what is not found
// keeps the value the data file gave. Keys are found case-sensitively; frequencies in any case.
void ApplyRecurrenceText(GEventRec& event);

}  // namespace velmora::connectors
