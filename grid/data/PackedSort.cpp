// One column's sort keys packed into words and sorted by their bits.
#include "grid/data/PackedSort.h"

#include <algorithm>
#include <array>
#include <bit>
#include <utility>

namespace grid {

namespace {

// Eleven bits a pass: six passes cover a word, and the counts of a pass
// stay in the first-level cache.
constexpr unsigned DigitBits = 11;
constexpr std::size_t Buckets = std::size_t{1} << DigitBits;
constexpr unsigned DigitCount = (64 + DigitBits - 1) / DigitBits;

// Below this many keys the passes over all buckets cost more than comparing
// the keys.
constexpr std::size_t RadixThreshold = 512;

constexpr std::size_t PrefixBytes = 8;

std::size_t DigitOf(std::uint64_t Key, unsigned Digit)
{
    return static_cast<std::size_t>(Key >> (Digit * DigitBits)) & (Buckets - 1);
}

// Unsigned bits that order like the doubles: 0 and -0 are one key.
std::uint64_t OrderedBits(double Value)
{
    if (Value == 0) Value = 0;
    const auto bits = std::bit_cast<std::uint64_t>(Value);
    return bits >> 63 ? ~bits : bits | (std::uint64_t{1} << 63);
}

// The first eight bytes big-endian, padded with zero bytes: a text that
// orders before another never gets a greater prefix.
std::uint64_t PrefixBits(std::string_view Text)
{
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < PrefixBytes; ++i)
        bits = bits << 8 | (i < Text.size() ? static_cast<unsigned char>(Text[i]) : 0u);
    return bits;
}

} // namespace

TPackedSortKeys::TPackedSortKeys(std::size_t Count, bool Descending)
    : FClass(std::make_unique_for_overwrite<std::uint8_t[]>(Count)),
      FNumber(Count), FPrefix(Count), FText(Count), FDescending(Descending)
{
}

void TPackedSortKeys::Set(std::uint32_t Row, const TSortKeyRef& Key, int BlankOrder)
{
    auto rank = static_cast<unsigned>(std::clamp(Key.Rank, 0, 7));
    std::uint64_t number = OrderedBits(Key.Number);
    std::uint64_t prefix = PrefixBits(Key.Text);
    if (FDescending) {
        rank = 7 - rank;
        number = ~number;
        prefix = ~prefix;
    }
    const auto placed = static_cast<unsigned>(std::clamp(BlankOrder, -1, 1) + 1);
    FClass[Row] = static_cast<std::uint8_t>(placed << 3 | rank);
    FNumber.Set(Row, number);
    FPrefix.Set(Row, prefix);
    FText.Set(Row, Key.Text);
    FPrefixesDecide = FPrefixesDecide && Key.Text.size() <= PrefixBytes && Key.Text.find('\0') == std::string_view::npos;
}

std::uint64_t TPackedSortKeys::Word(int Which, std::uint32_t Row) const
{
    switch (Which) {
    case wPrefix: return FPrefix[Row];
    case wNumber: return FNumber[Row];
    default: return FClass[Row];
    }
}

bool TPackedSortKeys::SameWords(std::uint32_t A, std::uint32_t B) const
{
    return FClass[A] == FClass[B] && FNumber[A] == FNumber[B] && FPrefix[A] == FPrefix[B];
}

bool TPackedSortKeys::Less(const TWords& A, const TWords& B) const
{
    if (A.Class != B.Class) return A.Class < B.Class;
    if (A.Number != B.Number) return A.Number < B.Number;
    if (A.Prefix != B.Prefix || FPrefixesDecide) return A.Prefix < B.Prefix;
    return TextLess(A.Row, B.Row);
}

bool TPackedSortKeys::TextLess(std::uint32_t A, std::uint32_t B) const
{
    return FDescending ? FText[B] < FText[A] : FText[A] < FText[B];
}

std::size_t TPackedSortKeys::CompareSort(std::uint32_t* First, std::size_t Count)
{
    // The rows' words are copied side by side first, so the comparisons
    // read each row's keys from memory once, not once per comparison.
    FShort.clear();
    for (std::size_t k = 0; k < Count; ++k) FShort.push_back(WordsOf(First[k]));
    std::size_t compares = 0;
    std::stable_sort(FShort.begin(), FShort.end(), [&](const TWords& a, const TWords& b) {
        ++compares;
        return Less(a, b);
    });
    for (std::size_t k = 0; k < Count; ++k) First[k] = FShort[k].Row;
    return compares;
}

