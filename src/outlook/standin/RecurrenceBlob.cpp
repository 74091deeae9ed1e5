#include "RecurrenceBlob.h"

#include "LittleEndian.h"

#include "model/CxDateTime.h"
#include "outlook/OlRecords.h"

namespace velmora::outlook::standin {
namespace {

constexpr std::uint16_t kVersion = 0x3004;
constexpr std::uint16_t kDaily = 0x200A, kWeekly = 0x200B, kMonthly = 0x200C, kYearly = 0x200D;
constexpr std::uint32_t kEndByDate = 0x2021, kEndAfterCount = 0x2022, kNeverEnd = 0x2023, kNeverEndOld = 0xFFFFFFFF;
constexpr std::uint32_t kMinutesPerDay = 1440;

// Minutes since 1601 as the automation date of that local moment; 0 when out of range.
double DateOfMinutes(std::uint32_t minutes)
{
    // 1 January 1601 is 109,205 days before 30 December 1899.
    constexpr double kDays1601 = -109205.0;
    const double date = kDays1601 + static_cast<double>(minutes) / kMinutesPerDay;
    return model::SystemTimeOf(date).Year != 0 ? date : 0;
}

}  // namespace

bool DecodeRecurrenceBlob(std::string_view blob, RecurrencePattern& pattern)
{
    pattern = RecurrencePattern{};
    ByteReader b(blob);
    if (b.U16() != kVersion || b.U16() != kVersion)
        return false;
    const std::uint16_t frequency = b.U16();
    const std::uint16_t patternType = b.U16();
    b.U16();  // calendar type
    b.U32();  // first date-time
    const std::uint32_t period = b.U32();
    b.U32();  // sliding flag
    std::uint32_t mask = 0;
    std::uint32_t day = 0;
    std::uint32_t instance = 0;
    switch (patternType) {
    case 0x0: break;
    case 0x1: mask = b.U32(); break;
    case 0x2: case 0x4: case 0xA: case 0xC: day = b.U32(); break;
    case 0x3: case 0xB:
        mask = b.U32();
        instance = b.U32();
        break;
    default: return false;
    }
    const std::uint32_t endType = b.U32();
    const std::uint32_t occurrences = b.U32();
    b.U32();  // first day of week
    b.Skip(std::size_t{b.U32()} * 4);  // deleted instances, 4 bytes each
    b.Skip(std::size_t{b.U32()} * 4);  // modified instances
    const std::uint32_t start = b.U32();
    const std::uint32_t end = b.U32();
    if (!b.Ok() || mask > 0x7F || day > 31 || instance > 5 || period > 999 * kMinutesPerDay)
        return false;

    const double startDate = DateOfMinutes(start);
    const int startMonth = model::SystemTimeOf(startDate).Month;
    const auto p = static_cast<std::int32_t>(period);
    switch (frequency) {
    case kDaily:
        // A daily series on weekdays is stored as a week pattern with its day mask.
        pattern.RecurrenceType = 0;
        pattern.Interval = patternType == 0x1 ? p : p / static_cast<std::int32_t>(kMinutesPerDay);
        break;
    case kWeekly: pattern.RecurrenceType = 1; pattern.Interval = p; break;
    case kMonthly:
        pattern.RecurrenceType = patternType == 0x3 || patternType == 0xB ? 3 : 2;
        pattern.Interval = p;
        break;
    case kYearly:
        pattern.RecurrenceType = patternType == 0x3 || patternType == 0xB ? 6 : 5;
        pattern.Interval = p / 12;
        pattern.MonthOfYear = startMonth;
        break;
    default: return false;
    }
    if (pattern.Interval <= 0 || startDate == 0)
        return false;
    pattern.DayOfWeekMask = static_cast<std::int32_t>(mask);
    pattern.DayOfMonth = patternType == 0x4 || patternType == 0xC ? 31 : static_cast<std::int32_t>(day);
    pattern.Instance = static_cast<std::int32_t>(instance);
    pattern.PatternStartDate = startDate;
    switch (endType) {
    case kEndByDate:
    case kEndAfterCount:
        pattern.Occurrences = static_cast<std::int32_t>(occurrences & 0x7FFFFFFF);
        pattern.PatternEndDate = DateOfMinutes(end);
        if (pattern.PatternEndDate == 0)
            return false;
        break;
    case kNeverEnd:
    case kNeverEndOld:
        pattern.NoEndDate = true;
        pattern.PatternEndDate = model::MakeDate(kOlNoEndYear, 12, 31);
        break;
    default: return false;
    }
    return true;
}

}  // namespace velmora::outlook::standin
