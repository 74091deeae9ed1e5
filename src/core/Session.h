#pragma once

#include "model/CommAddrRec.h"
#include "model/CommDateRec.h"
#include "model/CommNoteRec.h"
#include "model/CommTaskRec.h"
#include "model/CxList.h"

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <utility>

// The connectors and readers the session owns. Their classes are only named here; each is
// created, and so destroyed, by code that knows it in full (see MakeSlot).
namespace velmora::connectors {
class CxACTAddrUtil;
class CxACTDateUtil;
class CxACTTaskUtil;
class CxACTNoteUtil;
class CxGAddrUtil;
class CxGDateUtil;
class CxLNAddrUtil;
class CxLNDateUtil;
class CxLNTaskUtil;
class CxLNNoteUtil;
}  // namespace velmora::connectors
namespace velmora::outlook {
class OlAddrUtil;
class OlDateUtil;
class OlTaskUtil;
class OlNoteUtil;
}  // namespace velmora::outlook
namespace velmora::palm {
class PmAddrInfo;
class PmDateInfo;
class PmTodoInfo;
class PmMemoInfo;
}  // namespace velmora::palm

namespace velmora::core {

// Destroys a slot's object through the function recorded when it was made, so that the
// session can hold and free objects whose classes it only names.
struct SlotDeleter {
    void (*destroy)(void*) = nullptr;
    void operator()(void* object) const
    {
        if (destroy != nullptr)
            destroy(object);
    }
};

template <class T>
using Slot = std::unique_ptr<T, SlotDeleter>;

template <class T, class... Args>
Slot<T> MakeSlot(Args&&... args)
{
    return Slot<T>(new T(std::forward<Args>(args)...), SlotDeleter{[](void* p) { delete static_cast<T*>(p); }});
}

// One application's connector or reader per data type, created on first use.
template <class Contacts, class Calendar, class Tasks, class Notes>
struct AppSlots {
    Slot<Contacts> Addr;
    Slot<Calendar> Date;
    Slot<Tasks> Task;
    Slot<Notes> Note;

    void Reset()
    {
        Addr.reset();
        Date.reset();
        Task.reset();
        Note.reset();
    }
};

// Google offers contacts and calendar only.
struct GoogleSlots {
    Slot<connectors::CxGAddrUtil> Addr;
    Slot<connectors::CxGDateUtil> Date;

    void Reset()
    {
        Addr.reset();
        Date.reset();
    }
};

// What one run of the wizard holds: the connectors and readers of every application, each
// owning its records, and the records chosen on the preview page. The selection lists only
// point at records owned by the source's managers.
class Session {
public:
    Session() = default;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    ~Session() { Clear(); }

    // Empties the selection lists and destroys every connector and reader.
    void Clear()
    {
        SelectedAddr.Clear(false);
        SelectedDate.Clear(false);
        SelectedTask.Clear(false);
        SelectedNote.Clear(false);
        Migrated = {};
        LastMigration.clear();
        Act.Reset();
        Google.Reset();
        Lotus.Reset();
        Outlook.Reset();
        Palm.Reset();
    }

    AppSlots<connectors::CxACTAddrUtil, connectors::CxACTDateUtil, connectors::CxACTTaskUtil, connectors::CxACTNoteUtil> Act;
    GoogleSlots Google;
    AppSlots<connectors::CxLNAddrUtil, connectors::CxLNDateUtil, connectors::CxLNTaskUtil, connectors::CxLNNoteUtil> Lotus;
    AppSlots<outlook::OlAddrUtil, outlook::OlDateUtil, outlook::OlTaskUtil, outlook::OlNoteUtil> Outlook;
    AppSlots<palm::PmAddrInfo, palm::PmDateInfo, palm::PmTodoInfo, palm::PmMemoInfo> Palm;

    model::CxList<model::CommAddrRec> SelectedAddr;
    model::CxList<model::CommDateRec> SelectedDate;
    model::CxList<model::CommTaskRec> SelectedTask;
    model::CxList<model::CommNoteRec> SelectedNote;

    // How many records of each data type (contacts, calendar, tasks, notes) the last migration
    // submitted to ACT! successfully.
    std::array<std::size_t, 4> Migrated{};
    // The identifier the ACT! store journals the last migration under (empty before one).
    std::string LastMigration;
};

}  // namespace velmora::core
