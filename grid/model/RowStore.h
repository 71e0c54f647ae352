// The string grid's cell data: every row in its real place, hidden or shown,
// with the mapping between real and display row indexes.
#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "grid/model/RowCells.h"

class TObject;

namespace grid {

// One row of the grid. Its texts live here once, whether the row is shown or
// hidden; moving rows moves these records, never their cells.
struct alignas(64) TRowRecord {
    TRowCells<std::string> Texts;
    // Empty until the row gets an object; the grid owns what it puts here.
    TRowCells<TObject*> Objects;
    bool Hidden = false;
    // Of a hidden row: its height when it was hidden and the filter pass that
    // hid it (NoFilterLevel for rows hidden otherwise).
    int Height = 0;
    int Level = 0;
    static constexpr int NoFilterLevel = -1;
};

// Rows are kept in real order. The first Total() records are the grid's rows
// (hidden ones included); records past them hold data beyond the counts,
// which reappears when the grid grows. Display indexes count the shown rows;
// past the shown rows, display and real indexes run on side by side.
class TRowStore {
public:
    int Total() const noexcept { return FTotal; }
    int HiddenCount() const noexcept { return FHidden; }
    int ShownCount() const noexcept { return FTotal - FHidden; }

    // Texts and objects by column and real row; anything may be read, a
    // negative index raises EListError.
    const std::string& Text(int ACol, int AReal) const;
    void SetText(int ACol, int AReal, std::string Value);
    TObject* Object(int ACol, int AReal) const;
    void SetObject(int ACol, int AReal, TObject* Value);
    // The record of a real row, made on demand.
    TRowRecord& Row(int AReal);
    const TRowRecord* FindRow(int AReal) const noexcept;
    // How many columns a row's texts make room for when it is first written
    // (the grid's width; the row's cells cap it).
    void SetRowWidthHint(int Columns) noexcept { FRowWidthHint = Columns < 1 ? 1 : static_cast<std::size_t>(Columns); }

    bool IsHidden(int AReal) const noexcept;
    void SetHidden(int AReal, bool Value);

    // Index mapping: O(1) once the map has settled, O(log n) between changes.
    int RealToDispl(int AReal) const;
    int DisplToReal(int ADispl) const;

    // Grows or shrinks the grid to ACount shown rows. Shrinking keeps the
    // cut rows as data beyond the counts; hidden rows among them are shown.
    void SetShownCount(int ACount);
    // Inserts ACount empty shown rows before real row AReal (at most Total()).
    void InsertRows(int AReal, int ACount);
    // Removes the records of the real rows [AFrom, ATo) for which Drop is
    // true, keeping the others in order; returns the removed records.
    template <class Pred>
    std::vector<TRowRecord> RemoveRows(int AFrom, int ATo, Pred Drop);
    // Moves real row AFrom to real place ATo; the rows between shift by one.
    void MoveRow(int AFrom, int ATo);
    void SwapRows(int A, int B);
    // Moves column AFrom to ATo in every row; columns between shift by one.
    void MoveColumn(int AFrom, int ATo);
    void SwapColumns(int A, int B);
    // Inserts ACount empty columns before ACol, or removes ACount columns
    // from ACol, in every row (objects removed are not freed).
    void InsertColumns(int ACol, int ACount);
    void RemoveColumns(int ACol, int ACount);
    // Forgets every row: counts and data.
    void Clear();
    // Every object of every record, for the grid to free.
    std::vector<TObject*> AllObjects() const;

    // Puts rows in a new order in one pass: afterwards real row Places[k]
    // holds the record that stood at Places[Source[k]]. Source must be a
    // permutation of 0 .. Places.size()-1 and Places distinct real rows;
    // anything else raises EListError before a record moves.
    void ReorderRows(std::span<const int> Places, std::span<const int> Source);

