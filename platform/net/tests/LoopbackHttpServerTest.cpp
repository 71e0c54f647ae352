#include "platform/net/testing/LoopbackHttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

using namespace net::testing;

namespace {

// A raw client: sends Text, then reads until the server closes the connection.
std::string Exchange(std::uint16_t port, const std::string& text, bool halfClose = true)
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return "connect failed";
    }
    send(fd, text.data(), text.size(), MSG_NOSIGNAL);
    if (halfClose) shutdown(fd, SHUT_WR);
    std::string received;
    char buffer[4096];
    for (ssize_t n; (n = recv(fd, buffer, sizeof buffer, 0)) > 0;) received.append(buffer, static_cast<std::size_t>(n));
    close(fd);
    return received;
}

std::size_t Count(const std::string& text, const std::string& what)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

HttpResponse Echo(const HttpRequest& r)
{
    return {200, {{"Content-Type", "text/plain"}}, r.Method + " " + r.Host + " " + r.Path + " [" + r.Body + "]"};
}

}  // namespace

TEST(LoopbackHttpServer, AnswersOriginAndProxyFormRequests)
{
    LoopbackHttpServer server(Echo);
    const std::string direct = Exchange(server.Port(), "GET /a/b?x=1&y=%20 HTTP/1.1\r\nHost: here:1\r\n\r\n");
    EXPECT_TRUE(direct.starts_with("HTTP/1.1 200 OK\r\n")) << direct;
    EXPECT_TRUE(direct.ends_with("\r\n\r\nGET here:1 /a/b?x=1&y=%20 []")) << direct;

    const std::string proxied =
        Exchange(server.Port(), "POST http://service.example/api?q=2 HTTP/1.1\r\nHost: service.example\r\n"
                                "Content-Length: 3\r\n\r\nabc");
    EXPECT_TRUE(proxied.ends_with("POST service.example /api?q=2 [abc]")) << proxied;
    EXPECT_NE(proxied.find("Content-Length: 35\r\n"), std::string::npos) << proxied;

    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_FALSE(requests[0].ViaProxy);
    EXPECT_TRUE(requests[1].ViaProxy);
    EXPECT_EQ(requests[1].Target, "http://service.example/api?q=2");
    EXPECT_EQ(requests[1].Header("content-length"), "3");

    Exchange(server.Port(), "GET http://bare.example HTTP/1.1\r\n\r\n");
    EXPECT_EQ(server.Requests().back().Path, "/");
}

TEST(LoopbackHttpServer, KeepsConnectionsAliveUntilAskedToClose)
{
    LoopbackHttpServer server(Echo);
    const std::string both = Exchange(server.Port(),
                                      "GET /one HTTP/1.1\r\nHost: h\r\n\r\n"
                                      "GET /two HTTP/1.1\r\nHost: h\r\nConnection: close\r\n\r\n",
                                      false);
    EXPECT_EQ(Count(both, "HTTP/1.1 200 OK"), 2u) << both;
    EXPECT_NE(both.find("Connection: close"), std::string::npos);
}

TEST(LoopbackHttpServer, RejectsWhatItDoesNotServe)
{
    LoopbackHttpServer server(Echo);
    const struct {
        const char* Name;
        std::string Request;
        const char* StatusLine;
    } cases[] = {
        {"no version", "GET /\r\n\r\n", "HTTP/1.1 400 "},
        {"header without colon", "GET / HTTP/1.1\r\nnonsense\r\n\r\n", "HTTP/1.1 400 "},
        {"bad length", "POST / HTTP/1.1\r\nContent-Length: 1x\r\n\r\n", "HTTP/1.1 400 "},
        {"tunnel", "CONNECT host:443 HTTP/1.1\r\n\r\n", "HTTP/1.1 501 "},
        {"chunked body", "POST / HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n0\r\n\r\n", "HTTP/1.1 501 "},
        {"huge head", "GET / HTTP/1.1\r\nX: " + std::string(70000, 'a') + "\r\n\r\n", "HTTP/1.1 431 "},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(Exchange(server.Port(), c.Request).starts_with(c.StatusLine)) << c.Name;
    EXPECT_TRUE(server.Requests().empty());
}

TEST(LoopbackHttpServer, HandlerFailureBecomes500AndNoHandler404)
{
    LoopbackHttpServer server;
    EXPECT_TRUE(Exchange(server.Port(), "GET / HTTP/1.1\r\n\r\n").starts_with("HTTP/1.1 404 "));
    server.SetHandler([](const HttpRequest&) -> HttpResponse { throw std::runtime_error("handler broke"); });
    const std::string answer = Exchange(server.Port(), "GET / HTTP/1.1\r\n\r\n");
    EXPECT_TRUE(answer.starts_with("HTTP/1.1 500 ")) << answer;
    EXPECT_TRUE(answer.ends_with("handler broke"));
}

TEST(LoopbackHttpServer, NeverAnswerRecordsTheRequestAndShutdownClosesIt)
{
    std::string received = "not run";
    std::thread client;
    {
        LoopbackHttpServer server(Echo);
        server.SetMode(LoopbackMode::NeverAnswer);
        client = std::thread([&, port = server.Port()] { received = Exchange(port, "GET /wait HTTP/1.1\r\n\r\n"); });
        // Bounded wait for the server thread to record the request.
        for (int i = 0; i < 500 && server.Requests().empty(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        ASSERT_EQ(server.Requests().size(), 1u);
        EXPECT_EQ(server.Requests()[0].Path, "/wait");
    }
    client.join();
    EXPECT_EQ(received, "");
}

TEST(LoopbackHttpServer, CloseAtOnceSendsNothing)
{
    LoopbackHttpServer server(Echo);
    server.SetMode(LoopbackMode::CloseAtOnce);
    EXPECT_EQ(Exchange(server.Port(), "GET / HTTP/1.1\r\n\r\n"), "");
    EXPECT_TRUE(server.Requests().empty());
    server.SetMode(LoopbackMode::Answer);
    EXPECT_TRUE(Exchange(server.Port(), "GET / HTTP/1.1\r\n\r\n").starts_with("HTTP/1.1 200 "));
}

TEST(ScopedHttpProxy, PointsHttpProxyAtTheServerAndRestores)
{
    LoopbackHttpServer server;
    setenv("http_proxy", "http://before:1", 1);
    unsetenv("HTTP_PROXY");
    setenv("no_proxy", "*", 1);
    {
        ScopedHttpProxy proxy(server);
        EXPECT_EQ(std::string(std::getenv("http_proxy")), server.Url());
        EXPECT_EQ(std::getenv("no_proxy"), nullptr);
    }
    EXPECT_EQ(std::string(std::getenv("http_proxy")), "http://before:1");
    EXPECT_EQ(std::getenv("HTTP_PROXY"), nullptr);
    EXPECT_EQ(std::string(std::getenv("no_proxy")), "*");
    unsetenv("http_proxy");
    unsetenv("no_proxy");
}
