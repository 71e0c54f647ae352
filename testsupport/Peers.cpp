// Finding, requiring and running the independent peers of the tests.
#include "testsupport/Peers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <mutex>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace testsupport {

namespace {

// How each peer is found: a shell command that succeeds when it is installed.
struct PeerCheck {
    std::string_view Name;
    std::string_view Command;
};

constexpr std::string_view NodeModules = VISTRA_SOURCE_DIR "/tools/peers/node_modules";

const std::array<PeerCheck, 10>& PeerChecks()
{
    static const std::string cfb = "command -v node && test -d " + std::string(NodeModules) + "/cfb";
    static const std::string xlsx = "command -v node && test -d " + std::string(NodeModules) + "/xlsx";
    static const std::array<PeerCheck, 10> checks{{
        {"python3", "test -x /usr/bin/python3"},
        {"python3-xlrd", "/usr/bin/python3 -c 'import xlrd'"},
        {"python3-xlwt", "/usr/bin/python3 -c 'import xlwt'"},
        {"python3-olefile", "/usr/bin/python3 -c 'import olefile'"},
        {"python3-pil", "/usr/bin/python3 -c 'import PIL.Image'"},
        {"libreoffice", "command -v soffice"},
        {"python3-uno", "/usr/bin/python3 -c 'import uno'"},
        {"node-cfb", cfb},
        {"node-xlsx", xlsx},
        {"poppler-utils", "command -v pdftotext && command -v pdfinfo && command -v pdftoppm"},
    }};
    return checks;
}

bool OnCiMachine()
{
    const char* ci = std::getenv("CI");
    return ci && (std::strcmp(ci, "true") == 0 || std::strcmp(ci, "1") == 0);
}

// The caller's environment with the locale fixed to C.UTF-8.
std::vector<std::string> PeerEnvironment()
{
    std::vector<std::string> variables;
    for (char** entry = environ; *entry; ++entry) {
        const std::string_view text(*entry);
        if (text.starts_with("LANG=") || text.starts_with("LC_") || text.starts_with("LANGUAGE="))
            continue;
        variables.emplace_back(text);
    }
    variables.emplace_back("LANG=C.UTF-8");
    variables.emplace_back("LC_ALL=C.UTF-8");
    return variables;
}

// VISTRA_HIDE_PEERS (names separated by commas) makes installed peers count as missing, to
// see what a machine without them would do.
bool Hidden(std::string_view peer)
{
    const char* hidden = std::getenv("VISTRA_HIDE_PEERS");
    std::string_view list = hidden ? hidden : "";
    while (!list.empty()) {
        const std::size_t comma = std::min(list.find(','), list.size());
        if (list.substr(0, comma) == peer)
            return true;
        list.remove_prefix(std::min(comma + 1, list.size()));
    }
    return false;
}

} // namespace

bool PeerAvailable(std::string_view Peer)
{
    static std::mutex lock;
    static std::map<std::string, bool, std::less<>> known;
    const std::lock_guard guard(lock);
    if (const auto found = known.find(Peer); found != known.end())
        return found->second;
    for (const PeerCheck& check : PeerChecks()) {
        if (check.Name == Peer) {
            const bool available = !Hidden(Peer) && RunCommand(std::string(check.Command)) == 0;
            known.emplace(std::string(Peer), available);
            return available;
        }
    }
    throw std::invalid_argument("unknown peer " + std::string(Peer));
}

bool RequirePeer(std::string_view Peer)
{
    if (PeerAvailable(Peer))
        return true;
    if (OnCiMachine())
        // A fatal failure, so that a fixture's SetUp stops its test too.
        [&] { FAIL() << "the peer " << Peer << " is missing; CI machines must have every peer (tools/setup installs them)"; }();
    else
        [&] { GTEST_SKIP() << "needs the peer " << Peer << ", which is not installed (tools/setup installs it)"; }();
    return false;
}

int RunCommand(const std::string& Command, std::string* Output)
{
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 1);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 2);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);

    std::vector<std::string> environment = PeerEnvironment();
    std::vector<char*> envp;
    for (std::string& variable : environment)
        envp.push_back(variable.data());
    envp.push_back(nullptr);
    std::string shell = "/bin/sh", dashC = "-c", command = Command;
    char* argv[] = {shell.data(), dashC.data(), command.data(), nullptr};

    pid_t child = 0;
    const int spawned = ::posix_spawn(&child, "/bin/sh", &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeEnds[1]);
    std::string text;
    if (spawned == 0) {
        char buffer[4096];
        for (;;) {
            const ssize_t got = ::read(pipeEnds[0], buffer, sizeof buffer);
            if (got > 0)
                text.append(buffer, static_cast<std::size_t>(got));
            else if (got == 0 || errno != EINTR)
                break;
        }
    }
    ::close(pipeEnds[0]);
    if (Output)
        *Output = text;
    if (spawned != 0)
        return -1;
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string LibreOffice(const std::string& Folder)
{
    return "soffice -env:UserInstallation=file://" + Folder + "libreoffice-profile --headless";
}

} // namespace testsupport
