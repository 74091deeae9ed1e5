// The stand-in Lotus Notes notebook helper: reads the notebook's structured-text export (the only
// export that carries it) and writes its documents to the connector's data file.
#include "NotesHelper.h"
#include "NotesRecords.h"

using namespace velmora;
using namespace velmora::helpers;

int main(int argc, char** argv)
{
    return RunNotesHelper<connectors::LNNotebookRec>(
        argc, argv, connectors::lotus::kLNNote, connectors::lotus::kLNParamDatabase, {ExportKind::StructuredText},
        [](const NotesExport&, const std::string& text, std::vector<connectors::LNNotebookRec>& records, std::string&) {
            for (const NotesDocument& document : ParseStructuredText(text))
                records.push_back(NotebookOf(document));
            return true;
        });
}
