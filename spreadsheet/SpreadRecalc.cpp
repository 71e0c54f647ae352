// Dependencies between cells and recalculation in dependency order: a change
// re-evaluates only the formulas that read it, each after the cells it reads,
// without recursion; formulas on a cycle are reported as circular.
#include <algorithm>

#include "grid/model/CellGraphic.h"
#include "platform/rtl/Strings.h"
#include "grid/base/QuillUtilCellText.h"
#include "spreadsheet/QuillSprd.h"

// The reference list.

void TCellRefList::Add(const TCellRef& Value)
{
    if (Value.Src == Value.Dst && Value.SrcGrd == Value.DstGrd) return;
    // The entries of one formula are added together, so a cell it names twice
    // finds its first entry as the latest of that source.
    if (const int latest = FLatest.Find(nullptr, Value.Src); latest != TCellIndexMap::None) {
        const TCellRef& held = FItems[static_cast<size_t>(latest)];
        if (held.Dst == Value.Dst && held.DstGrd == Value.DstGrd && held.SrcGrd == Value.SrcGrd) return;
    }
    FItems.push_back(Value);
    FEarlier.push_back(TCellIndexMap::None);
    Link(Count() - 1);
}

void TCellRefList::Link(int Index)
{
    bool inserted = false;
    int& latest = FLatest.Emplace(nullptr, FItems[static_cast<size_t>(Index)].Src, Index, &inserted);
    if (inserted) return;
    FEarlier[static_cast<size_t>(Index)] = latest;
    latest = Index;
}

void TCellRefList::Reindex()
{
    FLatest.Reset(FItems.size());
    FEarlier.assign(FItems.size(), TCellIndexMap::None);
    for (int k = 0; k < Count(); ++k) Link(k);
}

void TCellRefList::Delete(int Index)
{
    FItems.erase(FItems.begin() + Index);
    Reindex();
}

void TCellRefList::DeleteRef(const TQuillSpreadGrid* AGrid, TGridCoord gc)
{
    const auto before = FItems.size();
    std::erase_if(FItems, [&](const TCellRef& r) { return r.Dst == gc && r.DstGrd == AGrid; });
    if (FItems.size() != before) Reindex();
}

void TCellRefList::DeleteGrid(const TQuillSpreadGrid* AGrid)
{
    const auto before = FItems.size();
    std::erase_if(FItems, [&](const TCellRef& r) { return r.DstGrd == AGrid; });
    if (FItems.size() != before) Reindex();
}

void TCellRefList::DeleteAll()
{
    FItems.clear();
    FEarlier.clear();
    FLatest.Reset(0);
}

void TCellRefList::ClearAll()
{
    for (TCellRef& r : FItems) r.Dirty = false;
}

void TCellRefList::ClearCell(int ACol, int ARow)
{
    for (TCellRef& r : FItems)
        if (!(r.Src == TGridCoord{ACol, ARow})) r.Dirty = false;
}

// Finding references.

