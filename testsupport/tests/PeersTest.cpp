// The peer policy and the peer runner.
#include "testsupport/Peers.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>

using testsupport::RunCommand;

TEST(RunCommand, ReturnsTheExitStatusAndTheOutputOfBothStreams)
{
    std::string output;
    EXPECT_EQ(3, RunCommand("echo out; echo err >&2; exit 3", &output));
    EXPECT_EQ("out\nerr\n", output);
    EXPECT_EQ(-1, RunCommand("kill -9 $$"));
    // Standard input is empty: a peer that reads it never waits for the test.
    EXPECT_EQ(0, RunCommand("cat", &output));
    EXPECT_EQ("", output);
}

TEST(RunCommand, PeersRunInAUtf8LocaleWhateverTheCallers)
{
    const char* savedLang = std::getenv("LANG");
    const std::string lang = savedLang ? savedLang : "";
    ::setenv("LANG", "C", 1);
    ::setenv("LC_CTYPE", "POSIX", 1);
    ::unsetenv("LC_ALL");
    std::string output;
    EXPECT_EQ(0, RunCommand("echo \"$LANG $LC_ALL ${LC_CTYPE-unset}\"", &output));
    EXPECT_EQ("C.UTF-8 C.UTF-8 unset\n", output);
    if (testsupport::PeerAvailable("python3")) {
        EXPECT_EQ(0, RunCommand("/usr/bin/python3 -c 'import sys; print(sys.getfilesystemencoding())'", &output));
        EXPECT_EQ("utf-8\n", output);
    }
    ::unsetenv("LC_CTYPE");
    if (savedLang)
        ::setenv("LANG", lang.c_str(), 1);
    else
        ::unsetenv("LANG");
}

TEST(PeerPolicy, UnknownPeerNamesAreAFaultOfTheTest)
{
    EXPECT_THROW((void)testsupport::PeerAvailable("no-such-peer"), std::invalid_argument);
}

// Run only as a child of the test below, with the peer hidden.
TEST(PeerPolicyProbe, DISABLED_NeedsLibreOffice)
{
    REQUIRE_PEER("libreoffice");
    ADD_FAILURE() << "went on without the peer";
}

TEST(PeerPolicy, AMissingPeerFailsInCiAndIsSkippedByNameElsewhere)
{
    const std::string probe = "VISTRA_HIDE_PEERS=python3,libreoffice /proc/" + std::to_string(::getpid()) +
                              "/exe --gtest_also_run_disabled_tests --gtest_filter=PeerPolicyProbe.*";
    std::string output;
    EXPECT_EQ(0, RunCommand("CI= " + probe, &output)) << output;
    EXPECT_NE(std::string::npos, output.find("needs the peer libreoffice, which is not installed")) << output;
    EXPECT_NE(std::string::npos, output.find("[  SKIPPED ] PeerPolicyProbe.DISABLED_NeedsLibreOffice")) << output;

    EXPECT_EQ(1, RunCommand("CI=true " + probe, &output)) << output;
    EXPECT_NE(std::string::npos, output.find("the peer libreoffice is missing")) << output;
    EXPECT_EQ(std::string::npos, output.find("went on without the peer")) << output;
}
