// Loading an Outlook data file of 20,000 contacts and 20,000 appointments (a fifth of them
// recurring) through the four readers' path: the file read by the reader program (libpff), the
// stand-in Outlook's object model, the contacts and calendar readers, the common managers.
//
//   outlook_bench [CONTACTS [APPOINTMENTS]]
#include "outlook/OlAddrUtil.h"
#include "outlook/OlDateUtil.h"
#include "outlook/OlNoteUtil.h"
#include "outlook/OlTaskUtil.h"
#include "outlook/standin/StandInOutlook.h"
#include "pst/PstDemo.h"

#include "SaveFile.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

using namespace velmora;

int main(int argc, char** argv)
{
    const int contacts = argc > 1 ? std::atoi(argv[1]) : 20000;
    const int appointments = argc > 2 ? std::atoi(argv[2]) : 20000;
    const std::string path = (std::filesystem::temp_directory_path() / "velmora-bench-outlook.pst").string();
    if (!tools::SaveFile(path, tools::WritePst(tools::BulkOutlookFolders(contacts, appointments)))) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return 1;
    }
    std::printf("%d contacts, %d appointments, data file of %.1f MB\n", contacts, appointments,
                static_cast<double>(std::filesystem::file_size(path)) / 1e6);
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
        outlook::standin::ConfigureStandInOutlook(path);
        const auto start = std::chrono::steady_clock::now();
        outlook::OlAddrUtil addr;
        outlook::OlDateUtil date;
        outlook::OlTaskUtil task;
        outlook::OlNoteUtil note;
        if (!addr.Load() || !date.Load() || !task.Load() || !note.Load()) {
            std::fprintf(stderr, "the load failed\n");
            return 1;
        }
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("run %d: %zu contacts and %zu calendar entries loaded in %.2f s\n", run + 1, addr.Manager().Count(),
                    date.Manager().Count(), seconds);
        best = std::min(best, seconds);
        outlook::standin::ConfigureStandInOutlook("");  // the next run reads the file again
    }
    std::printf("best: %.2f s\n", best);
    std::filesystem::remove(path);
    return 0;
}
