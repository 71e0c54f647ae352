// A write-only stream that computes the MD5 digest of what is written to it:
// the identifier under which a workbook stores each distinct picture once.
#pragma once

#include "platform/classes/Streams.h"

#include <array>
#include <cstdint>
#include <string>

using TMd5Digest = std::array<std::uint8_t, 16>;

class TMd5Stream : public TStream {
    VISTRA_CLASS(TMd5Stream, TStream)
public:
    TMd5Stream() { Init(); }

    // Nothing can be read back.
    std::int64_t Read(void*, std::int64_t) override { return 0; }
    std::int64_t Write(const void* Buffer, std::int64_t Count) override;
    // The bytes fed since the message began, whatever is asked.
    std::int64_t Seek(std::int64_t, TSeekOrigin) override { return BlockCount * 64 + BufCount; }
    void SetSize(std::int64_t) override {}

    // Finishes the message and starts a new one.
    TMd5Digest GetDigest();
    // The digest as 16 characters, one per byte.
    std::string DigestString();

protected:
    virtual void AddByte(std::uint8_t b);
    virtual void Init();
    virtual void Transform();

private:
    std::int64_t BlockCount = 0;
    std::uint32_t BufCount = 0;
    std::array<std::uint32_t, 16> Buffer{};
    std::uint32_t A = 0, B = 0, C = 0, D = 0;
};
