// Opening a compound file and reading its streams.
#include "xlsAdapter/qorUOle2Impl.h"

#include "platform/classes/Streams.h"

#include <algorithm>
#include <cstring>

using namespace xlsAdapter;

bool TEncryptionEngine::CheckHash(std::u16string_view) { throw EAbstractError("Abstract error"); }
void TEncryptionEngine::Decode(std::span<std::uint8_t>, std::int64_t) { throw EAbstractError("Abstract error"); }
void TEncryptionEngine::Encode(std::span<std::uint8_t>, std::int64_t) { throw EAbstractError("Abstract error"); }
ByteArray TEncryptionEngine::GetFilePassRecord() { throw EAbstractError("Abstract error"); }
int TEncryptionEngine::GetFilePassRecordLen() { throw EAbstractError("Abstract error"); }

namespace {

std::int64_t SectorsFor(std::int64_t bytes, int shift)
{
    return (bytes + (std::int64_t{1} << shift) - 1) >> shift;
}

} // namespace

TOle2File::TOle2File(TStream& aStream, bool AvoidExceptions) : FStream(&aStream)
{
    const std::int64_t start = aStream.Position();
    FHeader = std::make_unique<TOle2Header>(aStream);
    if (FHeader->NotXls97) {
        FNotXls97 = true;
        if (AvoidExceptions) {
            aStream.SetPosition(start);
            return;
        }
        ExcelError(msg::FileIsInvalid, FileName());
    }
    SectorBuffer = std::make_unique<TSectorBuffer>(*FHeader, *FStream);
    const std::int64_t sectors = SectorsInFile();
    const auto checkCount = [sectors](std::uint32_t count, const char* what) {
        if (count > sectors)
            ExcelError(msg::BadSectorCount, count, what, static_cast<long long>(sectors));
    };
    checkCount(FHeader->csectFat(), "FAT");
    checkCount(FHeader->csectDif(), "FAT index");
    checkCount(FHeader->csectMiniFat(), "mini-FAT");
    LoadFAT();
    LoadMiniFAT();
    // The root entry is the first entry of the directory; its chain is the
    // mini stream.
    std::vector<std::uint8_t> sector(FHeader->SectorSize);
    ReadSector(FHeader->sectDirStart(), sector.data());
    ROOT = std::make_unique<TOle2Directory>(sector);
}

TOle2File::~TOle2File()
{
    try {
        FinishWrite();
    } catch (const std::exception&) {
        // Destructors must not throw; FinishWrite reports to callers that ask.
    }
}

std::int64_t TOle2File::SectorsInFile() const
{
    const std::int64_t bytes = SectorBuffer->FileSize() - FHeader->SectToStPos(0);
    return bytes <= 0 ? 0 : SectorsFor(bytes, FHeader->uSectorShift);
}

void TOle2File::ReadSector(std::uint32_t Sect, std::uint8_t* Buffer)
{
    const std::int64_t sectors = SectorsInFile();
    if (Sect >= sectors)
        ExcelError(msg::SectorOutsideFile, Sect, static_cast<long long>(sectors));
    SectorBuffer->Load(Sect);
    std::memcpy(Buffer, SectorBuffer->Data(), FHeader->SectorSize);
}

void TOle2File::LoadFAT()
{
    const std::uint32_t perSector = FHeader->EntriesPerSector();
    FAT.Entries.reserve(static_cast<std::size_t>(FHeader->csectFat()) * perSector);
    std::int64_t fatSectorsRead = 0;

    std::array<std::uint8_t, HeaderSize - HeaderKeptBytes> headerList{};
    FStream->SetPosition(FHeader->StartOfs + HeaderKeptBytes);
    ReadZeroFilled(*FStream, headerList.data(), headerList.size());
    AddFatSectors(headerList, fatSectorsRead);

    std::vector<std::uint8_t> sector(FHeader->SectorSize);
    std::vector<bool> visited(static_cast<std::size_t>(SectorsInFile()));
    std::uint32_t difSect = FHeader->sectDifStart();
    for (std::uint32_t i = 0; i < FHeader->csectDif(); ++i) {
        if (difSect == ENDOFCHAIN)
            ExcelError(msg::ErrExcelInvalid);
        if (difSect < visited.size()) {
            if (visited[difSect])
                ExcelError(msg::ChainLoops, std::string("the FAT index"), difSect);
            visited[difSect] = true;
        }
        ReadSector(difSect, sector.data());
        AddFatSectors(std::span(sector).first(FHeader->SectorSize - 4), fatSectorsRead);
        difSect = GetCardinal(sector, FHeader->SectorSize - 4);
    }
}

