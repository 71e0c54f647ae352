// The shared string table: packed entries, sorted lookups, reference
// counts, and the SST and EXTSST writer.
#include "xlsAdapter/qorUXlsSST.h"

#include "xlsAdapter/qorUOle2Impl.h"
#include "xlsAdapter/qorUXlsOtherRecords.h"
#include "xlsAdapter/qorUXlsStrings.h"

#include <algorithm>
#include <array>
#include <cstring>

using namespace xlsAdapter;

namespace {

// Where the parts of the string inside an entry lie.
struct TEntryLayout {
    std::uint16_t Chars = 0;
    std::uint8_t Options = 0;
    std::uint16_t RunCount = 0;
    std::uint32_t FarEastSize = 0;
    int CharsPos = 0;  // from the entry's start
    int Size = 0;      // the whole entry
    bool Wide() const { return (Options & 1) != 0; }
    bool Rich() const { return (Options & 8) != 0; }
    bool FarEast() const { return (Options & 4) != 0; }
};

TEntryLayout Layout(std::span<const std::uint8_t> Buffer, std::uint32_t Entry)
{
    TEntryLayout layout;
    std::int64_t pos = Entry + TSST::EntryHeaderSize;
    layout.Chars = GetWord(Buffer, pos);
    CheckRange(static_cast<std::int64_t>(Buffer.size()), pos + 2, 1);
    layout.Options = Buffer[static_cast<std::size_t>(pos + 2)];
    pos += 3;
    if (layout.Rich()) {
        layout.RunCount = GetWord(Buffer, pos);
        pos += 2;
    }
    if (layout.FarEast()) {
        layout.FarEastSize = GetCardinal(Buffer, pos);
        pos += 4;
    }
    layout.CharsPos = static_cast<int>(pos - Entry);
    const std::int64_t size = layout.CharsPos + static_cast<std::int64_t>(layout.Chars) * (layout.Wide() ? 2 : 1) +
                              4LL * layout.RunCount + layout.FarEastSize;
    CheckRange(static_cast<std::int64_t>(Buffer.size()), Entry, size);
    layout.Size = static_cast<int>(size);
    return layout;
}

// Entries order by size first, then by their string bytes: cheap to compare
// and the same for equal strings; not alphabetical.
int CompareSSTEntries(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    const int c = std::memcmp(a.data() + TSST::EntryHeaderSize, b.data() + TSST::EntryHeaderSize,
                              a.size() - TSST::EntryHeaderSize);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

constexpr int RecordBufferSize = 8228;  // a header and the largest record data
constexpr std::uint16_t SSTRecordId = 0x00FC;

} // namespace

// Fills records of at most 8,224 data bytes and hands each to the output,
// or only counts the bytes when there is none.
class TSST::TSSTWriter {
public:
    TSSTWriter(TOle2File* Out, std::int64_t Start) : FOut(Out), FOutPos(Start), FRecordStart(Start) {}

    std::int64_t Written() const { return FWritten; }

    void Begin(std::uint32_t TotalRefs, std::uint32_t Unique)
    {
        SetWord(FBuffer, 0, SSTRecordId);
        SetCardinal(FBuffer, 4, TotalRefs);
        SetCardinal(FBuffer, 8, Unique);
        FFill = 12;
    }

