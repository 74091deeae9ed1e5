#pragma once

#include "palm/dat/PalmRecords.h"

#include <cstdint>

namespace velmora::palm {

// A contact of a Palm Desktop 6 address book ("Main" of Address.mdb).
struct PmAddrEx2Rec {
    std::int32_t RecordId = 0, Status = 0, Placement = 0, Category = 0, Private = 0;
    Text<2048> Note;
    Text<32> Prefix;
    Text<64> FirstName, MiddleName, LastName;
    Text<32> Suffix;
    Text<64> NickName;
    std::int32_t Anniversary = 0, Birthday = 0;  // packed: year * 65536 + month * 256 + day
    Text<128> Profession, Company, Title;
    Text<64> AssistantName, AssistantPhone;
    struct Address {
        Text<256> Street;
        Text<32> City, State, Zip, Country;
    };
    Address Work, Home, Other;
    Text<128> Phone[7];  // Work Phone, Work Fax, Work Mobile, Home Phone, Home Fax, Home Mobile, Other Phone
    std::int32_t PhoneLabel[7] = {};
    std::int32_t PrimaryContact = 0;
    Text<256> Custom[14];
    Text<128> Chat[2];
    std::int32_t ChatLabel[2] = {};
    Text<256> Website;
    std::int32_t BirthdayAlarmSet = 0, BirthdayAlarmAdvance = 0, Avatar = 0;
    std::int32_t AddressLabel[3] = {};
    std::int32_t AnniversaryAlarmSet = 0, AnniversaryAlarmAdvance = 0;
    Text<128> EnglishName;
    Text<256> PictureUrl, PictureFileName;
    Text<32> PictureMimeType, PictureSyncCounter;
    Text<256> RingtoneUrl, RingtoneFileName;
    Text<32> RingtoneMimeType, RingtoneSyncCounter;
    Text<64> FirstYomi, LastYomi, CompanyYomi;
    // Derived: per label code 0-7 the number of the last slot carrying it, and the category name.
    Text<32> PhoneText[8];
    Text<32> CategoryName;
};

// A calendar entry of DateBook.mdb.
struct PmDateEx2Rec {
    std::int32_t RecordId = 0, Status = 0, Placement = 0, Category = 0;
    std::int32_t Private = 0, Untimed = 0, Alarm = 0;
    std::int32_t Start = 0, End = 0;  // seconds since 1970
    std::int32_t AlarmAdvance = 0, AlarmUnit = 0;
    Text<8192> Note;
    Text<64> TimeZone;
    Text<256> Location, Summary, RepeatRule;
    Text<32> CategoryName;
    PalmRepeat Repeat;
};

// A to-do of Todolist.mdb.
struct PmTodoEx2Rec {
    std::int32_t RecordId = 0, Status = 0, Placement = 0, Category = 0;
    std::int32_t Private = 0, Completed = 0, RepeatOnCompleteDate = 0, AlarmSet = 0;
    std::int32_t DueDate = 0, Priority = 0, CompleteDate = 0, AlarmTime = 0, AlarmAdvance = 0, RepeatStartDate = 0;
    Text<8192> Note;
    Text<256> Description, RepeatRule;
    Text<32> CategoryName;
    PalmRepeat Repeat;
};

// A memo of MemoPad.mdb; the text keeps at most 40959 characters.
struct PmMemoEx2Rec {
    std::int32_t RecordId = 0, Status = 0, Placement = 0, Category = 0, Private = 0;
    Text<40960> Memo;
    std::int32_t MemoLength = 0;
    Text<32> CategoryName;
};

}  // namespace velmora::palm
