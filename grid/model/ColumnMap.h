// Which real columns of the string grid are hidden, the widths they had, and
// the mapping between real and display column indexes.
#pragma once

#include <vector>

namespace grid {

// Hidden columns stay in the cell store at their real index; only the shown
// set changes. The tables grow with the grid, so any number of columns maps
// right. Past the known columns, display and real indexes run side by side.
class TColumnMap {
public:
    int HiddenCount() const noexcept { return FHiddenCount; }
    bool IsHidden(int AReal) const noexcept;
    void SetHidden(int AReal, bool Value);
    // The width a hidden column had; 0 when never recorded.
    int Width(int AReal) const noexcept;
    void SetWidth(int AReal, int Value);

    int RealToDispl(int AReal) const;
    int DisplToReal(int ADispl) const;

    // Column insertion and removal in real indexes: flags and widths shift.
    void Insert(int AReal, int ACount);
    void Remove(int AReal, int ACount);
    void Move(int AFrom, int ATo);
    void Swap(int A, int B);
    void Clear();

private:
    void Ensure(int ACount);
    void BuildMaps() const;

    std::vector<unsigned char> FHidden;
    std::vector<int> FWidths;
    int FHiddenCount = 0;
    mutable std::vector<int> FDisplToReal;
    mutable std::vector<int> FRealToDispl;
    mutable bool FMapsValid = false;
};

} // namespace grid
