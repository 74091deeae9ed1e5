#include "DavXml.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <climits>
#include <cstring>
#include <memory>

namespace velmora::helpers {
namespace {

constexpr const char* kDav = "DAV:";
constexpr const char* kCardDav = "urn:ietf:params:xml:ns:carddav";
constexpr const char* kCalDav = "urn:ietf:params:xml:ns:caldav";

bool Is(const xmlNode* node, const char* ns, const char* name)
{
    return node->type == XML_ELEMENT_NODE && node->ns != nullptr && std::strcmp(reinterpret_cast<const char*>(node->ns->href), ns) == 0 &&
           std::strcmp(reinterpret_cast<const char*>(node->name), name) == 0;
}

template <class Visit>
void Children(const xmlNode* node, Visit&& visit)
{
    for (const xmlNode* child = node->children; child != nullptr; child = child->next) {
        if (child->type == XML_ELEMENT_NODE)
            visit(child);
    }
}

std::string Content(const xmlNode* node)
{
    xmlChar* text = xmlNodeGetContent(node);
    std::string content = text != nullptr ? reinterpret_cast<const char*>(text) : "";
    xmlFree(text);
    return content;
}

// "HTTP/1.1 404 Not Found" -> 404; 0 when it is no status line.
int StatusCode(const std::string& line)
{
    const std::size_t space = line.find(' ');
    if (space == std::string::npos || line.size() < space + 4)
        return 0;
    int code = 0;
    for (std::size_t i = space + 1; i < space + 4; ++i) {
        if (line[i] < '0' || line[i] > '9')
            return 0;
        code = code * 10 + (line[i] - '0');
    }
    return code;
}

std::vector<std::string> Hrefs(const xmlNode* node)
{
    std::vector<std::string> hrefs;
    Children(node, [&](const xmlNode* child) {
        if (Is(child, kDav, "href"))
            hrefs.push_back(Content(child));
    });
    return hrefs;
}

void ReadProperty(const xmlNode* property, DavResource& resource)
{
    if (Is(property, kDav, "resourcetype")) {
        Children(property, [&](const xmlNode* type) {
            resource.collection |= Is(type, kDav, "collection");
            resource.addressBook |= Is(type, kCardDav, "addressbook");
            resource.calendar |= Is(type, kCalDav, "calendar");
        });
    } else if (Is(property, kDav, "displayname")) {
        resource.displayName = Content(property);
    } else if (Is(property, kCalDav, "calendar-description") || Is(property, kCardDav, "addressbook-description")) {
        resource.description = Content(property);
    } else if (Is(property, kDav, "getcontenttype")) {
        resource.contentType = Content(property);
    } else if (Is(property, kDav, "current-user-principal")) {
        const auto hrefs = Hrefs(property);
        resource.principal = hrefs.empty() ? std::string() : hrefs.front();
    } else if (Is(property, kCardDav, "addressbook-home-set") || Is(property, kCalDav, "calendar-home-set")) {
        for (auto& href : Hrefs(property))
            resource.homes.push_back(std::move(href));
    } else if (Is(property, kCalDav, "supported-calendar-component-set")) {
        bool events = false;
        Children(property, [&](const xmlNode* comp) {
            xmlChar* name = xmlGetProp(comp, reinterpret_cast<const xmlChar*>("name"));
            events |= Is(comp, kCalDav, "comp") && name != nullptr && std::strcmp(reinterpret_cast<const char*>(name), "VEVENT") == 0;
            xmlFree(name);
        });
        resource.events = events;
    } else if (Is(property, kCardDav, "address-data") || Is(property, kCalDav, "calendar-data")) {
        resource.data = Content(property);
    }
}

DavResource ReadResponse(const xmlNode* response)
{
    DavResource resource;
    Children(response, [&](const xmlNode* part) {
        if (Is(part, kDav, "href") && resource.href.empty()) {
            resource.href = Content(part);
        } else if (Is(part, kDav, "status")) {
            resource.status = StatusCode(Content(part));
        } else if (Is(part, kDav, "propstat")) {
            int status = 0;
            Children(part, [&](const xmlNode* child) {
                if (Is(child, kDav, "status"))
                    status = StatusCode(Content(child));
            });
            if (status / 100 != 2)
                return;  // properties the server does not have
            Children(part, [&](const xmlNode* prop) {
                if (Is(prop, kDav, "prop"))
                    Children(prop, [&](const xmlNode* property) { ReadProperty(property, resource); });
            });
        }
    });
    return resource;
}

}  // namespace

bool ParseMultistatus(std::string_view body, std::vector<DavResource>& resources)
{
    resources.clear();
    if (body.size() > static_cast<std::size_t>(INT_MAX))
        return false;
    const std::unique_ptr<xmlDoc, void (*)(xmlDoc*)> doc(
        xmlReadMemory(body.data(), static_cast<int>(body.size()), "multistatus.xml", nullptr,
                      XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING),
        xmlFreeDoc);
    // A multistatus needs no DTD; one that brings its own could only declare entities.
    const xmlNode* root = doc != nullptr && doc->intSubset == nullptr ? xmlDocGetRootElement(doc.get()) : nullptr;
    if (root == nullptr || !Is(root, kDav, "multistatus"))
        return false;
    Children(root, [&](const xmlNode* response) {
        if (Is(response, kDav, "response"))
            resources.push_back(ReadResponse(response));
    });
    return true;
}

std::string EscapeXml(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

}  // namespace velmora::helpers
