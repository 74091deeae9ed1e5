// The data files the helper programs leave are read back by the connectors of every family:
// whatever bytes such a file holds, reading it into a manager must neither crash nor read out
// of bounds, and every record read must convert. The first byte picks the record kind.
#include "TempInputFile.h"

#include "connectors/act/ActConversions.h"
#include "connectors/exchange/PackedRecords.h"
#include "connectors/exchange/RecordFile.h"
#include "connectors/google/CxGAddrUtil.h"
#include "connectors/google/CxGDateUtil.h"
#include "connectors/google/RecurrenceText.h"
#include "connectors/lotus/CxLNAddrUtil.h"
#include "connectors/lotus/CxLNDateUtil.h"
#include "model/CommAddrMgr.h"
#include "model/CommDateMgr.h"
#include "model/CommNoteMgr.h"
#include "model/CommTaskMgr.h"

using namespace velmora;
using namespace velmora::connectors;

namespace {

template <class Rec, class Manager, class Convert>
void ReadInto(const std::string& path, Convert convert)
{
    Manager manager;
    PackedRecords<Rec> kept;
    ReadDataFileInto<Rec>(path, manager, kept, [](std::int32_t) {}, convert);
    manager.CompareWith(&manager);
}

constexpr std::array<int, 10> kMapped{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const TempInputFile file(data + 1, size - 1);
    const std::string& path = file.Path();
    switch (data[0] % 11) {
    case 0: ReadInto<ActContactRec, model::CommAddrMgr>(path, [](const ActContactRec& r) { return ToCommon(r); }); break;
    case 1: ReadInto<ActCalendarRec, model::CommDateMgr>(path, [](const ActCalendarRec& r) { return ToCommon(r); }); break;
    case 2: ReadInto<ActTodoRec, model::CommTaskMgr>(path, [](const ActTodoRec& r) { return ToCommon(r); }); break;
    case 3: ReadInto<ActNoteRec, model::CommNoteMgr>(path, [](const ActNoteRec& r) { return ToCommon(r); }); break;
    case 4: ReadInto<GContactRec, model::CommAddrMgr>(path, [](const GContactRec& r) { return ToCommon(r, kMapped); }); break;
    case 5:
        ReadInto<GEventRec, model::CommDateMgr>(path, [](GEventRec& r) {
            ApplyRecurrenceText(r);
            return ToCommon(r);
        });
        break;
    case 6: ReadDataFile<GCalendarRec>(path, [](std::int32_t) {}, [](GCalendarRec&&) { return true; }); break;
    case 7: ReadInto<LNContactRec, model::CommAddrMgr>(path, [](const LNContactRec& r) { return ToCommon(r, kMapped); }); break;
    case 8: ReadInto<LNEventRec, model::CommDateMgr>(path, [](const LNEventRec& r) { return ToCommon(r); }); break;
    case 9: ReadInto<LNTodoRec, model::CommTaskMgr>(path, [](const LNTodoRec& r) { return ToCommon(r, 45000.0); }); break;
    default: ReadInto<LNNotebookRec, model::CommNoteMgr>(path, [](const LNNotebookRec& r) { return ToCommon(r); }); break;
    }
    return 0;
}
