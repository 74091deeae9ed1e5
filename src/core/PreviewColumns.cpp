#include "PreviewColumns.h"

#include "connectors/lotus/LotusRecords.h"
#include "model/CxDateTime.h"

namespace velmora::core {

namespace {

std::string Str(const model::TextValue& text)
{
    return std::string(text.view());
}

// Who a contact is when it has no display name (Palm Desktop contacts before 6 carry none):
// its first, middle and last names joined by blanks, else its company.
std::string ShownName(const model::TextValue& display, std::initializer_list<const model::TextValue*> names,
                      const model::TextValue& company)
{
    if (!display.empty())
        return Str(display);
    std::string joined;
    for (const model::TextValue* name : names) {
        if (name->empty())
            continue;
        if (!joined.empty())
            joined += ' ';
        joined += name->view();
    }
    return joined.empty() ? Str(company) : joined;
}

}  // namespace

// Lotus Notes rows show the values of the Lotus Notes record itself.
std::vector<std::string> PreviewColumns(const model::CommAddrRec& r)
{
    if (const auto ln = r.SourceData.Get<connectors::LNContactRec>())
        return {ShownName(ln->DisplayName, {&ln->FirstName, &ln->MiddleName, &ln->LastName}, ln->CompanyName),
                Str(ln->BusinessEmail), Str(ln->PrimaryPhone), Str(ln->CompanyName), Str(ln->JobTitle)};
    return {ShownName(r.DisplayName, {&r.FirstName, &r.MiddleName, &r.LastName}, r.Company), Str(r.Email),
            Str(r.PrimaryPhone), Str(r.Company), Str(r.Title)};
}

std::vector<std::string> PreviewColumns(const model::CommDateRec& r)
{
    if (const auto ln = r.SourceData.Get<connectors::LNEventRec>())
        return {Str(ln->Subject), model::FormatTimeOrNA(ln->Start), model::FormatTimeOrNA(ln->End), "No", Str(ln->Location)};
    return {std::string(r.Subject.view()), model::CxDateTime(r.Start).FormatTime(), model::CxDateTime(r.End).FormatTime(),
            r.AllDay != 0 ? "Yes" : "No", std::string(r.Location.view())};
}

std::vector<std::string> PreviewColumns(const model::CommTaskRec& r)
{
    if (const auto ln = r.SourceData.Get<connectors::LNTodoRec>()) {
        const char* priority = ln->Priority == 0 ? "High" : ln->Priority == 2 ? "Low" : "Normal";
        return {Str(ln->Subject), priority, model::FormatDateOrNA(ln->Due), Str(ln->Body)};
    }
    const char* importance = r.Priority == 1 ? "High" : r.Priority == 2 ? "Low" : "Normal";
    model::CxDateTime due(model::TimeTToVariant(r.DueDate));
    return {std::string(r.Subject.view()), importance, r.DueDate != 0 ? due.FormatDate() : std::string(),
            std::string(r.Note.view())};
}

std::vector<std::string> PreviewColumns(const model::CommNoteRec& r)
{
    return {std::string(r.Text.view())};
}

}  // namespace velmora::core
