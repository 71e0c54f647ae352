#include "platform/net/UrlEncoding.h"

#include <gtest/gtest.h>

TEST(UrlEncoding, QueryValueKeepsOnlyUnreservedCharacters)
{
    const struct {
        std::string_view Text;
        std::string_view Encoded;
    } cases[] = {
        {"", ""},
        {"AZaz09-._~", "AZaz09-._~"},
        {"a b&c+d=e#f%g?h/i", "a%20b%26c%2Bd%3De%23f%25g%3Fh%2Fi"},
        {"M\xC3\xBCnchen", "M%C3%BCnchen"},
        {"\xF0\x9F\x97\xBA", "%F0%9F%97%BA"},
        {std::string_view("\0\x7F", 2), "%00%7F"},
        {"\xFF", "%FF"},  // not UTF-8 at all: still encoded, never passed raw
    };
    for (const auto& c : cases) EXPECT_EQ(net::EncodeQueryValue(c.Text), c.Encoded) << c.Text;
}

TEST(UrlEncoding, BytesAboveAsciiAreEncodedWhateverTheKeptSet)
{
    EXPECT_EQ(net::PercentEncode("a\xC3\xA9 ", [](unsigned char) { return true; }), "a%C3%A9 ");
}
