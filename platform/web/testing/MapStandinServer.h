// A loopback server that answers the map page's library requests with the local stand-in.
//
// While it lives, http_proxy points at it, so a page keeps the library's real
// address ("http://<any host>/maps/api/js?...") and gets the stand-in script
// from map/standin. Other requests go to the fallback handler (404 without one).
#pragma once

#include "platform/net/testing/LoopbackHttpServer.h"

#include <string>

namespace web::testing {

class MapStandinServer {
public:
    // Throws std::runtime_error when the stand-in script cannot be read.
    MapStandinServer();

    // The stand-in script's text, read from the source tree.
    static std::string StandinScript();

    net::testing::LoopbackHttpServer& Server() { return FServer; }
    void SetFallback(net::testing::LoopbackHttpServer::Handler fallback);
    // How many times the stand-in was served.
    int ScriptRequests() const;

private:
    std::string FScript;
    net::testing::LoopbackHttpServer::Handler FFallback;
    net::testing::LoopbackHttpServer FServer;
    net::testing::ScopedHttpProxy FProxy;
};

}  // namespace web::testing
