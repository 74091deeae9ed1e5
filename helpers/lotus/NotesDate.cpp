// The stand-in Lotus Notes calendar entries helper: reads the mail database's iCalendar or
// structured-text export and writes its calendar entries to the connector's data file.
#include "NotesHelper.h"

int main(int argc, char** argv)
{
    using namespace velmora;
    return helpers::RunNotesMailHelper(argc, argv, connectors::lotus::kLNDate, &helpers::NotesCalendar::Events);
}
