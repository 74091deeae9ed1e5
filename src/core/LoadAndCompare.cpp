#include "LoadAndCompare.h"

#include "OutlookDataFile.h"
#include "SessionManagers.h"

#include "connectors/act/CxACTAddrUtil.h"
#include "connectors/act/CxACTDateUtil.h"
#include "connectors/act/CxACTNoteUtil.h"
#include "connectors/act/CxACTTaskUtil.h"
#include "connectors/google/CxGAddrUtil.h"
#include "connectors/google/CxGDateUtil.h"
#include "connectors/lotus/CxLNAddrUtil.h"
#include "connectors/lotus/CxLNDateUtil.h"
#include "diagnostics/CxDebugUtil.h"
#include "outlook/OlAddrUtil.h"
#include "outlook/OlDateUtil.h"
#include "outlook/OlNoteUtil.h"
#include "outlook/OlTaskUtil.h"
#include "outlook/standin/StandInOutlook.h"
#include "palm/PmInfo.h"
#include "platform/ScopeExit.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <type_traits>
#include <vector>

namespace velmora::core {
namespace {

using platform::UiHost;

enum DataType { Contacts, Calendar, Tasks, Notes };

// One data type of an application's loader. For a helper-based application `prepare` makes or
// clears the connector and hands it its settings; the connector's helper then loads, its
// progress read from `statusFile`, and a failure gives the text for the message's %s. Any
// other application's step has `load` instead.
struct LoadStep {
    DataType type;
    const char* text;
    const char* errorFormat;  // with %s for the connector's error text, or a plain message
    const char* statusFile;   // in the data folder; null for applications without helpers
    std::function<connectors::HelperConnector&(AppContext&, UiHost&)> prepare;
    std::function<bool(AppContext&, UiHost&)> load = nullptr;
};

struct AppLoader {
    const char* windowText;
    std::vector<LoadStep> steps;
};

bool SyncOn(const AppSettings& s, DataType type)
{
    switch (type) {
    case Contacts: return s.SyncAddr;
    case Calendar: return s.SyncDate;
    case Tasks: return s.SyncTask;
    case Notes: return s.SyncNote;
    }
    return false;
}

// The connector in the slot, cleared for a new load, or a new one.
template <class Connector>
Connector& Reused(Slot<Connector>& slot)
{
    if (slot)
        slot->Clear();
    else
        slot = MakeSlot<Connector>();
    return *slot;
}

void HandOver(connectors::HelperConnector& c, const AppContext& app, UiHost& ui)
{
    c.SetWorkFolder(app.DataFolder);
    c.SetLogFolder(app.DataFolder);
    c.SetLogEnabled(app.Settings.EnableDebug);
    c.SetLogLevel(app.Settings.LogLevel);
    c.SetUiHost(&ui);
}

}  // namespace

void SetUpActConnector(connectors::CxACTBaseUtil& c, const AppContext& app, UiHost& ui)
{
    HandOver(c, app, ui);
    c.DatabasePath = app.Settings.ACTPadName;
    c.UserName = app.Settings.ACTUserName;
    c.Password = app.Settings.ACTPassword.Plain;
}

namespace {

template <class Connector>
auto ActPrepare(Slot<Connector>& (*slotOf)(Session&))
{
    return [slotOf](AppContext& app, UiHost& ui) -> connectors::HelperConnector& {
        Connector& c = Reused(slotOf(app.Session));
        SetUpActConnector(c, app, ui);
        if constexpr (std::is_same_v<Connector, connectors::CxACTTaskUtil>) {
            c.SetOpportunities(app.Settings.Opp);
            c.SetOpportunityNotes(app.Settings.OppNotes);
        }
        return c;
    };
}

template <class Connector>
auto GooglePrepare(Slot<Connector>& (*slotOf)(Session&))
{
    return [slotOf](AppContext& app, UiHost& ui) -> connectors::HelperConnector& {
        Connector& c = Reused(slotOf(app.Session));
        HandOver(c, app, ui);
        c.AccountEmail = app.Settings.GGEmail;
        c.Password = app.Settings.GGPassword.Plain;
        c.ServerURL = app.Settings.GGServerURL;
        return c;
    };
}

// A Lotus Notes connector with the database of its data type and the ID file; the status file
// of an earlier load is deleted first.
template <class Connector>
auto LotusPrepare(Slot<Connector>& (*slotOf)(Session&), model::Text<256> AppSettings::*database)
{
    return [slotOf, database](AppContext& app, UiHost& ui) -> connectors::HelperConnector& {
        if constexpr (std::is_same_v<Connector, connectors::CxLNAddrUtil>)
            ApplyFieldMapping(app, AppType::LotusNotes);  // makes the connector with its mapping slots
        Connector& c = Reused(slotOf(app.Session));
        HandOver(c, app, ui);
        if constexpr (std::is_same_v<Connector, connectors::CxLNAddrUtil>)
            c.AddressBook = (app.Settings.*database).view();
        else
            c.DatabaseName = app.Settings.*database;
        c.IdFile = app.Settings.LNIDFile;
        std::remove(c.FilePath(c.Files().Status).c_str());
        return c;
    };
}

// A Palm Desktop front-end, reset for a new load, loading the named file when the data type's
// use-file switch is on and the chosen Palm user's data otherwise.
template <class FrontEnd>
auto PalmLoad(Slot<FrontEnd>& (*slotOf)(Session&), bool AppSettings::*useFile,
              model::Text<256> AppSettings::*fileName)
{
    return [slotOf, useFile, fileName](AppContext& app, UiHost& ui) {
        Slot<FrontEnd>& slot = slotOf(app.Session);
        if (slot)
            slot->Reset();
        else
            slot = MakeSlot<FrontEnd>();
        const AppSettings& s = app.Settings;
        // The window keeps painting while a Palm Desktop 6 database is read; the pointer is taken
        // back however the load ends.
        palm::DataModule().Ui = &ui;
        const platform::ScopeExit takeBack([] { palm::DataModule().Ui = nullptr; });
        return s.*useFile ? slot->LoadByFile(std::string((s.*fileName).view()))
                          : slot->LoadByUser(static_cast<std::uint32_t>(s.PDUserID));
    };
}

// The stand-in Outlook serves the configured data file. When the file changed, the readers of
// the old one leave (the Outlook session ends with them), so the new file is read.
void ServeOutlookDataFile(AppContext& app)
{
    if (outlook::standin::ConfigureStandInOutlook(OutlookDataFilePath(app.Settings.OLDataFile.view())))
        app.Session.Outlook.Reset();
}

// An Outlook reader, connected when made. A reader whose connection failed (no data file, or one
// that could not be read) is made anew, so that a corrected data file is read without restarting
// the wizard.
template <class Reader>
auto OutlookLoad(Slot<Reader>& (*slotOf)(Session&))
{
    return [slotOf](AppContext& app, UiHost& ui) {
        ServeOutlookDataFile(app);
        Slot<Reader>& slot = slotOf(app.Session);
        if (slot && !slot->IsConnected())
            slot.reset();
        outlook::standin::SetStandInUi(&ui);  // the window keeps painting while the file is read
        const platform::ScopeExit takeBack([] { outlook::standin::SetStandInUi(nullptr); });
        if constexpr (std::is_same_v<Reader, outlook::OlAddrUtil>)
            ApplyFieldMapping(app, AppType::Outlook);  // makes the reader with its mapping slots
        else if (!slot)
            slot = MakeSlot<Reader>();
        return slot->Load();
    };
}

const AppLoader* LoaderOf(int appType)
{
    static const AppLoader kAct{
        "Loading information from ACT! ...",
        {
            {Contacts, "Loading ACT! Contacts ...", "Loading ACT! Contacts Error: %s", "ACTAddrStatus.dat",
             ActPrepare<connectors::CxACTAddrUtil>([](Session& s) -> auto& { return s.Act.Addr; })},
            {Calendar, "Loading ACT! Calendar ...", "Loading ACT! Calendar Error: %s", "ACTDateStatus.dat",
             ActPrepare<connectors::CxACTDateUtil>([](Session& s) -> auto& { return s.Act.Date; })},
            {Tasks, "Loading ACT! Todos and Opportunities ...", "Loading ACT! Todos or Opportunities Error: %s",
             "ACTTaskStatus.dat", ActPrepare<connectors::CxACTTaskUtil>([](Session& s) -> auto& { return s.Act.Task; })},
            {Notes, "Loading ACT! Notes ...", "Loading ACT! Notes Error: %s", "ACTNoteStatus.dat",
             ActPrepare<connectors::CxACTNoteUtil>([](Session& s) -> auto& { return s.Act.Note; })},
        }};
    static const AppLoader kGoogle{
        "Loading information from Google account ...",
        {
            {Contacts, "Loading Google Contacts ...", "Loading Google Contacts Error: %s", "GAddrStatus.dat",
             GooglePrepare<connectors::CxGAddrUtil>([](Session& s) -> auto& { return s.Google.Addr; })},
            {Calendar, "Loading Google Calendar ...", "Loading Google Calendar Error: %s", "GDateStatus.dat",
             GooglePrepare<connectors::CxGDateUtil>([](Session& s) -> auto& { return s.Google.Date; })},
        }};
    static const AppLoader kOutlook{
        "Loading information from Outlook ...",
        {
            {Contacts, "Loading Outlook Contacts ...", "Failed to load Outlook Contacts information.", nullptr,
             {}, OutlookLoad<outlook::OlAddrUtil>([](Session& s) -> auto& { return s.Outlook.Addr; })},
            {Calendar, "Loading Outlook Calendar ...", "Failed to load Outlook Calendar information.", nullptr,
             {}, OutlookLoad<outlook::OlDateUtil>([](Session& s) -> auto& { return s.Outlook.Date; })},
            {Tasks, "Loading Outlook Tasks ...", "Failed to load Outlook Task information.", nullptr,
             {}, OutlookLoad<outlook::OlTaskUtil>([](Session& s) -> auto& { return s.Outlook.Task; })},
            {Notes, "Loading Outlook Notes ...", "Failed to load Outlook Notes information.", nullptr,
             {}, OutlookLoad<outlook::OlNoteUtil>([](Session& s) -> auto& { return s.Outlook.Note; })},
        }};
    static const AppLoader kLotus{
        "Loading information from Lotus Notes ...",
        {
            {Contacts, "Loading Lotus Notes Contacts ...", "Loading Lotus Notes Contacts Error: %s", "LNAddrStatus.dat",
             LotusPrepare<connectors::CxLNAddrUtil>([](Session& s) -> auto& { return s.Lotus.Addr; }, &AppSettings::LNAddrName)},
            {Calendar, "Loading Lotus Notes Calendar ...", "Loading Lotus Notes Calendar Error: %s", "LNDateStatus.dat",
             LotusPrepare<connectors::CxLNDateUtil>([](Session& s) -> auto& { return s.Lotus.Date; }, &AppSettings::LNDateName)},
            {Tasks, "Loading Lotus Notes Todos ...", "Loading Lotus Notes Todo Error: %s", "LNTaskStatus.dat",
             LotusPrepare<connectors::CxLNTaskUtil>([](Session& s) -> auto& { return s.Lotus.Task; }, &AppSettings::LNDateName)},
            {Notes, "Loading Lotus Notes Notebook ...", "Loading Lotus Notes Notebook Error: %s", "LNNoteStatus.dat",
             LotusPrepare<connectors::CxLNNoteUtil>([](Session& s) -> auto& { return s.Lotus.Note; }, &AppSettings::LNNoteName)},
        }};
    static const AppLoader kPalm{
        "Loading information from Palm Desktop ...",
        {
            {Contacts, "Loading Palm Desktop Contacts ...", "Failed to load Palm Desktop Contacts information.", nullptr,
             {}, PalmLoad<palm::PmAddrInfo>([](Session& s) -> auto& { return s.Palm.Addr; }, &AppSettings::PDUseAddrFile,
                                        &AppSettings::PDAddrFileName)},
            {Calendar, "Loading Palm Desktop Calendar ...", "Failed to load Palm Desktop Calendar information.", nullptr,
             {}, PalmLoad<palm::PmDateInfo>([](Session& s) -> auto& { return s.Palm.Date; }, &AppSettings::PDUseDateFile,
                                        &AppSettings::PDDateFileName)},
            {Tasks, "Loading Palm Desktop Tasks ...", "Failed to load Palm Desktop Task information.", nullptr,
             {}, PalmLoad<palm::PmTodoInfo>([](Session& s) -> auto& { return s.Palm.Task; }, &AppSettings::PDUseTaskFile,
                                        &AppSettings::PDTaskFileName)},
            {Notes, "Loading Palm Desktop Notes ...", "Failed to load Palm Desktop Memos information.", nullptr,
             {}, PalmLoad<palm::PmMemoInfo>([](Session& s) -> auto& { return s.Palm.Note; }, &AppSettings::PDUseNoteFile,
                                        &AppSettings::PDNoteFileName)},
        }};
    switch (appType) {
    case AppType::Act: return &kAct;
    case AppType::Google: return &kGoogle;
    case AppType::Outlook: return &kOutlook;
    case AppType::LotusNotes: return &kLotus;
    case AppType::PalmDesktop: return &kPalm;
    default: return nullptr;
    }
}

template <class Manager>
void Compare(Manager* loaded, Manager* target)
{
    if (loaded != nullptr && target != nullptr)
        loaded->CompareWith(target);
}

void CompareDataType(Session& session, DataType type, int loadedApp, int targetApp)
{
    switch (type) {
    case Contacts: Compare(ContactsOf(session, loadedApp), ContactsOf(session, targetApp)); break;
    case Calendar: Compare(CalendarOf(session, loadedApp), CalendarOf(session, targetApp)); break;
    case Tasks: Compare(TasksOf(session, loadedApp), TasksOf(session, targetApp)); break;
    case Notes: Compare(NotesOf(session, loadedApp), NotesOf(session, targetApp)); break;
    }
}

std::string Formatted(const char* format, const std::string& text)
{
    const int size = std::snprintf(nullptr, 0, format, text.c_str());
    std::string message(static_cast<std::size_t>(std::max(size, 0)) + 1, '\0');
    std::snprintf(message.data(), message.size(), format, text.c_str());
    message.pop_back();
    return message;
}

// Per step of an application's loader, the connector whose helper was started for it, if any.
using StartedLoads = std::vector<connectors::HelperConnector*>;

// Starts the helper of every data type to load from `appType`, so that all of them read at
// once while this process takes in one data file after another. Looks the data folder up for
// the load.
StartedLoads StartHelpers(AppContext& app, UiHost& ui, int appType)
{
    const AppLoader* loader = LoaderOf(appType);
    if (loader == nullptr)
        return {};
    GetDataFolder(app.DataFolder);
    StartedLoads started(loader->steps.size(), nullptr);
    for (std::size_t i = 0; i < loader->steps.size(); ++i) {
        const LoadStep& step = loader->steps[i];
        if (!step.prepare || !SyncOn(app.Settings, step.type))
            continue;
        connectors::HelperConnector& c = step.prepare(app, ui);
        c.StartLoad();
        started[i] = &c;
    }
    return started;
}

// After a failed step, the helpers of the data types not reached leave no process or file behind.
void StopUntaken(const StartedLoads& started)
{
    for (connectors::HelperConnector* c : started) {
        if (c != nullptr)
            c->StopStartedLoad();
    }
}

bool LoadApp(AppContext& app, UiHost& ui, platform::WindowRef owner, int appType, int compareWith,
             const StartedLoads& started)
{
    const AppLoader* loader = LoaderOf(appType);
    if (loader == nullptr) {
        ui.ShowMessage(owner, "Error", "There is no such application to load from.", platform::MessageIcon::Error);
        return false;
    }
    ui.StartWaitWindow(owner);
    ui.SetWaitText(loader->windowText);
    ui.Pause(200);
    bool result = true;
    for (std::size_t i = 0; i < loader->steps.size(); ++i) {
        const LoadStep& step = loader->steps[i];
        if (!SyncOn(app.Settings, step.type))
            continue;
        ui.SetWaitText(step.text);
        ui.Pause(200);
        std::string error;
        if (step.prepare) {
            connectors::HelperConnector& c = i < started.size() && started[i] != nullptr ? *started[i] : step.prepare(app, ui);
            result = LoadThroughHelper(c, ui, app.DataFolder + step.statusFile, error);
        } else {
            result = step.load(app, ui);
        }
        if (!result) {
            ui.StopWaitWindow();
            const std::string message = Formatted(step.errorFormat, error);
            VL_LOG(diagnostics::CxDebugUtil::kError, "AppCommon", "%s", message.c_str());
            ui.ShowMessage(owner, "Error", message, platform::MessageIcon::Error);
            return false;
        }
        if (compareWith != 0)
            CompareDataType(app.Session, step.type, appType, compareWith);
    }
    ui.StopWaitWindow();
    return result;
}

}  // namespace

bool LoadThroughHelper(connectors::HelperConnector& c, UiHost& ui, const std::string& statusPath, std::string& error)
{
    ui.WatchStatusFile(statusPath);
    const bool loaded = c.Load();
    error = c.GetErrorText();
    return loaded && !c.HasError();
}

bool LoadAndCompare(AppContext& app, UiHost& ui, platform::WindowRef owner, int sourceApp, int targetApp)
{
    if (sourceApp == targetApp)
        return true;
    const StartedLoads target = StartHelpers(app, ui, targetApp);
    const StartedLoads source = StartHelpers(app, ui, sourceApp);
    const bool loaded = LoadApp(app, ui, owner, targetApp, 0, target) && LoadApp(app, ui, owner, sourceApp, targetApp, source);
    StopUntaken(target);
    StopUntaken(source);
    return loaded;
}

bool ReloadAndCompare(AppContext& app, UiHost& ui, platform::WindowRef owner, int sourceApp, int targetApp)
{
    const StartedLoads source = StartHelpers(app, ui, sourceApp);
    const bool loaded = LoadApp(app, ui, owner, sourceApp, targetApp, source);
    StopUntaken(source);
    return loaded;
}

void ApplyFieldMapping(AppContext& app, int sourceApp)
{
    const AppSettings& s = app.Settings;
    if (sourceApp == AppType::Google) {
        auto& slot = app.Session.Google.Addr;
        if (!slot)
            slot = MakeSlot<connectors::CxGAddrUtil>();
        for (std::size_t n = 0; n < s.GGCustomID.size(); ++n)
            slot->SetMappedField(n, s.GGCustom ? s.GGCustomID[n] : 0);
    } else if (sourceApp == AppType::LotusNotes) {
        auto& slot = app.Session.Lotus.Addr;
        if (!slot)
            slot = MakeSlot<connectors::CxLNAddrUtil>();
        for (std::size_t n = 0; n < s.LNCustomID.size(); ++n)
            slot->SetMappedField(n, s.LNCustom ? s.LNCustomID[n] : 0);
    } else if (sourceApp == AppType::Outlook) {
        ServeOutlookDataFile(app);
        auto& slot = app.Session.Outlook.Addr;
        if (!slot)
            slot = MakeSlot<outlook::OlAddrUtil>();
        for (std::size_t n = 0; n < s.OLCustomID.size(); ++n)
            slot->SetMappedField(n, s.OLCustom ? s.OLCustomID[n] : 0);
    } else if (sourceApp == AppType::PalmDesktop) {
        auto& slot = app.Session.Palm.Addr;
        if (!slot)
            slot = MakeSlot<palm::PmAddrInfo>();
        for (std::size_t n = 0; n < s.PDCustomID.size(); ++n)
            slot->SetCustomKey(n, s.PDCustom ? s.PDCustomID[n] : 0);
    }
}

}  // namespace velmora::core
