// Hiding and showing many rows of the row store at once: a filter pass hides
// most of a million rows, and marking them one by one would keep the index
// tree up to date after every row.
#include "grid/model/RowStore.h"

#include <algorithm>
#include <iterator>

#include "platform/rtl/Exceptions.h"

namespace grid {

const std::vector<int>& TRowStore::ShownReals(std::vector<int>& Scratch) const
{
    if (FFlatValid) return FDisplToReal;
    Scratch.clear();
    Scratch.reserve(static_cast<std::size_t>(ShownCount()));
    for (int r = 0; r < FTotal; ++r)
        if (FHidden == 0 || !IsHidden(r)) Scratch.push_back(r);
    return Scratch;
}

void TRowStore::SettleFlatMaps(std::vector<int> Shown) const
{
    // A hidden row maps to the display index of the next shown row, as the
    // count of shown rows before it.
    FRealToDispl.resize(static_cast<std::size_t>(FTotal));
    std::size_t real = 0;
    for (std::size_t displ = 0; displ < Shown.size(); ++displ)
        for (const auto upTo = static_cast<std::size_t>(Shown[displ]); real <= upTo; ++real)
            FRealToDispl[real] = static_cast<int>(displ);
    for (; real < FRealToDispl.size(); ++real) FRealToDispl[real] = static_cast<int>(Shown.size());
    FDisplToReal = std::move(Shown);
    FFlatValid = true;
    FTreeValid = false;
    FLookupsSinceChange = 0;
}

void TRowStore::ShowMany(const std::vector<int>& Reals)
{
    int previous = -1;
    for (int real : Reals) {
        if (real <= previous || real >= FTotal)
            throw EListError("Row list out of order or out of bounds at " + std::to_string(real));
        previous = real;
    }
    std::vector<int> scratch;
    const std::vector<int>& before = ShownReals(scratch);
    int changed = 0;
    for (int real : Reals) {
        TRowRecord& row = Row(real);
        changed += row.Hidden ? 1 : 0;
        row.Hidden = false;
    }
    if (changed == 0) return;
    FHidden -= changed;
    // Rows shown before appear once.
    std::vector<int> shown;
    shown.reserve(static_cast<std::size_t>(ShownCount()));
    std::set_union(before.begin(), before.end(), Reals.begin(), Reals.end(), std::back_inserter(shown));
    SettleFlatMaps(std::move(shown));
}

void TRowStore::ForgetLevelRowsWhenNoneHidden()
{
    if (FHidden != 0) return;
    FLevelRows.clear();
    FLevelRowsKnown = true;
}

std::vector<int> TRowStore::ShowLevel(int Level)
{
    std::vector<int> rows;
    const auto remembered = FLevelRows.find(Level);
    const bool known = FLevelRowsKnown && remembered != FLevelRows.end();
    // Rows shown again or hidden otherwise since drop out of the list.
    for (int real : known ? remembered->second : HiddenReals()) {
        const TRowRecord* row = FindRow(real);
        if (row && row->Hidden && row->Level == Level) rows.push_back(real);
    }
    if (remembered != FLevelRows.end()) FLevelRows.erase(remembered);
    ShowMany(rows);
    ForgetLevelRowsWhenNoneHidden();
    return rows;
}

std::vector<int> TRowStore::HiddenReals() const
{
    std::vector<int> hidden;
    if (FHidden == 0) return hidden;
    hidden.reserve(static_cast<std::size_t>(FHidden));
    int real = 0;
    const auto takeUpTo = [&](int end) {
        for (; real < end; ++real) hidden.push_back(real);
    };
    std::vector<int> scratch;
    for (int shown : ShownReals(scratch)) {
        takeUpTo(shown);
        real = shown + 1;
    }
    takeUpTo(FTotal);
    return hidden;
}

} // namespace grid
