#include "DetailBuilder.h"
#include "DetailProviders.h"

#include "core/SessionManagers.h"
#include "model/CxDateTime.h"
#include "palm/PalmConversions.h"
#include "palm/PmSourceRec.h"
#include "palm/dat/PmTime.h"

#include <span>

namespace velmora::core {

using namespace detail;
using namespace palm;

namespace {

// A Palm time (seconds since 1970) as an automation date; 0 stays 0.
double PalmDate(std::int32_t seconds)
{
    return seconds != 0 ? model::VariantOf(PmTime(seconds).ToSystemTime()) : 0;
}

// Calls `fill` with the reader record a Palm source record holds, of whichever generation.
template <class Source>
void VisitRecord(const Source& source, const auto& fill)
{
    std::visit(
        [&](const auto& record) {
            if constexpr (std::is_pointer_v<std::decay_t<decltype(record)>>) {
                if (record != nullptr)
                    fill(*record);
            }
        },
        source.Record);
}

// A contact of any generation in the terms of the dialog.
struct ContactView {
    struct Address {
        std::string_view Street{}, City{}, State{}, Zip{}, Country{};
    };
    int Generation = 0;
    std::string_view First{}, Last{}, Company{}, Title{}, Profession{}, AssistantName{}, AssistantPhone{}, Url{}, Note{};
    std::vector<std::pair<std::int32_t, std::string_view>> Phones{};  // label code, number
    std::size_t Primary = 0;
    Address Work{}, Home{}, Other{};
    std::string_view Im[2]{};
    double Birthday = 0, Anniversary = 0;
    std::vector<std::string_view> Custom{};
};

template <class Number, std::size_t N>
void TakePhones(ContactView& v, const Number (&numbers)[N], const std::int32_t (&labels)[N])
{
    for (std::size_t i = 0; i < N; ++i)
        v.Phones.emplace_back(labels[i], numbers[i].view());
}

template <class Text, std::size_t N>
void TakeCustom(ContactView& v, const Text (&custom)[N], std::size_t count)
{
    for (std::size_t i = 0; i < count && i < N; ++i)
        v.Custom.push_back(custom[i].view());
}

template <class A>
ContactView::Address AddressOf(const A& a)
{
    return {a.Street.view(), a.City.view(), a.State.view(), a.Zip.view(), a.Country.view()};
}

ContactView ViewOf(const PmAddrRec& r)
{
    ContactView v{.Generation = kGenerationEarly, .First = View(r.FirstName), .Last = View(r.LastName),
                  .Company = View(r.Company), .Title = View(r.Title), .Note = View(r.Note)};
    TakePhones(v, r.Phone, r.PhoneLabel);
    v.Work = {View(r.Street), View(r.City), View(r.State), View(r.Zip), View(r.Country)};
    TakeCustom(v, r.Custom, 4);
    return v;
}

ContactView ViewOf(const PmAddrExRec& r)
{
    ContactView v{.Generation = kGenerationEx, .First = View(r.FirstName), .Last = View(r.LastName),
                  .Company = View(r.Company), .Title = View(r.Title), .Url = View(r.HomePage), .Note = View(r.Note)};
    TakePhones(v, r.Phone, r.PhoneLabel);
    v.Work = AddressOf(r.Work);
    v.Home = AddressOf(r.Home);
    v.Other = AddressOf(r.Other);
    v.Im[0] = View(r.Im[0]);
    v.Im[1] = View(r.Im[1]);
    v.Birthday = PackedDateToVariant(r.Birthday);
    TakeCustom(v, r.Custom, 9);
    return v;
}

double Packed(std::int32_t packed)
{
    return PackedDateToVariant(static_cast<double>(static_cast<std::uint32_t>(packed)));
}

ContactView ViewOf(const PmAddrEx2Rec& r)
{
    ContactView v{.Generation = kGenerationEx2, .First = View(r.FirstName), .Last = View(r.LastName),
                  .Company = View(r.Company), .Title = View(r.Title), .Profession = View(r.Profession),
                  .AssistantName = View(r.AssistantName), .AssistantPhone = View(r.AssistantPhone),
                  .Url = View(r.Website), .Note = View(r.Note)};
    TakePhones(v, r.Phone, r.PhoneLabel);
    if (r.PrimaryContact >= 0 && static_cast<std::size_t>(r.PrimaryContact) < v.Phones.size())
        v.Primary = static_cast<std::size_t>(r.PrimaryContact);
    v.Work = AddressOf(r.Work);
    v.Home = AddressOf(r.Home);
    v.Other = AddressOf(r.Other);
    v.Im[0] = View(r.Chat[0]);
    v.Im[1] = View(r.Chat[1]);
    v.Birthday = Packed(r.Birthday);
    v.Anniversary = Packed(r.Anniversary);
    TakeCustom(v, r.Custom, 9);
    return v;
}

DetailTab PalmAddress(const char* caption, const ContactView::Address& a)
{
    return AddressTab(caption, a.Street, a.City, a.State, a.Zip, a.Country, "Zip:");
}

// The layout by generation: the earliest files have one address, five phones and no online
// presence, assistant or dates.
void FillContactView(RecordDetail& d, const ContactView& v, const PmAddrSourceRec& source)
{
    const bool early = v.Generation == kGenerationEarly;
    const std::size_t phoneRows = std::min<std::size_t>(v.Phones.size(), early ? 5 : 6);
    const std::size_t primary = v.Primary < phoneRows ? v.Primary : 0;
    DetailTab& general = TabOf(d, "General Information");
    general.Fields = {Edit("First Name:", v.First), Edit("Last Name:", v.Last),
                      Edit("English Name:", std::string(v.First) + " " + std::string(v.Last)),
                      Edit("Company:", v.Company), Edit("Job Title:", v.Title), Edit("Profession:", v.Profession),
                      Group(" Contact Info "),
                      Edit("Primary Contact:", phoneRows > 0 ? GetPhoneLabelName(v.Phones[primary].first) : "")};
    for (std::size_t i = 0; i < phoneRows; ++i)
        general.Fields.push_back(RadioEdit(GetPhoneLabelName(v.Phones[i].first), v.Phones[i].second, i == primary));

    DetailTab& addresses = TabOf(d, "Addresses");
    if (early) {
        addresses.Inner = {PalmAddress("Address", v.Work)};
        RemoveTab(d, "Online Presense");
    } else {
        DetailTab work = PalmAddress("Work", v.Work);
        work.Fields.push_back(Edit("Assistant Name:", v.AssistantName));
        work.Fields.push_back(Edit("Assistant Phone:", v.AssistantPhone));
        DetailTab home = PalmAddress("Home", v.Home);
        home.Fields.push_back(Edit("Anniversary:", DateText(v.Anniversary)));
        home.Fields.push_back(Edit("Birthday:", DateText(v.Birthday)));
        addresses.Inner = {std::move(work), std::move(home), PalmAddress("Other", v.Other)};
        TabOf(d, "Online Presense").Fields = {Edit("IM:", v.Im[0]), Edit("", v.Im[1]), Edit("URL:", v.Url)};
    }
    DetailTab& custom = TabOf(d, "Custom Fields");
    for (std::size_t i = 0; i < 9; ++i) {
        std::string label = "Custom " + std::to_string(i + 1) + ":";
        if (source.CustomLabels != nullptr && !(*source.CustomLabels)[i].empty())
            label = (*source.CustomLabels)[i] + ":";
        custom.Fields.push_back(Edit(std::move(label), i < v.Custom.size() ? v.Custom[i] : std::string_view()));
    }
    TabOf(d, "Notes").Fields = {Memo("", v.Note)};
}

// A calendar entry or to-do of any generation in the terms of the dialogs.
struct EntryView {
    int Generation = 0;
    std::string_view Description{}, Note{}, Location{}, Category{}, TimeZone{};
    double Start = 0, End = 0;
    bool Untimed = false, Alarm = false, Private = false, Completed = false;
    std::int32_t AlarmAdvance = 0, AlarmUnit = 0, Priority = 0;
    double Due = 0, CompleteDate = 0;
    const PalmRepeat* Repeat = nullptr;
};

EntryView ViewOf(const PmDateRec& r)
{
    return {.Generation = kGenerationEarly, .Description = View(r.Description), .Note = View(r.Note),
            .Start = PalmDate(r.Start), .End = PalmDate(r.End), .Untimed = r.Untimed != 0, .Alarm = r.AlarmSet != 0,
            .Private = r.Private != 0, .AlarmAdvance = r.AlarmAdvance, .AlarmUnit = r.AlarmUnit, .Repeat = &r.Repeat};
}

EntryView ViewOf(const PmDateExRec& r)
{
    return {.Generation = kGenerationEx, .Description = View(r.Description), .Note = View(r.Note),
            .Location = View(r.Location), .Category = View(r.CategoryName), .Start = PalmDate(r.Start),
            .End = PalmDate(r.End), .Untimed = r.Untimed != 0, .Alarm = r.AlarmSet != 0, .Private = r.Private != 0,
            .AlarmAdvance = r.AlarmAdvance, .AlarmUnit = r.AlarmUnit, .Repeat = &r.Repeat};
}

EntryView ViewOf(const PmDateEx2Rec& r)
{
    return {.Generation = kGenerationEx2, .Description = View(r.Summary), .Note = View(r.Note),
            .Location = View(r.Location), .Category = View(r.CategoryName), .TimeZone = View(r.TimeZone),
            .Start = PalmDate(r.Start), .End = PalmDate(r.End), .Untimed = r.Untimed != 0, .Alarm = r.Alarm != 0,
            .Private = r.Private != 0, .AlarmAdvance = r.AlarmAdvance, .AlarmUnit = r.AlarmUnit, .Repeat = &r.Repeat};
}

EntryView ViewOf(const PmTodoRec& r)
{
    return {.Generation = kGenerationEarly, .Description = View(r.Description), .Note = View(r.Note),
            .Private = r.Private != 0, .Completed = r.Completed != 0, .Priority = r.Priority, .Due = PalmDate(r.DueDate)};
}

EntryView ViewOf(const PmTodoExRec& r)
{
    return {.Generation = kGenerationEx, .Description = View(r.Description), .Note = View(r.Note),
            .Category = View(r.CategoryName), .Private = r.Private != 0, .Completed = r.Completed != 0,
            .Priority = r.Priority, .Due = PalmDate(r.DueDate)};
}

EntryView ViewOf(const PmTodoEx2Rec& r)
{
    return {.Generation = kGenerationEx2, .Description = View(r.Description), .Note = View(r.Note),
            .Category = View(r.CategoryName), .Private = r.Private != 0, .Completed = r.Completed != 0,
            .Priority = r.Priority, .Due = PalmDate(r.DueDate), .CompleteDate = PalmDate(r.CompleteDate)};
}

// The recurrence tab of a repeating entry; none for a kind the dialog has no tab for.
void FillRecurrence(RecordDetail& d, const PalmRepeat& repeat)
{
    using RK = RecurrenceView::Pattern;
    static constexpr RK kKinds[] = {RK::Daily, RK::Weekly, RK::MonthlyDay, RK::MonthlyDate, RK::YearlyDate, RK::YearlyDay};
    if (repeat.Type < 1 || repeat.Type > 6) {
        RemoveTab(d, "Recurrence");
        return;
    }
    RecurrenceView view{.Kind = kKinds[repeat.Type - 1], .Interval = repeat.Interval, .DayMask = repeat.DaysMask};
    // Palm's own "no end" falls in 2031; it is no end date, as the conversion takes it.
    if (repeat.EndDate != 0) {
        const int year = PmTime(repeat.EndDate).GetYear();
        view.EndBy = repeat.EndDate != kPalmNoEnd && year >= 2000 && year <= 2049;
        view.NoEnd = !view.EndBy;
        view.End = view.EndBy ? DateText(PalmDate(repeat.EndDate)) : std::string();
    }
    TabOf(d, "Recurrence") = RecurrenceTab(view);
}

const char* AlarmUnitName(std::int32_t unit)
{
    return unit == 1 ? "hours" : unit == 2 ? "days" : "minutes";
}

void FillCalendarView(RecordDetail& d, const EntryView& v)
{
    TabOf(d, "General").Fields = {
        Edit("Description:", v.Description), Edit("Date:", DateText(v.Start)), Edit("Start time:", TimeText(v.Start)),
        Edit("End time:", TimeText(v.End)),  Edit("Location:", v.Location),     Edit("Category:", v.Category),
        Check("All day event", v.Untimed),   Check("Alarm", v.Alarm),           Check("Private", v.Private),
    };
    FillRecurrence(d, *v.Repeat);
    TabOf(d, "Notes").Fields = {Memo("", v.Note)};
    if (v.Generation == kGenerationEarly) {
        RemoveTab(d, "Misc Fields");
        return;
    }
    RowList misc = MiscList(TabOf(d, "Misc Fields"));
    misc.Always("Reminder Set", YesNo(v.Alarm));
    if (v.Alarm)
        misc.Always("Reminder Advance", std::to_string(v.AlarmAdvance) + " " + AlarmUnitName(v.AlarmUnit));
    misc.Row("Time Zone", v.TimeZone);
}

void FillTaskView(RecordDetail& d, const EntryView& v)
{
    const std::int32_t priority = ToPriority(v.Priority);
    TabOf(d, "General").Fields = {
        Edit("Description:", v.Description), Edit("Priority:", priority == 1 ? "High" : priority == 2 ? "Low" : "Normal"),
        Edit("Due Date:", DateText(v.Due)),  Edit("Category:", v.Category),
        Check("Completed", v.Completed),     Check("Private", v.Private),
    };
    TabOf(d, "Notes").Fields = {Memo("", v.Note)};
    MiscList(TabOf(d, "Misc Fields")).Row("Complete Date", DateText(v.CompleteDate));
}

void FillContact(RecordDetail& d, const PmAddrSourceRec& source)
{
    VisitRecord(source, [&](const auto& record) { FillContactView(d, ViewOf(record), source); });
}

void FillCalendar(RecordDetail& d, const PmDateSourceRec& source)
{
    VisitRecord(source, [&](const auto& record) { FillCalendarView(d, ViewOf(record)); });
}

void FillTask(RecordDetail& d, const PmTodoSourceRec& source)
{
    VisitRecord(source, [&](const auto& record) { FillTaskView(d, ViewOf(record)); });
}

void FillNote(RecordDetail& d, const PmMemoSourceRec& source)
{
    VisitRecord(source, [&](const auto& record) {
        TabOf(d, "Notes").Fields = {Memo("", View(record.Memo))};
        RowList misc = MiscList(TabOf(d, "Misc Fields"));
        misc.Always("Private", YesNo(record.Private != 0));
        if constexpr (requires { record.CategoryName; })
            misc.Row("Category", View(record.CategoryName));
    });
}

}  // namespace

RecordDetail PDAddrDetail(const model::CommAddrRec* record)
{
    return Filled(Frame("View Palm Desktop Contact Record Details", "View detail information of the Palm Desktop Contact record.",
                        AppType::PalmDesktop, {"General Information", "Addresses", "Online Presense", "Custom Fields", "Notes"}),
                  record, FillContact);
}

RecordDetail PDDateDetail(const model::CommDateRec* record)
{
    return Filled(Frame("Palm Desktop Calendar Record Details", "View detail information of the Palm Desktop Calendar record.",
                        AppType::PalmDesktop, {"General", "Recurrence", "Notes", "Misc Fields"}),
                  record, FillCalendar);
}

RecordDetail PDTaskDetail(const model::CommTaskRec* record)
{
    return Filled(Frame("Palm Desktop Task Record Details", "View detail information of the Palm Desktop Task record.",
                        AppType::PalmDesktop, {"General", "Notes", "Misc Fields"}),
                  record, FillTask);
}

RecordDetail PDNoteDetail(const model::CommNoteRec* record)
{
    return Filled(Frame("Palm Desktop Memo Record Details", "View detail information of the Palm Desktop Memo record.",
                        AppType::PalmDesktop, {"Notes", "Misc Fields"}),
                  record, FillNote);
}

}  // namespace velmora::core
