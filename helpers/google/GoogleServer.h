#pragma once

#include "connectors/google/GoogleRecords.h"
#include "helpers/common/HelperSide.h"

#include <string>
#include <vector>

namespace velmora::helpers {

// The Google helpers' server side: the account's e-mail and password at the CardDAV/CalDAV
// server the parameters name. The records are exactly those the same vCards and events give
// from the account folder; a vCard or event the readers refuse is skipped and logged.

// True when the parameters name a server; the helper then reads it instead of the folder.
bool UsesServer(const HelperJob& job);

// Every contact of every address book, book after book.
bool ReadServerContacts(HelperJob& job, std::vector<connectors::GContactRec>& contacts, std::string& error);

// Every calendar holding events as one calendar record (its display name), with its events.
bool ReadServerCalendars(HelperJob& job, std::vector<connectors::GCalendarRec>& calendars,
                         std::vector<connectors::GEventRec>& events, std::string& error);

}  // namespace velmora::helpers
