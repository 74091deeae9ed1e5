// What the ACT! store's journal costs: a submission of 10,000 contacts into a database of
// 10,000, half of them merges into stored contacts and half new ones, applied with and without
// the journal, in time and in database size. Run the release build:
//   cmake --preset release && cmake --build --preset release && ./build/release/bin/act_journal_bench
#include "helpers/act/ActStore.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

using namespace velmora::helpers;

namespace {

constexpr int kStored = 10'000;
constexpr int kSubmitted = 10'000;

ActContactRec Contact(int n)
{
    ActContactRec r;
    r.FirstName = "First" + std::to_string(n);
    r.LastName = "Last" + std::to_string(n);
    r.Company = "Company " + std::to_string(n % 500);
    r.BusinessEmail = "person" + std::to_string(n) + "@example.com";
    r.BusinessPhone = "555-" + std::to_string(1000 + n % 9000);
    r.BusinessCity = "Springfield";
    r.BusinessAddress1 = std::to_string(n) + " Main Street";
    return r;
}

struct Run {
    double seconds = 0;
    std::uintmax_t bytes = 0;
};

// A fresh database of kStored contacts, then one submission, journaled or not.
Run Submit(const std::string& pad, bool journaled)
{
    std::filesystem::remove(pad);
    std::string error;
    auto store = ActStore::Create(pad, "bench", "bench", error);
    std::vector<ActContactRec> stored;
    for (int n = 0; n < kStored; ++n)
        stored.push_back(Contact(n));
    if (!store || !store->Insert(stored, error) || !store->ReadAll(stored, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        std::exit(1);
    }
    std::vector<ActContactRec> submission;
    for (int n = 0; n < kSubmitted; ++n) {
        ActContactRec r = n % 2 == 0 ? stored[static_cast<std::size_t>(n)] : Contact(kStored + n);
        r.Title = "Buyer";
        r.State = 2;
        r.Operation = n % 2 == 0 ? 2 : 1;
        submission.push_back(r);
    }
    const std::uintmax_t before = std::filesystem::file_size(pad);
    const std::string migration = "bench";
    const auto start = std::chrono::steady_clock::now();
    if (!store->Write(submission, error, {}, journaled ? &migration : nullptr)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        std::exit(1);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    store.reset();
    return {seconds, std::filesystem::file_size(pad) - before};
}

}  // namespace

int main()
{
    const std::string pad = (std::filesystem::temp_directory_path() / "velmora-journal-bench.pad").string();
    const Run plain = Submit(pad, false);
    const Run journaled = Submit(pad, true);
    std::filesystem::remove(pad);
    std::printf("%d contacts submitted (half merges) into %d: without journal %.3f s, +%.1f MB; with journal %.3f s, "
                "+%.1f MB; the journal costs %.0f %% in time and %.1f MB (%.0f bytes per record)\n",
                kSubmitted, kStored, plain.seconds, static_cast<double>(plain.bytes) / 1e6, journaled.seconds,
                static_cast<double>(journaled.bytes) / 1e6, 100.0 * (journaled.seconds - plain.seconds) / plain.seconds,
                static_cast<double>(journaled.bytes - plain.bytes) / 1e6,
                static_cast<double>(journaled.bytes - plain.bytes) / kSubmitted);
    return 0;
}
