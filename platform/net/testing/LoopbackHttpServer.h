// A small HTTP/1.1 server on 127.0.0.1 that tests start to answer their own requests.
//
// The server listens on an ephemeral loopback port and serves on its own
// thread until it is destroyed. Each complete request is recorded and handed
// to the handler, which returns the status, headers and body to send.
//
// It accepts both request forms:
//   origin form  "GET /path?query HTTP/1.1"            (the client talks to it directly)
//   proxy form   "GET http://host/path?query HTTP/1.1" (the client was told to use it
//                                                       as its proxy, e.g. http_proxy)
// so a test can let code keep its real service address and still answer it:
//
//   net::testing::LoopbackHttpServer server([](const net::testing::HttpRequest& r) {
//       return net::testing::HttpResponse{200, {{"Content-Type", "text/xml"}}, "<a/>"};
//   });
//   net::testing::ScopedHttpProxy proxy(server);   // http_proxy -> the server
//   ... code under test fetches "http://service.example/api?x=1" ...
//   server.Requests()[0].Host == "service.example", .Path == "/api?x=1"
//
// Only plain HTTP is served: CONNECT (HTTPS tunnelling) is answered 501.
// Request bodies need a Content-Length; chunked request bodies are answered 501.
// Connections are kept alive unless the client asks to close them.
//
// The handler runs on the server thread, one request at a time; an exception
// from it becomes a 500 answer carrying its message. With a mode other than
// Answer the server can instead never answer (to test time-outs) or close
// each connection as soon as it is accepted (to test broken connections).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace net::testing {

using HttpHeaders = std::vector<std::pair<std::string, std::string>>;

struct HttpRequest {
    std::string Method;  // "GET", "POST", ...
    std::string Target;  // the request line's target exactly as sent
    std::string Path;    // path and query, "/" at least, in either request form
    std::string Host;    // host[:port] from a proxy-form target, else the Host header
    bool ViaProxy = false;  // the target was in proxy (absolute) form
    std::string Version;    // "HTTP/1.1"
    HttpHeaders Headers;    // in the order received
    std::string Body;

    // The first header of that name (compared without case), or "" when absent.
    std::string Header(std::string_view Name) const;
};

struct HttpResponse {
    int Status = 200;
    HttpHeaders Headers;  // Content-Length is added when missing
    std::string Body;
};

enum class LoopbackMode {
    Answer,       // every request goes to the handler
    NeverAnswer,  // requests are read and recorded but never answered
    CloseAtOnce,  // connections are closed as soon as they are accepted
};

class LoopbackHttpServer {
public:
    using Handler = std::function<HttpResponse(const HttpRequest&)>;

    // Starts listening and serving; throws std::system_error when the socket
    // cannot be set up. Without a handler every request is answered 404.
    explicit LoopbackHttpServer(Handler handler = {});
    // Stops the thread and closes every connection; pending clients see the
    // connection close.
    ~LoopbackHttpServer();

    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    std::uint16_t Port() const;
    // "http://127.0.0.1:<port>" followed by Path; also the value for http_proxy.
    std::string Url(std::string_view Path = "") const;

    void SetHandler(Handler handler);
    void SetMode(LoopbackMode mode);

    // Every request received so far (also those never answered), oldest first.
    std::vector<HttpRequest> Requests() const;
    void ClearRequests();

private:
    struct State;
    std::unique_ptr<State> FState;
};

// Points http_proxy (and HTTP_PROXY) at a server and clears no_proxy for its
// lifetime, restoring the previous values afterwards. The environment is
// process-wide: use it from one test thread at a time.
class ScopedHttpProxy {
public:
    explicit ScopedHttpProxy(const LoopbackHttpServer& server);
    ~ScopedHttpProxy();

    ScopedHttpProxy(const ScopedHttpProxy&) = delete;
    ScopedHttpProxy& operator=(const ScopedHttpProxy&) = delete;

private:
    struct Saved {
        std::string Name;
        bool WasSet = false;
        std::string Value;
    };
    std::vector<Saved> FSaved;
};

}  // namespace net::testing
