#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora::connectors::google {

// A CardDAV/CalDAV server address: http or https, a host (a name, an IPv4 address or an IPv6
// address in brackets), an optional port and path. A user name or password in the address is
// refused: the password travels only in the parameter file and the HTTP authorisation.
struct ServerAddress {
    bool secure = false;  // https
    std::string host;     // lower case; brackets kept around an IPv6 address
    std::string origin;   // "https://host[:port]"
    std::string path;     // from the first '/' on, query and fragment dropped; empty without one
};

std::optional<ServerAddress> ParseServerAddress(std::string_view text);

// localhost, 127.0.0.0/8 or [::1].
bool IsLoopbackHost(std::string_view host);

// An address a password may be sent to: https, or plain http to this computer.
bool MaySendPassword(const ServerAddress& address);

}  // namespace velmora::connectors::google
