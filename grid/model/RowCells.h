// The cells of one grid row by column, in memory that follows the cells stored.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace grid {

// Rows are mostly filled from the left, so they are kept as an array by
// column. A row whose few cells lie far to the right (a sparse or hostile
// file) keeps (column, value) pairs instead, so no row costs much more than
// twice its cells, whatever their column numbers. A value equal to T{} is an
// empty cell either way. 24 bytes, so that a row record stays one cache line.
template <typename T>
class TRowCells {
public:
    TRowCells() = default;
    TRowCells(TRowCells&&) noexcept = default;
    TRowCells& operator=(TRowCells&&) noexcept = default;
    TRowCells(const TRowCells& Other) { *this = Other; }
    TRowCells& operator=(const TRowCells& Other)
    {
        if (this == &Other) return *this;
        Clear();
        if (Other.FPairs) {
            FPairs = std::make_unique<TPairs>(*Other.FPairs);
        } else {
            Resize(Other.FSize);
            std::copy(Other.FData.get(), Other.FData.get() + Other.FSize, FData.get());
            FUsed = Other.FUsed;
        }
        return *this;
    }

    // The value of a column, or null when the row has no slot for it.
    const T* Find(std::size_t Col) const noexcept
    {
        if (!FPairs) return Col < FSize ? &FData[Col] : nullptr;
        const auto it = LowerBound(*FPairs, Col);
        return it != FPairs->end() && it->first == Col ? &it->second : nullptr;
    }

    // The slot of a column, made when missing. A row's first slot makes the
    // array FirstWidth columns wide at once (at most MaxFirstWidth), so that a
    // row filled one column at a time is one allocation, not one per doubling.
    T& Slot(std::size_t Col, std::size_t FirstWidth = 0)
    {
        if (!FPairs) {
            if (Col < FSize) return FData[Col];
            if (const std::size_t width = std::min(FirstWidth, MaxFirstWidth); FSize == 0 && Col < width) {
                Resize(width);
                FUsed = 1;
                return FData[Col];
            }
            // A step of one or two past the end keeps the proportion; a
            // longer jump counts the cells first.
            if (Col > FSize + 1 && !FitsArray(Col + 1, FUsed + 1)) FUsed = CountUsed();
            if (FitsArray(Col + 1, FUsed + 1)) {
                Resize(Col + 1);
                ++FUsed;
                return FData[Col];
            }
            ToPairs();
        }
        TPairs& pairs = *FPairs;
        const auto it = LowerBound(pairs, Col);
        if (it != pairs.end() && it->first == Col) return it->second;
        if (FitsArray(std::max(Extent(), Col + 1), pairs.size() + 1)) {
            ToArray();
            return Slot(Col);
        }
        return pairs.insert(it, {static_cast<std::uint32_t>(Col), T{}})->second;
    }

    // One past the last column with a slot.
    std::size_t Extent() const noexcept
    {
        if (!FPairs) return FSize;
        return FPairs->empty() ? 0 : FPairs->back().first + std::size_t{1};
    }

    bool Empty() const noexcept { return FPairs ? FPairs->empty() : FSize == 0; }

    void Clear() noexcept
    {
        FData.reset();
        FSize = 0;
        FUsed = 0;
        FPairs.reset();
    }

    // Every stored value; the array form includes its empty cells.
    template <typename Visit>
    void ForEach(Visit&& Fn)
    {
        if (!FPairs)
            std::for_each(FData.get(), FData.get() + FSize, Fn);
        else
            for (auto& pair : *FPairs)
                Fn(pair.second);
    }
    template <typename Visit>
    void ForEach(Visit&& Fn) const
    {
        const_cast<TRowCells&>(*this).ForEach([&Fn](const T& Value) { Fn(Value); });
    }

    // Count empty columns before At; the cells from At on move right.
    void Insert(std::size_t At, std::size_t Count)
    {
        if (At >= Extent() || Count == 0) return;
        if (!FPairs) {
            const std::size_t old = FSize;
            Resize(old + Count);
            T* data = FData.get();
            std::move_backward(data + At, data + old, data + old + Count);
            std::fill(data + At, data + At + Count, T{});
        } else {
            for (auto it = LowerBound(*FPairs, At); it != FPairs->end(); ++it)
                it->first += static_cast<std::uint32_t>(Count);
        }
        Settle();
    }

    // Removes the columns At .. At + Count - 1; the cells right of them move left.
    void Erase(std::size_t At, std::size_t Count)
    {
        if (At >= Extent() || Count == 0) return;
        if (!FPairs) {
            const std::size_t n = std::min(Count, FSize - At);
            std::move(FData.get() + At + n, FData.get() + FSize, FData.get() + At);
            Resize(FSize - n);
        } else {
            const auto first = LowerBound(*FPairs, At);
            const auto last = LowerBound(*FPairs, At + Count);
            for (auto it = last; it != FPairs->end(); ++it)
                it->first -= static_cast<std::uint32_t>(Count);
            FPairs->erase(first, last);
        }
        Settle();
    }

