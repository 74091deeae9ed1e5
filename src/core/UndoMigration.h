#pragma once

#include "AppCommon.h"

#include "connectors/act/CxACTBaseUtil.h"
#include "platform/UiHost.h"

#include <array>
#include <string>
#include <vector>

namespace velmora::core {

// Taking a migration back: the ACT! store journals every submission (the rows as they were and
// as the migration wrote them), and its helpers undo one migration kind by kind.

// The migrations the ACT! database journals, the latest first, read through the contacts
// helper; false after showing the helper's error.
bool ListMigrations(AppContext& app, platform::UiHost& ui, platform::WindowRef owner,
                    std::vector<connectors::ActMigration>& migrations);

// The question asked before undoing: "Remove the 3 contacts and 2 calendar entries this
// migration added and restore the 1 contact it changed?"
std::string UndoQuestion(const connectors::ActMigration& migration);

// What undoing did, per data type (contacts, calendar, to-dos, notes).
struct UndoOutcome {
    std::array<connectors::ActUndoCounts, 4> Kinds{};
    bool NothingToUndo() const;
};

// Undoes `migration` in ACT!, every data type, under the wait window; writes a block into the
// migration log and reports the result through `ui`. False when a helper failed (its error shown;
// the data types undone before it stay undone).
bool UndoMigration(AppContext& app, platform::UiHost& ui, platform::WindowRef owner, const std::string& migration,
                   UndoOutcome& outcome);

}  // namespace velmora::core
