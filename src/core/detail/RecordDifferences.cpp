#include "RecordDifferences.h"

#include "core/SessionManagers.h"

namespace velmora::core {
namespace {

template <class Manager, class Rec>
std::vector<model::FieldDifference> DifferencesBy(const Manager* act, const Rec& record)
{
    if (act == nullptr || record.Status != model::RecStatus::Different || record.MatchedRec == nullptr)
        return {};
    return model::Differences(*act, *record.MatchedRec, record);
}

}  // namespace

std::vector<model::FieldDifference> DifferencesOf(Session& session, const model::CommAddrRec& record)
{
    return DifferencesBy(ContactsOf(session, AppType::Act), record);
}

std::vector<model::FieldDifference> DifferencesOf(Session& session, const model::CommDateRec& record)
{
    return DifferencesBy(CalendarOf(session, AppType::Act), record);
}

std::vector<model::FieldDifference> DifferencesOf(Session& session, const model::CommTaskRec& record)
{
    return DifferencesBy(TasksOf(session, AppType::Act), record);
}

std::vector<model::FieldDifference> DifferencesOf(Session& session, const model::CommNoteRec& record)
{
    return DifferencesBy(NotesOf(session, AppType::Act), record);
}

void AddDifferencesTab(RecordDetail& detail, const std::vector<model::FieldDifference>& differences)
{
    if (differences.empty())
        return;
    DetailList list{.Name = "lvDiff", .Columns = {"Field", "In ACT!", "Migration writes"}};
    for (const model::FieldDifference& difference : differences)
        list.Rows.push_back({difference.Label, difference.InAct, difference.Written});
    detail.Tabs.push_back(DetailTab{.Caption = "Differences", .Lists = {std::move(list)}});
}

}  // namespace velmora::core