void TOle2File::AddFatSectors(std::span<const std::uint8_t> List, std::int64_t& FatSectorsRead)
{
    const std::uint32_t perSector = FHeader->EntriesPerSector();
    // A FAT needs no more entries than the file has sectors, plus the unused
    // slots of the header list; more means a hostile count.
    const std::int64_t maxEntries = (SectorsInFile() + HeaderFatSlots + 1) * std::int64_t{perSector};
    std::vector<std::uint8_t> sector(FHeader->SectorSize);
    for (std::size_t pos = 0; pos + 4 <= List.size(); pos += 4) {
        if (FatSectorsRead >= FHeader->csectFat())
            return;
        const std::uint32_t sect = GetCardinal(List, static_cast<std::int64_t>(pos));
        if (sect == ENDOFCHAIN)
            return;
        if (FAT.Count() + perSector > maxEntries)
            ExcelError(msg::ErrExcelInvalid);
        if (sect == FREESECT) {
            FAT.Entries.insert(FAT.Entries.end(), perSector, FREESECT);
            continue;
        }
        ReadSector(sect, sector.data());
        for (std::uint32_t i = 0; i < perSector; ++i)
            FAT.Entries.push_back(GetCardinal(sector, 4 * i));
        ++FatSectorsRead;
    }
}

void TOle2File::LoadMiniFAT()
{
    const std::uint32_t count = FHeader->csectMiniFat();
    if (count == 0)
        return;
    const std::vector<std::uint32_t> chain = FAT.Chain(FHeader->sectMiniFatStart(), count, "the mini-FAT");
    if (chain.size() < count)
        ExcelError(msg::ErrExcelInvalid);
    std::vector<std::uint8_t> sector(FHeader->SectorSize);
    for (std::uint32_t sect : chain) {
        ReadSector(sect, sector.data());
        for (std::uint32_t i = 0; i < FHeader->EntriesPerSector(); ++i)
            MiniFAT.Entries.push_back(GetCardinal(sector, 4 * i));
    }
}

std::vector<std::uint32_t> TOle2File::DirectoryChain() const
{
    return FAT.Chain(FHeader->sectDirStart(), -1, "the directory");
}

void TOle2File::CheckReadable(std::u16string_view StreamName) const
{
    if (PreparedForWrite)
        ExcelError(msg::InvalidOle2Stream, NarrowName(StreamName));
}

std::unique_ptr<TOle2Directory> TOle2File::FindDir(std::u16string_view DirName)
{
    std::vector<std::uint8_t> sector(FHeader->SectorSize);
    for (std::uint32_t sect : DirectoryChain()) {
        ReadSector(sect, sector.data());
        for (std::uint32_t pos = 0; pos < FHeader->SectorSize; pos += DirEntrySize)
            if (SameTextAscii(TOle2Directory::GetName(sector, pos), DirName))
                return std::make_unique<TOle2Directory>(std::span(sector).subspan(pos, DirEntrySize));
    }
    return nullptr;
}

std::vector<TOle2File::TStreamInfo> TOle2File::ListEntries()
{
    CheckReadable();
    std::vector<TStreamInfo> entries;
    std::vector<std::uint8_t> sector(FHeader->SectorSize);
    for (std::uint32_t sect : DirectoryChain()) {
        ReadSector(sect, sector.data());
        for (std::uint32_t pos = 0; pos < FHeader->SectorSize; pos += DirEntrySize) {
            const STGTY type = TOle2Directory::GetType(sector, pos);
            if (type != STGTY_INVALID)
                entries.push_back({TOle2Directory::GetName(sector, pos), type, TOle2Directory::GetSize(sector, pos)});
        }
    }
    return entries;
}

const std::vector<std::uint32_t>& TOle2File::MiniStreamChain()
{
    if (!FMiniStreamChainLoaded) {
        const std::int64_t needed = SectorsFor(ROOT->ulSize, FHeader->uSectorShift);
        FMiniStreamChain = FAT.Chain(ROOT->SectStart(), needed, "the mini stream");
        if (static_cast<std::int64_t>(FMiniStreamChain.size()) < needed)
            ExcelError(msg::ChainTooShort, std::string("the mini stream"),
                       static_cast<long long>(FMiniStreamChain.size()) << FHeader->uSectorShift,
                       static_cast<long long>(ROOT->ulSize));
        FMiniStreamChainLoaded = true;
    }
    return FMiniStreamChain;
}

