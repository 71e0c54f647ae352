#include "grid/model/SelectionSets.h"

#include <algorithm>
#include <utility>

namespace grid {

bool TIndexFlags::Get(int Index) const noexcept
{
    return Index >= 0 && Index < Size() && FStamps[static_cast<std::size_t>(Index)] != 0;
}

void TIndexFlags::Grow(int Count)
{
    if (Count > Size()) FStamps.resize(static_cast<std::size_t>(Count), 0);
}

bool TIndexFlags::Set(int Index, bool Value)
{
    if (Index < 0) return false;
    Grow(Index + 1);
    std::uint64_t& stamp = FStamps[static_cast<std::size_t>(Index)];
    if ((stamp != 0) == Value) return false;
    if (Value) {
        stamp = FNextStamp++;
        ++FFlagged;
        // The newest flag comes last, so a valid order only grows.
        if (FOrderValid) FOrder.push_back(Index);
    } else {
        stamp = 0;
        --FFlagged;
        Changed();
    }
    return true;
}

int TIndexFlags::FlaggedBelow(int Limit) const
{
    const auto end = FStamps.begin() + std::clamp(Limit, 0, Size());
    return static_cast<int>(std::count_if(FStamps.begin(), end, [](std::uint64_t s) { return s != 0; }));
}

const std::vector<int>& TIndexFlags::InFlagOrder() const
{
    if (!FOrderValid) {
        std::vector<std::pair<std::uint64_t, int>> stamped;
        stamped.reserve(static_cast<std::size_t>(FFlagged));
        for (int i = 0; i < Size(); ++i)
            if (const std::uint64_t s = FStamps[static_cast<std::size_t>(i)]) stamped.emplace_back(s, i);
        std::sort(stamped.begin(), stamped.end());
        FOrder.clear();
        for (const auto& entry : stamped) FOrder.push_back(entry.second);
        FOrderValid = true;
    }
    return FOrder;
}

std::vector<int> TIndexFlags::Flagged() const
{
    std::vector<int> result;
    result.reserve(static_cast<std::size_t>(FFlagged));
    for (int i = 0; i < Size(); ++i)
        if (FStamps[static_cast<std::size_t>(i)] != 0) result.push_back(i);
    return result;
}

void TIndexFlags::Clear()
{
    FStamps.clear();
    FFlagged = 0;
    FOrder.clear();
    FOrderValid = true;
}

void TIndexFlags::Remove(int Index, int Count)
{
    if (Index < 0 || Index >= Size() || Count < 1) return;
    const auto first = FStamps.begin() + Index;
    const auto last = FStamps.begin() + std::min(Size(), Index + Count);
    FFlagged -= static_cast<int>(std::count_if(first, last, [](std::uint64_t s) { return s != 0; }));
    FStamps.erase(first, last);
    Changed();
}

void TIndexFlags::RemoveEach(const std::vector<int>& Indexes)
{
    if (Indexes.empty()) return;
    std::size_t next = 0, kept = 0;
    for (std::size_t i = 0; i < FStamps.size(); ++i) {
        while (next < Indexes.size() && Indexes[next] < static_cast<int>(i)) ++next;
        if (next < Indexes.size() && Indexes[next] == static_cast<int>(i)) {
            if (FStamps[i] != 0) --FFlagged;
            continue;
        }
        FStamps[kept++] = FStamps[i];
    }
    FStamps.resize(kept);
    Changed();
}

void TIndexFlags::Insert(int Index, int Count)
{
    if (Index < 0 || Index >= Size() || Count < 1) return;
    FStamps.insert(FStamps.begin() + Index, static_cast<std::size_t>(Count), 0);
    Changed();
}

void TIndexFlags::Reorder(std::span<const int> Places, std::span<const int> Source)
{
    if (FFlagged == 0 || Places.size() != Source.size()) return;
    const auto stampAt = [&](int Index) {
        return Index >= 0 && Index < Size() ? FStamps[static_cast<std::size_t>(Index)] : std::uint64_t{0};
    };
    std::vector<std::uint64_t> moved(Places.size());
    bool any = false;
    for (std::size_t k = 0; k < Places.size(); ++k) {
        const auto from = static_cast<std::size_t>(Source[k]);
        moved[k] = from < Places.size() ? stampAt(Places[from]) : 0;
        any = any || moved[k] != 0;
    }
    if (!any) return;
    for (std::size_t k = 0; k < Places.size(); ++k)
        if (Places[k] >= 0 && (moved[k] != 0 || Places[k] < Size())) {
            Grow(Places[k] + 1);
            FStamps[static_cast<std::size_t>(Places[k])] = moved[k];
        }
    Changed();
}

std::uint64_t TCellSet::Key(int ACol, int ARow) noexcept
{
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(ARow)) << 32) | static_cast<std::uint32_t>(ACol);
}

bool TCellSet::Contains(int ACol, int ARow) const { return FStamps.contains(Key(ACol, ARow)); }

bool TCellSet::Add(int ACol, int ARow)
{
    if (!FStamps.try_emplace(Key(ACol, ARow), FNextStamp).second) return false;
    ++FNextStamp;
    if (FOrderValid) FOrder.push_back({ACol, ARow});
    return true;
}

bool TCellSet::Remove(int ACol, int ARow)
{
    if (FStamps.erase(Key(ACol, ARow)) == 0) return false;
    FOrderValid = false;
    return true;
}

TGridCoord TCellSet::Item(int Index) const
{
    if (Index < 0 || Index >= Count()) return {-1, -1};
    if (!FOrderValid) {
        std::vector<std::pair<std::uint64_t, std::uint64_t>> stamped;
        stamped.reserve(FStamps.size());
        for (const auto& [key, stamp] : FStamps) stamped.emplace_back(stamp, key);
        std::sort(stamped.begin(), stamped.end());
        FOrder.clear();
        for (const auto& entry : stamped)
            FOrder.push_back({static_cast<int>(static_cast<std::uint32_t>(entry.second)),
                              static_cast<int>(static_cast<std::uint32_t>(entry.second >> 32))});
        FOrderValid = true;
    }
    return FOrder[static_cast<std::size_t>(Index)];
}

void TCellSet::Clear()
{
    FStamps.clear();
    FOrder.clear();
    FOrderValid = true;
}

} // namespace grid
