// Picture identifiers (MD5) and the blip store's handling of picture data.
#include "xlsAdapter/qorUXlsMD5.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

std::string Hex(const TMd5Digest& digest)
{
    std::string text;
    char two[3];
    for (std::uint8_t b : digest) {
        std::snprintf(two, sizeof two, "%02x", b);
        text += two;
    }
    return text;
}

} // namespace

TEST(XlsBlips, Md5MatchesTheStandardsTestSuite)
{
    const std::pair<std::string, const char*> cases[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "d174ab98d277d9f5a5611c2c9f419d9f"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
        // 55 bytes leave room for the length in one block; 56 need a second.
        {std::string(55, 'x'), "04364420e25c512fd958a70738aa8f72"},
        {std::string(56, 'x'), "668a72d5ba17f08e62dabcafad6db14b"},
    };
    TMd5Stream md5;
    for (const auto& [message, digest] : cases) {
        md5.WriteString(message);
        EXPECT_EQ(md5.Position(), static_cast<std::int64_t>(message.size()));
        // Each digest starts a fresh message on the same stream.
        EXPECT_EQ(Hex(md5.GetDigest()), digest) << message.size();
    }
    std::string buffer;
    EXPECT_EQ(md5.Read(buffer.data(), 10), 0);
}
