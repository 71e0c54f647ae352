// Header, directory entries, allocation tables and sector cache of a
// compound file.
#include "xlsAdapter/qorUOle2Types.h"

#include "platform/classes/Streams.h"

#include <algorithm>
#include <cstring>

using namespace xlsAdapter;

std::int64_t xlsAdapter::ReadZeroFilled(TStream& Stream, std::uint8_t* Bytes, std::int64_t Count)
{
    std::int64_t done = 0;
    while (done < Count) {
        const std::int64_t n = Stream.Read(Bytes + done, Count - done);
        if (n <= 0)
            break;
        done += n;
    }
    std::fill(Bytes + done, Bytes + Count, 0);
    return done;
}

bool xlsAdapter::SameTextAscii(std::u16string_view a, std::u16string_view b)
{
    const auto fold = [](char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char16_t x, char16_t y) { return fold(x) == fold(y); });
}

std::string xlsAdapter::NarrowName(std::u16string_view name)
{
    std::string result;
    for (char16_t c : name)
        result += c >= 32 && c < 127 ? static_cast<char>(c) : '?';
    return result;
}

TOle2Header::TOle2Header(TStream& Stream)
{
    StartOfs = Stream.Position();
    std::array<std::uint8_t, HeaderKeptBytes> bytes{};
    // The header needs its whole 512 bytes: the FAT-sector list follows the
    // kept part.
    if (Stream.Size() - StartOfs < HeaderSize || ReadZeroFilled(Stream, bytes.data(), HeaderKeptBytes) < HeaderKeptBytes ||
        !std::equal(Ole2Signature.begin(), Ole2Signature.end(), bytes.begin()))
        return;
    Data = bytes;
    uSectorShift = GetWord(Data, 30);
    uMiniSectorShift = GetWord(Data, 32);
    ulMiniSectorCutoff = GetCardinal(Data, 56);
    if (uSectorShift != 9 && uSectorShift != 12)
        ExcelError(msg::BadSectorShift, uSectorShift);
    if (uMiniSectorShift != 6)
        ExcelError(msg::BadMiniSectorShift, uMiniSectorShift);
    if (ulMiniSectorCutoff != 4096)
        ExcelError(msg::BadMiniCutoff, ulMiniSectorCutoff);
    SectorSize = 1u << uSectorShift;
    NotXls97 = false;
}

TOle2Directory::TOle2Directory(std::span<const std::uint8_t> Entry)
{
    CheckRange(static_cast<std::int64_t>(Entry.size()), 0, DirEntrySize);
    std::copy_n(Entry.begin(), DirEntrySize, Data.begin());
    ulSize = GetSize(Data, 0);
}

void TOle2Directory::Save(TStream& Stream)
{
    SetSize(Data, 0, static_cast<std::uint32_t>(ulSize));
    Stream.WriteBuffer(Data.data(), DirEntrySize);
}

int TOle2Directory::GetNameSize(std::span<const std::uint8_t> Dir, std::int64_t StartPos)
{
    CheckRange(static_cast<std::int64_t>(Dir.size()), StartPos, DirEntrySize);
    return Dir[StartPos + 64];
}

std::u16string TOle2Directory::GetName(std::span<const std::uint8_t> Dir, std::int64_t StartPos)
{
    const int nameSize = GetNameSize(Dir, StartPos);
    if (nameSize < 2 || nameSize > 64)
        return {};
    std::u16string name;
    for (int i = 0; i + 1 < nameSize - 1; i += 2)
        name += static_cast<char16_t>(GetWord(Dir, StartPos + i));
    return name;
}

STGTY TOle2Directory::GetType(std::span<const std::uint8_t> Dir, std::int64_t StartPos)
{
    CheckRange(static_cast<std::int64_t>(Dir.size()), StartPos, DirEntrySize);
    return static_cast<STGTY>(Dir[StartPos + 66]);
}

