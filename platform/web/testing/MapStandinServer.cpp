// A loopback server that answers the map page's library requests with the local stand-in.
#include "platform/web/testing/MapStandinServer.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace web::testing {

namespace {

constexpr std::string_view LibraryPath = "/maps/api/js";

bool IsLibraryRequest(const net::testing::HttpRequest& request)
{
    const std::string& path = request.Path;
    return path.compare(0, LibraryPath.size(), LibraryPath) == 0 &&
           (path.size() == LibraryPath.size() || path[LibraryPath.size()] == '?');
}

}  // namespace

std::string MapStandinServer::StandinScript()
{
    std::ifstream file(VISTRA_MAP_STANDIN_SCRIPT, std::ios::binary);
    if (!file)
        throw std::runtime_error(std::string("cannot read the map stand-in ") + VISTRA_MAP_STANDIN_SCRIPT);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

MapStandinServer::MapStandinServer()
    : FScript(StandinScript()),
      FServer([this](const net::testing::HttpRequest& request) {
          if (IsLibraryRequest(request))
              return net::testing::HttpResponse{
                  200, {{"Content-Type", "text/javascript; charset=utf-8"}, {"Cache-Control", "no-store"}}, FScript};
          if (FFallback)
              return FFallback(request);
          return net::testing::HttpResponse{404, {{"Content-Type", "text/plain"}}, "not found"};
      }),
      FProxy(FServer)
{
}

void MapStandinServer::SetFallback(net::testing::LoopbackHttpServer::Handler fallback)
{
    // The handler runs on the server's thread; set the fallback before the page asks.
    FFallback = std::move(fallback);
}

int MapStandinServer::ScriptRequests() const
{
    int count = 0;
    for (const auto& request : FServer.Requests())
        count += IsLibraryRequest(request) ? 1 : 0;
    return count;
}

}  // namespace web::testing
