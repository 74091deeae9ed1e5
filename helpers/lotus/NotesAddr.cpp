// The stand-in Lotus Notes contacts helper: reads the address book's vCard or structured-text
// export and writes the contacts to the connector's data file.
#include "NotesHelper.h"
#include "NotesRecords.h"

using namespace velmora;
using namespace velmora::helpers;

int main(int argc, char** argv)
{
    return RunNotesHelper<connectors::LNContactRec>(
        argc, argv, connectors::lotus::kLNAddr, connectors::lotus::kLNParamAddressBook,
        {ExportKind::VCard, ExportKind::StructuredText},
        [](const NotesExport& found, const std::string& text, std::vector<connectors::LNContactRec>& records, std::string&) {
            if (found.Kind == ExportKind::VCard) {
                for (const VCard& card : ParseVCards(text))
                    records.push_back(ContactOf(card));
            } else {
                for (const NotesDocument& document : ParseStructuredText(text))
                    records.push_back(ContactOf(document));
            }
            return true;
        });
}
