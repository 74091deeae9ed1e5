#pragma once

#include "RecordDetail.h"

#include "model/TextValue.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::core::detail {

// Small pieces the content providers of the detail dialogs share.

DetailField Edit(std::string caption, std::string_view value, std::string suffix = {});
DetailField Memo(std::string caption, std::string_view value);
DetailField Check(std::string caption, bool checked);
DetailField Radio(std::string caption, bool checked);
DetailField RadioEdit(std::string caption, std::string_view value, bool checked);
DetailField Group(std::string caption);

inline std::string_view View(const model::TextValue& text)
{
    return text.view();
}

// Date texts of automation dates: empty for 0 (and outside the years 1931-2030).
std::string DateText(double date);
std::string TimeText(double date);
std::string DateTimeText(double date);
inline const char* YesNo(bool value)
{
    return value ? "Yes" : "No";
}

// A dialog with its tabs, all empty; the provider fills them when it has the source record.
RecordDetail Frame(const char* caption, const char* header, int sourceApp, std::initializer_list<const char*> tabs);
// The tab with this caption (it must be one of the frame's).
DetailTab& TabOf(RecordDetail& detail, std::string_view caption);

// Takes a tab out (a recurrence tab of an entry that does not repeat, tabs a layout lacks).
void RemoveTab(RecordDetail& detail, std::string_view caption);

// The frame, filled from the source record of type Raw attached to the common record when
// there is one.
template <class Raw, class Common>
RecordDetail Filled(RecordDetail frame, const Common* record, void (*fill)(RecordDetail&, const Raw&))
{
    if (record == nullptr)
        return frame;
    if (const std::optional<Raw> raw = record->SourceData.template Get<Raw>())
        fill(frame, *raw);
    return frame;
}

// The contact dialogs' three fields above the tabs.
void AddNameFields(RecordDetail& detail, std::string_view name, std::string_view company, std::string_view title);

// A list whose rows are added in a fixed order, a row with an empty value left out unless it
// is added with Always.
class RowList {
public:
    RowList(DetailTab& tab, const char* name, std::initializer_list<const char*> columns);
    RowList& Row(const char* label, std::string_view value);
    RowList& Always(const char* label, std::string_view value);
    RowList& Row3(std::string first, std::string second, std::string third);

private:
    DetailList& mList;
};

// The lists of the contact dialogs ("Description"/"Content", "Label"/"Content") and the
// others' "Misc Fields" ("Field Name"/"Field Content").
RowList PhoneList(DetailTab& tab);
RowList ContactMiscList(DetailTab& tab);
RowList MiscList(DetailTab& tab);

// An address tab: "Address:" as a memo, then city, state, postal code and country.
DetailTab AddressTab(std::string caption, std::string_view street, std::string_view city, std::string_view state,
                     std::string_view postal, std::string_view country, const char* postalCaption = "Postal:");

// How a series repeats, in the terms of the dialogs' recurrence tab: one inner tab chosen by
// the kind, with the interval in its "Every" edit, and the range group below.
struct RecurrenceView {
    enum class Pattern { Daily, Weekly, MonthlyDate, MonthlyDay, Yearly, YearlyDate, YearlyDay };
    Pattern Kind = Pattern::Daily;
    int Interval = 0;
    int DayMask = 0;  // Sunday bit 0 ... Saturday bit 6
    bool ShowStart = false;
    std::string Start{};
    bool EndBy = false;
    bool NoEnd = false;
    std::string End{};
};
DetailTab RecurrenceTab(const RecurrenceView& view);

// Reminder rows of the Outlook calendar and task dialogs: "Reminder Set" always, and when it is
// set the time (when above 0), the two flags and the sound file (when sound is on).
void ReminderRows(RowList& rows, bool set, double time, bool overrideDefault, bool playSound, std::string_view soundFile);

}  // namespace velmora::core::detail
