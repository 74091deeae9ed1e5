#pragma once

#include "model/TextValue.h"

#include <cstdint>
#include <vector>

namespace velmora::palm {

using model::Text;

// Fields 7-10 of every record of a 4.x file: a tag (not checked), a count N, and then nothing
// (N = 0), N bytes of data (N >= 4), or two Longs followed by a length M and M bytes (N = 1-3).
// The record owns a copy of the data.
struct PalmExtField {
    std::int32_t Tag = 0;
    std::int32_t Count = 0;
    std::int32_t First = 0;
    std::int32_t Second = 0;
    std::int32_t Length = 0;
    std::vector<std::uint8_t> Data;
};

// How a calendar entry or a to-do repeats, as Palm Desktop stores it. Type: 0 none, 1 daily,
// 2 weekly, 3 monthly by weekday, 4 monthly by date, 5 yearly by date, 6 yearly by weekday
// (other values are kept). Dates are seconds since 1970; an end of 0x749DCEFF means no end.
struct PalmRepeat {
    std::int32_t Type = 0;
    std::int32_t Interval = 0;
    std::int32_t EndDate = 0;
    std::int32_t FirstDayOfWeek = 0;
    std::int32_t DayIndex = 0;
    std::uint8_t DaysMask = 0;
    std::int32_t WeekIndex = 0;
    std::int32_t MonthIndex = 0;
    std::int32_t DayOfMonth = 0;
};

// The fields every record of the 4.x files starts with (indexes 0-12).
struct PmExRecordHead {
    std::int32_t RecordId = 0;
    std::int32_t Status = 0;
    std::int32_t Placement = 0;
    std::int32_t CategoryId = 0;
    std::int32_t Private = 0;
    PalmExtField Ext[4];
};

// A contact of a 4.x address book.
struct PmAddrExRec : PmExRecordHead {
    Text<20> CategoryName;
    Text<32> LastName;
    Text<32> FirstName;
    Text<32> Title;
    Text<256> Company;
    Text<2048> Note;
    Text<32> Phone[7];
    std::int32_t PhoneLabel[7] = {};
    Text<256> Custom[9];
    struct Address {
        Text<256> Street;
        Text<32> City, State, Zip, Country;
    };
    Address Work, Home, Other;
    Text<32> Im[2];
    std::int32_t ImLabel[2] = {};
    Text<256> HomePage;
    double Birthday = 0;  // packed as year * 65536 + month * 256 + day
};

// A calendar entry of a 4.x datebook.
struct PmDateExRec : PmExRecordHead {
    Text<32> CategoryName;
    std::int32_t Start = 0;
    std::int32_t End = 0;
    Text<256> Description;
    Text<8192> Note;
    std::int32_t Untimed = 0;
    std::int32_t AlarmSet = 0;
    std::int32_t AlarmAdvance = 0;
    std::int32_t AlarmUnit = 0;  // 0 minutes, 1 hours, 2 days
    PalmRepeat Repeat;
    Text<256> Location;
};

// A to-do of a 4.x to-do list.
struct PmTodoExRec : PmExRecordHead {
    Text<32> CategoryName;
    Text<256> Description;
    std::int32_t DueDate = 0;
    std::int32_t Completed = 0;
    std::int32_t Priority = 0;  // 1 to 5
    Text<8192> Note;
    std::int32_t Reminder = 0;
    PalmRepeat Repeat;
};

// A memo of a 4.x memo pad. Texts keep at most 8191 characters.
struct PmMemoExRec : PmExRecordHead {
    Text<32> CategoryName;
    Text<8192> Memo;
};

// A contact of an address book of Palm Desktop before 4.1.2: one address, five phones.
struct PmAddrRec {
    std::int32_t RecordId = 0;
    std::int32_t Status = 0;
    std::int32_t Placement = 0;
    Text<32> LastName;
    Text<32> FirstName;
    Text<32> Title;
    Text<256> Company;
    std::int32_t PhoneLabel[5] = {};
    Text<32> Phone[5];
    Text<256> Street;
    Text<32> City, State, Zip, Country;
    Text<8192> Note;
    std::int32_t CategoryId = 0;
    Text<16> CategoryName;
    Text<64> Custom[4];
};

// A calendar entry of a datebook before 4.1.2.
struct PmDateRec {
    std::int32_t RecordId = 0;
    std::int32_t Status = 0;
    std::int32_t Placement = 0;
    std::int32_t Start = 0;
    std::int32_t End = 0;
    Text<512> Description;
    Text<8192> Note;
    std::int32_t Untimed = 0;
    std::int32_t Private = 0;
    std::int32_t CategoryId = 0;
    std::int32_t AlarmSet = 0;
    std::int32_t AlarmAdvance = 0;
    std::int32_t AlarmUnit = 0;
    PalmRepeat Repeat;
};

// A to-do of a to-do list before 4.1.2.
struct PmTodoRec {
    std::int32_t RecordId = 0;
    std::int32_t Status = 0;
    std::int32_t Placement = 0;
    Text<8192> Description;
    std::int32_t DueDate = 0;
    std::int32_t Completed = 0;
    std::int32_t Priority = 0;
    std::int32_t Private = 0;
    std::int32_t CategoryId = 0;
    Text<8192> Note;
};

// A memo of a memo pad before 4.1.2.
struct PmMemoRec {
    std::int32_t RecordId = 0;
    std::int32_t Status = 0;
    std::int32_t Placement = 0;
    Text<8192> Memo;
    std::int32_t Private = 0;
    std::int32_t CategoryId = 0;
};

}  // namespace velmora::palm
