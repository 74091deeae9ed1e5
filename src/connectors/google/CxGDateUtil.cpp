#include "CxGDateUtil.h"

#include "GoogleExchange.h"
#include "RecurrenceText.h"

#include "connectors/exchange/RecordFile.h"
#include "diagnostics/CxDebugUtil.h"
#include "model/CxDateTime.h"

#include <algorithm>
#include <cstdio>

namespace velmora::connectors {
namespace {

constexpr const char* kLogUnit = "CxGCal";

// Reminder units 0-3 (minutes, hours, days, weeks) become the common 1-4; anything else minutes.
std::int32_t CommonUnit(std::int32_t unit)
{
    return unit >= 0 && unit <= 3 ? unit + 1 : 1;
}

}  // namespace

model::CommDateRec ToCommon(const GEventRec& e)
{
    model::CommDateRec c;
    c.Subject = e.Title;
    c.Location = e.Where;
    c.Start = model::SystemTimeOf(e.Start);
    c.End = model::SystemTimeOf(e.End);
    model::RecurrenceRule& rule = c.Recurrence;
    rule.Kind = e.RecurrenceType >= 0 && e.RecurrenceType <= 6 ? e.RecurrenceType : 0;
    rule.HasEnd = e.HasEnd != 0 ? 1 : 0;
    rule.EndDate = model::SystemTimeOf(e.RecurrenceEnd);
    rule.Interval = e.Interval;
    rule.Weekdays = e.Weekdays;
    rule.DayOfMonth = e.DayOfMonth;
    rule.Month = e.MonthOfYear;
    rule.WeekOfMonth = e.WeekOrMonth;
    // The record holds three reminders; a larger count in the file is cut to them.
    c.ReminderOn = std::clamp(e.ReminderCount, 0, 3);
    if (c.ReminderOn != 0) {
        c.ReminderLead = e.ReminderAmounts[0];
        c.ReminderUnit = CommonUnit(e.ReminderUnits[0]);
    }
    c.Note = e.Description;
    c.Category = e.Category;
    c.SourceType = model::RecordSource::Google;
    return c;
}

CxGDateUtil::CxGDateUtil()
    : CxGAppBaseUtil("GDateUtil", {"GDate.dat", "GDateParam.dat", "GDateErr.dat", "GDateStatus.dat", "GDateData.ini"})
{
}

void CxGDateUtil::AddKindParams(ParamParser& params) const
{
    params.SetParam(google::kGoogleParamCarried1, ParamParser::kText, "");
    params.SetParam(google::kGoogleParamCarried2, ParamParser::kText, "");
    params.SetParam(google::kGoogleParamCalendarFile, ParamParser::kText, kCalendarFileName);
}

void CxGDateUtil::Clear()
{
    mManager.Clear();
    mEvents.clear();
    mCalendars.clear();
    if (!WorkFolder().empty())
        std::remove(FilePath(kCalendarFileName).c_str());
    HelperConnector::Clear();
}

bool CxGDateUtil::Load()
{
    VL_LOG(diagnostics::CxDebugUtil::kInfo, kLogUnit, "%s", "Start loading Google Calendar.");
    if (!RunLoad() || !LoadEvents()) {
        VL_LOG(diagnostics::CxDebugUtil::kError, kLogUnit, "%s", "Failed to load Calendar events information from file.");
        return false;
    }
    if (!LoadCalendars()) {
        VL_LOG(diagnostics::CxDebugUtil::kError, kLogUnit, "%s", "Failed to load Calendar definition information from file.");
        return false;
    }
    VL_LOG(diagnostics::CxDebugUtil::kInfo, kLogUnit, "%s", "Load Google Calendar successfully.");
    return true;
}

bool CxGDateUtil::LoadEvents(const std::string& fileName)
{
    const std::string path = FilePath(fileName.empty() ? Files().Data : fileName);
    VL_LOG(diagnostics::CxDebugUtil::kInfo, kLogUnit, "Start loading Calendar events information from file: %s", path.c_str());
    const DataFileResult result = ReadDataFileInto<GEventRec>(
        path, mManager, mEvents,
        [](std::int32_t count) { VL_LOG(diagnostics::CxDebugUtil::kInfo, kLogUnit, "There are %d event records in total", count); },
        [](GEventRec& event) {
            ApplyRecurrenceText(event);
            return ToCommon(event);
        });
    if (result == DataFileResult::CannotOpen)
        VL_LOG(diagnostics::CxDebugUtil::kError, kLogUnit, "Failed to open file: %s", path.c_str());
    if (result != DataFileResult::Ok) {
        mManager.Clear();
        mEvents.clear();
        SetDataFileError(result, path);
        return false;
    }
    VL_LOG(diagnostics::CxDebugUtil::kInfo, kLogUnit, "%s", "Load Calendar events information from file successfully.");
    return true;
}

bool CxGDateUtil::LoadCalendars(const std::string& fileName)
{
    const std::string path = FilePath(fileName.empty() ? std::string(kCalendarFileName) : fileName);
    VL_LOG(diagnostics::CxDebugUtil::kInfo, kLogUnit, "Start loading Calendar definition information from file: %s", path.c_str());
    const DataFileResult result = ReadDataFile<GCalendarRec>(
        path, [](std::int32_t count) { VL_LOG(diagnostics::CxDebugUtil::kInfo, kLogUnit, "There are %d calendars in total.", count); },
        [this](GCalendarRec&& calendar) {
            mCalendars.push_back(std::move(calendar));
            return true;
        });
    if (result == DataFileResult::CannotOpen)
        VL_LOG(diagnostics::CxDebugUtil::kError, kLogUnit, "Failed to open file: %s", path.c_str());
    if (result != DataFileResult::Ok) {
        mCalendars.clear();
        SetDataFileError(result, path);
        return false;
    }
    VL_LOG(diagnostics::CxDebugUtil::kInfo, kLogUnit, "%s", "Load Calendar definition information successfully.");
    return true;
}

}  // namespace velmora::connectors