std::uint32_t TOle2Directory::GetSectStart(std::span<const std::uint8_t> Dir, std::int64_t StartPos)
{
    return GetCardinal(Dir, StartPos + 116);
}

void TOle2Directory::SetSectStart(std::span<std::uint8_t> Dir, std::int64_t StartPos, std::uint32_t Value)
{
    SetCardinal(Dir, StartPos + 116, Value);
}

std::uint32_t TOle2Directory::GetSize(std::span<const std::uint8_t> Dir, std::int64_t StartPos)
{
    return GetCardinal(Dir, StartPos + 120);
}

void TOle2Directory::SetSize(std::span<std::uint8_t> Dir, std::int64_t StartPos, std::uint32_t Value)
{
    SetCardinal(Dir, StartPos + 120, Value);
}

std::int32_t TOle2Directory::GetLeftSid(std::span<const std::uint8_t> Dir, std::int64_t StartPos)
{
    return static_cast<std::int32_t>(GetCardinal(Dir, StartPos + 68));
}

void TOle2Directory::SetLeftSid(std::span<std::uint8_t> Dir, std::int64_t StartPos, std::int32_t Value)
{
    SetCardinal(Dir, StartPos + 68, static_cast<std::uint32_t>(Value));
}

std::int32_t TOle2Directory::GetRightSid(std::span<const std::uint8_t> Dir, std::int64_t StartPos)
{
    return static_cast<std::int32_t>(GetCardinal(Dir, StartPos + 72));
}

void TOle2Directory::SetRightSid(std::span<std::uint8_t> Dir, std::int64_t StartPos, std::int32_t Value)
{
    SetCardinal(Dir, StartPos + 72, static_cast<std::uint32_t>(Value));
}

std::int32_t TOle2Directory::GetChildSid(std::span<const std::uint8_t> Dir, std::int64_t StartPos)
{
    return static_cast<std::int32_t>(GetCardinal(Dir, StartPos + 76));
}

void TOle2Directory::SetChildSid(std::span<std::uint8_t> Dir, std::int64_t StartPos, std::int32_t Value)
{
    SetCardinal(Dir, StartPos + 76, static_cast<std::uint32_t>(Value));
}

DECOLOR TOle2Directory::GetColor(std::span<const std::uint8_t> Dir, std::int64_t StartPos)
{
    CheckRange(static_cast<std::int64_t>(Dir.size()), StartPos, DirEntrySize);
    return static_cast<DECOLOR>(Dir[StartPos + 67]);
}

void TOle2Directory::SetColor(std::span<std::uint8_t> Dir, std::int64_t StartPos, DECOLOR Value)
{
    CheckRange(static_cast<std::int64_t>(Dir.size()), StartPos, DirEntrySize);
    Dir[StartPos + 67] = Value;
}

void TOle2Directory::Clear(std::span<std::uint8_t> Dir, std::int64_t StartPos)
{
    CheckRange(static_cast<std::int64_t>(Dir.size()), StartPos, DirEntrySize);
    std::fill_n(Dir.begin() + StartPos, 68, 0);
    std::fill_n(Dir.begin() + StartPos + 80, 48, 0);
    SetLeftSid(Dir, StartPos, -1);
    SetRightSid(Dir, StartPos, -1);
    SetChildSid(Dir, StartPos, -1);
}

std::uint32_t TOle2SectorTable::GetNextSector(std::uint32_t Sect) const
{
    if (Sect >= Entries.size())
        ExcelError(msg::SectorOutsideFat, Sect, static_cast<long long>(Entries.size()));
    return Entries[Sect];
}

