#pragma once

#include "PstWriter.h"

#include "outlook/standin/RecurrenceBlob.h"

#include <string>

namespace velmora::tools {

using outlook::standin::PstFolderKind;
using outlook::standin::RecurrencePattern;

// Builds one message of an Outlook data file by Outlook's property names, stored where Outlook
// stores them (the stand-in Outlook's property tables say where), so that tests and the demo
// write items the way they expect to read them.
class PstItem {
public:
    PstItem(PstFolderKind kind, std::u16string_view messageClass);

    // Texts (a list such as "Categories" as its values joined by ", "), integers and flags.
    PstItem& Set(std::u16string_view name, std::u16string_view text);
    PstItem& Set(std::u16string_view name, std::int32_t value);
    // A date and time in local time (stored in UTC where Outlook stores UTC).
    PstItem& SetDate(std::u16string_view name, double localDate);
    // A user-defined text or number field.
    PstItem& UserField(std::u16string_view name, std::u16string_view text);
    PstItem& UserField(std::u16string_view name, std::int32_t value);
    // The item's recurrence; its pattern start and end are local dates.
    PstItem& Recur(const RecurrencePattern& pattern);
    PstItem& Property(PstProperty property);

    const PstMessage& Message() const { return mMessage; }

private:
    PstFolderKind mKind;
    PstMessage mMessage;
};

// The recurrence blob of a pattern, in the layout the stand-in Outlook decodes; `appointment`
// adds the appointment's own part (no exceptions).
std::string RecurrenceBlob(const RecurrencePattern& pattern, bool appointment);

}  // namespace velmora::tools
