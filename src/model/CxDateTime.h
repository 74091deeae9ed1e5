#pragma once

#include "platform/SystemTime.h"

#include <cstdint>
#include <string>

namespace velmora::model {

using platform::SystemTime;

// One moment held two ways at once, kept in step by every setter: an automation date (days
// since 30 December 1899, the fraction being the time of day; before that day the integer part
// counts back and the fraction still runs forward) and a SystemTime. Valid is false when the
// last conversion between the two failed; the fields then stay as they stood.
class CxDateTime {
public:
    CxDateTime();  // now, local time
    explicit CxDateTime(const SystemTime& time);
    explicit CxDateTime(double variantTime);

    void SetVariant(double variantTime);
    void SetSystemTime(const SystemTime& time);
    // Seconds since 1 January 1970, converted to local time; milliseconds 0. On failure
    // Valid becomes false and the value stays as it was.
    void SetTimeT(std::int64_t seconds);

    double VariantTime() const { return mVariant; }
    const SystemTime& GetSystemTime() const { return mSystemTime; }
    bool Valid() const { return mValid; }

    // "MM/DD/YYYY"; empty for a year before 1931 or after 2030.
    std::string FormatDate() const;
    // "hh:mm:ss"
    std::string FormatTime() const;
    // FormatDate and FormatTime joined by one space.
    std::string FormatDateTime() const;

private:
    double mVariant = 0;
    SystemTime mSystemTime{};
    bool mValid = false;
};

// Conversions between automation dates and SystemTime. The SystemTime must be a real date from
// year 100 to 9999 (milliseconds are ignored); a date converts to the nearest second.
bool SystemTimeToVariant(const SystemTime& time, double& variantTime);
bool VariantToSystemTime(double variantTime, SystemTime& time);

// The same where "no date" needs no separate answer: an automation date that is no valid date
// gives an all-zero SystemTime, and a SystemTime that is no valid date gives 0.
SystemTime SystemTimeOf(double variantTime);
double VariantOf(const SystemTime& time);
// The automation date of a calendar moment; 0 when it is no valid date.
double MakeDate(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

// Seconds since 1970 as a local SystemTime (a leap second counts as second 59); false when the
// system cannot convert them or the year falls outside 1-9999.
bool LocalSystemTime(std::int64_t seconds, SystemTime& time);

// The date taken as local time, in seconds since 1970 (-1 when it cannot be converted), and back.
std::int64_t VariantToTimeT(double variantTime);
double TimeTToVariant(std::int64_t seconds);

// Whole days added; the result's time of day is 00:00:00. An invalid date is returned unchanged.
SystemTime AddDays(const SystemTime& time, int days);
// Months added, whole years carried into the year; a day past the end of the resulting month
// is lowered to it, with February always counting 28 days. Time and day of week are untouched.
// A result outside the years 1-9999 leaves the date unchanged.
SystemTime AddMonths(const SystemTime& time, int months);
SystemTime AddYears(const SystemTime& time, int years);
int DaysInMonth(int year, int month);  // 0 for a month outside 1-12
bool IsLeapYear(int year);

// Time of day in minutes (hour * 60 + minute), and the time of day moved by a number of
// minutes: hour = total / 60, minute = total % 60, a negative total counting as 0.
int MinutesOfDay(const SystemTime& time);
SystemTime AddMinutesToTimeOfDay(const SystemTime& time, int minutes);

// An automation date as date or time text; "N/A" below 0.001.
std::string FormatDateOrNA(double variantTime);
std::string FormatTimeOrNA(double variantTime);

}  // namespace velmora::model
