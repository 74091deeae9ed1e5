#pragma once

#include "ActConnector.h"

#include "model/CommAddrMgr.h"

#include <span>

namespace velmora::connectors {

struct ActContactKind {
    using Raw = ActContactRec;
    using Manager = model::CommAddrMgr;
    static constexpr const char* kLogUnit = "CxACTAddr";
    static constexpr const char* kHelper = "Corvane.ACTAddrUtil";
    static HelperFiles Files() { return {"ACTAddr.dat", "ACTAddrParam.dat", "ACTAddrErr.dat", "ACTAddrStatus.dat", "ACTAddr.ini"}; }
    static constexpr ActLogTexts kTexts{
        "Start loading ACT! Contacts.",
        "Load ACT! Contacts information successfully.",
        "Failed to load ACT! Contacts information.",
        "Start loading ACT! Contacts from temperary file: %s",
        "There are %d Contact records in total.",
        "Load ACT! Contacts information from file successfully.",
        "Start saving ACT! Contacts information to file: %s",
        "There are %d Contact records in total.",
        "Save ACT! Contacts information to file successfully.",
        "Failed to open file: %s",
        "Failed to open file: %s",
        "Start submitting changes to server.",
        "There is no new changes and no need to submit information to server.",
        "Can not save information to temperary file.",
    };
};

// The 89 fields of an ACT! contact, in id order: id, name, type (1 text, 3 flag, 6 date), size.
std::span<const model::FieldInfo> ActContactFieldTable();

// The contacts of the ACT! database, through the helper Corvane.ACTAddrUtil.
class CxACTAddrUtil final : public ActConnector<ActContactKind> {
public:
    static std::size_t FieldCount() { return ActContactFieldTable().size(); }
    // Id and name at a position of the catalogue; 0 and "N/A" outside it.
    static int FieldIdAt(std::size_t position);
    static const char* FieldNameAt(std::size_t position);
    // The entry with an id, or null.
    static const model::FieldInfo* FieldById(int id);
};

}  // namespace velmora::connectors
