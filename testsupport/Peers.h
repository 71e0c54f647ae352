// Independent programs that read and write our files in tests: which are installed, what a
// test does when one is missing, and running them the same way on every machine.
#pragma once

#include <string>
#include <string_view>

namespace testsupport {

// Whether the named peer is installed: "python3", "python3-xlrd", "python3-xlwt",
// "python3-olefile", "python3-pil", "python3-uno", "libreoffice", "node-cfb", "node-xlsx",
// "poppler-utils" (pdftotext, pdfinfo, pdftoppm). An
// unknown name is a fault in the test and throws.
[[nodiscard]] bool PeerAvailable(std::string_view Peer);

// A test that needs a peer says so by name. When the peer is missing the test fails on a CI
// machine (CI=true), where every peer must be installed, and is skipped naming the peer
// elsewhere. Returns whether the test may go on; REQUIRE_PEER returns from the test.
[[nodiscard]] bool RequirePeer(std::string_view Peer);
#define REQUIRE_PEER(peer)                                                                         \
    do {                                                                                           \
        if (!::testsupport::RequirePeer(peer))                                                     \
            return;                                                                                \
    } while (false)

// Runs a shell command with its standard input empty and returns its exit status (-1 when it
// did not exit normally); its standard output and error, interleaved, go to Output when given.
// The command runs in the C.UTF-8 locale whatever the caller's, so that peers read and name
// files the same way on every machine.
int RunCommand(const std::string& Command, std::string* Output = nullptr);

// The start of a LibreOffice command line that runs headless with its own profile inside
// Folder (a path ending in "/"), so that tests never share or touch a user's profile.
std::string LibreOffice(const std::string& Folder);

} // namespace testsupport
