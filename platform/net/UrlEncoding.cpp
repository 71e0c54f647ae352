// Percent-encoding of URL parts.
#include "platform/net/UrlEncoding.h"

namespace net {

std::string PercentEncode(std::string_view Text, KeepByte KeepAsIs)
{
    static constexpr char hexDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(Text.size());
    for (const char c : Text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80 && KeepAsIs(byte)) {
            out += c;
        } else {
            out += '%';
            out += hexDigits[byte >> 4];
            out += hexDigits[byte & 0x0F];
        }
    }
    return out;
}

bool IsUnreserved(unsigned char byte)
{
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9') ||
           byte == '-' || byte == '.' || byte == '_' || byte == '~';
}

std::string EncodeQueryValue(std::string_view Text)
{
    return PercentEncode(Text, IsUnreserved);
}

}  // namespace net
