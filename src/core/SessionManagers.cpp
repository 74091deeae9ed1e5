#include "SessionManagers.h"

#include "connectors/act/CxACTAddrUtil.h"
#include "connectors/act/CxACTDateUtil.h"
#include "connectors/act/CxACTNoteUtil.h"
#include "connectors/act/CxACTTaskUtil.h"
#include "connectors/google/CxGAddrUtil.h"
#include "connectors/google/CxGDateUtil.h"
#include "connectors/lotus/CxLNAddrUtil.h"
#include "connectors/lotus/CxLNDateUtil.h"
#include "outlook/OlAddrUtil.h"
#include "outlook/OlDateUtil.h"
#include "outlook/OlNoteUtil.h"
#include "outlook/OlTaskUtil.h"
#include "palm/PmInfo.h"

namespace velmora::core {

model::CommAddrMgr* ContactsOf(Session& session, int app)
{
    switch (app) {
    case AppType::Act: return session.Act.Addr ? &session.Act.Addr->GetManager() : nullptr;
    case AppType::Google: return session.Google.Addr ? &session.Google.Addr->Manager() : nullptr;
    case AppType::LotusNotes: return session.Lotus.Addr ? &session.Lotus.Addr->Manager() : nullptr;
    case AppType::Outlook: return session.Outlook.Addr ? &session.Outlook.Addr->Manager() : nullptr;
    case AppType::PalmDesktop: return session.Palm.Addr ? &session.Palm.Addr->GetCommonMgr() : nullptr;
    default: return nullptr;
    }
}

model::CommDateMgr* CalendarOf(Session& session, int app)
{
    switch (app) {
    case AppType::Act: return session.Act.Date ? &session.Act.Date->GetManager() : nullptr;
    case AppType::Google: return session.Google.Date ? &session.Google.Date->Manager() : nullptr;
    case AppType::LotusNotes: return session.Lotus.Date ? &session.Lotus.Date->Manager() : nullptr;
    case AppType::Outlook: return session.Outlook.Date ? &session.Outlook.Date->Manager() : nullptr;
    case AppType::PalmDesktop: return session.Palm.Date ? &session.Palm.Date->GetCommonMgr() : nullptr;
    default: return nullptr;
    }
}

model::CommTaskMgr* TasksOf(Session& session, int app)
{
    switch (app) {
    case AppType::Act: return session.Act.Task ? &session.Act.Task->GetManager() : nullptr;
    case AppType::LotusNotes: return session.Lotus.Task ? &session.Lotus.Task->Manager() : nullptr;
    case AppType::Outlook: return session.Outlook.Task ? &session.Outlook.Task->Manager() : nullptr;
    case AppType::PalmDesktop: return session.Palm.Task ? &session.Palm.Task->GetCommonMgr() : nullptr;
    default: return nullptr;
    }
}

model::CommNoteMgr* NotesOf(Session& session, int app)
{
    switch (app) {
    case AppType::Act: return session.Act.Note ? &session.Act.Note->GetManager() : nullptr;
    case AppType::LotusNotes: return session.Lotus.Note ? &session.Lotus.Note->Manager() : nullptr;
    case AppType::Outlook: return session.Outlook.Note ? &session.Outlook.Note->Manager() : nullptr;
    case AppType::PalmDesktop: return session.Palm.Note ? &session.Palm.Note->GetCommonMgr() : nullptr;
    default: return nullptr;
    }
}

}  // namespace velmora::core
