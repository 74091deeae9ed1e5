#pragma once

#include "ActConnector.h"
#include "ActExchange.h"

#include "model/CommTaskMgr.h"

namespace velmora::connectors {

struct ActTodoKind {
    using Raw = ActTodoRec;
    using Manager = model::CommTaskMgr;
    static constexpr const char* kLogUnit = "CxACTTask";
    static constexpr const char* kHelper = "Corvane.ACTTaskUtil";
    static HelperFiles Files() { return {"ACTTask.dat", "ACTTaskParam.dat", "ACTTaskErr.dat", "ACTTaskStatus.dat", "ACTTask.ini"}; }
    static constexpr ActLogTexts kTexts{
        "Start loading ACT! Todos and Opportunities.",
        "Load ACT! Todos and Opportunities information successfully.",
        "Failed to load ACT! Todos and Opportunities information.",
        "Start loading ACT! Todos and Opportunities information from temperary file: %s",
        "There are %d records in total.",
        nullptr,
        "Start saving ACT! Todos and Opportunities information to file: %s",
        "There are %d records in total.",
        "Save ACT! Todos and Opportunities information to file successfully.",
        "Failed to open file: %s",
        "Failed to open file: %s",
        nullptr,
        nullptr,
        "Can not save information to temperary file.",
    };
};

// The to-dos (and opportunities) of the ACT! database, through the helper Corvane.ACTTaskUtil.
class CxACTTaskUtil final : public ActConnector<ActTodoKind> {
public:
    // Handed to the helper as parameters 1008 and 1009.
    void SetOpportunities(bool on) { mOpportunities = on; }
    void SetOpportunityNotes(bool on) { mOpportunityNotes = on; }

protected:
    void AddKindParams(ParamParser& params) const override
    {
        params.SetParam(act::kActParamOpportunities, ParamParser::kText, mOpportunities ? "1" : "0");
        params.SetParam(act::kActParamOpportunityNotes, ParamParser::kText, mOpportunityNotes ? "1" : "0");
    }

private:
    bool mOpportunities = true;
    bool mOpportunityNotes = true;
};

}  // namespace velmora::connectors
