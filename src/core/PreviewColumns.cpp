#include "PreviewColumns.h"

#include "connectors/lotus/LotusRecords.h"
#include "model/CxDateTime.h"

namespace velmora::core {

namespace {

std::string Str(const model::TextValue& text)
{
    return std::string(text.view());
}

}  // namespace

// Lotus Notes rows show the values of the Lotus Notes record itself.
std::vector<std::string> PreviewColumns(const model::CommAddrRec& r)
{
    if (const auto* ln = r.SourceData.As<connectors::LNContactRec>())
        return {Str(ln->DisplayName), Str(ln->BusinessEmail), Str(ln->PrimaryPhone), Str(ln->CompanyName), Str(ln->JobTitle)};
    return {std::string(r.DisplayName.view()), std::string(r.Email.view()), std::string(r.PrimaryPhone.view()),
            std::string(r.Company.view()), std::string(r.Title.view())};
}

std::vector<std::string> PreviewColumns(const model::CommDateRec& r)
{
    if (const auto* ln = r.SourceData.As<connectors::LNEventRec>())
        return {Str(ln->Subject), model::FormatTimeOrNA(ln->Start), model::FormatTimeOrNA(ln->End), "No", Str(ln->Location)};
    return {std::string(r.Subject.view()), model::CxDateTime(r.Start).FormatTime(), model::CxDateTime(r.End).FormatTime(),
            r.AllDay != 0 ? "Yes" : "No", std::string(r.Location.view())};
}

std::vector<std::string> PreviewColumns(const model::CommTaskRec& r)
{
    if (const auto* ln = r.SourceData.As<connectors::LNTodoRec>()) {
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
