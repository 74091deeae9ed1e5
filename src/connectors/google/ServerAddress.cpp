#include "ServerAddress.h"

#include "platform/AsciiCase.h"

#include <arpa/inet.h>

#include <algorithm>
#include <cctype>

namespace velmora::connectors::google {
namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    return platform::EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

bool IsHostChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '.' || c == '_';
}

bool IsIpv6Literal(std::string_view host)
{
    if (host.size() < 4 || host.front() != '[' || host.back() != ']')
        return false;
    return std::all_of(host.begin() + 1, host.end() - 1,
                       [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) || c == ':' || c == '.'; });
}

}  // namespace

std::optional<ServerAddress> ParseServerAddress(std::string_view text)
{
    ServerAddress address;
    if (StartsWithNoCase(text, "https://"))
        address.secure = true;
    else if (!StartsWithNoCase(text, "http://"))
        return std::nullopt;
    if (std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) <= ' ' || c == 0x7F; }))
        return std::nullopt;
    const std::string_view rest = text.substr(address.secure ? 8 : 7);
    const std::size_t authorityEnd = std::min(rest.find_first_of("/?#"), rest.size());
    const std::string_view authority = rest.substr(0, authorityEnd);
    if (authority.find('@') != std::string_view::npos)
        return std::nullopt;
    std::string_view host = authority, port;
    // A port follows the last ':' unless that one is inside an IPv6 address's brackets.
    const std::size_t colon = authority.rfind(':');
    if (colon != std::string_view::npos && authority.find(']', colon) == std::string_view::npos) {
        host = authority.substr(0, colon);
        port = authority.substr(colon + 1);
        const bool digits = !port.empty() && port.size() <= 5 &&
                            std::all_of(port.begin(), port.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
        const int number = digits ? std::stoi(std::string(port)) : 0;
        if (number < 1 || number > 65535)
            return std::nullopt;
    }
    const bool hostOk = IsIpv6Literal(host) || (!host.empty() && std::all_of(host.begin(), host.end(), IsHostChar));
    if (!hostOk)
        return std::nullopt;
    for (const char c : host)
        address.host += platform::LowerAscii(c);
    address.origin = std::string(address.secure ? "https://" : "http://") + address.host;
    if (!port.empty())
        address.origin += ":" + std::string(port);
    std::string_view path = rest.substr(authorityEnd);
    path = path.substr(0, std::min(path.find_first_of("?#"), path.size()));
    address.path = std::string(path);
    return address;
}

bool IsLoopbackHost(std::string_view host)
{
    if (host == "localhost" || host == "[::1]")
        return true;
    in_addr address{};
    return ::inet_pton(AF_INET, std::string(host).c_str(), &address) == 1 && (ntohl(address.s_addr) >> 24) == 127;
}

bool MaySendPassword(const ServerAddress& address)
{
    return address.secure || IsLoopbackHost(address.host);
}

}  // namespace velmora::connectors::google
