#pragma once

#include <cstdint>

namespace velmora::connectors::act {

// The ACT! helpers' parameters, as the connectors write them and the helpers read them.
enum ActParam : std::int32_t {
    kActParamDatabase = 1000,
    kActParamUserName = 1001,
    kActParamPassword = 1002,
    kActParamDataFile = 1003,
    kActParamWorkFolder = 1004,
    kActParamMode = 1005,
    kActParamErrorFile = 1006,
    kActParamStatusFile = 1007,
    kActParamOpportunities = 1008,      // the to-do and opportunity helper only
    kActParamOpportunityNotes = 1009,   // the same
    kActParamLogFolder = 1012,
    kActParamLogFile = 1013,            // sent empty
    kActParamLogLevel = 1014,
    kActParamLogEnabled = 1015,
};

}  // namespace velmora::connectors::act
