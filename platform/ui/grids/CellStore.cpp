// Sparse cell texts and object slots.
#include "platform/ui/grids/CellStore.h"

#include <algorithm>

#include "platform/rtl/Exceptions.h"

namespace {

const std::string EmptyText;

void CheckIndex(int index)
{
    if (index < 0) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

template <class Vector>
void MoveItem(Vector& items, int from, int to)
{
    std::size_t needed = static_cast<std::size_t>(std::max(from, to)) + 1;
    if (items.size() < needed) items.resize(needed);
    auto first = items.begin();
    if (from < to) std::rotate(first + from, first + from + 1, first + to + 1);
    else if (from > to) std::rotate(first + to, first + from, first + from + 1);
}

} // namespace

TGridCellStore::TGridCellStore() = default;
TGridCellStore::~TGridCellStore() = default;

const TGridCellStore::TRowCells* TGridCellStore::FindRow(int ARow) const noexcept
{
    auto r = static_cast<std::size_t>(ARow);
    return r < FRows.size() ? &FRows[r] : nullptr;
}

TGridCellStore::TRowCells& TGridCellStore::RowFor(int ACol, int ARow)
{
    auto r = static_cast<std::size_t>(ARow);
    if (r >= FRows.size()) FRows.resize(r + 1);
    TRowCells& row = FRows[r];
    if (row.Texts.capacity() == 0) row.Texts.reserve(static_cast<std::size_t>(std::max(FRowWidthHint, ACol + 1)));
    auto c = static_cast<std::size_t>(ACol);
    if (c >= row.Texts.size()) row.Texts.resize(c + 1);
    return row;
}

const std::string& TGridCellStore::Text(int ACol, int ARow) const
{
    CheckIndex(ACol);
    CheckIndex(ARow);
    const TRowCells* row = FindRow(ARow);
    auto c = static_cast<std::size_t>(ACol);
    return row && c < row->Texts.size() ? row->Texts[c] : EmptyText;
}

void TGridCellStore::SetText(int ACol, int ARow, std::string Value)
{
    CheckIndex(ACol);
    CheckIndex(ARow);
    // Clearing a cell that was never written allocates nothing.
    if (Value.empty() && Text(ACol, ARow).empty()) return;
    RowFor(ACol, ARow).Texts[static_cast<std::size_t>(ACol)] = std::move(Value);
}

TObject* TGridCellStore::Object(int ACol, int ARow) const
{
    CheckIndex(ACol);
    CheckIndex(ARow);
    const TRowCells* row = FindRow(ARow);
    auto c = static_cast<std::size_t>(ACol);
    return row && c < row->Objects.size() ? row->Objects[c] : nullptr;
}

std::vector<TGridCoord> TGridCellStore::ObjectCells() const
{
    std::vector<TGridCoord> cells;
    for (std::size_t r = 0; r < FRows.size(); ++r)
        for (std::size_t c = 0; c < FRows[r].Objects.size(); ++c)
            if (FRows[r].Objects[c]) cells.push_back({static_cast<int>(c), static_cast<int>(r)});
    return cells;
}

void TGridCellStore::SetObject(int ACol, int ARow, TObject* Value)
{
    CheckIndex(ACol);
    CheckIndex(ARow);
    if (!Value && !Object(ACol, ARow)) return;
    TRowCells& row = RowFor(ACol, ARow);
    auto c = static_cast<std::size_t>(ACol);
    if (row.Objects.size() <= c) row.Objects.resize(std::max(row.Texts.size(), c + 1), nullptr);
    row.Objects[c] = Value;
}

void TGridCellStore::MoveRow(int From, int To)
{
    CheckIndex(From);
    CheckIndex(To);
    if (From == To) return;
    MoveItem(FRows, From, To);
}

void TGridCellStore::MoveColumn(int From, int To)
{
    CheckIndex(From);
    CheckIndex(To);
    if (From == To) return;
    const std::size_t lo = static_cast<std::size_t>(std::min(From, To));
    for (auto& row : FRows) {
        // A row that holds nothing in the moved range keeps its short arrays.
        if (row.Texts.size() > lo) MoveItem(row.Texts, From, To);
        if (row.Objects.size() > lo) MoveItem(row.Objects, From, To);
    }
}

void TGridCellStore::Clear() { FRows.clear(); }

std::size_t TGridCellStore::AllocatedRows() const noexcept
{
    return static_cast<std::size_t>(
        std::count_if(FRows.begin(), FRows.end(), [](const TRowCells& r) { return !r.Texts.empty() || !r.Objects.empty(); }));
}
