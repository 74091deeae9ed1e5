// The stand-in Lotus Notes to-dos helper: reads the mail database's iCalendar or
// structured-text export and writes its to-dos to the connector's data file.
#include "NotesHelper.h"

int main(int argc, char** argv)
{
    using namespace velmora;
    return helpers::RunNotesMailHelper(argc, argv, connectors::lotus::kLNTask, &helpers::NotesCalendar::Todos);
}