    // Writes one entry's string; gives its stream position and its offset
    // inside its record.
    void WriteEntry(std::span<const std::uint8_t> Entry, const TEntryLayout& Layout, std::uint32_t& StreamPos,
                    std::uint16_t& RecordOffset)
    {
        if (RecordBufferSize - FFill < 32)
            Flush();
        StreamPos = static_cast<std::uint32_t>(FOutPos + FFill);
        RecordOffset = static_cast<std::uint16_t>(FOutPos + FFill - FRecordStart);
        // Length, option byte, run count and far-east size stay together.
        int optionPos = FFill + 2;
        Put(Entry.subspan(EntryHeaderSize, static_cast<std::size_t>(Layout.CharsPos - EntryHeaderSize)));
        const std::uint8_t* chars = Entry.data() + Layout.CharsPos;
        int remaining = Layout.Chars;
        while (remaining > 0) {
            const int room = RecordBufferSize - FFill;
            const int asBytes = std::min(remaining, room);
            const int asWords = std::min(remaining, room / 2);
            int narrow = asBytes;
            if (Layout.Wide()) {
                narrow = 0;
                while (narrow < asBytes && chars[2 * narrow + 1] == 0)
                    ++narrow;
            }
            if (narrow < asWords) {
                FBuffer[optionPos] |= 1;
                Put({chars, static_cast<std::size_t>(2 * asWords)});
                chars += 2 * asWords;
                remaining -= asWords;
            } else {
                FBuffer[optionPos] &= ~1;
                for (int i = 0; i < narrow; ++i)
                    FBuffer[FFill + i] = Layout.Wide() ? chars[2 * i] : chars[i];
                FFill += narrow;
                chars += Layout.Wide() ? 2 * narrow : narrow;
                remaining -= narrow;
            }
            if (remaining > 0) {
                // Each CONTINUE that goes on with the characters starts with
                // an option byte of its own.
                Flush();
                optionPos = FFill++;
            }
        }
        const std::size_t tailStart = static_cast<std::size_t>(Layout.CharsPos) +
                                      static_cast<std::size_t>(Layout.Chars) * (Layout.Wide() ? 2 : 1);
        WriteTail(Entry.subspan(tailStart));
    }

    void Finish() { Flush(); }

private:
    void Put(std::span<const std::uint8_t> Bytes)
    {
        std::memcpy(FBuffer.data() + FFill, Bytes.data(), Bytes.size());
        FFill += static_cast<int>(Bytes.size());
    }

    // Runs and far-east data: whole runs per record, no option byte.
    void WriteTail(std::span<const std::uint8_t> Bytes)
    {
        while (!Bytes.empty()) {
            const std::size_t room = static_cast<std::size_t>((RecordBufferSize - FFill) / 4 * 4);
            const std::size_t chunk = std::min(Bytes.size(), room);
            Put(Bytes.first(chunk));
            Bytes = Bytes.subspan(chunk);
            if (!Bytes.empty())
                Flush();
        }
    }

    void Flush()
    {
        SetWord(FBuffer, 2, static_cast<std::uint16_t>(FFill - 4));
        if (FOut)
            FOut->WriteMem(FBuffer.data(), FFill);
        FOutPos += FFill;
        FWritten += FFill;
        FRecordStart = FOutPos;
        SetWord(FBuffer, 0, xlr::CONTINUE);
        FBuffer[4] = 0;
        FFill = 4;
    }

