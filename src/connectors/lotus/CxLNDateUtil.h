#pragma once

#include "CxLNBaseUtil.h"
#include "LotusRecords.h"

#include "model/CommDateMgr.h"
#include "model/CommNoteMgr.h"
#include "model/CommTaskMgr.h"

#include <ctime>
#include <deque>

namespace velmora::connectors {

model::CommDateRec ToCommon(const LNEventRec& record);
// `now` is the current local time as an automation date: a to-do done by then is completed.
model::CommTaskRec ToCommon(const LNTodoRec& record, double now);
model::CommNoteRec ToCommon(const LNNotebookRec& record);

// The calendar entries of a Lotus Notes mail database, through Corvane.NotesDate.
class CxLNDateUtil final : public CxLNBaseUtil {
public:
    CxLNDateUtil();
    bool Load() override;
    void Clear() override;
    model::CommDateMgr& Manager() { return mManager; }

private:
    std::deque<LNEventRec> mRecords;
    model::CommDateMgr mManager;
};

// The to-dos of a Lotus Notes mail database, through Corvane.NotesTask.
class CxLNTaskUtil final : public CxLNBaseUtil {
public:
    CxLNTaskUtil();
    bool Load() override;
    void Clear() override;
    model::CommTaskMgr& Manager() { return mManager; }

private:
    std::deque<LNTodoRec> mRecords;
    model::CommTaskMgr mManager;
};

// The documents of a Lotus Notes notebook, through Corvane.NotesNote.
class CxLNNoteUtil final : public CxLNBaseUtil {
public:
    CxLNNoteUtil();
    bool Load() override;
    void Clear() override;
    model::CommNoteMgr& Manager() { return mManager; }

private:
    std::deque<LNNotebookRec> mRecords;
    model::CommNoteMgr mManager;
};

}  // namespace velmora::connectors
