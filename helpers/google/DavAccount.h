#pragma once

#include "DavClient.h"
#include "DavXml.h"

#include <functional>
#include <string>
#include <vector>

namespace velmora::helpers {

enum class DavKind { Contacts, Calendars };

// An address book or a calendar on the server.
struct DavCollection {
    std::string url;
    std::string name;  // its display name
    std::string description;
};

// One vCard or iCalendar object of a collection.
struct DavItem {
    std::string url;
    std::string data;
};

// A CardDAV or CalDAV account on a server, reached through `client`.
class DavAccount {
public:
    // `server` is the address the user gave: a bare host or any address under the account.
    DavAccount(DavClient& client, std::string server, DavKind kind);

    // The address books (or the calendars holding events) of the account, in the order of their
    // addresses. A bare host is looked up at its well-known address first; an address that is
    // itself a collection of the kind is the one collection; otherwise the current user's
    // principal leads to the home set and the collections in it.
    bool FindCollections(std::vector<DavCollection>& collections, std::string& error);

    // Every item of `collection` (every vCard, or every object holding an event) in the order
    // of their addresses: one query, or where the server refuses or limits the query's answer,
    // listed and then fetched in batches (a multiget). Where a server answers a batch only in
    // part, the rest is asked again in smaller batches. `progress(done, total)` is told after
    // the query or every batch; false from it stops.
    using Progress = std::function<bool(std::size_t done, std::size_t total)>;
    bool ReadItems(const DavCollection& collection, std::vector<DavItem>& items, const Progress& progress, std::string& error);

private:
    enum class Outcome { Ok, Unsupported, Failed };

    Outcome Ask(const std::string& method, const std::string& url, const char* depth, const std::string& body,
                std::vector<DavResource>& resources, std::string* answeredUrl, std::string& error);
    bool IsOfKind(const DavResource& resource) const;
    Outcome Fetch(const DavCollection& collection, std::vector<DavItem>& items, const Progress& progress, std::string& error);
    Outcome Query(const DavCollection& collection, std::vector<DavItem>& items, std::string& error);
    std::string ReadBody(const char* report, const std::string& inner) const;

    DavClient& mClient;
    std::string mServer;
    DavKind mKind;
};

}  // namespace velmora::helpers
