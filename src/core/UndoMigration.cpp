#include "UndoMigration.h"

#include "CxVLLog.h"
#include "LoadAndCompare.h"

#include "connectors/act/CxACTAddrUtil.h"
#include "connectors/act/CxACTDateUtil.h"
#include "connectors/act/CxACTNoteUtil.h"
#include "connectors/act/CxACTTaskUtil.h"
#include "diagnostics/CxDebugUtil.h"

namespace velmora::core {
namespace {

struct KindNames {
    const char* one;
    const char* many;
    const char* title;  // in the migration log
};

constexpr KindNames kKinds[] = {
    {"contact", "contacts", "Contacts"},
    {"calendar entry", "calendar entries", "Calendar entries"},
    {"to-do", "to-dos", "To-dos"},
    {"note", "notes", "Notes"},
};

std::string Counted(std::size_t count, std::size_t kind)
{
    return std::to_string(count) + " " + (count == 1 ? kKinds[kind].one : kKinds[kind].many);
}

// "3 contacts and 2 calendar entries", "1 contact, 2 to-dos and 3 notes"; empty for none.
template <class CountOf>
std::string Listed(CountOf countOf)
{
    std::vector<std::string> parts;
    for (std::size_t k = 0; k < 4; ++k) {
        if (countOf(k) > 0)
            parts.push_back(Counted(countOf(k), k));
    }
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i)
        text += (i == 0 ? "" : i + 1 == parts.size() ? " and " : ", ") + parts[i];
    return text;
}

// The session's ACT! connector of one kind, made when missing, ready to run its helper.
template <class Connector>
Connector& ActConnectorOf(Slot<Connector>& slot, const AppContext& app, platform::UiHost& ui)
{
    if (!slot)
        slot = MakeSlot<Connector>();
    SetUpActConnector(*slot, app, ui);
    return *slot;
}

connectors::CxACTBaseUtil& ConnectorOfKind(std::size_t kind, AppContext& app, platform::UiHost& ui)
{
    Session& s = app.Session;
    switch (kind) {
    case 0: return ActConnectorOf(s.Act.Addr, app, ui);
    case 1: return ActConnectorOf(s.Act.Date, app, ui);
    case 2: return ActConnectorOf(s.Act.Task, app, ui);
    default: return ActConnectorOf(s.Act.Note, app, ui);
    }
}

bool Failed(platform::UiHost& ui, platform::WindowRef owner, const connectors::CxACTBaseUtil& connector)
{
    ui.StopWaitWindow();
    const std::string message = "The ACT! database cannot be undone: " + connector.GetErrorText();
    VL_LOG(diagnostics::CxDebugUtil::kError, "AppCommon", "%s", message.c_str());
    ui.ShowMessage(owner, "Error", message, platform::MessageIcon::Error);
    return false;
}

}  // namespace

bool UndoOutcome::NothingToUndo() const
{
    for (const auto& kind : Kinds) {
        if (!kind.NothingToUndo)
            return false;
    }
    return true;
}

bool ListMigrations(AppContext& app, platform::UiHost& ui, platform::WindowRef owner,
                    std::vector<connectors::ActMigration>& migrations)
{
    GetDataFolder(app.DataFolder);
    connectors::CxACTBaseUtil& contacts = ConnectorOfKind(0, app, ui);
    if (!contacts.ReadMigrations(migrations)) {
        const std::string message = "The migrations of the ACT! database cannot be read: " + contacts.GetErrorText();
        ui.ShowMessage(owner, "Error", message, platform::MessageIcon::Error);
        return false;
    }
    return true;
}

std::string UndoQuestion(const connectors::ActMigration& m)
{
    const std::string added = Listed([&](std::size_t k) { return m.Added[k]; });
    const std::string updated = Listed([&](std::size_t k) { return m.Updated[k]; });
    if (added.empty() && updated.empty())
        return "This migration changed nothing in ACT!. Mark it undone?";
    if (updated.empty())
        return "Remove the " + added + " this migration added?";
    if (added.empty())
        return "Restore the " + updated + " this migration changed?";
    return "Remove the " + added + " this migration added and restore the " + updated + " it changed?";
}

bool UndoMigration(AppContext& app, platform::UiHost& ui, platform::WindowRef owner, const std::string& migration,
                   UndoOutcome& outcome)
{
    outcome = {};
    GetDataFolder(app.DataFolder);
    CxVLLog log(app.DataFolder);
    log.OpenToAppend();
    log.WriteLine("\r\nUndoing migration " + migration + " in ACT! ...");
    ui.StartWaitWindow(owner);
    ui.SetWaitText("Undoing the migration in ACT! ...");
    for (std::size_t k = 0; k < 4; ++k) {
        connectors::CxACTBaseUtil& connector = ConnectorOfKind(k, app, ui);
        connector.MigrationId = migration;
        ui.WatchStatusFile(connector.FilePath(connector.Files().Status));
        if (!connector.UndoMigration(outcome.Kinds[k])) {
            log.WriteLine(CxVLLog::FormatField(1, "Error", connector.GetErrorText()));
            return Failed(ui, owner, connector);
        }
        const connectors::ActUndoCounts& c = outcome.Kinds[k];
        if (c.NothingToUndo)
            continue;
        const std::string title = kKinds[k].title;
        log.WriteLine(CxVLLog::FormatField(1, title + " removed", std::to_string(c.Removed)));
        log.WriteLine(CxVLLog::FormatField(1, title + " restored", std::to_string(c.Restored)));
        log.WriteLine(CxVLLog::FormatField(1, title + " changed since and left as they are", std::to_string(c.Left)));
        // What the migration put there is gone again.
        app.Session.Migrated[k] = 0;
    }
    ui.StopWaitWindow();
    std::string message;
    if (outcome.NothingToUndo()) {
        message = "There is nothing to undo: the migration was undone already or is no longer in the journal of the "
                  "ACT! database.";
    } else {
        const std::string removed = Listed([&](std::size_t k) { return outcome.Kinds[k].Removed; });
        const std::string restored = Listed([&](std::size_t k) { return outcome.Kinds[k].Restored; });
        message = "The migration was undone.";
        if (!removed.empty())
            message += " Removed: " + removed + ".";
        if (!restored.empty())
            message += " Restored: " + restored + ".";
        for (std::size_t k = 0; k < 4; ++k) {
            const std::size_t left = outcome.Kinds[k].Left;
            if (left > 0)
                message += " " + Counted(left, k) + (left == 1 ? " was" : " were") +
                           " changed after the migration and " + (left == 1 ? "was" : "were") + " left as " +
                           (left == 1 ? "it is." : "they are.");
        }
    }
    log.WriteLine(message);
    log.Close();
    ui.ShowMessage(owner, "Undo Migration", message, platform::MessageIcon::Information);
    return true;
}

}  // namespace velmora::core
