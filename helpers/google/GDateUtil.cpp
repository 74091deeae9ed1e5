// The Google calendar helper: reads the calendars of the account's CalDAV server, or without a
// server every *.ics file of the account folder (one calendar each, in name order), and writes
// the events and the calendars to the connector's two data files.
#include "EventMapping.h"
#include "GoogleAccount.h"
#include "GoogleServer.h"

#include "connectors/exchange/RecordFile.h"

#include <filesystem>
#include <set>

using namespace velmora;
using namespace velmora::helpers;

namespace {

bool ReadFolderCalendars(HelperJob& job, std::vector<connectors::GCalendarRec>& calendars,
                         std::vector<connectors::GEventRec>& events, std::string& error)
{
    std::string account;
    if (!OpenGoogleAccount(job, account, error))
        return false;
    std::set<std::filesystem::path> files;
    std::error_code listing;
    for (std::filesystem::directory_iterator it(account, listing), end; !listing && it != end; it.increment(listing)) {
        if (it->path().extension() == ".ics")
            files.insert(it->path());
    }
    for (const auto& path : files) {
        GoogleCalendarFile file;
        if (!ReadCalendarFile(path.string(), file, error))
            return false;
        calendars.push_back(std::move(file.calendar));
        for (auto& event : file.events)
            events.push_back(std::move(event));
        if (!job.Progress("Reading calendars", calendars.size(), files.size())) {
            error = "Stopped on request.";
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    return RunHelperProgram(argc, argv, kGoogleParams, "GDateData.ini", "GDateUtil", [](HelperJob& job, std::string& error) {
        std::vector<connectors::GCalendarRec> calendars;
        std::vector<connectors::GEventRec> events;
        if (!(UsesServer(job) ? ReadServerCalendars(job, calendars, events, error)
                              : ReadFolderCalendars(job, calendars, events, error)))
            return false;
        const std::string eventFile = job.WorkFolder() + job.Text(connectors::google::kGoogleParamDataFile);
        const std::string calendarFile = job.WorkFolder() + job.Text(connectors::google::kGoogleParamCalendarFile);
        const auto ignore = [](std::int32_t) {};
        if (connectors::WriteDataFile(eventFile, events, ignore) != connectors::DataFileResult::Ok ||
            connectors::WriteDataFile(calendarFile, calendars, ignore) != connectors::DataFileResult::Ok) {
            error = "Cannot write the data files " + eventFile + " and " + calendarFile + ".";
            return false;
        }
        return true;
    });
}
