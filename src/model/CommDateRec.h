#pragma once

#include "Recurrence.h"
#include "RecordTypes.h"
#include "SourceBlock.h"
#include "TextValue.h"

#include "platform/SystemTime.h"

#include <cstdint>
#include <span>

namespace velmora::model {

// The common calendar entry. Field ids in brackets.
struct CommDateRec {
    std::int32_t ActivityType = 0;  // 0 appointment, 1 meeting, 2 call, 3 to-do
    Text<256> Subject;              // [1] the entry's description
    std::int32_t AllDay = 0;        // [13]
    platform::SystemTime Start{};   // [2]
    platform::SystemTime End{};     // [3]
    std::int32_t ReminderSet = 0;
    std::int32_t DurationMinutes = 0;
    Text<8192> Note;                // [7]
    Text<256> Location;             // [9]
    RecurrenceRule Recurrence;      // [14]
    std::int32_t Private = 0;       // [8]
    Text<64> Category;              // [11]
    std::int32_t ReminderOn = 0;    // [12] number of reminders, 0-3
    std::int32_t ReminderLead = 0;
    std::int32_t ReminderUnit = 0;  // 1 minutes, 2 hours, 3 days, 4 weeks
    double CreationTime = 0;
    double LastModificationTime = 0;
    std::int32_t SourceType = 0;
    std::int32_t Status = 0;

    SourceBlock SourceData;
    const CommDateRec* MatchedRec = nullptr;
};

// The calendar field catalogue, ids 1-14.
std::span<const FieldName> DateFieldTable();

}  // namespace velmora::model
