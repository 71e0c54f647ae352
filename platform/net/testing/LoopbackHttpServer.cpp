// The loopback test server: one poll loop over the listening socket and its connections.
#include "platform/net/testing/LoopbackHttpServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <mutex>
#include <system_error>
#include <thread>

namespace net::testing {
namespace {

// Far above anything a test sends; a client that exceeds them is broken.
constexpr std::size_t MaxHeaderBytes = 64 * 1024;
constexpr std::size_t MaxBodyBytes = 64 * 1024 * 1024;

[[noreturn]] void ThrowErrno(const char* what)
{
    throw std::system_error(errno, std::generic_category(), what);
}

bool EqualNoCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

std::string FindHeader(const HttpHeaders& headers, std::string_view name)
{
    for (const auto& [key, value] : headers)
        if (EqualNoCase(key, name)) return value;
    return {};
}

bool HasHeader(const HttpHeaders& headers, std::string_view name)
{
    return std::any_of(headers.begin(), headers.end(), [&](const auto& h) { return EqualNoCase(h.first, name); });
}

const char* ReasonPhrase(int status)
{
    switch (status) {
    case 200: return "OK";
    case 201: return "Created";
    case 204: return "No Content";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 304: return "Not Modified";
    case 400: return "Bad Request";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 413: return "Content Too Large";
    case 431: return "Request Header Fields Too Large";
    case 500: return "Internal Server Error";
    case 501: return "Not Implemented";
    case 502: return "Bad Gateway";
    case 503: return "Service Unavailable";
    default: return "Status";
    }
}

// Splits a proxy-form target "http://host[:port][/path][?query]" into host and path.
void SplitTarget(HttpRequest& request)
{
    constexpr std::string_view scheme = "http://";
    const std::string_view target = request.Target;
    if (target.size() >= scheme.size() && EqualNoCase(target.substr(0, scheme.size()), scheme)) {
        const std::string_view rest = target.substr(scheme.size());
        const std::size_t hostEnd = std::min(rest.find('/'), rest.find('?'));
        request.ViaProxy = true;
        request.Host = std::string(rest.substr(0, hostEnd));
        request.Path = hostEnd == std::string_view::npos ? "/" : std::string(rest.substr(hostEnd));
        if (request.Path.front() == '?') request.Path.insert(0, "/");
    } else {
        request.Path = request.Target;
        request.Host = request.Header("Host");
    }
}

struct ParseResult {
    enum Kind { Incomplete, Complete, Bad } Result = Incomplete;
    HttpRequest Request;
    std::size_t Consumed = 0;
    int ErrorStatus = 0;
};

ParseResult Fail(int status)
{
    ParseResult r;
    r.Result = ParseResult::Bad;
    r.ErrorStatus = status;
    return r;
}

ParseResult ParseRequest(std::string_view data)
{
    const std::size_t headEnd = data.find("\r\n\r\n");
    if (headEnd == std::string_view::npos)
        return data.size() > MaxHeaderBytes ? Fail(431) : ParseResult{};
    if (headEnd > MaxHeaderBytes) return Fail(431);

    ParseResult r;
    HttpRequest& request = r.Request;
    std::string_view head = data.substr(0, headEnd);
    const std::size_t lineEnd = head.find("\r\n");
    const std::string_view requestLine = head.substr(0, lineEnd);
    head = lineEnd == std::string_view::npos ? std::string_view{} : head.substr(lineEnd + 2);

    const std::size_t sp1 = requestLine.find(' ');
    const std::size_t sp2 = requestLine.rfind(' ');
    if (sp1 == std::string_view::npos || sp1 == sp2) return Fail(400);
    request.Method = std::string(requestLine.substr(0, sp1));
    request.Target = std::string(requestLine.substr(sp1 + 1, sp2 - sp1 - 1));
    request.Version = std::string(requestLine.substr(sp2 + 1));
    if (request.Target.empty() || !request.Version.starts_with("HTTP/")) return Fail(400);

    while (!head.empty()) {
        const std::size_t end = head.find("\r\n");
        const std::string_view line = head.substr(0, end);
        head = end == std::string_view::npos ? std::string_view{} : head.substr(end + 2);
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos || colon == 0) return Fail(400);
        request.Headers.emplace_back(std::string(line.substr(0, colon)), std::string(Trim(line.substr(colon + 1))));
    }
    if (request.Method == "CONNECT" || HasHeader(request.Headers, "Transfer-Encoding")) return Fail(501);

    std::size_t bodyLength = 0;
    if (HasHeader(request.Headers, "Content-Length")) {
        const std::string text = request.Header("Content-Length");
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), bodyLength);
        if (ec != std::errc{} || end != text.data() + text.size() || text.empty()) return Fail(400);
        if (bodyLength > MaxBodyBytes) return Fail(413);
    }
    const std::size_t bodyStart = headEnd + 4;
    if (data.size() - bodyStart < bodyLength) return r;

    request.Body = std::string(data.substr(bodyStart, bodyLength));
    SplitTarget(request);
    r.Result = ParseResult::Complete;
    r.Consumed = bodyStart + bodyLength;
    return r;
}

