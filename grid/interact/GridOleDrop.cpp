// Drops on the grid from other windows and programs: cells land with their
// top-left at the cell under the pointer, text is pasted like the clipboard's
// (inserting or appending rows when asked), rich text and links fill one
// cell, one CSV or XLS file is loaded, and a column is moved or, dragged from
// a list box of hidden columns, shown again. Arrows mark the drop position.
#include "grid/interact/GridOleDrop.h"

#include <algorithm>

#include "grid/QuillGrid.h"
#include "grid/base/ArrowWindow.h"
#include "grid/base/MouseActions.h"
#include "grid/interact/DragOutState.h"
#include "grid/interact/OleDropState.h"
#include "grid/model/BehaviourSettings.h"
#include "platform/classes/StringList.h"
#include "platform/classes/Streams.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/Backend.h"
#include "platform/ui/ListControls.h"

namespace {

// The pointer this close below the top of a grid without fixed rows scrolls up.
constexpr int ScrollEdge = 8;
// Sideways scrolling waits for the grid's timer tick.
constexpr std::uint64_t SideScrollTickMs = 500;

// Largest tab-separated field count of a line and the number of non-empty
// lines; lines end at a carriage return, a following line feed skipped.
void MeasureBlock(const std::string& s, int& Fields, int& Lines)
{
    Fields = Lines = 0;
    std::size_t start = 0;
    while (start <= s.size()) {
        std::size_t end = s.find_first_of("\r\n", start);
        if (end == std::string::npos) end = s.size();
        std::string_view line(s.data() + start, end - start);
        if (!line.empty()) {
            ++Lines;
            Fields = std::max(Fields, static_cast<int>(std::count(line.begin(), line.end(), '\t')) + 1);
        }
        if (end >= s.size()) break;
        start = end + 1;
        if (s[end] == '\r' && start < s.size() && s[start] == '\n') ++start;
    }
}

std::string Upper(std::string s)
{
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

} // namespace

TGridDropTarget::TGridDropTarget(TQuillStringGrid& AGrid) : FGrid(AGrid) {}

HRESULT TGridDropTarget::Drop(IDataObject* dataObj, DWORD grfKeyState, TPoint pt, DWORD& dwEffect)
{
    FDropData = dataObj;
    const HRESULT result = TSARNDropTarget::Drop(dataObj, grfKeyState, pt, dwEffect);
    FDropData = nullptr;
    return result;
}

TGridCoord TQuillStringGrid::ScreenToCell(TPoint pt)
{
    const TPoint client = ScreenToClient(pt);
    int col = -1, row = -1;
    MouseToCell(client.X, client.Y, col, row);
    if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount()) return {-1, -1};
    return {col, row};
}

void TQuillStringGrid::OleColumnDragStart(int ACol, int AIndex, TCustomListBox* AList)
{
    FOleDrop->DragCol = ACol;
    FOleDrop->DragListIndex = AIndex;
    FOleDrop->DragList = AList;
}

TGridCoord TGridDropTarget::DropCell(TPoint pt, bool ColumnDrag, bool& Append)
{
    TGridCoord cell = FGrid.ScreenToCell(pt);
    Append = false;
    const TDragDropSettings& s = FGrid.DragDropSettings();
    if (cell.Y == -1 && !ColumnDrag && s.OleEntireRows() && s.OleAppendRows()) {
        const TPoint client = FGrid.ScreenToClient(pt);
        const TRect last = FGrid.CellRect(FGrid.LeftCol(), FGrid.RowCount() - 1);
        if (client.Y >= last.Bottom && last.Bottom > 0) {
            cell = {FGrid.FixedCols(), FGrid.RowCount() - 1};
            Append = true;
        }
    }
    return cell;
}

