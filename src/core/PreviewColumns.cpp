#include "PreviewColumns.h"

#include "model/CxDateTime.h"

namespace velmora::core {

std::vector<std::string> PreviewColumns(const model::CommAddrRec& r)
{
    return {std::string(r.DisplayName.view()), std::string(r.Email.view()), std::string(r.PrimaryPhone.view()),
            std::string(r.Company.view()), std::string(r.Title.view())};
}

std::vector<std::string> PreviewColumns(const model::CommDateRec& r)
{
    return {std::string(r.Subject.view()), model::CxDateTime(r.Start).FormatTime(), model::CxDateTime(r.End).FormatTime(),
            r.AllDay != 0 ? "Yes" : "No", std::string(r.Location.view())};
}

std::vector<std::string> PreviewColumns(const model::CommTaskRec& r)
{
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
