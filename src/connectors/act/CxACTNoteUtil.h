#pragma once

#include "ActConnector.h"

#include "model/CommNoteMgr.h"

namespace velmora::connectors {

struct ActNoteKind {
    using Raw = ActNoteRec;
    using Manager = model::CommNoteMgr;
    static constexpr const char* kLogUnit = "CxACTNote";
    static constexpr const char* kHelper = "Corvane.ACTNoteUtil";
    static HelperFiles Files() { return {"ACTNote.dat", "ACTNoteParam.dat", "ACTNoteErr.dat", "ACTNoteStatus.dat", "ACTNote.ini"}; }
    static constexpr ActLogTexts kTexts{
        "Start loading ACT! Notes.",
        "Load ACT! Notes information successfully.",
        "Failed to load ACT! Notes information.",
        "Start loading ACT! Notes information from temperary file: %s",
        nullptr,
        nullptr,
        nullptr,
        nullptr,
        nullptr,
        "Cannot load ACT! Notes records from temperary file: %s",
        "Cannot save ACT! Notes records to temperary file: %s",
        nullptr,
        nullptr,
        "Can not save information to temperary file.",
    };
};

// The notes of the ACT! database, through the helper Corvane.ACTNoteUtil.
class CxACTNoteUtil final : public ActConnector<ActNoteKind> {};

}  // namespace velmora::connectors
