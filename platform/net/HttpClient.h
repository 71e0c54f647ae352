// A blocking HTTP GET client with time-outs, over libcurl.
#pragma once

#include "platform/rtl/Exceptions.h"

#include <chrono>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace net {

// A request failed: no connection, a time-out, a reply cut short or larger
// than allowed, or a status outside 2xx. StatusCode() is the HTTP status when
// the server answered, 0 otherwise.
class EHttpError : public Exception {
public:
    EHttpError(std::string message, int statusCode) : Exception(std::move(message)), FStatusCode(statusCode) {}
    int StatusCode() const noexcept { return FStatusCode; }

private:
    int FStatusCode;
};

struct HttpOptions {
    // Without limits a stalled server would block the caller for good.
    std::chrono::milliseconds ConnectTimeout{10'000};
    std::chrono::milliseconds TotalTimeout{30'000};
    std::size_t MaxBodyBytes = 16 * 1024 * 1024;
};

struct HttpReply {
    int StatusCode = 0;
    std::string ContentType;  // as the server sent it, "" when absent
    std::string Body;
};

// One client may send many requests one after the other and reuses its
// connection when the server allows. Only http:// and https:// URLs are
// fetched. The proxy comes from the environment exactly as libcurl reads it:
// http_proxy for http:// URLs, https_proxy, all_proxy and no_proxy.
class HttpClient {
public:
    explicit HttpClient(HttpOptions options = {});
    ~HttpClient();

    HttpClient(const HttpClient&) = delete;
    HttpClient& operator=(const HttpClient&) = delete;

    const HttpOptions& Options() const noexcept { return FOptions; }
    void SetOptions(const HttpOptions& options) { FOptions = options; }

    // Fetches Url, which must already be encoded; raises EHttpError on failure.
    [[nodiscard]] HttpReply Get(std::string_view Url);

private:
    struct Session;
    HttpOptions FOptions;
    std::unique_ptr<Session> FSession;
};

}  // namespace net