void TGridDropTarget::ScrollNear(TGridCoord Cell, TPoint Client)
{
    TQuillStringGrid& g = FGrid;
    const bool rowsAway = g.TopRow() > g.FixedRows();
    if ((Cell.Y == 0 && rowsAway) || (Client.Y < ScrollEdge && g.FixedRows() == 0 && rowsAway))
        g.SetTopRow(g.TopRow() - 1);
    else if (Cell.Y == g.TopRow() + g.VisibleRowCount() && Cell.Y < g.RowCount())
        g.SetTopRow(g.TopRow() + 1);
    const std::uint64_t now = ui::Backend().NowMs();
    if (now - g.FOleDrop->LastSideScroll < SideScrollTickMs) return;
    if (Cell.X == 0 && g.LeftCol() > g.FixedCols()) {
        g.SetLeftCol(g.LeftCol() - 1);
        g.FOleDrop->LastSideScroll = now;
    } else if (Cell.X == g.LeftCol() + g.VisibleColCount() && Cell.X < g.ColCount()) {
        g.SetLeftCol(g.LeftCol() + 1);
        g.FOleDrop->LastSideScroll = now;
    }
}

void TGridDropTarget::DragMouseMove(TPoint pt, bool& Allow, TDropFormats DropFormats)
{
    TQuillStringGrid& g = FGrid;
    const bool columnDrag = DropFormats.Contains(dfCol);
    bool append = false;
    TGridCoord cell = DropCell(pt, columnDrag, append);
    Allow = cell.X >= 0 && cell.Y >= 0;
    if (Allow && !columnDrag) ScrollNear(cell, g.ScreenToClient(pt));
    if (!columnDrag) {
        if (cell.Y >= 0 && cell.Y < g.FixedRows() && !(g.RowCount() == 1 && g.FixedRowAlways())) Allow = false;
    } else if (cell.X < 0 || cell.Y < 0) {
        cell = {g.ColCount(), 0};
        Allow = true;
    } else if (cell.Y < g.FixedRows()) {
        if (cell.X < g.FixedCols()) Allow = false;
    } else {
        Allow = false;
    }
    if (DropFormats.Contains(dfFile) || DropFormats.Contains(dfGridCells)) Allow = true;
    if (g.OnOleDragOver) g.OnOleDragOver(&g, cell.Y, cell.X, Allow);
    if ((cell.X < 0 || cell.Y < 0) && !DropFormats.Contains(dfFile)) Allow = false;
    if (Allow) ShowMarks(cell, columnDrag, append);
    else HideArrows(true, true, true);
}

void TGridDropTarget::ShowMarks(TGridCoord Cell, bool ColumnDrag, bool Append)
{
    TQuillStringGrid& g = FGrid;
    grid::TOleDropState& d = *g.FOleDrop;
    auto arrow = [&](TArrowWindow*& a, TArrowDirection dir) -> TArrowWindow& {
        if (!a) a = new TArrowWindow(&g, dir);
        return *a;
    };
    constexpr int Size = 11;
    if (ColumnDrag) {
        // Beyond the last column the marks stand at the grid's right edge.
        const int x = Cell.X < g.ColCount() ? g.CellRect(Cell.X, Cell.Y).Left : g.CellRect(g.ColCount() - 1, 0).Right;
        const TRect r = g.CellRect(std::min(Cell.X, g.ColCount() - 1), Cell.Y);
        arrow(d.DownArrow, arrDown).SetBounds(x - Size / 2, std::max(0, r.Top - ScrollEdge), Size, Size);
        arrow(d.UpArrow, arrUp).SetBounds(x - Size / 2, r.Bottom, Size, Size);
        d.DownArrow->SetVisible(true);
        d.UpArrow->SetVisible(true);
        d.DownArrow->BringToFront();
        d.UpArrow->BringToFront();
        HideArrows(true, false, false);
        return;
    }
    int col = g.DragDropSettings().OleEntireRows() ? g.FixedCols() : Cell.X;
    int row = Cell.Y == 0 && g.FixedRowAlways() ? 1 : Cell.Y;
    TRect r = g.CellRect(col, std::min(row, g.RowCount() - 1));
    if (Append) r.Top = r.Bottom;
    arrow(d.LeftArrow, arrLeft).SetBounds(std::max(0, r.Left - 10), r.Top, Size, Size);
    d.LeftArrow->SetVisible(true);
    d.LeftArrow->BringToFront();
    HideArrows(false, true, true);
}

