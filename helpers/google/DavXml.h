#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora::helpers {

// What one <response> of a multistatus says about one resource, from the properties the server
// answered with status 200.
struct DavResource {
    std::string href;  // absolute once the account has resolved it
    std::string givenHref;  // as the server wrote it, to name the resource back to it
    int status = 200;  // the response's own status, when it has one instead of properties
    bool collection = false;
    bool addressBook = false;
    bool calendar = false;
    bool events = true;  // a calendar's supported components include VEVENT (or are not told)
    std::string displayName;
    std::string description;
    std::string contentType;
    std::string principal;                  // current-user-principal
    std::vector<std::string> homes;         // addressbook-home-set or calendar-home-set
    std::string data;                       // address-data or calendar-data
};

// The responses of a DAV multistatus body (namespaces as the XML declares them; no DTD, no
// entities, no network). False when the body is no well-formed multistatus.
bool ParseMultistatus(std::string_view body, std::vector<DavResource>& resources);

// The request bodies, with `&`, `<` and `>` of the hrefs escaped.
std::string EscapeXml(std::string_view text);

}  // namespace velmora::helpers
