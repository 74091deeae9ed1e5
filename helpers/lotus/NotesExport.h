#pragma once

#include <string>
#include <vector>

namespace velmora::helpers {

// What Notes exports a database as, and the helpers read instead of the database.
enum class ExportKind { VCard, ICalendar, StructuredText };

struct NotesExport {
    std::string Path;
    ExportKind Kind = ExportKind::StructuredText;
};

// The export that stands for the database the user named. A name ending in ".nsf" stands for the
// database itself: its export is the file beside it with the same stem and one of the `accepted`
// extensions (.vcf, .ics, .txt; the first found in that order). Any other name is the export
// itself. A server database, "server!!path", lies under `notesRoot`/server/path. Names are
// matched without regard to case; Windows drive paths are mapped through the Wine prefix.
// False with "The Lotus Notes database %s cannot be found." when there is none.
bool FindNotesExport(const std::string& database, const std::string& notesRoot, const std::vector<ExportKind>& accepted,
                     NotesExport& found, std::string& error);

// Where server databases lie: $VELMORA_NOTES_ROOT, else NotesData/ in the data folder; ends in '/'.
std::string NotesRoot(const std::string& dataFolder);

// An empty ID file name asks for none; a named one must exist ("The Lotus Notes ID file %s cannot
// be found." otherwise).
bool NotesIdFileUsable(const std::string& idFile, std::string& error);


}  // namespace velmora::helpers
