#include "DavClient.h"

#include "connectors/google/ServerAddress.h"
#include "diagnostics/CxDebugUtil.h"

#include <curl/curl.h>

#include <chrono>
#include <mutex>

namespace velmora::helpers {
namespace {

using connectors::google::ParseServerAddress;

constexpr std::size_t kMaxAnswer = std::size_t{1} << 30;  // as much as a source file may hold
constexpr int kMaxRedirects = 5;

struct Transfer {
    std::string* body;
    const std::function<bool()>* stopRequested;
    bool* stopped;
    std::chrono::steady_clock::time_point lastCheck{};
};

std::size_t Append(char* data, std::size_t size, std::size_t count, void* user)
{
    auto* transfer = static_cast<Transfer*>(user);
    const std::size_t bytes = size * count;
    if (transfer->body->size() + bytes > kMaxAnswer)
        return 0;  // ends the transfer with a write error
    transfer->body->append(data, bytes);
    return bytes;
}

// Asked by curl at least once a second, also while nothing arrives.
int CheckStop(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    auto* transfer = static_cast<Transfer*>(user);
    const auto now = std::chrono::steady_clock::now();
    if (now - transfer->lastCheck < std::chrono::milliseconds(100))
        return 0;
    transfer->lastCheck = now;
    if (!(*transfer->stopRequested)())
        return 0;
    *transfer->stopped = true;
    return 1;
}

// An address the password may be sent to, or the error that refuses it.
bool Allowed(const std::string& url, std::string& error)
{
    const auto address = ParseServerAddress(url);
    if (!address) {
        error = "Invalid server address: " + url;
        return false;
    }
    if (!MaySendPassword(*address)) {
        error = "A server that is not on this computer is reached only over https: " + url;
        return false;
    }
    return true;
}

}  // namespace

struct DavClient::Handle {
    Handle()
    {
        static std::once_flag global;
        std::call_once(global, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
        curl = curl_easy_init();
    }
    ~Handle() { curl_easy_cleanup(curl); }
    CURL* curl;
};

DavClient::DavClient(std::string user, std::string password, std::function<bool()> stopRequested)
    : mHandle(std::make_unique<Handle>()),
      mUser(std::move(user)),
      mPassword(std::move(password)),
      mStopRequested(std::move(stopRequested))
{
}

DavClient::~DavClient() = default;

bool DavClient::Send(const std::string& method, const std::string& url, const char* depth, const std::string& body,
                     DavAnswer& answer, std::string& error)
{
    const auto first = ParseServerAddress(url);
    std::string current = url;
    for (int redirects = 0;; ++redirects) {
        std::string redirect;
        if (!Allowed(current, error) || !SendOnce(method, current, depth, body, answer, redirect, error))
            return false;
        if (redirect.empty())
            return true;
        const auto next = ParseServerAddress(redirect);
        if (redirects == kMaxRedirects || !next || next->secure != first->secure) {
            error = "The server " + url + " redirected too often or to another scheme.";
            return false;
        }
        VL_LOG(diagnostics::CxDebugUtil::kInfo, "DavClient", "%s redirected to %s", current.c_str(), redirect.c_str());
        current = redirect;
    }
}

bool DavClient::SendOnce(const std::string& method, const std::string& url, const char* depth, const std::string& body,
                         DavAnswer& answer, std::string& redirect, std::string& error)
{
    CURL* curl = mHandle->curl;
    curl_easy_reset(curl);  // keeps the open connections
    answer = DavAnswer{};
    mStopped = false;
    Transfer transfer{&answer.body, &mStopRequested, &mStopped};
    char curlError[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, curlError);
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_NOPROXY, "localhost,127.0.0.1,::1");
    curl_easy_setopt(curl, CURLOPT_CUSTOMREQUEST, method.c_str());
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, 30L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, 60L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_ACCEPT_ENCODING, "");
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, Append);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, CheckStop);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &transfer);
    if (mPassword.starts_with("Bearer ")) {
        curl_easy_setopt(curl, CURLOPT_HTTPAUTH, CURLAUTH_BEARER);
        curl_easy_setopt(curl, CURLOPT_XOAUTH2_BEARER, mPassword.c_str() + 7);
    } else {
        curl_easy_setopt(curl, CURLOPT_HTTPAUTH, CURLAUTH_BASIC);
        curl_easy_setopt(curl, CURLOPT_USERNAME, mUser.c_str());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, mPassword.c_str());
    }
    curl_slist* headers = curl_slist_append(nullptr, "Content-Type: application/xml; charset=utf-8");
    const std::string depthHeader = depth != nullptr ? std::string("Depth: ") + depth : std::string();
    if (depth != nullptr)
        headers = curl_slist_append(headers, depthHeader.c_str());
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    if (!body.empty()) {
        curl_easy_setopt(curl, CURLOPT_POSTFIELDS, body.data());
        curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
    }
    ++mRequests;
    const CURLcode result = curl_easy_perform(curl);
    curl_slist_free_all(headers);
    if (result != CURLE_OK) {
        if (mStopped)
            error = "Stopped on request.";
        else if (result == CURLE_WRITE_ERROR)
            error = "The server " + url + " sent an answer that could not be read.";
        else
            error = curlError[0] != '\0' ? std::string(curlError) : std::string(curl_easy_strerror(result));
        return false;
    }
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &answer.status);
    answer.url = url;
    if (answer.status >= 300 && answer.status < 400) {
        // The Location header as sent (curl's own redirect address would carry the credentials).
        curl_header* location = nullptr;
        if (curl_easy_header(curl, "Location", 0, CURLH_HEADER, -1, &location) == CURLHE_OK)
            redirect = Resolve(url, location->value);
    }
    VL_LOG(diagnostics::CxDebugUtil::kInfo, "DavClient", "%s %s: %ld, %zu bytes", method.c_str(), url.c_str(), answer.status,
           answer.body.size());
    return true;
}

std::string DavClient::Resolve(const std::string& base, const std::string& href)
{
    CURLU* url = curl_url();
    std::string resolved;
    if (curl_url_set(url, CURLUPART_URL, base.c_str(), 0) == CURLUE_OK &&
        curl_url_set(url, CURLUPART_URL, href.c_str(), 0) == CURLUE_OK) {
        char* text = nullptr;
        if (curl_url_get(url, CURLUPART_URL, &text, 0) == CURLUE_OK) {
            resolved = text;
            curl_free(text);
        }
    }
    curl_url_cleanup(url);
    return resolved;
}

}  // namespace velmora::helpers
