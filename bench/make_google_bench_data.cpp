// Makes the data home of the Google-to-ACT! benchmark: an ACT! database of `n` contacts and a
// Google account of `n` contacts and `n` events, half of the contacts matching ACT!'s (a tenth
// of those with another company), the rest new; settings pointing at both.
//   make_google_bench_data DATA-HOME [n]
#include "helpers/act/ActStore.h"

#include "platform/Base64.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

using namespace velmora;

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    const std::string home = argv[1];
    const int n = argc > 2 ? std::atoi(argv[2]) : 20000;
    const std::string data = home + "/corvane/VLACT/";
    const std::string account = data + "GoogleAccounts/bench@example.org/";
    std::filesystem::remove_all(home);
    std::filesystem::create_directories(account);
    std::filesystem::create_directories(home + "/corvane/VLCommon");

    std::vector<helpers::ActContactRec> contacts(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        auto& c = contacts[static_cast<std::size_t>(i)];
        c.FirstName = "First" + std::to_string(i);
        c.LastName = "Last" + std::to_string(i);
        c.FullName = "First" + std::to_string(i) + " Last" + std::to_string(i);
        c.BusinessEmail = "person" + std::to_string(i) + "@example.com";
        c.Company = "Company " + std::to_string(i % 500);
        c.BusinessPhone = "555-" + std::to_string(1000 + i % 9000);
    }
    std::string error;
    auto store = helpers::ActStore::Create(data + "Bench.pad", "bench", "bench", error);
    if (!store || !store->Insert(contacts, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }

    std::ofstream(account + "password") << "bench\n";
    std::ofstream vcf(account + "contacts.vcf", std::ios::binary);
    for (int i = 0; i < n; ++i) {
        // Even numbers are ACT!'s contacts (every tenth of them changed), odd ones are new.
        const int person = i % 2 == 0 ? i : n + i;
        const bool changed = i % 20 == 0;
        vcf << "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:First" << person << " Last" << person << "\r\nN:Last" << person
            << ";First" << person << ";;;\r\nEMAIL;TYPE=INTERNET;TYPE=WORK:person" << person << "@example.com\r\n"
            << "TEL;TYPE=WORK:555-" << 1000 + person % 9000 << "\r\nORG:" << (changed ? "Other " : "Company ")
            << person % 500 << "\r\nEND:VCARD\r\n";
    }
    std::ofstream ics(account + "events.ics", std::ios::binary);
    ics << "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nX-WR-CALNAME:Bench\r\n";
    for (int i = 0; i < n; ++i) {
        char start[32];
        std::snprintf(start, sizeof start, "2008%02d%02dT%02d0000", 1 + i % 12, 1 + i % 28, 8 + i % 10);
        ics << "BEGIN:VEVENT\r\nDTSTART:" << start << "\r\nDTEND:" << start << "\r\nSUMMARY:Meeting " << i
            << "\r\nLOCATION:Room " << i % 7 << "\r\n" << (i % 10 == 0 ? "RRULE:FREQ=WEEKLY;BYDAY=MO,WE\r\n" : "")
            << "END:VEVENT\r\n";
    }
    ics << "END:VCALENDAR\r\n";

    std::ofstream(data + "VLACT.ini") << "[VLACT]\nSourceApp=2\nACTPadName=" << data << "Bench.pad\nACTUserName=bench\n"
                                      << "ACTSavePassword=1\nACTPassword=" << platform::EncodePassword("bench")
                                      << "\nGGEmail=bench@example.org\nGGSavePassword=1\nGGPassword="
                                      << platform::EncodePassword("bench") << "\n";
    return 0;
}
