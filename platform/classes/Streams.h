// Byte streams: the abstract stream, memory, file and string streams.
#pragma once

#include "platform/classes/Object.h"

#include <cstdint>
#include <string>
#include <vector>

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
    VISTRA_CLASS(TStream, TObject)

    // Reads up to Count bytes; returns how many were read (fewer at the end).
    virtual std::int64_t Read(void* Buffer, std::int64_t Count) = 0;
    // Writes Count bytes; returns how many were written.
    virtual std::int64_t Write(const void* Buffer, std::int64_t Count) = 0;
    // Moves the position and returns the new one. Seeking past the end is
    // allowed; the next write fills the gap with zeros.
    virtual std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) = 0;

    std::int64_t Position() { return Seek(0, soCurrent); }
    void SetPosition(std::int64_t Pos) { Seek(Pos, soBeginning); }
    virtual std::int64_t Size();
    virtual void SetSize(std::int64_t NewSize) = 0;

    // Read or write exactly Count bytes, or raise EReadError / EWriteError.
    void ReadBuffer(void* Buffer, std::int64_t Count);
    void WriteBuffer(const void* Buffer, std::int64_t Count);
    void WriteString(std::string_view Text) { WriteBuffer(Text.data(), static_cast<std::int64_t>(Text.size())); }

    // Copies Count bytes from Source's position, or all of Source from its
    // start when Count is 0. Returns the number of bytes copied.
    std::int64_t CopyFrom(TStream& Source, std::int64_t Count);
};

// A stream over a growable block of memory.
class TMemoryStream : public TStream {
    VISTRA_CLASS(TMemoryStream, TStream)

    std::int64_t Read(void* Buffer, std::int64_t Count) override;
    std::int64_t Write(const void* Buffer, std::int64_t Count) override;
    std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
    std::int64_t Size() override { return static_cast<std::int64_t>(FData.size()); }
    void SetSize(std::int64_t NewSize) override;

    void Clear();
    std::uint8_t* Memory() noexcept { return FData.data(); }
    const std::uint8_t* Memory() const noexcept { return FData.data(); }
    const std::vector<std::uint8_t>& Bytes() const noexcept { return FData; }

    void LoadFromStream(TStream& Stream);
    void SaveToStream(TStream& Stream) const;
    void LoadFromFile(const std::string& FileName);
    void SaveToFile(const std::string& FileName) const;

private:
    std::vector<std::uint8_t> FData;
    std::int64_t FPosition = 0;
};

// File open modes: one access mode, optionally or-ed with a sharing mode.
// Sharing modes are accepted for callers' sake; Linux does not enforce them.
constexpr std::uint16_t fmCreate = 0xFF00;
constexpr std::uint16_t fmOpenRead = 0x0000;
constexpr std::uint16_t fmOpenWrite = 0x0001;
constexpr std::uint16_t fmOpenReadWrite = 0x0002;
constexpr std::uint16_t fmShareCompat = 0x0000;
constexpr std::uint16_t fmShareExclusive = 0x0010;
constexpr std::uint16_t fmShareDenyWrite = 0x0020;
constexpr std::uint16_t fmShareDenyRead = 0x0030;
constexpr std::uint16_t fmShareDenyNone = 0x0040;

// A stream over a file. fmCreate creates the file, replacing an existing one.
// Failing to open raises EFOpenError, failing to create EFCreateError.
class TFileStream : public TStream {
    VISTRA_CLASS(TFileStream, TStream)

    TFileStream(const std::string& FileName, std::uint16_t Mode);
    ~TFileStream() override;

    std::int64_t Read(void* Buffer, std::int64_t Count) override;
    std::int64_t Write(const void* Buffer, std::int64_t Count) override;
    std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
    void SetSize(std::int64_t NewSize) override;

    const std::string& FileName() const noexcept { return FFileName; }
    int Handle() const noexcept { return FHandle; }

private:
    std::string FFileName;
    int FHandle = -1;
};

// A memory stream that starts with a text and gives it back as a string.
class TStringStream : public TMemoryStream {
    VISTRA_CLASS(TStringStream, TMemoryStream)

    explicit TStringStream(std::string_view DataString = {});
    std::string DataString() const { return std::string(Bytes().begin(), Bytes().end()); }
    // Reads up to Count bytes from the position as text.
    std::string ReadString(std::int64_t Count);
};
