#include "DetailBuilder.h"
#include "DetailProviders.h"

#include "connectors/lotus/LotusRecords.h"
#include "core/SessionManagers.h"
#include "model/CxDateTime.h"

#include <charconv>
#include <cstdio>

namespace velmora::core {

using namespace detail;
using connectors::LNContactRec;
using connectors::LNEventRec;
using connectors::LNNotebookRec;
using connectors::LNTodoRec;

namespace {

// A decimal the helper wrote as text; 0 when it is none.
int Decimal(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : 0;
}

void FillContact(RecordDetail& d, const LNContactRec& r)
{
    AddNameFields(d, View(r.DisplayName), View(r.CompanyName), View(r.JobTitle));
    PhoneList(TabOf(d, "Phones and Emails"))
        .Row("Primary Phone", View(r.PrimaryPhone))
        .Row("Work Phone", View(r.BusinessPhone))
        .Row("Home Phone", View(r.HomePhone))
        .Row("Mobile Phone", View(r.MobilePhone))
        .Row("Work Fax", View(r.BusinessFax))
        .Row("Home Fax", View(r.HomeFax))
        .Row("Pager", View(r.Pager))
        .Row("Work Email", View(r.BusinessEmail))
        .Row("Personal Email", View(r.PersonalEmail))
        .Row("Work Email 2", View(r.BusinessEmail2))
        .Row("Personal Email 2", View(r.PersonalEmail2));
    TabOf(d, "Addresses").Inner = {
        AddressTab("Work", View(r.BusinessStreet), View(r.BusinessCity), View(r.BusinessState), View(r.BusinessPostal),
                   View(r.BusinessCountry)),
        AddressTab("Home", View(r.HomeStreet), View(r.HomeCity), View(r.HomeState), View(r.HomePostal), View(r.HomeCountry)),
        AddressTab("Other", View(r.OtherStreet), View(r.OtherCity), View(r.OtherState), View(r.OtherPostal),
                   View(r.OtherCountry)),
    };
    RowList custom(TabOf(d, "Custom Fields"), "lvCustom", {"Seq.", "Custom Content"});
    for (std::size_t i = 0; i < r.CustomValues.size(); ++i)
        custom.Always(std::to_string(i + 1).c_str(), r.CustomValues[i].empty() ? "[Empty]" : View(r.CustomValues[i]));
    TabOf(d, "Notes").Fields = {Memo("", View(r.Note))};
    ContactMiscList(TabOf(d, "Misc Fields"))
        .Row("First Name", View(r.FirstName))
        .Row("Middle/Initial", View(r.MiddleName))
        .Row("Last Name", View(r.LastName))
        .Row("Suffix", View(r.Suffix))
        .Row("Department", View(r.Department))
        .Row("Location", View(r.Location))
        .Row("Assistant Name", View(r.AssistantName))
        .Row("Manager Name", View(r.ManagerName))
        .Row("Instant Messenger", View(r.InstantMessenger))
        .Row("Website", View(r.WebSite))
        .Row("Blog Site", View(r.BlogSite))
        .Row("Spouse", View(r.SpouseName))
        .Row("Children", View(r.ChildrenNames))
        .Row("Category", View(r.Category))
        .Row("Birthday", DateText(r.BirthDate))
        .Row("Anniversary", DateText(r.Anniversary));
}

// The recurrence tab of a repeating entry, chosen by its repeat unit; none for an entry that
// does not repeat or repeats by a unit the dialog has no tab for.
void FillRecurrence(RecordDetail& d, const LNEventRec& r)
{
    using RK = RecurrenceView::Pattern;
    const std::string_view unit = View(r.RepeatUnit);
    RecurrenceView view{.Interval = Decimal(View(r.RepeatInterval))};
    if (View(r.RepeatFlag) != "1") {
        RemoveTab(d, "Recurrence");
        return;
    }
    if (unit == "D") {
        view.Kind = RK::Daily;
    } else if (unit == "W") {
        view.Kind = RK::Weekly;
        view.DayMask = Decimal(View(r.RepeatValue));
    } else if (unit == "MD") {
        view.Kind = RK::MonthlyDate;
    } else if (unit == "MP") {
        view.Kind = RK::MonthlyDay;
    } else if (unit == "Y") {
        view.Kind = RK::Yearly;
    } else {
        RemoveTab(d, "Recurrence");
        return;
    }
    view.EndBy = r.RepeatUntil > 0;
    view.NoEnd = !view.EndBy;
    view.End = view.EndBy ? DateText(r.RepeatUntil) : std::string();
    TabOf(d, "Recurrence") = RecurrenceTab(view);
}

void FillCalendar(RecordDetail& d, const LNEventRec& r)
{
    TabOf(d, "General").Fields = {
        Edit("Description:", View(r.Subject)), Edit("Date:", DateText(r.ShownStart)),
        Edit("Start time:", TimeText(r.ShownStart)), Edit("End time:", TimeText(r.ShownEnd)),
        Edit("Location:", View(r.Location)), Edit("Category:", ""),
        Check("All day event", false), Check("Alarm", false), Check("Private", r.Private != 0),
    };
    FillRecurrence(d, r);
    TabOf(d, "Notes").Fields = {Memo("", View(r.Body))};
    MiscList(TabOf(d, "Misc Fields"))
        .Row("Resources", View(r.Resources))
        .Row("Start Time Zone", View(r.StartTimeZone))
        .Row("End Time Zone", View(r.EndTimeZone));
}

void FillTask(RecordDetail& d, const LNTodoRec& r)
{
    const char* priority = r.Priority == 0 ? "High" : r.Priority == 2 ? "Low" : "Normal";
    const bool completed = r.EndTime > 0 && r.EndTime <= model::CxDateTime().VariantTime();
    TabOf(d, "General").Fields = {
        Edit("Description:", View(r.Subject)), Edit("Priority:", priority),
        Edit("Due Date:", r.Due > 0 ? DateText(r.Due) : std::string()), Edit("Category:", ""),
        Check("Completed", completed), Check("Private", r.Private != 0),
    };
    TabOf(d, "Notes").Fields = {Memo("", View(r.Body))};
    MiscList(TabOf(d, "Misc Fields")).Row("Start Time", DateTimeText(r.StartTime)).Row("End Time", DateTimeText(r.EndTime));
}

void FillNote(RecordDetail& d, const LNNotebookRec& r)
{
    TabOf(d, "Notes").Fields = {Memo("", View(r.Body))};
    char colour[16];
    std::snprintf(colour, sizeof colour, "0x%06X", static_cast<unsigned>(r.BorderColor));
    MiscList(TabOf(d, "Misc Fields"))
        .Row("Subject", View(r.Subject))
        .Row("Categories", View(r.Categories))
        .Row("Border Color", colour)
        .Row("Diary Date", DateText(r.DiaryDate))
        .Row("Create Time", DateTimeText(r.CreationTime))
        .Row("Edit Time", DateTimeText(r.EditTime));
}

}  // namespace

RecordDetail LNAddrDetail(const model::CommAddrRec* record)
{
    return Filled(Frame("Lotus Notes Contact Record Details", "View detail information of the Lotus Notes Contact record.",
                        AppType::LotusNotes, {"Phones and Emails", "Addresses", "Custom Fields", "Notes", "Misc Fields"}),
                  record, FillContact);
}

RecordDetail LNDateDetail(const model::CommDateRec* record)
{
    return Filled(Frame("Lotus Notes Calendar Record Details", "View detail information of the Lotus Notes Calendar record.",
                        AppType::LotusNotes, {"General", "Recurrence", "Notes", "Misc Fields"}),
                  record, FillCalendar);
}

RecordDetail LNTaskDetail(const model::CommTaskRec* record)
{
    return Filled(Frame("Lotus Notes Task Record Details", "View detail information of the Lotus Notes Task record.",
                        AppType::LotusNotes, {"General", "Notes", "Misc Fields"}),
                  record, FillTask);
}

RecordDetail LNNoteDetail(const model::CommNoteRec* record)
{
    return Filled(Frame("Lotus Notes Notebook Record Details", "View detail information of the Lotus Notes Notebook record.",
                        AppType::LotusNotes, {"Notes", "Misc Fields"}),
                  record, FillNote);
}

}  // namespace velmora::core
