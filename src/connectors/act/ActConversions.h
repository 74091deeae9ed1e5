#pragma once

#include "ActRecords.h"

#include "model/CommAddrRec.h"
#include "model/CommDateRec.h"
#include "model/CommNoteRec.h"
#include "model/CommTaskRec.h"

namespace velmora::connectors {

// Conversions between ACT! records and common records.
//
// ACT! to common makes a new common record (SourceType ACT!).
// Common to ACT! fills an ACT! record from a common one. A common value that is empty, or a
// date that is 0, leaves the ACT! value as it is: a new ACT! record (starting empty) takes every
// value the source has, and an update never erases ACT! data the source lacks. Fields with no
// common counterpart are never touched.

model::CommAddrRec ToCommon(const ActContactRec& act);
void FromCommon(const model::CommAddrRec& common, ActContactRec& act);

model::CommDateRec ToCommon(const ActCalendarRec& act);
void FromCommon(const model::CommDateRec& common, ActCalendarRec& act);

model::CommTaskRec ToCommon(const ActTodoRec& act);
void FromCommon(const model::CommTaskRec& common, ActTodoRec& act);

model::CommNoteRec ToCommon(const ActNoteRec& act);
void FromCommon(const model::CommNoteRec& common, ActNoteRec& act);

}  // namespace velmora::connectors
