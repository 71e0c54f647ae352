// References that follow their cells: rows and columns inserted or removed,
// formulas moved and pasted, cells cleared.
#include <algorithm>
#include <memory>
#include <vector>

#include "grid/base/QuillUtilCellText.h"
#include "grid/model/CellGraphic.h"
#include "platform/rtl/Strings.h"
#include "spreadsheet/QuillSprd.h"

namespace {

constexpr const char* DeletedReference = "#REF!";

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// One corner of a reference as written: $ marks and the column and row texts.
struct TCorner {
    bool AbsCol = false;
    bool AbsRow = false;
    TGridCoord Cell{-1, -1};
};

// Reads "$A$1" (A1 form) or "R1C1" from Text at Pos; false when no corner starts there.
bool ReadCorner(const TQuillSpreadGrid& G, std::string_view t, size_t& pos, TCorner& c)
{
    size_t k = pos;
    std::string name;
    if (G.CellNameMode() == nmRC) {
        if (k >= t.size() || (t[k] != 'R' && t[k] != 'r')) return false;
        name += t[k++];
        const size_t digits = k;
        while (k < t.size() && IsDigit(t[k])) name += t[k++];
        if (k == digits || k >= t.size() || (t[k] != 'C' && t[k] != 'c')) return false;
        name += t[k++];
        const size_t colDigits = k;
        while (k < t.size() && IsDigit(t[k])) name += t[k++];
        if (k == colDigits) return false;
    } else {
        if (k < t.size() && t[k] == '$') {
            c.AbsCol = true;
            ++k;
        }
        const size_t letters = k;
        while (k < t.size() && IsLetter(t[k])) name += t[k++];
        if (k - letters < 1 || k - letters > 2) return false;
        if (k < t.size() && t[k] == '$') {
            c.AbsRow = true;
            ++k;
        }
        const size_t digits = k;
        while (k < t.size() && IsDigit(t[k])) name += t[k++];
        if (k == digits) return false;
    }
    c.Cell = G.NameToCell(name);
    pos = k;
    return true;
}

std::string WriteCorner(const TQuillSpreadGrid& G, const TCorner& c)
{
    std::string colPart, rowPart;
    G.CellToNameParts(c.Cell.X, c.Cell.Y, colPart, rowPart);
    if (G.CellNameMode() == nmRC) return rowPart + colPart;
    return (c.AbsCol ? "$" : "") + colPart + (c.AbsRow ? "$" : "") + rowPart;
}

// How one axis of the cells moves: Count cells inserted (positive) or removed
// (negative) at From, or, with From below 0, every relative coordinate moved by Count.
struct TAxisShift {
    int From = 0;
    int Count = 0;
    bool Translate = false;
    int Fixed = 0;

    // The new coordinate of a single cell; false when the cell is gone.
    bool Cell(int& v, bool absolute) const
    {
        if (Count == 0) return true;
        if (Translate) {
            if (absolute) return true;
            v += Count;
            return v >= Fixed;
        }
        if (Count > 0) {
            if (v >= From) v += Count;
            return true;
        }
        const int removedEnd = From - Count;
        if (v >= removedEnd) v += Count;
        else if (v >= From) return false;
        return true;
    }
    // The new bounds of a range; false when all of it is gone.
    bool Range(int& lo, int& hi, bool absLo, bool absHi) const
    {
        if (Count >= 0 || Translate) return Cell(lo, absLo) & Cell(hi, absHi);
        const int removedEnd = From - Count;
        if (lo >= From && hi < removedEnd) return false;
        lo = lo >= removedEnd ? lo + Count : (lo >= From ? From : lo);
        hi = hi >= removedEnd ? hi + Count : (hi >= From ? From - 1 : hi);
        return true;
    }
};

// One cell reference after the shift, or #REF! when its cell is gone.
std::string RewriteCellRef(const TQuillSpreadGrid& Target, TCorner a, const TAxisShift& Cols, const TAxisShift& Rows)
{
    const bool kept = Cols.Cell(a.Cell.X, a.AbsCol) && Rows.Cell(a.Cell.Y, a.AbsRow);
    return kept ? WriteCorner(Target, a) : DeletedReference;
}

// A range after the shift: removed rows or columns inside it shrink it; #REF! when all of it is gone.
std::string RewriteRangeRef(const TQuillSpreadGrid& Target, TCorner a, TCorner b, const TAxisShift& Cols,
                            const TAxisShift& Rows)
{
    const bool kept =
        Cols.Range(a.Cell.X, b.Cell.X, a.AbsCol, b.AbsCol) && Rows.Range(a.Cell.Y, b.Cell.Y, a.AbsRow, b.AbsRow);
    return kept ? WriteCorner(Target, a) + ":" + WriteCorner(Target, b) : DeletedReference;
}

} // namespace

