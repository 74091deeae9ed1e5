#pragma once

#include <functional>
#include <memory>
#include <string>

namespace velmora::helpers {

// One answer of a DAV server.
struct DavAnswer {
    long status = 0;
    std::string body;
    std::string url;  // the address that answered, after redirects
};

// HTTP for CardDAV and CalDAV on libcurl: TLS checked against the system's certificates, the
// password sent as HTTP Basic (or, when it begins with "Bearer ", the rest as an OAuth 2 bearer
// token), redirects followed within the same scheme up to five times, 30 s to connect and 60 s
// without any progress at most. Every address asked, the first and each redirect, must be https
// or plain http to this computer; the password never goes anywhere else.
class DavClient {
public:
    // `stopRequested` is asked a few times per second during a transfer; true aborts it.
    DavClient(std::string user, std::string password, std::function<bool()> stopRequested);
    ~DavClient();
    DavClient(const DavClient&) = delete;
    DavClient& operator=(const DavClient&) = delete;

    // Sends `method` with `body` (XML; empty for none) and the Depth header (nullptr for none).
    // False with `error` when no HTTP answer came (network, TLS, time-out, stop, refused
    // address); an HTTP error status is an answer.
    bool Send(const std::string& method, const std::string& url, const char* depth, const std::string& body,
              DavAnswer& answer, std::string& error);

    // `href` (absolute, or a path as servers answer) made absolute against `base`; empty when
    // it cannot be.
    static std::string Resolve(const std::string& base, const std::string& href);

    // Whether the last failed Send was stopped on request.
    bool Stopped() const { return mStopped; }
    std::size_t Requests() const { return mRequests; }

private:
    bool SendOnce(const std::string& method, const std::string& url, const char* depth, const std::string& body,
                  DavAnswer& answer, std::string& redirect, std::string& error);

    struct Handle;
    std::unique_ptr<Handle> mHandle;
    std::string mUser;
    std::string mPassword;
    std::function<bool()> mStopRequested;
    bool mStopped = false;
    std::size_t mRequests = 0;
};

}  // namespace velmora::helpers
