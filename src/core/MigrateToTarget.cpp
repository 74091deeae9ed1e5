#include "MigrateToTarget.h"

#include "CxVLLog.h"
#include "SessionManagers.h"

#include "connectors/act/CxACTAddrUtil.h"
#include "connectors/act/CxACTDateUtil.h"
#include "connectors/act/CxACTNoteUtil.h"
#include "connectors/act/CxACTTaskUtil.h"
#include "diagnostics/CxDebugUtil.h"
#include "model/CxDateTime.h"

#include <cstdio>
#include <exception>
#include <random>
#include <string>

namespace velmora::core {
namespace {

using platform::UiHost;

// One data type's submission: its selection list, its ACT! connector, how its records are
// logged, its status file and its failure text.
template <class ConnectorType, class Record>
struct SubmitStep {
    const char* TypeName;  // in the log's failure block
    bool Sync;
    Slot<ConnectorType>& Connector;
    model::CxList<Record>& Selection;
    void (CxVLLog::*LogRecord)(const Record*);
    const char* StatusFile;
    const char* Failure;
    std::size_t& Migrated;
};

// Hands one selection list to its ACT! connector and submits. The records are logged as migrated
// only once the submission succeeded; a failed one writes a failure block and is shown. False
// after a failure.
template <class ConnectorType, class Record>
SubmitStep(const char*, bool, Slot<ConnectorType>&, model::CxList<Record>&, void (CxVLLog::*)(const Record*), const char*,
           const char*, std::size_t&) -> SubmitStep<ConnectorType, Record>;

template <class ConnectorType, class Record>
bool Submit(AppContext& app, UiHost& ui, platform::WindowRef owner, CxVLLog& log, const SubmitStep<ConnectorType, Record>& step)
{
    if (!step.Sync || !step.Connector || step.Selection.Count() == 0)
        return true;
    for (std::size_t i = 0; i < step.Selection.Count(); ++i)
        step.Connector->SubmitOne(step.Selection.At(i), false);
    ui.WatchStatusFile(app.DataFolder + step.StatusFile);
    if (step.Connector->Submit() && !step.Connector->HasError()) {
        // The next data type's submission needs the memory more than this one needs its index.
        step.Connector->GetManager().ReleaseIndex();
        for (std::size_t i = 0; i < step.Selection.Count(); ++i)
            (log.*step.LogRecord)(step.Selection.At(i));
        step.Migrated = step.Selection.Count();
        return true;
    }
    const std::string error = step.Connector->GetErrorText();
    log.WriteLine(std::string("Failed to migrate ") + step.TypeName + " items:");
    log.WriteLine(CxVLLog::FormatField(1, "Error", error));
    log.WriteLine(CxVLLog::FormatField(1, "Records not migrated", std::to_string(step.Selection.Count())) + "\r\n");
    const std::string message = std::string(step.Failure) + error;
    ui.StopWaitWindow();
    ui.ShowMessage(owner, "Error", message, platform::MessageIcon::Error);
    VL_LOG(diagnostics::CxDebugUtil::kError, "AppCommon", "%s", message.c_str());
    log.Close();
    return false;
}

// A migration's identifier: when it ran, and enough randomness to tell two of one second apart.
std::string NewMigrationId()
{
    std::random_device random;
    char text[64];
    const model::SystemTime now = model::CxDateTime().GetSystemTime();
    std::snprintf(text, sizeof text, "%04d%02d%02d-%02d%02d%02d-%08X", now.Year, now.Month, now.Day, now.Hour, now.Minute,
                  now.Second, static_cast<unsigned>(random()));
    return text;
}

}  // namespace

bool MigrateToAct(AppContext& app, UiHost& ui, platform::WindowRef owner)
{
    GetDataFolder(app.DataFolder);
    CxVLLog log(app.DataFolder);
    ui.StartWaitWindow(owner);
    ui.SetWaitText("Migrating information to ACT! ...");
    ui.Pause(200);
    log.Open();
    log.WriteLine("Migrating information to ACT! ...\r\n");
    const AppSettings& s = app.Settings;
    Session& session = app.Session;
    session.Migrated = {};
    // Every data type's submission is journaled in the ACT! store under this one identifier.
    const std::string migration = NewMigrationId();
    session.LastMigration = migration;
    const auto name = [&migration](auto& connector) {
        if (connector)
            connector->MigrationId = migration;
    };
    name(session.Act.Addr);
    name(session.Act.Date);
    name(session.Act.Task);
    name(session.Act.Note);
    auto& migrated = session.Migrated;
    if (!Submit(app, ui, owner, log,
                SubmitStep{"Contact", s.SyncAddr, session.Act.Addr, session.SelectedAddr, &CxVLLog::LogContact,
                           "ACTAddrStatus.dat", "Failed to submit Contact changes to ACT!, Error=", migrated[0]}) ||
        !Submit(app, ui, owner, log,
                SubmitStep{"Calendar", s.SyncDate, session.Act.Date, session.SelectedDate, &CxVLLog::LogCalendar,
                           "ACTDateStatus.dat", "Failed to submit Calendar changes to ACT!, Error=", migrated[1]}) ||
        !Submit(app, ui, owner, log,
                SubmitStep{"Task", s.SyncTask, session.Act.Task, session.SelectedTask, &CxVLLog::LogTask,
                           "ACTTaskStatus.dat", "Failed to submit Task changes to ACT!, Error=", migrated[2]}) ||
        !Submit(app, ui, owner, log,
                SubmitStep{"Note", s.SyncNote, session.Act.Note, session.SelectedNote, &CxVLLog::LogNote,
                           "ACTNoteStatus.dat", "Failed to submit Notes changes to ACT!, Error=", migrated[3]}))
        return false;
    ui.StopWaitWindow();
    log.WriteLine("Migrating information to ACT! completed successfully.");
    log.Close();
    return true;
}

bool MigrateToTarget(AppContext& app, UiHost& ui, platform::WindowRef owner, int targetApp)
{
    if (targetApp != AppType::Act)
        return false;
    try {
        return MigrateToAct(app, ui, owner);
    } catch (const std::exception& error) {
        ui.StopWaitWindow();
        VL_LOG(diagnostics::CxDebugUtil::kError, "AppCommon", "%s", error.what());
        ui.ShowErrorReport(error.what());
        return false;
    }
}

}  // namespace velmora::core
