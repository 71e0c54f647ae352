// One column's sort keys packed into words that compare as unsigned
// numbers, so that a radix sort orders a million rows in a few linear passes
// rather than n log n comparisons of general keys. The order is the one
// CompareSortKeys gives, and equal keys keep their order.
#pragma once

#include <cstddef>
#include <algorithm>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "grid/data/SortKey.h"

namespace grid {

// The places [Begin, End) of a sort's order.
struct TSortRun {
    std::size_t Begin, End;
};

// One field of the keys of Count rows. It holds a single value until a row
// differs, so a field no key of a column uses (the number of a text, the
// text of a number) takes no memory.
template <typename T> class TKeyField {
public:
    explicit TKeyField(std::size_t Count) : FCount(Count) {}
    void Set(std::uint32_t Row, T Value)
    {
        if (!FValues) {
            if (!FSet || Value == FShared) {
                FShared = Value;
                FSet = true;
                return;
            }
            FValues = std::make_unique_for_overwrite<T[]>(FCount);
            std::fill_n(FValues.get(), FCount, FShared);
        }
        FValues[Row] = Value;
    }
    T operator[](std::uint32_t Row) const { return FValues ? FValues[Row] : FShared; }
    // False while every row set holds the same value.
    bool Varies() const noexcept { return FValues != nullptr; }

private:
    std::size_t FCount;
    std::unique_ptr<T[]> FValues;
    T FShared{};
    bool FSet = false;
};

class TPackedSortKeys {
public:
    // Room for the keys of the rows 0 .. Count-1, all in one direction.
    TPackedSortKeys(std::size_t Count, bool Descending);

    // BlankOrder is -1, 0 or 1: the key goes before all others, among them
    // by its value, or after all others, whatever the direction. The key's
    // text must stay valid while the keys are in use.
    void Set(std::uint32_t Row, const TSortKeyRef& Key, int BlankOrder);
    // Stably orders the rows in Order[Run.Begin, Run.End), whose keys are
    // all set, and adds the runs of rows with equal keys to Tied. Returns
    // how many pairs of keys it compared.
    std::size_t Sort(std::vector<std::uint32_t>& Order, TSortRun Run, std::vector<TSortRun>& Tied);

private:
    struct TRadixItem {
        std::uint64_t Key;
        std::uint64_t Row;
    };
    enum TWord { wPrefix, wNumber, wClass };
    static constexpr int WordCount = 3;

    // The words of one row, copied beside each other.
    struct TWords {
        std::uint64_t Number, Prefix;
        std::uint32_t Row;
        std::uint8_t Class;
        bool operator==(const TWords& Other) const noexcept
        {
            return Class == Other.Class && Number == Other.Number && Prefix == Other.Prefix;
        }
    };

    std::uint64_t Word(int Which, std::uint32_t Row) const;
    TWords WordsOf(std::uint32_t Row) const { return {FNumber[Row], FPrefix[Row], Row, FClass[Row]}; }
    bool SameWords(std::uint32_t A, std::uint32_t B) const;
    bool Less(const TWords& A, const TWords& B) const;
    bool TextLess(std::uint32_t A, std::uint32_t B) const;
    std::size_t CompareSort(std::uint32_t* First, std::size_t Count);
    void RadixSort(std::size_t Count);
    // Splits [Begin, End) of rows with equal words into runs of equal keys.
    std::size_t SplitByTexts(std::vector<std::uint32_t>& Order, TSortRun Run, std::vector<TSortRun>& Tied);

    // Where a placed blank goes and the rank; the number; the first eight
    // bytes of the text. A descending key is packed complemented, except
    // where its blank goes. Only the rows set are ever read.
    std::unique_ptr<std::uint8_t[]> FClass;
    TKeyField<std::uint64_t> FNumber;
    TKeyField<std::uint64_t> FPrefix;
    TKeyField<std::string_view> FText;
    bool FDescending;
    // No text is longer than its prefix or holds a zero byte: equal
    // prefixes are equal texts, and the texts are never read.
    bool FPrefixesDecide = true;
    std::size_t FRadixRoom = 0;
    std::unique_ptr<TRadixItem[]> FItems;
    std::unique_ptr<TRadixItem[]> FScratch;
    // The words of a short run while it sorts.
    std::vector<TWords> FShort;
};

} // namespace grid