std::vector<std::uint32_t> TOle2SectorTable::Chain(std::uint32_t Start, std::int64_t MaxSectors, const char* What) const
{
    std::vector<std::uint32_t> chain;
    std::vector<bool> visited(Entries.size());
    for (std::uint32_t sect = Start; sect != ENDOFCHAIN; sect = Entries[sect]) {
        if (MaxSectors >= 0 && static_cast<std::int64_t>(chain.size()) >= MaxSectors)
            break;
        if (sect >= Entries.size())
            ExcelError(msg::SectorOutsideFat, sect, static_cast<long long>(Entries.size()));
        if (visited[sect])
            ExcelError(msg::ChainLoops, std::string(What), sect);
        visited[sect] = true;
        chain.push_back(sect);
    }
    return chain;
}

std::uint32_t TOle2FAT::FindSector(std::uint32_t StartSect, std::int64_t SectOfs)
{
    std::uint32_t sect = StartSect;
    std::int64_t steps = SectOfs;
    if (LastFindSectorStart == StartSect && SectOfs >= LastFindSectorOfs) {
        sect = LastFindSectorRes;
        steps = SectOfs - LastFindSectorOfs;
    }
    // A walk never needs more steps than the table has entries; more means
    // the chain loops.
    if (steps > Count())
        ExcelError(msg::ChainLoops, std::string("a stream"), sect);
    for (std::int64_t i = 0; i < steps; ++i)
        sect = GetNextSector(sect);
    LastFindSectorStart = StartSect;
    LastFindSectorOfs = SectOfs;
    LastFindSectorRes = sect;
    return sect;
}

std::uint32_t TOle2MiniFAT::FindSector(std::uint32_t StartSect, std::int64_t SectOfs) const
{
    if (SectOfs > Count())
        ExcelError(msg::ChainLoops, std::string("a small stream"), StartSect);
    std::uint32_t sect = StartSect;
    for (std::int64_t i = 0; i < SectOfs; ++i)
        sect = GetNextSector(sect);
    return sect;
}

namespace {
// 64 KiB: large enough that read calls stop mattering, small enough for the
// many containers a paste or a test opens.
constexpr std::int64_t WindowBytes = 65536;
} // namespace

TSectorBuffer::TSectorBuffer(const TOle2Header& Header, TStream& DataStream)
    : FHeader(Header), FDataStream(DataStream), FFileSize(DataStream.Size()),
      FWindow(static_cast<std::size_t>(std::max<std::int64_t>(WindowBytes, Header.SectorSize)))
{
}

void TSectorBuffer::Load(std::uint32_t SectNo)
{
    if (FSectorId == SectNo)
        return;
    const std::int64_t position = FHeader.SectToStPos(SectNo);
    if (position >= FFileSize)
        ExcelError(msg::SectorOutsideFile, SectNo,
                   static_cast<long long>((FFileSize - FHeader.SectToStPos(0)) >> FHeader.uSectorShift));
    FSectorId = -1;
    const auto windowSize = static_cast<std::int64_t>(FWindow.size());
    if (FWindowStart < 0 || position < FWindowStart || position + FHeader.SectorSize > FWindowStart + windowSize) {
        FWindowStart = -1;
        FDataStream.SetPosition(position);
        FWindowValid = ReadZeroFilled(FDataStream, FWindow.data(), windowSize);
        FWindowStart = position;
    }
    FSectorOffset = position - FWindowStart;
    ValidBytes = std::clamp<std::int64_t>(FWindowValid - FSectorOffset, 0, FHeader.SectorSize);
    FSectorId = SectNo;
}

std::int64_t TSectorBuffer::ReadMem(std::uint8_t* Buffer, std::int64_t BufferPos, std::int64_t StartPos,
                                    std::int64_t Count, std::int64_t SectorEnd) const
{
    const std::int64_t n = std::min(Count, SectorEnd - StartPos);
    if (StartPos + n > ValidBytes)
        ExcelError(msg::FileTruncated, static_cast<long long>(FHeader.SectToStPos(static_cast<std::uint32_t>(FSectorId)) + StartPos),
                   static_cast<long long>(FFileSize));
    std::memcpy(Buffer + BufferPos, Data() + StartPos, static_cast<std::size_t>(n));
    return n;
}
