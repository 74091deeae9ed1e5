#include "MigrateToTarget.h"

#include "CxVLLog.h"
#include "SessionManagers.h"

#include "connectors/act/CxACTAddrUtil.h"
#include "connectors/act/CxACTDateUtil.h"
#include "connectors/act/CxACTNoteUtil.h"
#include "connectors/act/CxACTTaskUtil.h"
#include "diagnostics/CxDebugUtil.h"

#include <exception>

namespace velmora::core {
namespace {

using platform::UiHost;

// Hands one selection list to its ACT! connector and submits; false after showing the failure.
template <class Connector, class Record, class LogRecord>
bool Submit(AppContext& app, UiHost& ui, platform::WindowRef owner, CxVLLog& log, bool sync, Slot<Connector>& connector,
            model::CxList<Record>& selection, LogRecord logRecord, const char* statusFile, const char* failure)
{
    if (!sync || !connector || selection.Count() == 0)
        return true;
    for (std::size_t i = 0; i < selection.Count(); ++i) {
        Record* record = selection.At(i);
        connector->SubmitOne(record, false);
        (log.*logRecord)(record);
    }
    ui.WatchStatusFile(app.DataFolder + statusFile);
    if (connector->Submit() && !connector->HasError())
        return true;
    const std::string message = std::string(failure) + connector->GetErrorText();
    ui.StopWaitWindow();
    ui.ShowMessage(owner, "Error", message, platform::MessageIcon::Error);
    VL_LOG(diagnostics::CxDebugUtil::kError, "AppCommon", "%s", message.c_str());
    log.Close();
    return false;
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
    if (!Submit(app, ui, owner, log, s.SyncAddr, session.Act.Addr, session.SelectedAddr, &CxVLLog::LogContact,
                "ACTAddrStatus.dat", "Failed to submit Contact changes to ACT!, Error=") ||
        !Submit(app, ui, owner, log, s.SyncDate, session.Act.Date, session.SelectedDate, &CxVLLog::LogCalendar,
                "ACTDateStatus.dat", "Failed to submit Calendar changes to ACT!, Error=") ||
        !Submit(app, ui, owner, log, s.SyncTask, session.Act.Task, session.SelectedTask, &CxVLLog::LogTask,
                "ACTTaskStatus.dat", "Failed to submit Task changes to ACT!, Error=") ||
        !Submit(app, ui, owner, log, s.SyncNote, session.Act.Note, session.SelectedNote, &CxVLLog::LogNote,
                "ACTNoteStatus.dat", "Failed to submit Notes changes to ACT!, Error="))
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