// Scans a formula for references outside string literals and rewrites those
// that point at Target through Shift of columns and rows.
static std::string RewriteReferences(TQuillSpreadGrid& G, const std::string& S, const TQuillSpreadGrid* Target,
                                     const TAxisShift& Cols, const TAxisShift& Rows)
{
    std::string text = S;
    if (text.size() > 3 && text[0] == '|' && text[1] == '\\') text = rtl::Utf16ToUtf8(DecodeWideCellText(text));
    std::string out;
    out.reserve(text.size() + 8);
    size_t i = 0;
    bool quoted = false;
    while (i < text.size()) {
        const char ch = text[i];
        if (ch == '"') quoted = !quoted;
        const bool startsToken = !quoted && (ch == '$' || IsLetter(ch)) &&
                                 (i == 0 || !(IsLetter(text[i - 1]) || IsDigit(text[i - 1]) || text[i - 1] == '.'));
        if (!startsToken) {
            out += ch;
            ++i;
            continue;
        }
        // A grid qualifier: the letters and digits before "!".
        size_t k = i;
        while (k < text.size() && (IsLetter(text[k]) || IsDigit(text[k]) || text[k] == '_')) ++k;
        const TQuillSpreadGrid* pointed = &G;
        size_t refStart = i;
        if (k < text.size() && text[k] == '!') {
            const std::string qualifier = text.substr(i, k - i);
            TBaseGrid* named = G.Binder() ? G.Binder()->Grids().GetGridByName(qualifier) : nullptr;
            pointed = dynamic_cast<TQuillSpreadGrid*>(named);
            refStart = k + 1;
        }
        // Written coordinates count from the first non-fixed cell of the grid they name.
        const TQuillSpreadGrid& reader = pointed ? *pointed : G;
        size_t pos = refStart;
        TCorner a, b;
        bool isRange = false;
        bool isRef = ReadCorner(reader, text, pos, a);
        if (isRef && pos < text.size() && text[pos] == ':') {
            size_t second = pos + 1;
            if (ReadCorner(reader, text, second, b)) {
                isRange = true;
                pos = second;
            }
        }
        // A function name such as LOG10 is followed by "(", a longer word by more letters.
        if (isRef && pos < text.size() && (IsLetter(text[pos]) || IsDigit(text[pos]) || text[pos] == '(')) isRef = false;
        if (!isRef) {
            // Copy the whole word so that its tail is not taken for a reference.
            size_t end = i;
            while (end < text.size() && (IsLetter(text[end]) || IsDigit(text[end]) || text[end] == '$' || text[end] == '_'))
                ++end;
            out.append(text, i, std::max<size_t>(end - i, 1));
            i = std::max(end, i + 1);
            continue;
        }
        out.append(text, i, refStart - i);
        if (pointed != Target) {
            out.append(text, refStart, pos - refStart);
        } else if (!isRange) {
            out += RewriteCellRef(*Target, a, Cols, Rows);
        } else {
            out += RewriteRangeRef(*Target, a, b, Cols, Rows);
        }
        i = pos;
    }
    return out;
}

std::string TQuillSpreadGrid::RewriteFormula(const std::string& S, int ColFrom, int RowFrom, int DLeft, int DTop,
                                             int DRight, int DBottom, const TQuillSpreadGrid* Target)
{
    // Structure changes move whole blocks: a range's two sides follow the same shift.
    (void)DRight;
    (void)DBottom;
    const TAxisShift cols{ColFrom, DLeft, false, FixedCols()};
    const TAxisShift rows{RowFrom, DTop, false, FixedRows()};
    return RewriteReferences(*this, S, Target ? Target : this, cols, rows);
}

void TQuillSpreadGrid::MoveFormula(TGridCoord FromCell, TGridCoord ToCell)
{
    const std::string text = GetGridCell(FromCell.X, FromCell.Y);
    if (!IsFormulaText(text)) {
        SetCells(ToCell.X, ToCell.Y, text);
        return;
    }
    const TAxisShift cols{-1, ToCell.X - FromCell.X, true, FixedCols()};
    const TAxisShift rows{-1, ToCell.Y - FromCell.Y, true, FixedRows()};
    SetCells(ToCell.X, ToCell.Y, RewriteReferences(*this, text, this, cols, rows));
}