void TPackedSortKeys::RadixSort(std::size_t Count)
{
    // One pass counts every digit; a digit all keys share is passed over.
    std::vector<std::array<std::uint32_t, Buckets>> counts(DigitCount);
    for (std::size_t i = 0; i < Count; ++i)
        for (unsigned d = 0; d < DigitCount; ++d) ++counts[d][DigitOf(FItems[i].Key, d)];
    TRadixItem* from = FItems.get();
    TRadixItem* to = FScratch.get();
    for (unsigned d = 0; d < DigitCount; ++d) {
        std::array<std::uint32_t, Buckets>& place = counts[d];
        if (place[DigitOf(from[0].Key, d)] == Count) continue;
        std::uint32_t sum = 0;
        for (std::uint32_t& bucket : place) sum += std::exchange(bucket, sum);
        for (std::size_t i = 0; i < Count; ++i) to[place[DigitOf(from[i].Key, d)]++] = from[i];
        std::swap(from, to);
    }
    if (from != FItems.get()) std::copy(from, from + Count, FItems.get());
}

std::size_t TPackedSortKeys::SplitByTexts(std::vector<std::uint32_t>& Order, TSortRun Run,
                                          std::vector<TSortRun>& Tied)
{
    if (FPrefixesDecide) {
        Tied.push_back(Run);
        return 0;
    }
    // Equal words leave only texts longer than the prefix, or differing in
    // trailing zero bytes, to be compared.
    std::uint32_t* first = Order.data() + Run.Begin;
    const std::size_t count = Run.End - Run.Begin;
    const std::size_t size = FText[first[0]].size();
    const bool compared =
        size > PrefixBytes || std::any_of(first, first + count, [&](std::uint32_t row) { return FText[row].size() != size; });
    std::size_t compares = 0;
    if (compared)
        std::stable_sort(first, first + count, [&](std::uint32_t a, std::uint32_t b) {
            ++compares;
            return TextLess(a, b);
        });
    for (std::size_t b = 0; b < count;) {
        std::size_t e = b + 1;
        while (e < count && FText[first[e]] == FText[first[b]]) ++e;
        if (e - b > 1) Tied.push_back({Run.Begin + b, Run.Begin + e});
        b = e;
    }
    return compares;
}

std::size_t TPackedSortKeys::Sort(std::vector<std::uint32_t>& Order, TSortRun Run, std::vector<TSortRun>& Tied)
{
    std::uint32_t* first = Order.data() + Run.Begin;
    const std::size_t count = Run.End - Run.Begin;
    if (count < 2) return 0;
    std::size_t compares = 0;
    const auto addRuns = [&](auto same) {
        for (std::size_t b = 0; b < count;) {
            std::size_t e = b + 1;
            while (e < count && same(b, e)) ++e;
            if (e - b > 1) compares += SplitByTexts(Order, {Run.Begin + b, Run.Begin + e}, Tied);
            b = e;
        }
    };
    if (count < RadixThreshold) {
        compares = CompareSort(first, count);
        addRuns([&](std::size_t a, std::size_t b) { return FShort[a] == FShort[b]; });
        return compares;
    }
    if (FRadixRoom < count) {
        FItems = std::make_unique_for_overwrite<TRadixItem[]>(count);
        FScratch = std::make_unique_for_overwrite<TRadixItem[]>(count);
        FRadixRoom = count;
    }
    // Least significant word first; each pass is stable, so the last one
    // leaves the rows in the order of all three. A word all rows share is
    // passed over.
    int varying = 0;
    for (int w = 0; w < WordCount; ++w) {
        if ((w == wNumber && !FNumber.Varies()) || (w == wPrefix && !FPrefix.Varies())) continue;
        const std::uint64_t shared = Word(w, first[0]);
        if (std::all_of(first, first + count, [&](std::uint32_t row) { return Word(w, row) == shared; })) continue;
        ++varying;
        for (std::size_t k = 0; k < count; ++k) FItems[k] = {Word(w, first[k]), first[k]};
        RadixSort(count);
        for (std::size_t k = 0; k < count; ++k) first[k] = static_cast<std::uint32_t>(FItems[k].Row);
    }
    // With one word deciding, the sorted items still hold it in order.
    if (varying == 1) addRuns([&](std::size_t a, std::size_t b) { return FItems[a].Key == FItems[b].Key; });
    else addRuns([&](std::size_t a, std::size_t b) { return SameWords(first[a], first[b]); });
    return compares;
}

} // namespace grid
