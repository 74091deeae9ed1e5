// Time of the two Google helpers reading an account from a CardDAV/CalDAV server, and the
// number of HTTP requests they sent (from their debug log).
//   dav_bench SERVER-URL USER PASSWORD WORK-FOLDER
#include "connectors/google/CxGAddrUtil.h"
#include "connectors/google/CxGDateUtil.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <regex>
#include <string>

using namespace velmora::connectors;

namespace {

// The count of the last "in N requests" line of `unit` in the debug log.
std::string Requests(const std::string& log, const char* unit)
{
    std::ifstream in(log);
    std::string line, requests = "?";
    const std::regex pattern(std::string(unit) + R"(.* in (\d+) requests)");
    std::smatch match;
    while (std::getline(in, line)) {
        if (std::regex_search(line, match, pattern))
            requests = match[1];
    }
    return requests;
}

template <class Connector>
bool Time(const char* what, const char* unit, Connector& connector, char** argv)
{
    connector.SetWorkFolder(argv[4]);
    connector.SetLogFolder(argv[4]);
    connector.SetLogEnabled(true);
    connector.SetLogLevel(2);
    connector.ServerURL = argv[1];
    connector.AccountEmail = argv[2];
    connector.Password = argv[3];
    connector.Runner().SetTimeout(std::chrono::minutes(30));
    const auto start = std::chrono::steady_clock::now();
    if (!connector.Load()) {
        std::fprintf(stderr, "%s: %s\n", what, connector.GetErrorText().c_str());
        return false;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%-8s %6zu records in %6.2f s, %s HTTP requests\n", what, connector.Manager().Count(), seconds,
                Requests(std::string(argv[4]) + "appdebug.log", unit).c_str());
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s SERVER-URL USER PASSWORD WORK-FOLDER\n", argv[0]);
        return 2;
    }
    CxGAddrUtil contacts;
    CxGDateUtil calendar;
    return Time("contacts", "GAddrUtil", contacts, argv) && Time("events", "GDateUtil", calendar, argv) ? 0 : 1;
}
