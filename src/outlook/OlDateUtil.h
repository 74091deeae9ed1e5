#pragma once

#include "OlBaseUtil.h"
#include "OlRecords.h"

#include "model/CommDateMgr.h"

namespace velmora::outlook {

// A common calendar entry made from an Outlook appointment; `versionCode` is the installed
// Outlook's OutlookVersionCode, which decides how the reminder was read.
model::CommDateRec ToCommon(const OlDateRec& record, std::int32_t versionCode);

// The common recurrence of Outlook's recurrence pattern members (Kind 0 for type -1).
model::RecurrenceRule RecurrenceOf(const OlRecurrenceFields& pattern);

// Minutes from the start's time of day to the end's; the dates play no part.
std::int32_t DurationMinutes(const platform::SystemTime& start, const platform::SystemTime& end);

// The appointments of the default Outlook calendar folder.
class OlDateUtil final : public OlReader<OlDateRec, model::CommDateMgr> {
public:
    OlDateUtil();

    model::CommDateMgr& Manager() { return GetManager(); }

    bool ReadBody = true;

private:
    const WalkTexts& Texts() const override;
    void ReadItem(CDispCmd& item, OlDateRec& raw) override;
    model::CommDateRec Convert(const OlDateRec& raw) const override;
};

}  // namespace velmora::outlook
