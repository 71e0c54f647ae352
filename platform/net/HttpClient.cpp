// The HTTP client over one libcurl easy handle.
#include "platform/net/HttpClient.h"

#include "platform/net/CurlWrappers.h"

#include <mutex>

namespace net {
namespace {

void InitCurlOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct BodySink {
    std::string* Body;
    std::size_t Limit;
    bool Overflowed = false;
};

std::size_t AppendBody(char* data, std::size_t size, std::size_t count, void* user)
{
    auto& sink = *static_cast<BodySink*>(user);
    const std::size_t bytes = size * count;
    if (bytes > sink.Limit - sink.Body->size()) {
        sink.Overflowed = true;
        return 0;  // makes libcurl stop with a write error
    }
    sink.Body->append(data, bytes);
    return bytes;
}

}  // namespace

struct HttpClient::Session {
    CurlEasyPtr Handle;
    char ErrorText[CURL_ERROR_SIZE] = {};  // libcurl writes here during a request
};

HttpClient::HttpClient(HttpOptions options) : FOptions(options), FSession(std::make_unique<Session>())
{
    InitCurlOnce();
}

HttpClient::~HttpClient() = default;

HttpReply HttpClient::Get(std::string_view Url)
{
    const std::string url(Url);
    if (!FSession->Handle) {
        FSession->Handle.reset(curl_easy_init());
        if (!FSession->Handle) throw EHttpError("GET " + url + " failed: libcurl could not start a session", 0);
    }
    CURL* curl = FSession->Handle.get();
    curl_easy_reset(curl);

    HttpReply reply;
    BodySink sink{&reply.Body, FOptions.MaxBodyBytes};
    char* errorText = FSession->ErrorText;
    errorText[0] = '\0';
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    // Signals cannot interrupt a blocking call on another thread; libcurl
    // uses its threaded resolver for the time-outs instead.
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(FOptions.ConnectTimeout.count()));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(FOptions.TotalTimeout.count()));
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, AppendBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &sink);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorText);

    const CURLcode result = curl_easy_perform(curl);
    if (sink.Overflowed)
        throw EHttpError("GET " + url + " failed: the reply is larger than " + std::to_string(FOptions.MaxBodyBytes) +
                             " bytes",
                         0);
    if (result != CURLE_OK) {
        const std::string detail = errorText[0] != '\0' ? errorText : curl_easy_strerror(result);
        throw EHttpError("GET " + url + " failed: " + detail, 0);
    }

    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    reply.StatusCode = static_cast<int>(status);
    const char* contentType = nullptr;
    if (curl_easy_getinfo(curl, CURLINFO_CONTENT_TYPE, &contentType) == CURLE_OK && contentType)
        reply.ContentType = contentType;
    if (status < 200 || status > 299)
        throw EHttpError("GET " + url + " failed: HTTP status " + std::to_string(status), reply.StatusCode);
    return reply;
}

}  // namespace net
