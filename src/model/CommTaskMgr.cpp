#include "CommTaskMgr.h"

namespace velmora::model {

std::span<const FieldName> TaskFieldTable()
{
    static constexpr FieldName kTable[] = {
        {0, "Subject"}, {1, "Note"},  {2, "Priority"}, {3, "Completed"},
        {4, "DueDate"}, {5, "Alarm"}, {6, "Private"},  {7, "Category"},
    };
    return kTable;
}

// Subject twice in the compared list is how the lists have always been stored; it is harmless.
CommTaskMgr::CommTaskMgr() : RecordManager({0}, {2, 4, 0, 0}, false) {}

bool CommTaskMgr::FieldEqual(const CommTaskRec& a, const CommTaskRec& b, int id) const
{
    switch (id) {
    case 0: return EqualNoCase(a.Subject.view(), b.Subject.view());
    case 1: return EqualNoCase(a.Note.view(), b.Note.view());
    case 2: return a.Priority == b.Priority;
    case 3: return a.Completed == b.Completed;
    case 5: return a.Alarm == b.Alarm;
    case 6: return a.Private == b.Private;
    default: return true;
    }
}

void CommTaskMgr::HashField(FieldHasher& hasher, const CommTaskRec& record, int id) const
{
    switch (id) {
    case 0: HashNoCase(hasher, record.Subject.view()); break;
    case 1: HashNoCase(hasher, record.Note.view()); break;
    case 2: hasher.Number(record.Priority); break;
    case 3: hasher.Number(record.Completed); break;
    case 5: hasher.Number(record.Alarm); break;
    case 6: hasher.Number(record.Private); break;
    default: break;
    }
}

void CommTaskMgr::Merge(CommTaskRec& to, const CommTaskRec& from) const
{
    CopyWhenGiven(to.Subject, from.Subject);
    CopyWhenGiven(to.Note, from.Note);
    to.DueDate = from.DueDate;
    to.Alarm = from.Alarm;
    to.Private = from.Private;
    to.Completed = from.Completed;
    to.Priority = from.Priority;
}

}  // namespace velmora::model
