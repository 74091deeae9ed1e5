// velmora-batch: one whole migration without windows, exactly as the wizard runs it, configured
// by the settings file of the data folder (VLACT.ini).
//
//   velmora-batch [--select diff|all|none] [--dry-run] [--explain]
//
// Prints every loaded source record with its mark, whether it is selected, and the preview
// columns (tab-separated); with --explain, under each Different record, every compared field
// that differs from ACT!: its label, the value in ACT! and the value the migration writes. Migrates the selected records unless --dry-run, and prints the finish
// page's counts. Messages the wizard shows in boxes go to standard error. Exit status 0 on
// success, 1 on failure, 2 for wrong arguments.
#include "core/AppCommon.h"
#include "core/LoadAndCompare.h"
#include "core/MigrateToTarget.h"
#include "core/MigrationLock.h"
#include "core/PalmOptions.h"
#include "core/PreviewColumns.h"
#include "core/SessionManagers.h"
#include "core/UndoMigration.h"
#include "core/detail/RecordDifferences.h"
#include "model/CxDateTime.h"

#include "platform/CodePage.h"
#include "platform/CommandLine.h"
#include "platform/ConsoleUiHost.h"
#include "platform/PrivateFile.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

using namespace velmora;
using namespace velmora::core;

namespace {

enum class Selection { Diff, All, None };

const char* MarkOf(std::int32_t status)
{
    return status == model::RecStatus::New ? "New" : status == model::RecStatus::Different ? "Different" : "Same";
}

// Lists a data type's source records and fills its selection list the way the preview page does.
template <class Manager, class Record>
void Preview(const char* title, Manager* manager, model::CxList<Record>& selected, Selection selection, Session* explain)
{
    if (manager == nullptr)
        return;
    std::printf("%s\n", title);
    for (std::size_t i = 0; i < manager->Count(); ++i) {
        Record* record = manager->At(i);
        const bool chosen = selection == Selection::All || (selection == Selection::Diff && record->Status != 0);
        if (chosen)
            selected.Append(record);
        std::string line = std::string(MarkOf(record->Status)) + "\t" + (chosen ? "[x]" : "[ ]");
        for (const std::string& column : PreviewColumns(*record))
            line += "\t" + platform::AnsiToUtf8(column);
        std::printf("%s\n", line.c_str());
        if (explain == nullptr)
            continue;
        for (const model::FieldDifference& difference : DifferencesOf(*explain, *record)) {
            std::printf("\t\t%s\tin ACT!: %s\twrites: %s\n", difference.Label.c_str(),
                        platform::AnsiToUtf8(difference.InAct).c_str(), platform::AnsiToUtf8(difference.Written).c_str());
        }
    }
}

const platform::ProgramHelp kHelp{
    "velmora-batch",
    "velmora-batch [--select diff|all|none] [--dry-run] [--explain]\n"
    "       velmora-batch --list-migrations | --undo-last",
    "Runs one migration into ACT! exactly as the wizard does, without windows, configured by the\n"
    "settings the wizard saved, and prints every source record with its mark, whether it is\n"
    "selected and its preview columns, then the counts of the records migrated.\n"
    "\n"
    "Options:\n"
    "  --select diff|all|none  which records to migrate: new and different ones (the default),\n"
    "                          all, or none\n"
    "  --dry-run               load and compare only; print what would be migrated\n"
    "  --explain               under each Different record, the fields that differ from ACT!\n"
    "  --list-migrations       the migrations the ACT! database can undo: identifier, time,\n"
    "                          records added and changed, whether undone\n"
    "  --undo-last             undo the last migration not undone yet: remove what it added,\n"
    "                          restore what it changed, leave what was changed since\n"
    "  --help, --version       this text, or the version\n"
    "\n"
    "Exit status: 0 success, 1 a load or a submission failed, 2 wrong arguments.\n"
    "\n"
    "Files: VLACT.ini (settings), VLLog.txt (the migration log), appdebug.log (the debug log),\n"
    "VLACT.lock, all in $XDG_DATA_HOME/corvane/VLACT/ (default ~/.local/share/corvane/VLACT/);\n"
    "registry.reg there, when present, stands for the Windows registry.\n"
    "Environment: XDG_DATA_HOME, VELMORA_REGISTRY (registry files, ':'-separated), WINEPREFIX\n"
    "(default ~/.wine: its drives and, without registry files, its registry).\n",
};

int Usage()
{
    return platform::UsageError(kHelp);
}

std::string TimeText(double time)
{
    return model::CxDateTime(time).FormatDateTime();
}

// One line per migration: identifier, time, added and updated per data type, undone or not.
int ListJournal(AppContext& app, platform::ConsoleUiHost& ui)
{
    std::vector<connectors::ActMigration> migrations;
    if (!ListMigrations(app, ui, nullptr, migrations))
        return 1;
    std::printf("Migration\tTime\tAdded (contacts, calendar, to-dos, notes)\tChanged\tUndone\n");
    for (const connectors::ActMigration& m : migrations) {
        const auto four = [](const std::array<std::size_t, 4>& n) {
            return std::to_string(n[0]) + " " + std::to_string(n[1]) + " " + std::to_string(n[2]) + " " + std::to_string(n[3]);
        };
        std::printf("%s\t%s\t%s\t%s\t%s\n", m.Id.c_str(), TimeText(m.Time).c_str(), four(m.Added).c_str(),
                    four(m.Updated).c_str(), m.Undone ? "yes" : "no");
    }
    return 0;
}

int UndoLast(AppContext& app, platform::ConsoleUiHost& ui)
{
    std::vector<connectors::ActMigration> migrations;
    if (!ListMigrations(app, ui, nullptr, migrations))
        return 1;
    const auto last = std::find_if(migrations.begin(), migrations.end(), [](const auto& m) { return !m.Undone; });
    if (last == migrations.end()) {
        std::fprintf(stderr, "There is no migration to undo.\n");
        return 1;
    }
    std::printf("Undoing migration %s of %s: %s\n", last->Id.c_str(), TimeText(last->Time).c_str(), UndoQuestion(*last).c_str());
    UndoOutcome outcome;
    if (!UndoMigration(app, ui, nullptr, last->Id, outcome))
        return 1;
    const char* const kinds[] = {"Contact", "Calendar", "Task", "Notes"};
    for (std::size_t k = 0; k < 4; ++k) {
        const auto& c = outcome.Kinds[k];
        std::printf("%s records removed: %zu, restored: %zu, left as changed since: %zu\n", kinds[k], c.Removed, c.Restored, c.Left);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    platform::ReportFileSizeLimitAsError();
    if (const int status = platform::StandardOptions(argc, argv, kHelp, [](const char* option) {
            return std::strcmp(option, "--select") == 0 || std::strcmp(option, "--dry-run") == 0 ||
                   std::strcmp(option, "--explain") == 0 || std::strcmp(option, "--list-migrations") == 0 ||
                   std::strcmp(option, "--undo-last") == 0;
        }, true);
        status >= 0)
        return status;
    Selection selection = Selection::Diff;
    bool dryRun = false;
    bool explain = false;
    enum class Journal { None, List, UndoLast } journal = Journal::None;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--list-migrations") == 0 || std::strcmp(argv[i], "--undo-last") == 0) {
            if (argc != 2)
                return Usage();
            journal = argv[i][2] == 'l' ? Journal::List : Journal::UndoLast;
        } else if (std::strcmp(argv[i], "--dry-run") == 0) {
            dryRun = true;
        } else if (std::strcmp(argv[i], "--explain") == 0) {
            explain = true;
        } else if (std::strcmp(argv[i], "--select") == 0 && i + 1 < argc) {
            const std::string value = argv[++i];
            if (value == "diff")
                selection = Selection::Diff;
            else if (value == "all")
                selection = Selection::All;
            else if (value == "none")
                selection = Selection::None;
            else
                return Usage();
        } else {
            return Usage();
        }
    }

