#pragma once

#include "Session.h"

#include "model/CommAddrMgr.h"
#include "model/CommDateMgr.h"
#include "model/CommNoteMgr.h"
#include "model/CommTaskMgr.h"

namespace velmora::core {

// App types.
struct AppType {
    static constexpr int Act = 1;
    static constexpr int Google = 2;
    static constexpr int Outlook = 3;
    static constexpr int LotusNotes = 4;
    static constexpr int PalmDesktop = 5;
};

// The manager of an application's connector or reader for one data type, when the session holds
// one; null otherwise.
model::CommAddrMgr* ContactsOf(Session& session, int app);
model::CommDateMgr* CalendarOf(Session& session, int app);
model::CommTaskMgr* TasksOf(Session& session, int app);
model::CommNoteMgr* NotesOf(Session& session, int app);

}  // namespace velmora::core