void TGridDropTarget::HideArrows(bool Left, bool Down, bool Up)
{
    grid::TOleDropState& d = *FGrid.FOleDrop;
    if (Left && d.LeftArrow) d.LeftArrow->SetVisible(false);
    if (Down && d.DownArrow) d.DownArrow->SetVisible(false);
    if (Up && d.UpArrow) d.UpArrow->SetVisible(false);
}

void TGridDropTarget::DragMouseLeave() { HideArrows(true, true, true); }

void TGridDropTarget::DropStream(TPoint pt, std::unique_ptr<TMemoryStream> ms)
{
    ms->SetPosition(0);
    const TGridCoord cell = FGrid.ScreenToCell(pt);
    FGrid.LoadAtPointFromBinStream({cell.X, cell.Y}, *ms);
    HideArrows(true, true, false);
    if (FGrid.OnOleDropped) FGrid.OnOleDropped(&FGrid, FGrid.Selection());
}

void TGridDropTarget::DropText(TPoint pt, const std::string& s)
{
    TQuillStringGrid& g = FGrid;
    const TDragDropSettings& settings = g.DragDropSettings();
    bool append = false;
    TGridCoord cell = DropCell(pt, false, append);
    int fields = 0, lines = 0;
    MeasureBlock(s, fields, lines);
    const bool rowSelect = g.Options().Contains(goRowSelect);
    if (rowSelect) cell.X = settings.OleEntireRows() ? 0 : g.FixedCols();
    bool allow = true;
    if (g.OnOleDrop) g.OnOleDrop(&g, cell.Y, cell.X, s, allow);
    if (allow && cell.Y >= 0 && cell.X >= 0) {
        // Rows going in above the rows this grid drags out move them down.
        TGridRect& source = g.FDragOut->DropSelection;
        if (source.Top >= cell.Y && settings.OleRemoveRows() && source.Top > 0) {
            source.Top += lines;
            source.Bottom += lines;
            if (g.MouseActions().DisjunctRowSelect()) g.InsertRowFlags(cell.Y, g.RealRowIndex(cell.Y), lines);
        }
        if (cell.Y == 0 && g.FixedRowAlways() && g.RowCount() == 1) cell.Y = 1;
        if (settings.OleInsertRows()) {
            int top = g.TopRow();
            if (top > g.FixedRows()) ++top;
            if (append) {
                g.SetRowCount(g.RowCount() + lines);
                ++cell.Y;
            } else {
                g.InsertRows(cell.Y, lines);
            }
            g.SetTopRow(std::min(top, g.RowCount() - 1));
        } else if (append) {
            ++cell.Y;
        }
        int cols = 0, rows = 0;
        g.PasteTextBlock(cell.X, cell.Y, s, cols, rows);
        const int left = std::max(cell.X, g.FixedCols());
        const int right = rowSelect ? left + fields - g.FixedCols() : left + fields - 1;
        g.SetSelection({left, cell.Y, std::min(right, g.ColCount() - 1), std::min(cell.Y + lines - 1, g.RowCount() - 1)});
    }
    HideArrows(true, true, true);
    if (g.OnOleDropped) g.OnOleDropped(&g, g.Selection());
}

void TGridDropTarget::DropRTF(TPoint pt, const std::string& s)
{
    const TGridCoord cell = FGrid.ScreenToCell(pt);
    bool allow = true;
    if (FGrid.OnOleDrop) FGrid.OnOleDrop(&FGrid, cell.Y, cell.X, s, allow);
    if (allow && cell.X >= 0 && cell.Y >= 0) FGrid.SetCellEx(cell.X, cell.Y, s);
    HideArrows(true, true, false);
}

void TGridDropTarget::DropURL(TPoint pt, const std::string& s)
{
    const TGridCoord cell = FGrid.ScreenToCell(pt);
    bool allow = true;
    if (FGrid.OnOleDropURL) FGrid.OnOleDropURL(&FGrid, cell.Y, cell.X, s, allow);
    if (allow && cell.X >= 0 && cell.Y >= 0) FGrid.SetCellEx(cell.X, cell.Y, s);
    HideArrows(true, true, false);
}

