#pragma once

#include "RecordDetail.h"

#include "core/Session.h"
#include "model/FieldDifferences.h"

namespace velmora::core {

// What a migration would change in ACT! for a record marked Different: its differences from
// the ACT! record it matched, by the rules of the ACT! manager that marked it. Empty for a
// record of another mark, without its counterpart, or when the session holds no ACT! records.
std::vector<model::FieldDifference> DifferencesOf(Session& session, const model::CommAddrRec& record);
std::vector<model::FieldDifference> DifferencesOf(Session& session, const model::CommDateRec& record);
std::vector<model::FieldDifference> DifferencesOf(Session& session, const model::CommTaskRec& record);
std::vector<model::FieldDifference> DifferencesOf(Session& session, const model::CommNoteRec& record);

// Adds the tab "Differences" listing them, when there are any.
void AddDifferencesTab(RecordDetail& detail, const std::vector<model::FieldDifference>& differences);

}  // namespace velmora::core
