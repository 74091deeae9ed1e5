#include "CommDateMgr.h"

namespace velmora::model {
namespace {

void HashDate(FieldHasher& hasher, const platform::SystemTime& time)
{
    hasher.Number(time.Year);
    hasher.Number(time.Month);
    hasher.Number(time.Day);
}

}  // namespace

std::span<const FieldName> DateFieldTable()
{
    static constexpr FieldName kTable[] = {
        {1, "Description"}, {2, "Start Time"}, {3, "End Time"}, {4, "Start Date Time"}, {5, "End Date Time"},
        {6, "Date"}, {7, "Note"}, {8, "Private"}, {9, "Location"}, {10, "Importance"}, {11, "Category"},
        {12, "Alarm"}, {13, "All Day Event"}, {14, "Repeat"},
    };
    return kTable;
}

CommDateMgr::CommDateMgr() : RecordManager({1, 2, 3, 13}, {9}, true) {}

bool CommDateMgr::FieldEqual(const CommDateRec& a, const CommDateRec& b, int id) const
{
    switch (id) {
    case 1: return EqualNoCase(a.Subject.view(), b.Subject.view());
    case 2: return platform::CompareSystemDate(&a.Start, &b.Start) == 0;
    case 3: return platform::CompareSystemDate(&a.End, &b.End) == 0;
    case 7: return TextRuleEqual(a.Note.view(), b.Note.view(), false);
    case 9: return EqualNoCase(a.Location.view(), b.Location.view());
    case 13: return a.AllDay == b.AllDay;
    default: return true;
    }
}

void CommDateMgr::HashField(FieldHasher& hasher, const CommDateRec& record, int id) const
{
    switch (id) {
    case 1: HashNoCase(hasher, record.Subject.view()); break;
    case 2: HashDate(hasher, record.Start); break;
    case 3: HashDate(hasher, record.End); break;
    case 7: HashTextRule(hasher, record.Note.view(), false); break;
    case 9: HashNoCase(hasher, record.Location.view()); break;
    case 13: hasher.Number(record.AllDay); break;
    default: break;
    }
}

void CommDateMgr::Merge(CommDateRec& to, const CommDateRec& from) const
{
    CopyWhenGiven(to.Subject, from.Subject);
    CopyWhenGiven(to.Location, from.Location);
    CopyWhenGiven(to.Note, from.Note);
    CopyWhenGiven(to.Category, from.Category);
    to.ReminderSet = from.ReminderSet;
    to.AllDay = from.AllDay;
    to.Private = from.Private;
    to.Recurrence = from.Recurrence;
    to.Start = from.Start;
    to.End = from.End;
}

}  // namespace velmora::model
