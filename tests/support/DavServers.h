#pragma once

#include "support/TempDir.h"

#include <arpa/inet.h>
#include <curl/curl.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <poll.h>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace velmora::testing {

inline sockaddr_in LoopbackAddress(int port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    return address;
}

// Binds `s` to a free port on 127.0.0.1 and returns the port.
inline int BindLoopback(int s)
{
    sockaddr_in address = LoopbackAddress(0);
    socklen_t size = sizeof address;
    ::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &size);
    return ntohs(address.sin_port);
}

// A port on 127.0.0.1 that nothing listens on at the moment.
inline int FreeLoopbackPort()
{
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    const int port = BindLoopback(s);
    ::close(s);
    return port;
}

inline bool Answers(int port)
{
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in address = LoopbackAddress(port);
    const bool connected = ::connect(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(s);
    return connected;
}

// A real CardDAV/CalDAV server on 127.0.0.1 for the life of the object: Radicale with
// htpasswd authentication (one user, "chris" with the password "secret" unless told), or
// Xandikos (no authentication, an address book and a calendar made at its start); or an https
// server whose certificate nobody vouches for (self-signed, made with openssl at its start). Stopped when the object ends, also when
// the test fails.
class DavServerProcess {
public:
    enum class Kind { Radicale, Xandikos, SelfSignedHttps };

    explicit DavServerProcess(Kind kind, std::string user = "chris", std::string password = "secret")
        : mPort(FreeLoopbackPort()), mCredentials(user + ":" + password)
    {
        const std::string port = std::to_string(mPort);
        std::vector<std::string> args;
        if (kind == Kind::Radicale) {
            WriteFile(mDir.Path() + "users", mCredentials + "\n");
            args = {"radicale", "--server-hosts", "127.0.0.1:" + port, "--storage-filesystem-folder", mDir.Path() + "collections",
                    "--auth-type", "htpasswd", "--auth-htpasswd-filename", mDir.Path() + "users",
                    "--auth-htpasswd-encryption", "plain", "--auth-delay", "0", "--rights-type", "owner_only",
                    "--logging-level", "warning"};
        } else if (kind == Kind::Xandikos) {
            args = {"xandikos", "-d", mDir.Path() + "root", "-l", "127.0.0.1", "-p", port, "--defaults"};
        } else {
            mScheme = "https";
            const std::string key = mDir.Path() + "key.pem", certificate = mDir.Path() + "cert.pem";
            const std::string make = "openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=127.0.0.1 -keyout '" + key +
                                     "' -out '" + certificate + "' >/dev/null 2>&1";
            if (std::system(make.c_str()) != 0)
                return;
            args = {"python3", "-c",
                    "import http.server, ssl, sys\n"
                    "server = http.server.HTTPServer(('127.0.0.1', int(sys.argv[1])), http.server.BaseHTTPRequestHandler)\n"
                    "context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)\n"
                    "context.load_cert_chain(sys.argv[2], sys.argv[3])\n"
                    "server.socket = context.wrap_socket(server.socket, server_side=True)\n"
                    "server.serve_forever()\n",
                    port, certificate, key};
        }
        std::vector<char*> argv;
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        const std::string log = mDir.Path() + "server.log";
        posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_adddup2(&actions, 1, 2);
        if (posix_spawnp(&mPid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
            mPid = -1;
        posix_spawn_file_actions_destroy(&actions);
        for (int i = 0; mPid > 0 && i < 300 && !Answers(mPort); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ~DavServerProcess()
    {
        if (mPid > 0) {
            ::kill(mPid, SIGTERM);
            ::waitpid(mPid, nullptr, 0);
        }
    }
    DavServerProcess(const DavServerProcess&) = delete;
    DavServerProcess& operator=(const DavServerProcess&) = delete;

    bool Running() const { return mPid > 0 && Answers(mPort); }
    std::string Url() const { return mScheme + "://127.0.0.1:" + std::to_string(mPort); }
    std::string Log() const { return ReadFile(mDir.Path() + "server.log"); }

    // One request to the server as its user; the HTTP status.
    long Request(const std::string& method, const std::string& path, const std::string& contentType, const std::string& body) const
    {
        CURL* curl = curl_easy_init();
        const std::string url = Url() + path;
        curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
        curl_easy_setopt(curl, CURLOPT_CUSTOMREQUEST, method.c_str());
        curl_easy_setopt(curl, CURLOPT_USERPWD, mCredentials.c_str());
        curl_easy_setopt(curl, CURLOPT_NOPROXY, "*");
        curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, +[](char*, std::size_t size, std::size_t count, void*) { return size * count; });
        const std::string header = "Content-Type: " + contentType;
        curl_slist* headers = curl_slist_append(nullptr, header.c_str());
        curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
        if (!body.empty()) {
            curl_easy_setopt(curl, CURLOPT_POSTFIELDS, body.data());
            curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE, static_cast<long>(body.size()));
        }
        long status = 0;
        if (curl_easy_perform(curl) == CURLE_OK)
            curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
        curl_slist_free_all(headers);
        curl_easy_cleanup(curl);
        return status;
    }

    long MakeAddressBook(const std::string& path, const std::string& name) const
    {
        return Request("MKCOL", path, "application/xml",
                       "<?xml version=\"1.0\"?><mkcol xmlns=\"DAV:\" xmlns:C=\"urn:ietf:params:xml:ns:carddav\"><set><prop>"
                       "<resourcetype><collection/><C:addressbook/></resourcetype><displayname>" + name +
                           "</displayname></prop></set></mkcol>");
    }
    long MakeCalendar(const std::string& path, const std::string& name) const
    {
        return Request("MKCALENDAR", path, "application/xml",
                       "<?xml version=\"1.0\"?><C:mkcalendar xmlns=\"DAV:\" xmlns:C=\"urn:ietf:params:xml:ns:caldav\"><set><prop>"
                       "<displayname>" + name + "</displayname></prop></set></C:mkcalendar>");
    }

private:
    TempDir mDir;
    int mPort;
    std::string mScheme = "http";
    std::string mCredentials;
    pid_t mPid = -1;
};

// A server of the test's own on 127.0.0.1 that answers every request with what `answer` returns
// for it (the raw HTTP answer); `answer` may also wait, as a server that stops answering does.
class ScriptedServer {
public:
    using Answer = std::function<std::string(const std::string& request, const std::atomic<bool>& stopping)>;

    explicit ScriptedServer(Answer answer) : mAnswer(std::move(answer))
    {
        mSocket = ::socket(AF_INET, SOCK_STREAM, 0);
        mPort = BindLoopback(mSocket);
        ::listen(mSocket, 8);
        mThread = std::thread([this] { Serve(); });
    }
    ~ScriptedServer()
    {
        mStopping = true;
        mThread.join();
        ::close(mSocket);
    }
    ScriptedServer(const ScriptedServer&) = delete;
    ScriptedServer& operator=(const ScriptedServer&) = delete;

    std::string Url() const { return "http://127.0.0.1:" + std::to_string(mPort); }
    std::vector<std::string> Requests() const { return mRequests; }  // read after the helper ended

    // A complete HTTP answer.
    static std::string Http(int status, const std::string& body, const std::string& extraHeaders = "")
    {
        return "HTTP/1.1 " + std::to_string(status) + " X\r\nContent-Type: application/xml\r\nConnection: close\r\n" + extraHeaders +
               "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
    }

private:
    void Serve()
    {
        while (!mStopping) {
            pollfd waiting{mSocket, POLLIN, 0};
            if (::poll(&waiting, 1, 50) <= 0)
                continue;
            const int client = ::accept(mSocket, nullptr, nullptr);
            if (client < 0)
                continue;
            const std::string request = ReadRequest(client);
            mRequests.push_back(request);
            const std::string answer = mAnswer(request, mStopping);
            std::size_t sent = 0;
            while (sent < answer.size()) {
                const ssize_t n = ::send(client, answer.data() + sent, answer.size() - sent, MSG_NOSIGNAL);
                if (n <= 0)
                    break;
                sent += static_cast<std::size_t>(n);
            }
            ::close(client);
        }
    }

    // The request line, the headers and a body of Content-Length bytes.
    static std::string ReadRequest(int client)
    {
        std::string request;
        char buffer[4096];
        std::size_t bodyStart = std::string::npos, length = 0;
        while (bodyStart == std::string::npos || request.size() < bodyStart + length) {
            pollfd readable{client, POLLIN, 0};
            if (::poll(&readable, 1, 2000) <= 0)
                break;
            const ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
            if (n <= 0)
                break;
            request.append(buffer, static_cast<std::size_t>(n));
            if (bodyStart == std::string::npos && (bodyStart = request.find("\r\n\r\n")) != std::string::npos) {
                bodyStart += 4;
                std::string headers = request.substr(0, bodyStart);
                for (char& c : headers)
                    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
                if (const std::size_t at = headers.find("content-length:"); at != std::string::npos)
                    length = std::stoul(headers.substr(at + 15));
            }
        }
        return request;
    }

    Answer mAnswer;
    int mSocket = -1;
    int mPort = 0;
    std::atomic<bool> mStopping{false};
    std::vector<std::string> mRequests;
    std::thread mThread;
};

}  // namespace velmora::testing
