#pragma once

#include "StructuredText.h"

#include "connectors/lotus/LotusRecords.h"
#include "helpers/google/VCard.h"

#include <string>
#include <vector>

namespace velmora::helpers {

// The Lotus Notes records the connectors read, made from what Notes exports. Texts become
// Windows-1252; dates are local automation dates.

// A contact of a vCard export.
connectors::LNContactRec ContactOf(const VCard& card);
// A contact of a structured-text export (the items of the contacts template); items that have
// no place become the custom values and labels, in file order, ten at most.
connectors::LNContactRec ContactOf(const NotesDocument& document);

// The calendar entries and to-dos of an iCalendar export. A repeating entry written as a list
// of RDATE dates becomes a series when the dates follow a daily, weekly, monthly (same day) or
// yearly step, else one entry per date.
struct NotesCalendar {
    std::vector<connectors::LNEventRec> Events;
    std::vector<connectors::LNTodoRec> Todos;
};
bool ReadNotesCalendar(const std::string& text, NotesCalendar& calendar, std::string& error);

// The entries (form "Appointment") and to-dos (form "Task") of a mail export in structured text.
NotesCalendar CalendarOf(const std::vector<NotesDocument>& documents);

// A document of a notebook (journal) export in structured text.
connectors::LNNotebookRec NotebookOf(const NotesDocument& document);

}  // namespace velmora::helpers
