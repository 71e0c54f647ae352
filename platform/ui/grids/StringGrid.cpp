// The string grid's cells, their row and column views, text drawing and edit text.
#include "platform/ui/grids/StringGrid.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/ScopeExit.h"

TStringGrid::TStringGrid(TComponent* AOwner) : TDrawGrid(AOwner) { FStore.SetRowWidthHint(ColCount()); }

TStringGrid::~TStringGrid() = default;

void TStringGrid::SetCells(int ACol, int ARow, const std::string& Value)
{
    FStore.SetText(ACol, ARow, Value);
    InvalidateCell(ACol, ARow);
    if (!FEditUpdate && ACol == Col() && ARow == Row()) InvalidateEditor();
}

void TStringGrid::SetObjects(int ACol, int ARow, TObject* Value) { FStore.SetObject(ACol, ARow, Value); }

std::unique_ptr<TStringGridStrings> TStringGrid::Rows(int ARow)
{
    if (ARow < 0) throw EListError("List index out of bounds (" + std::to_string(ARow) + ")");
    return std::make_unique<TStringGridStrings>(*this, true, ARow);
}

std::unique_ptr<TStringGridStrings> TStringGrid::Cols(int ACol)
{
    if (ACol < 0) throw EListError("List index out of bounds (" + std::to_string(ACol) + ")");
    return std::make_unique<TStringGridStrings>(*this, false, ACol);
}

void TStringGrid::HandleSizeChanged(int OldColCount, int OldRowCount)
{
    FStore.SetRowWidthHint(ColCount());
    TDrawGrid::HandleSizeChanged(OldColCount, OldRowCount);
}

void TStringGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    FStore.MoveColumn(FromIndex, ToIndex);
    TDrawGrid::ColumnMoved(FromIndex, ToIndex);
}

void TStringGrid::RowMoved(int FromIndex, int ToIndex)
{
    FStore.MoveRow(FromIndex, ToIndex);
    TDrawGrid::RowMoved(FromIndex, ToIndex);
}

void TStringGrid::HandleDrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    if (DefaultDrawing()) {
        const std::string& text = FStore.Text(ACol, ARow);
        if (!text.empty()) {
            TCanvas& c = *Canvas();
            c.Brush()->SetStyle(bsClear);
            c.TextRect(ARect, ARect.Left + 2, ARect.Top + 2, text);
            c.Brush()->SetStyle(bsSolid);
        }
    }
    TDrawGrid::HandleDrawCell(ACol, ARow, ARect, AState);
}

std::string TStringGrid::ProvideEditText(int ACol, int ARow)
{
    std::string value = FStore.Text(ACol, ARow);
    if (OnGetEditText) OnGetEditText(this, ACol, ARow, value);
    return value;
}

void TStringGrid::ApplyEditText(int ACol, int ARow, const std::string& Value)
{
    FEditUpdate = true;
    const rtl::ScopeExit updated([this] { FEditUpdate = false; });
    SetCells(ACol, ARow, Value);
    TDrawGrid::ApplyEditText(ACol, ARow, Value);
}

// Row and column views.

TStringGridStrings::TStringGridStrings(TStringGrid& AGrid, bool AIsRow, int AIndex)
    : FGrid(AGrid), FIsRow(AIsRow), FIndex(AIndex)
{
}

int TStringGridStrings::Count() const { return FIsRow ? FGrid.ColCount() : FGrid.RowCount(); }

void TStringGridStrings::CheckIndex(int Index) const
{
    if (Index < 0 || Index >= Count()) IndexError(Index);
}

std::string TStringGridStrings::Strings(int Index) const
{
    CheckIndex(Index);
    return FGrid.Cells(Col(Index), Row(Index));
}

void TStringGridStrings::SetStrings(int Index, const std::string& S)
{
    CheckIndex(Index);
    FGrid.SetCells(Col(Index), Row(Index), S);
}

TObject* TStringGridStrings::Objects(int Index) const
{
    CheckIndex(Index);
    return FGrid.Objects(Col(Index), Row(Index));
}

void TStringGridStrings::SetObjects(int Index, TObject* AObject)
{
    CheckIndex(Index);
    FGrid.SetObjects(Col(Index), Row(Index), AObject);
}

int TStringGridStrings::Add(const std::string& S)
{
    for (int i = 0; i < Count(); ++i)
        if (Strings(i).empty()) {
            SetStrings(i, S);
            return i;
        }
    throw EStringListError("Grid row or column is full");
}

void TStringGridStrings::Insert(int, const std::string&)
{
    throw EInvalidOperation("Cannot insert into a grid row or column");
}

void TStringGridStrings::Delete(int)
{
    throw EInvalidOperation("Cannot delete from a grid row or column");
}

void TStringGridStrings::Clear()
{
    for (int i = 0; i < Count(); ++i) {
        SetStrings(i, {});
        SetObjects(i, nullptr);
    }
}

void TStringGridStrings::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TStrings*>(Source);
    if (!source) {
        TStrings::Assign(Source);
        return;
    }
    // A view assigned from itself (or a view of the same cells) must read
    // everything before writing.
    const int n = source->Count();
    std::vector<std::pair<std::string, TObject*>> items;
    items.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) items.emplace_back(source->Strings(i), source->Objects(i));
    for (int i = 0; i < Count(); ++i) {
        const bool has = i < n;
        SetStrings(i, has ? items[static_cast<std::size_t>(i)].first : std::string());
        SetObjects(i, has ? items[static_cast<std::size_t>(i)].second : nullptr);
    }
}
