// Palm Desktop 6 databases are Access files from an old computer, read with libmdb. The wizard
// reads them in a program of its own (PalmMdbRead), so a crash or a hang costs only that
// program; this target feeds damaged files to the same reading code in-process to find them.
#include "TempInputFile.h"

#include "helpers/palm/MdbTable.h"
#include "palm/mdb/PmDBEx2Util.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace velmora;
    TempInputFile file(data, size);
    std::vector<palm::PmDbRow> rows;
    std::string error;
    helpers::ReadMdbTable(file.Path(), "Category", {"ID", "Name", "Status", "Color"}, rows, error);
    helpers::ReadMdbTable(file.Path(), "Main", palm::Ex2Columns(palm::kDbMemo), rows, error);
    helpers::ReadMdbTable(file.Path(), "Main", palm::Ex2Columns(palm::kDbContacts), rows, error);
    return 0;
}
