// velmora-pst: writes Outlook data files for the demo and the benchmark.
//
//   velmora-pst demo FILE                        the demo's contacts, calendar, tasks and notes
//   velmora-pst bulk FILE CONTACTS APPOINTMENTS  that many contacts and appointments
#include "PstDemo.h"

#include "SaveFile.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char** argv)
{
    using namespace velmora::tools;
    std::vector<PstFolderSpec> folders;
    if (argc == 3 && std::strcmp(argv[1], "demo") == 0) {
        folders = DemoOutlookFolders();
    } else if (argc == 5 && std::strcmp(argv[1], "bulk") == 0) {
        folders = BulkOutlookFolders(std::atoi(argv[3]), std::atoi(argv[4]));
    } else {
        std::fprintf(stderr, "usage: velmora-pst demo FILE | velmora-pst bulk FILE CONTACTS APPOINTMENTS\n");
        return 2;
    }
    if (!SaveFile(argv[2], WritePst(folders))) {
        std::fprintf(stderr, "velmora-pst: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