void TOle2File::SelectStream(std::u16string_view StreamName)
{
    CheckReadable(StreamName);
    DIR.reset();
    FDirChain.clear();
    StreamPos = 0;
    std::unique_ptr<TOle2Directory> entry = FindDir(StreamName);
    if (!entry)
        ExcelError(msg::FileIsInvalid, FileName());
    const std::string name = NarrowName(StreamName);
    if (entry->Type() != STGTY_STREAM)
        ExcelError(msg::NotAStream, name);
    FDirInMiniStream = entry->ulSize < FHeader->ulMiniSectorCutoff;
    const int shift = FDirInMiniStream ? FHeader->uMiniSectorShift : FHeader->uSectorShift;
    const std::int64_t needed = SectorsFor(entry->ulSize, shift);
    std::vector<std::uint32_t> chain = FDirInMiniStream ? MiniFAT.Chain(entry->SectStart(), needed, name.c_str())
                                                        : FAT.Chain(entry->SectStart(), needed, name.c_str());
    if (static_cast<std::int64_t>(chain.size()) < needed)
        ExcelError(msg::ChainTooShort, name, static_cast<long long>(chain.size()) << shift,
                   static_cast<long long>(entry->ulSize));
    if (FDirInMiniStream) {
        const std::int64_t miniSectors = static_cast<std::int64_t>(MiniStreamChain().size())
                                         << (FHeader->uSectorShift - FHeader->uMiniSectorShift);
        for (std::uint32_t mini : chain)
            if (mini >= miniSectors)
                ExcelError(msg::SectorOutsideFat, mini, static_cast<long long>(miniSectors));
    }
    FDirChain = std::move(chain);
    DIR = std::move(entry);
}

void TOle2File::ReadMem(void* aBuffer, std::int64_t Count)
{
    CheckReadable();
    if (!DIR || Count <= 0)
        return;
    if (StreamPos + Count > DIR->ulSize)
        ExcelError(msg::EndOfStream, static_cast<long long>(StreamPos + Count - DIR->ulSize));
    auto* out = static_cast<std::uint8_t*>(aBuffer);
    std::int64_t position = StreamPos;
    std::int64_t copied = 0;
    const int shift = FDirInMiniStream ? FHeader->uMiniSectorShift : FHeader->uSectorShift;
    const std::int64_t unit = std::int64_t{1} << shift;
    while (copied < Count) {
        const std::uint32_t unitNo = FDirChain[static_cast<std::size_t>(position >> shift)];
        std::int64_t start = position & (unit - 1);
        if (FDirInMiniStream) {
            const int perSectorShift = FHeader->uSectorShift - FHeader->uMiniSectorShift;
            SectorBuffer->Load(MiniStreamChain()[unitNo >> perSectorShift]);
            start += static_cast<std::int64_t>(unitNo & ((1u << perSectorShift) - 1)) << shift;
        } else {
            SectorBuffer->Load(unitNo);
        }
        const std::int64_t unitEnd = start - (position & (unit - 1)) + unit;
        copied += SectorBuffer->ReadMem(out, copied, start, Count - copied, unitEnd);
        position = StreamPos + copied;
    }
    StreamPos = position;
}

void TOle2File::Read(ByteArray& aBuffer, std::int64_t Count)
{
    if (aBuffer.empty())
        return;
    ReadMem(aBuffer.data(), std::min<std::int64_t>(Count, static_cast<std::int64_t>(aBuffer.size())));
}

bool TOle2File::NextEof(std::int64_t Count)
{
    CheckReadable();
    return StreamPos + Count >= Length();
}

bool TOle2File::Eof()
{
    CheckReadable();
    return StreamPos >= Length();
}

void TOle2File::SeekForward(std::int64_t Offset)
{
    if (Offset < StreamPos)
        ExcelError(msg::CantReadProperties);
    std::vector<std::uint8_t> scratch(4096);
    while (StreamPos < Offset)
        ReadMem(scratch.data(), std::min<std::int64_t>(Offset - StreamPos, static_cast<std::int64_t>(scratch.size())));
}
