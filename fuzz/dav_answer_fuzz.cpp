// A DAV server's answer is whatever the server sends: the multistatus, the addresses in it
// made absolute, and the vCards and events it carries, as the Google helpers read them.
#include "helpers/google/ContactMapping.h"
#include "helpers/google/DavClient.h"
#include "helpers/google/DavXml.h"
#include "helpers/google/EventMapping.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace velmora::helpers;
    std::vector<DavResource> resources;
    if (!ParseMultistatus(std::string_view(reinterpret_cast<const char*>(data), size), resources))
        return 0;
    for (const DavResource& resource : resources) {
        DavClient::Resolve("https://dav.example.org/user/book/", resource.href);
        for (const VCard& card : ParseVCards(resource.data))
            ToGoogleContact(card);
        GoogleCalendarFile calendar;
        std::string error;
        ReadCalendarText(resource.data, "The event", calendar, error);
    }
    return 0;
}
