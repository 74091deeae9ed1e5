// Loading a Palm Desktop 4.x address book of 50,000 contacts through the contacts front-end:
// reading the file, leaving out deleted records and converting the rest to common contacts.
//
//   palm_bench [RECORDS]
#include "palmdat/PalmDatWriter.h"
#include "palm/PmInfo.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

using namespace velmora;

int main(int argc, char** argv)
{
    const std::size_t count = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 50000;
    std::vector<palm::PmAddrExRec> contacts(count);
    for (std::size_t i = 0; i < count; ++i) {
        palm::PmAddrExRec& c = contacts[i];
        const std::string n = std::to_string(i);
        c.RecordId = static_cast<std::int32_t>(i + 1);
        c.CategoryId = 1;
        c.FirstName = "First" + n;
        c.LastName = "Lastname" + n;
        c.Company = "Company number " + std::to_string(i % 500);
        c.Title = "Manager";
        c.Phone[0] = "555-" + n;
        c.Phone[1] = "person" + n + "@example.org";
        c.PhoneLabel[1] = 4;
        c.Phone[2] = "555-9" + n;
        c.PhoneLabel[2] = 7;
        c.Work.Street = n + " Main Street";
        c.Work.City = "Springfield";
        c.Work.State = "WA";
        c.Work.Zip = "98052";
        c.Note = "Met at the trade fair, stand " + n + ".";
        c.Birthday = 1970 * 65536 + 5 * 256 + 1 + static_cast<double>(i % 28);
    }
    const std::string path = (std::filesystem::temp_directory_path() / "velmora-palm-bench-address.dat").string();
    if (!tools::SaveFile(path, tools::PalmDatWriter::File(contacts, {{1, 1, "Business"}}))) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return 1;
    }
    std::printf("%zu contacts, file of %.1f MB\n", count, static_cast<double>(std::filesystem::file_size(path)) / 1e6);

    double best = 1e9;
    double total = 0;
    constexpr int kRuns = 5;
    for (int run = 0; run < kRuns; ++run) {
        palm::PmAddrInfo info(40104);
        const auto start = std::chrono::steady_clock::now();
        const bool loaded = info.LoadByFile(path);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (!loaded || info.GetCommonMgr().Count() != count) {
            std::fprintf(stderr, "load failed\n");
            return 1;
        }
        std::printf("run %d: %.3f s\n", run + 1, seconds);
        best = std::min(best, seconds);
        total += seconds;
    }
    std::printf("LoadByFile through PmAddrInfo: best %.3f s, mean %.3f s of %d runs\n", best, total / kRuns, kRuns);
    std::filesystem::remove(path);
    return 0;
}
