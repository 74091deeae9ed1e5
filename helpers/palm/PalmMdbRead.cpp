// PalmMdbRead: reads columns of a table of an Access database for the Palm Desktop 6.x readers,
// in a process of its own, so that a damaged file that crashes or hangs the database library
// only ends this program.
//
//   PalmMdbRead DATABASE TABLE COLUMN...
//
// Writes the rows (or the error) to standard output in the format of palm/mdb/PmDbValue.h.
#include "MdbTable.h"

#include "helpers/common/HelperSide.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    using namespace velmora;
    if (const int status = helpers::HelperOptions(argc, argv, "DATABASE TABLE COLUMN..."); status >= 0)
        return status;
    std::string answer;
    if (argc < 4) {
        answer = palm::EncodeError("usage: PalmMdbRead DATABASE TABLE COLUMN...");
    } else {
        std::vector<std::string> columns(argv + 3, argv + argc);
        std::vector<palm::PmDbRow> rows;
        std::string error;
        answer = helpers::ReadMdbTable(argv[1], argv[2], columns, rows, error) ? palm::EncodeRows(rows)
                                                                               : palm::EncodeError(error);
    }
    const bool written = std::fwrite(answer.data(), 1, answer.size(), stdout) == answer.size() && std::fflush(stdout) == 0;
    return written ? 0 : 1;
}