    // Hiding and showing many rows in one pass: the flags change, then the
    // index maps are rebuilt once from the shown rows, without visiting the
    // rows that keep their state.
    // Hides the display rows flagged in Drop (indexed by display row; flags
    // past the shown rows are passed over) at filter level Level (or
    // NoFilterLevel), calling Hide(display row, record) for each before it is
    // marked; returns how many were hidden.
    template <class OnHide>
    int HideDisplayRows(const std::vector<unsigned char>& Drop, int Level, OnHide Hide);
    // Shows the listed real rows: ascending, below Total() (else EListError,
    // with nothing changed); rows already shown are passed over.
    void ShowMany(const std::vector<int>& Reals);
    // Shows every row hidden at filter level Level and returns them,
    // ascending. The rows each level hid are remembered while no hidden row
    // moves, so only they are visited; otherwise every hidden row is.
    std::vector<int> ShowLevel(int Level);
    // The hidden real rows, ascending, found between the shown ones.
    std::vector<int> HiddenReals() const;
private:
    void MarkStructureChanged() noexcept;
    void AppendShown(int ACount);
    void EnsureTree() const;
    // Shown rows among the first ACount real rows.
    int ShownBefore(int ACount) const;
    int SelectShown(int ADispl) const;
    void BuildFlatMaps() const;
    void TreeAdd(int AReal, int Delta) const;
    void EnsureRecords(int ACount);
    // Closes the gap between AKept and AEnd left by RemoveRows.
    void AfterRemoval(std::size_t AKept, std::size_t AEnd);
    // The real rows shown, ascending: the flat map when it is valid, else
    // Scratch filled.
    const std::vector<int>& ShownReals(std::vector<int>& Scratch) const;
    // Makes the flat maps from the shown rows, ascending, and settles them.
    void SettleFlatMaps(std::vector<int> Shown) const;
    // Starts the levels' rows afresh when no row is hidden.
    void ForgetLevelRowsWhenNoneHidden();

    std::vector<TRowRecord> FRows;
    int FTotal = 0;
    int FHidden = 0;
    std::size_t FRowWidthHint = 1;

    // Fenwick tree over "row is shown" for the first FTotal rows; rebuilt
    // lazily after structural changes.
    mutable std::vector<int> FTree;
    mutable bool FTreeValid = false;
    // Flat maps, built once enough lookups follow a change to pay for them.
    mutable std::vector<int> FDisplToReal;
    mutable std::vector<int> FRealToDispl;
    mutable bool FFlatValid = false;
    mutable std::int64_t FLookupsSinceChange = 0;

    // The real rows each filter level hid, ascending; to be trusted only
    // while FLevelRowsKnown, which a hidden row moving or a row hidden alone
    // at a level clears.
    std::map<int, std::vector<int>> FLevelRows;
    bool FLevelRowsKnown = true;
};

template <class Pred>
std::vector<TRowRecord> TRowStore::RemoveRows(int AFrom, int ATo, Pred Drop)
{
    std::vector<TRowRecord> removed;
    if (AFrom < 0) AFrom = 0;
    if (ATo > FTotal) ATo = FTotal;
    if (AFrom >= ATo) return removed;
    EnsureRecords(ATo);
    std::size_t write = static_cast<std::size_t>(AFrom);
    for (std::size_t read = write; read < static_cast<std::size_t>(ATo); ++read) {
        if (Drop(static_cast<int>(read), FRows[read])) {
            removed.push_back(std::move(FRows[read]));
            continue;
        }
        if (write != read) FRows[write] = std::move(FRows[read]);
        ++write;
    }
    for (const TRowRecord& r : removed)
        if (r.Hidden) --FHidden;
    AfterRemoval(write, static_cast<std::size_t>(ATo));
    return removed;
}

template <class OnHide>
int TRowStore::HideDisplayRows(const std::vector<unsigned char>& Drop, int Level, OnHide Hide)
{
    ForgetLevelRowsWhenNoneHidden();
    std::vector<int> scratch;
    const std::vector<int>& before = ShownReals(scratch);
    const std::size_t flagged = std::min(Drop.size(), before.size());
    std::vector<int> shown;
    shown.reserve(before.size());
    std::vector<int> hidden;
    EnsureRecords(FTotal);
    for (std::size_t d = 0; d < before.size(); ++d) {
        const int real = before[d];
        if (d >= flagged || !Drop[d]) {
            shown.push_back(real);
            continue;
        }
        TRowRecord& row = FRows[static_cast<std::size_t>(real)];
        Hide(static_cast<int>(d), row);
        row.Hidden = true;
        row.Level = Level;
        hidden.push_back(real);
    }
    if (hidden.empty()) return 0;
    FHidden += static_cast<int>(hidden.size());
    SettleFlatMaps(std::move(shown));
    const int count = static_cast<int>(hidden.size());
    if (Level != TRowRecord::NoFilterLevel) {
        // A level hiding rows twice is not one list any more.
        if (FLevelRows.contains(Level)) FLevelRowsKnown = false;
        FLevelRows[Level] = std::move(hidden);
    }
    return count;
}

} // namespace grid
