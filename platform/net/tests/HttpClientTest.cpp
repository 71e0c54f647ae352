#include "platform/net/HttpClient.h"
#include "platform/net/testing/LoopbackHttpServer.h"

#include <gtest/gtest.h>

using namespace net;
using namespace net::testing;
using namespace std::chrono_literals;

namespace {

// Generous for loopback; only the test of a silent server shortens the total.
HttpOptions QuickOptions()
{
    HttpOptions options;
    options.ConnectTimeout = 5000ms;
    options.TotalTimeout = 5000ms;
    return options;
}

// Runs Get and returns the status code of the EHttpError it raises, or -1 when it succeeds.
int FailureStatus(HttpClient& client, const std::string& url)
{
    try {
        (void)client.Get(url);
    } catch (const EHttpError& e) {
        EXPECT_NE(e.Message().find(url), std::string::npos) << e.Message();
        return e.StatusCode();
    }
    return -1;
}

}  // namespace

TEST(HttpClient, GetsBodyStatusAndContentTypeAndReusesTheClient)
{
    LoopbackHttpServer server([](const HttpRequest& r) {
        return HttpResponse{200, {{"Content-Type", "text/xml; charset=UTF-8"}}, "<r>" + r.Path + "</r>"};
    });
    HttpClient client(QuickOptions());
    for (const std::string path : {"/a?x=%20&y=%C3%BC", "/b"}) {
        const HttpReply reply = client.Get(server.Url(path));
        EXPECT_EQ(reply.StatusCode, 200);
        EXPECT_EQ(reply.ContentType, "text/xml; charset=UTF-8");
        EXPECT_EQ(reply.Body, "<r>" + path + "</r>");
    }
    ASSERT_EQ(server.Requests().size(), 2u);
    EXPECT_EQ(server.Requests()[0].Method, "GET");
    EXPECT_FALSE(server.Requests()[0].ViaProxy);
}

TEST(HttpClient, LargeBodiesArriveWhole)
{
    std::string big(3 * 1024 * 1024, '\0');
    for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>('a' + i % 26);
    LoopbackHttpServer server([&big](const HttpRequest&) { return HttpResponse{200, {}, big}; });
    HttpClient client(QuickOptions());
    EXPECT_TRUE(client.Get(server.Url("/big")).Body == big);
}

TEST(HttpClient, ReachesARealAddressThroughHttpProxy)
{
    LoopbackHttpServer server([](const HttpRequest&) { return HttpResponse{200, {}, "proxied"}; });
    ScopedHttpProxy proxy(server);
    HttpClient client(QuickOptions());
    EXPECT_EQ(client.Get("http://service.example/api/x?q=a%26b").Body, "proxied");
    ASSERT_EQ(server.Requests().size(), 1u);
    const HttpRequest request = server.Requests()[0];
    EXPECT_TRUE(request.ViaProxy);
    EXPECT_EQ(request.Host, "service.example");
    EXPECT_EQ(request.Path, "/api/x?q=a%26b");
}

TEST(HttpClient, EveryFailureIsAnHttpError)
{
    LoopbackHttpServer server([](const HttpRequest& r) {
        if (r.Path == "/missing") return HttpResponse{404, {}, "not here"};
        if (r.Path == "/broken") return HttpResponse{500, {}, "<status>OK</status>"};
        if (r.Path == "/moved") return HttpResponse{302, {{"Location", "/elsewhere"}}, ""};
        if (r.Path == "/short") return HttpResponse{200, {{"Content-Length", "100"}, {"Connection", "close"}}, "cut"};
        return HttpResponse{200, {}, std::string(5000, 'x')};
    });
    HttpOptions options = QuickOptions();
    options.MaxBodyBytes = 4096;
    HttpClient client(options);

    EXPECT_EQ(FailureStatus(client, server.Url("/missing")), 404);
    EXPECT_EQ(FailureStatus(client, server.Url("/broken")), 500);
    EXPECT_EQ(FailureStatus(client, server.Url("/moved")), 302);
    EXPECT_EQ(FailureStatus(client, server.Url("/short")), 0);
    EXPECT_EQ(FailureStatus(client, server.Url("/large")), 0);
    EXPECT_EQ(FailureStatus(client, "file:///etc/hostname"), 0);
    EXPECT_EQ(FailureStatus(client, "not a url"), 0);

    server.SetMode(LoopbackMode::CloseAtOnce);
    EXPECT_EQ(FailureStatus(client, server.Url("/closed")), 0);
    server.SetMode(LoopbackMode::NeverAnswer);
    options.TotalTimeout = 300ms;
    client.SetOptions(options);
    EXPECT_EQ(FailureStatus(client, server.Url("/silent")), 0);
    EXPECT_EQ(server.Requests().back().Path, "/silent");
}

TEST(HttpClient, RefusedConnectionIsAnHttpError)
{
    std::string url;
    {
        LoopbackHttpServer gone;
        url = gone.Url("/");
    }
    HttpClient client(QuickOptions());
    EXPECT_EQ(FailureStatus(client, url), 0);
}
