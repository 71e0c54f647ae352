// Compound files for tests: an empty container with one named stream, given its content by
// the container writer.
#include "testsupport/CompoundFile.h"

#include "platform/classes/Streams.h"
#include "xlsAdapter/qorUOle2Impl.h"

#include <stdexcept>

namespace testsupport {

namespace {

constexpr std::uint32_t FreeSector = 0xFFFFFFFF;
constexpr std::uint32_t EndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t FatSector = 0xFFFFFFFD;
constexpr std::uint32_t NoEntry = 0xFFFFFFFF;
constexpr std::size_t SectorSize = 512;
constexpr std::size_t EntrySize = 128;

void Put16(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint16_t value)
{
    bytes[at] = static_cast<std::uint8_t>(value);
    bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void Put32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void PutEntry(std::vector<std::uint8_t>& bytes, std::size_t at, std::u16string_view name, std::uint8_t type,
              std::uint32_t child)
{
    if (name.size() > 31)
        throw std::invalid_argument("a compound file entry name has at most 31 characters");
    for (std::size_t i = 0; i < name.size(); ++i)
        Put16(bytes, at + 2 * i, name[i]);
    Put16(bytes, at + 64, static_cast<std::uint16_t>(2 * (name.size() + 1)));
    bytes[at + 66] = type;
    bytes[at + 67] = 1; // black: a one-entry tree is trivially balanced
    Put32(bytes, at + 68, NoEntry);
    Put32(bytes, at + 72, NoEntry);
    Put32(bytes, at + 76, child);
    Put32(bytes, at + 116, EndOfChain);
}

// The smallest container the writer can copy: a header, one FAT sector and one directory
// sector holding the root and the empty stream.
std::vector<std::uint8_t> EmptyContainer(std::u16string_view streamName)
{
    std::vector<std::uint8_t> bytes(3 * SectorSize, 0);
    constexpr std::uint8_t signature[] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    std::copy(std::begin(signature), std::end(signature), bytes.begin());
    Put16(bytes, 24, 0x003E);
    Put16(bytes, 26, 3);
    Put16(bytes, 28, 0xFFFE);
    Put16(bytes, 30, 9);
    Put16(bytes, 32, 6);
    Put32(bytes, 44, 1); // FAT sectors
    Put32(bytes, 48, 1); // first directory sector
    Put32(bytes, 56, 4096);
    Put32(bytes, 60, EndOfChain);
    Put32(bytes, 68, EndOfChain);
    Put32(bytes, 76, 0); // the FAT is sector 0
    for (std::size_t at = 80; at < SectorSize; at += 4)
        Put32(bytes, at, FreeSector);

    const std::size_t fat = SectorSize;
    for (std::size_t at = fat; at < fat + SectorSize; at += 4)
        Put32(bytes, at, FreeSector);
    Put32(bytes, fat, FatSector);
    Put32(bytes, fat + 4, EndOfChain);

    const std::size_t directory = 2 * SectorSize;
    PutEntry(bytes, directory, u"Root Entry", 5, 1);
    PutEntry(bytes, directory + EntrySize, streamName, 2, NoEntry);
    for (std::size_t at = directory + 2 * EntrySize; at < directory + SectorSize; at += EntrySize) {
        Put32(bytes, at + 68, NoEntry);
        Put32(bytes, at + 72, NoEntry);
        Put32(bytes, at + 76, NoEntry);
    }
    return bytes;
}

} // namespace

std::vector<std::uint8_t> CompoundFile(std::span<const std::uint8_t> Stream, std::u16string_view StreamName)
{
    const std::vector<std::uint8_t> empty = EmptyContainer(StreamName);
    TMemoryStream source;
    source.WriteBuffer(empty.data(), static_cast<std::int64_t>(empty.size()));
    source.SetPosition(0);
    TMemoryStream file;
    {
        TOle2File container(source);
        container.PrepareForWrite(file, StreamName);
        container.Write(Stream);
        container.FinishWrite();
    }
    return file.Bytes();
}

} // namespace testsupport
