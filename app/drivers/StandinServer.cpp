// Serves the map library stand-in on loopback for the run command: prints the
// proxy address to give the program as http_proxy, then serves until its
// standard input closes. Every other request the program makes through this
// proxy (the geocoding service) is fetched from the network as asked, so
// looking up addresses keeps working wherever the network does.
#include "platform/net/HttpClient.h"
#include "platform/web/testing/MapStandinServer.h"

#include <cstdlib>
#include <iostream>
#include <string>

namespace {

net::testing::HttpResponse FetchFromNetwork(const net::testing::HttpRequest& request)
{
    if (request.Method != "GET" || !request.ViaProxy)
        return {404, {}, "Not found"};
    try {
        net::HttpClient client;
        const net::HttpReply reply = client.Get(request.Target);
        net::testing::HttpResponse response{reply.StatusCode, {}, reply.Body};
        if (!reply.ContentType.empty())
            response.Headers.push_back({"Content-Type", reply.ContentType});
        return response;
    } catch (const net::EHttpError& e) {
        return {e.StatusCode() != 0 ? e.StatusCode() : 502, {}, e.Message()};
    }
}

} // namespace

int main()
{
    try {
        web::testing::MapStandinServer standin;
        // The stand-in points this process's own proxy setting at itself for
        // a browser in the same process; the fetches here must go out directly.
        ::unsetenv("http_proxy");
        ::unsetenv("HTTP_PROXY");
        standin.SetFallback(FetchFromNetwork);
        std::cout << "http://127.0.0.1:" << standin.Server().Port() << std::endl;
        std::string line;
        while (std::getline(std::cin, line)) {
        }
    } catch (const std::exception& e) {
        std::cerr << "standin: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
