// The stand-in Lotus Notes to-dos helper: reads the mail database's iCalendar or
// structured-text export and writes its to-dos to the connector's data file.
#include "NotesHelper.h"
#include "NotesRecords.h"

using namespace velmora;
using namespace velmora::helpers;

int main(int argc, char** argv)
{
    return RunNotesHelper<connectors::LNTodoRec>(
        argc, argv, connectors::lotus::kLNTask, connectors::lotus::kLNParamDatabase,
        {ExportKind::ICalendar, ExportKind::StructuredText},
        [](const NotesExport& found, const std::string& text, std::vector<connectors::LNTodoRec>& records, std::string& error) {
            NotesCalendar calendar;
            if (found.Kind == ExportKind::ICalendar) {
                if (!ReadNotesCalendar(text, calendar, error))
                    return false;
            } else {
                calendar = CalendarOf(ParseStructuredText(text));
            }
            records = std::move(calendar.Todos);
            return true;
        });
}
