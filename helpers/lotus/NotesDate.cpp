// The stand-in Lotus Notes calendar entries helper: reads the mail database's iCalendar or
// structured-text export and writes its calendar entries to the connector's data file.
#include "NotesHelper.h"
#include "NotesRecords.h"

using namespace velmora;
using namespace velmora::helpers;

int main(int argc, char** argv)
{
    return RunNotesHelper<connectors::LNEventRec>(
        argc, argv, connectors::lotus::kLNDate, connectors::lotus::kLNParamDatabase,
        {ExportKind::ICalendar, ExportKind::StructuredText},
        [](const NotesExport& found, const std::string& text, std::vector<connectors::LNEventRec>& records, std::string& error) {
            NotesCalendar calendar;
            if (found.Kind == ExportKind::ICalendar) {
                if (!ReadNotesCalendar(text, calendar, error))
                    return false;
            } else {
                calendar = CalendarOf(ParseStructuredText(text));
            }
            records = std::move(calendar.Events);
            return true;
        });
}
