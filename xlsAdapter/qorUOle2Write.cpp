// Writing a copy of a compound file in which one stream gets new content.
//
// Output layout, in sectors after the header: the copied sectors (large
// streams, the mini stream, directory, mini-FAT), the new stream, one
// reserved sector (zeros, marked free), the FAT-index sectors, then the
// FAT.
#include "xlsAdapter/qorUOle2Impl.h"

#include "platform/classes/Streams.h"
#include "platform/rtl/ScopeExit.h"

using namespace xlsAdapter;

namespace {

std::int64_t CeilDiv(std::int64_t a, std::int64_t b)
{
    return (a + b - 1) / b;
}

void WriteZeros(TStream& out, std::int64_t count)
{
    static const std::uint8_t zeros[4096] = {};
    while (count > 0) {
        const std::int64_t n = std::min<std::int64_t>(count, sizeof zeros);
        out.WriteBuffer(zeros, n);
        count -= n;
    }
}

void WriteCardinals(TStream& out, const std::vector<std::uint32_t>& values)
{
    std::vector<std::uint8_t> bytes(values.size() * 4);
    for (std::size_t i = 0; i < values.size(); ++i)
        SetCardinal(bytes, static_cast<std::int64_t>(4 * i), values[i]);
    out.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
}

// Appends a sector to the output and checks that it landed where its FAT
// entry says.
void AppendSector(TStream& out, const std::uint8_t* data, const TOle2Header& header, TOle2FAT& newFat,
                  std::uint32_t entry, std::int64_t outStart)
{
    out.WriteBuffer(data, header.SectorSize);
    newFat.Entries.push_back(entry);
    if (out.Position() != header.SectToStPos(static_cast<std::uint32_t>(newFat.Count()), outStart))
        throw EAssertionFailed("New Stream IO Error");
}

} // namespace

void TOle2File::CheckWritable() const
{
    if (!PreparedForWrite || FWriteFinished)
        ExcelError(msg::InvalidOle2Stream, std::string());
}

void TOle2File::CopyStreamSectors(std::span<std::uint8_t> Entry, TOle2FAT& NewFat, std::vector<bool>& Copied,
                                  TStream& Out, std::int64_t OutStart)
{
    const std::int64_t size = TOle2Directory::GetSize(Entry, 0);
    const std::int64_t needed = CeilDiv(size, FHeader->SectorSize);
    const std::vector<std::uint32_t> chain = FAT.Chain(TOle2Directory::GetSectStart(Entry, 0), needed, "a copied stream");
    if (static_cast<std::int64_t>(chain.size()) < needed)
        ExcelError(msg::ChainTooShort, std::string("a copied stream"),
                   static_cast<long long>(chain.size()) * FHeader->SectorSize, static_cast<long long>(size));
    if (chain.empty())
        return;
    TOle2Directory::SetSectStart(Entry, 0, static_cast<std::uint32_t>(NewFat.Count()));
    for (std::size_t i = 0; i < chain.size(); ++i) {
        // Entries that share sectors would multiply the output.
        if (Copied[chain[i]])
            ExcelError(msg::SharedSector, chain[i]);
        Copied[chain[i]] = true;
        SectorBuffer->Load(chain[i]);
        // Stream bytes the file does not hold are an error, not zeros.
        const std::int64_t used =
            std::min<std::int64_t>(size - static_cast<std::int64_t>(i) * FHeader->SectorSize, FHeader->SectorSize);
        if (used > SectorBuffer->ValidBytes)
            ExcelError(msg::FileTruncated,
                       static_cast<long long>(FHeader->SectToStPos(chain[i]) + SectorBuffer->ValidBytes),
                       static_cast<long long>(SectorBuffer->FileSize()));
        const bool last = i + 1 == chain.size();
        AppendSector(Out, SectorBuffer->Data(), *FHeader, NewFat,
                     last ? ENDOFCHAIN : static_cast<std::uint32_t>(NewFat.Count() + 1), OutStart);
    }
}