void TQuillSpreadGrid::RewriteAll(int ColFrom, int RowFrom, int DLeft, int DTop, int DRight, int DBottom)
{
    for (TQuillSpreadGrid* grid : BoundGrids()) {
        grid->FCellRefList.DeleteAll();
        for (int c = grid->FixedCols(); c < grid->ColCount(); ++c)
            for (int r = grid->FixedRows(); r < grid->RowCount(); ++r) {
                const std::string& text = grid->GetGridCell(c, r);
                if (!IsFormulaText(text)) continue;
                const std::string rewritten =
                    grid->RewriteFormula(text, ColFrom, RowFrom, DLeft, DTop, DRight, DBottom, this);
                if (rewritten != text) {
                    grid->SetGridCell(c, r, rewritten);
                    grid->ClearCellState(c, r);
                }
            }
    }
}

void TQuillSpreadGrid::AfterStructureChange()
{
    std::vector<TQuillSpreadGrid*> grids = BoundGrids();
    for (TQuillSpreadGrid* grid : grids) grid->RebuildCellRefs();
    if (FAutoRecalc)
        for (TQuillSpreadGrid* grid : grids)
            if (grid->FAutoRecalc) grid->Recalc();
    AutoSpreadHeaders();
    Invalidate();
}

namespace {

// Marks a flag for the length of a scope.
struct TFlagScope {
    bool& Flag;
    bool Saved;
    explicit TFlagScope(bool& f) : Flag(f), Saved(f) { Flag = true; }
    ~TFlagScope() { Flag = Saved; }
};

} // namespace

void TQuillSpreadGrid::MoveNamesOnRows(int FromRow, int Delta, int RemovedRows)
{
    TStringList& names = FGridFormula->CellNameList();
    for (int k = 0; k < names.Count(); ++k) {
        const auto packed = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(names.Objects(k)));
        const int col = static_cast<int>(packed & 0xFFFF);
        int row = static_cast<int>(packed >> 16);
        if (row == 0xFFFF) continue;
        if (RemovedRows > 0 && row >= FromRow && row < FromRow + RemovedRows) {
            // The named cell is gone: the name points nowhere rather than at what moved in.
            names.SetObjects(k, TGridFormula::PackedCellObject(0xFFFF, 0xFFFF));
            continue;
        }
        if (row >= FromRow + RemovedRows) row += Delta;
        names.SetObjects(k, TGridFormula::PackedCellObject(col, row));
    }
}

void TQuillSpreadGrid::InsertRows(int RowIndex, int RCount, bool UpdateCellControls)
{
    if (GroupColumn() >= 0 || RCount <= 0) {
        TQuillStringGrid::InsertRows(RowIndex, RCount, UpdateCellControls);
        return;
    }
    {
        TFlagScope changing(FInStructureChange);
        MoveNamesOnRows(RowIndex, RCount, 0);
        TQuillStringGrid::InsertRows(RowIndex, RCount, true);
        if (GroupColumn() < 0) RewriteAll(0, RowIndex, 0, RCount, 0, RCount);
    }
    AfterStructureChange();
}

void TQuillSpreadGrid::RemoveRows(int RowIndex, int RCount)
{
    if (GroupColumn() >= 0 || RCount <= 0) {
        TQuillStringGrid::RemoveRows(RowIndex, RCount);
        return;
    }
    {
        TFlagScope changing(FInStructureChange);
        MoveNamesOnRows(RowIndex, -RCount, RCount);
        TQuillStringGrid::RemoveRows(RowIndex, RCount);
        RewriteAll(0, RowIndex, 0, -RCount, 0, -RCount);
    }
    AfterStructureChange();
}

void TQuillSpreadGrid::RemoveRowRange(int ARow, int ACount)
{
    // The string grid's row removal ends here too: inside a structure change it only removes.
    if (FInStructureChange || GroupColumn() >= 0 || ACount <= 0) {
        TQuillStringGrid::RemoveRowRange(ARow, ACount);
        return;
    }
    {
        TFlagScope changing(FInStructureChange);
        MoveNamesOnRows(ARow, -ACount, ACount);
        TQuillStringGrid::RemoveRowRange(ARow, ACount);
        RewriteAll(0, ARow, 0, -ACount, 0, -ACount);
    }
    AfterStructureChange();
}

