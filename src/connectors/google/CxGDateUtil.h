#pragma once

#include "CxGAppBaseUtil.h"
#include "GoogleRecords.h"

#include "connectors/exchange/PackedRecords.h"

#include "model/CommDateMgr.h"

#include <deque>
#include <string>

namespace velmora::connectors {

// A common calendar entry made from a Google event (after its recurrence text was applied).
model::CommDateRec ToCommon(const GEventRec& event);

// The calendar events of a Google account, through the helper GDateUtil, which writes the
// events ("GDate.dat") and the account's calendars ("GCal.dat"). Load only.
class CxGDateUtil final : public CxGAppBaseUtil {
public:
    static constexpr const char* kCalendarFileName = "GCal.dat";

    CxGDateUtil();
    ~CxGDateUtil() override { CxGDateUtil::Clear(); }

    bool Load() override;
    // Frees events and calendars, deletes the calendar file and the status and error files.
    void Clear() override;

    // An empty file name means the connector's own.
    bool LoadEvents(const std::string& fileName = {});
    bool LoadCalendars(const std::string& fileName = {});

    model::CommDateMgr& Manager() { return mManager; }
    std::size_t Count() const { return mEvents.size(); }
    GEventRec RawAt(std::size_t position) const { return mEvents.at(position); }
    const std::deque<GCalendarRec>& Calendars() const { return mCalendars; }

protected:
    void AddKindParams(ParamParser& params) const override;

private:
    PackedRecords<GEventRec> mEvents;
    std::deque<GCalendarRec> mCalendars;
    model::CommDateMgr mManager;
};

}  // namespace velmora::connectors
