// Loading a Lotus Notes address book export of 20,000 contacts (vCard) and a mail export of
// 20,000 calendar entries (iCalendar) through the stand-in Notes helpers into the managers.
//
//   lotus_bench [CONTACTS [ENTRIES]]
#include "connectors/lotus/CxLNAddrUtil.h"
#include "connectors/lotus/CxLNDateUtil.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

using namespace velmora;

int main(int argc, char** argv)
{
    const int contacts = argc > 1 ? std::atoi(argv[1]) : 20000;
    const int entries = argc > 2 ? std::atoi(argv[2]) : 20000;
    const std::string folder = (std::filesystem::temp_directory_path() / "velmora-lotus-bench/").string();
    std::filesystem::create_directories(folder);
    {
        std::ofstream names(folder + "names.vcf", std::ios::binary);
        for (int i = 0; i < contacts; ++i)
            names << "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Last" << i << ";First" << i << ";;;\r\nFN:First" << i << " Last" << i
                  << "\r\nORG:Company " << i % 500 << "\r\nTITLE:Manager\r\nEMAIL;TYPE=WORK:person" << i
                  << "@example.org\r\nTEL;TYPE=WORK:555-" << i << "\r\nADR;TYPE=WORK:;;" << i
                  << " Main Street;Springfield;WA;98052;USA\r\nNOTE:Met at the trade fair\\, stand " << i
                  << ".\r\nX-LOTUS-CHILD_UID:" << i << "\r\nEND:VCARD\r\n";
        std::ofstream mail(folder + "mail.ics", std::ios::binary);
        mail << "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Lotus Development Corporation//NONSGML Notes 9.0.1//EN_C\r\n";
        for (int i = 0; i < entries; ++i) {
            const int day = 1 + i % 28, month = 1 + i / 28 % 12, year = 2008 + i / 336 % 10;
            char start[32];
            std::snprintf(start, sizeof start, "%04d%02d%02dT%02d0000Z", year, month, day, 8 + i % 8);
            mail << "BEGIN:VEVENT\r\nDTSTART:" << start << "\r\nDURATION:PT1H\r\nSUMMARY:Meeting " << i
                 << "\r\nLOCATION:Room " << i % 20 << "\r\n" << (i % 5 == 0 ? "RRULE:FREQ=WEEKLY;COUNT=10\r\n" : "")
                 << "UID:" << i << "-Lotus_Notes_Generated\r\nEND:VEVENT\r\n";
        }
        mail << "END:VCALENDAR\r\n";
    }
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
        const auto start = std::chrono::steady_clock::now();
        connectors::CxLNAddrUtil addr;
        connectors::CxLNDateUtil date;
        for (connectors::CxLNBaseUtil* c : std::initializer_list<connectors::CxLNBaseUtil*>{&addr, &date})
            c->SetWorkFolder(folder);
        addr.AddressBook = folder + "names.nsf";
        date.DatabaseName = folder + "mail.nsf";
        if (!addr.Load() || addr.HasError() || !date.Load() || date.HasError()) {
            std::fprintf(stderr, "the load failed: %s%s\n", addr.GetErrorText().c_str(), date.GetErrorText().c_str());
            return 1;
        }
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("run %d: %zu contacts and %zu calendar entries loaded in %.2f s\n", run + 1, addr.Manager().Count(),
                    date.Manager().Count(), seconds);
        best = std::min(best, seconds);
    }
    std::printf("best: %.2f s\n", best);
    std::filesystem::remove_all(folder);
    return 0;
}