void TGridDropTarget::DropFiles(TPoint pt, TStringList& files)
{
    TQuillStringGrid& g = FGrid;
    HideArrows(true, true, true);
    if (files.Count() != 1) return;
    const std::string name = files.Strings(0);
    const TGridCoord cell = g.ScreenToCell(pt);
    bool allow = true;
    if (g.OnOleDropFile) g.OnOleDropFile(&g, cell.Y, cell.X, name, allow);
    if (!allow) return;
    const std::string upper = Upper(name);
    if (upper.find(".CSV") != std::string::npos) {
        allow = true;
        if (g.OnOleDrop) g.OnOleDrop(&g, -1, -1, name, allow);
        if (allow) g.LoadFromCSV(name);
    }
    // Workbooks load through a spreadsheet program, which this grid does not drive:
    // the drop is announced and the grid left as it was.
    if (upper.find(".XLS") != std::string::npos) {
        allow = true;
        if (g.OnOleDrop) g.OnOleDrop(&g, -1, -1, name, allow);
    }
}

void TGridDropTarget::DropCol(TPoint pt, int Col)
{
    TQuillStringGrid& g = FGrid;
    grid::TOleDropState& d = *g.FOleDrop;
    TGridCoord cell = g.ScreenToCell(pt);
    int target = cell.X >= 0 ? cell.X : g.ColCount();
    HideArrows(false, true, true);
    auto moveTo = [&](int from, int to) { g.MoveColumn(from, to); };
    TGridDropSource* source = TGridDropSource::Current();
    const bool fromAnotherGrid = !source || &source->Grid() != &g;
    if (d.DragCol < 0 && fromAnotherGrid) {
        InsertDroppedColumn(target);
    } else if (d.DragCol >= 0) {
        if (d.DragList && d.DragListIndex >= 0 && d.DragListIndex < d.DragList->Items().Count())
            d.DragList->Items().Delete(d.DragListIndex);
        const int real = d.DragCol;
        g.UnHideColumn(real);
        const int from = g.DisplColIndex(real);
        if (target >= 0 && target < g.ColCount() && from >= 0 && from != target) moveTo(from, target);
        d.DragCol = -1;
        d.DragListIndex = -1;
        d.DragList = nullptr;
    } else if (g.DragDropSettings().OleColumnReorder()) {
        target = std::min(target, g.ColCount() - 1);
        if (Col >= 0 && Col < g.ColCount() && Col != target) moveTo(Col, target);
    }
    if (g.OnOleDropCol) g.OnOleDropCol(&g, cell.Y, Col, target);
}

void TGridDropTarget::InsertDroppedColumn(int Target)
{
    if (!FDropData) return;
    TEnumFormats formats(FDropData);
    std::unique_ptr<TMemoryStream> cells = formats.Stream();
    if (!cells) return;
    TQuillStringGrid& g = FGrid;
    const int at = std::clamp(Target, g.FixedCols(), g.ColCount());
    if (at == g.ColCount()) g.SetColCount(g.ColCount() + 1);
    else g.InsertCols(at, 1);
    g.LoadAtPointFromBinStream({at, 0}, *cells);
}

namespace {

TGridDropSource* gCurrentSource = nullptr;

} // namespace

TGridDropSource::TGridDropSource(TQuillStringGrid& aGrid) : FGrid(aGrid) { gCurrentSource = this; }

TGridDropSource::~TGridDropSource()
{
    if (gCurrentSource == this) gCurrentSource = nullptr;
}

TGridDropSource* TGridDropSource::Current() noexcept { return gCurrentSource; }

void TGridDropSource::CurrentEffect(DWORD dwEffect)
{
    if (dwEffect == DROPEFFECT_MOVE || dwEffect == DROPEFFECT_COPY) FLastEffect = dwEffect;
}

// The grid shows no drag image of its own: the host's drag cursor follows the pointer.
void TGridDropSource::QueryDrag() { (void)FGrid; }

void TGridDropSource::DragDropDone() { TSARNDropSource::DragDropDone(); }
