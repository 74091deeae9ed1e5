#include "DetailBuilder.h"

#include "model/CxDateTime.h"

#include <stdexcept>

namespace velmora::core::detail {

using Kind = DetailField::Control;

DetailField Edit(std::string caption, std::string_view value, std::string suffix)
{
    return {.Kind = Kind::Edit, .Caption = std::move(caption), .Value = std::string(value), .Suffix = std::move(suffix)};
}

DetailField Memo(std::string caption, std::string_view value)
{
    return {.Kind = Kind::Memo, .Caption = std::move(caption), .Value = std::string(value)};
}

DetailField Check(std::string caption, bool checked)
{
    return {.Kind = Kind::Check, .Caption = std::move(caption), .Checked = checked};
}

DetailField Radio(std::string caption, bool checked)
{
    return {.Kind = Kind::Radio, .Caption = std::move(caption), .Checked = checked};
}

DetailField RadioEdit(std::string caption, std::string_view value, bool checked)
{
    return {.Kind = Kind::RadioEdit, .Caption = std::move(caption), .Value = std::string(value), .Checked = checked};
}

DetailField Group(std::string caption)
{
    return {.Kind = Kind::Group, .Caption = std::move(caption)};
}

std::string DateText(double date)
{
    return date != 0 ? model::CxDateTime(date).FormatDate() : std::string();
}

std::string TimeText(double date)
{
    return date != 0 ? model::CxDateTime(date).FormatTime() : std::string();
}

std::string DateTimeText(double date)
{
    return date != 0 ? model::CxDateTime(date).FormatDateTime() : std::string();
}

RecordDetail Frame(const char* caption, const char* header, int sourceApp, std::initializer_list<const char*> tabs)
{
    RecordDetail detail{.Caption = caption, .Header = header, .SourceApp = sourceApp};
    for (const char* tab : tabs)
        detail.Tabs.push_back(DetailTab{.Caption = tab});
    return detail;
}

DetailTab& TabOf(RecordDetail& detail, std::string_view caption)
{
    for (DetailTab& tab : detail.Tabs) {
        if (tab.Caption == caption)
            return tab;
    }
    throw std::logic_error("no detail tab " + std::string(caption));
}

void RemoveTab(RecordDetail& detail, std::string_view caption)
{
    std::erase_if(detail.Tabs, [caption](const DetailTab& tab) { return tab.Caption == caption; });
}

void AddNameFields(RecordDetail& detail, std::string_view name, std::string_view company, std::string_view title)
{
    detail.Top = {Edit("Name:", name), Edit("Company:", company), Edit("Job Title:", title)};
}

RowList::RowList(DetailTab& tab, const char* name, std::initializer_list<const char*> columns)
    : mList(tab.Lists.emplace_back(DetailList{.Name = name, .Columns = {columns.begin(), columns.end()}}))
{
}

RowList& RowList::Row(const char* label, std::string_view value)
{
    return value.empty() ? *this : Always(label, value);
}

RowList& RowList::Always(const char* label, std::string_view value)
{
    mList.Rows.push_back({label, std::string(value)});
    return *this;
}

RowList& RowList::Row3(std::string first, std::string second, std::string third)
{
    mList.Rows.push_back({std::move(first), std::move(second), std::move(third)});
    return *this;
}

RowList PhoneList(DetailTab& tab)
{
    return RowList(tab, "lvPhone", {"Description", "Content"});
}

RowList ContactMiscList(DetailTab& tab)
{
    return RowList(tab, "lvMisc", {"Label", "Content"});
}

RowList MiscList(DetailTab& tab)
{
    return RowList(tab, "lvMisc", {"Field Name", "Field Content"});
}

DetailTab AddressTab(std::string caption, std::string_view street, std::string_view city, std::string_view state,
                     std::string_view postal, std::string_view country, const char* postalCaption)
{
    return {.Caption = std::move(caption),
            .Fields = {Memo("Address:", street), Edit("City:", city), Edit("State:", state), Edit(postalCaption, postal),
                       Edit("Country:", country)}};
}

DetailTab RecurrenceTab(const RecurrenceView& view)
{
    using RK = RecurrenceView::Pattern;
    const std::string every = std::to_string(view.Interval);
    DetailTab inner;
    switch (view.Kind) {
    case RK::Daily: inner = {.Caption = "Daily", .Fields = {Edit("Every", every, "days.")}}; break;
    case RK::Weekly: {
        inner = {.Caption = "Weekly", .Fields = {Edit("Every", every, "weeks on:")}};
        static constexpr const char* kDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
        for (int day = 0; day < 7; ++day)
            inner.Fields.push_back(Check(kDays[day], (view.DayMask >> day & 1) != 0));
        break;
    }
    case RK::MonthlyDate:
    case RK::MonthlyDay:
        inner = {.Caption = "Monthly",
                 .Fields = {Edit("Every", every, "months"), Group("By:"), Radio("Date", view.Kind == RK::MonthlyDate),
                            Radio("Day", view.Kind == RK::MonthlyDay)}};
        break;
    case RK::Yearly: inner = {.Caption = "Yearly", .Fields = {Edit("Every", every, "years")}}; break;
    case RK::YearlyDate:
    case RK::YearlyDay:
        inner = {.Caption = "Yearly",
                 .Fields = {Edit("Every", every, "years"), Group("By:"), Radio("Date", view.Kind == RK::YearlyDate),
                            Radio("Day", view.Kind == RK::YearlyDay)}};
        break;
    }
    DetailTab tab{.Caption = "Recurrence", .Fields = {Group(" Recurrence Range ")}, .Inner = {std::move(inner)}};
    if (view.ShowStart)
        tab.Fields.push_back(Edit("Start:", view.Start));
    tab.Fields.push_back(RadioEdit("End by", view.EndBy ? view.End : std::string(), view.EndBy));
    tab.Fields.push_back(Radio("No end date", view.NoEnd));
    return tab;
}

void ReminderRows(RowList& rows, bool set, double time, bool overrideDefault, bool playSound, std::string_view soundFile)
{
    rows.Always("Reminder Set", YesNo(set));
    if (!set)
        return;
    if (time > 0)
        rows.Row("Reminder Time", TimeText(time));
    rows.Always("Reminder Override Default", YesNo(overrideDefault));
    rows.Always("Reminder Play Sound", YesNo(playSound));
    if (playSound)
        rows.Row("Reminder Sound File", soundFile);
}

}  // namespace velmora::core::detail
