#include "FieldDifferences.h"

#include "CxDateTime.h"

namespace velmora::model {
namespace {

bool IsBreak(char c)
{
    return c == '\r' || c == '\n';
}

std::string AddrText(const CommAddrRec& r, int id)
{
    if (id == 83 || id == 84) {
        const double date = id == 83 ? r.Anniversary : r.Birthday;
        return date != 0 ? CxDateTime(date).FormatDate() : std::string();
    }
    const TextValue* text = AddrTextField(r, id);
    return text != nullptr ? std::string(text->view()) : std::string();
}

std::string DayText(const platform::SystemTime& time)
{
    return time.Year != 0 ? CxDateTime(time).FormatDate() : std::string();
}

std::string DateText(const CommDateRec& r, int id)
{
    switch (id) {
    case 1: return std::string(r.Subject.view());
    case 2: return DayText(r.Start);
    case 3: return DayText(r.End);
    case 7: return std::string(r.Note.view());
    case 9: return std::string(r.Location.view());
    case 13: return r.AllDay != 0 ? "Yes" : "No";
    default: return {};
    }
}

std::string TaskText(const CommTaskRec& r, int id)
{
    switch (id) {
    case 0: return std::string(r.Subject.view());
    case 1: return std::string(r.Note.view());
    case 2: return r.Priority == 1 ? "High" : r.Priority == 2 ? "Low" : "Normal";
    case 3: return r.Completed != 0 ? "Yes" : "No";
    case 5: return r.Alarm != 0 ? "Yes" : "No";
    case 6: return r.Private != 0 ? "Yes" : "No";
    default: return {};
    }
}

std::string NoteText(const CommNoteRec& r, int id)
{
    return std::string(id == 2 ? r.Subject.view() : id == 3 ? r.Text.view() : std::string_view());
}

template <class Label>
const char* LabelOf(std::span<const Label> table, int id)
{
    for (const Label& entry : table) {
        if (entry.Id == id)
            return entry.Label;
    }
    return "";
}

template <class Manager, class Rec, class TextOf, class Table>
std::vector<FieldDifference> DifferencesBy(const Manager& rules, const Rec& inAct, const Rec& source, TextOf textOf, Table table)
{
    std::vector<FieldDifference> differences;
    const std::vector<int> ids = rules.DifferingFields(inAct, source);
    if (ids.empty())
        return differences;
    const Rec written = rules.Merged(inAct, source);
    for (const int id : ids) {
        const std::string before = textOf(inAct, id), after = textOf(written, id);
        std::string shown = ShownText(after);
        if (textOf(source, id).empty() && after == before)
            shown += " (kept: the source has none)";
        differences.push_back({LabelOf(table, id), ShownText(before), std::move(shown)});
    }
    return differences;
}

}  // namespace

std::vector<FieldDifference> Differences(const CommAddrMgr& rules, const CommAddrRec& inAct, const CommAddrRec& source)
{
    return DifferencesBy(rules, inAct, source, AddrText, AddrFieldTable());
}

std::vector<FieldDifference> Differences(const CommDateMgr& rules, const CommDateRec& inAct, const CommDateRec& source)
{
    return DifferencesBy(rules, inAct, source, DateText, DateFieldTable());
}

std::vector<FieldDifference> Differences(const CommTaskMgr& rules, const CommTaskRec& inAct, const CommTaskRec& source)
{
    return DifferencesBy(rules, inAct, source, TaskText, TaskFieldTable());
}

std::vector<FieldDifference> Differences(const CommNoteMgr& rules, const CommNoteRec& inAct, const CommNoteRec& source)
{
    return DifferencesBy(rules, inAct, source, NoteText, NoteFieldTable());
}

std::string ShownText(std::string_view value)
{
    if (value.empty())
        return "(empty)";
    std::size_t end = value.size();
    while (end > 0 && IsBreak(value[end - 1]))
        --end;
    std::string shown;
    for (std::size_t i = 0; i < end; ++i) {
        if (!IsBreak(value[i])) {
            shown += value[i];
            continue;
        }
        if (value[i] == '\r' && i + 1 < end && value[i + 1] == '\n')
            ++i;
        shown += " (line break) ";
    }
    if (end < value.size())
        shown += shown.empty() ? "(line break at end)" : " (line break at end)";
    return shown;
}

}  // namespace velmora::model
