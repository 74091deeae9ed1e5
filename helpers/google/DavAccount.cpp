#include "DavAccount.h"

#include "connectors/google/ServerAddress.h"
#include "diagnostics/CxDebugUtil.h"

#include <algorithm>
#include <deque>
#include <set>
#include <unordered_map>

namespace velmora::helpers {
namespace {

constexpr std::size_t kBatch = 100;

constexpr const char* kNamespaces =
    " xmlns:d=\"DAV:\" xmlns:card=\"urn:ietf:params:xml:ns:carddav\" xmlns:cal=\"urn:ietf:params:xml:ns:caldav\"";

std::string Propfind(const std::string& properties)
{
    return std::string("<?xml version=\"1.0\" encoding=\"utf-8\"?><d:propfind") + kNamespaces + "><d:prop>" + properties +
           "</d:prop></d:propfind>";
}

void SortByUrl(std::vector<DavItem>& items)
{
    std::sort(items.begin(), items.end(), [](const DavItem& a, const DavItem& b) { return a.url < b.url; });
}

}  // namespace

DavAccount::DavAccount(DavClient& client, std::string server, DavKind kind)
    : mClient(client), mServer(std::move(server)), mKind(kind)
{
}

bool DavAccount::IsOfKind(const DavResource& resource) const
{
    return mKind == DavKind::Contacts ? resource.addressBook : resource.calendar && resource.events;
}

DavAccount::Outcome DavAccount::Ask(const std::string& method, const std::string& url, const char* depth,
                                    const std::string& body, std::vector<DavResource>& resources,
                                    std::string* answeredUrl, std::string& error)
{
    DavAnswer answer;
    if (!mClient.Send(method, url, depth, body, answer, error))
        return Outcome::Failed;
    if (answer.status == 401 || answer.status == 403) {
        error = "The server refused the user name or password.";
        return Outcome::Failed;
    }
    if (answer.status != 207) {
        error = "The server " + mServer + " answered " + std::to_string(answer.status) + " to " + method + " " + url + ".";
        // What the server does not have or does not do: the caller may ask another way.
        const bool unsupported = answer.status == 400 || answer.status == 404 || answer.status == 405 ||
                                 answer.status == 415 || answer.status == 501;
        return unsupported ? Outcome::Unsupported : Outcome::Failed;
    }
    if (!ParseMultistatus(answer.body, resources)) {
        error = "The server " + mServer + " sent an answer that could not be read.";
        return Outcome::Failed;
    }
    for (DavResource& resource : resources) {
        resource.givenHref = resource.href;
        resource.href = DavClient::Resolve(answer.url, resource.href);
    }
    if (answeredUrl != nullptr)
        *answeredUrl = answer.url;
    return Outcome::Ok;
}

bool DavAccount::FindCollections(std::vector<DavCollection>& collections, std::string& error)
{
    collections.clear();
    const auto address = connectors::google::ParseServerAddress(mServer);
    if (!address) {
        error = "Invalid server address: " + mServer;
        return false;
    }
    const bool contacts = mKind == DavKind::Contacts;
    const std::string home = contacts ? "<card:addressbook-home-set/>" : "<cal:calendar-home-set/>";
    const std::string kindProperties = contacts ? "<card:addressbook-description/>"
                                                : "<cal:calendar-description/><cal:supported-calendar-component-set/>";
    const std::string contextBody =
        Propfind("<d:resourcetype/><d:displayname/><d:current-user-principal/>" + home + kindProperties);

    std::vector<DavResource> found;
    std::string context;
    Outcome outcome = Outcome::Unsupported;
    if (address->path.empty() || address->path == "/") {
        const std::string wellKnown = address->origin + (contacts ? "/.well-known/carddav" : "/.well-known/caldav");
        outcome = Ask("PROPFIND", wellKnown, "0", contextBody, found, &context, error);
        if (outcome == Outcome::Failed)
            return false;
    }
    if (outcome == Outcome::Unsupported) {
        const std::string start = address->path.empty() ? address->origin + "/" : mServer;
        if (Ask("PROPFIND", start, "0", contextBody, found, &context, error) != Outcome::Ok)
            return false;
    }
    const auto self = std::find_if(found.begin(), found.end(), [](const DavResource& r) { return r.status / 100 == 2; });
    if (self != found.end() && IsOfKind(*self)) {
        collections.push_back({self->href, self->displayName, self->description});
        return true;
    }
    std::vector<std::string> homes = self != found.end() ? self->homes : std::vector<std::string>{};
    if (homes.empty()) {
        const bool named = self != found.end() && !self->principal.empty();
        const std::string principal = named ? DavClient::Resolve(context, self->principal) : context;
        std::vector<DavResource> principalAnswer;
        if (Ask("PROPFIND", principal, "0", Propfind(home), principalAnswer, &context, error) != Outcome::Ok)
            return false;
        for (const DavResource& r : principalAnswer)
            homes.insert(homes.end(), r.homes.begin(), r.homes.end());
        if (homes.empty())
            homes.push_back(principal);
    }
    std::set<std::string> seen;
    for (const std::string& homeHref : homes) {
        const std::string homeUrl = DavClient::Resolve(context, homeHref);
        std::vector<DavResource> members;
        if (Ask("PROPFIND", homeUrl, "1", Propfind("<d:resourcetype/><d:displayname/>" + kindProperties), members, nullptr,
                error) != Outcome::Ok)
            return false;
        for (const DavResource& member : members) {
            if (IsOfKind(member) && seen.insert(member.href).second)
                collections.push_back({member.href, member.displayName, member.description});
        }
    }
    std::sort(collections.begin(), collections.end(), [](const auto& a, const auto& b) { return a.url < b.url; });
    if (collections.empty()) {
        error = (contacts ? "No address book was found on " : "No calendar was found on ") + mServer + ".";
        return false;
    }
    return true;
}

std::string DavAccount::ReadBody(const char* report, const std::string& inner) const
{
    const char* data = mKind == DavKind::Contacts ? "<card:address-data/>" : "<cal:calendar-data/>";
    return std::string("<?xml version=\"1.0\" encoding=\"utf-8\"?><") + report + kNamespaces + "><d:prop><d:getetag/>" + data +
           "</d:prop>" + inner + "</" + report + ">";
}

DavAccount::Outcome DavAccount::Fetch(const DavCollection& collection, std::vector<DavItem>& items, const Progress& progress,
                                      std::string& error)
{
    std::vector<DavResource> listing;
    if (const Outcome o = Ask("PROPFIND", collection.url, "1", Propfind("<d:resourcetype/><d:getetag/>"), listing, nullptr, error);
        o != Outcome::Ok)
        return o;
    struct Member {
        std::string url;
        std::string href;  // as the listing named it
    };
    std::vector<Member> members;
    for (const DavResource& r : listing) {
        if (!r.collection && r.status / 100 == 2 && r.href != collection.url)
            members.push_back({r.href, r.givenHref});
    }
    std::sort(members.begin(), members.end(), [](const Member& a, const Member& b) { return a.url < b.url; });
    const std::size_t total = members.size();
    const char* report = mKind == DavKind::Contacts ? "card:addressbook-multiget" : "cal:calendar-multiget";
    std::deque<Member> pending(members.begin(), members.end());
    std::size_t batch = kBatch, done = 0;
    while (!pending.empty()) {
        const std::size_t asked = std::min(batch, pending.size());
        std::string hrefs;
        for (std::size_t i = 0; i < asked; ++i)
            hrefs += "<d:href>" + EscapeXml(pending[i].href) + "</d:href>";
        std::vector<DavResource> answer;
        if (const Outcome o = Ask("REPORT", collection.url, "1", ReadBody(report, hrefs), answer, nullptr, error); o != Outcome::Ok)
            return done == 0 ? o : Outcome::Failed;
        std::unordered_map<std::string, const DavResource*> byUrl;
        for (const DavResource& r : answer)
            byUrl.emplace(r.href, &r);
        std::vector<Member> missing;
        std::size_t answered = 0;
        for (std::size_t i = 0; i < asked; ++i) {
            const auto it = byUrl.find(pending[i].url);
            if (it == byUrl.end() || (it->second->data.empty() && it->second->status / 100 == 2)) {
                missing.push_back(pending[i]);
                continue;
            }
            ++answered;
            if (it->second->status / 100 == 2)
                items.push_back({pending[i].url, it->second->data});
            else
                VL_LOG(diagnostics::CxDebugUtil::kInfo, "DavAccount", "%s is gone (%d); skipped", pending[i].url.c_str(),
                       it->second->status);
        }
        pending.erase(pending.begin(), pending.begin() + static_cast<std::ptrdiff_t>(asked));
        pending.insert(pending.begin(), missing.begin(), missing.end());
        if (answered == 0) {
            // The server answered nothing of the batch: smaller ones, down to one address at a time.
            if (batch == 1) {
                error = "The server " + mServer + " sent an answer that could not be read.";
                return Outcome::Failed;
            }
            batch = std::max<std::size_t>(1, batch / 2);
        } else if (!missing.empty()) {
            batch = answered;  // as many as the server answers at once
        }
        done += answered;
        if (!progress(done, total)) {
            error = "Stopped on request.";
            return Outcome::Failed;
        }
    }
    SortByUrl(items);
    return Outcome::Ok;
}

DavAccount::Outcome DavAccount::Query(const DavCollection& collection, std::vector<DavItem>& items, std::string& error)
{
    const bool contacts = mKind == DavKind::Contacts;
    const std::string filter = contacts ? "<card:filter/>"
                                        : "<cal:filter><cal:comp-filter name=\"VCALENDAR\"><cal:comp-filter name=\"VEVENT\"/>"
                                          "</cal:comp-filter></cal:filter>";
    std::vector<DavResource> answer;
    if (const Outcome o = Ask("REPORT", collection.url, "1", ReadBody(contacts ? "card:addressbook-query" : "cal:calendar-query", filter),
                              answer, nullptr, error);
        o != Outcome::Ok)
        return o;
    std::vector<DavItem> found;
    for (DavResource& r : answer) {
        if (r.status == 507) {
            // The server limited its answer: the caller lists and fetches in batches instead.
            error = "The server " + mServer + " limited its answer to a query of " + collection.url + ".";
            return Outcome::Unsupported;
        }
        if (r.status / 100 == 2 && !r.data.empty())
            found.push_back({std::move(r.href), std::move(r.data)});
    }
    SortByUrl(found);
    items.insert(items.end(), std::make_move_iterator(found.begin()), std::make_move_iterator(found.end()));
    return Outcome::Ok;
}

bool DavAccount::ReadItems(const DavCollection& collection, std::vector<DavItem>& items, const Progress& progress,
                           std::string& error)
{
    items.clear();
    Outcome outcome = Query(collection, items, error);
    if (outcome == Outcome::Unsupported) {
        VL_LOG(diagnostics::CxDebugUtil::kInfo, "DavAccount", "%s; fetching in batches", error.c_str());
        items.clear();
        outcome = Fetch(collection, items, progress, error);
    } else if (outcome == Outcome::Ok && !progress(items.size(), items.size())) {
        error = "Stopped on request.";
        return false;
    }
    return outcome == Outcome::Ok;
}

}  // namespace velmora::helpers