    TOle2File* FOut;
    std::int64_t FOutPos;
    std::int64_t FRecordStart;
    std::int64_t FWritten = 0;
    std::array<std::uint8_t, RecordBufferSize> FBuffer{};
    int FFill = 0;
};

std::span<const std::uint8_t> TSST::EntryBytes(std::uint32_t Entry) const
{
    const TEntryLayout layout = Layout(std::span(MemSST.Buffer).first(MemSST.UsedSize), Entry);
    return std::span(MemSST.Buffer).subspan(Entry, static_cast<std::size_t>(layout.Size));
}

std::uint32_t TSST::AppendEntry(std::span<const std::uint8_t> StringBytes)
{
    const std::uint32_t entry = MemSST.UsedSize;
    const std::size_t needed = entry + EntryHeaderSize + StringBytes.size();
    if (needed > 0xFFFFFFFFu)
        ExcelError(msg::TooManyEntries, static_cast<int>(FItems.size()), static_cast<int>(FItems.size()));
    if (needed > MemSST.Buffer.size())
        MemSST.Buffer.resize(std::max(needed, MemSST.Buffer.size() * 2));
    std::fill_n(MemSST.Buffer.begin() + entry, EntryHeaderSize, 0);
    std::copy(StringBytes.begin(), StringBytes.end(), MemSST.Buffer.begin() + entry + EntryHeaderSize);
    MemSST.UsedSize = static_cast<std::uint32_t>(needed);
    return entry;
}

std::uint32_t TSST::PackSSTEntry(std::u16string_view s, const TRTFRunList& RTFRuns)
{
    TExcelString text(2, s);
    if (!RTFRuns.empty()) {
        if (RTFRuns.size() > 0xFFFF)
            ExcelError(msg::InvalidStringRecord);
        text.OptionFlags |= 8;
        text.NumberRichTextFormats = static_cast<std::uint16_t>(RTFRuns.size());
        text.RichTextFormats.resize(4 * RTFRuns.size());
        for (std::size_t i = 0; i < RTFRuns.size(); ++i) {
            SetWord(text.RichTextFormats, static_cast<std::int64_t>(4 * i), RTFRuns[i].FirstChar);
            SetWord(text.RichTextFormats, static_cast<std::int64_t>(4 * i + 2), RTFRuns[i].FontIndex);
        }
    }
    ByteArray bytes(static_cast<std::size_t>(text.TotalSize()));
    text.CopyToPtr(bytes, 0);
    return AppendEntry(bytes);
}

std::uint64_t TSST::HashOf(std::uint32_t Entry) const
{
    const auto bytes = EntryBytes(Entry).subspan(EntryHeaderSize);
    return std::hash<std::string_view>{}(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

void TSST::IndexItems()
{
    FIndex.clear();
    FIndex.reserve(FItems.size());
    for (std::size_t i = 0; i < FItems.size(); ++i)
        FIndex.emplace(HashOf(FItems[i]), static_cast<int>(i));
    FIndexed = true;
}

bool TSST::Find(std::uint32_t Entry, int& Index)
{
    if (!FIndexed) IndexItems();
    const auto wanted = EntryBytes(Entry);
    const auto [first, last] = FIndex.equal_range(HashOf(Entry));
    for (auto it = first; it != last; ++it) {
        if (CompareSSTEntries(EntryBytes(FItems[static_cast<std::size_t>(it->second)]), wanted) == 0) {
            Index = it->second;
            return true;
        }
    }
    Index = Count();
    return false;
}

int TSST::AddString(std::u16string_view s, const TRTFRunList& RTFRuns)
{
    const std::uint32_t before = MemSST.UsedSize;
    const std::uint32_t entry = PackSSTEntry(s, RTFRuns);
    int index = 0;
    if (Find(entry, index)) {
        MemSST.UsedSize = before;  // the packed copy is abandoned
        AddReference(FItems[static_cast<std::size_t>(index)], 1);
        return index;
    }
    // Appended: the order comes once, before saving.
    FItems.push_back(entry);
    FIndex.emplace(HashOf(entry), index);
    FSorted = false;
    AddReference(entry, 1);
    return index;
}

void TSST::Load(const TSSTRecord& aSSTRecord)
{
    const TBaseRecord* record = &aSSTRecord;
    int pos = 8;
    // Each string takes at least 3 bytes, so a count larger than the data
    // ends at the first string that is not there.
    for (std::uint32_t i = 0; i < aSSTRecord.Count; ++i) {
        const TExcelString text(2, record, pos);
        ByteArray bytes(static_cast<std::size_t>(text.TotalSize()));
        text.CopyToPtr(bytes, 0);
        FItems.push_back(AppendEntry(bytes));
    }
    FSorted = false;
    FIndexed = false;
}

void TSST::Sort()
{
    FIndexed = false;
    FSorted = true;
    // Stable, so that equal strings read from a file keep their order and
    // a saved workbook saves again to the same bytes.
    std::stable_sort(FItems.begin(), FItems.end(), [this](std::uint32_t a, std::uint32_t b) {
        return CompareSSTEntries(EntryBytes(a), EntryBytes(b)) < 0;
    });
}

void TSST::FixRefs()
{
    std::erase_if(FItems, [this](std::uint32_t entry) { return References(entry) == 0; });
    FIndexed = false;
    if (!FSorted) Sort();
}

std::uint32_t TSST::References(std::uint32_t Entry) const
{
    return GetCardinal(MemSST.Buffer, Entry);
}

void TSST::AddReference(std::uint32_t Entry, int Delta)
{
    const std::int64_t refs = static_cast<std::int64_t>(References(Entry)) + Delta;
    SetCardinal(MemSST.Buffer, Entry, static_cast<std::uint32_t>(std::max<std::int64_t>(refs, 0)));
}

void TSST::Release(std::uint32_t Entry) noexcept
{
    if (static_cast<std::uint64_t>(Entry) + 4 > MemSST.UsedSize)
        return;
    std::uint8_t* refs = MemSST.Buffer.data() + Entry;
    std::uint32_t count = refs[0] | (refs[1] << 8) | (refs[2] << 16) | (static_cast<std::uint32_t>(refs[3]) << 24);
    if (count > 0)
        --count;
    for (int i = 0; i < 4; ++i)
        refs[i] = static_cast<std::uint8_t>(count >> (8 * i));
}

std::uint32_t TSST::SavedIndex(std::uint32_t Entry) const
{
    return GetCardinal(MemSST.Buffer, Entry + 10);
}

std::u16string TSST::Text(std::uint32_t Entry) const
{
    const auto bytes = EntryBytes(Entry);
    const TEntryLayout layout = Layout(bytes, 0);
    std::u16string text(layout.Chars, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = layout.Wide() ? GetWord(bytes, layout.CharsPos + 2 * static_cast<std::int64_t>(i))
                                : bytes[layout.CharsPos + i];
    return text;
}

TRTFRunList TSST::Runs(std::uint32_t Entry) const
{
    const auto bytes = EntryBytes(Entry);
    const TEntryLayout layout = Layout(bytes, 0);
    TRTFRunList runs(layout.RunCount);
    const std::int64_t start = layout.CharsPos + static_cast<std::int64_t>(layout.Chars) * (layout.Wide() ? 2 : 1);
    for (std::size_t i = 0; i < runs.size(); ++i)
        runs[i] = {GetWord(bytes, start + 4 * static_cast<std::int64_t>(i)),
                   GetWord(bytes, start + 4 * static_cast<std::int64_t>(i) + 2)};
    return runs;
}

void TSST::SaveToStream(TOle2File& DataStream)
{
    std::uint32_t totalRefs = 0;
    for (std::size_t i = 0; i < FItems.size(); ++i) {
        SetCardinal(MemSST.Buffer, FItems[i] + 10, static_cast<std::uint32_t>(i));
        totalRefs += References(FItems[i]);
    }
    TSSTWriter writer(&DataStream, DataStream.Position());
    writer.Begin(totalRefs, static_cast<std::uint32_t>(FItems.size()));
    for (std::uint32_t entry : FItems) {
        std::uint32_t streamPos = 0;
        std::uint16_t recordOffset = 0;
        const auto bytes = EntryBytes(entry);
        writer.WriteEntry(bytes, Layout(bytes, 0), streamPos, recordOffset);
        SetCardinal(MemSST.Buffer, entry + 4, streamPos);
        SetWord(MemSST.Buffer, entry + 8, recordOffset);
    }
    writer.Finish();
    WriteExtSST(DataStream);
}

std::int64_t TSST::SSTSize() const
{
    TSSTWriter writer(nullptr, 0);
    writer.Begin(0, 0);
    for (std::uint32_t entry : FItems) {
        std::uint32_t streamPos = 0;
        std::uint16_t recordOffset = 0;
        const auto bytes = EntryBytes(entry);
        writer.WriteEntry(bytes, Layout(bytes, 0), streamPos, recordOffset);
    }
    writer.Finish();
    return writer.Written();
}

int TSST::StringsPerBucket() const
{
    return std::max(Count() / 128 + 1, 8);
}

int TSST::Buckets() const
{
    return FItems.empty() ? 0 : (Count() - 1) / StringsPerBucket() + 1;
}

std::int64_t TSST::ExtSSTSize() const
{
    return 6 + 8LL * Buckets();
}

std::int64_t TSST::TotalSize() const
{
    return SSTSize() + ExtSSTSize();
}

void TSST::WriteExtSST(TOle2File& DataStream) const
{
    const int perBucket = StringsPerBucket();
    DataStream.WriteHeader(xlr::EXTSST, static_cast<std::uint16_t>(2 + 8 * Buckets()));
    DataStream.Write16(static_cast<std::uint16_t>(perBucket));
    for (int i = 0; i < Count(); i += perBucket) {
        const std::uint32_t entry = FItems[static_cast<std::size_t>(i)];
        DataStream.Write32(GetCardinal(MemSST.Buffer, entry + 4));
        DataStream.Write16(GetWord(MemSST.Buffer, entry + 8));
        DataStream.Write16(0);
    }
}
