#include "OlTaskUtil.h"

#include "OlItemFields.h"

#include "model/CxDateTime.h"

#include <limits>

namespace velmora::outlook {
namespace {

constexpr const char* kUnit = "OlTask";

constexpr WalkTexts kTexts{
    .Unit = kUnit,
    .NameRead = "Got the name of the Task folder: %s",
    .NameFailed = "Failed to get the name of the folder. hr=0x%x",
    .StoreRead = nullptr,
    .StoreFailed = nullptr,
    .ItemsFailed = "Failed to get the \"Items\" property of the Task folder. hr=0x%x",
};

constexpr ItemProperty<OlTaskRec> kProperties[] = {
    {u"Body", ReadMember<&OlTaskRec::Body>},
    {u"CardData", ReadMember<&OlTaskRec::CardData>},
    {u"Complete", ReadFlag<&OlTaskRec::Complete>},
    {u"DueDate", ReadMember<&OlTaskRec::DueDate>},
    {u"EntryID", ReadMember<&OlTaskRec::EntryID>},
    {u"Importance", ReadMember<&OlTaskRec::Importance>},
    {u"IsRecurring", ReadFlag<&OlTaskRec::IsRecurring>},
    {u"Mileage", ReadMember<&OlTaskRec::Mileage>},
    {u"Ordinal", ReadMember<&OlTaskRec::Ordinal>},
    {u"PercentComplete", ReadMember<&OlTaskRec::PercentComplete>},
    {u"ReminderOverrideDefault", ReadFlag<&OlTaskRec::ReminderOverrideDefault>},
    {u"ReminderPlaySound", ReadFlag<&OlTaskRec::ReminderPlaySound>},
    {u"ReminderSet", ReadFlag<&OlTaskRec::ReminderSet>},
    {u"ReminderSoundFile", ReadMember<&OlTaskRec::ReminderSoundFile>},
    {u"ReminderTime", ReadMember<&OlTaskRec::ReminderTime>},
    {u"ResponseState", ReadMember<&OlTaskRec::ResponseState>},
    {u"Role", ReadMember<&OlTaskRec::Role>},
    {u"Sensitivity", ReadMember<&OlTaskRec::Sensitivity>},
    {u"StartDate", ReadMember<&OlTaskRec::StartDate>},
    {u"Status", ReadMember<&OlTaskRec::Status>},
    {u"Subject", ReadMember<&OlTaskRec::Subject>},
    {u"TeamTask", ReadFlag<&OlTaskRec::TeamTask>},
    {u"TotalWork", ReadMember<&OlTaskRec::TotalWork>},
    {u"IsRecurring", ReadFlag<&OlTaskRec::IsRecurring>},
};

std::int32_t InRange(std::int32_t value, std::int32_t low, std::int32_t high)
{
    return value >= low && value <= high ? value : 0;
}

// Seconds since 1970 in local time; a date those seconds cannot hold is no due date.
std::int32_t DueSeconds(double dueDate)
{
    if (dueDate <= 0)
        return 0;
    const std::int64_t seconds = model::VariantToTimeT(dueDate);
    return seconds > 0 && seconds <= std::numeric_limits<std::int32_t>::max() ? static_cast<std::int32_t>(seconds) : 0;
}

}  // namespace

model::CommTaskRec ToCommon(const OlTaskRec& r)
{
    model::CommTaskRec c;
    c.Subject = r.Subject;
    c.Note = r.Body;
    c.Category = r.Categories;
    switch (r.Importance) {
    case 2: c.Priority = 1; break;  // high
    case 0: c.Priority = 2; break;  // low
    default: c.Priority = 0; break;
    }
    c.Completed = r.Complete != 0 ? 1 : 0;
    c.DueDate = DueSeconds(r.DueDate);
    c.Alarm = c.ReminderSet = r.ReminderSet != 0 ? 1 : 0;
    c.Sensitivity = InRange(r.Sensitivity, 1, 3);
    c.Private = c.Sensitivity != 0 ? 1 : 0;
    c.TaskStatus = InRange(r.Status, 1, 4);
    c.ResponseState = InRange(r.ResponseState, 1, 3);
    c.SourceType = model::RecordSource::Outlook;
    return c;
}

OlTaskUtil::OlTaskUtil() : OlReader(OlDefaultFolder::Tasks)
{
    Init();
}

const WalkTexts& OlTaskUtil::Texts() const
{
    return kTexts;
}

void OlTaskUtil::ReadItem(CDispCmd& item, OlTaskRec& raw)
{
    ReadProperties(item, kProperties, raw);
    ReadRecurrence(item, raw.IsRecurring, raw, kUnit);
    item.GetString(u"Categories", raw.Categories);
    item.GetDate(u"CreationTime", raw.CreationTime);
    item.GetDate(u"LastModificationTime", raw.LastModificationTime);
}

}  // namespace velmora::outlook
