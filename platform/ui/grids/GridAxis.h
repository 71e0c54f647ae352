// One axis of a grid (its columns or its rows): cell sizes and their
// positions, answered in O(log n) through a Fenwick tree of size deviations.
#pragma once

#include <cstdint>
#include <vector>

// Each cell takes its size plus the grid line after it. A negative size hides
// the cell: it takes no room at all, not even its line. Positions are kept as
// 64-bit sums and handed out clamped to int.
class TGridAxis {
public:
    TGridAxis(int count, int defaultSize, int lineWidth);

    int Count() const noexcept { return FCount; }
    // Cells beyond a shrunk count lose their sizes; new cells get the default.
    void SetCount(int count);
    int DefaultSize() const noexcept { return FDefaultSize; }
    // Every cell goes back to the new default.
    void SetDefaultSize(int size);
    int LineWidth() const noexcept { return FLineWidth; }
    void SetLineWidth(int width);

    int Size(int index) const;
    void SetSize(int index, int size);
    // Room the cell takes: its size plus the line, 0 when hidden.
    int Extent(int index) const { return ExtentOf(Size(index)); }
    // Pixels from the start of cell 0 to the start of cell index (0..Count).
    std::int64_t Offset(int index) const;
    // The cell holding pixel pos (counted from the start of cell 0); Count when
    // pos lies past the last cell, -1 when it is negative.
    int IndexAt(std::int64_t pos) const;
    // Moves the size of cell from to position to; the cells between shift by one.
    void Move(int from, int to);
    // True while every cell has the default size.
    bool Uniform() const noexcept { return FSizes.empty(); }

private:
    int ExtentOf(int size) const noexcept { return size < 0 ? 0 : size + FLineWidth; }
    int Deviation(int size) const noexcept { return ExtentOf(size) - ExtentOf(FDefaultSize); }
    void EnsureSizes();
    void Rebuild(int capacity);
    void Add(int index, std::int64_t delta);
    std::int64_t DeviationSum(int count) const;

    int FCount;
    int FDefaultSize;
    int FLineWidth;
    // Empty while all sizes are the default; else one entry per cell.
    std::vector<int> FSizes;
    // Fenwick tree (1-based) over the deviations from the default extent;
    // its capacity may exceed the count, with zero deviations past it.
    std::vector<std::int64_t> FTree;
};
