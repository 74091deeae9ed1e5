#include "CxLNDateUtil.h"

#include "model/CxDateTime.h"

#include <cstdlib>

namespace velmora::connectors {
namespace {

// A decimal text's leading digits, with an optional sign; 0 without digits.
std::int32_t Decimal(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+'))
        negative = text[at++] == '-';
    std::int64_t value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9' && value < 100'000'000; ++at)
        value = value * 10 + (text[at] - '0');
    return static_cast<std::int32_t>(negative ? -value : value);
}

model::RecurrenceRule RecurrenceOf(const LNEventRec& r, const model::SystemTime& start)
{
    model::RecurrenceRule rule;
    if (r.RepeatFlag.view().substr(0, 1) != "1")
        return rule;
    const std::string_view unit = r.RepeatUnit.view();
    const std::int32_t value = Decimal(r.RepeatValue.view());
    if (unit == "D") {
        rule.Kind = 1;
    } else if (unit == "W") {
        rule.Kind = 2;
        rule.Weekdays = value;
    } else if (unit == "MD") {
        rule.Kind = 4;
        rule.DayOfMonth = value;
    } else if (unit == "MP") {
        rule.Kind = 3;
        rule.Weekdays = value;
    } else if (unit == "Y") {
        rule.Kind = 6;
        rule.Month = start.Month;
        rule.DayOfMonth = start.Day;
    } else {
        return rule;
    }
    rule.Interval = Decimal(r.RepeatInterval.view());
    if (r.RepeatUntil > 0) {
        rule.HasEnd = 1;
        rule.EndDate = model::SystemTimeOf(r.RepeatUntil);
    }
    return rule;
}

constexpr LNLoadTexts kDateTexts{
    .Start = "Start loading Lotus Notes Calendar.",
    .FromFile = "Start loading Lotus Notes Calendar from temperary file: %s",
    .OpenFailed = "Failed to open file: %s",
    .Count = "There are %d Calendar records in total.",
    .FileDone = "Load Lotus Notes Calendar information from file successfully.",
    .Done = "Load Lotus Notes Calendar information successfully.",
    .Failed = "Failed to load Lotus Notes Calendar information.",
};

constexpr LNLoadTexts kTaskTexts{
    .Start = "Start loading Lotus Notes Tasks.",
    .FromFile = "Start loading Lotus Notes Tasks from temperary file: %s",
    .OpenFailed = "Failed to open file: %s",
    .Count = "There are %d Task records in total.",
    .FileDone = "Load Lotus Notes Tasks information from file successfully.",
    .Done = "Load Lotus Notes Tasks information successfully.",
    .Failed = "Failed to load Lotus Notes Tasks information.",
};

constexpr LNLoadTexts kNoteTexts{
    .Start = nullptr,
    .FromFile = nullptr,
    .OpenFailed = "Cannot load Lotus Notes Note records from temperary file: %s",
    .Count = nullptr,
    .FileDone = nullptr,
    .Done = nullptr,
    .Failed = nullptr,
};

}  // namespace

model::CommDateRec ToCommon(const LNEventRec& r)
{
    model::CommDateRec c;
    c.Subject = r.Subject;
    c.Location = r.Location;
    c.Note = r.Body;
    c.Start = model::SystemTimeOf(r.Start);
    c.End = model::SystemTimeOf(r.End);
    c.Private = r.Private != 0 ? 1 : 0;
    c.Recurrence = RecurrenceOf(r, c.Start);
    c.SourceType = model::RecordSource::LotusNotes;
    return c;
}

model::CommTaskRec ToCommon(const LNTodoRec& r, double now)
{
    model::CommTaskRec c;
    c.Subject = r.Subject;
    c.Note = r.Body;
    c.Priority = r.Priority == 0 ? 1 : r.Priority == 2 ? 2 : 0;
    if (r.Due != 0) {
        const std::int64_t seconds = model::VariantToTimeT(r.Due);
        c.DueDate = seconds > 0 && seconds <= INT32_MAX ? static_cast<std::int32_t>(seconds) : 0;
    }
    c.Private = r.Private != 0 ? 1 : 0;
    if (r.EndTime > 0)
        c.Completed = r.EndTime <= now ? 1 : 0;
    c.SourceType = model::RecordSource::LotusNotes;
    return c;
}

model::CommNoteRec ToCommon(const LNNotebookRec& r)
{
    model::CommNoteRec c;
    c.Subject = r.Subject.view().substr(0, 255);
    c.Text = r.Body;
    c.SourceType = model::RecordSource::LotusNotes;
    return c;
}

CxLNDateUtil::CxLNDateUtil() : CxLNRecordsUtil(lotus::kLNDate) {}
CxLNTaskUtil::CxLNTaskUtil() : CxLNRecordsUtil(lotus::kLNTask) {}
CxLNNoteUtil::CxLNNoteUtil() : CxLNRecordsUtil(lotus::kLNNote) {}

bool CxLNDateUtil::Load()
{
    return LoadRecords(kDateTexts, [](const LNEventRec& raw) { return ToCommon(raw); });
}

bool CxLNTaskUtil::Load()
{
    const double now = model::CxDateTime().VariantTime();
    return LoadRecords(kTaskTexts, [now](const LNTodoRec& raw) { return ToCommon(raw, now); });
}

bool CxLNNoteUtil::Load()
{
    return LoadRecords(kNoteTexts, [](const LNNotebookRec& raw) { return ToCommon(raw); });
}

}  // namespace velmora::connectors
