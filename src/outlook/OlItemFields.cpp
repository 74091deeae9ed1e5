#include "OlItemFields.h"

#include "diagnostics/CxDebugUtil.h"

namespace velmora::outlook {

using namespace dispatch;

void ReadRecurrence(CDispCmd& item, std::int32_t isRecurring, OlRecurrenceFields& fields, const char* unit)
{
    if (isRecurring == 0) {
        fields.RecurrenceType = olRecursNone;
        return;
    }
    Variant pattern;
    const HRESULT hr = item.CallMethod(u"GetRecurrencePattern", nullptr, 0, &pattern);
    if (Failed(hr) || pattern.Type() != VT_DISPATCH || pattern.AsDispatch() == nullptr) {
        VL_LOG(diagnostics::CxDebugUtil::kError, unit,
               "The recurrence pattern of a recurring item cannot be read (hr=0x%08x); the item is taken as not recurring.",
               static_cast<unsigned>(Failed(hr) ? hr : E_FAIL));
        fields.RecurrenceType = olRecursNone;
        return;
    }
    CDispCmd p(pattern.AsDispatch());
    p.GetLong(u"RecurrenceType", fields.RecurrenceType);
    p.GetLong(u"Interval", fields.Interval);
    p.GetLong(u"DayOfWeekMask", fields.DayOfWeekMask);
    p.GetLong(u"DayOfMonth", fields.DayOfMonth);
    p.GetLong(u"Instance", fields.Instance);
    p.GetLong(u"MonthOfYear", fields.MonthOfYear);
    p.GetDate(u"PatternEndDate", fields.PatternEndDate);
}

}  // namespace velmora::outlook