void TOle2File::PrepareForWrite(TStream& OutStream, std::u16string_view OStreamName,
                                const std::vector<std::u16string>& DeleteStorages)
{
    if (PreparedForWrite || FNotXls97)
        ExcelError(msg::InvalidOle2Stream, std::string());
    DIRStartPos = -1;
    DIR.reset();
    FDirChain.clear();
    StreamPos = 0;

    TOle2FAT newFat;
    TOle2Header newHeader = *FHeader;
    const std::int64_t outStart = OutStream.Position();
    {
        const rtl::ScopeFail forget([this] { DIR.reset(); });
        // A zero header block for now; FinishWrite writes the real one.
        WriteZeros(OutStream, FHeader->SectorSize);
        std::vector<std::uint8_t> sector(FHeader->SectorSize);
        std::int64_t previousDirIndex = -1;
        std::vector<bool> copied(static_cast<std::size_t>(FAT.Count()));
        // Storages left out: the tree relinked around them, in memory first.
        bool deletedBlack = false;
        const std::vector<TOneDirEntry> tree =
            DeleteStorages.empty() ? std::vector<TOneDirEntry>() : ReadDirEntries(DeleteStorages, deletedBlack);
        std::size_t entryIndex = 0;
        for (std::uint32_t dirSect : DirectoryChain()) {
            ReadSector(dirSect, sector.data());
            std::int64_t targetPosInSector = -1;
            for (std::uint32_t pos = 0; pos < FHeader->SectorSize; pos += DirEntrySize, ++entryIndex) {
                std::span<std::uint8_t> entry = std::span(sector).subspan(pos, DirEntrySize);
                if (entryIndex < tree.size()) {
                    const TOneDirEntry& node = tree[entryIndex];
                    if (deletedBlack)
                        TOle2Directory::SetColor(entry, 0, DECOLOR_BLACK);
                    if (node.Deleted) {
                        TOle2Directory::Clear(entry, 0);
                        continue;
                    }
                    if (node.Live) {
                        TOle2Directory::SetLeftSid(entry, 0, node.LeftSid);
                        TOle2Directory::SetRightSid(entry, 0, node.RightSid);
                        TOle2Directory::SetChildSid(entry, 0, node.ChildSid);
                    }
                }
                const STGTY type = TOle2Directory::GetType(entry, 0);
                if (!DIR && type != STGTY_INVALID && SameTextAscii(TOle2Directory::GetName(entry, 0), OStreamName)) {
                    if (type != STGTY_STREAM)
                        ExcelError(msg::NotAStream, NarrowName(OStreamName));
                    TOle2Directory::SetSectStart(entry, 0, ENDOFCHAIN);
                    TOle2Directory::SetSize(entry, 0, 0);
                    SetCardinal(entry, 124, 0); // high half of the size in 4096-byte-sector files
                    DIR = std::make_unique<TOle2Directory>(entry);
                    targetPosInSector = pos;
                } else if (type == STGTY_ROOT ||
                           (type == STGTY_STREAM && TOle2Directory::GetSize(entry, 0) >= FHeader->ulMiniSectorCutoff)) {
                    // Small streams live in the root's mini stream and travel with it.
                    CopyStreamSectors(entry, newFat, copied, OutStream, outStart);
                }
            }
            if (targetPosInSector >= 0)
                DIRStartPos = OutStream.Position() + targetPosInSector;
            const auto index = static_cast<std::uint32_t>(newFat.Count());
            AppendSector(OutStream, sector.data(), *FHeader, newFat, ENDOFCHAIN, outStart);
            if (previousDirIndex >= 0)
                newFat.Entries[static_cast<std::size_t>(previousDirIndex)] = index;
            else
                newHeader.SetsectDirStart(index);
            previousDirIndex = index;
        }
        if (!DIR)
            ExcelError(msg::InvalidOle2Stream, std::string());

        const std::uint32_t miniFatCount = FHeader->csectMiniFat();
        const std::vector<std::uint32_t> miniFatChain =
            miniFatCount == 0 ? std::vector<std::uint32_t>() : FAT.Chain(FHeader->sectMiniFatStart(), miniFatCount, "the mini-FAT");
        newHeader.SetsectMiniFatStart(ENDOFCHAIN);
        newHeader.SetcsectMiniFat(static_cast<std::uint32_t>(miniFatChain.size()));
        for (std::size_t i = 0; i < miniFatChain.size(); ++i) {
            ReadSector(miniFatChain[i], sector.data());
            const auto index = static_cast<std::uint32_t>(newFat.Count());
            AppendSector(OutStream, sector.data(), *FHeader, newFat, ENDOFCHAIN, outStart);
            if (i == 0)
                newHeader.SetsectMiniFatStart(index);
            else
                newFat.Entries[index - 1] = index;
        }
    }

    newHeader.StartOfs = outStart;
    *FHeader = newHeader;
    FAT = std::move(newFat);
    FStream = &OutStream;
    SectorBuffer = std::make_unique<TSectorBuffer>(*FHeader, *FStream);
    ROOT.reset();
    PreparedForWrite = true;
    DIR->SetSectStart(static_cast<std::uint32_t>(FAT.Count()));
    DIR->ulSize = 0;
}

void TOle2File::WriteMem(const void* Buffer, std::int64_t Count)
{
    CheckWritable();
    if (!DIR || Count <= 0)
        return;
    const auto* bytes = static_cast<const std::uint8_t*>(Buffer);
    FWriteBuffer.insert(FWriteBuffer.end(), bytes, bytes + Count);
    if (FWriteBuffer.size() >= WriteBufferBytes)
        FlushWriteBuffer();
    DIR->ulSize += Count;
    StreamPos = DIR->ulSize;
}

void TOle2File::WriteRaw(std::span<const std::uint8_t> Buffer, std::int64_t StartPos, std::int64_t Count)
{
    if (StartPos < 0 || Count < 0 || StartPos + Count > static_cast<std::int64_t>(Buffer.size()))
        ExcelError(msg::InvalidOle2Stream, std::string());
    WriteRawMem(Buffer.data() + StartPos, Count);
}

