#pragma once

#include "Recurrence.h"
#include "RecordTypes.h"
#include "SourceBlock.h"
#include "TextValue.h"

#include <cstdint>
#include <span>

namespace velmora::model {

// The common task (to-do). Field ids in brackets.
struct CommTaskRec {
    Text<256> Subject;            // [0]
    Text<8192> Note;              // [1]
    Text<256> Category;           // [7]
    std::int32_t Priority = 0;    // [2] 0 normal, 1 high, 2 low
    std::uint8_t Completed = 0;   // [3]
    std::int32_t DueDate = 0;     // [4] seconds since 1970 in local time; 0 = none
    std::uint8_t Alarm = 0;       // [5]
    std::uint8_t Private = 0;     // [6]
    std::uint8_t ReminderSet = 0;
    RecurrenceRule Recurrence;    // for repeating to-dos
    std::int32_t Sensitivity = 0; // 0 normal, 2 private
    std::int32_t TaskStatus = 0;
    std::int32_t ResponseState = 0;
    std::int32_t SourceType = 0;
    std::int32_t Status = 0;

    SourceBlock SourceData;
    const CommTaskRec* MatchedRec = nullptr;
};

// The task field catalogue, ids 0-7.
std::span<const FieldName> TaskFieldTable();

}  // namespace velmora::model
