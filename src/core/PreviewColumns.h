#pragma once

#include "model/CommAddrRec.h"
#include "model/CommDateRec.h"
#include "model/CommNoteRec.h"
#include "model/CommTaskRec.h"

#include <string>
#include <vector>

namespace velmora::core {

// The texts a preview list shows for a record, one per column, in Windows-1252:
// contacts: display name, e-mail, primary phone, company, title;
// calendar: subject, start time, end time, "Yes"/"No" for all day, location;
// tasks: subject, "High"/"Normal"/"Low", due date, body; notes: the text. Lotus Notes contacts,
// calendar entries and to-dos take these from their Lotus Notes records.
std::vector<std::string> PreviewColumns(const model::CommAddrRec& record);
std::vector<std::string> PreviewColumns(const model::CommDateRec& record);
std::vector<std::string> PreviewColumns(const model::CommTaskRec& record);
std::vector<std::string> PreviewColumns(const model::CommNoteRec& record);

}  // namespace velmora::core
