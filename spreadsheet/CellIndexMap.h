#pragma once
// A map from a cell of a grid to a number, kept in one flat table: recalculation
// looks cells up hundreds of thousands of times, and a node per entry would cost
// more than the formulas themselves.
#include <cstdint>
#include <vector>

#include "platform/ui/grids/GridTypes.h"

class TCellIndexMap {
public:
    static constexpr int None = -1;

    explicit TCellIndexMap(std::size_t Expected = 0) { Reserve(Expected); }

    // The number held for the cell, or None.
    int Find(const void* Grid, TGridCoord Cell) const noexcept
    {
        if (FSlots.empty()) return None;
        const std::uint64_t key = Key(Cell);
        for (std::size_t k = Hash(Grid, key) & FMask;; k = (k + 1) & FMask) {
            const TSlot& slot = FSlots[k];
            if (slot.Value == None) return None;
            if (slot.Key == key && slot.Grid == Grid) return slot.Value;
        }
    }

    // The number held for the cell; when the cell is new it is given Value first
    // and Inserted is set. Numbers are never negative.
    int& Emplace(const void* Grid, TGridCoord Cell, int Value, bool* Inserted = nullptr)
    {
        if ((FCount + 1) * 2 > FSlots.size()) Grow();
        const std::uint64_t key = Key(Cell);
        for (std::size_t k = Hash(Grid, key) & FMask;; k = (k + 1) & FMask) {
            TSlot& slot = FSlots[k];
            if (slot.Value == None) {
                slot = {key, Grid, Value};
                ++FCount;
                if (Inserted) *Inserted = true;
                return slot.Value;
            }
            if (slot.Key == key && slot.Grid == Grid) {
                if (Inserted) *Inserted = false;
                return slot.Value;
            }
        }
    }

    // Holds Value for the cell unless it holds one already; true when it was new.
    bool Insert(const void* Grid, TGridCoord Cell, int Value)
    {
        bool inserted = false;
        Emplace(Grid, Cell, Value, &inserted);
        return inserted;
    }

    void Clear()
    {
        FSlots.assign(FSlots.size(), TSlot{});
        FCount = 0;
    }

    // Empties the map for about Expected cells: a table far larger than that
    // is given up, so that emptying costs what the cells do.
    void Reset(std::size_t Expected)
    {
        if (FSlots.size() > 8 * SizeFor(Expected)) {
            FSlots.clear();
            FCount = 0;
        } else {
            Clear();
        }
        Reserve(Expected);
    }

    void Reserve(std::size_t Expected)
    {
        if (const std::size_t size = SizeFor(Expected); size > FSlots.size()) Rehash(size);
    }

    std::size_t Count() const noexcept { return FCount; }

private:
    static std::size_t SizeFor(std::size_t Expected) noexcept
    {
        std::size_t size = 16;
        while (size < Expected * 2) size *= 2;
        return size;
    }
    struct TSlot {
        std::uint64_t Key = 0;
        const void* Grid = nullptr;
        int Value = None;
    };

    static std::uint64_t Key(TGridCoord c) noexcept
    {
        return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(c.X)) << 32) | static_cast<std::uint32_t>(c.Y);
    }
    static std::size_t Hash(const void* Grid, std::uint64_t Key) noexcept
    {
        std::uint64_t h = Key ^ (reinterpret_cast<std::uintptr_t>(Grid) * 0x9E3779B97F4A7C15ull);
        h ^= h >> 33;
        h *= 0xFF51AFD7ED558CCDull;
        h ^= h >> 33;
        return static_cast<std::size_t>(h);
    }
    void Grow() { Rehash(FSlots.empty() ? 16 : FSlots.size() * 2); }
    void Rehash(std::size_t Size)
    {
        std::vector<TSlot> old(Size);
        old.swap(FSlots);
        FMask = Size - 1;
        FCount = 0;
        for (const TSlot& slot : old)
            if (slot.Value != None)
                for (std::size_t k = Hash(slot.Grid, slot.Key) & FMask;; k = (k + 1) & FMask)
                    if (FSlots[k].Value == None) {
                        FSlots[k] = slot;
                        ++FCount;
                        break;
                    }
    }

    std::vector<TSlot> FSlots;
    std::size_t FMask = 0;
    std::size_t FCount = 0;
};
