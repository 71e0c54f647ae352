// Percent-encoding of URL parts: every byte outside a kept set becomes %XX.
#pragma once

#include <string>
#include <string_view>

namespace net {

// Decides which ASCII bytes stay as they are; bytes 0x80 and above (the
// UTF-8 bytes of non-ASCII characters) are always encoded.
using KeepByte = bool (*)(unsigned char byte);

// Writes each byte of Text that KeepAsIs rejects as "%" and two upper-case
// hexadecimal digits, so "ü" (UTF-8 C3 BC) becomes "%C3%BC".
std::string PercentEncode(std::string_view Text, KeepByte KeepAsIs);

// Keeps only the unreserved characters (letters, digits, "-", ".", "_", "~"):
// safe for a query value or a path segment whatever it contains.
bool IsUnreserved(unsigned char byte);
std::string EncodeQueryValue(std::string_view Text);

}  // namespace net
