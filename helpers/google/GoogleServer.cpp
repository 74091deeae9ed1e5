#include "GoogleServer.h"

#include "ContactMapping.h"
#include "DavAccount.h"
#include "EventMapping.h"

#include "connectors/google/GoogleExchange.h"
#include "diagnostics/CxDebugUtil.h"
#include "helpers/common/ICalendarTime.h"

namespace velmora::helpers {
namespace {

using connectors::google::kGoogleParamAccount;
using connectors::google::kGoogleParamPassword;
using connectors::google::kGoogleParamServerURL;

DavClient ClientOf(HelperJob& job)
{
    return DavClient(job.Text(kGoogleParamAccount), job.Text(kGoogleParamPassword), [&job] { return job.StopRequested(); });
}

// The last segment of a collection's address: what a calendar file's name is to a folder.
std::string LastSegment(std::string url)
{
    while (!url.empty() && url.back() == '/')
        url.pop_back();
    return url.substr(url.find_last_of('/') + 1);
}

}  // namespace

bool UsesServer(const HelperJob& job)
{
    return !job.Text(kGoogleParamServerURL).empty();
}

bool ReadServerContacts(HelperJob& job, std::vector<connectors::GContactRec>& contacts, std::string& error)
{
    DavClient client = ClientOf(job);
    const std::string server = job.Text(kGoogleParamServerURL);
    DavAccount account(client, server, DavKind::Contacts);
    std::vector<DavCollection> books;
    if (!account.FindCollections(books, error))
        return false;
    for (const DavCollection& book : books) {
        std::vector<DavItem> items;
        const auto progress = [&](std::size_t done, std::size_t total) { return job.Progress("Reading contacts", done, total); };
        if (!account.ReadItems(book, items, progress, error))
            return false;
        for (const DavItem& item : items) {
            const std::vector<VCard> cards = ParseVCards(item.data);
            if (cards.empty())
                VL_LOG(diagnostics::CxDebugUtil::kError, "GAddrUtil", "%s is not a vCard; skipped", item.url.c_str());
            for (const VCard& card : cards)
                contacts.push_back(ToGoogleContact(card));
        }
    }
    VL_LOG(diagnostics::CxDebugUtil::kInfo, "GAddrUtil", "Read %zu contacts from %zu address books on %s in %zu requests",
           contacts.size(), books.size(), server.c_str(), client.Requests());
    return true;
}

bool ReadServerCalendars(HelperJob& job, std::vector<connectors::GCalendarRec>& calendars,
                         std::vector<connectors::GEventRec>& events, std::string& error)
{
    DavClient client = ClientOf(job);
    const std::string server = job.Text(kGoogleParamServerURL);
    DavAccount account(client, server, DavKind::Calendars);
    std::vector<DavCollection> collections;
    if (!account.FindCollections(collections, error))
        return false;
    for (const DavCollection& collection : collections) {
        std::vector<DavItem> items;
        if (!account.ReadItems(collection, items, [&](std::size_t, std::size_t) { return !job.StopRequested(); }, error))
            return false;
        connectors::GCalendarRec calendar;
        calendar.Summary = Ansi(LastSegment(collection.url).c_str());
        calendar.Name = Ansi((collection.name.empty() ? LastSegment(collection.url) : collection.name).c_str());
        calendar.Description = Ansi(collection.description.c_str());
        for (const DavItem& item : items) {
            GoogleCalendarFile object;
            std::string refused;
            if (!ReadCalendarText(item.data, "The event " + item.url, object, refused)) {
                VL_LOG(diagnostics::CxDebugUtil::kError, "GDateUtil", "%s; skipped", refused.c_str());
                continue;
            }
            if (calendar.TimeZone.empty())
                calendar.TimeZone = object.calendar.TimeZone;
            for (auto& event : object.events)
                events.push_back(std::move(event));
        }
        calendars.push_back(std::move(calendar));
        if (!job.Progress("Reading calendars", calendars.size(), collections.size())) {
            error = "Stopped on request.";
            return false;
        }
    }
    VL_LOG(diagnostics::CxDebugUtil::kInfo, "GDateUtil", "Read %zu events from %zu calendars on %s in %zu requests",
           events.size(), calendars.size(), server.c_str(), client.Requests());
    return true;
}

}  // namespace velmora::helpers
