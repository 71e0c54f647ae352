// Column and row sizes with logarithmic position queries.
#include "platform/ui/grids/GridAxis.h"

#include <algorithm>
#include <bit>

#include "platform/rtl/Exceptions.h"

namespace {

[[noreturn]] void RangeError(int index)
{
    throw EListError("Grid index out of range (" + std::to_string(index) + ")");
}

} // namespace

TGridAxis::TGridAxis(int count, int defaultSize, int lineWidth)
    : FCount(std::max(count, 0)), FDefaultSize(defaultSize), FLineWidth(std::max(lineWidth, 0))
{
}

void TGridAxis::SetCount(int count)
{
    count = std::max(count, 0);
    if (count == FCount) return;
    if (!FSizes.empty()) {
        // Cells that leave drop their deviation so that the tree past the
        // count stays all zero.
        for (int i = count; i < FCount; ++i)
            if (int d = Deviation(FSizes[static_cast<std::size_t>(i)])) Add(i, -d);
        FSizes.resize(static_cast<std::size_t>(count), FDefaultSize);
        if (count + 1 > static_cast<int>(FTree.size())) Rebuild(count);
    }
    FCount = count;
}

void TGridAxis::SetDefaultSize(int size)
{
    FDefaultSize = size;
    FSizes.clear();
    FTree.clear();
}

void TGridAxis::SetLineWidth(int width)
{
    FLineWidth = std::max(width, 0);
    if (!FSizes.empty()) Rebuild(FCount);
}

int TGridAxis::Size(int index) const
{
    if (index < 0 || index >= FCount) RangeError(index);
    return FSizes.empty() ? FDefaultSize : FSizes[static_cast<std::size_t>(index)];
}

void TGridAxis::SetSize(int index, int size)
{
    if (index < 0 || index >= FCount) RangeError(index);
    if (FSizes.empty()) {
        if (size == FDefaultSize) return;
        EnsureSizes();
    }
    int& slot = FSizes[static_cast<std::size_t>(index)];
    if (int d = Deviation(size) - Deviation(slot)) Add(index, d);
    slot = size;
}

void TGridAxis::EnsureSizes()
{
    FSizes.assign(static_cast<std::size_t>(FCount), FDefaultSize);
    Rebuild(FCount);
}

void TGridAxis::Rebuild(int count)
{
    // Capacity to the next power of two so that repeated growth by one stays
    // amortised O(log n).
    std::size_t capacity = std::bit_ceil(static_cast<std::size_t>(std::max(count, 1)));
    FTree.assign(capacity + 1, 0);
    for (std::size_t i = 0; i < FSizes.size(); ++i) FTree[i + 1] = Deviation(FSizes[i]);
    for (std::size_t i = 1; i <= capacity; ++i) {
        std::size_t parent = i + (i & (~i + 1));
        if (parent <= capacity) FTree[parent] += FTree[i];
    }
}

void TGridAxis::Add(int index, std::int64_t delta)
{
    for (std::size_t i = static_cast<std::size_t>(index) + 1; i < FTree.size(); i += i & (~i + 1)) FTree[i] += delta;
}

std::int64_t TGridAxis::DeviationSum(int count) const
{
    std::int64_t sum = 0;
    for (std::size_t i = static_cast<std::size_t>(count); i > 0; i -= i & (~i + 1)) sum += FTree[i];
    return sum;
}

std::int64_t TGridAxis::Offset(int index) const
{
    if (index < 0 || index > FCount) RangeError(index);
    std::int64_t base = static_cast<std::int64_t>(index) * ExtentOf(FDefaultSize);
    return FSizes.empty() ? base : base + DeviationSum(index);
}

int TGridAxis::IndexAt(std::int64_t pos) const
{
    if (pos < 0) return -1;
    const std::int64_t unit = ExtentOf(FDefaultSize);
    if (FSizes.empty()) {
        if (unit == 0) return FCount;
        return static_cast<int>(std::min<std::int64_t>(pos / unit, FCount));
    }
    // Descend the tree: find the most cells whose total extent stays <= pos;
    // the next cell is the one holding pos. Hidden cells (extent 0) are
    // passed over, so the answer is always a cell that takes room.
    std::size_t at = 0;
    std::int64_t left = pos;
    for (std::size_t step = (FTree.size() - 1); step > 0; step >>= 1) {
        std::size_t next = at + step;
        if (next >= FTree.size()) continue;
        std::int64_t block = static_cast<std::int64_t>(step) * unit + FTree[next];
        if (block <= left) {
            at = next;
            left -= block;
        }
    }
    return static_cast<int>(std::min<std::size_t>(at, static_cast<std::size_t>(FCount)));
}

void TGridAxis::Move(int from, int to)
{
    if (from < 0 || from >= FCount) RangeError(from);
    if (to < 0 || to >= FCount) RangeError(to);
    if (from == to || FSizes.empty()) return;
    auto first = FSizes.begin();
    if (from < to) std::rotate(first + from, first + from + 1, first + to + 1);
    else std::rotate(first + to, first + from, first + from + 1);
    int lo = std::min(from, to), hi = std::max(from, to);
    // A short move updates the few cells touched; a long one rebuilds.
    if (hi - lo < 64) {
        for (int i = lo; i <= hi; ++i) {
            std::int64_t want = Deviation(FSizes[static_cast<std::size_t>(i)]);
            std::int64_t have = DeviationSum(i + 1) - DeviationSum(i);
            if (want != have) Add(i, want - have);
        }
    } else {
        Rebuild(static_cast<int>(FTree.size()) - 1);
    }
}