bool WantsClose(const HttpRequest& request)
{
    const std::string connection = request.Header("Connection");
    if (request.Version == "HTTP/1.0") return !EqualNoCase(connection, "keep-alive");
    return EqualNoCase(connection, "close");
}

std::string Serialize(HttpResponse response, bool headRequest, bool close)
{
    if (!HasHeader(response.Headers, "Content-Length"))
        response.Headers.emplace_back("Content-Length", std::to_string(response.Body.size()));
    if (close && !HasHeader(response.Headers, "Connection")) response.Headers.emplace_back("Connection", "close");
    std::string out = "HTTP/1.1 " + std::to_string(response.Status) + " " + ReasonPhrase(response.Status) + "\r\n";
    for (const auto& [name, value] : response.Headers) out += name + ": " + value + "\r\n";
    out += "\r\n";
    if (!headRequest) out += response.Body;
    return out;
}

struct Connection {
    int Fd = -1;
    std::string In;
    std::string Out;
    bool CloseAfterWrite = false;
    bool Hung = false;        // a request was left unanswered: ignore what follows
    bool PeerClosed = false;  // the client sent all it will; answer, then close
    bool Dead = false;
};

}  // namespace

std::string HttpRequest::Header(std::string_view Name) const
{
    return FindHeader(Headers, Name);
}

struct LoopbackHttpServer::State {
    int ListenFd = -1;
    int WakeRead = -1;
    int WakeWrite = -1;
    std::uint16_t Port = 0;
    std::atomic<LoopbackMode> Mode = LoopbackMode::Answer;

    mutable std::mutex Lock;  // guards FHandler and FRequests
    Handler FHandler;
    std::vector<HttpRequest> FRequests;

    std::vector<Connection> Connections;
    std::thread Thread;

    void Run();
    void Accept();
    void ReadFrom(Connection& c);
    void ServeRequests(Connection& c);
    void WriteTo(Connection& c);
    HttpResponse Answer(const HttpRequest& request);
    void CloseAll();
};

