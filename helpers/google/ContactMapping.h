#pragma once

#include "VCard.h"

#include "connectors/google/GoogleRecords.h"

namespace velmora::helpers {

// A Google contact record made from one vCard as Google Contacts exports it (UTF-8 texts become
// Windows-1252; dates are local automation dates). Values of a kind take the first free slot
// of their group; values beyond a group's slots are dropped.
connectors::GContactRec ToGoogleContact(const VCard& card);

// "1980-03-22", "19800322" (with or without a time after it) as an automation date; 0 for a date
// without a year ("--0322") or anything unreadable.
double ParseVCardDate(std::string_view text);

}  // namespace velmora::helpers
