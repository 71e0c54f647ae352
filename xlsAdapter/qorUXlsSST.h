// The shared string table: every cell text once, with a count of the label
// records that use it, found by a hash while texts are added, put in order
// once before saving, and written as SST and EXTSST records split across
// CONTINUE records.
#pragma once

#include "xlsAdapter/qorUVyxFormats.h"
#include "xlsAdapter/qorXlsMessages.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class TOle2File;
class TSSTRecord;

// Entries live in one byte buffer that only grows, so an entry's offset
// names it for the table's lifetime. One entry:
//   0  references (32-bit: a common text such as "Yes" may fill more than
//      65,535 cells)
//   4  stream position of the string in the last SST written (for EXTSST)
//   8  offset of the string inside its SST or CONTINUE record
//  10  index of the string in the last SST written (what LABELSST stores)
//  14  the string in BIFF8 form with a 2-byte length
struct TMemSST {
    std::uint32_t UsedSize = 0;
    ByteArray Buffer;
};

class TSST {
public:
    static constexpr int EntryHeaderSize = 14;

    // Positions (in the order of adding until the table is put in order);
    // each item is an entry's buffer offset.
    int Count() const { return static_cast<int>(FItems.size()); }
    std::uint32_t Items(int Index) const { return FItems.at(static_cast<std::size_t>(Index)); }

    // The position of the entry holding s with those runs, adding it when
    // new; either way the entry gains one reference.
    int AddString(std::u16string_view s, const TRTFRunList& RTFRuns);
    // The position of an entry equal to the one at buffer offset Entry.
    bool Find(std::uint32_t Entry, int& Index);

    // Appends the record's strings in file order, unsorted, so that label
    // records can turn their stored indexes into entries.
    void Load(const TSSTRecord& aSSTRecord);
    // Puts the entries in the order they are saved in.
    void Sort();
    // Drops entries that no label record uses and puts the rest in order.
    void FixRefs();
    void SaveToStream(TOle2File& DataStream);
    void WriteExtSST(TOle2File& DataStream) const;
    std::int64_t TotalSize() const;
    // Bytes of the entry buffer in use.
    std::uint32_t UsedSize() const { return MemSST.UsedSize; }

    // Fields of the entry at a buffer offset.
    std::uint32_t References(std::uint32_t Entry) const;
    void AddReference(std::uint32_t Entry, int Delta);
    // Gives back one reference; for destructors, so it never raises.
    void Release(std::uint32_t Entry) noexcept;
    std::uint32_t SavedIndex(std::uint32_t Entry) const;
    std::u16string Text(std::uint32_t Entry) const;
    TRTFRunList Runs(std::uint32_t Entry) const;

private:
    class TSSTWriter;

    std::uint32_t PackSSTEntry(std::u16string_view s, const TRTFRunList& RTFRuns);
    std::uint32_t AppendEntry(std::span<const std::uint8_t> StringBytes);
    std::span<const std::uint8_t> EntryBytes(std::uint32_t Entry) const;
    std::int64_t SSTSize() const;
    std::int64_t ExtSSTSize() const;
    int StringsPerBucket() const;
    int Buckets() const;

    std::uint64_t HashOf(std::uint32_t Entry) const;
    void IndexItems();

    TMemSST MemSST;
    std::vector<std::uint32_t> FItems;
    bool FSorted = true;
    // Hash of an entry's string to its position, while positions stay put.
    std::unordered_multimap<std::uint64_t, int> FIndex;
    bool FIndexed = true;
};