LoopbackHttpServer::LoopbackHttpServer(Handler handler) : FState(std::make_unique<State>())
{
    State& s = *FState;
    s.FHandler = std::move(handler);
    int wake[2];
    if (pipe2(wake, O_CLOEXEC | O_NONBLOCK) != 0) ThrowErrno("pipe2");
    s.WakeRead = wake[0];
    s.WakeWrite = wake[1];

    s.ListenFd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (s.ListenFd < 0) {
        s.CloseAll();
        ThrowErrno("socket");
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (bind(s.ListenFd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(s.ListenFd, 64) != 0 ||
        getsockname(s.ListenFd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        const int error = errno;
        s.CloseAll();
        throw std::system_error(error, std::generic_category(), "loopback listen");
    }
    s.Port = ntohs(address.sin_port);
    s.Thread = std::thread([&s] { s.Run(); });
}

LoopbackHttpServer::~LoopbackHttpServer()
{
    State& s = *FState;
    const char byte = 0;
    // The pipe has room for this one byte; the loop ends as soon as it sees it.
    [[maybe_unused]] const auto written = write(s.WakeWrite, &byte, 1);
    if (s.Thread.joinable()) s.Thread.join();
    s.CloseAll();
}

std::uint16_t LoopbackHttpServer::Port() const { return FState->Port; }

std::string LoopbackHttpServer::Url(std::string_view Path) const
{
    return "http://127.0.0.1:" + std::to_string(FState->Port) + std::string(Path);
}

void LoopbackHttpServer::SetHandler(Handler handler)
{
    std::lock_guard guard(FState->Lock);
    FState->FHandler = std::move(handler);
}

void LoopbackHttpServer::SetMode(LoopbackMode mode) { FState->Mode = mode; }

std::vector<HttpRequest> LoopbackHttpServer::Requests() const
{
    std::lock_guard guard(FState->Lock);
    return FState->FRequests;
}

void LoopbackHttpServer::ClearRequests()
{
    std::lock_guard guard(FState->Lock);
    FState->FRequests.clear();
}

void LoopbackHttpServer::State::Run()
{
    std::vector<pollfd> fds;
    for (;;) {
        fds.clear();
        fds.push_back({WakeRead, POLLIN, 0});
        fds.push_back({ListenFd, POLLIN, 0});
        for (const Connection& c : Connections)
            fds.push_back({c.Fd, static_cast<short>((c.PeerClosed ? 0 : POLLIN) | (c.Out.empty() ? 0 : POLLOUT)), 0});

        if (poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR) continue;
            return;
        }
        if (fds[0].revents != 0) return;
        // Connections accepted below are polled from the next round on.
        const std::size_t polled = Connections.size();
        if (fds[1].revents & POLLIN) Accept();

        for (std::size_t i = 0; i < polled; ++i) {
            Connection& c = Connections[i];
            const short events = fds[i + 2].revents;
            if (events & (POLLIN | POLLHUP | POLLERR)) {
                ReadFrom(c);
                ServeRequests(c);
            }
            if (!c.Dead && !c.Out.empty()) WriteTo(c);
            if (c.PeerClosed && c.Out.empty()) c.Dead = true;
        }
        std::erase_if(Connections, [](const Connection& c) {
            if (c.Dead) close(c.Fd);
            return c.Dead;
        });
    }
}

void LoopbackHttpServer::State::Accept()
{
    for (;;) {
        const int fd = accept4(ListenFd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) return;
        if (Mode == LoopbackMode::CloseAtOnce) {
            close(fd);
            continue;
        }
        Connections.emplace_back().Fd = fd;
    }
}

void LoopbackHttpServer::State::ReadFrom(Connection& c)
{
    char buffer[16 * 1024];
    for (;;) {
        const ssize_t n = recv(c.Fd, buffer, sizeof buffer, 0);
        if (n > 0) {
            if (!c.Hung) c.In.append(buffer, static_cast<std::size_t>(n));
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return;
        if (n < 0 && errno == EINTR) continue;
        if (n == 0)
            c.PeerClosed = true;
        else
            c.Dead = true;  // reset
        return;
    }
}

void LoopbackHttpServer::State::ServeRequests(Connection& c)
{
    while (!c.Dead && !c.Hung && !c.CloseAfterWrite) {
        ParseResult parsed = ParseRequest(c.In);
        if (parsed.Result == ParseResult::Incomplete) return;
        if (parsed.Result == ParseResult::Bad) {
            c.Out += Serialize(HttpResponse{parsed.ErrorStatus, {}, ReasonPhrase(parsed.ErrorStatus)}, false, true);
            c.CloseAfterWrite = true;
            c.In.clear();
            return;
        }
        c.In.erase(0, parsed.Consumed);
        {
            std::lock_guard guard(Lock);
            FRequests.push_back(parsed.Request);
        }
        if (Mode == LoopbackMode::NeverAnswer) {
            c.Hung = true;
            c.In.clear();
            return;
        }
        const HttpRequest& request = parsed.Request;
        HttpResponse response = Answer(request);
        const bool close = WantsClose(request) || EqualNoCase(FindHeader(response.Headers, "Connection"), "close");
        c.Out += Serialize(std::move(response), request.Method == "HEAD", close);
        c.CloseAfterWrite = close;
    }
}

HttpResponse LoopbackHttpServer::State::Answer(const HttpRequest& request)
{
    Handler handler;
    {
        std::lock_guard guard(Lock);
        handler = FHandler;
    }
    if (!handler) return HttpResponse{404, {{"Content-Type", "text/plain"}}, "no handler"};
    try {
        return handler(request);
    } catch (const std::exception& e) {
        return HttpResponse{500, {{"Content-Type", "text/plain"}}, e.what()};
    }
}

void LoopbackHttpServer::State::WriteTo(Connection& c)
{
    while (!c.Out.empty()) {
        const ssize_t n = send(c.Fd, c.Out.data(), c.Out.size(), MSG_NOSIGNAL);
        if (n > 0) {
            c.Out.erase(0, static_cast<std::size_t>(n));
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return;
        if (n < 0 && errno == EINTR) continue;
        c.Dead = true;
        return;
    }
    if (c.CloseAfterWrite) c.Dead = true;
}

void LoopbackHttpServer::State::CloseAll()
{
    for (Connection& c : Connections) close(c.Fd);
    Connections.clear();
    for (int* fd : {&ListenFd, &WakeRead, &WakeWrite}) {
        if (*fd >= 0) close(*fd);
        *fd = -1;
    }
}

ScopedHttpProxy::ScopedHttpProxy(const LoopbackHttpServer& server)
{
    const auto save = [this](const char* name) {
        const char* old = std::getenv(name);
        FSaved.push_back({name, old != nullptr, old ? old : ""});
    };
    const std::string url = server.Url();
    for (const char* name : {"http_proxy", "HTTP_PROXY"}) {
        save(name);
        setenv(name, url.c_str(), 1);
    }
    for (const char* name : {"no_proxy", "NO_PROXY"}) {
        save(name);
        unsetenv(name);
    }
}

ScopedHttpProxy::~ScopedHttpProxy()
{
    for (const Saved& saved : FSaved) {
        if (saved.WasSet)
            setenv(saved.Name.c_str(), saved.Value.c_str(), 1);
        else
            unsetenv(saved.Name.c_str());
    }
}

}  // namespace net::testing
