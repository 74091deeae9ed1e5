#pragma once

#include "dat/PalmRecords.h"
#include "mdb/PalmEx2Records.h"

#include "model/CommAddrRec.h"
#include "model/CommDateRec.h"
#include "model/CommNoteRec.h"
#include "model/CommTaskRec.h"

#include <cstdint>

namespace velmora::palm {

// Palm Desktop's "no end" of a repeating series (a day in 2031).
constexpr std::int32_t kPalmNoEnd = 0x749DCEFF;

// A birthday or anniversary as Palm Desktop packs it, year * 65536 + month * 256 + day, as an
// automation date; 0 for a stored 0 or anything that is no valid date.
double PackedDateToVariant(double packed);

// The label of a phone label code: "Work Phone", "Home Phone", "Fax", "Other Phone", "E-mail",
// "Main Phone", "Pager", "Mobile Phone" for 0-7, "Work Phone" for any other code.
const char* GetPhoneLabelName(std::int32_t code);

// A Palm repeat as a common recurrence. The end date is kept (HasEnd set) unless it is 0 or
// Palm's "no end".
model::RecurrenceRule ToRecurrence(const PalmRepeat& repeat);

// Palm priorities 1 (high) to 5 (low) as common ones: 1 high, 2 low, 0 normal.
std::int32_t ToPriority(std::int32_t palmPriority);

// The common records of each generation's records; SourceType, Status and the source data are
// the front-end's business.
model::CommAddrRec ToCommon(const PmAddrRec& palm);
model::CommAddrRec ToCommon(const PmAddrExRec& palm);
model::CommDateRec ToCommon(const PmDateRec& palm);
model::CommDateRec ToCommon(const PmDateExRec& palm);
model::CommTaskRec ToCommon(const PmTodoRec& palm);
model::CommTaskRec ToCommon(const PmTodoExRec& palm);
model::CommNoteRec ToCommon(const PmMemoRec& palm);
model::CommNoteRec ToCommon(const PmMemoExRec& palm);
model::CommAddrRec ToCommon(const PmAddrEx2Rec& palm);
model::CommDateRec ToCommon(const PmDateEx2Rec& palm);
model::CommTaskRec ToCommon(const PmTodoEx2Rec& palm);
model::CommNoteRec ToCommon(const PmMemoEx2Rec& palm);

}  // namespace velmora::palm