    // The cell of From goes to To; those between move one place towards From.
    void Move(std::size_t From, std::size_t To)
    {
        if (From == To || std::min(From, To) >= Extent()) return;
        if (!FPairs) {
            if (FSize <= std::max(From, To)) Resize(std::max(From, To) + 1);
            T* data = FData.get();
            if (From < To)
                std::rotate(data + From, data + From + 1, data + To + 1);
            else
                std::rotate(data + To, data + From, data + From + 1);
            Settle();
            return;
        }
        T moved = Take(From);
        const std::size_t lo = std::min(From, To), hi = std::max(From, To);
        for (auto it = LowerBound(*FPairs, lo); it != FPairs->end() && it->first <= hi; ++it)
            it->first = From < To ? it->first - 1 : it->first + 1;
        if (!(moved == T{})) FPairs->insert(LowerBound(*FPairs, To), {static_cast<std::uint32_t>(To), std::move(moved)});
    }

    void Swap(std::size_t A, std::size_t B)
    {
        if (A == B || std::min(A, B) >= Extent()) return;
        if (!FPairs) {
            if (FSize <= std::max(A, B)) Resize(std::max(A, B) + 1);
            std::swap(FData[A], FData[B]);
            Settle();
            return;
        }
        T a = Take(A), b = Take(B);
        if (!(b == T{})) Slot(A) = std::move(b);
        if (!(a == T{})) Slot(B) = std::move(a);
    }

    // Within what FitsArray allows a row of one cell.
    static constexpr std::size_t MaxFirstWidth = 16;

private:
    using TPairs = std::vector<std::pair<std::uint32_t, T>>;

    // The array form is kept while it costs at most about twice the cells.
    static bool FitsArray(std::size_t Extent, std::size_t Used) noexcept { return Extent <= 2 * Used + 16; }

    template <typename Pairs>
    static auto LowerBound(Pairs& List, std::size_t Col)
    {
        return std::lower_bound(List.begin(), List.end(), Col, [](const auto& pair, std::size_t c) { return pair.first < c; });
    }

    // The array's room is its size rounded up to a power of two, so that
    // growing one column at a time stays linear without storing a capacity.
    static std::size_t Room(std::size_t Size) noexcept { return Size == 0 ? 0 : std::bit_ceil(Size); }

    void Resize(std::size_t Size)
    {
        if (Room(Size) != Room(FSize)) {
            std::unique_ptr<T[]> data(Size ? new T[Room(Size)]() : nullptr);
            std::move(FData.get(), FData.get() + std::min(Size, std::size_t{FSize}), data.get());
            FData = std::move(data);
        } else {
            // Slots given up keep nothing.
            std::fill(FData.get() + std::min(Size, std::size_t{FSize}), FData.get() + FSize, T{});
        }
        FSize = static_cast<std::uint32_t>(Size);
    }

    std::size_t CountUsed() const
    {
        return static_cast<std::size_t>(std::count_if(FData.get(), FData.get() + FSize, [](const T& v) { return !(v == T{}); }));
    }

    T Take(std::size_t Col)
    {
        const auto it = LowerBound(*FPairs, Col);
        if (it == FPairs->end() || it->first != Col) return T{};
        T value = std::move(it->second);
        FPairs->erase(it);
        return value;
    }

    void ToPairs()
    {
        auto pairs = std::make_unique<TPairs>();
        pairs->reserve(FUsed + 1);
        for (std::size_t c = 0; c < FSize; ++c)
            if (!(FData[c] == T{})) pairs->emplace_back(static_cast<std::uint32_t>(c), std::move(FData[c]));
        Clear();
        FPairs = std::move(pairs);
    }

    void ToArray()
    {
        std::unique_ptr<TPairs> pairs = std::move(FPairs);
        Resize(pairs->empty() ? 0 : pairs->back().first + std::size_t{1});
        for (auto& pair : *pairs)
            FData[pair.first] = std::move(pair.second);
        FUsed = static_cast<std::uint32_t>(pairs->size());
    }

    // After a change of columns, the form that fits the cells.
    void Settle()
    {
        if (!FPairs) {
            FUsed = static_cast<std::uint32_t>(CountUsed());
            if (!FitsArray(FSize, FUsed)) ToPairs();
        } else if (FitsArray(Extent(), FPairs->size())) {
            ToArray();
        }
    }

    std::unique_ptr<T[]> FData;
    std::uint32_t FSize = 0;
    // Of the array form: its cells as last counted, plus those added since.
    std::uint32_t FUsed = 0;
    std::unique_ptr<TPairs> FPairs;
};

} // namespace grid
