#pragma once

#include "RecordDetail.h"

#include "model/CommAddrRec.h"
#include "model/CommDateRec.h"
#include "model/CommNoteRec.h"
#include "model/CommTaskRec.h"

namespace velmora::core {

// The content of each record detail dialog, from the source's own record attached to the
// common record. A null record, or one without the source's record attached, gives the
// dialog's frame with its tabs empty.

RecordDetail GGAddrDetail(const model::CommAddrRec* record);
RecordDetail GGDateDetail(const model::CommDateRec* record);

RecordDetail LNAddrDetail(const model::CommAddrRec* record);
RecordDetail LNDateDetail(const model::CommDateRec* record);
RecordDetail LNTaskDetail(const model::CommTaskRec* record);
RecordDetail LNNoteDetail(const model::CommNoteRec* record);

RecordDetail OLAddrDetail(const model::CommAddrRec* record);
RecordDetail OLDateDetail(const model::CommDateRec* record);
RecordDetail OLTaskDetail(const model::CommTaskRec* record);
RecordDetail OLNoteDetail(const model::CommNoteRec* record);

RecordDetail PDAddrDetail(const model::CommAddrRec* record);
RecordDetail PDDateDetail(const model::CommDateRec* record);
RecordDetail PDTaskDetail(const model::CommTaskRec* record);
RecordDetail PDNoteDetail(const model::CommNoteRec* record);

}  // namespace velmora::core
