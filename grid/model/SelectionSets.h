// Flags by row or column index and sets of cells, for the grid's disjunct
// selections and its modified and disabled rows. Both remember the order in
// which entries were set; every operation is linear or better in the grid's size.
#pragma once

#include <cstdint>
#include <span>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/ui/grids/GridTypes.h"

namespace grid {

// R with its left column before its right and its top row above its bottom.
inline TGridRect OrderedRect(TGridRect R)
{
    if (R.Left > R.Right) std::swap(R.Left, R.Right);
    if (R.Top > R.Bottom) std::swap(R.Top, R.Bottom);
    return R;
}

// One flag per index, grown on demand with cleared flags.
class TIndexFlags {
public:
    // False beyond the end.
    bool Get(int Index) const noexcept;
    // Grows the list to Index + 1 entries; true when the flag changed.
    bool Set(int Index, bool Value);
    int Size() const noexcept { return static_cast<int>(FStamps.size()); }
    // Grows the list to at least Count entries.
    void Grow(int Count);
    int FlaggedCount() const noexcept { return FFlagged; }
    // The flagged indexes below Limit.
    int FlaggedBelow(int Limit) const;
    // The flagged indexes, in the order they were flagged.
    const std::vector<int>& InFlagOrder() const;
    // The flagged indexes, ascending.
    std::vector<int> Flagged() const;
    void Clear();
    // Removes Count entries from Index on; the later flags move down.
    void Remove(int Index, int Count);
    // Removes the entries at the given ascending indexes in one pass.
    void RemoveEach(const std::vector<int>& Indexes);
    // Inserts Count cleared entries before Index (only inside the list).
    void Insert(int Index, int Count);
    // Moves the flags with rows put in a new order: afterwards Places[k]
    // holds the flag (and its place in the flag order) of Places[Source[k]].
    void Reorder(std::span<const int> Places, std::span<const int> Source);

private:
    void Changed() noexcept { FOrderValid = false; }

    // The time a flag was set, 0 when cleared.
    std::vector<std::uint64_t> FStamps;
    std::uint64_t FNextStamp = 1;
    int FFlagged = 0;
    mutable std::vector<int> FOrder;
    mutable bool FOrderValid = true;
};

// Cells by full column and row, so that any cell of a large grid is kept apart.
class TCellSet {
public:
    bool Contains(int ACol, int ARow) const;
    // True when the cell was added or removed.
    bool Add(int ACol, int ARow);
    bool Remove(int ACol, int ARow);
    int Count() const noexcept { return static_cast<int>(FStamps.size()); }
    // The Index-th cell in the order added; (-1, -1) outside the set.
    TGridCoord Item(int Index) const;
    void Clear();

private:
    static std::uint64_t Key(int ACol, int ARow) noexcept;

    std::unordered_map<std::uint64_t, std::uint64_t> FStamps;
    std::uint64_t FNextStamp = 1;
    mutable std::vector<TGridCoord> FOrder;
    mutable bool FOrderValid = true;
};

} // namespace grid
