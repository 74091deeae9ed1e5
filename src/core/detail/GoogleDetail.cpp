#include "DetailBuilder.h"
#include "DetailProviders.h"

#include "connectors/google/CxGAddrUtil.h"
#include "connectors/google/GoogleRecords.h"
#include "core/SessionManagers.h"

namespace velmora::core {

using namespace detail;
using connectors::FieldText;
using connectors::GContactRec;
using connectors::GEventRec;

namespace {

// An address tab from the Google keys of its street, formatted address, city, state, postal
// code and country; the formatted address stands in for a street the contact lacks.
DetailTab GoogleAddress(const GContactRec& r, const char* caption, std::initializer_list<int> keys)
{
    const int* k = keys.begin();
    std::string street = FieldText(r, k[0]);
    if (street.empty())
        street = FieldText(r, k[1]);
    return AddressTab(caption, street, FieldText(r, k[2]), FieldText(r, k[3]), FieldText(r, k[4]), FieldText(r, k[5]));
}

void AddRows(RowList& rows, const GContactRec& r, std::initializer_list<int> keys)
{
    for (const int key : keys) {
        for (const model::FieldInfo& field : connectors::GFieldTable()) {
            if (field.Id == key)
                rows.Row(field.Label, FieldText(r, key));
        }
    }
}

void FillContact(RecordDetail& d, const GContactRec& r)
{
    AddNameFields(d, FieldText(r, 4), FieldText(r, 6), FieldText(r, 7));
    RowList phones = PhoneList(TabOf(d, "Phones and Emails"));
    AddRows(phones, r, {8, 9, 10, 11, 36, 37, 38, 39, 40, 41, 42, 43});
    TabOf(d, "Addresses").Inner = {
        GoogleAddress(r, "Work", {28, 13, 16, 19, 25, 22}),
        GoogleAddress(r, "Home", {27, 12, 15, 18, 24, 21}),
        GoogleAddress(r, "Other", {29, 14, 17, 20, 26, 23}),
    };
    RowList custom(TabOf(d, "Custom Fields"), "lvCustom", {"Seq.", "Custom Content"});
    for (std::size_t i = 0; i < r.CustomLabels.size(); ++i) {
        if (!r.CustomLabels[i].empty())
            custom.Always(std::to_string(i + 1).c_str(), r.CustomFields[i].empty() ? "[None]" : View(r.CustomFields[i]));
    }
    TabOf(d, "Notes").Fields = {Memo("", View(r.Note))};
    RowList misc = ContactMiscList(TabOf(d, "Misc Fields"));
    AddRows(misc, r, {2, 5, 44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60,
                      81, 82, 83, 84, 85, 86, 87, 88, 91, 92});
}

void FillCalendar(RecordDetail& d, const GEventRec& r)
{
    TabOf(d, "General").Fields = {
        Edit("Description:", View(r.Title)), Edit("Date:", DateText(r.Start)), Edit("Start time:", TimeText(r.Start)),
        Edit("End time:", TimeText(r.End)),  Edit("Location:", View(r.Where)), Edit("Category:", View(r.Category)),
        Check("All day event", r.AllDay != 0), Check("Alarm", r.ReminderCount > 0), Check("Private", r.Visibility == 2),
    };
    using RK = RecurrenceView::Pattern;
    RecurrenceView view{.Interval = r.Interval, .DayMask = r.Weekdays, .ShowStart = true,
                        .Start = DateTimeText(r.RecurrenceStart)};
    switch (r.RecurrenceType) {
    case 1: view.Kind = RK::Daily; break;
    case 2: view.Kind = RK::Weekly; break;
    case 3: view.Kind = RK::MonthlyDay; break;
    case 4: view.Kind = RK::MonthlyDate; break;
    case 5:
    case 6: view.Kind = RK::Yearly; break;
    default: RemoveTab(d, "Recurrence"); break;
    }
    if (r.RecurrenceType >= 1 && r.RecurrenceType <= 6) {
        view.EndBy = r.HasEnd != 0 && r.RecurrenceEnd != 0;
        view.NoEnd = !view.EndBy;
        view.End = DateTimeText(r.RecurrenceEnd);
        TabOf(d, "Recurrence") = RecurrenceTab(view);
    }
    TabOf(d, "Notes").Fields = {Memo("", View(r.Description))};
    MiscList(TabOf(d, "Misc Fields"))
        .Row("Creation Time", DateTimeText(r.CreationTime))
        .Row("Last Modification Time", DateTimeText(r.LastModificationTime));
}

}  // namespace

RecordDetail GGAddrDetail(const model::CommAddrRec* record)
{
    return Filled(Frame("Google Contact Record Details", "View detail information of the Google Contact record.", AppType::Google,
                        {"Phones and Emails", "Addresses", "Custom Fields", "Notes", "Misc Fields"}),
                  record, FillContact);
}

RecordDetail GGDateDetail(const model::CommDateRec* record)
{
    return Filled(Frame("Google Calendar Record Details", "View detail information of the Google Calendar record.",
                        AppType::Google, {"General", "Recurrence", "Notes", "Misc Fields"}),
                  record, FillCalendar);
}

}  // namespace velmora::core
