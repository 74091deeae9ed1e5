// The ACT! contacts exchange at the size of a business database, 100,000 typical contacts:
// writing and reading back ACTAddr.dat, and a whole load through the stand-in helper (the
// helper reads the database and writes the data file, the connector reads it into its
// manager). Run the release build:
//   cmake --preset release && cmake --build --preset release && ./build/release/bin/act_exchange_bench
#include "BenchData.h"

#include "connectors/exchange/RecordFile.h"
#include "connectors/act/CxACTAddrUtil.h"
#include "helpers/act/ActStore.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

using namespace velmora;
using namespace velmora::connectors;

namespace {

constexpr int kContacts = 100'000;

template <class F>
double Seconds(F&& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main()
{
    char pattern[] = "/tmp/velmora-bench-XXXXXX";
    if (::mkdtemp(pattern) == nullptr)
        return 1;
    const std::string work = std::string(pattern) + "/";

    std::vector<ActContactRec> contacts(kContacts);
    for (int n = 0; n < kContacts; ++n) {
        FromCommon(bench::Contact(n), contacts[static_cast<std::size_t>(n)]);
        contacts[static_cast<std::size_t>(n)].RecordId = helpers::NewRecordId();
    }

    const std::string dataFile = work + "ACTAddr.dat";
    const double write = Seconds([&] { WriteDataFile(dataFile, contacts, [](std::int32_t) {}); });
    std::size_t read = 0;
    const double readBack = Seconds([&] {
        ReadDataFile<ActContactRec>(dataFile, [](std::int32_t) {}, [&](ActContactRec&&) {
            ++read;
            return true;
        });
    });
    std::printf("ACTAddr.dat of %d contacts (%.1f MB): written in %.3f s, read back (%zu records) in %.3f s\n", kContacts,
                static_cast<double>(std::filesystem::file_size(dataFile)) / 1e6, write, read, readBack);

    std::string error;
    const std::string pad = work + "Bench.pad";
    auto store = helpers::ActStore::Create(pad, "bench", "bench", error);
    if (!store || !store->Insert(contacts, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    store.reset();

    CxACTAddrUtil connector;
    connector.SetWorkFolder(work);
    connector.DatabasePath = pad;
    connector.UserName = "bench";
    connector.Password = "bench";
    bool loaded = false;
    const double load = Seconds([&] { loaded = connector.Load(); });
    std::printf("Load of %d contacts through the stand-in helper: %.3f s (%s, %zu records in the manager)\n", kContacts,
                load, loaded ? "ok" : connector.GetErrorText().c_str(), connector.GetManager().Count());

    std::filesystem::remove_all(work);
    return loaded ? 0 : 1;
}
