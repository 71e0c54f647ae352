// MD5 as RFC 1321 gives it, fed one byte at a time.
#include "xlsAdapter/qorUXlsMD5.h"

#include <bit>

namespace {

constexpr std::uint32_t K[64] = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391};
constexpr int Shift[64] = {7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22,
                           5, 9,  14, 20, 5, 9,  14, 20, 5, 9,  14, 20, 5, 9,  14, 20,
                           4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23,
                           6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21};

} // namespace

void TMd5Stream::Init()
{
    BlockCount = 0;
    BufCount = 0;
    Buffer.fill(0);
    A = 0x67452301;
    B = 0xEFCDAB89;
    C = 0x98BADCFE;
    D = 0x10325476;
}

std::int64_t TMd5Stream::Write(const void* Buf, std::int64_t Count)
{
    const auto* bytes = static_cast<const std::uint8_t*>(Buf);
    for (std::int64_t i = 0; i < Count; ++i)
        AddByte(bytes[i]);
    return Count;
}

void TMd5Stream::AddByte(std::uint8_t b)
{
    Buffer[BufCount / 4] |= static_cast<std::uint32_t>(b) << (8 * (BufCount % 4));
    if (++BufCount == 64)
        Transform();
}

void TMd5Stream::Transform()
{
    ++BlockCount;
    std::uint32_t a = A, b = B, c = C, d = D;
    for (int i = 0; i < 64; ++i) {
        std::uint32_t f;
        int g;
        if (i < 16) {
            f = (b & c) | (~b & d);
            g = i;
        } else if (i < 32) {
            f = (d & b) | (~d & c);
            g = (5 * i + 1) % 16;
        } else if (i < 48) {
            f = b ^ c ^ d;
            g = (3 * i + 5) % 16;
        } else {
            f = c ^ (b | ~d);
            g = (7 * i) % 16;
        }
        const std::uint32_t next = b + std::rotl(a + f + K[i] + Buffer[static_cast<std::size_t>(g)], Shift[i]);
        a = d;
        d = c;
        c = b;
        b = next;
    }
    A += a;
    B += b;
    C += c;
    D += d;
    Buffer.fill(0);
    BufCount = 0;
}

TMd5Digest TMd5Stream::GetDigest()
{
    const std::uint64_t bits = static_cast<std::uint64_t>(BlockCount) * 512 + BufCount * 8ull;
    AddByte(0x80);
    while (BufCount != 56)
        AddByte(0);
    for (int i = 0; i < 8; ++i)
        AddByte(static_cast<std::uint8_t>(bits >> (8 * i)));
    TMd5Digest digest;
    const std::uint32_t state[4] = {A, B, C, D};
    for (int i = 0; i < 16; ++i)
        digest[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(state[i / 4] >> (8 * (i % 4)));
    Init();
    return digest;
}

std::string TMd5Stream::DigestString()
{
    const TMd5Digest digest = GetDigest();
    return std::string(digest.begin(), digest.end());
}
