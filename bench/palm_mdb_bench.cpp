// Loading a Palm Desktop 6 address book (Address.mdb) of 20,000 contacts through the contacts
// front-end: the database read by the reader program (libmdb), the rows taken apart, the
// contacts converted to common contacts.
//
//   palm_mdb_bench [RECORDS]
#include "palm/PmInfo.h"
#include "palmdat/Palm6Writer.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

using namespace velmora;
using V = tools::JetDatabase::Value;

int main(int argc, char** argv)
{
    const std::size_t count = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 20000;
    std::vector<tools::Palm6Row> rows;
    for (std::size_t i = 0; i < count; ++i) {
        const std::string n = std::to_string(i);
        rows.push_back({{"Record ID", V::Of(static_cast<std::int64_t>(i + 1))}, {"Category", V::Of(std::int64_t{1})},
                        {"First Name", V::Of("First" + n)}, {"Last Name", V::Of("Lastname" + n)},
                        {"Company", V::Of("Company number " + std::to_string(i % 500))}, {"Job Title", V::Of("Manager")},
                        {"Work Phone", V::Of("555-" + n)}, {"Work Mobile", V::Of("person" + n + "@example.org")},
                        {"Phone Label1", V::Of(std::int64_t{0})}, {"Phone Label3", V::Of(std::int64_t{4})},
                        {"Work Street", V::Of(n + " Main Street")}, {"Work City", V::Of("Springfield")},
                        {"Note", V::Of("Met at the trade fair, stand " + n + ".")},
                        {"Birthday", V::Of(std::int64_t{1970 * 65536 + 5 * 256 + 1})}});
    }
    const std::string path = (std::filesystem::temp_directory_path() / "velmora-bench-Address.mdb").string();
    if (!tools::Palm6Database(palm::kDbContacts, rows, {{1, "Business"}}).Save(path)) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return 1;
    }
    std::printf("%zu contacts, database of %.1f MB\n", count, static_cast<double>(std::filesystem::file_size(path)) / 1e6);
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
        palm::PmAddrInfo info(60200);
        const auto start = std::chrono::steady_clock::now();
        const bool loaded = info.LoadByFile(path);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (!loaded || info.GetCommonMgr().Count() != count) {
            std::fprintf(stderr, "load failed (%zu contacts)\n", info.GetCommonMgr().Count());
            return 1;
        }
        std::printf("run %d: %.3f s\n", run + 1, seconds);
        best = std::min(best, seconds);
    }
    std::printf("LoadByFile through PmAddrInfo: best %.3f s\n", best);
    std::filesystem::remove(path);
    return 0;
}
