// Owning pointers for libcurl's objects: each is released exactly once, also when an exception
// passes. Included only by the HTTP client's .cpp files.
#pragma once

#include <curl/curl.h>

#include <memory>

namespace net {

struct CurlFreer {
    void operator()(CURL* handle) const noexcept { curl_easy_cleanup(handle); }
};
using CurlEasyPtr = std::unique_ptr<CURL, CurlFreer>;

} // namespace net