namespace {

bool IsTokenStart(char c) { return c == '$' || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool IsTokenChar(char c) { return IsTokenStart(c) || c == '!' || (c >= '0' && c <= ':'); }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

std::vector<TQuillSpreadGrid*> TQuillSpreadGrid::BoundGrids()
{
    std::vector<TQuillSpreadGrid*> grids;
    if (FBinder) {
        TGridBinderItems& items = FBinder->Grids();
        for (int k = 0; k < items.Count(); ++k)
            if (auto* grid = dynamic_cast<TQuillSpreadGrid*>(items.GetItem(k)->Grid()))
                if (std::find(grids.begin(), grids.end(), grid) == grids.end()) grids.push_back(grid);
    }
    if (std::find(grids.begin(), grids.end(), this) == grids.end()) grids.push_back(this);
    return grids;
}

void TQuillSpreadGrid::AddCellRefs(int ACol, int ARow, const std::string& Formula)
{
    const TGridCoord dst{ACol, ARow};
    bool circular = false;
    auto add = [&](TQuillSpreadGrid* srcGrid, TGridCoord src) {
        if (src.X < 0 || src.Y < 0 || src.X >= srcGrid->ColCount() || src.Y >= srcGrid->RowCount()) return;
        if (srcGrid == this && src == dst) {
            circular = true;
            return;
        }
        srcGrid->FCellRefList.Add({src, dst, srcGrid, this, false});
    };
    const std::string& f = Formula;
    size_t i = 0;
    bool quoted = false;
    while (i < f.size()) {
        const char c = f[i];
        if (c == '"') quoted = !quoted;
        // Text inside quotes is never a reference.
        if (quoted || !IsTokenStart(c)) {
            ++i;
            continue;
        }
        size_t end = i;
        while (end < f.size() && IsTokenChar(f[end])) ++end;
        std::string s;
        for (size_t k = i; k < end; ++k)
            if (f[k] != '$') s += f[k];
        bool taken = false;
        const int nameIndex = FGridFormula->CellNameList().IndexOf(s);
        if (nameIndex >= 0) {
            const auto packed = static_cast<std::uint32_t>(
                reinterpret_cast<std::uintptr_t>(FGridFormula->CellNameList().Objects(nameIndex)));
            add(this, {static_cast<int>(packed & 0xFFFF), static_cast<int>(packed >> 16)});
            taken = true;
        }
        TQuillSpreadGrid* target = this;
        if (const size_t bang = s.find('!'); bang != std::string::npos) {
            if (FBinder)
                if (auto* named = dynamic_cast<TQuillSpreadGrid*>(FBinder->Grids().GetGridByName(s.substr(0, bang))))
                    target = named;
            s.erase(0, bang + 1);
        }
        if (!taken && s.size() > 1 && (IsDigit(s[1]) || (s.size() > 2 && IsDigit(s[2])))) {
            if (s.find(':') == std::string::npos) {
                add(target, target->NameToCell(s));
            } else {
                TGridRect r = target->NameToRange(s);
                // Only the cells the grid has can be read.
                r.Left = std::max(r.Left, 0);
                r.Top = std::max(r.Top, 0);
                r.Right = std::min(r.Right, target->ColCount() - 1);
                r.Bottom = std::min(r.Bottom, target->RowCount() - 1);
                for (int col = r.Left; col <= r.Right; ++col)
                    for (int row = r.Top; row <= r.Bottom; ++row) add(target, {col, row});
            }
            taken = true;
        }
        i = taken ? end : i + 1;
    }
    if (circular) {
        StoreCellError(ACol, ARow, 1, 1);
        HandleError(ACol, ARow, feCircularReference, 1, 1);
    }
}

void TQuillSpreadGrid::RemoveCellRefs(int ACol, int ARow)
{
    for (TQuillSpreadGrid* grid : BoundGrids()) grid->FCellRefList.DeleteRef(this, {ACol, ARow});
}

void TQuillSpreadGrid::RebuildCellRefs()
{
    if (ComponentState().Contains(csDestroying)) return;
    for (TQuillSpreadGrid* grid : BoundGrids()) grid->FCellRefList.DeleteGrid(this);
    for (int c = FixedCols(); c < ColCount(); ++c)
        for (int r = FixedRows(); r < RowCount(); ++r) {
            const std::string& text = GetGridCell(c, r);
            if (!IsFormulaText(text)) continue;
            AddCellRefs(c, r, text.size() > 3 && text[0] == '|' ? rtl::Utf16ToUtf8(DecodeWideCellText(text)) : text);
        }
}

bool TQuillSpreadGrid::HasDirtyDependent(int ACol, int ARow) const
{
    bool dirty = false;
    FCellRefList.ForEachReader(ACol, ARow, [&](int index) { dirty = dirty || FCellRefList.CellRefs(index).Dirty; });
    return dirty;
}

// Evaluation order.

std::vector<TQuillSpreadGrid::TCellKey> TQuillSpreadGrid::DependentsOf(int ACol, int ARow)
{
    // Breadth first over the readers; the cells found are the queue.
    std::vector<TCellKey> found;
    TCellIndexMap seen;
    const auto follow = [&](const TCellKey& from) {
        TCellRefList& list = from.Grid->FCellRefList;
        list.ForEachReader(from.Cell.X, from.Cell.Y, [&](int index) {
            // The marks tell which references a propagation followed.
            list.SetDirty(index);
            const TCellRef ref = list.CellRefs(index);
            if (seen.Insert(ref.DstGrd, ref.Dst, 0)) found.push_back({ref.DstGrd, ref.Dst});
        });
    };
    follow({this, {ACol, ARow}});
    for (size_t next = 0; next < found.size(); ++next) follow(found[next]);
    return found;
}

void TQuillSpreadGrid::EvaluateCell(int ACol, int ARow)
{
    ClearCellState(ACol, ARow);
    std::string shown;
    GetDisplayCellText(ACol, ARow, shown);
    RepaintCell(ACol, ARow);
}

void TQuillSpreadGrid::EvaluateInOrder(const std::vector<TCellKey>& Cells, bool ReportCycles)
{
    // Kahn's order over the cells given: a cell is evaluated once every cell
    // of the set it reads has been. The readers within the set are looked up
    // once, into one array: readers[first[k] .. first[k + 1]) read cell k.
    // The table of the grid is reused while no evaluation runs inside another.
    TCellIndexMap scratch;
    TCellIndexMap& index = FOrderIndexInUse ? scratch : FOrderIndex;
    const bool wasInUse = FOrderIndexInUse;
    FOrderIndexInUse = true;
    struct TRelease {
        bool& InUse;
        bool Was;
        ~TRelease() { InUse = Was; }
    } release{FOrderIndexInUse, wasInUse};
    index.Reset(Cells.size());
    for (size_t k = 0; k < Cells.size(); ++k) index.Insert(Cells[k].Grid, Cells[k].Cell, static_cast<int>(k));
    std::vector<int> first(Cells.size() + 1, 0);
    std::vector<int> readers;
    std::vector<int> pending(Cells.size(), 0);
    for (size_t k = 0; k < Cells.size(); ++k) {
        const TCellRefList& list = Cells[k].Grid->FCellRefList;
        list.ForEachReader(Cells[k].Cell.X, Cells[k].Cell.Y, [&](int ref) {
            const TCellRef r = list.CellRefs(ref);
            if (const int to = index.Find(r.DstGrd, r.Dst); to != TCellIndexMap::None) {
                readers.push_back(to);
                ++pending[static_cast<size_t>(to)];
            }
        });
        first[k + 1] = static_cast<int>(readers.size());
    }
    std::vector<int> ready;
    for (size_t k = 0; k < Cells.size(); ++k)
        if (pending[k] == 0) ready.push_back(static_cast<int>(k));
    size_t done = 0;
    while (!ready.empty()) {
        const auto k = static_cast<size_t>(ready.back());
        ready.pop_back();
        ++done;
        Cells[k].Grid->EvaluateCell(Cells[k].Cell.X, Cells[k].Cell.Y);
        for (int e = first[k]; e < first[k + 1]; ++e) {
            const int to = readers[static_cast<size_t>(e)];
            if (--pending[static_cast<size_t>(to)] == 0) ready.push_back(to);
        }
    }
    if (done == Cells.size()) return;
    // What is left lies on a cycle or reads one: none of it has a value.
    for (size_t k = 0; k < Cells.size(); ++k) {
        if (pending[k] == 0) continue;
        TQuillSpreadGrid* grid = Cells[k].Grid;
        const TGridCoord c = Cells[k].Cell;
        grid->ClearCellState(c.X, c.Y);
        grid->StoreCellError(c.X, c.Y, 1, 1);
        if (ReportCycles) grid->HandleError(c.X, c.Y, feCircularReference, 1, 1);
        grid->RepaintCell(c.X, c.Y);
    }
}

void TQuillSpreadGrid::UpdateDependents(int ACol, int ARow)
{
    const std::vector<TCellKey> dependents = DependentsOf(ACol, ARow);
    if (!dependents.empty()) EvaluateInOrder(dependents, true);
}

void TQuillSpreadGrid::RecalcCell(int ACol, int ARow)
{
    if (HasFormula(ACol, ARow)) EvaluateCell(ACol, ARow);
    UpdateDependents(ACol, ARow);
}

void TQuillSpreadGrid::Recalc()
{
    DoBeforeRecalc();
    RebuildCellRefs();
    std::vector<TCellKey> formulas;
    for (int c = 0; c < ColCount(); ++c)
        for (int r = 0; r < RowCount(); ++r)
            if (IsFormulaText(GetGridCell(c, r))) formulas.push_back({this, {c, r}});
    // Formulas of other grids that read this grid's cells follow them; the
    // cells taken are only tracked once there is such a formula.
    TCellIndexMap seen;
    const size_t own = formulas.size();
    const auto take = [&](TQuillSpreadGrid* Grid, TGridCoord Cell) {
        if (seen.Count() == 0)
            for (size_t k = 0; k < own; ++k) seen.Insert(formulas[k].Grid, formulas[k].Cell, 0);
        if (seen.Insert(Grid, Cell, 0)) formulas.push_back({Grid, Cell});
    };
    for (size_t k = 0; k < own; ++k) {
        const TCellKey cell = formulas[k];
        FCellRefList.ForEachReader(cell.Cell.X, cell.Cell.Y, [&](int ref) {
            const TCellRef r = FCellRefList.CellRefs(ref);
            if (r.DstGrd == this) return;
            for (const TCellKey& more : r.DstGrd->DependentsOf(r.Dst.X, r.Dst.Y)) take(more.Grid, more.Cell);
            take(r.DstGrd, r.Dst);
        });
    }
    FCellRefList.ClearAll();
    EvaluateInOrder(formulas, true);
    DoAfterRecalc();
    TQuillStringGrid::DoCellsChanged({0, 0, ColCount() - 1, RowCount() - 1});
}

void TQuillSpreadGrid::DoBeforeRecalc()
{
    if (OnBeforeRecalc) OnBeforeRecalc(this);
}

void TQuillSpreadGrid::DoAfterRecalc()
{
    if (OnAfterRecalc) OnAfterRecalc(this);
}

// Triggers.

void TQuillSpreadGrid::SetCells(int c, int r, const std::string& Value)
{
    SetCellEx(c, r, Value);
    if (!IsFormulaText(Value)) return;
    ClearCellState(c, r);
    // A new formula's references count from now on, so that its dependents follow it.
    RemoveCellRefs(c, r);
    AddCellRefs(c, r, Value);
    if (FAutoRecalc) {
        for (TQuillSpreadGrid* grid : BoundGrids()) grid->FCellRefList.ClearAll();
        RecalcCell(c, r);
    }
}

void TQuillSpreadGrid::CellValueChanged(int ACol, int ARow)
{
    for (TQuillSpreadGrid* grid : BoundGrids()) grid->ClearRefFlags();
    RemoveCellRefs(ACol, ARow);
    const std::string& text = GetGridCell(ACol, ARow);
    if (IsFormulaText(text)) {
        AddCellRefs(ACol, ARow, text);
        EvaluateCell(ACol, ARow);
    } else if (GetCellGraphic(ACol, ARow)) {
        // A plain value keeps no result of the formula it replaced.
        ClearCellState(ACol, ARow);
    }
    if (FAutoRecalc) UpdateDependents(ACol, ARow);
}

bool TQuillSpreadGrid::ValidateCell(const std::string& NewValue)
{
    const TPoint base = BaseCell(Col(), Row());
    const int col = RealColIndex(base.X);
    const int row = base.Y;
    const std::string before = GetGridCell(col, row);
    const bool bracket = HasDirtyDependent(col, row);
    if (bracket) DoBeforeRecalc();
    bool valid = false;
    {
        // The edited cell is recalculated below with its dependents alone, not the whole grid.
        const bool wasEditing = FInEdit;
        FInEdit = true;
        valid = TQuillStringGrid::ValidateCell(NewValue);
        FInEdit = wasEditing;
    }
    if (valid && GetGridCell(col, row) != before) CellValueChanged(col, row);
    if (bracket) DoAfterRecalc();
    return valid;
}

void TQuillSpreadGrid::AfterPasteCells() { Recalc(); }

void TQuillSpreadGrid::DoCellsChanged(TRect R)
{
    TQuillStringGrid::DoCellsChanged(R);
    if (FInStructureChange || FInEdit) return;
    const bool wasChanging = FInStructureChange;
    FInStructureChange = true;
    if (FAutoHeaders) AutoSpreadHeaders();
    FInStructureChange = wasChanging;
    if (FAutoRecalc) Recalc();
}
