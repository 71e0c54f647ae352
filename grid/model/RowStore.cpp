// Rows in real order, hidden flags and the real/display index mapping.
#include "grid/model/RowStore.h"

#include <algorithm>
#include <functional>
#include <numeric>

#include "platform/rtl/Exceptions.h"

namespace grid {

namespace {

const std::string EmptyText;

void CheckIndex(int index)
{
    if (index < 0) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

template <class Vector>
void Rotate(Vector& items, std::size_t from, std::size_t to)
{
    auto first = items.begin();
    if (from < to) std::rotate(first + from, first + from + 1, first + to + 1);
    else if (from > to) std::rotate(first + to, first + from, first + from + 1);
}

} // namespace

const TRowRecord* TRowStore::FindRow(int AReal) const noexcept
{
    auto r = static_cast<std::size_t>(AReal);
    return AReal >= 0 && r < FRows.size() ? &FRows[r] : nullptr;
}

void TRowStore::EnsureRecords(int ACount)
{
    if (static_cast<std::size_t>(ACount) > FRows.size()) FRows.resize(static_cast<std::size_t>(ACount));
}

TRowRecord& TRowStore::Row(int AReal)
{
    CheckIndex(AReal);
    EnsureRecords(AReal + 1);
    return FRows[static_cast<std::size_t>(AReal)];
}

const std::string& TRowStore::Text(int ACol, int AReal) const
{
    CheckIndex(ACol);
    CheckIndex(AReal);
    const TRowRecord* row = FindRow(AReal);
    const std::string* text = row ? row->Texts.Find(static_cast<std::size_t>(ACol)) : nullptr;
    return text ? *text : EmptyText;
}

void TRowStore::SetText(int ACol, int AReal, std::string Value)
{
    CheckIndex(ACol);
    CheckIndex(AReal);
    // Clearing a cell that was never written allocates nothing.
    if (Value.empty() && Text(ACol, AReal).empty()) return;
    Row(AReal).Texts.Slot(static_cast<std::size_t>(ACol), FRowWidthHint) = std::move(Value);
}

TObject* TRowStore::Object(int ACol, int AReal) const
{
    CheckIndex(ACol);
    CheckIndex(AReal);
    const TRowRecord* row = FindRow(AReal);
    TObject* const* object = row ? row->Objects.Find(static_cast<std::size_t>(ACol)) : nullptr;
    return object ? *object : nullptr;
}

void TRowStore::SetObject(int ACol, int AReal, TObject* Value)
{
    CheckIndex(ACol);
    CheckIndex(AReal);
    if (!Value && !Object(ACol, AReal)) return;
    Row(AReal).Objects.Slot(static_cast<std::size_t>(ACol)) = Value;
}

bool TRowStore::IsHidden(int AReal) const noexcept
{
    const TRowRecord* row = AReal < FTotal ? FindRow(AReal) : nullptr;
    return row && row->Hidden;
}

void TRowStore::SetHidden(int AReal, bool Value)
{
    CheckIndex(AReal);
    if (AReal >= FTotal || IsHidden(AReal) == Value) return;
    Row(AReal).Hidden = Value;
    // A row hidden alone under a filter level is not among the level's rows.
    if (Value && Row(AReal).Level != TRowRecord::NoFilterLevel) FLevelRowsKnown = false;
    FHidden += Value ? 1 : -1;
    if (FTreeValid) TreeAdd(AReal, Value ? -1 : 1);
    FFlatValid = false;
    FLookupsSinceChange = 0;
}

void TRowStore::MarkStructureChanged() noexcept
{
    FLevelRowsKnown = false;
    FTreeValid = false;
    FFlatValid = false;
    FLookupsSinceChange = 0;
}

void TRowStore::TreeAdd(int AReal, int Delta) const
{
    for (std::size_t i = static_cast<std::size_t>(AReal) + 1; i < FTree.size(); i += i & (~i + 1)) FTree[i] += Delta;
}

void TRowStore::EnsureTree() const
{
    if (FTreeValid) return;
    const auto n = static_cast<std::size_t>(FTotal);
    FTree.assign(n + 1, 0);
    for (std::size_t i = 1; i <= n; ++i) {
        const TRowRecord* row = i - 1 < FRows.size() ? &FRows[i - 1] : nullptr;
        FTree[i] += row && row->Hidden ? 0 : 1;
        const std::size_t parent = i + (i & (~i + 1));
        if (parent <= n) FTree[parent] += FTree[i];
    }
    FTreeValid = true;
}

int TRowStore::ShownBefore(int ACount) const
{
    EnsureTree();
    int sum = 0;
    for (std::size_t i = static_cast<std::size_t>(ACount); i > 0; i -= i & (~i + 1)) sum += FTree[i];
    return sum;
}

int TRowStore::SelectShown(int ADispl) const
{
    // The real row holding the (ADispl + 1)-th shown row: descend the tree.
    EnsureTree();
    std::size_t pos = 0;
    int remaining = ADispl + 1;
    std::size_t step = 1;
    while (step * 2 < FTree.size()) step *= 2;
    for (; step > 0; step /= 2)
        if (pos + step < FTree.size() && FTree[pos + step] < remaining) {
            pos += step;
            remaining -= FTree[pos];
        }
    return static_cast<int>(pos);
}

void TRowStore::BuildFlatMaps() const
{
    FDisplToReal.clear();
    FDisplToReal.reserve(static_cast<std::size_t>(ShownCount()));
    FRealToDispl.resize(static_cast<std::size_t>(FTotal));
    int shown = 0;
    for (int r = 0; r < FTotal; ++r) {
        FRealToDispl[static_cast<std::size_t>(r)] = shown;
        if (!IsHidden(r)) {
            FDisplToReal.push_back(r);
            ++shown;
        }
    }
    FFlatValid = true;
}

int TRowStore::RealToDispl(int AReal) const
{
    if (FHidden == 0 || AReal < 0) return AReal;
    if (AReal >= FTotal) return AReal - FHidden;
    if (!FFlatValid && ++FLookupsSinceChange > FTotal / 16 + 64) BuildFlatMaps();
    if (FFlatValid) return FRealToDispl[static_cast<std::size_t>(AReal)];
    return ShownBefore(AReal);
}

int TRowStore::DisplToReal(int ADispl) const
{
    if (FHidden == 0 || ADispl < 0) return ADispl;
    if (ADispl >= ShownCount()) return ADispl + FHidden;
    if (!FFlatValid && ++FLookupsSinceChange > FTotal / 16 + 64) BuildFlatMaps();
    if (FFlatValid) return FDisplToReal[static_cast<std::size_t>(ADispl)];
    return SelectShown(ADispl);
}

void TRowStore::AppendShown(int ACount)
{
    if (!FTreeValid) {
        FTotal += ACount;
        MarkStructureChanged();
        return;
    }
    // Appending to a Fenwick tree: each new node sums its own span.
    const int oldTotal = FTotal;
    FTotal += ACount;
    FTree.resize(static_cast<std::size_t>(FTotal) + 1, 0);
    for (int r = oldTotal; r < FTotal; ++r) {
        const std::size_t i = static_cast<std::size_t>(r) + 1;
        const std::size_t low = i & (~i + 1);
        FTree[i] = 1 + ShownBefore(r) - ShownBefore(static_cast<int>(i - low));
    }
    FFlatValid = false;
    FLookupsSinceChange = 0;
}

void TRowStore::SetShownCount(int ACount)
{
    ACount = std::max(ACount, 0);
    const int shown = ShownCount();
    if (ACount == shown) return;
    if (ACount > shown) {
        // Rows past the grid come back as they were; they are never hidden.
        AppendShown(ACount - shown);
        return;
    }
    const int cut = ACount == 0 ? 0 : DisplToReal(ACount - 1) + 1;
    for (int r = cut; r < FTotal; ++r)
        if (r < static_cast<int>(FRows.size()) && FRows[static_cast<std::size_t>(r)].Hidden) {
            FRows[static_cast<std::size_t>(r)].Hidden = false;
            --FHidden;
        }
    FTotal = cut;
    MarkStructureChanged();
}

void TRowStore::InsertRows(int AReal, int ACount)
{
    CheckIndex(AReal);
    if (ACount <= 0) return;
    AReal = std::min(AReal, FTotal);
    if (static_cast<std::size_t>(AReal) < FRows.size())
        FRows.insert(FRows.begin() + AReal, static_cast<std::size_t>(ACount), TRowRecord{});
    if (AReal == FTotal) {
        AppendShown(ACount);
        return;
    }
    FTotal += ACount;
    MarkStructureChanged();
}

void TRowStore::AfterRemoval(std::size_t AKept, std::size_t AEnd)
{
    const std::size_t removed = AEnd - AKept;
    std::move(FRows.begin() + static_cast<std::ptrdiff_t>(AEnd), FRows.end(),
              FRows.begin() + static_cast<std::ptrdiff_t>(AKept));
    FRows.resize(FRows.size() - removed);
    FTotal -= static_cast<int>(removed);
    MarkStructureChanged();
}

void TRowStore::MoveRow(int AFrom, int ATo)
{
    CheckIndex(AFrom);
    CheckIndex(ATo);
    if (AFrom == ATo) return;
    EnsureRecords(std::max(AFrom, ATo) + 1);
    Rotate(FRows, static_cast<std::size_t>(AFrom), static_cast<std::size_t>(ATo));
    MarkStructureChanged();
}

void TRowStore::SwapRows(int A, int B)
{
    CheckIndex(A);
    CheckIndex(B);
    if (A == B) return;
    EnsureRecords(std::max(A, B) + 1);
    std::swap(FRows[static_cast<std::size_t>(A)], FRows[static_cast<std::size_t>(B)]);
    MarkStructureChanged();
}

void TRowStore::MoveColumn(int AFrom, int ATo)
{
    CheckIndex(AFrom);
    CheckIndex(ATo);
    const auto from = static_cast<std::size_t>(AFrom), to = static_cast<std::size_t>(ATo);
    for (TRowRecord& row : FRows) {
        row.Texts.Move(from, to);
        row.Objects.Move(from, to);
    }
}

void TRowStore::SwapColumns(int A, int B)
{
    CheckIndex(A);
    CheckIndex(B);
    const auto a = static_cast<std::size_t>(A), b = static_cast<std::size_t>(B);
    for (TRowRecord& row : FRows) {
        row.Texts.Swap(a, b);
        row.Objects.Swap(a, b);
    }
}

void TRowStore::InsertColumns(int ACol, int ACount)
{
    CheckIndex(ACol);
    if (ACount <= 0) return;
    for (TRowRecord& row : FRows) {
        row.Texts.Insert(static_cast<std::size_t>(ACol), static_cast<std::size_t>(ACount));
        row.Objects.Insert(static_cast<std::size_t>(ACol), static_cast<std::size_t>(ACount));
    }
}

void TRowStore::RemoveColumns(int ACol, int ACount)
{
    CheckIndex(ACol);
    if (ACount <= 0) return;
    for (TRowRecord& row : FRows) {
        row.Texts.Erase(static_cast<std::size_t>(ACol), static_cast<std::size_t>(ACount));
        row.Objects.Erase(static_cast<std::size_t>(ACol), static_cast<std::size_t>(ACount));
    }
}

void TRowStore::Clear()
{
    FRows.clear();
    FTotal = 0;
    FHidden = 0;
    MarkStructureChanged();
}

std::vector<TObject*> TRowStore::AllObjects() const
{
    std::vector<TObject*> objects;
    for (const TRowRecord& row : FRows)
        row.Objects.ForEach([&objects](TObject* o) {
            if (o) objects.push_back(o);
        });
    return objects;
}

} // namespace grid

// Reordering.

namespace grid {

void TRowStore::ReorderRows(std::span<const int> Places, std::span<const int> Source)
{
    const std::size_t count = Places.size();
    if (Source.size() != count) throw EListError("Row order of " + std::to_string(Source.size()) + " entries for " +
                                                 std::to_string(count) + " rows");
    int highest = -1;
    std::vector<unsigned char> seen(count, 0);
    for (std::size_t k = 0; k < count; ++k) {
        CheckIndex(Places[k]);
        highest = std::max(highest, Places[k]);
        const int from = Source[k];
        if (from < 0 || static_cast<std::size_t>(from) >= count || seen[static_cast<std::size_t>(from)])
            throw EListError("Row order entry " + std::to_string(k) + " (" + std::to_string(from) +
                             ") is no place of the order");
        seen[static_cast<std::size_t>(from)] = 1;
    }
    // Places in rising order are distinct; others are checked in a sorted
    // copy, so a short order far down a long store costs only its length.
    if (!std::is_sorted(Places.begin(), Places.end(), std::less_equal<int>())) {
        std::vector<int> sorted(Places.begin(), Places.end());
        std::sort(sorted.begin(), sorted.end());
        if (const auto twice = std::adjacent_find(sorted.begin(), sorted.end()); twice != sorted.end())
            throw EListError("Row " + std::to_string(*twice) + " stands twice in a row order");
    }
    if (count < 2) return;
    EnsureRecords(highest + 1);
    // The records are read in their new order, with those a few entries
    // ahead already on their way from memory.
    constexpr std::size_t lookAhead = 16;
    bool hiddenMoved = false;
    if (count * 2 >= FRows.size()) {
        // Most records move: they are gathered into a new array, which is
        // written once from front to back, and it takes the old one's place.
        std::vector<std::uint32_t> from(FRows.size());
        std::iota(from.begin(), from.end(), 0u);
        for (std::size_t k = 0; k < count; ++k)
            from[static_cast<std::size_t>(Places[k])] = static_cast<std::uint32_t>(Places[static_cast<std::size_t>(Source[k])]);
        std::vector<TRowRecord> reordered;
        reordered.reserve(FRows.size());
        for (std::size_t i = 0; i < from.size(); ++i) {
            if (i + lookAhead < from.size()) __builtin_prefetch(&FRows[from[i + lookAhead]], 1);
            reordered.push_back(std::move(FRows[from[i]]));
            // A moved-from record still tells whether its place was hidden.
            hiddenMoved = hiddenMoved || (FHidden > 0 && reordered.back().Hidden != FRows[i].Hidden);
            if (reordered.back().Hidden && from[i] != i) FLevelRowsKnown = false;
        }
        FRows.swap(reordered);
    } else {
        // A few records move: they are gathered aside and written back to
        // their places.
        const auto place = [&](std::size_t k) -> TRowRecord& { return FRows[static_cast<std::size_t>(Places[k])]; };
        std::vector<TRowRecord> ordered;
        ordered.reserve(count);
        for (std::size_t k = 0; k < count; ++k) {
            if (k + lookAhead < count) __builtin_prefetch(&place(static_cast<std::size_t>(Source[k + lookAhead])), 1);
            ordered.push_back(std::move(place(static_cast<std::size_t>(Source[k]))));
        }
        for (std::size_t k = 0; k < count; ++k) {
            hiddenMoved = hiddenMoved || (FHidden > 0 && ordered[k].Hidden != place(k).Hidden);
            if (ordered[k].Hidden && Source[k] != static_cast<int>(k)) FLevelRowsKnown = false;
            place(k) = std::move(ordered[k]);
        }
    }
    if (hiddenMoved) MarkStructureChanged();
}

} // namespace grid
