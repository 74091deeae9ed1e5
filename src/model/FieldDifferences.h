#pragma once

#include "CommAddrMgr.h"
#include "CommDateMgr.h"
#include "CommNoteMgr.h"
#include "CommTaskMgr.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmora::model {

// One compared field on which a source record and its ACT! counterpart differ: the field's
// label, its value in ACT!, and the value a merge of the source record leaves there. Values are
// shown as ShownText makes them; a value the merge keeps because the source has none says so.
struct FieldDifference {
    std::string Label;
    std::string InAct;
    std::string Written;
};

// The differences of a source record from the ACT! record it matched (`inAct`), by the rules
// of the manager that compared them: exactly the compared fields the manager finds unequal.
std::vector<FieldDifference> Differences(const CommAddrMgr& rules, const CommAddrRec& inAct, const CommAddrRec& source);
std::vector<FieldDifference> Differences(const CommDateMgr& rules, const CommDateRec& inAct, const CommDateRec& source);
std::vector<FieldDifference> Differences(const CommTaskMgr& rules, const CommTaskRec& inAct, const CommTaskRec& source);
std::vector<FieldDifference> Differences(const CommNoteMgr& rules, const CommNoteRec& inAct, const CommNoteRec& source);

// A value as a list shows it, so that what tells two values apart stays visible: "(empty)"
// for an empty one; line breaks inside as " (line break) " and a trailing one as
// " (line break at end)".
std::string ShownText(std::string_view value);

}  // namespace velmora::model