    std::string dataFolder;
    GetDataFolder(dataFolder);
    MigrationLock lock;
    if (!lock.Acquire(dataFolder)) {
        std::fprintf(stderr, "%s\n", MigrationLock::kBusyMessage);
        return 1;
    }
    AppContext& app = App();
    AppStartup(app);
    platform::ConsoleUiHost ui(stderr);
    if (journal != Journal::None) {
        const int status = journal == Journal::List ? ListJournal(app, ui) : UndoLast(app, ui);
        AppShutdown(app);
        return status;
    }
    const int source = app.Settings.SourceApp;
    if (source == AppType::PalmDesktop) {
        // As the Palm options page does: read the users, take the stored one or the first.
        const PalmOptions palm = ReadPalmOptions(ui, static_cast<std::uint32_t>(app.Settings.PDUserID));
        if (palm.Chosen >= 0)
            app.Settings.PDUserID = static_cast<int>(palm.Users[static_cast<std::size_t>(palm.Chosen)].Id);
    }
    ApplyFieldMapping(app, source);
    bool ok = LoadAndCompare(app, ui, nullptr, source, AppType::Act);
    if (ok) {
        const AppSettings& s = app.Settings;
        Session& session = app.Session;
        Session* explained = explain ? &session : nullptr;
        if (s.SyncAddr)
            Preview("Contacts", ContactsOf(session, source), session.SelectedAddr, selection, explained);
        if (s.SyncDate)
            Preview("Calendar", CalendarOf(session, source), session.SelectedDate, selection, explained);
        if (s.SyncTask)
            Preview("Task", TasksOf(session, source), session.SelectedTask, selection, explained);
        if (s.SyncNote)
            Preview("Notes", NotesOf(session, source), session.SelectedNote, selection, explained);
        if (!dryRun)
            ok = MigrateToTarget(app, ui, nullptr, AppType::Act);
    }
    // Only what was submitted successfully counts as migrated; a dry run says what would be.
    const Session& session = app.Session;
    const char* const kinds[] = {"Contact", "Calendar", "Task", "Notes"};
    const std::size_t chosen[] = {session.SelectedAddr.Count(), session.SelectedDate.Count(), session.SelectedTask.Count(),
                                  session.SelectedNote.Count()};
    for (std::size_t i = 0; i < 4; ++i) {
        if (dryRun && ok)
            std::printf("Number of %s Records that would be migrated:\t%zu\n", kinds[i], chosen[i]);
        else if (!dryRun)
            std::printf("Number of %s Records Migrated:\t%zu\n", kinds[i], session.Migrated[i]);
    }
    AppShutdown(app);
    return ok ? 0 : 1;
}
