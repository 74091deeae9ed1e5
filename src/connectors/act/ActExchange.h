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
    kActParamMigration = 1016,          // the migration a submission belongs to, or the one to undo
};

// What the undo and history modes leave in the data file, as an INI file: [Undo] with
// NothingToUndo, Removed, Restored and Left; [Migrations] Count, and per migration i (1 the
// latest) a section Migration.i with Id, Time, Undone, and Added.k and Updated.k per kind k
// (0 contacts, 1 calendar, 2 to-dos, 3 notes).
inline constexpr const char* kUndoSection = "Undo";
inline constexpr const char* kHistorySection = "Migrations";

}  // namespace velmora::connectors::act