void TOle2File::FlushWriteBuffer()
{
    if (FWriteBuffer.empty())
        return;
    FStream->WriteBuffer(FWriteBuffer.data(), static_cast<std::int64_t>(FWriteBuffer.size()));
    FWriteBuffer.clear();
}

void TOle2File::Write16(std::uint16_t Value)
{
    const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(Value), static_cast<std::uint8_t>(Value >> 8)};
    WriteMem(bytes, 2);
}

void TOle2File::Write32(std::uint32_t Value)
{
    std::uint8_t bytes[4];
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<std::uint8_t>(Value >> (8 * i));
    WriteMem(bytes, 4);
}

void TOle2File::WriteHeader(std::uint16_t Id, std::uint16_t Len)
{
    Write16(Id);
    Write16(Len);
    FEncryption.ActualRecordLen = Len;
}

void TOle2File::FinishWrite()
{
    if (!PreparedForWrite || FWriteFinished || !DIR)
        return;
    FWriteFinished = true;
    FlushWriteBuffer();
    FWriteBuffer = {};
    TStream& out = *FStream;
    const TOle2Header& header = *FHeader;
    const std::int64_t sectorSize = header.SectorSize;

    // A short stream is stored as a cutoff-sized normal stream, never in the
    // mini stream; the padding counts as content.
    std::int64_t size = DIR->ulSize;
    if (size < header.ulMiniSectorCutoff) {
        WriteZeros(out, header.ulMiniSectorCutoff - size);
        size = header.ulMiniSectorCutoff;
    }
    WriteZeros(out, (sectorSize - size % sectorSize) % sectorSize);
    DIR->ulSize = size;

    const std::int64_t N = FAT.Count();
    const std::int64_t S = ((size - 1) >> header.uSectorShift) + 1;
    const std::int64_t E = header.EntriesPerSector();
    std::int64_t D = 0;
    std::int64_t F = 0;
    for (;;) {
        const std::int64_t g = N + 1 + S + D;
        F = CeilDiv(g, E);
        while (F != CeilDiv(g + F, E))
            F = CeilDiv(g + F, E);
        const std::int64_t newD = F > HeaderFatSlots ? CeilDiv(F - HeaderFatSlots, E - 1) : 0;
        if (newD == D)
            break;
        D = newD;
    }
    const std::int64_t firstDif = N + S + 1;
    const std::int64_t firstFat = firstDif + D;

    // The reserved sector is written as zeros.
    WriteZeros(out, sectorSize);

    for (std::int64_t l = 0; l < D; ++l) {
        std::vector<std::uint32_t> dif(static_cast<std::size_t>(E), FREESECT);
        for (std::int64_t j = 0; j < E - 1; ++j) {
            const std::int64_t fatIndex = HeaderFatSlots + l * (E - 1) + j;
            if (fatIndex < F)
                dif[static_cast<std::size_t>(j)] = static_cast<std::uint32_t>(firstFat + fatIndex);
        }
        dif.back() = l + 1 < D ? static_cast<std::uint32_t>(firstDif + l + 1) : FREESECT;
        WriteCardinals(out, dif);
    }

    // The new stream's chain ends at its own last sector: readers reject a
    // chain longer than the stream's size. The reserved sector stays free.
    std::vector<std::uint32_t> fat = FAT.Entries;
    fat.reserve(static_cast<std::size_t>(F * E));
    for (std::int64_t i = 1; i < S; ++i)
        fat.push_back(static_cast<std::uint32_t>(N + i));
    fat.push_back(ENDOFCHAIN);
    fat.push_back(FREESECT);
    fat.insert(fat.end(), static_cast<std::size_t>(D), DIFSECT);
    fat.insert(fat.end(), static_cast<std::size_t>(F), FATSECT);
    fat.resize(static_cast<std::size_t>(F * E), FREESECT);
    WriteCardinals(out, fat);
    const std::int64_t end = out.Position();

    DIR->SetSectStart(static_cast<std::uint32_t>(N));
    out.SetPosition(DIRStartPos);
    DIR->Save(out);

    TOle2Header finalHeader = header;
    finalHeader.SetcsectFat(static_cast<std::uint32_t>(F));
    finalHeader.SetcsectDif(static_cast<std::uint32_t>(D));
    finalHeader.SetsectDifStart(D > 0 ? static_cast<std::uint32_t>(firstDif) : ENDOFCHAIN);
    out.SetPosition(header.StartOfs);
    out.WriteBuffer(finalHeader.Data.data(), HeaderKeptBytes);
    std::vector<std::uint32_t> slots(HeaderFatSlots, FREESECT);
    for (std::int64_t i = 0; i < std::min<std::int64_t>(F, HeaderFatSlots); ++i)
        slots[static_cast<std::size_t>(i)] = static_cast<std::uint32_t>(firstFat + i);
    WriteCardinals(out, slots);
    out.SetPosition(end);
}
