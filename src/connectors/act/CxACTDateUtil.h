#pragma once

#include "ActConnector.h"

#include "model/CommDateMgr.h"

namespace velmora::connectors {

struct ActCalendarKind {
    using Raw = ActCalendarRec;
    using Manager = model::CommDateMgr;
    static constexpr const char* kLogUnit = "CxACTDate";
    static constexpr const char* kHelper = "Corvane.ACTDateUtil";
    static HelperFiles Files() { return {"ACTDate.dat", "ACTDateParam.dat", "ACTDateErr.dat", "ACTDateStatus.dat", "ACTDate.ini"}; }
    static constexpr ActLogTexts kTexts{
        "Start loading ACT! Calendar Events.",
        "Load ACT! Calendar events information successfully.",
        "Failed to load ACT! Calendar events information.",
        "Start loading ACT! Calendar events information from temperary file: %s",
        "There are %d Calendar event records in total.",
        "Load ACT! Calendar event information from file successfully.",
        "Start saving ACT! Calendar events information to file: %s",
        "There are %d Calendar event records in total.",
        "Save ACT! Calendar event information to file successfully.",
        "Failed to open file: %s",
        "Failed to open file: %s",
        nullptr,
        nullptr,
        "Can not save information to temperary file.",
    };
};

// The calendar entries of the ACT! database, through the helper Corvane.ACTDateUtil.
class CxACTDateUtil final : public ActConnector<ActCalendarKind> {};

}  // namespace velmora::connectors
