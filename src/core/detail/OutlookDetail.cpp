#include "DetailBuilder.h"
#include "DetailProviders.h"

#include "core/SessionManagers.h"
#include "model/CxDateTime.h"
#include "outlook/OlRecords.h"

namespace velmora::core {

using namespace detail;
using outlook::OlAddrRec;
using outlook::OlDateRec;
using outlook::OlNoteRec;
using outlook::OlTaskRec;

namespace {

bool IsPrivate(std::int32_t sensitivity)
{
    return sensitivity == 2 || sensitivity == 3;
}

bool EndsNever(double patternEnd)
{
    return model::SystemTimeOf(patternEnd).Year >= outlook::kOlNoEndYear;
}

void FillContact(RecordDetail& d, const OlAddrRec& r)
{
    AddNameFields(d, View(r.FullName), View(r.CompanyName), View(r.JobTitle));
    PhoneList(TabOf(d, "Phones and Emails"))
        .Row("Business Phone", View(r.BusinessTelephoneNumber))
        .Row("Business Phone 2", View(r.Business2TelephoneNumber))
        .Row("Company Phone", View(r.CompanyMainTelephoneNumber))
        .Row("Home Phone", View(r.HomeTelephoneNumber))
        .Row("Home Phone 2", View(r.Home2TelephoneNumber))
        .Row("Mobile Phone", View(r.MobileTelephoneNumber))
        .Row("Callback Phone", View(r.CallbackTelephoneNumber))
        .Row("Car Phone", View(r.CarTelephoneNumber))
        .Row("Business Fax", View(r.BusinessFaxNumber))
        .Row("Home Fax", View(r.HomeFaxNumber))
        .Row("Pager", View(r.PagerNumber))
        .Row("Email 1", View(r.Email1Address))
        .Row("Email 2", View(r.Email2Address))
        .Row("Email 3", View(r.Email3Address));
    TabOf(d, "Addresses").Inner = {
        AddressTab("Work", View(r.BusinessAddressStreet), View(r.BusinessAddressCity), View(r.BusinessAddressState),
                   View(r.BusinessAddressPostalCode), View(r.BusinessAddressCountry)),
        AddressTab("Home", View(r.HomeAddressStreet), View(r.HomeAddressCity), View(r.HomeAddressState),
                   View(r.HomeAddressPostalCode), View(r.HomeAddressCountry)),
        AddressTab("Other", View(r.OtherAddressStreet), View(r.OtherAddressCity), View(r.OtherAddressState),
                   View(r.OtherAddressPostalCode), View(r.OtherAddressCountry)),
        AddressTab("Mail", View(r.MailingAddressStreet), View(r.MailingAddressCity), View(r.MailingAddressState),
                   View(r.MailingAddressPostalCode), View(r.MailingAddressCountry)),
    };
    TabOf(d, "Notes").Fields = {Memo("", View(r.Body))};
    const char* gender = r.Gender == 1 ? "Female" : r.Gender == 2 ? "Male" : "Not Specified";
    ContactMiscList(TabOf(d, "Misc Fields"))
        .Row("Initials", View(r.Initials))
        .Row("First Name", View(r.FirstName))
        .Row("Middle Name", View(r.MiddleName))
        .Row("Last Name", View(r.LastName))
        .Row("Nick Name", View(r.NickName))
        .Row("Account", View(r.Account))
        .Row("Assistant Name", View(r.AssistantName))
        .Row("Assistant Phone", View(r.AssistantTelephoneNumber))
        .Row("Birthday", DateText(r.Birthday))
        .Row("Computer Name", View(r.ComputerNetworkName))
        .Row("Customer ID", View(r.CustomerID))
        .Row("Department", View(r.Department))
        .Row("FTP Site", View(r.FTPSite))
        .Always("Gender", gender)
        .Row("Hobbies", View(r.Hobby))
        .Row("IM Address", View(r.IMAddress))
        .Row("ISDN", View(r.ISDNNumber))
        .Row("Language", View(r.Language))
        .Row("Manager Name", View(r.ManagerName))
        .Row("Business Homepage", View(r.BusinessHomePage))
        .Row("Personal Homepage", View(r.PersonalHomePage))
        .Row("Profession", View(r.Profession))
        .Row("Spouse", View(r.Spouse));
    RowList custom(TabOf(d, "User-Defined Fields"), "lvCustom", {"Seq.", "Custom Label", "Custom Content"});
    for (std::size_t i = 0; i < r.UserValues.size(); ++i) {
        if (!r.UserValues[i].empty())
            custom.Row3(std::to_string(i + 1), std::string(View(r.UserNames[i])), std::string(View(r.UserValues[i])));
    }
}

// The recurrence of an appointment or a task, or no tab when the item does not recur.
void FillRecurrence(RecordDetail& d, const outlook::OlRecurrenceFields& r)
{
    using RK = RecurrenceView::Pattern;
    RecurrenceView view{.Interval = r.Interval, .DayMask = r.DayOfWeekMask};
    switch (r.RecurrenceType) {
    case outlook::olRecursDaily: view.Kind = RK::Daily; break;
    case outlook::olRecursWeekly: view.Kind = RK::Weekly; break;
    case outlook::olRecursMonthly: view.Kind = RK::MonthlyDate; break;
    case outlook::olRecursMonthNth: view.Kind = RK::MonthlyDay; break;
    case outlook::olRecursYearly:
    case outlook::olRecursYearNth: view.Kind = RK::Yearly; break;
    default: RemoveTab(d, "Recurrence"); return;
    }
    view.EndBy = r.PatternEndDate != 0 && !EndsNever(r.PatternEndDate);
    view.NoEnd = !view.EndBy;
    view.End = DateText(r.PatternEndDate);
    TabOf(d, "Recurrence") = RecurrenceTab(view);
}

const char* ResponseStatusName(std::int32_t status)
{
    static constexpr const char* kNames[] = {"Organized", "Tentative", "Accepted", "Declined", "Not Responsed"};
    return status >= 1 && status <= 5 ? kNames[status - 1] : "None";
}

void FillCalendar(RecordDetail& d, const OlDateRec& r)
{
    TabOf(d, "General").Fields = {
        Edit("Description:", View(r.Subject)), Edit("Date:", DateText(r.Start)), Edit("Start time:", TimeText(r.Start)),
        Edit("End time:", TimeText(r.End)),     Edit("Location:", View(r.Location)), Edit("Category:", View(r.Categories)),
        Check("All day event", r.AllDayEvent != 0), Check("Alarm", r.ReminderSet != 0), Check("Private", IsPrivate(r.Sensitivity)),
    };
    FillRecurrence(d, r);
    TabOf(d, "Notes").Fields = {Memo("", View(r.Body))};
    RowList misc = MiscList(TabOf(d, "Misc Fields"));
    misc.Row("Mileage", View(r.Mileage))
        .Always("Response Requested", YesNo(r.ResponseRequested != 0))
        .Always("Response Status", ResponseStatusName(r.ResponseStatus));
    ReminderRows(misc, r.ReminderSet != 0, r.ReminderTime, r.ReminderOverrideDefault != 0, r.ReminderPlaySound != 0,
                 View(r.ReminderSoundFile));
    misc.Row("Creation Time", DateTimeText(r.CreationTime)).Row("Last Modification Time", DateTimeText(r.LastModificationTime));
}

const char* TaskStatus(std::int32_t status)
{
    static constexpr const char* kNames[] = {"Not Started", "In Progress", "Completed", "Waiting", "Deferred"};
    return status >= 0 && status <= 4 ? kNames[status] : "Unknown";
}

void FillTask(RecordDetail& d, const OlTaskRec& r)
{
    const char* priority = r.Importance == 2 ? "High" : r.Importance == 0 ? "Low" : "Normal";
    TabOf(d, "General").Fields = {
        Edit("Description:", View(r.Subject)), Edit("Priority:", priority), Edit("Due Date:", DateText(r.DueDate)),
        Edit("Category:", View(r.Categories)), Check("Completed", r.Complete != 0), Check("Private", IsPrivate(r.Sensitivity)),
    };
    TabOf(d, "Notes").Fields = {Memo("", View(r.Body))};
    RowList misc = MiscList(TabOf(d, "Misc Fields"));
    misc.Row("Card Data", View(r.CardData)).Row("Mileage", View(r.Mileage));
    if (r.Ordinal > 0)
        misc.Always("Ordinal", std::to_string(r.Ordinal));
    if (r.PercentComplete > 0)
        misc.Always("Percent Completed", std::to_string(r.PercentComplete));
    ReminderRows(misc, r.ReminderSet != 0, r.ReminderTime, r.ReminderOverrideDefault != 0, r.ReminderPlaySound != 0,
                 View(r.ReminderSoundFile));
    misc.Row("Role", View(r.Role));
    if (r.StartDate > 0)
        misc.Row("Start Date", DateText(r.StartDate));
    misc.Always("Status", TaskStatus(r.Status))
        .Always("Team Task", YesNo(r.TeamTask != 0))
        .Always("Total Work", std::to_string(r.TotalWork))
        .Row("Creation Time", DateTimeText(r.CreationTime))
        .Row("Last Modification Time", DateTimeText(r.LastModificationTime));
}

void FillNote(RecordDetail& d, const OlNoteRec& r)
{
    TabOf(d, "Notes").Fields = {Memo("", View(r.Body))};
    static constexpr const char* kColours[] = {"Blue", "Green", "Pink", "Yellow", "White"};
    RowList misc = MiscList(TabOf(d, "Misc Fields"));
    misc.Row("Subject", View(r.Subject));
    if (r.Color >= 0 && r.Color <= 4)
        misc.Always("Color", kColours[r.Color]);
    misc.Row("Category", View(r.Categories))
        .Row("Creation Time", DateTimeText(r.CreationTime))
        .Row("Last Modification Time", DateTimeText(r.LastModificationTime));
}

}  // namespace

RecordDetail OLAddrDetail(const model::CommAddrRec* record)
{
    return Filled(Frame("Outlook Contact Record Details", "View detail information of the Outlook Contact record.", AppType::Outlook,
                       {"Phones and Emails", "Addresses", "Notes", "Misc Fields", "User-Defined Fields"}),
                 record, FillContact);
}

RecordDetail OLDateDetail(const model::CommDateRec* record)
{
    return Filled(Frame("Outlook Calendar Record Details", "View detail information of the Outlook Calendar record.",
                       AppType::Outlook, {"General", "Recurrence", "Notes", "Misc Fields"}),
                 record, FillCalendar);
}

RecordDetail OLTaskDetail(const model::CommTaskRec* record)
{
    return Filled(Frame("Outlook Task Record Details", "View detail information of the Outlook Task record.", AppType::Outlook,
                       {"General", "Notes", "Misc Fields"}),
                 record, FillTask);
}

RecordDetail OLNoteDetail(const model::CommNoteRec* record)
{
    return Filled(Frame("Outlook Note Record Details", "View detail information of the Outlook Note record.", AppType::Outlook,
                       {"Notes", "Misc Fields"}),
                 record, FillNote);
}

}  // namespace velmora::core