void TQuillSpreadGrid::InsertCols(int ColIndex, int CCount)
{
    if (CCount <= 0) return;
    {
        TFlagScope changing(FInStructureChange);
        TQuillStringGrid::InsertCols(ColIndex, CCount);
        RewriteAll(ColIndex, 0, CCount, 0, CCount, 0);
    }
    AfterStructureChange();
}

void TQuillSpreadGrid::RemoveCols(int ColIndex, int CCount)
{
    if (CCount <= 0) return;
    {
        TFlagScope changing(FInStructureChange);
        TQuillStringGrid::RemoveCols(ColIndex, CCount);
        RewriteAll(ColIndex, 0, -CCount, 0, -CCount, 0);
    }
    AfterStructureChange();
}

void TQuillSpreadGrid::ClearRect(int ACol1, int ARow1, int ACol2, int ARow2)
{
    {
        TFlagScope changing(FInStructureChange);
        FCellRefList.DeleteAll();
        TQuillStringGrid::ClearRect(ACol1, ARow1, ACol2, ARow2);
        for (int r = std::max(ARow1, 0); r <= std::min(ARow2, RowCount() - 1); ++r)
            for (int c = std::max(ACol1, 0); c <= std::min(ACol2, ColCount() - 1); ++c)
                if (GetCellGraphic(c, r)) RemoveCellGraphic(c, r);
    }
    if (ComponentState().Contains(csDestroying)) return;
    for (TQuillSpreadGrid* grid : BoundGrids()) grid->RebuildCellRefs();
    if (FAutoRecalc) Recalc();
}

void TQuillSpreadGrid::PastedCells(TPoint Origin, TRect Target, TClipOperation LastOp)
{
    if (Origin.X < 0 || Origin.Y < 0) {
        Recalc();
        return;
    }
    const int dx = Target.Left - Origin.X;
    const int dy = Target.Top - Origin.Y;
    const TAxisShift cols{-1, dx, true, FixedCols()};
    const TAxisShift rows{-1, dy, true, FixedRows()};
    TStringList& names = FGridFormula->CellNameList();
    // The source cells' pictures and looks, names included, taken before any target overwrites them.
    struct TTaken {
        std::unique_ptr<TCellGraphic> Graphic;
        std::string Name;
    };
    std::vector<TTaken> taken;
    const auto inGrid = [&](int c, int r) { return c >= 0 && r >= 0 && c < ColCount() && r < RowCount(); };
    for (int c = Target.Left; c <= Target.Right; ++c)
        for (int r = Target.Top; r <= Target.Bottom; ++r) {
            const int sc = Origin.X + c - Target.Left, sr = Origin.Y + r - Target.Top;
            TTaken item;
            if (inGrid(sc, sr))
                if (const TCellGraphic* source = GetCellGraphic(sc, sr)) {
                    item.Graphic = std::make_unique<TCellGraphic>();
                    item.Graphic->Assign(source);
                    item.Graphic->SetCellAngle(0);
                    item.Name = GetCellName(sc, sr);
                    if (LastOp == coCut) RemoveCellGraphic(sc, sr);
                }
            taken.push_back(std::move(item));
        }
    size_t k = 0;
    for (int c = Target.Left; c <= Target.Right; ++c)
        for (int r = Target.Top; r <= Target.Bottom; ++r, ++k) {
            if (!inGrid(c, r)) continue;
            const int sc = Origin.X + c - Target.Left, sr = Origin.Y + r - Target.Top;
            const std::string& pasted = GetGridCell(c, r);
            if (IsFormulaText(pasted) && inGrid(sc, sr))
                SetGridCell(c, r, RewriteReferences(*this, pasted, this, cols, rows));
            if (GetCellGraphic(c, r)) RemoveCellGraphic(c, r);
            TTaken& item = taken[k];
            if (!item.Graphic) continue;
            TCellGraphic* graphic = CreateCellGraphic(c, r);
            graphic->Assign(item.Graphic.get());
            // A pasted formula starts without a result.
            graphic->SetCellBoolean(false);
            graphic->SetCellErrFrom(0);
            graphic->SetCellErrLen(0);
            if (item.Name.empty()) continue;
            if (LastOp == coCut) {
                const int index = names.IndexOf(item.Name);
                if (index >= 0) {
                    names.SetObjects(index, TGridFormula::PackedCellObject(c, r));
                    graphic->SetCellAngle(index + 1);
                }
            } else {
                SetCellName(c, r, item.Name);
            }
        }
}
