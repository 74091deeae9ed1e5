#pragma once

#include "CxLNBaseUtil.h"
#include "LotusRecords.h"

#include "model/CommDateMgr.h"
#include "model/CommNoteMgr.h"
#include "model/CommTaskMgr.h"

#include <ctime>

namespace velmora::connectors {

model::CommDateRec ToCommon(const LNEventRec& record);
// `now` is the current local time as an automation date: a to-do done by then is completed.
model::CommTaskRec ToCommon(const LNTodoRec& record, double now);
model::CommNoteRec ToCommon(const LNNotebookRec& record);

// The calendar entries of a Lotus Notes mail database, through Corvane.NotesDate.
class CxLNDateUtil final : public CxLNRecordsUtil<LNEventRec, model::CommDateMgr> {
public:
    CxLNDateUtil();
    bool Load() override;
};

// The to-dos of a Lotus Notes mail database, through Corvane.NotesTask.
class CxLNTaskUtil final : public CxLNRecordsUtil<LNTodoRec, model::CommTaskMgr> {
public:
    CxLNTaskUtil();
    bool Load() override;
};

// The documents of a Lotus Notes notebook, through Corvane.NotesNote.
class CxLNNoteUtil final : public CxLNRecordsUtil<LNNotebookRec, model::CommNoteMgr> {
public:
    CxLNNoteUtil();
    bool Load() override;
};

}  // namespace velmora::connectors
