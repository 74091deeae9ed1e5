#pragma once

#include "connectors/exchange/HelperConnector.h"

#include "model/TextValue.h"

#include <array>
#include <string>
#include <vector>

namespace velmora::connectors {

// The ACT! family writes the shared parameter file and runs its helpers with the shared runner.
using CxACTParamParser = ParamParser;
using CxACTDataReader = HelperRunner;

inline constexpr HelperFamily kActFamily{"CxACTCommon"};

// What undoing one kind of a migration did: nothing to undo (not journaled, or undone already),
// or the records it added removed, those it updated restored, and those changed since left.
struct ActUndoCounts {
    bool NothingToUndo = false;
    std::size_t Removed = 0;
    std::size_t Restored = 0;
    std::size_t Left = 0;
};

// A migration the ACT! store journals: its identifier, time (automation date), and the records
// it added and updated per kind (contacts, calendar, to-dos, notes).
struct ActMigration {
    std::string Id;
    double Time = 0;
    std::array<std::size_t, 4> Added{};
    std::array<std::size_t, 4> Updated{};
    bool Undone = false;
};

// The base of the four ACT! connectors: the database, the login and the ACT! parameter table.
class CxACTBaseUtil : public HelperConnector {
public:
    model::Text<256> DatabasePath;
    model::Text<256> UserName;
    model::Text<256> Password;  // plain; it reaches the helper only through the parameter file
    model::Text<64> MigrationId;  // the migration a submission belongs to, or the one to undo

    // Undoes this kind's records of the migration MigrationId names.
    bool UndoMigration(ActUndoCounts& counts);
    // The migrations the store journals, the latest first.
    bool ReadMigrations(std::vector<ActMigration>& migrations);

protected:
    CxACTBaseUtil(std::string helperName, HelperFiles files)
        : HelperConnector(kActFamily, std::move(helperName), std::move(files))
    {
    }

    void AddParams(ParamParser& params) const override;
    // Parameters of one connector kind, between 1007 and 1012.
    virtual void AddKindParams(ParamParser&) const {}
};

}  // namespace velmora::connectors
